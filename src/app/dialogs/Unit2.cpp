#include "dialogs/Unit2.h"

#include "Conversion.h"
#include "platform/Guard.h"
#include "platform/Win1250.h"
#include "widgets/Accessibility.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QSignalBlocker>

namespace {

const QString Mixed = QStringLiteral("MIXED");

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
    NameBoxesByLabels(this);
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
    NameBoxesByLabels(this);
}

void TForm2::Present() {
    jezyk1();
    show();
    raise();
    activateWindow();
}

void TForm2::OpenWithCall(const QString& usedCall) {
    Edit1->setText(usedCall);
    Present();
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
    ApplyCategoryControls(zevo::OperatorChosen(ReadCategoryControls()));
}

void TForm2::ComboBox2Change() {
    ApplyCategoryControls(zevo::BandChoiceChosen(ReadCategoryControls()));
}

void TForm2::ComboBox3Change() {
    ApplyCategoryControls(zevo::ModeChosen(ReadCategoryControls()));
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

zevo::Power TForm2::ChosenPower() const {
    return RadioButton3->isChecked()   ? zevo::Power::Qrp
           : RadioButton2->isChecked() ? zevo::Power::Low
                                       : zevo::Power::High;
}

zevo::CategoryControls TForm2::ReadCategoryControls() const {
    zevo::CategoryControls controls;
    controls.operatorItem = SelectedItem(ComboBox1);
    controls.bandItem = SelectedItem(ComboBox2);
    controls.modeItem = SelectedItem(ComboBox3);
    controls.mixedListed = ComboBox3->count() > 2;
    controls.bandChoiceEnabled = ComboBox2->isEnabled();
    controls.modeChoiceEnabled = ComboBox3->isEnabled();
    controls.bandBoxesEnabled = CheckBox1->isEnabled();
    controls.highLowEnabled = RadioButton1->isEnabled();
    controls.qrpEnabled = RadioButton3->isEnabled();
    controls.power = ChosenPower();
    return controls;
}

void TForm2::ApplyCategoryControls(const zevo::CategoryControls& controls) {
    const zevo::CategoryControls before = ReadCategoryControls();
    if (controls.mixedListed && !before.mixedListed)
        ComboBox3->addItem(Mixed);
    // An item is selected only when the rules chose another one: typed text stays otherwise.
    const auto select = [](QComboBox* box, const std::optional<std::string>& item,
                           const std::optional<std::string>& was) {
        if (item && item != was)
            box->setCurrentIndex(box->findText(FromWin1250(*item)));
    };
    select(ComboBox1, controls.operatorItem, before.operatorItem);
    select(ComboBox2, controls.bandItem, before.bandItem);
    select(ComboBox3, controls.modeItem, before.modeItem);
    if (!controls.mixedListed && before.mixedListed)
        ComboBox3->removeItem(ComboBox3->findText(Mixed));
    ComboBox2->setEnabled(controls.bandChoiceEnabled);
    ComboBox3->setEnabled(controls.modeChoiceEnabled);
    SetBandBoxesEnabled(controls.bandBoxesEnabled);
    RadioButton1->setEnabled(controls.highLowEnabled);
    RadioButton2->setEnabled(controls.highLowEnabled);
    RadioButton3->setEnabled(controls.qrpEnabled);
    if (controls.power != before.power)
        (controls.power == zevo::Power::Qrp   ? RadioButton3
         : controls.power == zevo::Power::Low ? RadioButton2
                                              : RadioButton1)
            ->setChecked(true);
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
    choices.power = ChosenPower();
    choices.bandList = zevo::BandList(TickedBands());
    return choices;
}

QString TForm2::RefusalText(zevo::HeaderRefusal refusal) {
    switch (refusal) {
    case zevo::HeaderRefusal::NoUsedCall:
        return tr("Please insert used call!\nAll blue fields must be completed!");
    case zevo::HeaderRefusal::NoName:
        return tr("Please insert your full name!\nAll blue fields must be completed!");
    case zevo::HeaderRefusal::NoAddress:
        return tr("Please insert your address!\nAll blue fields must be completed!");
    case zevo::HeaderRefusal::NotThreeBands:
        return tr("Exactly tree bands must be set!");
    case zevo::HeaderRefusal::NotOneBand:
        return tr("Exactly one band must be set!");
    }
    return {};
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
    if (!TakeTypedChoices())
        return;
    if (const auto refusal =
            zevo::CheckHeader(ToWin1250(Edit1->text()), ToWin1250(Edit2->text()), ToWin1250(Edit4->text()),
                              SelectedItem(ComboBox2), TickedBands()))
        return Refuse(RefusalText(*refusal));

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

bool TForm2::TakeTypedChoices() {
    // Text typed into a choice box is a category only when it names one of its entries, in any case;
    // anything else would reach the CATEGORY: line as it was typed.
    for (const auto& [box, chosen] :
         {std::pair{ComboBox1, &TForm2::ComboBox1Change}, std::pair{ComboBox2, &TForm2::ComboBox2Change},
          std::pair{ComboBox3, &TForm2::ComboBox3Change}}) {
        if (box->currentIndex() >= 0)
            continue;
        const int entry = box->findText(box->currentText().trimmed(), Qt::MatchFixedString);
        if (entry < 0) {
            Refuse(tr("\"%1\" is no category of the list.\nPlease choose one of its entries.")
                       .arg(box->currentText()));
            box->setFocus();
            return false;
        }
        box->setCurrentIndex(entry);
        (this->*chosen)();
    }
    return true;
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
