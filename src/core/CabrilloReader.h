#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zevo {

// No contest log comes near this size; a larger file is something else and is not loaded.
inline constexpr std::size_t MaxCabrilloFileSize = std::size_t{64} * 1024 * 1024;

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
// exactly "END-OF-LOG:" is left out: the next save appends one at the end.
std::vector<std::string> ReadCabrilloLines(std::string_view bytes);

// What the entry fields take from the last line of a loaded log, read by the columns of a QSO line.
// Columns that reach past the end of the line give what exists, possibly nothing.
struct LastLineFields {
    std::optional<int> band; // the band entry (0 "160M" to 5 "10M") whose code is in columns 6-7
    bool phone = false;      // "PH" in columns 12-13; anything else is CW
    std::string date;        // columns 15-24
    std::string time;        // columns 26-27, ":", columns 28-29
    std::string minutes;     // columns 28-29, for the spin position
    std::string usedCall;    // columns 31-43 without blanks
};
LastLineFields ReadLastLineFields(std::string_view line);

// Whether a file's bytes, split into `lines`, are a contest log: no zero byte, and a line that begins
// with "START-OF-LOG:" or "QSO:". Anything else (a picture, an empty file) is not loaded.
bool IsContestLog(std::string_view bytes, const std::vector<std::string>& lines);

// What the entry fields take from a loaded log to go on with it.
struct LoadedLog {
    std::optional<std::string> lastContact; // the last QSO line
    std::string callsign;                   // of the "CALLSIGN:" header line, without blanks
    // The highest number sent of the QSO lines plus one; nothing when none sent a number.
    std::optional<long long> nextNumberSent;
};
LoadedLog ReadLoadedLog(const std::vector<std::string>& lines);

} // namespace zevo
