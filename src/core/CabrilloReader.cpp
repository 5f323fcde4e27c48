#include "CabrilloReader.h"

#include "CabrilloFile.h"
#include "Conversion.h"
#include "QsoLine.h"
#include "RunTimeError.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zevo {

namespace {

constexpr char CtrlZ = 26;

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int Get() const { return m_fd; }

private:
    int m_fd;
};

} // namespace

namespace {

// Reads what `file` holds, up to one byte past `maxBytes`; nothing when it holds more.
std::optional<std::string> ReadAll(const FileDescriptor& file, const struct stat& status,
                                   std::size_t maxBytes) {
    if (S_ISREG(status.st_mode) && static_cast<std::size_t>(status.st_size) > maxBytes)
        return std::nullopt;

    // The size is only a hint: a file may grow while it is read, and a device tells none. Reading stops
    // one byte past the limit, which is enough to know the file is too large.
    std::string bytes;
    bytes.resize(S_ISREG(status.st_mode) ? static_cast<std::size_t>(status.st_size) + 1
                                         : std::size_t{64} * 1024);
    std::size_t filled = 0;
    for (;;) {
        if (filled == bytes.size())
            bytes.resize(std::min(bytes.size() * 2, maxBytes + 1));
        const ssize_t count = ::read(file.Get(), bytes.data() + filled, bytes.size() - filled);
        if (count < 0) {
            if (errno == EINTR)
                continue;
            ThrowErrno(errno);
        }
        if (count == 0)
            break;
        filled += static_cast<std::size_t>(count);
        if (filled > maxBytes)
            return std::nullopt;
    }
    bytes.resize(filled);
    return bytes;
}

struct stat StatusOf(const FileDescriptor& file) {
    struct stat status {};
    if (::fstat(file.Get(), &status) != 0)
        ThrowErrno(errno);
    return status;
}

} // namespace

std::optional<std::string> ReadFileBytes(const std::string& path, std::size_t maxBytes) {
    if (path.empty())
        ThrowErrno(ENOENT);
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.Get() < 0)
        ThrowErrno(errno);
    return ReadAll(file, StatusOf(file), maxBytes);
}

LogFileBytes ReadLogFileBytes(const std::string& path, std::size_t maxBytes) {
    if (path.empty())
        ThrowErrno(ENOENT);
    // Without waiting: a pipe opens at once and is then refused as any other file that is not regular.
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (file.Get() < 0)
        ThrowErrno(errno);
    const struct stat status = StatusOf(file);
    // A folder fails as reading it would.
    if (S_ISDIR(status.st_mode))
        ThrowErrno(EISDIR);
    if (!S_ISREG(status.st_mode))
        return {LogFileBytes::Refused::NotRegular, {}};
    std::optional<std::string> bytes = ReadAll(file, status, maxBytes);
    if (!bytes)
        return {LogFileBytes::Refused::TooLarge, {}};
    return {LogFileBytes::Refused::No, std::move(*bytes)};
}

LineStore ReadCabrilloLines(std::string text) {
    LineStore lines(std::move(text));
    std::string_view bytes = lines.Text();
    bytes = bytes.substr(0, bytes.find(CtrlZ));
    // The next CR and the next LF are each searched for only once passed (find of one byte is fast where
    // find_first_of of two is a loop over every byte), so the whole text is scanned twice at most.
    std::size_t nextCarriageReturn = std::min(bytes.find('\r'), bytes.size());
    std::size_t nextLineFeed = std::min(bytes.find('\n'), bytes.size());
    const auto next = [bytes](std::size_t& found, char c, std::size_t from) {
        if (found < from)
            found = std::min(bytes.find(c, from), bytes.size());
        return found;
    };
    std::size_t begin = 0;
    do {
        const std::size_t end =
            std::min(next(nextCarriageReturn, '\r', begin), next(nextLineFeed, '\n', begin));
        if (const std::string_view line = bytes.substr(begin, end - begin); line != EndOfLogLine)
            lines.AddCut(begin, line.size());
        begin = end;
        if (begin < bytes.size()) {
            const bool carriageReturn = bytes[begin] == '\r';
            ++begin;
            if (carriageReturn && begin < bytes.size() && bytes[begin] == '\n')
                ++begin;
        }
    } while (begin < bytes.size());
    lines.shrink_to_fit();
    return lines;
}

std::optional<LastLineFields> ReadLastLineFields(std::string_view line) {
    const std::optional<QsoRecord> record = ReadQsoRecord(line);
    if (!record || !record->ReadsWhole())
        return std::nullopt;
    LastLineFields fields;
    if (record->band >= 0)
        fields.band = record->band;
    fields.phone = record->phone;
    fields.date = record->date;
    fields.time = std::string(record->time.substr(0, 2)) + ":" + std::string(record->time.substr(2, 2));
    fields.minutes = *record->minute % 60;
    fields.usedCall = record->usedCall;
    return fields;
}

bool IsContestLog(std::string_view bytes, LinesView lines) {
    if (bytes.find('\0') != std::string_view::npos)
        return false;
    return std::any_of(lines.begin(), lines.end(), [](std::string_view line) {
        return line.starts_with("START-OF-LOG:") || line.starts_with("QSO:");
    });
}

LoadedLog ReadLoadedLog(LinesView lines) {
    LoadedLog loaded;
    for (const std::string_view line : lines) {
        if (line.starts_with("CALLSIGN:") && loaded.callsign.empty()) {
            for (const char c : std::string_view(line).substr(9))
                if (c != ' ')
                    loaded.callsign += c;
        }
        if (!line.starts_with("QSO:"))
            continue;
        // Columns 49-54: the number sent, right-aligned.
        std::string_view sent = line.size() > 48 ? std::string_view(line).substr(48, 6) : std::string_view();
        while (!sent.empty() && sent.front() == ' ')
            sent.remove_prefix(1);
        if (sent.empty() || sent.size() > 9 ||
            !std::all_of(sent.begin(), sent.end(), [](char c) { return c >= '0' && c <= '9'; }))
            continue;
        const long long next = std::stoll(std::string(sent)) + 1;
        loaded.nextNumberSent = std::max(loaded.nextNumberSent.value_or(next), next);
    }
    // The last contact line that reads whole, looked for from the end.
    for (auto line = lines.rbegin(); line != lines.rend() && !loaded.last; ++line)
        if ((*line).starts_with("QSO:"))
            loaded.last = ReadLastLineFields(*line);
    loaded.usedCall = loaded.last && !loaded.last->usedCall.empty() ? loaded.last->usedCall : loaded.callsign;
    return loaded;
}

} // namespace zevo
