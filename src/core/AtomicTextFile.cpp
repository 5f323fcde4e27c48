#include "AtomicTextFile.h"

#include "RunTimeError.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace zevo {

namespace {

constexpr std::size_t BufferSize = std::size_t{64} * 1024;
// Bytes handed over at once from this many on go to the file without a copy into the buffer.
constexpr std::size_t DirectWriteSize = std::size_t{16} * 1024;
// The most a file expecting a large size collects before it writes: a log many times larger than any
// contest's is still written in a few calls without holding a second copy of all of it.
constexpr std::size_t MaxBufferSize = std::size_t{16} * 1024 * 1024;
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

// Writes all of `bytes`, going on after an interruption: 0, or the error number of the failure.
int WriteAll(const std::function<ssize_t(int, const void*, std::size_t)>& write, int fd,
             std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t result = write(fd, bytes.data(), bytes.size());
        if (result < 0 && errno == EINTR)
            continue;
        if (result < 0)
            return errno;
        // A device that takes nothing and names no error cannot take the rest either.
        if (result == 0)
            return EIO;
        bytes.remove_prefix(static_cast<std::size_t>(result));
    }
    return 0;
}

// The new file of a save that never ended (the program was killed while it wrote) is found by its name
// and by its lock: a save in progress holds the lock of its new file, a dead one holds none.
void RemoveLeftovers(const std::string& folder, const std::string& stem) {
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (dir == nullptr)
        return;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (!name.starts_with(stem) || name.size() == stem.size() ||
            !std::all_of(name.begin() + static_cast<std::ptrdiff_t>(stem.size()), name.end(),
                         [](char c) { return c >= '0' && c <= '9'; }))
            continue;
        const std::string path = folder + std::string(name);
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        if (fd < 0)
            continue;
        struct stat status {};
        if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlink(path.c_str());
        ::close(fd);
    }
    ::closedir(dir);
}

std::string RandomSuffix() {
    static std::mt19937_64 generator{std::random_device{}()};
    return std::to_string(generator());
}

} // namespace

FileWriteCalls FileWriteCalls::System() {
    return {[](int fd, const void* bytes, std::size_t count) { return ::write(fd, bytes, count); },
            [](int fd) { return ::fsync(fd); }, [](int fd) { return ::fdatasync(fd); }};
}

