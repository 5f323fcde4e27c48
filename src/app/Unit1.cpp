#include "Unit1.h"

#include "CabrilloFile.h"
#include "CabrilloReader.h"
#include "Conversion.h"
#include "DateTime.h"
#include "Guard.h"
#include "RunTimeError.h"
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
    ConnectGuarded(Button6, &QPushButton::clicked, this, m_desktop, &TForm1::Button6Click);
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

void TForm1::SetHeaderSet(bool set) {
    if (m_headerSet == set)
        return;
    m_headerSet = set;
    emit headerSetChanged(set);
}

bool TForm1::Polish() const {
    return RadioButton1->isChecked();
}

void TForm1::FormCreate() {
    const QSignalBlocker blockProvince(ComboBox3);
    ComboBox3->setCurrentIndex(-1);
    SetHeaderSet(false);
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
    emit headerDialogRequested();
}

namespace {

// Sets a choice from the program, showing the item's text even over typed text.
void Select(QComboBox* box, const std::string& item) {
    const QSignalBlocker blocker(box);
    const int index = box->findText(FromWin1250(item));
    box->setCurrentIndex(index);
    if (box->isEditable() && index >= 0)
        box->setEditText(box->itemText(index));
}

} // namespace

void TForm1::ApplyCategory(const zevo::Category& category) {
    if (category.mode)
        Select(ComboBox2, *category.mode);
    if (category.reports) {
        // Set directly: the report fields keep the length limit they have.
        Edit5->setText(FromWin1250(*category.reports));
        Edit7->setText(FromWin1250(*category.reports));
    }
    if (category.band)
        Select(ComboBox1, *category.band);
}

void TForm1::ApplyHeader(const std::vector<std::string>& headerLines, const QString& usedCall) {
    Edit1->setText(usedCall);
    m_log.Append(headerLines);
    SetHeaderSet(true);
    m_unsavedLog = true;
    Edit1->setReadOnly(true);
    activateWindow();
    Edit4->setFocus();
}

void TForm1::BringForward() {
    show();
    raise();
    activateWindow();
}

void TForm1::Button2Click() {
    Save();
}

bool TForm1::Save() {
    // "No" at the overwrite question starts over with the dialog: a loop rather than a recursion.
    for (;;) {
        if (!m_headerSet) {
            ShowError(tr("Error"), tr("Please set the Header of Cabrillo file first!"));
            return false;
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
                return false;
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
        m_lastFolder = QFileInfo(fileName).absolutePath();
        m_desktop.ShowMessage(this, tr("Information"), tr("Cabrillo file is saved!"),
                              Desktop::Icon::Information, Desktop::Buttons::Ok);
        return true;
    }
}

bool TForm1::MaybeSave(const QString& caption, const QString& question) {
    if (!m_unsavedLog || Ask(caption, question) != Desktop::Answer::Yes)
        return true;
    // A save that did not write the file (Cancel at its overwrite question) keeps the log: the
    // action that asked stops.
    return Save();
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
    if (MaybeSave(tr("Warning"), tr("Cabrillo file is not saved now!\nSave it?", "question of Exit")))
        EndProgram();
}

void TForm1::FormCloseQuery(bool& canClose) {
    // Until the save has written the file the window may not close, not even when the save fails.
    canClose = false;
    canClose = MaybeSave(tr("Attention"),
                         tr("Cabrillo file is not saved now!\nSave it?", "question of closing the window"));
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (!m_ending) {
        bool canClose = false;
        // A save that stops with an error keeps the window open: canClose stays false.
        RunGuarded(m_desktop, this, [&] { FormCloseQuery(canClose); });
        if (!canClose) {
            event->ignore();
            return;
        }
        m_ending = true;
    }
    emit ending();
    event->accept();
}

void TForm1::EndProgram() {
    // Ending this way asks nothing more: closeEvent sees m_ending and lets every window go, and with
    // every window hidden the event loop stops.
    m_ending = true;
    close();
}

void TForm1::ShowError(const QString& caption, const QString& text) {
    m_desktop.ShowMessage(this, caption, text, Desktop::Icon::Error, Desktop::Buttons::Ok);
}

Desktop::Answer TForm1::Ask(const QString& caption, const QString& text) {
    return m_desktop.ShowMessage(this, caption, text, Desktop::Icon::Question, Desktop::Buttons::YesNo);
}

void TForm1::Button6Click() {
    if (!MaybeSave(tr("Attention"), tr("Cabrillo file is not saved now!\nSave it before open new file?")))
        return;
    // The log on screen is replaced only by a file read in full: a dismissed dialog, a file that cannot
    // be read or one too large to be a log leaves the list, the flags and every field as they were.
    const std::optional<QString> fileName =
        m_desktop.OpenFileName(this, QStringLiteral("Cabrillo files|*.cbr|All files|*.*"), 1, m_lastFolder);
    if (!fileName)
        return;
    const std::optional<std::string> bytes =
        zevo::ReadFileBytes(QFile::encodeName(*fileName).toStdString(), zevo::MaxCabrilloFileSize);
    if (!bytes) {
        ShowError(tr("Error"),
                  tr("File \"%1\" is too large to be a contest log (over %2 MB).\nNothing was loaded.")
                      .arg(*fileName)
                      .arg(zevo::MaxCabrilloFileSize / (1024 * 1024)));
        return;
    }
    m_lastFolder = QFileInfo(*fileName).absolutePath();
    m_log.SetLines(zevo::ReadCabrilloLines(*bytes));
    SetHeaderSet(true);
    // A file of nothing but END-OF-LOG: lines leaves no line to take the fields from.
    if (m_log.Count() == 0)
        return;
    SelectLastLine();
    ApplyLastLine(m_log.Lines().back());
}

void TForm1::ApplyLastLine(const std::string& line) {
    const zevo::LastLineFields fields = zevo::ReadLastLineFields(line);
    // Set directly: the reports and their limits stay as an operator's change of mode would not leave
    // them.
    if (fields.band) {
        const QSignalBlocker blocker(ComboBox1);
        ComboBox1->setCurrentIndex(*fields.band);
    }
    Select(ComboBox2, fields.phone ? "SSB" : "CW");
    {
        const QSignalBlocker blockDate(Edit2);
        const QSignalBlocker blockTime(Edit3);
        Edit2->setText(FromWin1250(fields.date));
        Edit3->setText(FromWin1250(fields.time));
    }
    // Minutes that are no number stop the load here, with the lines and the fields above in place.
    UpDown1->SetPosition(zevo::StrToInt(fields.minutes)); // spin position from the loaded minutes
    {
        const QSignalBlocker blockCall(Edit1);
        Edit1->setText(FromWin1250(fields.usedCall));
    }
    Edit4->setFocus();
}
