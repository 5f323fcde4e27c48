#include "entry/ContactEntry.h"

#include "CabrilloReader.h"
#include "Conversion.h"
#include "EntryCommand.h"
#include "RunTimeError.h"
#include "platform/Win1250.h"

#include <QAbstractItemView>
#include <QSignalBlocker>
#include <algorithm>

namespace {

bool IsAsciiLetter(QChar c) {
    return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
           (c >= QLatin1Char('a') && c <= QLatin1Char('z'));
}

QString AsciiUpper(const QString& text) {
    return FromWin1250(zevo::AsciiUpper(ToWin1250(text)));
}

const QChar Enter(13);

} // namespace

void Select(QComboBox* box, const std::string& item) {
    const QSignalBlocker blocker(box);
    const int index = box->findText(FromWin1250(item));
    box->setCurrentIndex(index);
    if (box->isEditable() && index >= 0)
        box->setEditText(box->itemText(index));
}

ContactEntry::ContactEntry(Desktop& desktop, Ui::TForm1& ui, QWidget* window)
    : m_desktop(desktop), m_ui(ui), m_window(window) {}

void ContactEntry::SetUpFields() {
    for (QLineEdit* edit : m_window->findChildren<QLineEdit*>())
        FieldRules(edit);
    // The mode box takes typed text but keeps its two entries: nothing typed joins the list.
    m_ui.ComboBox2->setInsertPolicy(QComboBox::NoInsert);
    for (QLineEdit* edit : {m_ui.Edit1, m_ui.Edit4, m_ui.Edit5, m_ui.Edit8})
        FieldRules(edit)->SetUpperCase(true);
    // What is typed fits the columns of the QSO line: a call and a blank, a number received; a call is
    // one word.
    FieldRules(m_ui.Edit4)->SetMaxLength(13);
    FieldRules(m_ui.Edit4)->SetNoBlanks(true);
    FieldRules(m_ui.Edit6)->SetMaxLength(6);
}

void ContactEntry::ShowError(const QString& text) {
    m_desktop.ShowMessage(m_window, tr("Error"), text, Desktop::Icon::Error, Desktop::Buttons::Ok);
}

std::optional<QString> ContactEntry::DateFault(QString& date, bool calendar) {
    const zevo::CheckedField checked = zevo::CheckDate(ToWin1250(date));
    date = FromWin1250(checked.text);
    if (checked.fault != zevo::FieldFault::None)
        return checked.fault == zevo::FieldFault::Format ? tr("Incorrect date format!")
                                                         : tr("Incorrect data in Date field!");
    // The field checks take any digits; a robot takes only real dates.
    if (calendar && !zevo::DayNumber(checked.text))
        return tr("The date %1 is not a date of the calendar!").arg(date);
    return std::nullopt;
}

std::optional<QString> ContactEntry::TimeFault(QString& time, bool calendar) {
    const zevo::CheckedField checked = zevo::CheckTime(ToWin1250(time));
    time = FromWin1250(checked.text);
    if (checked.fault != zevo::FieldFault::None)
        return checked.fault == zevo::FieldFault::Format ? tr("Incorrect time format!")
                                                         : tr("Incorrect data in Time field!");
    if (calendar && !zevo::MinuteOfDay(checked.text.substr(0, 2) + checked.text.substr(3, 2)))
        return tr("The time %1 is not a time of day (00:00 to 23:59)!").arg(time);
    return std::nullopt;
}

std::optional<QString> ContactEntry::CallFault(const QString& call) {
    if (call.isEmpty())
        return tr("No Call set!");
    return std::nullopt;
}

void ContactEntry::RefuseLetter(Desktop& desktop, QChar& key) {
    if (IsAsciiLetter(key)) {
        key = QChar();
        desktop.Beep();
    }
}

bool ContactEntry::CheckDate() {
    QString date = m_ui.Edit2->text();
    const std::optional<QString> fault = DateFault(date, false);
    if (date != m_ui.Edit2->text())
        m_ui.Edit2->setText(date);
    if (!fault)
        return true;
    ShowError(*fault);
    m_ui.Edit2->setFocus();
    return false;
}

