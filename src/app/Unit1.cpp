#include "Unit1.h"

#include "CabrilloFile.h"
#include "Conversion.h"
#include "DateTime.h"
#include "Guard.h"
#include "RunTimeError.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Win1250.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>

namespace {

// The credit that follows the version in the "Info" hint and the version label.
const char* const Credit = "by the ZEVO Contest team";

QFont LogFont() {
    // The QSO lines are fixed-column text: the list must use a fixed-pitch font to line them up.
    QFont font(QStringLiteral("Courier New"), 8);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    if (!QFontInfo(font).fixedPitch())
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    return font;
}

} // namespace

TForm1::TForm1(Desktop& desktop, QWidget* parent) : QMainWindow(parent), m_desktop(desktop) {
    setupUi(this);
    ListBox1->setModel(&m_log);
    ListBox1->setFont(LogFont());
    // A QSO line is read by its columns: never shorten it with an ellipsis.
    ListBox1->setTextElideMode(Qt::ElideNone);
    UpDown1->SetRange(-1, 60);

    for (QLineEdit* edit : findChildren<QLineEdit*>())
        FieldRules(edit);
    // The mode box takes typed text but keeps its two entries: nothing typed joins the list.
    ComboBox2->setInsertPolicy(QComboBox::NoInsert);
    for (QLineEdit* edit : {Edit1, Edit4, Edit5, Edit8})
        FieldRules(edit)->SetUpperCase(true);

    ConnectGuarded(Button1, &QPushButton::clicked, this, m_desktop, &TForm1::Button1Click);
    ConnectGuarded(Button2, &QPushButton::clicked, this, m_desktop, &TForm1::Button2Click);
    ConnectGuarded(Button3, &QPushButton::clicked, this, m_desktop, &TForm1::Button3Click);
    ConnectGuarded(Button4, &QPushButton::clicked, this, m_desktop, &TForm1::Button4Click);
    ConnectGuarded(Button5, &QPushButton::clicked, this, m_desktop, &TForm1::Button5Click);
    ConnectGuarded(Button7, &QPushButton::clicked, this, m_desktop, &TForm1::Button7Click);
    // Only the button that becomes checked reports; clicking the checked one changes nothing. A
    // further language needs no code of its own: its radio button names it in "languageCode".
    for (QRadioButton* button : findChildren<QRadioButton*>()) {
        if (!button->property("languageCode").isValid())
            continue;
        void (TForm1::*handler)() = button == RadioButton1   ? &TForm1::RadioButton1Click
                                    : button == RadioButton2 ? &TForm1::RadioButton2Click
                                                             : &TForm1::ApplyLanguage;
        connect(button, &QRadioButton::toggled, this, [this, handler](bool checked) {
            if (checked)
                RunGuarded(m_desktop, this, [this, handler] { (this->*handler)(); });
        });
    }

    FormCreate();
}

TForm1::~TForm1() {
    QCoreApplication::removeTranslator(&m_translator);
}

void TForm1::Attach(TForm2* headerDialog, TForm3* exportDialog) {
    m_form2 = headerDialog;
    m_form3 = exportDialog;
}

bool TForm1::Polish() const {
    return RadioButton1->isChecked();
}

QString TForm1::UsedCall() const {
    return Edit1->text();
}

void TForm1::FormCreate() {
    const QSignalBlocker blockProvince(ComboBox3);
    ComboBox3->setCurrentIndex(-1);
    m_headerSet = false;
    Edit1->clear();
    Edit8->setText(QStringLiteral("1"));
    Edit7->setText(QStringLiteral("59"));
    FieldRules(Edit7)->SetMaxLength(2);
    Edit5->setText(QStringLiteral("59"));
    FieldRules(Edit5)->SetMaxLength(2);
    ComboBox1->setCurrentIndex(3);
    ComboBox2->setCurrentIndex(0);
    CheckBox1->setChecked(true);
    Edit3->setText(QStringLiteral("15:00"));
    Edit4->clear();
    Edit6->clear();
    if (const auto date = zevo::ProposedContestDate(m_desktop.Today().year()))
        Edit2->setText(FromWin1250(*date));
    Edit1->setReadOnly(false);
    UpDown1->SetPosition(0);
    RadioButton2->setChecked(true);
    m_unsavedLog = false;
    ApplyLanguage();
}

