#include "Journal.h"

#include "RunTimeError.h"

#include <array>
#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zevo {

// A record stores its change as this number: journals written by any earlier run must still replay.
static_assert(static_cast<int>(LogChange::Append) == 1 && static_cast<int>(LogChange::ReplaceAll) == 2 &&
              static_cast<int>(LogChange::MoveToEnd) == 3 && static_cast<int>(LogChange::Insert) == 4 &&
              static_cast<int>(LogChange::Replace) == 5 && static_cast<int>(LogChange::Remove) == 6 &&
              static_cast<int>(LogChange::RemoveRows) == 7);

namespace {

// The standard CRC-32, over pieces: start with Crc32Begin, feed each piece, end with Crc32End.
constexpr std::uint32_t Crc32Begin = 0xFFFFFFFFU;

// Eight tables, so that eight bytes are taken per step: the journal checks every byte of a loaded log.
std::uint32_t Crc32Add(std::uint32_t crc, std::string_view bytes) {
    static const auto tables = [] {
        std::array<std::array<std::uint32_t, 256>, 8> entries{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1U) != 0 ? 0xEDB88320U ^ (c >> 1U) : c >> 1U;
            entries[0][n] = c;
        }
        for (std::size_t t = 1; t < entries.size(); ++t)
            for (std::uint32_t n = 0; n < 256; ++n)
                entries[t][n] = (entries[t - 1][n] >> 8U) ^ entries[0][entries[t - 1][n] & 0xFFU];
        return entries;
    }();
    const auto byteAt = [&bytes](std::size_t i) {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i]));
    };
    std::size_t i = 0;
    for (; i + 8 <= bytes.size(); i += 8) {
        const std::uint32_t low =
            crc ^ (byteAt(i) | byteAt(i + 1) << 8U | byteAt(i + 2) << 16U | byteAt(i + 3) << 24U);
        crc = tables[7][low & 0xFFU] ^ tables[6][(low >> 8U) & 0xFFU] ^ tables[5][(low >> 16U) & 0xFFU] ^
              tables[4][low >> 24U] ^ tables[3][byteAt(i + 4)] ^ tables[2][byteAt(i + 5)] ^
              tables[1][byteAt(i + 6)] ^ tables[0][byteAt(i + 7)];
    }
    for (; i < bytes.size(); ++i)
        crc = tables[0][(crc ^ byteAt(i)) & 0xFFU] ^ (crc >> 8U);
    return crc;
}

std::uint32_t Crc32End(std::uint32_t crc) {
    return crc ^ 0xFFFFFFFFU;
}

std::uint32_t Crc32(std::string_view bytes) {
    return Crc32End(Crc32Add(Crc32Begin, bytes));
}

// Numbers are stored as four bytes, least significant first, whatever the machine.
void PutNumber(std::string& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        out += static_cast<char>((value >> static_cast<unsigned>(shift)) & 0xFFU);
}

void PutInt(std::string& out, int value) {
    PutNumber(out, static_cast<std::uint32_t>(value));
}

void PutText(std::string& out, std::string_view text) {
    PutNumber(out, static_cast<std::uint32_t>(text.size()));
    out += text;
}

void PutFlag(std::string& out, bool flag) {
    out += flag ? '\1' : '\0';
}

// Reads what the Put functions wrote; every read past the end fails the whole body.
class Reader {
public:
    explicit Reader(std::string_view bytes) : m_bytes(bytes) {}

    std::optional<std::uint32_t> Number() {
        const std::optional<std::string_view> bytes = Take(4);
        if (!bytes)
            return std::nullopt;
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < 4; ++i)
            value |= std::uint32_t{static_cast<unsigned char>((*bytes)[i])} << (8 * i);
        return value;
    }
    bool Int(int& value) {
        const std::optional<std::uint32_t> number = Number();
        if (number)
            value = static_cast<int>(*number);
        return number.has_value();
    }
    bool Text(std::string& text) {
        const std::optional<std::uint32_t> size = Number();
        const std::optional<std::string_view> bytes = size ? Take(*size) : std::nullopt;
        if (bytes)
            text.assign(*bytes);
        return bytes.has_value();
    }
    // The next `count` bytes, or nothing when fewer are left.
    std::optional<std::string_view> Take(std::size_t count) {
        if (m_bytes.size() < count)
            return std::nullopt;
        const std::string_view taken = m_bytes.substr(0, count);
        m_bytes.remove_prefix(count);
        return taken;
    }
    std::optional<unsigned char> Byte() {
        const std::optional<std::string_view> bytes = Take(1);
        return bytes ? std::optional<unsigned char>(static_cast<unsigned char>(bytes->front()))
                     : std::nullopt;
    }
    bool Flag(bool& flag) {
        const std::optional<unsigned char> byte = Byte();
        if (!byte || *byte > 1)
            return false;
        flag = *byte == 1;
        return true;
    }
    bool AtEnd() const { return m_bytes.empty(); }

