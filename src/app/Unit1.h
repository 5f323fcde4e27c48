#pragma once

// The main window.
//
// Edit1      used call (the station's own call), upper case; read-only once the header is set
// Button1    "Header of Cabrillo file": shows the header dialog
// Panel2     Edit5 report sent, Edit7 report received
// Image1     the picture
// Edit2      date of the contact, yyyy-mm-dd
// ComboBox1  band: 160M 80M 40M 20M 15M 10M
// ComboBox2  mode: SSB CW (its text can be typed)
// Panel1     exchange sent: English shows Edit8 number sent with CheckBox1 auto increment,
//            Polish shows ComboBox3 province sent
// Edit3      time UTC, hh:mm; UpDown1 steps it by a minute
// Edit4      call received, upper case
// Edit6      number received
// Button4    "Add to file"
// ListBox1   the log list: every line of the Cabrillo file, in a fixed-pitch font
// RadioButton1 "Polski", RadioButton2 "English": the interface language
// Button6    "Load Cabrillo file", Button2 "Save Cabrillo file", Button7 "Save ADIF file"
// Button3    "Info": the help text in the text editor
// Button5    "Exit"
// Label15    the version
// DupeStatus, CheckPanel  the call checked against the log as it is typed (DupeWatch)
// ActionLoadCheckFile, ActionRemoveCheckFile, CheckFileStatus  the calls active in contests, checked too
// ActionRealTime  date and time follow the UTC clock; ActionRadio, RadioStatus  band and mode follow
//                 the radio through rigctld
// ActionImportAdif  contacts from a logbook's ADIF file, previewed before they join the log

#include "CabrilloHeader.h"
#include "DateTime.h"
#include "Journal.h"
#include "LogDocument.h"
#include "QsoLine.h"
#include "entry/ContactEntry.h"
#include "entry/EditContact.h"
#include "log/LogHistory.h"
#include "log/LogListModel.h"
#include "platform/Desktop.h"
#include "radio/RadioLink.h"
#include "ui_Unit1.h"

#include <QActionGroup>
#include <QMainWindow>
#include <QTimer>
#include <QTranslator>

#include <memory>
#include <string>
#include <vector>

class CheckFileCommands;
class DupeWatch;
class QKeyEvent;
class QLabel;
class LogCorrections;
class SessionRecorder;
class TImportAdif;

// The dialogs never touch the main window's controls: they say what happened through their signals,
// the main window applies it in its own methods below, and the program object connects the two.
class TForm1 final : public QMainWindow, private Ui::TForm1 {
    Q_OBJECT

public:
    explicit TForm1(Desktop& desktop, QWidget* parent = nullptr);
    ~TForm1() override;

    // The log, the header-set flag and the unsaved-log flag, shared by every handler. Every change of
    // the log goes to the document (an operator's change through the history, to be undone); the list
    // model only shows it.
    zevo::LogDocument& Document() { return m_document; }
    const zevo::LogDocument& Document() const { return m_document; }
    const LogListModel& LogList() const { return m_log; }
    bool HeaderSet() const { return m_headerSet; }
    void SetHeaderSet(bool set);
    bool UnsavedLog() const { return m_unsavedLog; }
    void SetUnsavedLog(bool unsaved);

    // The interface language is the state of "Polski"; nothing caches it.
    bool Polish() const;
    // True once the program has been told to end ("Exit", or the main window closed).
    bool Ending() const { return m_ending; }

    void ApplyLanguage();

    // The session journal, in Unit1Session.cpp.
    // Keeps the session in a journal in `folder` from here on, first offering back the log of a
    // session that ended without saving it. Called once, at start, with the windows connected.
    void KeepJournal(const QString& folder);
    // The check file kept in the data folder; a check file loaded later is kept there too.
    CheckFileCommands& CheckFile() { return *m_checkFile; }
    // The flags and the entry fields, as the journal keeps them.
    zevo::SessionState SessionState() const;

    // What the header dialog reports: the category chosen (its defaults for the main window, in force
    // whatever the answer to the confirmation), and the header confirmed.
    void ApplyCategory(const zevo::Category& category);
    void ApplyHeader(const std::vector<std::string>& headerLines, const QString& usedCall);
    // A dialog was closed with its close control: the main window comes forward.
    void BringForward();
    // A window beside this one was closed: the keyboard goes back to the call field.
    void ReturnToCall();
    // Shows the line at `row` (from 0) selected in the log list, the list focused.
    void SelectLogLine(int row);

    // Saves the log as a Cabrillo file; true only when the file was written.
    bool Save();
    // Offers to save an unsaved log with the question given; true when the action that asked may go
    // on (nothing to save, No, or a save that wrote the file).
    bool MaybeSave(const QString& caption, const QString& question);