void TForm1::ApplyLanguage() {
    // A language radio button names its translation in the "languageCode" property; the one
    // without a code is the source language, English.
    QString code;
    for (QRadioButton* button : findChildren<QRadioButton*>()) {
        if (!button->property("languageCode").isValid())
            continue;
        if (button->isChecked())
            code = button->property("languageCode").toString();
        // Of the language buttons only the checked one is a tab stop.
        button->setFocusPolicy(button->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    }
    QCoreApplication::removeTranslator(&m_translator);
    if (!code.isEmpty() && m_translator.load(QStringLiteral(":/i18n/zevo_") + code))
        QCoreApplication::installTranslator(&m_translator);

    const bool polish = Polish();
    for (QWidget* english : std::initializer_list<QWidget*>{Label10, Edit8, CheckBox1, Label13, Label12})
        english->setVisible(!polish);
    for (QWidget* polishOnly : std::initializer_list<QWidget*>{Label14, ComboBox3})
        polishOnly->setVisible(polish);

    retranslateUi(this);
    Button3->setToolTip(tr("Ver. 4.00 freeware ") + QString::fromLatin1(Credit));
    update();
}

void TForm1::RadioButton1Click() {
    ApplyLanguage();
}

void TForm1::RadioButton2Click() {
    ApplyLanguage();
}

void TForm1::Button1Click() {
    if (m_headerSet) {
        ShowError(
            tr("Cabrillo header"),
            tr("Sorry, but you cannot change Cabrillo file header now!\nPlease use external editor like "
               "Notepad after end of program\nto make changes in Cabrillo output file."));
        return;
    }
    ShowHeaderDialog();
}

void TForm1::ShowHeaderDialog() {
    m_form2->jezyk1();
    m_form2->show();
    m_form2->raise();
    m_form2->activateWindow();
}

void TForm1::Button2Click() {
    // "No" at the overwrite question starts over with the dialog: a loop rather than a recursion.
    for (;;) {
        if (!m_headerSet) {
            ShowError(tr("Error"), tr("Please set the Header of Cabrillo file first!"));
            return;
        }
        const QString proposed = FromWin1250(zevo::ProposedCabrilloFileName(ToWin1250(Edit1->text())));
        // A dismissed dialog still saves, under the proposed name in the current folder.
        const QString fileName =
            m_desktop.SaveFileName(this, proposed, tr("Cabrillo files|*.cbr|All files|*.*"), 1)
                .value_or(proposed);
        if (QFileInfo::exists(fileName)) {
            const Desktop::Answer answer = m_desktop.ShowMessage(
                this, tr("Warning"), tr("File \"%1\" exists.\nDo you want to overwrite it?").arg(fileName),
                Desktop::Icon::Warning, Desktop::Buttons::YesNoCancel);
            if (answer == Desktop::Answer::Cancel)
                return;
            if (answer != Desktop::Answer::Yes)
                continue;
        }
        // The log list changes only once the file holds it: a save that fails leaves the list, the
        // unsaved-log flag and any earlier file exactly as they were.
        zevo::WriteCabrilloFile(QFile::encodeName(fileName).toStdString(), m_log.Lines());
        const std::string endOfLog(zevo::EndOfLogLine);
        m_log.RemoveAll(endOfLog);
        m_log.Append(endOfLog);
        m_unsavedLog = false;
        m_desktop.ShowMessage(this, tr("Information"), tr("Cabrillo file is saved!"),
                              Desktop::Icon::Information, Desktop::Buttons::Ok);
        return;
    }
}

void TForm1::Button3Click() {
    const QString name = Polish() ? QStringLiteral("info_pl.txt") : QStringLiteral("info_eng.txt");
    const QString path = QCoreApplication::applicationDirPath() + QLatin1Char('/') + name;
    m_desktop.OpenInTextEditor(this, QDir::toNativeSeparators(path));
}

void TForm1::Button4Click() {
    if (!m_headerSet) {
        ShowError(tr("Error"), tr("Please set the Header of Cabrillo file first!"));
        return;
    }
    if (Edit4->text().isEmpty()) {
        ShowError(tr("Error"), tr("No Call set!"));
        return;
    }
    if (Polish() && ComboBox3->currentIndex() < 0) {
        //: Shown only in the Polish interface; its text there is
        //: "Brak wybranego nadawanego skrótu województwa!"
        const QString noProvince = tr("No province sent selected!");
        ShowError(tr("Error"), noProvince);
        return;
    }

    m_log.Append(zevo::ComposeQsoLine(ReadContact()));
    // The contact is in the log whatever happens to the number sent, so the window must say so
    // before a number that cannot be raised is reported.
    std::optional<zevo::RunTimeError> numberError;
    try {
        RaiseNumberSent();
    } catch (const zevo::RunTimeError& error) {
        numberError = error;
    }
    m_unsavedLog = true;
    Edit4->clear();
    Edit6->clear();
    Edit4->setFocus();
    SelectLastLine();
    if (numberError)
        throw *numberError;
}

zevo::QsoEntry TForm1::ReadContact() const {
    const int band = ComboBox1->currentIndex();
    // A mode typed over the first entry is no longer that entry.
    const bool firstMode =
        ComboBox2->currentIndex() == 0 && ComboBox2->currentText() == ComboBox2->itemText(0);
    // In English the station sends its serial number, in Polish the letter of its province.
    const QString exchange =
        Polish() ? ComboBox3->itemText(ComboBox3->currentIndex()).left(1) : Edit8->text();
    return zevo::QsoEntry{.band = band < 0 ? std::nullopt : std::optional<int>(band),
                          .firstMode = firstMode,
                          .date = ToWin1250(Edit2->text()),
                          .time = ToWin1250(Edit3->text()),
                          .usedCall = ToWin1250(Edit1->text()),
                          .reportSent = ToWin1250(Edit5->text()),
                          .exchangeSent = ToWin1250(exchange),
                          .callReceived = ToWin1250(Edit4->text()),
                          .reportReceived = ToWin1250(Edit7->text()),
                          .numberReceived = ToWin1250(Edit6->text())};
}

void TForm1::RaiseNumberSent() {
    // Counts in both languages: in Polish the field is hidden but goes on counting.
    if (!CheckBox1->isChecked())
        return;
    // Sixty-four bits, so that the largest 32-bit number does not turn negative; the next contact
    // then reports it as not a valid number.
    const qint64 next = qint64{zevo::StrToInt(ToWin1250(Edit8->text()))} + 1;
    Edit8->setText(QString::number(next));
}

void TForm1::SelectLastLine() {
    const QModelIndex last = m_log.index(m_log.Count() - 1);
    ListBox1->setCurrentIndex(last);
    ListBox1->scrollTo(last);
}

void TForm1::Button5Click() {
    if (m_unsavedLog && Ask(tr("Warning"), tr("Cabrillo file is not saved now!\nSave it?",
                                              "question of Exit")) == Desktop::Answer::Yes) {
        Button2Click();
        // A save that did not write the file (Cancel at its overwrite question) keeps the log open.
        if (m_unsavedLog)
            return;
    }
    EndProgram();
}

void TForm1::Button7Click() {
    if (!m_headerSet) {
        ShowError(tr("Error"), tr("Please set the Header of Cabrillo file first!"));
        return;
    }
    // The operator works in the export dialog until leaving it, which shows this window again.
    hide();
    m_form3->Open();
}

void TForm1::FormCloseQuery(bool& canClose) {
    if (m_unsavedLog && Ask(tr("Attention"), tr("Cabrillo file is not saved now!\nSave it?",
                                                "question of closing the window")) == Desktop::Answer::Yes) {
        // Until the save has written the file the window may not close, not even when it fails.
        canClose = false;
        Button2Click();
        canClose = !m_unsavedLog;
        return;
    }
    canClose = true;
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (m_ending) {
        event->accept();
        return;
    }
    bool canClose = false;
    // A save that stops with an error keeps the window open: canClose stays false.
    RunGuarded(m_desktop, this, [&] { FormCloseQuery(canClose); });
    if (!canClose) {
        event->ignore();
        return;
    }
    m_ending = true;
    if (m_form2)
        m_form2->hide();
    if (m_form3)
        m_form3->hide();
    event->accept();
}

void TForm1::EndProgram() {
    // Ending this way asks nothing more: closeEvent sees m_ending. With every window hidden the
    // event loop stops.
    m_ending = true;
    if (m_form2)
        m_form2->hide();
    if (m_form3)
        m_form3->hide();
    close();
}

void TForm1::ShowError(const QString& caption, const QString& text) {
    m_desktop.ShowMessage(this, caption, text, Desktop::Icon::Error, Desktop::Buttons::Ok);
}

Desktop::Answer TForm1::Ask(const QString& caption, const QString& text) {
    return m_desktop.ShowMessage(this, caption, text, Desktop::Icon::Question, Desktop::Buttons::YesNo);
}
