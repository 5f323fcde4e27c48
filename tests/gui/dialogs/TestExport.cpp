// The ADIF export dialog: opening it from the main window, its fields, saving, and leaving it.
#include "Adif.h"
#include "FileSizeLimit.h"
#include "LogEntry.h"
#include "ScriptedDesktop.h"

#include <QCheckBox>
#include <QDir>
#include <QDockWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>

namespace {

using Answer = Desktop::Answer;

const char* const Qso = "QSO: 14000 PH 2026-04-05 1500 QQ1AAA        59       1 QQ2BBB        59      12";

QString EditText(QWidget* window, const char* name) {
    return Find<QLineEdit>(window, name)->text();
}

// A running program with a header in place and one contact, the export dialog opened from the main window.
struct Opened {
    explicit Opened(bool polish = false) {
        desktop.SetToday(QDate(2027, 1, 2));
        ShowActive(&program.form1);
        if (polish)
            QTest::mouseClick(Find<QRadioButton>(&program.form1, "RadioButton1"), Qt::LeftButton);
        SetHeader(program.form1);
        program.form1.Document().Append(Qso);
        QTest::mouseClick(Find<QPushButton>(&program.form1, "Button7"), Qt::LeftButton);
    }
    ScriptedDesktop desktop;
    Program program{desktop};
};

} // namespace

class TestExport : public QObject {
    Q_OBJECT
private slots:
    void refusedBeforeTheHeaderIsSet();
    void openingProposesCommentAndOperatorAndKeepsTheBox();
    void saving_data();
    void saving();
    void theMainWindowComesBackAsItWas();
};

