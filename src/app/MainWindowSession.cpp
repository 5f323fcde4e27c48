// The main window's session journal: started once at start, after offering back the log of a session
// that ended without saving it, and the state of the window as the journal keeps it.
#include "LogCorrections.h"
#include "SessionJournal.h"
#include "SessionRecorder.h"
#include "Unit1.h"

#include <QLabel>
#include <QRadioButton>
#include <QStatusBar>
#include <QTimer>

namespace {

// Runs `then` once, right after the first frame of the window it watches is painted.
class AfterFirstFrame final : public QObject {
public:
    AfterFirstFrame(QWidget* window, std::function<void()> then) : QObject(window) {
        m_timer.setSingleShot(true);
        connect(&m_timer, &QTimer::timeout, this, [this, then = std::move(then)] {
            then();
            deleteLater();
        });
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            m_timer.start(0);
        }
        return false;
    }

private:
    QTimer m_timer;
};

} // namespace

void TForm1::KeepJournal(const QString& folder) {
    auto journal = std::make_unique<SessionJournal>(m_desktop, folder);
    const std::optional<zevo::JournalReplay> replay = journal->Open(this);
    // The restored log is in the journal already: the recorder follows the log from here on.
    if (replay)
        RestoreSession(*replay);
    journal->SetWarn([this](const QString& text) { WarnAboutJournal(text); });
    m_recorder = std::make_unique<SessionRecorder>(
        m_log.Document(), std::move(journal), [this] { return SessionState(); }, this);
    if (replay)
        m_recorder->StateChanged();
    // Fields that change without an action of their own (a band picked from its list, a typed text, a
    // step of the spin) reach the journal as they change.
    const auto changed = [this] { m_recorder->StateChanged(); };
    m_entry.WatchChanges(this, changed);
    for (QRadioButton* button : findChildren<QRadioButton*>())
        connect(button, &QRadioButton::toggled, this, changed);
    m_corrections->SetRecorder(m_recorder.get());
    new AfterFirstFrame(this, [this] { m_recorder->Journal().Start(this); });
}

zevo::SessionState TForm1::SessionState() const {
    zevo::SessionState state;
    state.headerSet = m_headerSet;
    state.unsavedLog = m_unsavedLog;
    state.language = LanguageCode().toStdString();
    m_entry.ReadState(state);
    return state;
}

void TForm1::RestoreSession(const zevo::JournalReplay& replay) {
    const zevo::SessionState& state = *replay.state;
    for (QRadioButton* button : findChildren<QRadioButton*>()) {
        if (button->property("languageCode").isValid() &&
            button->property("languageCode").toString().toStdString() == state.language) {
            const QSignalBlocker blocker(button);
            button->setChecked(true);
        }
    }
    ApplyLanguage();
    m_log.SetLines(replay.log);
    SetHeaderSet(state.headerSet);
    m_unsavedLog = state.unsavedLog;
    m_corrections->History().Restart(!m_unsavedLog);
    m_entry.WriteState(state);
    SelectLastLine();
    Edit4->setFocus();
}

void TForm1::WarnAboutJournal(const QString& text) {
    if (!m_journalWarning) {
        m_journalWarning = new QLabel(this);
        m_journalWarning->setObjectName(QStringLiteral("JournalWarning"));
        m_journalWarning->setStyleSheet(QStringLiteral("color: #b00000"));
        statusBar()->addPermanentWidget(m_journalWarning);
        m_journalWarningBox.setSingleShot(true);
        m_journalWarningBox.setInterval(2000);
        connect(&m_journalWarningBox, &QTimer::timeout, this, [this] {
            m_desktop.ShowMessage(this, tr("Warning"), m_journalWarning->toolTip(), Desktop::Icon::Warning,
                                  Desktop::Buttons::Ok);
        });
    }
    m_journalWarning->setText(text.section(QLatin1Char('\n'), 0, 0));
    m_journalWarning->setToolTip(text);
    m_journalWarning->setVisible(!text.isEmpty());
    if (text.isEmpty())
        m_journalWarningBox.stop();
    else
        m_journalWarningBox.start();
}
