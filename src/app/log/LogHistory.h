#pragma once

#include "LogDocument.h"

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <functional>
#include <string>
#include <vector>

// The changes of the log that can be taken back and done again, for the whole session: a contact
// added, edited or deleted, each as one command that makes its change and undoes it through the log.
// A load or a new header starts a new history; a save marks the state the file holds, so that undoing
// back to it leaves nothing unsaved.
class LogHistory final : public QObject {
    Q_OBJECT
public:
    // What the entry fields held around an added contact: undoing the add puts them back.
    struct EntryFields {
        QString call;
        QString numberReceived;
        QString numberSent;
    };
    using WriteFields = std::function<void(const EntryFields&)>;

    LogHistory(zevo::LogDocument& log, WriteFields writeFields, QObject* parent = nullptr);
    ~LogHistory() override;

    // Adds the contact `line` after the log's last line, the fields holding `before`; the fields the
    // window leaves after the add follow with FieldsAfterAdd, and a redo writes them again.
    void Add(std::string line, const EntryFields& before);
    void FieldsAfterAdd(const EntryFields& after);
    // Adds the contacts `lines` after the log's last line as one change; the fields hold `before` and
    // are to hold `after` (the number sent going on), which an undo and a redo put back.
    void Import(std::vector<std::string> lines, const EntryFields& before, const EntryFields& after);
    void Edit(std::size_t row, std::string line);
    void Delete(std::size_t row);
    void Undo();
    void Redo();

    // A new history; `saved` when the log is the one in its file.
    void Restart(bool saved);
    void MarkSaved();
    // The log differs from any file, whatever is undone.
    void MarkUnsaved();
    bool Saved() const;

    bool CanUndo() const { return m_stack.canUndo(); }
    bool CanRedo() const { return m_stack.canRedo(); }
    // "Undo delete QQ2BBB", in the language of the moment.
    QString UndoText() const;
    QString RedoText() const;

signals:
    // A change was pushed, undone or done again, or the history started anew or was saved.
    void moved();
    // The history moved; `row` is the line the change touched (or where a deleted one stood).
    void changed(int row);

private:
    class Command;
    class Added;
    class Edited;
    class Deleted;
    class Imported;
    QString Describe(const QUndoCommand* command) const;

    zevo::LogDocument& m_log;
    WriteFields m_writeFields;
    QUndoStack m_stack;
};
