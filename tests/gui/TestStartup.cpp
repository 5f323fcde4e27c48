// The main window as it starts, its entry fields' own rules, the header button, "Info", and leaving
// the program.
#include "GuiTest.h"
#include "Program.h"
#include "ScriptedDesktop.h"
#include "log/LogTableView.h"
#include "widgets/UpDown.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void proposesTheContestDateOfTheClocksYear_data();
    void proposesTheContestDateOfTheClocksYear();
    void startsWithTheDefaultsOfAContest();
    void entryFieldsKeepTheirOwnRules();
    void tabWalksTheControlsInEntryOrder();
    void leavingAsksOnlyWhenTheLogIsUnsaved_data();
    void leavingAsksOnlyWhenTheLogIsUnsaved();
    void infoOpensTheTextOfTheLanguageBesideTheProgram_data();
    void infoOpensTheTextOfTheLanguageBesideTheProgram();
    void headerButtonShowsTheDialogUntilTheHeaderIsSet();
};

void TestStartup::proposesTheContestDateOfTheClocksYear_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("date");
    QTest::newRow("2026") << 2026 << "2026-04-05";
    QTest::newRow("2004") << 2004 << "2004-04-03";
    // No date for 2003: the field keeps the text it was built with.
    QTest::newRow("2003") << 2003 << "Edit2";
}

