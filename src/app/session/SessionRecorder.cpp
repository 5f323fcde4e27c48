#include "session/SessionRecorder.h"

#include "session/SessionJournal.h"

#include <algorithm>

SessionRecorder::SessionRecorder(zevo::LogDocument& log, std::unique_ptr<SessionJournal> journal,
                                 std::function<zevo::SessionState()> state, QWidget* owner)
    : m_log(log), m_journal(std::move(journal)), m_state(std::move(state)), m_owner(owner) {
    m_log.AddListener(this);
}

SessionRecorder::~SessionRecorder() {
    m_log.RemoveListener(this);
}

SessionRecorder::Hold::Hold(SessionRecorder* recorder) : m_recorder(recorder) {
    if (m_recorder)
        ++m_recorder->m_holds;
}

SessionRecorder::Hold::~Hold() {
    if (!m_recorder || --m_recorder->m_holds > 0)
        return;
    std::vector<Change> waiting;
    waiting.swap(m_recorder->m_waiting);
    // A new whole log holds every change made with it: one record of the log as it now stands.
    if (std::any_of(waiting.begin(), waiting.end(),
                    [](const Change& change) { return change.change == zevo::LogChange::ReplaceAll; }))
        waiting = {{zevo::LogChange::ReplaceAll, {}, 0}};
    for (const Change& change : waiting)
        m_recorder->Write(change);
    if (waiting.empty())
        m_recorder->StateChanged();
}

void SessionRecorder::StateChanged() {
    if (m_holds == 0)
        Write({zevo::LogChange::None, {}, 0});
}

void SessionRecorder::Remove() {
    m_journal->Remove();
}

void SessionRecorder::LogSaved() {
    m_journal->LogSaved(m_owner, m_state(), m_log.Lines());
}

void SessionRecorder::LogAboutToChange(const zevo::LogDocument&, const zevo::LogEdit&) {}

void SessionRecorder::LogChanged(const zevo::LogDocument& log, const zevo::LogEdit& edit) {
    const auto first = log.Lines().begin() + static_cast<std::ptrdiff_t>(edit.row);
    Change change{zevo::LogChange::None, {}, edit.row};
    switch (edit.kind) {
    case zevo::LogEdit::Kind::Insert:
        change.change =
            edit.row + edit.count == log.Count() ? zevo::LogChange::Append : zevo::LogChange::Insert;
        change.lines.assign(first, first + static_cast<std::ptrdiff_t>(edit.count));
        break;
    case zevo::LogEdit::Kind::Remove:
        // A journal of an earlier run knows only single lines going; a block (an import taken back)
        // counts its lines without their texts.
        change.change = edit.count == 1 ? zevo::LogChange::Remove : zevo::LogChange::RemoveRows;
        if (edit.count > 1)
            change.lines.resize(edit.count);
        break;
    case zevo::LogEdit::Kind::Replace:
        change.change = zevo::LogChange::Replace;
        change.lines.emplace_back(log.Line(edit.row));
        break;
    case zevo::LogEdit::Kind::ReplaceAll:
        // The lines are the log's when the record is written, never a copy of them.
        change.change = zevo::LogChange::ReplaceAll;
        break;
    }
    if (m_holds > 0)
        m_waiting.push_back(std::move(change));
    else
        Write(change);
}

void SessionRecorder::Write(const Change& change) {
    m_journal->Record(m_owner, m_state(), change.change,
                      change.change == zevo::LogChange::ReplaceAll ? zevo::LinesView(m_log.Lines())
                                                                   : zevo::LinesView(change.lines),
                      change.row);
}
