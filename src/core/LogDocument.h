#pragma once

#include "CallIndex.h"
#include "LogLines.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zevo {

// One change of the log, as the log tells those who follow it: named as its methods and as the
// session journal's records (LogChange) are.
struct LogEdit {
    enum class Kind : unsigned char {
        Insert,     // rows row .. row+count-1 are new (an append inserts at the end)
        Remove,     // rows row .. row+count-1 go
        Replace,    // the line at row is another one
        ReplaceAll, // every line is another one (a load): count is the new number of lines
    };
    Kind kind = Kind::Insert;
    std::size_t row = 0;
    std::size_t count = 0;

    bool operator==(const LogEdit&) const = default;
};

class LogDocument;

// Told of every change, before it (the rows that go or change, or the whole log before a reset, can
// still be read) and after it (the new rows can be read).
class LogListener {
public:
    virtual void LogAboutToChange(const LogDocument& log, const LogEdit& edit) = 0;
    virtual void LogChanged(const LogDocument& log, const LogEdit& edit) = 0;

protected:
    LogListener() = default;
    ~LogListener() = default;
    LogListener(const LogListener&) = default;
    LogListener& operator=(const LogListener&) = default;
};

// A line's name for as long as it is in the log, whatever comes and goes around it: a change that is
// undone finds its line by it. Never 0.
using LineId = std::uint64_t;

// The log: the ordered lines of the Cabrillo file, header lines, QSO lines and an "END-OF-LOG:" line
// left by a save, held as their bytes so that a loaded file is saved back byte for byte. Every change
// of the log goes through here and is told to the listeners as one edit or a few, and the call index
// of its QSO lines follows each of them.
class LogDocument final {
public:
    const LineStore& Lines() const { return m_lines; }
    std::size_t Count() const { return m_lines.size(); }
    std::string_view Line(std::size_t row) const { return m_lines[row]; }
    const CallIndex& Calls() const { return m_calls; }
    LineId Id(std::size_t row) const { return m_ids[row]; }
    // Where the line `id` stands now, looked for from `near` outwards, so that a line that moved little
    // is found at once; nothing when the log has no such line.
    std::optional<std::size_t> RowOf(LineId id, std::size_t near = 0) const;

    void Append(std::string line);
    void Append(const std::vector<std::string>& lines);
    // Puts `line` before the one at `row` (at the end when `row` is the number of lines).
    void Insert(std::size_t row, std::string line);
    // The same for a line that was in the log before, under its old id (a deleted line put back).
    void Insert(std::size_t row, std::string line, LineId id);
    // Lines put before the one at `row` as one change; under their old ids when `ids` names one for each
    // (lines that were in the log before, put back), else under new ones.
    void Insert(std::size_t row, std::vector<std::string> lines, const std::vector<LineId>& ids = {});
    void Replace(std::size_t row, std::string_view line);
    void Remove(std::size_t row);
    // The `count` lines from `row` go as one change.
    void Remove(std::size_t row, std::size_t count);
    // The whole log at once, as loading a file does.
    void ReplaceAll(LineStore lines);
    void ReplaceAll(const std::vector<std::string>& lines) { ReplaceAll(LineStore(lines)); }
    // Every line that is exactly `line` goes, then `line` follows the log: a save's "END-OF-LOG:". The
    // line keeps the id of the last one that went.
    void MoveToEnd(const std::string& line);

    void AddListener(LogListener* listener);
    void RemoveListener(LogListener* listener);

private:
    void AboutToChange(const LogEdit& edit);
    void Changed(const LogEdit& edit);
    void InsertLines(std::size_t row, std::vector<std::string> lines, LineId id = 0,
                     const std::vector<LineId>* ids = nullptr);

    LineStore m_lines;
    std::vector<LineId> m_ids; // of each line, in the order of the lines
    LineId m_lastId = 0;
    CallIndex m_calls;
    std::vector<LogListener*> m_listeners;
};

} // namespace zevo