void TestStartup::proposesTheContestDateOfTheClocksYear() {
    QFETCH(int, year);
    QFETCH(QString, date);
    ScriptedDesktop desktop;
    desktop.SetToday(QDate(year, 12, 31));
    Program program(desktop);
    QCOMPARE(Find<QLineEdit>(&program.form1, "Edit2")->text(), date);
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestStartup::startsWithTheDefaultsOfAContest() {
    ScriptedDesktop desktop;
    Program program(desktop);
    TForm1& main = program.form1;
    main.show();
    QCOMPARE(main.windowTitle(), QStringLiteral("ZEVO Contest "));
    QVERIFY(!program.Form2().isVisible() && !program.Form3().isVisible());
    QVERIFY(!main.HeaderSet() && !main.UnsavedLog());
    QCOMPARE(main.LogList().Count(), 0);

    const std::pair<const char*, const char*> texts[] = {
        {"Edit1", ""},   {"Edit2", "2026-04-05"}, {"Edit3", "15:00"}, {"Edit4", ""},
        {"Edit5", "59"}, {"Edit6", ""},           {"Edit7", "59"},    {"Edit8", "1"}};
    for (const auto& [name, text] : texts)
        QVERIFY2(Find<QLineEdit>(&main, name)->text() == QLatin1String(text), name);
    QVERIFY(!Find<QLineEdit>(&main, "Edit1")->isReadOnly());
    QCOMPARE(Find<QComboBox>(&main, "ComboBox1")->currentText(), QStringLiteral("20M"));
    QCOMPARE(Find<QComboBox>(&main, "ComboBox2")->currentText(), QStringLiteral("SSB"));
    auto* province = Find<QComboBox>(&main, "ComboBox3");
    QCOMPARE(province->count(), 16);
    QCOMPARE(province->currentIndex(), -1);
    QVERIFY(province->currentText().isEmpty());
    QVERIFY(Find<QCheckBox>(&main, "CheckBox1")->isChecked());
    auto* spin = Find<UpDown>(&main, "UpDown1");
    QCOMPARE(QList<int>({spin->Min(), spin->Position(), spin->Max()}), QList<int>({-1, 0, 60}));
    QVERIFY(Find<QRadioButton>(&main, "RadioButton2")->isChecked() && !main.Polish());
    QVERIFY(LogTableView::EveryCharacterAdvancesAlike(Find<QAbstractItemView>(&main, "ListBox1")->font()));
    // A screen reader names the list and each arrow of the spin.
    for (QWidget* named :
         {Find<QWidget>(&main, "ListBox1"), Find<QWidget>(spin, "up"), Find<QWidget>(spin, "down")})
        QVERIFY(!named->accessibleName().isEmpty());
    // The picture is a JPEG, decoded by the image plugin.
    QVERIFY(!Find<QLabel>(&main, "Image1")->pixmap().isNull());
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestStartup::entryFieldsKeepTheirOwnRules() {
    ScriptedDesktop desktop;
    Program program(desktop);
    ShowActive(&program.form1);
    // Two characters of report at start.
    for (const char* name : {"Edit5", "Edit7"}) {
        auto* report = Find<QLineEdit>(&program.form1, name);
        report->selectAll();
        QTest::keyClicks(report, "579");
        QCOMPARE(report->text(), QStringLiteral("57"));
    }
    // Cyrillic and the yen sign have no Windows-1250 byte; Polish letters and the euro sign do.
    auto* call = Find<QLineEdit>(&program.form1, "Edit4");
    Type(call, QString::fromUtf8("sp5ш¥ąż€"));
    QCOMPARE(call->text(), QString::fromUtf8("SP5ĄŻ€"));
    // The mode box takes typed text, but nothing typed joins its two entries.
    auto* mode = Find<QComboBox>(&program.form1, "ComboBox2");
    mode->lineEdit()->selectAll();
    QTest::keyClicks(mode->lineEdit(), "RTTY");
    QTest::keyClick(mode->lineEdit(), Qt::Key_Return);
    QCOMPARE(mode->count(), 2);
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestStartup::tabWalksTheControlsInEntryOrder() {
    ScriptedDesktop desktop;
    Program program(desktop);
    TForm1& main = program.form1;
    ShowActive(&main);
    Find<QLineEdit>(&main, "Edit1")->setFocus();
    QStringList walked{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 20; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        walked << QApplication::focusWidget()->objectName();
    }
    // English: the province selector is hidden; of the radio buttons only the checked one is a stop.
    // Call, number received and "Add to file" follow each other.
    const QStringList expected{"Edit1",        "Button1", "ListBox1", "ComboBox1", "Edit2",   "Edit3",
                               "Edit4",        "Edit6",   "Button4",  "ComboBox2", "Edit8",   "CheckBox1",
                               "Edit7",        "Edit5",   "Button2",  "Button3",   "Button5", "Button6",
                               "RadioButton2", "Button7", "Edit1"};
    QCOMPARE(walked, expected);
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestStartup::leavingAsksOnlyWhenTheLogIsUnsaved_data() {
    QTest::addColumn<bool>("exit"); // "Exit", or closing the window
    QTest::addColumn<bool>("unsaved");
    QTest::addColumn<QString>("caption"); // of the question, none when empty
    QTest::newRow("Exit, saved") << true << false << "";
    QTest::newRow("Exit, unsaved") << true << true << "Warning";
    QTest::newRow("close, saved") << false << false << "";
    QTest::newRow("close, unsaved") << false << true << "Attention";
}

void TestStartup::leavingAsksOnlyWhenTheLogIsUnsaved() {
    QFETCH(bool, exit);
    QFETCH(bool, unsaved);
    QFETCH(QString, caption);
    ScriptedDesktop desktop;
    Program program(desktop);
    program.form1.show();
    program.form1.SetHeaderSet(true);
    program.form1.SetUnsavedLog(unsaved);
    if (!caption.isEmpty())
        desktop.Expect(caption, "Cabrillo file is not saved now!\nSave it?", Desktop::Icon::Question,
                       Desktop::Buttons::YesNo, Desktop::Answer::No);
    if (exit)
        QTest::mouseClick(Find<QPushButton>(&program.form1, "Button5"), Qt::LeftButton);
    else
        QVERIFY(program.form1.close());
    // No ends the program and writes nothing; "Exit" does not ask the close question as well.
    QVERIFY(program.form1.Ending());
    QVERIFY(!program.form1.isVisible());
    QCOMPARE(desktop.Boxes().size(), caption.isEmpty() ? 0 : 1);
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestStartup::infoOpensTheTextOfTheLanguageBesideTheProgram_data() {
    QTest::addColumn<bool>("polish");
    QTest::addColumn<QString>("file");
    QTest::newRow("English") << false << "info_eng.txt";
    QTest::newRow("Polish") << true << "info_pl.txt";
}

void TestStartup::infoOpensTheTextOfTheLanguageBesideTheProgram() {
    QFETCH(bool, polish);
    QFETCH(QString, file);
    ScriptedDesktop desktop;
    Program program(desktop);
    program.form1.show();
    if (polish)
        QTest::mouseClick(Find<QRadioButton>(&program.form1, "RadioButton1"), Qt::LeftButton);

    const QString before = QDir::currentPath();
    QTemporaryDir elsewhere;
    QVERIFY(QDir::setCurrent(elsewhere.path()));
    QTest::mouseClick(Find<QPushButton>(&program.form1, "Button3"), Qt::LeftButton);
    QDir::setCurrent(before);

    QCOMPARE(desktop.OpenedInEditor().size(), 1);
    const QFileInfo opened(desktop.OpenedInEditor().first());
    QCOMPARE(opened.fileName(), file);
    QCOMPARE(opened.absolutePath(), QCoreApplication::applicationDirPath());
    // The build puts the texts beside every program it makes.
    QVERIFY2(opened.exists(), qPrintable(opened.filePath()));
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestStartup::headerButtonShowsTheDialogUntilTheHeaderIsSet() {
    ScriptedDesktop desktop;
    Program program(desktop);
    program.form1.show();
    auto* headerButton = Find<QPushButton>(&program.form1, "Button1");
    // Shown without blocking: the main window stays usable, and a second press brings it forward.
    QTest::mouseClick(headerButton, Qt::LeftButton);
    QVERIFY(program.Form2().isVisible() && !program.Form2().isModal());
    QTest::mouseClick(headerButton, Qt::LeftButton);
    QVERIFY(program.Form2().isVisible());
    program.Form2().hide();

    program.form1.SetHeaderSet(true);
    desktop.Expect(
        "Cabrillo header",
        "Sorry, but you cannot change Cabrillo file header now!\nPlease use external editor like Notepad "
        "after end of program\nto make changes in Cabrillo output file.",
        Desktop::Icon::Error, Desktop::Buttons::Ok, Desktop::Answer::Ok);
    QTest::mouseClick(headerButton, Qt::LeftButton);
    QVERIFY(!program.Form2().isVisible());
    VERIFY_SCRIPT_PLAYED(desktop);
}

QTEST_MAIN(TestStartup)
#include "TestStartup.moc"
