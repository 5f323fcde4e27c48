#include "Unit1.h"

#include "CabrilloFile.h"
#include "CabrilloReader.h"
#include "Conversion.h"
#include "DateTime.h"
#include "RunTimeError.h"
#include "checkfile/CheckFileCommands.h"
#include "entry/DupeWatch.h"
#include "entry/EntryEvents.h"
#include "log/LogCorrections.h"
#include "platform/FileChoice.h"
#include "platform/Guard.h"
#include "platform/InfoText.h"
#include "platform/Win1250.h"
#include "session/SessionJournal.h"
#include "session/SessionRecorder.h"
#include "widgets/Accessibility.h"
#include "widgets/GrowingLayout.h"
#include "widgets/LogFont.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLibraryInfo>
#include <algorithm>

namespace {

// The credit that follows the version in the "Info" hint and the version label.
const char* const Credit = "by the ZEVO Contest team";

} // namespace

TForm1::TForm1(Desktop& desktop, QWidget* parent) : QMainWindow(parent), m_desktop(desktop) {
    InstallAccessibility();
    setupUi(this);
    // The layout's own place is not applied to a top-level window.
    move(262, 125);
    ListBox1->setModel(&m_log);
    ListBox1->setFont(LogFont());
    OpenContextMenuFromKeyboard(ListBox1);
    UpDown1->SetRange(-1, 60);

    m_entry.SetUpFields();

    // The menu bar runs the same handlers as the buttons.
    for (const auto& [button, action, handler] :
         {std::tuple<QPushButton*, QAction*, void (TForm1::*)()>{Button1, nullptr, &TForm1::Button1Click},
          std::tuple{Button2, ActionSave, &TForm1::Button2Click},
          std::tuple{Button3, ActionInfo, &TForm1::Button3Click},
          std::tuple<QPushButton*, QAction*, void (TForm1::*)()>{Button4, nullptr, &TForm1::Button4Click},
          std::tuple{Button5, ActionExit, &TForm1::Button5Click},
          std::tuple{Button6, ActionLoad, &TForm1::Button6Click},
          std::tuple{Button7, ActionSaveAdif, &TForm1::Button7Click},
          std::tuple<QPushButton*, QAction*, void (TForm1::*)()>{nullptr, ActionImportAdif,
                                                                 &TForm1::ImportAdifClick}}) {
        if (button)
            ConnectGuarded(button, &QPushButton::clicked, this, m_desktop, handler);
        if (action)
            ConnectGuarded(action, &QAction::triggered, this, m_desktop, handler);
    }
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
    ConnectGuarded(UpDown1, &UpDown::Click, this, m_desktop, &TForm1::UpDown1Click);
    ConnectGuarded(ComboBox2, &QComboBox::activated, this, m_desktop, &TForm1::ComboBox2Change);
    // The program writes only digits into the number sent and checks the box only over "1": the
    // operator's changes are the ones to follow.
    ConnectGuarded(Edit8, &QLineEdit::textEdited, this, m_desktop, &TForm1::Edit8Change);
    ConnectGuarded(CheckBox1, &QCheckBox::clicked, this, m_desktop, &TForm1::CheckBox1Click);
    m_dupeWatch = std::make_unique<DupeWatch>(m_document, static_cast<Ui::TForm1&>(*this), m_entry, this);
    // A load or a restored session sets band and mode without their signals: the verdict follows.
    m_entry.OnFieldsSet([this] { m_dupeWatch->Update(); });
    m_checkFile = new CheckFileCommands(m_desktop, this, ActionLoadCheckFile, ActionRemoveCheckFile);
    connect(m_checkFile, &CheckFileCommands::changed, this,
            [this] { m_dupeWatch->SetCheckFile(&m_checkFile->Calls()); });
    WatchEntryFields();
    connect(ActionCheckLog, &QAction::triggered, this, &TForm1::logCheckRequested);
    connect(ActionStatistics, &QAction::triggered, this, &TForm1::statisticsRequested);
    for (const auto& [action, button] :
         {std::pair{ActionPolski, RadioButton1}, std::pair{ActionEnglish, RadioButton2}}) {
        m_languages.addAction(action);
        connect(action, &QAction::triggered, button, &QRadioButton::click);
    }
    // The list grows with the window, which starts wide enough for a whole QSO line in the font the
    // desktop gives the log.
    auto* layout =
        new GrowingLayout(this, centralWidget(), ListBox1,
                          {RadioButton1, RadioButton2, Button6, Button2, Button7, Button3, Button5, Label15});
    layout->Widen(ListBox1->WidthFor(zevo::QsoLineLength) - ListBox1->width());
    m_corrections = std::make_unique<LogCorrections>(
        m_desktop, m_document,
        LogCorrections::Controls{ListBox1, ActionEditContact, ActionDeleteContact, ActionUndo, ActionRedo},
        this, [this](const LogHistory::EntryFields& fields) {
            // Undoing an add gives back the fields as they were before it, to type it again.
            Edit4->setText(fields.call);
            Edit6->setText(fields.numberReceived);
            Edit8->setText(fields.numberSent);
        });
    m_corrections->PassUndoFrom({Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7, Edit8});
    connect(m_corrections.get(), &LogCorrections::headerLineChosen, this, [this] { ShowHeaderLocked(); });
    connect(m_corrections.get(), &LogCorrections::unsavedChanged, this,
            [this](bool unsaved) { m_unsavedLog = unsaved; });

    FormCreate();
    StartLive();
}