private:
    std::string_view m_bytes;
};

bool ReadState(Reader& in, SessionState& state) {
    return in.Text(state.usedCall) && in.Flag(state.usedCallReadOnly) && in.Flag(state.headerSet) &&
           in.Flag(state.unsavedLog) && in.Text(state.language) && in.Int(state.band) && in.Int(state.mode) &&
           in.Text(state.modeText) && in.Text(state.date) && in.Text(state.time) &&
           in.Int(state.spinPosition) && in.Text(state.numberSent) && in.Flag(state.autoIncrement) &&
           in.Int(state.province) && in.Text(state.reportSent) && in.Text(state.reportReceived) &&
           in.Int(state.reportLength);
}

// Applies one record's body to the replay; false when the body is not a record.
bool ApplyBody(std::string_view body, JournalReplay& replay) {
    Reader in(body);
    const std::optional<unsigned char> change = in.Byte();
    SessionState state;
    if (!change || *change > static_cast<unsigned char>(LogChange::RemoveRows) || !ReadState(in, state))
        return false;
    const std::optional<std::uint32_t> count = in.Number();
    // Each line takes at least its length's four bytes: a count beyond that is damage, not a record.
    if (!count || *count > body.size() / 4)
        return false;
    std::vector<std::string> lines(*count);
    for (std::string& line : lines)
        if (!in.Text(line))
            return false;
    std::size_t row = 0;
    if (*change >= static_cast<unsigned char>(LogChange::Insert)) {
        const std::optional<std::uint32_t> number = in.Number();
        if (!number)
            return false;
        row = *number;
    }
    if (!in.AtEnd() && !in.Flag(state.realTime))
        return false;
    if (!in.AtEnd())
        return false;
    switch (static_cast<LogChange>(*change)) {
    case LogChange::None:
        break;
    case LogChange::Append:
        replay.log.insert(replay.log.end(), std::make_move_iterator(lines.begin()),
                          std::make_move_iterator(lines.end()));
        break;
    case LogChange::ReplaceAll:
        replay.log = std::move(lines);
        break;
    case LogChange::MoveToEnd:
        if (lines.size() != 1)
            return false;
        std::erase(replay.log, lines[0]);
        replay.log.push_back(std::move(lines[0]));
        break;
    case LogChange::Insert:
        if (row > replay.log.size())
            return false;
        replay.log.insert(replay.log.begin() + static_cast<std::ptrdiff_t>(row),
                          std::make_move_iterator(lines.begin()), std::make_move_iterator(lines.end()));
        break;
    case LogChange::Replace:
        if (row >= replay.log.size() || lines.size() != 1)
            return false;
        replay.log[row] = std::move(lines[0]);
        break;
    case LogChange::Remove:
        if (row >= replay.log.size() || !lines.empty())
            return false;
        replay.log.erase(replay.log.begin() + static_cast<std::ptrdiff_t>(row));
        break;
    case LogChange::RemoveRows:
        if (row > replay.log.size() || lines.size() > replay.log.size() - row)
            return false;
        replay.log.erase(replay.log.begin() + static_cast<std::ptrdiff_t>(row),
                         replay.log.begin() + static_cast<std::ptrdiff_t>(row + lines.size()));
        break;
    }
    replay.state = std::move(state);
    return true;
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

void SyncFolderOf(const std::string& path) {
    const std::string folder = FolderOf(path);
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

namespace {

// Hands `piece` the body of a record in pieces, in order: the change and the state, then each line's
// length and bytes (the lines are never copied: a load's record is as long as the log), then the row.
template <typename Piece>
void BodyPieces(const SessionState& state, LogChange change, LinesView lines, std::size_t row,
                Piece&& piece) {
    std::string head;
    head += static_cast<char>(change);
    PutText(head, state.usedCall);
    PutFlag(head, state.usedCallReadOnly);
    PutFlag(head, state.headerSet);
    PutFlag(head, state.unsavedLog);
    PutText(head, state.language);
    PutInt(head, state.band);
    PutInt(head, state.mode);
    PutText(head, state.modeText);
    PutText(head, state.date);
    PutText(head, state.time);
    PutInt(head, state.spinPosition);
    PutText(head, state.numberSent);
    PutFlag(head, state.autoIncrement);
    PutInt(head, state.province);
    PutText(head, state.reportSent);
    PutText(head, state.reportReceived);
    PutInt(head, state.reportLength);
    PutNumber(head, static_cast<std::uint32_t>(lines.size()));
    piece(std::string_view(head));
    std::string number;
    for (const std::string_view line : lines) {
        number.clear();
        PutNumber(number, static_cast<std::uint32_t>(line.size()));
        piece(std::string_view(number));
        piece(std::string_view(line));
    }
    if (change >= LogChange::Insert) {
        number.clear();
        PutNumber(number, static_cast<std::uint32_t>(row));
        piece(std::string_view(number));
    }
    piece(std::string_view(state.realTime ? "\1" : "\0", 1));
}

// A record's head: its body's length and checksum.
std::string RecordHead(const SessionState& state, LogChange change, LinesView lines, std::size_t row) {
    std::size_t size = 0;
    std::uint32_t crc = Crc32Begin;
    BodyPieces(state, change, lines, row, [&](std::string_view piece) {
        size += piece.size();
        crc = Crc32Add(crc, piece);
    });
    std::string head;
    PutNumber(head, static_cast<std::uint32_t>(size));
    PutNumber(head, Crc32End(crc));
    return head;
}

} // namespace

std::string JournalRecord(const SessionState& state, LogChange change, LinesView lines, std::size_t row) {
    std::string record = RecordHead(state, change, lines, row);
    BodyPieces(state, change, lines, row, [&](std::string_view piece) { record += piece; });
    return record;
}

namespace {

// Applies the complete records from `at` on, stopping at the first that is not one.
void ReplayFrom(std::string_view bytes, std::size_t at, JournalReplay& replay) {
    replay.completeBytes = at;
    while (at < bytes.size()) {
        Reader head(bytes.substr(at));
        const std::optional<std::uint32_t> size = head.Number();
        const std::optional<std::uint32_t> crc = head.Number();
        const std::optional<std::string_view> body = size ? head.Take(*size) : std::nullopt;
        if (!crc || !body || Crc32(*body) != *crc || !ApplyBody(*body, replay))
            break;
        at += 8 + body->size();
        replay.completeBytes = at;
        ++replay.records;
    }
    replay.damaged = replay.completeBytes < bytes.size();
}

// Whether a complete record that changes an empty log starts at `at`: where a damaged journal picks up.
bool RecordStartsAt(std::string_view bytes, std::size_t at) {
    Reader head(bytes.substr(at));
    const std::optional<std::uint32_t> size = head.Number();
    const std::optional<std::uint32_t> crc = head.Number();
    const std::optional<std::string_view> body = size ? head.Take(*size) : std::nullopt;
    // The cheap tests first: most places fail them without a checksum over a long body.
    if (!crc || !body || body->empty() || static_cast<unsigned char>((*body)[0]) > 6)
        return false;
    JournalReplay scratch;
    return Crc32(*body) == *crc && ApplyBody(*body, scratch);
}

// How far past a damage a record is looked for.
constexpr std::size_t SalvageReach = std::size_t{4} * 1024 * 1024;

} // namespace

JournalReplay ReplayJournal(std::string_view bytes) {
    JournalReplay replay;
    if (!bytes.starts_with(JournalMark)) {
        replay.damaged = !bytes.empty();
        return replay;
    }
    ReplayFrom(bytes, JournalMark.size(), replay);
    return replay;
}

JournalReplay SalvageJournal(std::string_view bytes) {
    JournalReplay replay = ReplayJournal(bytes);
    if (replay.state || !replay.damaged)
        return replay;
    const std::size_t from = bytes.starts_with(JournalMark) ? JournalMark.size() + 1 : 0;
    const std::size_t to = std::min(bytes.size(), from + SalvageReach);
    for (std::size_t at = from; at + 8 < to; ++at) {
        if (!RecordStartsAt(bytes, at))
            continue;
        JournalReplay salvaged;
        ReplayFrom(bytes, at, salvaged);
        salvaged.damaged = true;
        return salvaged;
    }
    return replay;
}

std::string ReadJournalFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        ThrowErrno(errno);
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            const int error = errno;
            ::close(fd);
            ThrowErrno(error);
        }
        if (got == 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return bytes;
}

Journal::Journal(const std::string& path, FileWriteCalls calls) : Journal(path, 0, std::move(calls)) {}

Journal::Journal(const std::string& path, std::size_t keepBytes, FileWriteCalls calls)
    : m_path(path), m_calls(std::move(calls)) {
    const bool fresh = keepBytes < JournalMark.size();
    m_fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    if (m_fd < 0)
        ThrowErrno(errno);
    m_size = fresh ? 0 : keepBytes;
    if (::ftruncate(m_fd, static_cast<off_t>(m_size)) != 0 || ::lseek(m_fd, 0, SEEK_END) < 0)
        Fail(errno);
    if (fresh) {
        Append(JournalMark);
        m_size += JournalMark.size();
        if (m_calls.datasync(m_fd) != 0)
            Fail(errno);
        // The file's name must last as long as its content.
        SyncFolderOf(path);
    }
}

Journal::~Journal() {
    if (m_fd >= 0)
        ::close(m_fd);
}

bool Journal::Record(const SessionState& state, LogChange change, LinesView lines, std::size_t row) {
    if (change == LogChange::None && m_last == state)
        return false;
    if (m_fd < 0)
        ThrowErrno(EBADF);
    // A record of a few lines goes in one write; a load's goes in pieces of a buffer of a fixed size,
    // never as a copy of the log, and a piece longer than the buffer straight from the line. A failure
    // on the way cuts the file back to where the record began.
    constexpr std::size_t Chunk = std::size_t{256} * 1024;
    std::string buffer = RecordHead(state, change, lines, row);
    std::size_t written = 0;
    const auto flush = [&](std::string_view bytes) {
        Append(bytes);
        written += bytes.size();
    };
    BodyPieces(state, change, lines, row, [&](std::string_view piece) {
        if (buffer.size() + piece.size() > Chunk) {
            flush(buffer);
            buffer.clear();
        }
        if (piece.size() >= Chunk)
            flush(piece);
        else
            buffer += piece;
    });
    flush(buffer);
    if (m_calls.datasync(m_fd) != 0)
        Fail(errno);
    m_size += written;
    m_last = state;
    return true;
}

// Writes `bytes` after what is already written; the record is whole only once Record counts it.
void Journal::Append(std::string_view bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t result = m_calls.write(m_fd, bytes.data() + written, bytes.size() - written);
        if (result < 0 && errno == EINTR)
            continue;
        if (result < 0)
            Fail(errno);
        // A device that takes nothing and names no error cannot take the rest either.
        if (result == 0)
            Fail(EIO);
        written += static_cast<std::size_t>(result);
    }
}

