#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace zevo {

// The system calls that write a file's content, so that a test can play a disk that fills up or a
// device that fails half-way. The defaults are the real ones.
struct FileWriteCalls {
    std::function<ssize_t(int fd, const void* bytes, std::size_t count)> write;
    std::function<int(int fd)> fsync;
    // Flushes the content without the file's times: what an append-only file needs.
    std::function<int(int fd)> datasync;

    static FileWriteCalls System();
};

// A text file that replaces its target only when it is complete: the lines go into a new file in the
// target's folder, which is flushed to the disk and then renamed over the target. Whatever fails on
// the way (creating, writing, flushing, renaming) throws RunTimeError with the run-time library's text
// for the error, leaves the target as it was and removes the new file again.
//
// One exception: an existing file that may be written, in a folder where no new file may be created,
// has no room for a new file beside it. It is then written in place, as the operator expects of a file
// they may write, but what it held is read first and kept: a failure on the way (or destroying the
// object without Commit()) writes the old bytes back, so the file is again what it was.
//
// Lines are written byte for byte, each followed by CR LF. `path` is a file-system path (not
// Windows-1250 text); a relative path names a file in the current folder.
class AtomicTextFile final {
public:
    explicit AtomicTextFile(const std::string& path, FileWriteCalls calls = FileWriteCalls::System());
    ~AtomicTextFile();
    AtomicTextFile(const AtomicTextFile&) = delete;
    AtomicTextFile& operator=(const AtomicTextFile&) = delete;

    // Lets the lines of a file of about `bytes` collect in memory and reach the file in one write, or a
    // few for a very large one: each write call costs more than copying its bytes.
    void ExpectSize(std::size_t bytes);
    void WriteLine(std::string_view line);
    // Bytes as they are, line ends included: for a caller that composes many lines at once.
    void Write(std::string_view bytes);
    // Puts the file in place of the target. Without it, destroying the object discards what was written.
    void Commit();

    // Where the lines go until Commit(): in the target's folder, so that the rename cannot cross file
    // systems. Empty when the target is written in place.
    const std::string& TemporaryPath() const { return m_temporaryPath; }
    bool InPlace() const { return m_inPlace; }

private:
    void Flush();

    [[noreturn]] void Fail(int errorNumber);
    void Discard() noexcept;
    void OpenInPlace();
    void RestoreInPlace() noexcept;

    std::string m_target;
    std::string m_temporaryPath;
    FileWriteCalls m_calls;
    std::string m_buffer;
    std::size_t m_bufferSize;
    int m_fd = -1;
    bool m_inPlace = false;
    bool m_restore = false; // in place: the old content is only in m_original until the commit
    std::string m_original; // in place: what the file held, put back on failure
};

} // namespace zevo