// The translator takes itself out of the application as it goes.
TForm1::~TForm1() = default;

void TForm1::WatchEntryFields() {
    auto* events = new EntryEvents(m_desktop, this);
    const auto keyDown = [this](void (TForm1::*handler)(int, Qt::KeyboardModifiers)) {
        return [this, handler](int key, Qt::KeyboardModifiers shift) { (this->*handler)(key, shift); };
    };
    const auto keyPress = [this](void (TForm1::*handler)(QChar&)) {
        return [this, handler](QChar& key) { (this->*handler)(key); };
    };
    events->Watch(Edit1, {.left = [this] { Edit1Exit(); }});
    events->Watch(Edit2, {.left = [this] { Edit2Exit(); }});
    events->Watch(Edit3, {.left = [this] { Edit3Exit(); }});
    events->Watch(Edit4,
                  {.keyPress = keyPress(&TForm1::Edit4KeyPress), .keyDown = keyDown(&TForm1::Edit4KeyDown)});
    events->Watch(Edit5, {.keyPress = keyPress(&TForm1::Edit5KeyPress)});
    events->Watch(Edit6, {.left = [this] { Edit6Exit(); },
                          .keyPress = keyPress(&TForm1::Edit6KeyPress),
                          .keyDown = keyDown(&TForm1::Edit6KeyDown)});
    events->Watch(Edit7, {.keyPress = keyPress(&TForm1::Edit7KeyPress)});
    events->Watch(ComboBox3, {.keyPress = keyPress(&TForm1::ComboBox3KeyPress)});
    connect(events, &EntryEvents::keyHandled, this, [this] {
        if (m_recorder)
            m_recorder->StateChanged();
        // Typing goes on: a warning waiting for a pause waits longer.
        if (m_journalWarningBox.isActive())
            m_journalWarningBox.start();
    });
    connect(events, &EntryEvents::keyHandled, m_dupeWatch.get(), &DupeWatch::Update);
}

void TForm1::Edit4KeyDown(int key, Qt::KeyboardModifiers shift) {
    if (key == Qt::Key_Down && !(shift & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) &&
        m_dupeWatch->EnterList())
        return;
    m_entry.KeyDown(key, shift);
}