void Journal::Fail(int errorNumber) {
    // What is on the disk may end inside the record; a replay stops there anyway, but a file that ends
    // at a complete record keeps that clear.
    if (m_fd >= 0) {
        if (::ftruncate(m_fd, static_cast<off_t>(m_size)) == 0)
            m_calls.datasync(m_fd);
        ::close(m_fd);
        m_fd = -1;
    }
    ThrowErrno(errorNumber);
}

void Journal::Remove() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    ::unlink(m_path.c_str());
}

JournalLock::JournalLock(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        ThrowErrno(errno);
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        m_fd = fd;
        return;
    }
    const int error = errno;
    ::close(fd);
    if (error != EWOULDBLOCK)
        ThrowErrno(error);
}

JournalLock::~JournalLock() {
    // Closing the file lets the lock go; the file stays, so that no other program can lock a file of
    // the same name that is about to be deleted.
    if (m_fd >= 0)
        ::close(m_fd);
}

void MakeFolder(const std::string& path) {
    struct stat status {};
    if (path.empty() || ::stat(path.c_str(), &status) == 0)
        return;
    const auto slash = path.find_last_not_of('/') == std::string::npos
                           ? std::string::npos
                           : path.rfind('/', path.find_last_not_of('/'));
    if (slash != std::string::npos && slash > 0)
        MakeFolder(path.substr(0, slash));
    if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST)
        ThrowErrno(errno);
}

std::string SetJournalAside(const std::string& path, const std::string& date) {
    const auto slash = path.rfind('/');
    const auto dot = path.rfind('.');
    const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    const std::string stem = hasExtension ? path.substr(0, dot) : path;
    const std::string extension = hasExtension ? path.substr(dot) : std::string();
    for (int number = 1; number < 1000; ++number) {
        std::string aside = stem;
        aside.append("-").append(date);
        if (number > 1)
            aside.append("-").append(std::to_string(number));
        aside.append(extension);
        if (::access(aside.c_str(), F_OK) == 0)
            continue;
        if (::rename(path.c_str(), aside.c_str()) != 0)
            ThrowErrno(errno);
        SyncFolderOf(path);
        return aside;
    }
    ThrowErrno(EEXIST);
}

} // namespace zevo
