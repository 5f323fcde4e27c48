#include "Unit2.h"

#include "Conversion.h"
#include "Guard.h"
#include "Win1250.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <algorithm>

namespace {

const QString Mixed = QStringLiteral("MIXED");

bool IsSelected(const QComboBox* box, const char* item) {
    return box->currentIndex() >= 0 && box->itemText(box->currentIndex()) == QLatin1String(item);
}

// The selected item's text, or nothing when the operator typed into the box.
std::optional<std::string> SelectedItem(const QComboBox* box) {
    if (box->currentIndex() < 0)
        return std::nullopt;
    return ToWin1250(box->itemText(box->currentIndex()));
}

// A choice box is editable only to take typed text: it neither completes, nor adds what was typed to
// its list, nor picks an item that matches the typed text when the operator leaves it.
void TakeTypedText(QComboBox* box) {
    box->setCompleter(nullptr);
    box->setInsertPolicy(QComboBox::NoInsert);
    QObject::disconnect(box->lineEdit(), &QLineEdit::editingFinished, box, nullptr);
}

void LeaveNoItemSelected(QComboBox* box) {
    if (box->currentIndex() < 0)
        return;
    QLineEdit* edit = box->lineEdit();
    const QString typed = edit->text();
    const int cursor = edit->cursorPosition();
    const QSignalBlocker blocker(box);
    box->setCurrentIndex(-1);
    box->setEditText(typed);
    edit->setCursorPosition(cursor);
}

// Keys that act on the dialog rather than type into the field: focus moves, the default and the
// cancel button, and deleting.
bool IsDialogKey(const QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Delete:
        return true;
    default:
        return false;
    }
}

} // namespace

TForm2::TForm2(Desktop& desktop, QWidget* parent) : QDialog(parent), m_desktop(desktop) {
    setupUi(this);
    setModal(false);
    for (QLineEdit* edit : findChildren<QLineEdit*>())
        FieldRules(edit);
    FieldRules(Edit1)->SetUpperCase(true);
    for (QComboBox* box : {ComboBox1, ComboBox2, ComboBox3})
        TakeTypedText(box);
    Edit7->installEventFilter(this);

    ConnectGuarded(Button1, &QPushButton::clicked, this, m_desktop, &TForm2::Button1Click);
    ConnectGuarded(Button3, &QPushButton::clicked, this, m_desktop, &TForm2::Button3Click);
    ConnectGuarded(ComboBox1, &QComboBox::activated, this, m_desktop, &TForm2::ComboBox1Change);
    ConnectGuarded(ComboBox2, &QComboBox::activated, this, m_desktop, &TForm2::ComboBox2Change);
    ConnectGuarded(ComboBox3, &QComboBox::activated, this, m_desktop, &TForm2::ComboBox3Change);
    ConnectGuarded(ComboBox1->lineEdit(), &QLineEdit::textEdited, this, m_desktop,
                   &TForm2::ComboBox1TextEdited);
    ConnectGuarded(ComboBox2->lineEdit(), &QLineEdit::textEdited, this, m_desktop,
                   &TForm2::ComboBox2TextEdited);
    ConnectGuarded(ComboBox3->lineEdit(), &QLineEdit::textEdited, this, m_desktop,
                   &TForm2::ComboBox3TextEdited);

    FormCreate();
}

void TForm2::FormCreate() {
    for (QLineEdit* edit : {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit8})
        edit->clear();
    Memo1->clear();
    Edit7->setText(QStringLiteral("0"));
    ComboBox1->setCurrentIndex(0);
    ComboBox2->setCurrentIndex(0);
    ComboBox3->setCurrentIndex(2);
    SetBandBoxesEnabled(false);
    jezyk1();
}

void TForm2::jezyk1() {
    retranslateUi(this);
}

void TForm2::Open() {
    jezyk1();
    show();
    raise();
    activateWindow();
}

void TForm2::OpenWithCall(const QString& usedCall) {
    Edit1->setText(usedCall);
    Open();
}

bool TForm2::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Edit7 && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (IsDialogKey(key))
            return false;
        for (QChar typed : key->text()) {
            Edit7KeyPress(typed);
            if (typed.isNull())
                return true;
        }
        return false;
    }
    return QDialog::eventFilter(watched, event);
}

void TForm2::Edit7KeyPress(QChar& key) {
    const bool digit = key >= QLatin1Char('0') && key <= QLatin1Char('9');
    if (!digit && key != QChar(8))
        key = QChar();
}

void TForm2::ComboBox1Change() {
    if (IsSelected(ComboBox1, "MULTI") || IsSelected(ComboBox1, "CHECKLOG")) {
        SetPowerEnabled(false);
        if (ComboBox3->count() == 2)
            ComboBox3->addItem(Mixed);
        ComboBox3->setCurrentIndex(ComboBox3->findText(Mixed));
        ComboBox3->setEnabled(false);
        ComboBox2->setCurrentIndex(0);
        ComboBox2->setEnabled(false);
        SetBandBoxesEnabled(false);
        return;
    }
    SetPowerEnabled(true);
    ComboBox3->setEnabled(true);
    ComboBox2->setEnabled(true);
    if (!IsSelected(ComboBox2, "All Bands"))
        SetBandBoxesEnabled(true);
}

