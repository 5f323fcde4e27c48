#pragma once

#include "LogLines.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zevo {

// No contest log comes near this size (a million contacts are 81 MB); a larger file is something else
// and is not loaded.
inline constexpr std::size_t MaxCabrilloFileSize = std::size_t{128} * 1024 * 1024;

// The whole content of the file at `path` (a file-system path), or nothing when it holds more than
// `maxBytes`. A file that cannot be opened or read throws RunTimeError with the run-time library's text.
std::optional<std::string> ReadFileBytes(const std::string& path, std::size_t maxBytes);

// A log file as a load takes it: only a regular file is read. A pipe, a device or a socket is refused
// without waiting for it (opening a pipe nobody writes to would wait for ever), and so is a file of
// more than `maxBytes`. Fails as ReadFileBytes does.
struct LogFileBytes {
    enum class Refused : unsigned char { No, TooLarge, NotRegular };
    Refused refused = Refused::No;
    std::string bytes;
};
LogFileBytes ReadLogFileBytes(const std::string& path, std::size_t maxBytes);

// The lines of the log held in a Cabrillo file's bytes, each byte for byte as in the file. A line ends
// at CR, at CR LF or at LF alone; a Ctrl-Z ends the text. The end is tested after each line, so no
// bytes give one empty line and a last line without its line end still counts. Every line that is
// exactly "END-OF-LOG:" is left out: the next save appends one at the end. The lines keep the bytes
// given as their own.
LineStore ReadCabrilloLines(std::string text);

// What the entry fields take from a contact line of a loaded log, read through its record
// (ReadQsoRecord).
struct LastLineFields {
    std::optional<int> band; // the band entry of its frequency; nothing outside every band
    bool phone = false;      // "PH"; any other mode is CW
    std::string date;        // yyyy-mm-dd
    std::string time;        // hh:mm
    int minutes = 0;         // of the time, for the spin position
    std::string usedCall;
};
// The fields of a contact line that reads whole (QsoRecord::ReadsWhole); nothing for any other line.
std::optional<LastLineFields> ReadLastLineFields(std::string_view line);

// Whether a file's bytes, split into `lines`, are a contest log: no zero byte, and a line that begins
// with "START-OF-LOG:" or "QSO:". Anything else (a picture, an empty file) is not loaded.
bool IsContestLog(std::string_view bytes, LinesView lines);

// What the entry fields take from a loaded log to go on with it. Any lines give an answer: a damaged
// contact line is passed over, never a reason to fail.
struct LoadedLog {
    // Of the last contact line that reads whole; nothing when none does, as for a log of a header only.
    std::optional<LastLineFields> last;
    std::string callsign; // of the "CALLSIGN:" header line, without blanks
    std::string usedCall; // of that contact line, or the callsign when it names none
    // The highest number sent of the QSO lines plus one; nothing when none sent a number.
    std::optional<long long> nextNumberSent;
};
LoadedLog ReadLoadedLog(LinesView lines);

} // namespace zevo