void TestExport::refusedBeforeTheHeaderIsSet() {
    ScriptedDesktop desktop;
    Program program(desktop);
    program.form1.show();
    desktop.Expect("Error", "Please set the Header of Cabrillo file first!", Desktop::Icon::Error,
                   Desktop::Buttons::Ok, Answer::Ok);
    QTest::mouseClick(Find<QPushButton>(&program.form1, "Button7"), Qt::LeftButton);
    QVERIFY(program.form1.isVisible() && !program.Form3().isVisible());
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestExport::openingProposesCommentAndOperatorAndKeepsTheBox() {
    Opened run;
    TForm1& main = run.program.form1;
    TForm3& dialog = run.program.Form3();
    QVERIFY(!main.isVisible() && dialog.isVisible());
    // In the main window's place, centred over it.
    QVERIFY((dialog.frameGeometry().center() - main.frameGeometry().center()).manhattanLength() <= 2);
    QCOMPARE(EditText(&dialog, "Edit1"), QStringLiteral("ZEVO Contest 2027"));
    QCOMPARE(EditText(&dialog, "Edit2"), QStringLiteral("QQ1AAA"));
    auto* frequency = Find<QCheckBox>(&dialog, "CheckBox1");
    QVERIFY(!frequency->isChecked());

    // Changed, then left by "Exit" and by the window's close control; each opening proposes anew.
    for (const bool closeControl : {false, true}) {
        for (const char* edit : {"Edit1", "Edit2"}) {
            Find<QLineEdit>(&dialog, edit)->selectAll();
            Type(Find<QLineEdit>(&dialog, edit), "x");
        }
        QTest::keyClick(frequency, Qt::Key_Space);
        if (closeControl)
            QVERIFY(dialog.close());
        else
            QTest::mouseClick(Find<QPushButton>(&dialog, "Button2"), Qt::LeftButton);
        QVERIFY(main.isVisible() && !dialog.isVisible());

        run.desktop.SetToday(QDate(2028, 12, 31));
        QTest::mouseClick(Find<QPushButton>(&main, "Button7"), Qt::LeftButton);
        QVERIFY(!main.isVisible() && dialog.isVisible());
        QCOMPARE(EditText(&dialog, "Edit1"), QStringLiteral("ZEVO Contest 2028"));
        QCOMPARE(EditText(&dialog, "Edit2"), QStringLiteral("QQ1AAA"));
        QCOMPARE(frequency->isChecked(), !closeControl);
    }
    // Opened after a switch of language, the dialog speaks the new one.
    const QString english = dialog.windowTitle();
    QTest::mouseClick(Find<QPushButton>(&dialog, "Button2"), Qt::LeftButton);
    QTest::mouseClick(Find<QRadioButton>(&main, "RadioButton1"), Qt::LeftButton);
    QTest::mouseClick(Find<QPushButton>(&main, "Button7"), Qt::LeftButton);
    QVERIFY(dialog.windowTitle() != english);
    VERIFY_SCRIPT_PLAYED(run.desktop);
}

void TestExport::saving_data() {
    QTest::addColumn<bool>("polish");
    QTest::addColumn<bool>("dismissed"); // the save dialog is dismissed every time, else it names a path
    QTest::addColumn<bool>("existing");  // the file is there before
    QTest::addColumn<QList<Answer>>("answers"); // to the overwrite question, in turn
    QTest::addColumn<QString>("error");
    QTest::newRow("new file") << false << false << false << QList<Answer>{} << "";
    QTest::newRow("dismissed") << false << true << false << QList<Answer>{} << "";
    QTest::newRow("Polish, dismissed, Yes") << true << true << true << QList<Answer>{Answer::Yes} << "";
    QTest::newRow("No, Yes") << false << false << true << QList<Answer>{Answer::No, Answer::Yes} << "";
    QTest::newRow("No, Cancel") << false << false << true << QList<Answer>{Answer::No, Answer::Cancel} << "";
    QTest::newRow("disk full") << false << false << true << QList<Answer>{Answer::Yes} << "Disk full.";
}

void TestExport::saving() {
    QFETCH(bool, polish);
    QFETCH(bool, dismissed);
    QFETCH(bool, existing);
    QFETCH(QList<Answer>, answers);
    QFETCH(QString, error);
    QTemporaryDir folder;
    const QString before = QDir::currentPath();
    QDir::setCurrent(folder.path());
    const QString path = dismissed ? QStringLiteral("qq1aaa.adi") : folder.filePath("chosen.adi");
    if (existing)
        QVERIFY(WriteFileBytes(path, "old"));
    Opened run(polish);
    TForm3& dialog = run.program.Form3();
    QTest::keyClick(Find<QCheckBox>(&dialog, "CheckBox1"), Qt::Key_Space);
    const auto log = run.program.form1.Document().Lines();

    for (qsizetype i = 0; i < std::max<qsizetype>(answers.size(), 1); ++i) {
        run.desktop.ChooseFile(dismissed ? std::nullopt : std::optional<QString>(path));
        if (i < answers.size())
            run.desktop.Expect(polish ? QStringLiteral("Uwaga") : QStringLiteral("Warning"),
                               (polish ? QString::fromUtf8("Plik \"%1\" istnieje.\nCzy chcesz go zastąpić?")
                                       : QStringLiteral("File \"%1\" exists.\nDo you want to overwrite it?"))
                                   .arg(path),
                               Desktop::Icon::Warning, Desktop::Buttons::YesNoCancel, answers[i]);
    }
    const bool written = error.isEmpty() && (answers.isEmpty() || answers.last() == Answer::Yes);
    if (!error.isEmpty())
        ExpectNotSaved(run.desktop, path, error);
    if (written)
        run.desktop.Expect(polish ? QStringLiteral("Informacja") : QStringLiteral("Information"),
                           polish ? QString::fromUtf8("Plik ADIF został zapisany!")
                                  : QStringLiteral("ADIF file is saved!"),
                           Desktop::Icon::Information, Desktop::Buttons::Ok, Answer::Ok);
    {
        const FileSizeLimit limit(error.isEmpty() ? RLIM_INFINITY : 100);
        QTest::mouseClick(Find<QPushButton>(&dialog, "Button1"), Qt::LeftButton);
    }
    QDir::setCurrent(before);

    VERIFY_SCRIPT_PLAYED(run.desktop);
    QCOMPARE(run.desktop.FileDialogs()[0].proposedName, QStringLiteral("qq1aaa.adi"));
    QCOMPARE(run.desktop.FileDialogs()[0].filter, polish
                                                      ? QStringLiteral("Pliki ADIF|*.adi|Wszystkie pliki|*.*")
                                                      : QStringLiteral("ADIF files|*.adi|All files|*.*"));
    QCOMPARE(run.desktop.FileDialogs()[0].selectedFilter, 1);
    const QByteArray record = "<QSO_DATE:8>20260405 <TIME_ON:6>150000 <BAND:3>20M <FREQ:6>14.000 <MODE:3>SSB "
                              "<CALL:6>QQ2BBB <RST_RCVD:2>59 <SRX:2>12 <RST_SENT:2>59 <STX:1>1 "
                              "<COMMENT:17>ZEVO Contest 2027 <OPERATOR:6>QQ1AAA <EOR>\r\n";
    QCOMPARE(ReadFileBytes(QDir(folder.path()).filePath(path)),
             written ? CrLfFile(zevo::AdifHeaderLines()) + record
                     : QByteArray(existing ? "old" : "<cannot read>"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(),
             written || existing ? 1 : 0);
    // The export only reads: the log, its unsaved state and both windows stay as they were.
    QCOMPARE(run.program.form1.Document().Lines(), log);
    QVERIFY(run.program.form1.UnsavedLog());
    QVERIFY(!run.program.form1.isVisible() && dialog.isVisible());
}

void TestExport::theMainWindowComesBackAsItWas() {
    Opened run;
    TForm1& main = run.program.form1;
    QTest::mouseClick(Find<QPushButton>(&run.program.Form3(), "Button2"), Qt::LeftButton);
    QTest::keyClick(&main, Qt::Key_F9);
    auto* panel = Find<QDockWidget>(&main, "CheckPanel");
    const QRect before = main.geometry();
    QVERIFY(panel->isVisible());
    QTest::mouseClick(Find<QPushButton>(&main, "Button7"), Qt::LeftButton);
    QTest::mouseClick(Find<QPushButton>(&run.program.Form3(), "Button2"), Qt::LeftButton);
    QVERIFY(main.isVisible() && panel->isVisible());
    QCOMPARE(main.geometry(), before);
}

QTEST_MAIN(TestExport)
#include "TestExport.moc"