void TForm2::ComboBox2Change() {
    const bool treeBands = IsSelected(ComboBox2, "Tree Bands");
    const bool singleBand = IsSelected(ComboBox2, "Single Band");
    SetBandBoxesEnabled(!IsSelected(ComboBox2, "All Bands"));
    SetPowerEnabled(!treeBands && !singleBand);
    if (treeBands) {
        // Without its third item (after a single band) the list loses its selection here and
        // gets MIXED back below.
        ComboBox3->setCurrentIndex(2);
        ComboBox3->setEnabled(false);
    } else {
        ComboBox3->setEnabled(true);
    }
    if (singleBand) {
        ComboBox3->setCurrentIndex(0);
        if (ComboBox3->count() > 2)
            ComboBox3->removeItem(2);
    } else {
        RestoreMixedMode();
    }
}

void TForm2::ComboBox3Change() {
    if (!IsSelected(ComboBox1, "SINGLE") || !IsSelected(ComboBox2, "All Bands"))
        return;
    if (IsSelected(ComboBox3, "MIXED")) {
        RadioButton3->setEnabled(true);
        return;
    }
    if (RadioButton3->isChecked())
        RadioButton2->setChecked(true);
    RadioButton3->setEnabled(false);
}

void TForm2::ComboBox1TextEdited() {
    LeaveNoItemSelected(ComboBox1);
    ComboBox1Change();
}

void TForm2::ComboBox2TextEdited() {
    LeaveNoItemSelected(ComboBox2);
    ComboBox2Change();
}

void TForm2::ComboBox3TextEdited() {
    LeaveNoItemSelected(ComboBox3);
    ComboBox3Change();
}

void TForm2::RestoreMixedMode() {
    if (ComboBox3->count() != 2)
        return;
    ComboBox3->addItem(Mixed);
    ComboBox3->setCurrentIndex(2);
}

void TForm2::SetPowerEnabled(bool enabled) {
    for (QRadioButton* power : {RadioButton1, RadioButton2, RadioButton3})
        power->setEnabled(enabled);
}

void TForm2::SetBandBoxesEnabled(bool enabled) {
    for (QCheckBox* band : {CheckBox1, CheckBox2, CheckBox3, CheckBox4, CheckBox5, CheckBox6})
        band->setEnabled(enabled);
}

zevo::TickedBands TForm2::TickedBands() const {
    // Disabled boxes keep their ticks, and they count.
    return {CheckBox1->isChecked(), CheckBox2->isChecked(), CheckBox3->isChecked(),
            CheckBox4->isChecked(), CheckBox5->isChecked(), CheckBox6->isChecked()};
}

zevo::CategoryChoices TForm2::CategoryChoices() const {
    zevo::CategoryChoices choices;
    choices.operatorItem = SelectedItem(ComboBox1);
    choices.bandItem = SelectedItem(ComboBox2);
    choices.modeItem = SelectedItem(ComboBox3);
    choices.power = RadioButton3->isChecked()   ? zevo::Power::Qrp
                    : RadioButton2->isChecked() ? zevo::Power::Low
                                                : zevo::Power::High;
    choices.bandList = zevo::BandList(TickedBands());
    return choices;
}

void TForm2::Refuse(const QString& text) {
    m_desktop.ShowMessage(this, tr("Error"), text, Desktop::Icon::Error, Desktop::Buttons::Ok);
}

void TForm2::Button3Click() {
    // The dialog does not block the main window, so a Cabrillo file may have been loaded while it was
    // open: that log has its header already, and a second one would land after its QSO lines.
    if (m_logHasHeader) {
        emit headerRefused();
        hide();
        return;
    }
    if (Edit1->text().isEmpty())
        return Refuse(tr("Please insert used call!\nAll blue fields must be completed!"));
    if (Edit2->text().isEmpty())
        return Refuse(tr("Please insert your full name!\nAll blue fields must be completed!"));
    if (Edit4->text().isEmpty())
        return Refuse(tr("Please insert your address!\nAll blue fields must be completed!"));
    const zevo::TickedBands ticked = TickedBands();
    const auto tickedCount = std::count(ticked.begin(), ticked.end(), true);
    if (IsSelected(ComboBox2, "Tree Bands") && tickedCount != 3)
        return Refuse(tr("Exactly tree bands must be set!"));
    if (IsSelected(ComboBox2, "Single Band") && tickedCount != 1)
        return Refuse(tr("Exactly one band must be set!"));

    const zevo::Category category = zevo::ComposeCategory(CategoryChoices());
    // The main window follows the category before the question, whatever the answer.
    emit categoryChosen(category);
    const Desktop::Answer answer = m_desktop.ShowMessage(
        this, tr("Category"), tr("You select category:\n\n%1\n\nIs it OK?").arg(FromWin1250(category.value)),
        Desktop::Icon::Question, Desktop::Buttons::YesNo);
    if (answer != Desktop::Answer::Yes)
        return;

    zevo::HeaderFields fields;
    fields.usedCall = ToWin1250(Edit1->text());
    fields.category = category.value;
    fields.claimedScore = ToWin1250(Edit7->text());
    fields.name = ToWin1250(Edit2->text());
    fields.email = ToWin1250(Edit3->text());
    fields.street = ToWin1250(Edit4->text());
    fields.city = ToWin1250(Edit5->text());
    fields.country = ToWin1250(Edit6->text());
    fields.operators = ToWin1250(Edit8->text());
    for (const QString& line : Memo1->ShownLines())
        fields.soapbox.push_back(ToWin1250(line));

    const std::vector<std::string> headerLines = zevo::HeaderLines(fields);
    hide();
    emit headerConfirmed(headerLines, FromWin1250(zevo::WithoutBlanks(fields.usedCall)));
}

void TForm2::Button1Click() {
    hide();
}

void TForm2::reject() {
    // Escape hides the dialog like Cancel; everything typed stays for the next showing.
    Button1Click();
}

void TForm2::closeEvent(QCloseEvent* event) {
    emit closed();
    event->accept();
}
