#include "AtomicTextFile.h"

#include "RunTimeError.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace zevo {

namespace {

constexpr std::size_t BufferSize = std::size_t{64} * 1024;
// Keeps the temporary name within the file system's limit when the target's own name is long.
constexpr std::size_t MaxNameStem = 200;

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string NameOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A link is followed, so that saving through it replaces the file it points at, not the link.
std::string ResolvedTarget(const std::string& path) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
        return path;
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) == nullptr)
        return path;
    return resolved;
}

std::string RandomSuffix() {
    static std::mt19937 generator{std::random_device{}()};
    static constexpr char Digits[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::uniform_int_distribution<std::size_t> pick(0, sizeof Digits - 2);
    std::string suffix;
    for (int i = 0; i < 8; ++i)
        suffix += Digits[pick(generator)];
    return suffix;
}

} // namespace

FileWriteCalls FileWriteCalls::System() {
    return {[](int fd, const void* bytes, std::size_t count) { return ::write(fd, bytes, count); },
            [](int fd) { return ::fsync(fd); }, [](int fd) { return ::fdatasync(fd); }};
}

AtomicTextFile::AtomicTextFile(const std::string& path, FileWriteCalls calls) : m_calls(std::move(calls)) {
    if (path.empty())
        ThrowErrno(ENOENT);
    m_target = ResolvedTarget(path);

    struct stat existing {};
    const bool exists = ::stat(m_target.c_str(), &existing) == 0;
    // An existing file that may not be written stays refused, as opening it for writing would be.
    if (exists && ::access(m_target.c_str(), W_OK) != 0)
        ThrowErrno(errno);

    const std::string stem = "." + NameOf(m_target).substr(0, MaxNameStem) + ".";
    for (int attempt = 0; m_fd < 0; ++attempt) {
        m_temporaryPath = FolderOf(m_target) + stem + RandomSuffix();
        m_fd = ::open(m_temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (m_fd < 0 && (errno != EEXIST || attempt == 100)) {
            const int error = errno;
            m_temporaryPath.clear();
            ThrowErrno(error);
        }
    }
    // The replacement keeps the permissions of the file it replaces.
    if (exists && S_ISREG(existing.st_mode) && ::fchmod(m_fd, existing.st_mode & 07777) != 0)
        Fail(errno);
    m_buffer.reserve(BufferSize + 256);
}

AtomicTextFile::~AtomicTextFile() {
    if (!m_committed)
        Discard();
}

void AtomicTextFile::WriteLine(std::string_view line) {
    if (m_fd < 0)
        ThrowErrno(EBADF);
    m_buffer.append(line);
    m_buffer.append("\r\n", 2);
    if (m_buffer.size() >= BufferSize)
        Flush();
}

void AtomicTextFile::Write(std::string_view bytes) {
    if (m_fd < 0)
        ThrowErrno(EBADF);
    // A large block goes to the file as it is, without a copy into the buffer.
    if (m_buffer.empty() && bytes.size() >= BufferSize) {
        WriteAll(bytes.data(), bytes.size());
        return;
    }
    m_buffer.append(bytes);
    if (m_buffer.size() >= BufferSize)
        Flush();
}

void AtomicTextFile::Flush() {
    WriteAll(m_buffer.data(), m_buffer.size());
    m_buffer.clear();
}

void AtomicTextFile::WriteAll(const char* bytes, std::size_t count) {
    std::size_t written = 0;
    while (written < count) {
        const ssize_t result = m_calls.write(m_fd, bytes + written, count - written);
        if (result < 0) {
            if (errno == EINTR)
                continue;
            Fail(errno);
        }
        // A device that takes nothing and names no error cannot take the rest either.
        if (result == 0)
            Fail(EIO);
        written += static_cast<std::size_t>(result);
    }
}

void AtomicTextFile::Commit() {
    if (m_fd < 0)
        ThrowErrno(EBADF);
    Flush();
    // Only what is on the disk may replace the old file: a crash after the rename must not leave an
    // empty file in its place.
    if (m_calls.fsync(m_fd) != 0)
        Fail(errno);
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0)
        Fail(errno);
    if (::rename(m_temporaryPath.c_str(), m_target.c_str()) != 0)
        Fail(errno);
    m_committed = true;
    // The new name itself is durable once the folder is flushed; failing that is no reason to call
    // a complete file unsaved.
    const std::string folder = FolderOf(m_target);
    const int folderFd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd >= 0) {
        ::fsync(folderFd);
        ::close(folderFd);
    }
}

void AtomicTextFile::Fail(int errorNumber) {
    Discard();
    ThrowErrno(errorNumber);
}

void AtomicTextFile::Discard() noexcept {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_temporaryPath.empty()) {
        ::unlink(m_temporaryPath.c_str());
        m_temporaryPath.clear();
    }
}

} // namespace zevo
