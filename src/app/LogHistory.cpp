#include "LogHistory.h"

#include "CallIndex.h"
#include "Win1250.h"

// One change of the log, named by what it did and the call of the contact it did it to.
class LogHistory::Command : public QUndoCommand {
public:
    enum class Kind { Add, Edit, Delete };
    Command(LogHistory& history, Kind kind, std::size_t row, const std::string& line)
        : m_history(history), m_kind(kind), m_row(row) {
        if (const auto key = zevo::ReadQsoKey(line))
            m_call = FromWin1250(key->call);
    }
    Kind WhatItDid() const { return m_kind; }
    const QString& Call() const { return m_call; }
    // Another change of the log put `count` lines before `row` (a negative count took them away).
    void Move(std::size_t row, std::ptrdiff_t count) {
        // A deleted line is a place between lines: a line put right there goes before it.
        const bool after = m_kind == Kind::Delete ? m_row > row : m_row >= row;
        if (count < 0 ? m_row > row : after)
            m_row = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(m_row) + count);
    }

protected:
    // The log, changed by this command.
    zevo::LogDocument& Log() {
        m_history.m_applying = true;
        return m_history.m_log;
    }
    void Done() {
        m_history.m_applying = false;
        emit m_history.changed(static_cast<int>(m_row));
    }

    LogHistory& m_history;
    Kind m_kind;
    std::size_t m_row;
    QString m_call;
};

class LogHistory::Added final : public Command {
public:
    Added(LogHistory& history, std::size_t row, EntryFields before, EntryFields after)
        : Command(history, Kind::Add, row, history.m_log.Line(row)), m_line(history.m_log.Line(row)),
          m_before(std::move(before)), m_after(std::move(after)) {}
    void undo() override {
        Log().Remove(m_row);
        m_history.m_writeFields(m_before);
        Done();
    }
    void redo() override {
        // Pushed after the add itself: only a redo adds the line again.
        if (m_first) {
            m_first = false;
            return;
        }
        Log().Insert(m_row, m_line);
        m_history.m_writeFields(m_after);
        Done();
    }

private:
    std::string m_line;
    EntryFields m_before;
    EntryFields m_after;
    bool m_first = true;
};

class LogHistory::Edited final : public Command {
public:
    Edited(LogHistory& history, std::size_t row, std::string line)
        : Command(history, Kind::Edit, row, line), m_before(history.m_log.Line(row)),
          m_after(std::move(line)) {}
    void undo() override {
        Log().Replace(m_row, m_before);
        Done();
    }
    void redo() override {
        Log().Replace(m_row, m_after);
        Done();
    }

private:
    std::string m_before;
    std::string m_after;
};

class LogHistory::Deleted final : public Command {
public:
    Deleted(LogHistory& history, std::size_t row)
        : Command(history, Kind::Delete, row, history.m_log.Line(row)), m_line(history.m_log.Line(row)) {}
    void undo() override {
        Log().Insert(m_row, m_line);
        Done();
    }
    void redo() override {
        Log().Remove(m_row);
        Done();
    }

private:
    std::string m_line;
};

LogHistory::LogHistory(zevo::LogDocument& log, WriteFields writeFields, QObject* parent)
    : QObject(parent), m_log(log), m_writeFields(std::move(writeFields)) {
    m_log.AddListener(this);
    connect(&m_stack, &QUndoStack::indexChanged, this, &LogHistory::moved);
    connect(&m_stack, &QUndoStack::cleanChanged, this, &LogHistory::moved);
}

LogHistory::~LogHistory() {
    m_log.RemoveListener(this);
}

void LogHistory::LogAboutToChange(const zevo::LogDocument&, const zevo::LogEdit&) {}

void LogHistory::LogChanged(const zevo::LogDocument&, const zevo::LogEdit& edit) {
    if (m_applying || edit.kind == zevo::LogEdit::Kind::Replace || edit.kind == zevo::LogEdit::Kind::Reset)
        return;
    const auto count = static_cast<std::ptrdiff_t>(edit.count);
    for (int i = 0; i < m_stack.count(); ++i)
        static_cast<Command*>(const_cast<QUndoCommand*>(m_stack.command(i)))
            ->Move(edit.row, edit.kind == zevo::LogEdit::Kind::Insert ? count : -count);
}

void LogHistory::ContactAdded(std::size_t row, const EntryFields& before, const EntryFields& after) {
    m_stack.push(new Added(*this, row, before, after));
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
