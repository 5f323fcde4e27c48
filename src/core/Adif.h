#pragma once

#include "LogLines.h"

#include "AtomicTextFile.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zevo {

// What the export writes into every record besides the contact itself.
struct AdifRecordExtras {
    std::string comment;      // no piece when empty; spaces count as text
    std::string operatorCall; // no piece when empty
    bool addFrequency = false;
};

// The file name proposed for the ADIF export of `usedCall`: the call with A to Z in lower case and
// ".adi" appended, the first "/" and the first backslash each turned into "_" ("QX1AB/P" gives
// "qx1ab_p.adi"). The name has no folder part.
std::string ProposedAdifFileName(const std::string& usedCall);

// The comment proposed for every record: "ZEVO Contest " and the year.
std::string DefaultAdifComment(int year);

// The three lines that open every ADIF file, the last one "<EOH>".
const std::vector<std::string>& AdifHeaderLines();

// The record of one log-list line, without its line end; nothing when the line does not begin with
// "QSO:". The line is read by the columns of the QSO line, whatever they hold, and every length counts
// bytes; BAND and FREQ come from the frequency written (14025 gives 20M and 14.025), and a line without
// a frequency, or with one outside every contest band, has no BAND (and no FREQ without a frequency). An
// exchange that is not a whole number (a province letter) goes into STX_STRING / SRX_STRING: STX and SRX hold
// integers only, and logbook programs drop a record that breaks that.
std::optional<std::string> ComposeAdifRecord(std::string_view line, std::string_view comment,
                                             std::string_view operatorCall, bool addFrequency);

// Writes the ADIF file at `path` (a file-system path): the header lines, then the record of every
// contact line of `log` in order, each line followed by CR LF. Like the Cabrillo file, it replaces
// the file at `path` only once it is complete: a failure throws RunTimeError and leaves any earlier
// file as it was.
void WriteAdifFile(const std::string& path, LinesView log, const AdifRecordExtras& extras,
                   FileWriteCalls calls = FileWriteCalls::System());

} // namespace zevo