bool ContactEntry::CheckTime() {
    QString time = m_ui.Edit3->text();
    const std::optional<QString> fault = TimeFault(time, false);
    if (time != m_ui.Edit3->text())
        m_ui.Edit3->setText(time);
    if (!fault) {
        m_ui.UpDown1->SetPosition(zevo::SpinPositionForMinutes(zevo::StrToInt(ToWin1250(time.mid(3, 2)))));
        return true;
    }
    ShowError(*fault);
    m_ui.Edit3->setFocus();
    return false;
}

bool ContactEntry::CheckDateTimeValues() {
    QString date = m_ui.Edit2->text();
    QString time = m_ui.Edit3->text();
    for (const auto& [fault, field] :
         {std::pair{DateFault(date, true), m_ui.Edit2}, std::pair{TimeFault(time, true), m_ui.Edit3}}) {
        if (fault) {
            ShowError(*fault);
            field->setFocus();
            return false;
        }
    }
    return true;
}

void ContactEntry::WriteDateTime(const zevo::StepResult& result) {
    m_ui.Edit2->setText(FromWin1250(result.fields.date));
    m_ui.Edit3->setText(FromWin1250(result.fields.time));
    m_ui.UpDown1->SetPosition(result.fields.position);
    if (result.failure)
        throw *result.failure;
}

void ContactEntry::SpinClicked() {
    if (m_realTime)
        return;
    // The operator is typing the time: the check sets the position from it when the field is left.
    if (m_ui.Edit3->hasFocus())
        return;
    WriteDateTime(zevo::SpinClick(
        {ToWin1250(m_ui.Edit2->text()), ToWin1250(m_ui.Edit3->text()), m_ui.UpDown1->Position()}));
}

void ContactEntry::Step(zevo::Step step) {
    if (m_realTime)
        return;
    WriteDateTime(zevo::StepTime(
        {ToWin1250(m_ui.Edit2->text()), ToWin1250(m_ui.Edit3->text()), m_ui.UpDown1->Position()}, step));
}

void ContactEntry::SetRealTime(bool on) {
    m_realTime = on;
    m_ui.Edit2->setReadOnly(on);
    m_ui.Edit3->setReadOnly(on);
    m_ui.UpDown1->setEnabled(!on);
    for (QLabel* caption : {m_ui.Label4, m_ui.Label5})
        caption->setStyleSheet(on ? QStringLiteral("color: #0060c0; font-weight: bold") : QString());
}

void ContactEntry::ShowUtc(const QDateTime& now) {
    const QString date = now.date().toString(QStringLiteral("yyyy-MM-dd"));
    const QString time = now.time().toString(QStringLiteral("hh:mm"));
    if (m_ui.Edit2->text() != date)
        m_ui.Edit2->setText(date);
    if (m_ui.Edit3->text() != time)
        m_ui.Edit3->setText(time);
    m_ui.UpDown1->SetPosition(zevo::SpinPositionForMinutes(now.time().minute()));
}

namespace {

bool Editing(QWidget* field) {
    auto* box = qobject_cast<QComboBox*>(field);
    return field->hasFocus() || (box != nullptr && box->view()->isVisible());
}

} // namespace

void ContactEntry::FollowRadio(const zevo::RigFollow& follow) {
    bool set = false;
    if (follow.band && !Editing(m_ui.ComboBox1) && m_ui.ComboBox1->currentIndex() != *follow.band) {
        Select(m_ui.ComboBox1, ToWin1250(m_ui.ComboBox1->itemText(*follow.band)));
        set = true;
    }
    // As a mode the operator picks: its reports come with it. A mode already there keeps the reports
    // the operator may have typed.
    if (follow.ssb && *follow.ssb != FirstMode() &&
        !(Editing(m_ui.ComboBox2) || Editing(m_ui.Edit5) || Editing(m_ui.Edit7))) {
        SelectMode(*follow.ssb ? 0 : 1);
        ModeChosen();
        set = true;
    }
    if (set)
        FieldsSet();
}

