#pragma once

#include "entry/EditContact.h"
#include "log/LogHistory.h"
#include "platform/Desktop.h"

#include <QObject>
#include <optional>

class LogListModel;
class LogTableView;
class QAction;
class QLineEdit;
class SessionRecorder;

// Correcting the log from the main window: the selected contact edited or deleted, and every add,
// edit and delete taken back or done again, from the Log menu, the list's context menu and the keys.
class LogCorrections final : public QObject {
    Q_OBJECT
public:
    struct Controls {
        LogTableView* list;
        QAction* edit;
        QAction* remove;
        QAction* undo;
        QAction* redo;
    };
    LogCorrections(Desktop& desktop, zevo::LogDocument& log, Controls controls, QWidget* window,
                   LogHistory::WriteFields writeFields);

    LogHistory& History() { return m_history; }
    // In these fields Ctrl+Z undoes their own typing; with none left to undo (an empty field right after
    // an add) it undoes the log's last change, and likewise for redo.
    void PassUndoFrom(const QList<QLineEdit*>& fields);
    // Each correction is in the journal as one record with the fields it changed.
    void SetRecorder(SessionRecorder* recorder) { m_recorder = recorder; }
    void ApplyLanguage();

    void EditContact();
    void DeleteContact();
    void Undo();
    void Redo();

signals:
    // A header line or the END-OF-LOG: line was chosen: it is not a contact to correct.
    void headerLineChosen();
    // The log now differs from its file, or is the one saved.
    void unsavedChanged(bool unsaved);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::optional<int> SelectedContact();
    void ApplyEdited(int row, const std::string& line);
    void ShowChanged(int row);
    void HistoryMoved();

    Desktop& m_desktop;
    zevo::LogDocument& m_log;
    Controls m_controls;
    QWidget* m_window;
    LogHistory m_history;
    // A window of its own, not a child: its fields have the names of the main window's.
    TEditContact m_editor;
    SessionRecorder* m_recorder = nullptr;
};
