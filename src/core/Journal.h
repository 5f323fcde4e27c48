#pragma once

#include "LogLines.h"

#include "AtomicTextFile.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zevo {

// What a session needs besides its log to go on where it stopped: the flags and the entry fields of
// the main window, as their texts and entry numbers (-1 for no entry).
struct SessionState {
    std::string usedCall;
    bool usedCallReadOnly = false;
    bool headerSet = false;
    bool unsavedLog = false;
    std::string language; // the code of the interface language; empty for English
    int band = -1;
    int mode = -1;
    std::string modeText; // the mode can be typed over its entry
    std::string date;
    std::string time;
    int spinPosition = 0;
    std::string numberSent;
    bool autoIncrement = false;
    int province = -1;
    std::string reportSent;
    std::string reportReceived;
    int reportLength = 2;
    // Date and time follow the UTC clock. Written after the rest of a record, so that the records of a
    // journal written before it read as the paper-log way.
    bool realTime = false;

    bool operator==(const SessionState&) const = default;
};

// How one record changes the log, named as the log's own changes (LogDocument) are. The values are
// those of the records on the disk: a journal of any earlier run replays.
enum class LogChange : unsigned char {
    None,       // the state alone changed
    Append,     // the lines follow the log (the header, a contact)
    ReplaceAll, // the lines are the whole log (a load)
    MoveToEnd,  // every line equal to the one given goes, then it is appended (a save's END-OF-LOG:)
    Insert,     // the lines stand before the row given
    Replace,    // the line given takes the place of the one at the row given
    Remove,     // the line at the row given goes
    RemoveRows, // as many lines as the record carries (their texts are empty) go from the row given
};

// One record as it is stored: its body's length and checksum, then the body, so that a record cut
// short or damaged is found where it begins.
// The last three changes name their row after the lines.
std::string JournalRecord(const SessionState& state, LogChange change, LinesView lines, std::size_t row = 0);

// The mark at the start of every journal file.
inline constexpr std::string_view JournalMark = "ZEVO-JOURNAL 1\n";

// A journal read back: the log and the state after its last complete record.
struct JournalReplay {
    std::vector<std::string> log;
    std::optional<SessionState> state; // nothing when not one record is complete
    std::size_t records = 0;
    std::size_t completeBytes = 0; // the mark and the complete records
    bool damaged = false;          // bytes follow that are not a complete record
};
JournalReplay ReplayJournal(std::string_view bytes);
// What can be read of a damaged journal: the records before the damage or, when not one of them is
// complete (a damage near the start), the records from the first whole one after it. Always marked
// damaged when the bytes are not one whole journal.
JournalReplay SalvageJournal(std::string_view bytes);

// The whole content of the file at `path`; throws RunTimeError when it cannot be read.
std::string ReadJournalFile(const std::string& path);

// The journal of a running session: records go at the end of the file, each on the disk (fdatasync)
// before Record returns; nothing already written is ever written again, so a record costs the same
// whatever the length of the log. A record that cannot be written throws RunTimeError; the file then
// ends with its last complete record as far as the disk allows, and the journal takes no more.
class Journal final {
public:
    // A new journal at `path` replacing any file there.
    explicit Journal(const std::string& path, FileWriteCalls calls = FileWriteCalls::System());
    // Goes on with the journal at `path` after its first `keepBytes` bytes (the complete records of a
    // replay): a damaged end is cut off.
    Journal(const std::string& path, std::size_t keepBytes, FileWriteCalls calls = FileWriteCalls::System());
    ~Journal();
    Journal(const Journal&) = delete;
    Journal& operator=(const Journal&) = delete;

    // Writes a record unless it would change nothing (no change of the log and the state as last
    // written); true when it wrote one.
    bool Record(const SessionState& state, LogChange change = LogChange::None, LinesView lines = {},
                std::size_t row = 0);
    // Closes the journal and deletes its file: the session ended as it should.
    void Remove();

    const std::string& Path() const { return m_path; }

private:
    void Append(std::string_view bytes);
    [[noreturn]] void Fail(int errorNumber);

    std::string m_path;
    FileWriteCalls m_calls;
    int m_fd = -1;
    std::size_t m_size = 0;
    std::optional<SessionState> m_last;
};

// The lock that keeps a second program out of a journal: held while the object lives. Held() is
// false when another program holds it; a folder where the lock cannot be made throws RunTimeError.
class JournalLock final {
public:
    explicit JournalLock(const std::string& path);
    ~JournalLock();
    JournalLock(const JournalLock&) = delete;
    JournalLock& operator=(const JournalLock&) = delete;

    bool Held() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};

// Makes the folder at `path` with every folder above it that is missing; throws RunTimeError with the
// cause when one cannot be made (a parent that may not be written, a file in the way).
void MakeFolder(const std::string& path);

// Moves the journal at `path` aside to a name of its own beside it, with `date` (yyyy-mm-dd) in the
// name and a number added when that name is taken; returns the new path. Throws RunTimeError.
std::string SetJournalAside(const std::string& path, const std::string& date);

} // namespace zevo