void ContactEntry::ModeChosen() {
    const bool ssb = m_ui.ComboBox2->currentIndex() == 0;
    const QString report = ssb ? QStringLiteral("59") : QStringLiteral("599");
    for (QLineEdit* edit : {m_ui.Edit7, m_ui.Edit5}) {
        edit->setText(report);
        FieldRules(edit)->SetMaxLength(ssb ? 2 : 3);
    }
}

void ContactEntry::ReportKeyPress(QChar& key) {
    RefuseLetter(m_desktop, key);
}

void ContactEntry::CallKeyPress(QChar& key) {
    // A call is one word: Space ends it as Enter does.
    if (key != Enter && key != QLatin1Char(' '))
        return;
    key = QChar();
    if (!ApplyCommand())
        m_ui.Edit6->setFocus();
}

bool ContactEntry::ApplyCommand() {
    using Kind = zevo::EntryCommand::Kind;
    const zevo::EntryCommand command = zevo::ReadEntryCommand(ToWin1250(m_ui.Edit4->text()));
    if (command.kind == Kind::None)
        return false;
    // As the operator's own choice in the box: the band alone, the mode with its reports.
    if (command.kind == Kind::Band)
        m_ui.ComboBox1->setCurrentIndex(command.band);
    if (command.kind == Kind::Mode) {
        const int index = command.firstMode ? 0 : 1;
        m_ui.ComboBox2->setCurrentIndex(index);
        m_ui.ComboBox2->setEditText(m_ui.ComboBox2->itemText(index));
        ModeChosen();
    }
    m_ui.Edit4->clear();
    return true;
}

bool ContactEntry::NumberReceivedKeyPress(QChar& key) {
    if (key != Enter)
        return false;
    m_ui.Edit6->setText(AsciiUpper(m_ui.Edit6->text()));
    key = QChar();
    return true;
}

void ContactEntry::KeyDown(int key, Qt::KeyboardModifiers shift) {
    const Qt::KeyboardModifiers held = shift & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (key == Qt::Key_B && held == Qt::AltModifier) {
        const QSignalBlocker blocker(m_ui.ComboBox1);
        const int band = m_ui.ComboBox1->currentIndex();
        m_ui.ComboBox1->setCurrentIndex(band < 5 ? band + 1 : 0);
    }
    if (key == Qt::Key_M && held == Qt::AltModifier) {
        // From SSB to CW; from CW, or a typed mode that is no entry, to SSB.
        QComboBox* mode = m_ui.ComboBox2;
        const bool ssb = mode->currentIndex() == 0 && mode->currentText() == mode->itemText(0);
        SelectMode(ssb ? 1 : 0);
        ModeChosen();
    }
    if (key == Qt::Key_PageUp)
        Step(zevo::Step::Forward);
    else if (key == Qt::Key_PageDown)
        Step(zevo::Step::Back);
}

void ContactEntry::NumberReceivedLeft() {
    const QString upper = AsciiUpper(m_ui.Edit6->text());
    if (upper != m_ui.Edit6->text())
        m_ui.Edit6->setText(upper);
}

void ContactEntry::NumberSentEdited() {
    const QString text = m_ui.Edit8->text();
    const bool digits = std::all_of(text.begin(), text.end(),
                                    [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
    if (m_ui.CheckBox1->isChecked() && !digits)
        m_ui.CheckBox1->setChecked(false);
    const QString upper = AsciiUpper(text);
    if (upper != text)
        m_ui.Edit8->setText(upper);
}

void ContactEntry::AutoIncrementClicked() {
    const QString text = m_ui.Edit8->text();
    if (!m_ui.CheckBox1->isChecked() || text.isEmpty())
        return;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            ShowError(
                tr("Only digits are acceptabled\nin \"Number Sent\" field,\nif this option is selected!"));
            m_ui.Edit8->setFocus();
            return;
        }
    }
}