    // Handlers.
    void FormCreate();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void Button7Click();
    // File > Import ADIF file..., in Unit1Import.cpp.
    void ImportAdifClick();
    void FormCloseQuery(bool& canClose);
    void RadioButton1Click();
    void RadioButton2Click();

    // Contact entry, handed over to the entry fields' own piece. A key-press handler cancels the typed
    // character by setting `key` to a null character; focus-lost handlers are the ...Exit ones.
    void Edit1Exit();
    void Edit2Exit() { m_entry.CheckDate(); }
    void Edit3Exit() { m_entry.CheckTime(); }
    void UpDown1Click(int) { m_entry.SpinClicked(); }
    void StepTime(zevo::Step step) { m_entry.Step(step); }
    void ComboBox2Change() { m_entry.ModeChosen(); }
    void Edit5KeyPress(QChar& key) { m_entry.ReportKeyPress(key); }
    void Edit7KeyPress(QChar& key) { m_entry.ReportKeyPress(key); }
    void Edit4KeyPress(QChar& key) { m_entry.CallKeyPress(key); }
    void Edit6KeyPress(QChar& key) {
        if (m_entry.NumberReceivedKeyPress(key))
            Button4Click();
    }
    void Edit4KeyDown(int key, Qt::KeyboardModifiers shift);
    void Edit6KeyDown(int key, Qt::KeyboardModifiers shift) { m_entry.KeyDown(key, shift); }
    void Edit6Exit() { m_entry.NumberReceivedLeft(); }
    void Edit8Change() { m_entry.NumberSentEdited(); }
    void CheckBox1Click() { m_entry.AutoIncrementClicked(); }
    void ComboBox3KeyPress(QChar& key) { m_entry.ProvinceKeyPress(key); }

    // Logging live, in Unit1Live.cpp: the UTC clock and the radio.
    void ActionRealTimeClick(bool checked);
    void ActionRadioClick();
    RadioLink& Radio() { return *m_radio; }

signals:
    // The header dialog is to be shown, in the language of the moment.
    void headerDialogRequested();
    // The same, with the used call copied into the dialog's call field.
    void headerDialogRequestedWithCall(const QString& usedCall);
    // The header-set flag changed (a confirmed header, a loaded log).
    void headerSetChanged(bool set);
    // The export dialog is to be shown for the used call; this window has hidden itself.
    void exportDialogRequested(const QString& usedCall);
    // The program ends: every window goes.
    void ending();
    // The log is to be checked as it stands.
    void logCheckRequested();
    // The interface language was applied: the windows left open follow it.
    void languageApplied();
    // The statistics window is to be shown.
    void statisticsRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The session journal, in Unit1Session.cpp.
    void RestoreSession(const zevo::JournalReplay& replay);
    // Runs `changed` whenever a field the journal keeps changes: fields that change without an action
    // of their own (a band picked from its list, a typed text, a step of the spin) too.
    void WatchSessionFields(const std::function<void()>& changed);
    void WriteSessionFields(const zevo::SessionState& state);
    // A journal that stops is said at once in the status bar, and in a box only once typing pauses, so
    // that the Enter meant for the log does not close it unread.
    void WarnAboutJournal(const QString& text);

    // Logging live, in Unit1Live.cpp.
    void StartLive();
    void SetRealTime(bool on);
    void ClockTick();
    void RadioChanged();
    // The contact in the entry fields, with the radio's kilohertz when it lies in the band selected.
    zevo::QsoEntry ContactToAdd() const;

    QString LanguageCode() const;
    void SelectLastLine();
    void ImportChosen();
    void EndProgram();
    void ShowError(const QString& caption, const QString& text);
    void WatchEntryFields();
    void ShowHeaderLocked();
    Desktop::Answer Ask(const QString& caption, const QString& text);

    Desktop& m_desktop;
    zevo::LogDocument m_document;
    LogListModel m_log{m_document};
    ContactEntry m_entry{m_desktop, *this, this};
    std::unique_ptr<LogCorrections> m_corrections;
    QTranslator m_translator;
    QTranslator m_qtTranslator; // Qt's own texts
    QActionGroup m_languages{this};
    bool m_headerSet = false;
    bool m_unsavedLog = false;
    bool m_ending = false;
    std::unique_ptr<SessionRecorder> m_recorder;
    std::unique_ptr<DupeWatch> m_dupeWatch;
    CheckFileCommands* m_checkFile = nullptr; // a child
    TImportAdif* m_import = nullptr;          // a child, built at the first import
    QLabel* m_journalWarning = nullptr;
    QTimer m_journalWarningBox;
    RadioLink* m_radio = nullptr; // a child
    QLabel* m_radioStatus = nullptr;
    QTimer m_clock;
    // The radio's reading that band and mode last followed.
    std::optional<zevo::RigReading> m_followed;
    // The folder of the last Cabrillo file saved or loaded in this run: the open dialog starts there.
    QString m_lastFolder;
};