void TForm1::SetUnsavedLog(bool unsaved) {
    m_unsavedLog = unsaved;
    if (unsaved)
        m_corrections->History().MarkUnsaved();
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

QString TForm1::LanguageCode() const {
    // A language radio button names its translation in the "languageCode" property; the one
    // without a code is the source language, English.
    for (const QRadioButton* button : findChildren<QRadioButton*>())
        if (button->isChecked() && button->property("languageCode").isValid())
            return button->property("languageCode").toString();
    return {};
}

void TForm1::ApplyLanguage() {
    const QString code = LanguageCode();
    // Of the language buttons only the checked one is a tab stop.
    for (QRadioButton* button : findChildren<QRadioButton*>())
        if (button->property("languageCode").isValid())
            button->setFocusPolicy(button->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    QCoreApplication::removeTranslator(&m_translator);
    QCoreApplication::removeTranslator(&m_qtTranslator);
    if (!code.isEmpty() && m_translator.load(QStringLiteral(":/i18n/zevo_") + code))
        QCoreApplication::installTranslator(&m_translator);
    // Qt's own texts, those of the file dialogs and the standard buttons, from the system's Qt
    // translations; without them those stay English and the rest still speaks the language.
    if (!code.isEmpty() &&
        m_qtTranslator.load(QStringLiteral("qt_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qtTranslator);

    const bool polish = Polish();
    for (QWidget* english : std::initializer_list<QWidget*>{Label10, Edit8, CheckBox1, Label13, Label12})
        english->setVisible(!polish);
    for (QWidget* polishOnly : std::initializer_list<QWidget*>{Label14, ComboBox3})
        polishOnly->setVisible(polish);

    retranslateUi(this);
    ActionPolski->setChecked(polish);
    ActionEnglish->setChecked(!polish);
    ListBox1->setAccessibleName(tr("Log"));
    // The exchange sent is named by what it holds in the language of the moment.
    Panel1->setAccessibleName(polish ? Label14->text() : Label10->text());
    NameBoxesByLabels(this);
    m_corrections->ApplyLanguage();
    UpDown1->SetArrowNames(tr("One minute later"), tr("One minute earlier"));
    Button3->setToolTip(tr("Ver. 4.00 freeware ") + QString::fromLatin1(Credit));
    m_dupeWatch->Retranslate();
    m_checkFile->Retranslate();
    if (m_radioStatus)
        m_radioStatus->setText(m_radio->StatusText());
    update();
    emit languageApplied();
}

void TForm1::RadioButton1Click() {
    ApplyLanguage();
}

void TForm1::RadioButton2Click() {
    ApplyLanguage();
}

void TForm1::Button1Click() {
    if (m_headerSet)
        return ShowHeaderLocked();
    emit headerDialogRequested();
}

void TForm1::ShowHeaderLocked() {
    ShowError(tr("Cabrillo header"),
              tr("Sorry, but you cannot change Cabrillo file header now!\nPlease use external editor like "
                 "Notepad after end of program\nto make changes in Cabrillo output file."));
}

void TForm1::ApplyCategory(const zevo::Category& category) {
    const SessionRecorder::Hold hold(m_recorder.get());
    if (category.mode)
        Select(ComboBox2, *category.mode);
    if (category.reports) {
        // Set directly: the report fields keep the length limit they have.
        Edit5->setText(FromWin1250(*category.reports));
        Edit7->setText(FromWin1250(*category.reports));
    }
    if (category.band)
        Select(ComboBox1, *category.band);
    m_dupeWatch->Update();
}

void TForm1::ApplyHeader(const std::vector<std::string>& headerLines, const QString& usedCall) {
    const SessionRecorder::Hold hold(m_recorder.get());
    Edit1->setText(usedCall);
    m_document.Append(headerLines);
    SetHeaderSet(true);
    m_unsavedLog = true;
    m_corrections->History().Restart(false);
    Edit1->setReadOnly(true);
    activateWindow();
    Edit4->setFocus();
}

void TForm1::BringForward() {
    show();
    raise();
    activateWindow();
}

void TForm1::ReturnToCall() {
    BringForward();
    Edit4->setFocus();
}

void TForm1::Button2Click() {
    Save();
}

bool TForm1::Save() {
    if (!m_headerSet) {
        ShowError(tr("Error"), tr("Please set the Header of Cabrillo file first!"));
        return false;
    }
    const QString proposed = FromWin1250(zevo::ProposedCabrilloFileName(ToWin1250(Edit1->text())));
    const std::optional<QString> fileName =
        ChooseFileToWrite(m_desktop, this, proposed, tr("Cabrillo files|*.cbr|All files|*.*"));
    if (!fileName)
        return false;
    // The log list changes only once the file holds it: a save that fails leaves the list, the
    // unsaved-log flag and any earlier file exactly as they were.
    if (!WriteOrTell(m_desktop, this, *fileName, [&] {
            zevo::WriteCabrilloFile(QFile::encodeName(*fileName).toStdString(), m_document.Lines());
        }))
        return false;
    {
        const SessionRecorder::Hold hold(m_recorder.get());
        m_document.MoveToEnd(std::string(zevo::EndOfLogLine));
        m_unsavedLog = false;
        m_corrections->History().MarkSaved();
    }
    // The journal must never offer back a log older than the file: one that had stopped starts anew.
    if (m_recorder)
        m_recorder->LogSaved();
    m_lastFolder = QFileInfo(*fileName).absolutePath();
    m_desktop.ShowMessage(this, tr("Information"), tr("Cabrillo file is saved!"), Desktop::Icon::Information,
                          Desktop::Buttons::Ok);
    return true;
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
    const QString path = InfoTextPath(QCoreApplication::applicationDirPath(), name);
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
    // Live, the contact is stamped with the minute it is added in.
    if (m_entry.RealTime())
        ClockTick();
    // A date or time that never left its field unchecked (or was stepped from an unchecked one) would
    // shift the line's columns.
    if (!m_entry.CheckDate() || !m_entry.CheckTime() || !m_entry.CheckDateTimeValues())
        return;

    const SessionRecorder::Hold hold(m_recorder.get());
    LogHistory& history = m_corrections->History();
    history.Add(zevo::ComposeQsoLine(ContactToAdd()), {Edit4->text(), Edit6->text(), Edit8->text()});
    // The contact is in the log whatever happens to the number sent, so the window must say so
    // before a number that cannot be raised is reported.
    std::optional<zevo::RunTimeError> numberError;
    try {
        m_entry.RaiseNumberSent();
    } catch (const zevo::RunTimeError& error) {
        numberError = error;
    }
    m_unsavedLog = true;
    // Set, not cleared: the fields' own undo starts anew with the next contact, so that Ctrl+Z in an
    // empty field reaches the log.
    Edit4->setText(QString());
    Edit6->setText(QString());
    Edit4->setFocus();
    SelectLastLine();
    history.FieldsAfterAdd({Edit4->text(), Edit6->text(), Edit8->text()});
    // The hold writes the contact with the number sent after it as one record.
    if (numberError)
        throw *numberError;
}

void TForm1::SelectLastLine() {
    const QModelIndex last = m_log.index(m_log.Count() - 1);
    ListBox1->setCurrentIndex(last);
    ListBox1->scrollTo(last);
}

void TForm1::SelectLogLine(int row) {
    // A check made before lines were removed may name one the log no longer has.
    if (row < 0 || row >= m_log.Count())
        return;
    const QModelIndex line = m_log.index(row);
    ListBox1->setCurrentIndex(line);
    ListBox1->scrollTo(line);
    raise();
    activateWindow();
    ListBox1->setFocus();
}

void TForm1::Button5Click() {
    if (MaybeSave(tr("Warning"), tr("Cabrillo file is not saved now!\nSave it?", "question of Exit")))
        EndProgram();
}

void TForm1::Button7Click() {
    if (!m_headerSet) {
        ShowError(tr("Error"), tr("Please set the Header of Cabrillo file first!"));
        return;
    }
    // The operator works in the export dialog until leaving it, which shows this window again.
    hide();
    emit exportDialogRequested(Edit1->text());
}

void TForm1::FormCloseQuery(bool& canClose) {
    canClose = MaybeSave(tr("Attention"),
                         tr("Cabrillo file is not saved now!\nSave it?", "question of closing the window"));
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (!m_ending) {
        // Until the save has written the file the window may not close: a save that stops with an error
        // leaves canClose false.
        bool canClose = false;
        RunGuarded(m_desktop, this, [&] { FormCloseQuery(canClose); });
        if (!canClose) {
            event->ignore();
            return;
        }
        m_ending = true;
    }
    // Only a normal end gets here: the session needs its journal no more.
    if (m_recorder)
        m_recorder->Remove();
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

void TForm1::Edit1Exit() {
    if (m_headerSet || Edit1->text().isEmpty())
        return;
    emit headerDialogRequestedWithCall(Edit1->text());
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
    zevo::LogFileBytes file =
        zevo::ReadLogFileBytes(QFile::encodeName(*fileName).toStdString(), zevo::MaxCabrilloFileSize);
    if (file.refused == zevo::LogFileBytes::Refused::NotRegular) {
        ShowError(tr("Error"),
                  tr("\"%1\" is not a regular file, such as a device or a pipe.\nNothing was loaded.")
                      .arg(*fileName));
        return;
    }
    if (file.refused == zevo::LogFileBytes::Refused::TooLarge) {
        ShowError(tr("Error"),
                  tr("File \"%1\" is too large to be a contest log (over %2 MB).\nNothing was loaded.")
                      .arg(*fileName)
                      .arg(zevo::MaxCabrilloFileSize / (std::size_t{1024} * 1024)));
        return;
    }
    // The lines take the file's bytes as their own: the log holds no second copy of them.
    zevo::LineStore lines = zevo::ReadCabrilloLines(std::move(file.bytes));
    // Only a log replaces the log: a picture or an empty file changes nothing.
    if (!zevo::IsContestLog(lines.Text(), lines)) {
        ShowError(tr("Error"), tr("File \"%1\" is not a Cabrillo log.\nNothing was loaded.").arg(*fileName));
        return;
    }
    // Everything the fields take is read before the log changes: a load is whole or nothing.
    const zevo::LoadedLog loaded = zevo::ReadLoadedLog(lines);
    m_lastFolder = QFileInfo(*fileName).absolutePath();
    const SessionRecorder::Hold hold(m_recorder.get());
    m_document.ReplaceAll(std::move(lines));
    m_corrections->History().Restart(!m_unsavedLog);
    SetHeaderSet(true);
    SelectLastLine();
    m_entry.ApplyLoaded(loaded);
}
