#include "log/LogCorrections.h"

#include "log/LogTableView.h"
#include "platform/Guard.h"
#include "session/SessionRecorder.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>

LogCorrections::LogCorrections(Desktop& desktop, zevo::LogDocument& log, Controls controls, QWidget* window,
                               LogHistory::WriteFields writeFields)
    : QObject(window), m_desktop(desktop), m_log(log), m_controls(controls), m_window(window),
      m_history(log, std::move(writeFields)), m_editor(desktop) {
    m_controls.edit->setShortcuts({Qt::Key_F2, Qt::Key_Return, Qt::Key_Enter});
    m_controls.remove->setShortcut(QKeySequence::Delete);
    // Enter and Delete act on the list only: in a field they keep their meaning.
    for (QAction* action : {m_controls.edit, m_controls.remove})
        action->setShortcutContext(Qt::WidgetShortcut);
    // A field has its own undo, which Ctrl+Z keeps while the field has typing to take back.
    m_controls.undo->setShortcut(QKeySequence::Undo);
    m_controls.redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    m_controls.list->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_controls.list->addActions({m_controls.edit, m_controls.remove, m_controls.undo, m_controls.redo});
    const auto guarded = [this](auto* sender, auto signal, void (LogCorrections::*handler)()) {
        connect(sender, signal, this,
                [this, handler] { RunGuarded(m_desktop, m_window, [&] { (this->*handler)(); }); });
    };
    guarded(m_controls.edit, &QAction::triggered, &LogCorrections::EditContact);
    guarded(m_controls.remove, &QAction::triggered, &LogCorrections::DeleteContact);
    guarded(m_controls.undo, &QAction::triggered, &LogCorrections::Undo);
    guarded(m_controls.redo, &QAction::triggered, &LogCorrections::Redo);
    guarded(m_controls.list, &QAbstractItemView::doubleClicked, &LogCorrections::EditContact);
    connect(&m_history, &LogHistory::changed, this, &LogCorrections::ShowChanged);
    connect(&m_history, &LogHistory::moved, this, &LogCorrections::HistoryMoved);
    connect(&m_editor, &TEditContact::contactEdited, this, &LogCorrections::ApplyEdited);
}

void LogCorrections::PassUndoFrom(const QList<QLineEdit*>& fields) {
    for (QLineEdit* field : fields)
        field->installEventFilter(this);
}

bool LogCorrections::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return false;
    auto* field = static_cast<QLineEdit*>(watched);
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool undo = key->matches(QKeySequence::Undo);
    if (!undo && !key->matches(QKeySequence::Redo))
        return false;
    // A field whose text was upper-cased as it was typed has lost its own steps back; the typing since
    // the last add is then taken back whole, and the field is empty.
    if (undo && !field->text().isEmpty() && !field->isUndoAvailable()) {
        if (event->type() == QEvent::KeyPress)
            field->setText(QString());
        event->accept();
        return true;
    }
    // An empty field with nothing of its own to take back leaves the keys to the log's actions: a
    // shortcut is offered to the field first, and one it does not take goes on to them.
    const bool own = undo ? field->isUndoAvailable() || !field->text().isEmpty() : field->isRedoAvailable();
    if (own || event->type() != QEvent::ShortcutOverride)
        return false;
    event->ignore();
    return true;
}

void LogCorrections::ApplyLanguage() {
    m_editor.ApplyLanguage();
    HistoryMoved();
}

std::optional<int> LogCorrections::SelectedContact() {
    const int row = m_controls.list->currentIndex().row();
    if (row < 0)
        return std::nullopt;
    if (!m_log.Lines()[static_cast<std::size_t>(row)].starts_with("QSO:")) {
        emit headerLineChosen();
        return std::nullopt;
    }
    return row;
}

void LogCorrections::EditContact() {
    if (const std::optional<int> row = SelectedContact())
        m_editor.Edit(*row, std::string(m_log.Line(static_cast<std::size_t>(*row))),
                      m_window->frameGeometry());
}

void LogCorrections::ApplyEdited(int row, const std::string& line) {
    if (m_log.Line(static_cast<std::size_t>(row)) == line)
        return;
    const SessionRecorder::Hold hold(m_recorder);
    m_history.Edit(static_cast<std::size_t>(row), line);
}

void LogCorrections::DeleteContact() {
    const std::optional<int> row = SelectedContact();
    if (!row)
        return;
    const SessionRecorder::Hold hold(m_recorder);
    m_history.Delete(static_cast<std::size_t>(*row));
}

void LogCorrections::Undo() {
    const SessionRecorder::Hold hold(m_recorder);
    m_history.Undo();
}

void LogCorrections::Redo() {
    const SessionRecorder::Hold hold(m_recorder);
    m_history.Redo();
}

void LogCorrections::ShowChanged(int row) {
    // The line the change touched, or the one that took the place of a deleted line.
    const QModelIndex changed =
        m_controls.list->model()->index(std::min(row, static_cast<int>(m_log.Count()) - 1), 0);
    m_controls.list->setCurrentIndex(changed);
    m_controls.list->scrollTo(changed);
}

void LogCorrections::HistoryMoved() {
    // The log is unsaved unless the history stands where the last save left it.
    if (m_history.CanUndo() || m_history.CanRedo())
        emit unsavedChanged(!m_history.Saved());
    m_controls.undo->setText(m_history.UndoText());
    m_controls.redo->setText(m_history.RedoText());
    m_controls.undo->setEnabled(m_history.CanUndo());
    m_controls.redo->setEnabled(m_history.CanRedo());
}
