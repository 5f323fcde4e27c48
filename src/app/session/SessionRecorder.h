#pragma once

#include "Journal.h"
#include "LogDocument.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QWidget;
class SessionJournal;

// Writes the session into its journal as it goes: every change of the log as the log reports it, and
// the entry fields whenever they change. While a Hold lives, what changes waits for its end, so that an
// action that changes the log and several fields (a contact and the number sent after it) is on the
// disk as one whole before the action returns.
class SessionRecorder final : public zevo::LogListener {
public:
    SessionRecorder(zevo::LogDocument& log, std::unique_ptr<SessionJournal> journal,
                    std::function<zevo::SessionState()> state, QWidget* owner);
    ~SessionRecorder();
    SessionRecorder(const SessionRecorder&) = delete;
    SessionRecorder& operator=(const SessionRecorder&) = delete;

    // The fields changed: written now, unless a Hold waits, and only when they differ from the last.
    void StateChanged();
    // The session ended as it should: the journal goes.
    void Remove();
    // The log was saved whole: the journal agrees with the file from here on.
    void LogSaved();
    SessionJournal& Journal() { return *m_journal; }
    const SessionJournal& Journal() const { return *m_journal; }

    class Hold {
    public:
        explicit Hold(SessionRecorder* recorder);
        ~Hold();
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

    private:
        SessionRecorder* m_recorder;
    };

    void LogAboutToChange(const zevo::LogDocument& log, const zevo::LogEdit& edit) override;
    void LogChanged(const zevo::LogDocument& log, const zevo::LogEdit& edit) override;

private:
    struct Change {
        zevo::LogChange change;
        std::vector<std::string> lines;
        std::size_t row;
    };
    void Write(const Change& change);

    zevo::LogDocument& m_log;
    std::unique_ptr<SessionJournal> m_journal;
    std::function<zevo::SessionState()> m_state;
    QWidget* m_owner;
    int m_holds = 0;
    std::vector<Change> m_waiting;
};
