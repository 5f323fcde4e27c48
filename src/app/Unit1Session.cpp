// The main window's session journal: started once at start, after offering back the log of a session
// that ended without saving it, and the state of the window (its flags and entry fields) as the
// journal keeps it.
#include "Unit1.h"

#include "log/LogCorrections.h"
#include "platform/Win1250.h"
#include "session/SessionJournal.h"
#include "session/SessionRecorder.h"

#include <QCheckBox>
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
        m_document, std::move(journal), [this] { return SessionState(); }, this);
    if (replay)
        m_recorder->StateChanged();
    WatchSessionFields([this] { m_recorder->StateChanged(); });
    m_corrections->SetRecorder(m_recorder.get());
    new AfterFirstFrame(this, [this] { m_recorder->Journal().Start(this); });
}

zevo::SessionState TForm1::SessionState() const {
    zevo::SessionState state;
    state.headerSet = m_headerSet;
    state.unsavedLog = m_unsavedLog;
    state.language = LanguageCode().toStdString();
    state.usedCall = ToWin1250(Edit1->text());
    state.usedCallReadOnly = Edit1->isReadOnly();
    state.band = ComboBox1->currentIndex();
    state.mode = ComboBox2->currentIndex();
    state.modeText = ToWin1250(ComboBox2->currentText());
    state.date = ToWin1250(Edit2->text());
    state.time = ToWin1250(Edit3->text());
    state.spinPosition = UpDown1->Position();
    state.numberSent = ToWin1250(Edit8->text());
    state.autoIncrement = CheckBox1->isChecked();
    state.province = ComboBox3->currentIndex();
    state.reportSent = ToWin1250(Edit5->text());
    state.reportReceived = ToWin1250(Edit7->text());
    state.reportLength = FieldRules(Edit5)->MaxLength();
    state.realTime = m_entry.RealTime();
    return state;
}

void TForm1::WatchSessionFields(const std::function<void()>& changed) {
    for (QLineEdit* edit : {Edit1, Edit2, Edit3, Edit5, Edit7, Edit8})
        connect(edit, &QLineEdit::textChanged, this, changed);
    for (QComboBox* box : {ComboBox1, ComboBox2, ComboBox3})
        connect(box, &QComboBox::currentIndexChanged, this, changed);
    connect(ComboBox2, &QComboBox::editTextChanged, this, changed);
    connect(CheckBox1, &QCheckBox::toggled, this, changed);
    connect(UpDown1, &UpDown::PositionChanged, this, changed);
    for (QRadioButton* button : findChildren<QRadioButton*>())
        connect(button, &QRadioButton::toggled, this, changed);
}

void TForm1::WriteSessionFields(const zevo::SessionState& state) {
    Edit1->setText(FromWin1250(state.usedCall));
    Edit1->setReadOnly(state.usedCallReadOnly);
    {
        const QSignalBlocker band(ComboBox1);
        const QSignalBlocker mode(ComboBox2);
        const QSignalBlocker province(ComboBox3);
        ComboBox1->setCurrentIndex(state.band);
        ComboBox2->setCurrentIndex(state.mode);
        ComboBox2->setEditText(FromWin1250(state.modeText));
        ComboBox3->setCurrentIndex(state.province);
    }
    Edit2->setText(FromWin1250(state.date));
    Edit3->setText(FromWin1250(state.time));
    UpDown1->SetPosition(state.spinPosition);
    Edit8->setText(FromWin1250(state.numberSent));
    CheckBox1->setChecked(state.autoIncrement);
    for (QLineEdit* report : {Edit5, Edit7})
        FieldRules(report)->SetMaxLength(state.reportLength);
    Edit5->setText(FromWin1250(state.reportSent));
    Edit7->setText(FromWin1250(state.reportReceived));
    SetRealTime(state.realTime);
    m_entry.FieldsSet();
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
    m_document.ReplaceAll(replay.log);
    SetHeaderSet(state.headerSet);
    m_unsavedLog = state.unsavedLog;
    m_corrections->History().Restart(!m_unsavedLog);
    WriteSessionFields(state);
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
