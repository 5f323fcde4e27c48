#pragma once

// The Cabrillo header dialog, shown without blocking the main window.
//
// Edit1      used call (required), upper case
// Edit7      claimed score: digits only from the keyboard
// Edit2      name and surname (required)
// Edit3      e-mail
// Edit4      address: street (required); Edit5 city (drawn as required); Edit6 country
// Edit8      calls of all operators
// Memo1      soapbox comments, wrapped at the box's width
// GroupBox1  category: ComboBox1 operator, ComboBox3 mode, ComboBox2 band choice,
//            GroupBox2 power (RadioButton1 high, RadioButton2 low, RadioButton3 QRP),
//            CheckBox1..CheckBox6 the bands 160m..10m
// Button3    OK
// Button1    Cancel
// Image1     the picture
//
// The three choice boxes take typed text too; typed text leaves a box with no item selected.

#include "CabrilloHeader.h"
#include "platform/Desktop.h"
#include "ui_Unit2.h"

#include <QDialog>
#include <string>
#include <vector>

class TForm2 final : public QDialog, private Ui::TForm2 {
    Q_OBJECT

public:
    explicit TForm2(Desktop& desktop, QWidget* parent = nullptr);

    // Puts the dialog's captions into the interface language. Runs at creation and each time right
    // before the dialog is shown, never on its own.
    void jezyk1();
    // Shows the dialog in the language of the moment, brought forward.
    void Present();
    // The same, with the used call of the main window copied into the call field first.
    void OpenWithCall(const QString& usedCall);
    // The log has its header (confirmed here, or come with a loaded file): OK may not add another.
    void SetLogHasHeader(bool hasHeader) { m_logHasHeader = hasHeader; }

    // Handlers.
    void FormCreate();
    void Button1Click();
    void Button3Click();
    // A character typed into the claimed score; setting `key` to a null character discards it.
    void Edit7KeyPress(QChar& key);
    void ComboBox1Change();
    void ComboBox2Change();
    void ComboBox3Change();

    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // The category was composed at OK: its defaults apply to the main window before the confirmation.
    void categoryChosen(const zevo::Category& category);
    // The header was confirmed: its lines open the log, the call (without blanks) is the used call.
    void headerConfirmed(const std::vector<std::string>& headerLines, const QString& usedCall);
    // OK was pressed while the log already has a header.
    void headerRefused();
    // The dialog was closed with its close control.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    // Text typed into a choice box: the box keeps the text with no item selected, then reacts as to
    // a choice.
    void ComboBox1TextEdited();
    void ComboBox2TextEdited();
    void ComboBox3TextEdited();

    zevo::TickedBands TickedBands() const;
    zevo::CategoryChoices CategoryChoices() const;
    zevo::Power ChosenPower() const;
    zevo::CategoryControls ReadCategoryControls() const;
    void ApplyCategoryControls(const zevo::CategoryControls& controls);
    static QString RefusalText(zevo::HeaderRefusal refusal);
    void Refuse(const QString& text);
    // Typed text that names an entry selects it; false after the message for other text.
    bool TakeTypedChoices();
    void SetBandBoxesEnabled(bool enabled);

    Desktop& m_desktop;
    bool m_logHasHeader = false;
};
