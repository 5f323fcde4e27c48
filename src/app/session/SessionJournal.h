#pragma once

#include "Journal.h"
#include "platform/Desktop.h"

#include <QCoreApplication>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QWidget;

// The journal of the running session in a folder of the user's data: the main window tells it every
// change of the log and of the state it needs to go on, and each change is on the disk before the
// action that made it returns, so that a crash or a killed process loses no contact. A normal end
// removes it; finding one at start means the last session did not end normally.
//
// One program at a time keeps the journal of a folder: a second one started beside it runs without a
// journal. A journal that cannot be written never stops the logging: the operator is told once and the
// session goes on without it.
class SessionJournal final {
    Q_DECLARE_TR_FUNCTIONS(SessionJournal)

public:
    SessionJournal(Desktop& desktop, QString folder,
                   zevo::FileWriteCalls calls = zevo::FileWriteCalls::System());
    ~SessionJournal();
    SessionJournal(const SessionJournal&) = delete;
    SessionJournal& operator=(const SessionJournal&) = delete;

    // At start, once: looks at what the last session left. An unsaved log is offered back (the
    // question in that session's language); the replay is returned when the operator takes it. A log
    // saved whole, or none, is removed without a word; one not taken is kept aside under a dated name.
    // From here on the journal takes the records of this session.
    std::optional<zevo::JournalReplay> Open(QWidget* owner);

    // Makes the journal file of a session that began anew: done by the first record, or by the window
    // once it has shown itself, so that the start waits for no disk.
    void Start(QWidget* owner);
    // Writes what changed; nothing when the journal is not kept.
    void Record(QWidget* owner, const zevo::SessionState& state, zevo::LogChange change,
                zevo::LinesView lines, std::size_t row = 0);
    // The log was saved whole. A journal that had stopped taking records starts anew with it or, where
    // that fails too, goes: a journal older than the saved log is never offered back.
    void LogSaved(QWidget* owner, const zevo::SessionState& state, zevo::LinesView lines);
    // Where the journal's warnings go once the window runs (at start they are message boxes): the text,
    // or an empty one when the journal is kept again.
    void SetWarn(std::function<void(const QString&)> warn) { m_warn = std::move(warn); }
    // The session ended as it should: the journal goes.
    void Remove();

    bool Kept() const { return m_journal != nullptr; }
    QString Path() const;

private:
    void GoOnWithout(QWidget* owner, const QString& why);
    bool AskToRestore(QWidget* owner, const zevo::JournalReplay& replay);
    std::optional<zevo::JournalReplay> OpenDamaged(QWidget* owner, const std::string& bytes);
    void Tell(QWidget* owner, const QString& caption, const QString& text, Desktop::Icon icon);

    Desktop& m_desktop;
    QString m_folder;
    zevo::FileWriteCalls m_calls;
    std::unique_ptr<zevo::JournalLock> m_lock;
    std::unique_ptr<zevo::Journal> m_journal;
    // The journal file at Path() is this session's: a normal end removes it.
    bool m_owned = false;
    // The journal file is still to be made (Start).
    bool m_startLater = false;
    std::function<void(const QString&)> m_warn;
};