void ContactEntry::ProvinceKeyPress(QChar& key) {
    const QChar letter = key.unicode() < 128 ? key.toUpper() : key;
    for (int i = 0; i < m_ui.ComboBox3->count() && IsAsciiLetter(letter); ++i)
        if (m_ui.ComboBox3->itemText(i).startsWith(letter))
            m_ui.ComboBox3->setCurrentIndex(i);
    key = QChar();
}

bool ContactEntry::FirstMode() const {
    // A mode typed over the first entry is no longer that entry.
    return m_ui.ComboBox2->currentIndex() == 0 &&
           m_ui.ComboBox2->currentText() == m_ui.ComboBox2->itemText(0);
}

zevo::QsoEntry ContactEntry::Read(bool polish) const {
    const int band = m_ui.ComboBox1->currentIndex();
    // In English the station sends its serial number, in Polish the letter of its province.
    const QString exchange =
        polish ? m_ui.ComboBox3->itemText(m_ui.ComboBox3->currentIndex()).left(1) : m_ui.Edit8->text();
    return zevo::QsoEntry{.band = band < 0 ? std::nullopt : std::optional<int>(band),
                          .firstMode = FirstMode(),
                          .date = ToWin1250(m_ui.Edit2->text()),
                          .time = ToWin1250(m_ui.Edit3->text()),
                          .usedCall = ToWin1250(m_ui.Edit1->text()),
                          .reportSent = ToWin1250(m_ui.Edit5->text()),
                          .exchangeSent = ToWin1250(exchange),
                          .callReceived = ToWin1250(m_ui.Edit4->text()),
                          .reportReceived = ToWin1250(m_ui.Edit7->text()),
                          .numberReceived = ToWin1250(m_ui.Edit6->text())};
}

void ContactEntry::RaiseNumberSent() {
    // Counts in both languages: in Polish the field is hidden but goes on counting.
    if (!m_ui.CheckBox1->isChecked())
        return;
    // Sixty-four bits, so that the largest 32-bit number does not turn negative; the next contact
    // then reports it as not a valid number.
    const qint64 next = qint64{zevo::StrToInt(ToWin1250(m_ui.Edit8->text()))} + 1;
    m_ui.Edit8->setText(QString::number(next));
}

void ContactEntry::SelectMode(int index) {
    Select(m_ui.ComboBox2, ToWin1250(m_ui.ComboBox2->itemText(index)));
}

void ContactEntry::ApplyLoaded(const zevo::LoadedLog& loaded) {
    if (loaded.nextNumberSent)
        m_ui.Edit8->setText(QString::number(*loaded.nextNumberSent));
    // A log without a contact that reads whole (saved before its first one, or damaged at its end):
    // the fields stay for it.
    if (loaded.last)
        ApplyLastLine(*loaded.last);
    {
        const QSignalBlocker blockCall(m_ui.Edit1);
        m_ui.Edit1->setText(FromWin1250(loaded.usedCall));
    }
    m_ui.Edit4->setFocus();
    FieldsSet();
}

void ContactEntry::ApplyLastLine(const zevo::LastLineFields& fields) {
    if (fields.band) {
        const QSignalBlocker blocker(m_ui.ComboBox1);
        m_ui.ComboBox1->setCurrentIndex(*fields.band);
    }
    // The reports follow the mode, as when the operator picks it.
    SelectMode(fields.phone ? 0 : 1);
    ModeChosen();
    const QSignalBlocker blockDate(m_ui.Edit2);
    const QSignalBlocker blockTime(m_ui.Edit3);
    m_ui.Edit2->setText(FromWin1250(fields.date));
    m_ui.Edit3->setText(FromWin1250(fields.time));
    m_ui.UpDown1->SetPosition(zevo::SpinPositionForMinutes(fields.minutes));
}

void ContactEntry::FieldsSet() const {
    if (m_fieldsSet)
        m_fieldsSet();
}
