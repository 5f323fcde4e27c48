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
// Lines are written byte for byte, each followed by CR LF. `path` is a file-system path (not
// Windows-1250 text); a relative path names a file in the current folder.
class AtomicTextFile final {
public:
    explicit AtomicTextFile(const std::string& path, FileWriteCalls calls = FileWriteCalls::System());
    ~AtomicTextFile();
    AtomicTextFile(const AtomicTextFile&) = delete;
    AtomicTextFile& operator=(const AtomicTextFile&) = delete;

    void WriteLine(std::string_view line);
    // Bytes as they are, line ends included: for a caller that composes many lines at once.
    void Write(std::string_view bytes);
    // Puts the file in place of the target. Without it, destroying the object discards what was written.
    void Commit();

    // Where the lines go until Commit(): in the target's folder, so that the rename cannot cross file
    // systems.
    const std::string& TemporaryPath() const { return m_temporaryPath; }

private:
    void Flush();
    void WriteAll(const char* bytes, std::size_t count);
    [[noreturn]] void Fail(int errorNumber);
    void Discard() noexcept;

    std::string m_target;
    std::string m_temporaryPath;
    FileWriteCalls m_calls;
    std::string m_buffer;
    int m_fd = -1;
    bool m_committed = false;
};

} // namespace zevo
