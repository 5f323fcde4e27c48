#include "log/LogHistory.h"

#include "CabrilloFile.h"
#include "CallIndex.h"
#include "platform/Win1250.h"

#include <stdexcept>

// One change of the log, named by what it did and the call of the contact it did it to. A command
// finds its line by the line's id, never by a row it remembers: lines come and go around it (other
// commands, a save's END-OF-LOG: moved to the end), and a row would then name another contact.
namespace {

// The line a contact at `row` follows, to go back after: the END-OF-LOG: line is passed over, since a
// save moves it to the end; 0 when the contact is first.
zevo::LineId LineBefore(const zevo::LogDocument& log, std::size_t row) {
    while (row-- > 0)
        if (log.Line(row) != zevo::EndOfLogLine)
            return log.Id(row);
    return 0;
}

} // namespace

class LogHistory::Command : public QUndoCommand {
public:
    enum class Kind { Add, Edit, Delete, Import };
    Command(LogHistory& history, Kind kind, std::string_view line) : m_history(history), m_kind(kind) {
        if (const auto key = zevo::ReadQsoKey(line))
            m_call = FromWin1250(key->call);
    }
    Kind WhatItDid() const { return m_kind; }
    const QString& Call() const { return m_call; }

protected:
    zevo::LogDocument& Log() { return m_history.m_log; }
    // Where the line `id` stands now; the row it stood at last is looked at first.
    std::size_t RowOf(zevo::LineId id) {
        const std::optional<std::size_t> row = Log().RowOf(id, m_row);
        if (!row)
            throw std::logic_error("The line to change is no longer in the log.");
        m_row = *row;
        return m_row;
    }
    // Where a line that follows `anchor` goes: right after it, or first when it had none.
    std::size_t RowAfter(zevo::LineId anchor) {
        m_row = anchor == 0 ? 0 : RowOf(anchor) + 1;
        return m_row;
    }
    void Done() { emit m_history.changed(static_cast<int>(m_row)); }

    LogHistory& m_history;
    Kind m_kind;
    QString m_call;
    std::size_t m_row = 0;
};

class LogHistory::Added final : public Command {
public:
    Added(LogHistory& history, std::string line, EntryFields before)
        : Command(history, Kind::Add, line), m_line(std::move(line)), m_before(std::move(before)),
          m_anchor(LineBefore(history.m_log, history.m_log.Count())) {
        m_row = history.m_log.Count();
    }
    void SetFieldsAfter(EntryFields after) { m_after = std::move(after); }
    void undo() override {
        Log().Remove(RowOf(m_id));
        m_history.m_writeFields(m_before);
        Done();
    }
    void redo() override {
        if (m_id == 0) {
            // Done for the first time: the add itself, after every line, whose fields the window sets
            // as it goes on.
            m_row = Log().Count();
            Log().Insert(m_row, m_line);
            m_id = Log().Id(m_row);
            return;
        }
        Log().Insert(RowAfter(m_anchor), m_line, m_id);
        m_history.m_writeFields(m_after);
        Done();
    }

private:
    std::string m_line;
    EntryFields m_before;
    EntryFields m_after;
    zevo::LineId m_anchor; // the line the contact followed when it was added
    zevo::LineId m_id = 0;
};

class LogHistory::Edited final : public Command {
public:
    Edited(LogHistory& history, std::size_t row, std::string line)
        : Command(history, Kind::Edit, line), m_id(history.m_log.Id(row)), m_before(history.m_log.Line(row)),
          m_after(std::move(line)) {
        m_row = row;
    }
    void undo() override {
        Log().Replace(RowOf(m_id), m_before);
        Done();
    }
    void redo() override {
        Log().Replace(RowOf(m_id), m_after);
        Done();
    }

private:
    zevo::LineId m_id;
    std::string m_before;
    std::string m_after;
};

class LogHistory::Deleted final : public Command {
public:
    Deleted(LogHistory& history, std::size_t row)
        : Command(history, Kind::Delete, history.m_log.Line(row)), m_id(history.m_log.Id(row)),
          m_anchor(LineBefore(history.m_log, row)), m_line(history.m_log.Line(row)) {
        m_row = row;
    }
    void undo() override {
        Log().Insert(RowAfter(m_anchor), m_line, m_id);
        Done();
    }
    void redo() override {
        Log().Remove(RowOf(m_id));
        Done();
    }

private:
    zevo::LineId m_id;
    zevo::LineId m_anchor; // the line before it, after which it goes back
    std::string m_line;
};

