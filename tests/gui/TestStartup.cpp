// The main window as it starts, and leaving the program.
#include "GuiTest.h"
#include "Program.h"
#include "ScriptedDesktop.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include "UpDown.h"

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void proposesTheContestDateOfTheClocksYear_data();
    void proposesTheContestDateOfTheClocksYear();
    void startsWithTheDefaultsOfAContest();
    void reportFieldsTakeTwoCharactersAtStart();
    void entryFieldsRefuseWhatTheFilesCannotHold();
    void exitWithNothingUnsavedEndsWithoutAQuestion();
    void exitWithAnUnsavedLogAsksTheExitQuestion();
    void closingWithAnUnsavedLogAsksTheCloseQuestion();
    void infoOpensTheTextOfTheLanguageBesideTheProgram_data();
    void infoOpensTheTextOfTheLanguageBesideTheProgram();
    void headerButtonShowsTheDialogWithoutBlocking();
    void headerButtonRefusesOnceTheHeaderIsSet();
    void tabWalksTheControlsInEntryOrder();
    void typedModeDoesNotJoinTheModeList();
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

    QCOMPARE(main.windowTitle(), QStringLiteral("ZEVO Contest "));
    QVERIFY(!program.form2.isVisible());
    QVERIFY(!program.form3.isVisible());
    QCOMPARE(main.HeaderSet(), false);
    QCOMPARE(main.UnsavedLog(), false);
    QCOMPARE(main.Log().Count(), 0);

    auto* band = Find<QComboBox>(&main, "ComboBox1");
    QCOMPARE(band->count(), 6);
    QCOMPARE(band->currentText(), QStringLiteral("20M"));
    QCOMPARE(Find<QComboBox>(&main, "ComboBox2")->currentText(), QStringLiteral("SSB"));
    QCOMPARE(Find<QLineEdit>(&main, "Edit5")->text(), QStringLiteral("59"));
    QCOMPARE(Find<QLineEdit>(&main, "Edit7")->text(), QStringLiteral("59"));
    QCOMPARE(Find<QLineEdit>(&main, "Edit8")->text(), QStringLiteral("1"));
    QVERIFY(Find<QCheckBox>(&main, "CheckBox1")->isChecked());
    QCOMPARE(Find<QLineEdit>(&main, "Edit3")->text(), QStringLiteral("15:00"));
    QCOMPARE(Find<UpDown>(&main, "UpDown1")->Position(), 0);
    QCOMPARE(Find<UpDown>(&main, "UpDown1")->Min(), -1);
    QCOMPARE(Find<UpDown>(&main, "UpDown1")->Max(), 60);
    for (const char* empty : {"Edit1", "Edit4", "Edit6"})
        QVERIFY2(Find<QLineEdit>(&main, empty)->text().isEmpty(), empty);
    QVERIFY(!Find<QLineEdit>(&main, "Edit1")->isReadOnly());

    auto* province = Find<QComboBox>(&main, "ComboBox3");
    QCOMPARE(province->count(), 16);
    QCOMPARE(province->currentIndex(), -1);
    QVERIFY(province->currentText().isEmpty());
    QCOMPARE(province->itemText(1), QStringLiteral("C  - Łódzkie"));

    QVERIFY(Find<QRadioButton>(&main, "RadioButton2")->isChecked());
    QVERIFY(!Find<QRadioButton>(&main, "RadioButton1")->isChecked());
    QVERIFY(!main.Polish());
    // English: the number sent shows, the province selector does not.
    main.show();
    QVERIFY(Find<QLineEdit>(&main, "Edit8")->isVisible());
    QVERIFY(Find<QLabel>(&main, "Label10")->isVisible());
    QVERIFY(!province->isVisible());
    QVERIFY(!Find<QLabel>(&main, "Label14")->isVisible());
    QCOMPARE(Find<QLabel>(&main, "Label7")->text(), QStringLiteral("Report Sent"));
    QCOMPARE(Find<QPushButton>(&main, "Button6")->toolTip(), QStringLiteral("Load file to add QSOs"));

    QVERIFY(QFontInfo(Find<QListView>(&main, "ListBox1")->font()).fixedPitch());
    // The picture is a JPEG, decoded by the image plugin.
    const QPixmap picture = Find<QLabel>(&main, "Image1")->pixmap();
    QVERIFY(!picture.isNull());
    QVERIFY(Find<QLabel>(&main, "Image1")->hasScaledContents());
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestStartup::reportFieldsTakeTwoCharactersAtStart() {
    ScriptedDesktop desktop;
    Program program(desktop);
    for (const char* name : {"Edit5", "Edit7"}) {
        auto* report = Find<QLineEdit>(&program.form1, name);
        report->selectAll();
        QTest::keyClicks(report, "579");
        QCOMPARE(report->text(), QStringLiteral("57"));
    }
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestStartup::entryFieldsRefuseWhatTheFilesCannotHold() {
    ScriptedDesktop desktop;
    Program program(desktop);
    auto* call = Find<QLineEdit>(&program.form1, "Edit4");
    // Cyrillic and the yen sign have no Windows-1250 byte; Polish letters and the euro sign do.
    Type(call, QString::fromUtf8("sp5ш¥ąż€"));
    QCOMPARE(call->text(), QString::fromUtf8("SP5ąż€"));
    auto* used = Find<QLineEdit>(&program.form1, "Edit1");
    QTest::keyClicks(used, "qq1aaa/p");
    QCOMPARE(used->text(), QStringLiteral("QQ1AAA/P"));
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestStartup::exitWithNothingUnsavedEndsWithoutAQuestion() {
    ScriptedDesktop desktop;
    Program program(desktop);
    program.form1.show();
    QTest::mouseClick(Find<QPushButton>(&program.form1, "Button5"), Qt::LeftButton);
    QVERIFY(program.form1.Ending());
    QVERIFY(!program.form1.isVisible());
    QVERIFY(desktop.Boxes().isEmpty());
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestStartup::exitWithAnUnsavedLogAsksTheExitQuestion() {
    ScriptedDesktop desktop;
    Program program(desktop);
    program.form1.show();
    program.form1.SetHeaderSet(true);
    program.form1.SetUnsavedLog(true);
    desktop.Expect("Warning", "Cabrillo file is not saved now!\nSave it?", Desktop::Icon::Question,
                   Desktop::Buttons::YesNo, Desktop::Answer::No);
    QTest::mouseClick(Find<QPushButton>(&program.form1, "Button5"), Qt::LeftButton);
    QVERIFY(program.form1.Ending());
    QVERIFY(!program.form1.isVisible());
    // Ending by "Exit" does not ask the close question as well.
    QCOMPARE(desktop.Boxes().size(), 1);
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestStartup::closingWithAnUnsavedLogAsksTheCloseQuestion() {
    ScriptedDesktop desktop;
    Program program(desktop);
    program.form1.show();
    program.form1.SetHeaderSet(true);
    program.form1.SetUnsavedLog(true);
    desktop.Expect("Attention", "Cabrillo file is not saved now!\nSave it?", Desktop::Icon::Question,
                   Desktop::Buttons::YesNo, Desktop::Answer::No);
    QVERIFY(program.form1.close());
    QVERIFY(program.form1.Ending());
    QVERIFY(!program.form1.isVisible());
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
    QCOMPARE(program.form1.Polish(), polish);

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

void TestStartup::headerButtonShowsTheDialogWithoutBlocking() {
    ScriptedDesktop desktop;
    Program program(desktop);
    program.form1.show();
    QTest::mouseClick(Find<QPushButton>(&program.form1, "Button1"), Qt::LeftButton);
    QVERIFY(program.form2.isVisible());
    QVERIFY(!program.form2.isModal());
    // The main window stays usable: a second press brings the same dialog forward.
    QTest::mouseClick(Find<QPushButton>(&program.form1, "Button1"), Qt::LeftButton);
    QVERIFY(program.form2.isVisible());
    QVERIFY(desktop.Boxes().isEmpty());
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestStartup::headerButtonRefusesOnceTheHeaderIsSet() {
    ScriptedDesktop desktop;
    Program program(desktop);
    program.form1.show();
    program.form1.SetHeaderSet(true);
    desktop.Expect(
        "Cabrillo header",
        "Sorry, but you cannot change Cabrillo file header now!\nPlease use external editor like Notepad "
        "after end of program\nto make changes in Cabrillo output file.",
        Desktop::Icon::Error, Desktop::Buttons::Ok, Desktop::Answer::Ok);
    QTest::mouseClick(Find<QPushButton>(&program.form1, "Button1"), Qt::LeftButton);
    QVERIFY(!program.form2.isVisible());
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

void TestStartup::typedModeDoesNotJoinTheModeList() {
    ScriptedDesktop desktop;
    Program program(desktop);
    ShowActive(&program.form1);
    auto* mode = Find<QComboBox>(&program.form1, "ComboBox2");
    mode->lineEdit()->selectAll();
    QTest::keyClicks(mode->lineEdit(), "RTTY");
    QTest::keyClick(mode->lineEdit(), Qt::Key_Return);
    QCOMPARE(mode->count(), 2);
    QCOMPARE(mode->itemText(0), QStringLiteral("SSB"));
    QCOMPARE(mode->itemText(1), QStringLiteral("CW"));
    VERIFY_SCRIPT_PLAYED(desktop);
}

QTEST_MAIN(TestStartup)
#include "TestStartup.moc"
