#pragma once

#include "CabrilloReader.h"
#include "DateTime.h"
#include "QsoLine.h"
#include "RigControl.h"
#include "platform/Desktop.h"
#include "ui_Unit1.h"

#include <QCoreApplication>
#include <functional>
#include <optional>
#include <string>

// The entry fields of the main window and how a contact is typed into them: the date and time fields
// with their checks and steps, the keys of the call and number fields, the report filters, the
// exchange sent. The main window's handlers hand over to it; it touches only the entry fields.
class ContactEntry final {
    // Its messages are the main window's.
    Q_DECLARE_TR_FUNCTIONS(TForm1)

public:
    ContactEntry(Desktop& desktop, Ui::TForm1& ui, QWidget* window);
    // The rules of the fields: what each takes, in which case, and how much.
    void SetUpFields();

    // The refusals a contact's fields may meet, also where a logged contact is edited: the message, or
    // nothing. A date or time comes back without blanks; `calendar` adds the check of a real date or
    // time of day to that of the form.
    static std::optional<QString> DateFault(QString& date, bool calendar);
    static std::optional<QString> TimeFault(QString& time, bool calendar);
    static std::optional<QString> CallFault(const QString& call);
    // A report takes no letters: the key is refused with a beep.
    static void RefuseLetter(Desktop& desktop, QChar& key);

    // The checks of the date and time fields, also made before a contact is added; false after the
    // message, with the focus given back to the field.
    bool CheckDate();
    bool CheckTime();
    // Before a contact is added: a date of the calendar and a time of day, or the message naming the
    // field, with the focus there.
    bool CheckDateTimeValues();
    void SpinClicked();
    // Steps the time; nothing while the fields follow the clock.
    void Step(zevo::Step step);

    // While on, the date and time show the UTC clock: they are not typed and do not step, and their
    // captions stand out.
    void SetRealTime(bool on);
    bool RealTime() const { return m_realTime; }
    void ShowUtc(const QDateTime& now);
    // Band and mode follow the radio, each unless the operator is editing it (or, for the mode, a
    // report, which the mode would reset).
    void FollowRadio(const zevo::RigFollow& follow);
    // The mode was chosen: the reports become those of the mode, with their length.
    void ModeChosen();

    // Key presses: a refused character is cancelled by setting `key` to a null character.
    void ReportKeyPress(QChar& key);
    // Enter or Space ends the call; over a band ("20", "14025") or a mode ("CW") it chooses that instead.
    void CallKeyPress(QChar& key);
    // True when the key was Enter: the contact is to be added.
    bool NumberReceivedKeyPress(QChar& key);
    void ProvinceKeyPress(QChar& key);
    // Alt+B, Alt+M, Page Up and Page Down in the call and number fields.
    void KeyDown(int key, Qt::KeyboardModifiers shift);
    void NumberReceivedLeft();
    void NumberSentEdited();
    void AutoIncrementClicked();

    // The contact in the fields; in Polish the province letter is sent, in English the number.
    zevo::QsoEntry Read(bool polish) const;
    // The mode of the contact is SSB, the first entry of the mode box.
    bool FirstMode() const;
    // After an add: the number sent goes up when it counts.
    void RaiseNumberSent();
    // After a load: band, mode (with its reports), date, time and used call from the log's last
    // contact that reads whole, or the used call of its header when it has none; the serial goes on.
    void ApplyLoaded(const zevo::LoadedLog& loaded);
    // Runs `set` whenever the program itself set the fields (a load, a restored session): their boxes
    // change then without a signal, and what follows them must still hear of it.
    void OnFieldsSet(std::function<void()> set) { m_fieldsSet = std::move(set); }

    // Tells what follows the fields (OnFieldsSet) that the program has just set them.
    void FieldsSet() const;

private:
    // A band or mode typed into the call field is chosen: true when the call field held one.
    bool ApplyCommand();
    void WriteDateTime(const zevo::StepResult& result);
    void ApplyLastLine(const zevo::LastLineFields& fields);
    void SelectMode(int index);
    void ShowError(const QString& text);

    Desktop& m_desktop;
    Ui::TForm1& m_ui;
    QWidget* m_window;
    std::function<void()> m_fieldsSet;
    bool m_realTime = false;
};

// Sets a choice from the program, showing the item's text even over typed text.
void Select(QComboBox* box, const std::string& item);