class LogHistory::Imported final : public Command {
public:
    Imported(LogHistory& history, std::vector<std::string> lines, EntryFields before, EntryFields after)
        : Command(history, Kind::Import, std::string()), m_lines(std::move(lines)),
          m_before(std::move(before)), m_after(std::move(after)),
          m_anchor(LineBefore(history.m_log, history.m_log.Count())) {
        m_call = QString::number(m_lines.size());
    }
    void undo() override {
        // The contacts went in as one block and everything after them has been undone: they are still
        // one block, unless a save moved its END-OF-LOG: line past them, which leaves them together too.
        const std::size_t first = RowOf(m_ids.front());
        const std::size_t count = m_ids.size();
        if (first + count <= Log().Count() && Log().Id(first + count - 1) == m_ids.back()) {
            Log().Remove(first, count);
        } else {
            for (std::size_t i = count; i-- > 0;)
                Log().Remove(RowOf(m_ids[i]));
        }
        m_history.m_writeFields(m_before);
        Done();
    }
    void redo() override {
        const bool first = m_ids.empty();
        const std::size_t row = first ? Log().Count() : RowAfter(m_anchor);
        m_row = row;
        Log().Insert(row, m_lines, m_ids);
        if (first)
            for (std::size_t i = 0; i < m_lines.size(); ++i)
                m_ids.push_back(Log().Id(row + i));
        m_history.m_writeFields(m_after);
        Done();
    }

private:
    std::vector<std::string> m_lines;
    EntryFields m_before;
    EntryFields m_after;
    zevo::LineId m_anchor; // the line the contacts followed when they were imported
    std::vector<zevo::LineId> m_ids;
};

LogHistory::LogHistory(zevo::LogDocument& log, WriteFields writeFields, QObject* parent)
    : QObject(parent), m_log(log), m_writeFields(std::move(writeFields)) {
    connect(&m_stack, &QUndoStack::indexChanged, this, &LogHistory::moved);
    connect(&m_stack, &QUndoStack::cleanChanged, this, &LogHistory::moved);
}

LogHistory::~LogHistory() = default;

void LogHistory::Add(std::string line, const EntryFields& before) {
    m_stack.push(new Added(*this, std::move(line), before));
}

void LogHistory::FieldsAfterAdd(const EntryFields& after) {
    if (m_stack.canUndo() && m_stack.index() == m_stack.count())
        if (auto* added =
                dynamic_cast<Added*>(const_cast<QUndoCommand*>(m_stack.command(m_stack.index() - 1))))
            added->SetFieldsAfter(after);
}

void LogHistory::Import(std::vector<std::string> lines, const EntryFields& before, const EntryFields& after) {
    if (!lines.empty())
        m_stack.push(new Imported(*this, std::move(lines), before, after));
}

void LogHistory::Edit(std::size_t row, std::string line) {
    m_stack.push(new Edited(*this, row, std::move(line)));
}

void LogHistory::Delete(std::size_t row) {
    m_stack.push(new Deleted(*this, row));
}

void LogHistory::Undo() {
    m_stack.undo();
}

void LogHistory::Redo() {
    m_stack.redo();
}

void LogHistory::Restart(bool saved) {
    m_stack.clear();
    if (!saved)
        m_stack.resetClean();
}

void LogHistory::MarkSaved() {
    m_stack.setClean();
}

void LogHistory::MarkUnsaved() {
    m_stack.resetClean();
}

bool LogHistory::Saved() const {
    return m_stack.isClean();
}

QString LogHistory::Describe(const QUndoCommand* command) const {
    const auto* change = static_cast<const Command*>(command);
    switch (change->WhatItDid()) {
    case Command::Kind::Add:
        return tr("add %1").arg(change->Call());
    case Command::Kind::Edit:
        return tr("edit %1").arg(change->Call());
    case Command::Kind::Delete:
        return tr("delete %1").arg(change->Call());
    case Command::Kind::Import:
        return tr("import of %1 contacts").arg(change->Call());
    }
    return {};
}

QString LogHistory::UndoText() const {
    if (!m_stack.canUndo())
        return tr("&Undo");
    return tr("&Undo %1").arg(Describe(m_stack.command(m_stack.index() - 1)));
}

QString LogHistory::RedoText() const {
    if (!m_stack.canRedo())
        return tr("&Redo");
    return tr("&Redo %1").arg(Describe(m_stack.command(m_stack.index())));
}
