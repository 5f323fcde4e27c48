#pragma once

#include "LogLines.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace zevo {

// An error is what makes a contest's log robot refuse the log or read it wrongly; a warning is worth a
// look before sending, but the log goes through as it is.
enum class Severity { Error, Warning };

// What a finding is about. The comment names the values in LogFinding::args, in their order; a line
// number among them is the 1-based line of the log, as text.
enum class FindingKind {
    // The log as a whole. What is missing from the header is told at line 1, a missing end at the last.
    NoStartOfLog,        // the first line is not "START-OF-LOG:"
    MissingHeaderLine,   // {tag}, "CATEGORY:" for one; an error for CONTEST:, CALLSIGN: and CATEGORY:
    EmptyCallsign,       // the "CALLSIGN:" line names no call
    CallsignNotUsedCall, // {call of the CALLSIGN: line, used call}, at the first contact of that used call
    NoEndOfLog,          // a saved log whose last line is not "END-OF-LOG:"
    EndOfLogBeforeEnd,   // "END-OF-LOG:" before the last line of a saved log: the rest goes unread

    // One QSO line. A line whose blanks are out of place gets only BadLayout (and its length): its
    // fields cannot be told apart. A field the line does not reach is left to LineTooShort.
    LineTooShort,      // {length}
    LineTooLong,       // {length}
    BadLayout,         // {column}: a field runs into the next one, or one field reads as two
    BadBand,           // {columns 6-10}
    BadMode,           // {columns 12-13}
    BadDate,           // {columns 15-24}
    BadTime,           // {columns 26-29}
    BadReportSent,     // {report, mode}
    BadExchangeSent,   // {exchange}: not a serial number, or in a Polish log not a province letter
    BadCall,           // {call received}
    BadReportReceived, // {report, mode}
    NoNumberReceived,

    // A contact against the one before it in the log whose field could be read. Serials only when they
    // are sent; one that cannot be read starts the count again.
    TimeOrder,       // {date and time "yyyy-mm-dd hhmm", those of the contact before, its line}
    DatesApart,      // {date, that of the contact before, its line}: more than a day from it
    SerialRepeated,  // {serial, serial expected}
    SerialBackwards, // {serial, serial expected}
    SerialSkipped,   // {serial, serial expected}
    Dupe,            // {call, band "20M", mode "PH", line of the earlier contact}
};

struct LogFinding {
    std::size_t line = 0; // 1-based line of the log
    Severity severity = Severity::Error;
    FindingKind kind = FindingKind::NoStartOfLog;
    std::vector<std::string> args;

    bool operator==(const LogFinding&) const = default;
};

struct LogCheckOptions {
    bool saved = false; // a saved file, which must end in "END-OF-LOG:"
    // Whether the exchange sent is a serial number or a province letter. Nothing: as the log's own
    // contacts send it, whatever language the window speaks, since the language can change while a log
    // is typed and a loaded log keeps what it was sent with.
    std::optional<bool> serialsSent = std::nullopt;
};

// Whether the log's contacts send serial numbers (or province letters): what most of those that send
// something readable send, serials when as many send each.
bool SendsSerials(LinesView lines);

// Checks the log's lines, exactly as in the file (header, "QSO:" lines, "END-OF-LOG:" lines), against
// the fixed columns of a QSO line and the header the program writes, as a contest's log robot will read
// them. Any bytes are checked as they stand; a line that is neither a QSO line nor "END-OF-LOG:" counts
// only for the header tag it begins with. Errors come first, then warnings, each by line.
std::vector<LogFinding> CheckLog(LinesView lines, const LogCheckOptions& options);

} // namespace zevo
