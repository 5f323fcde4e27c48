#pragma once

#include "Desktop.h"
#include "Journal.h"

#include <QCoreApplication>
#include <QString>
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

    // Writes what changed; nothing when the journal is not kept.
    void Record(QWidget* owner, const zevo::SessionState& state, zevo::LogChange change,
                const std::vector<std::string>& lines, std::size_t row = 0);
    // The session ended as it should: the journal goes.
    void Remove();

    bool Kept() const { return m_journal != nullptr; }
    QString Path() const;

private:
    void GoOnWithout(QWidget* owner, const QString& why);
    bool AskToRestore(QWidget* owner, const zevo::JournalReplay& replay);

    Desktop& m_desktop;
    QString m_folder;
    zevo::FileWriteCalls m_calls;
    std::unique_ptr<zevo::JournalLock> m_lock;
    std::unique_ptr<zevo::Journal> m_journal;
    // The journal file at Path() is this session's: a normal end removes it.
    bool m_owned = false;
};