AtomicTextFile::AtomicTextFile(const std::string& path, FileWriteCalls calls)
    : m_calls(std::move(calls)), m_bufferSize(BufferSize) {
    if (path.empty())
        ThrowErrno(ENOENT);
    m_target = ResolvedTarget(path);

    struct stat existing {};
    const bool exists = ::stat(m_target.c_str(), &existing) == 0;
    // An existing file that may not be written stays refused, as opening it for writing would be.
    if (exists && ::access(m_target.c_str(), W_OK) < 0)
        ThrowErrno(errno);

    const std::string stem = "." + NameOf(m_target).substr(0, MaxNameStem) + ".";
    RemoveLeftovers(FolderOf(m_target), stem);
    for (int attempt = 0; m_fd < 0; ++attempt) {
        m_temporaryPath = FolderOf(m_target) + stem + RandomSuffix();
        m_fd = ::open(m_temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (m_fd < 0 && (errno != EEXIST || attempt == 100)) {
            const int error = errno;
            m_temporaryPath.clear();
            if (exists && S_ISREG(existing.st_mode) && (error == EACCES || error == EPERM)) {
                OpenInPlace();
                return;
            }
            ThrowErrno(error);
        }
    }
    // Held until the file is in place or gone: a save that finds it knows this one is not dead.
    ::flock(m_fd, LOCK_EX | LOCK_NB);
    // The replacement keeps the permissions of the file it replaces.
    if (exists && S_ISREG(existing.st_mode) && ::fchmod(m_fd, existing.st_mode & 07777) < 0)
        Fail(errno);
}

AtomicTextFile::~AtomicTextFile() {
    Discard();
}

void AtomicTextFile::OpenInPlace() {
    // The folder refuses a new file, but the file itself may be written: keep what it holds in memory
    // so that a failed write can put it back.
    m_fd = ::open(m_target.c_str(), O_RDWR | O_CLOEXEC);
    if (m_fd < 0)
        ThrowErrno(errno);
    m_inPlace = true;
    char chunk[BufferSize];
    // Read without moving the file offset, so that the new content starts at the beginning.
    for (ssize_t count;
         (count = ::pread(m_fd, chunk, sizeof chunk, static_cast<off_t>(m_original.size()))) != 0;) {
        if (count < 0)
            Fail(errno);
        m_original.append(chunk, static_cast<std::size_t>(count));
    }
    // From here on the old content lives only in memory until Commit() succeeds.
    if (::ftruncate(m_fd, 0) < 0)
        Fail(errno);
    m_restore = true;
}

void AtomicTextFile::RestoreInPlace() noexcept {
    // Best effort with the real calls: the old bytes fitted where they were, so they fit again.
    if (::ftruncate(m_fd, 0) == 0 && ::lseek(m_fd, 0, SEEK_SET) == 0 &&
        WriteAll(FileWriteCalls::System().write, m_fd, m_original) == 0)
        ::fsync(m_fd);
}

void AtomicTextFile::ExpectSize(std::size_t bytes) {
    m_bufferSize = std::clamp(bytes, BufferSize, MaxBufferSize);
    m_buffer.reserve(m_bufferSize);
}

void AtomicTextFile::WriteLine(std::string_view line) {
    m_buffer.append(line);
    m_buffer.append("\r\n", 2);
    if (m_buffer.size() >= m_bufferSize)
        Flush();
}

void AtomicTextFile::Write(std::string_view bytes) {
    // A large block goes to the file as it is, without a copy into the buffer.
    if (bytes.size() >= DirectWriteSize) {
        if (!m_buffer.empty())
            Flush();
        if (const int error = WriteAll(m_calls.write, m_fd, bytes))
            Fail(error);
        return;
    }
    m_buffer.append(bytes);
    if (m_buffer.size() >= m_bufferSize)
        Flush();
}

void AtomicTextFile::Flush() {
    if (const int error = WriteAll(m_calls.write, m_fd, m_buffer))
        Fail(error);
    m_buffer.clear();
}

void AtomicTextFile::Commit() {
    Flush();
    // Only what is on the disk may replace the old file: a crash after the rename must not leave an
    // empty file in its place.
    if (m_calls.fsync(m_fd) < 0)
        Fail(errno);
    if (m_inPlace) {
        // The file holds the new content: nothing is left to put back. The destructor closes it.
        m_restore = false;
        return;
    }
    if (::close(std::exchange(m_fd, -1)) < 0)
        Fail(errno);
    if (::rename(m_temporaryPath.c_str(), m_target.c_str()) < 0)
        Fail(errno);
    // The name is the target's now: nothing is left to remove.
    m_temporaryPath.clear();
    // The new name itself is durable once the folder is flushed; failing that is no reason to call
    // a complete file unsaved (nor is a folder that could not be opened: both calls then do nothing).
    const std::string folder = FolderOf(m_target);
    const int folderFd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ::fsync(folderFd);
    ::close(folderFd);
}

void AtomicTextFile::Fail(int errorNumber) {
    Discard();
    ThrowErrno(errorNumber);
}

// Closing a file that is not open and removing no name both do nothing, so this may run twice.
void AtomicTextFile::Discard() noexcept {
    if (std::exchange(m_restore, false))
        RestoreInPlace();
    ::close(std::exchange(m_fd, -1));
    if (!m_temporaryPath.empty())
        ::unlink(std::exchange(m_temporaryPath, {}).c_str());
}

} // namespace zevo
