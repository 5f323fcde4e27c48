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

#include "Desktop.h"
#include "LogListModel.h"
#include "QsoLine.h"
#include "ui_Unit1.h"

#include <QMainWindow>
#include <QTranslator>

class TForm2;
class TForm3;

class TForm1 final : public QMainWindow, private Ui::TForm1 {
    Q_OBJECT
    // The dialogs read and write the main window's controls and flags directly.
    friend class TForm2;
    friend class TForm3;

public:
    explicit TForm1(Desktop& desktop, QWidget* parent = nullptr);
    ~TForm1() override;

    // The dialogs are created after the main window; the program hands them over once they exist.
    void Attach(TForm2* headerDialog, TForm3* exportDialog);

    // The log list, the header-set flag and the unsaved-log flag, shared by every handler.
    LogListModel& Log() { return m_log; }
    bool HeaderSet() const { return m_headerSet; }
    void SetHeaderSet(bool set) { m_headerSet = set; }
    bool UnsavedLog() const { return m_unsavedLog; }
    void SetUnsavedLog(bool unsaved) { m_unsavedLog = unsaved; }

    // The interface language is the state of "Polski"; nothing caches it.
    bool Polish() const;
    // The text of the used-call field.
    QString UsedCall() const;
    // True once the program has been told to end ("Exit", or the main window closed).
    bool Ending() const { return m_ending; }

    void ApplyLanguage();

    // Handlers.
    void FormCreate();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button7Click();
    void FormCloseQuery(bool& canClose);
    void RadioButton1Click();
    void RadioButton2Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void ShowHeaderDialog();
    zevo::QsoEntry ReadContact() const;
    void RaiseNumberSent();
    void SelectLastLine();
    void EndProgram();
    void ShowError(const QString& caption, const QString& text);
    Desktop::Answer Ask(const QString& caption, const QString& text);

    Desktop& m_desktop;
    TForm2* m_form2 = nullptr;
    TForm3* m_form3 = nullptr;
    LogListModel m_log;
    QTranslator m_translator;
    bool m_headerSet = false;
    bool m_unsavedLog = false;
    bool m_ending = false;
};
