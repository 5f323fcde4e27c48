// Saving the log as a Cabrillo file, and leaving the program with an unsaved log.
#include "FileSizeLimit.h"
#include "LogEntry.h"
#include "ScriptedDesktop.h"

#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using Answer = Desktop::Answer;

const char* const Qso1 = "QSO: 14000 PH 2026-04-05 1500 QQ1AAA        59       1 QQ2BBB        59      12";
const char* const Qso2 = "QSO: 14000 PH 2026-04-05 1500 QQ1AAA        59       2 QQ3CCC        59       5";

void ExpectOverwriteQuestion(ScriptedDesktop& desktop, const QString& path, Answer answer) {
    desktop.Expect("Warning", QStringLiteral("File \"%1\" exists.\nDo you want to overwrite it?").arg(path),
                   Desktop::Icon::Warning, Desktop::Buttons::YesNoCancel, answer);
}

std::vector<std::string> With(std::vector<std::string> lines, std::initializer_list<std::string> tail) {
    lines.insert(lines.end(), tail);
    return lines;
}

} // namespace

class TestSave : public QObject {
    Q_OBJECT
private slots:
    void refusedBeforeTheHeaderIsSet();
    void aDismissedDialogSavesUnderTheProposedName_data();
    void aDismissedDialogSavesUnderTheProposedName();
    void everySaveEndsWithOneEndOfLogLine();
    void aSaveThatStopsKeepsTheOldFileTheLogAndTheProgram_data();
    void aSaveThatStopsKeepsTheOldFileTheLogAndTheProgram();
};

void TestSave::aDismissedDialogSavesUnderTheProposedName_data() {
    QTest::addColumn<QString>("usedCall");
    QTest::addColumn<bool>("polish");
    QTest::addColumn<QString>("proposed");
    QTest::newRow("plain") << "QQ1AAA" << false << "qq1aaa.cbr";
    QTest::newRow("portable") << "QQ1AAA/P" << false << "qq1aaa_p.cbr";
    QTest::newRow("two slashes") << "QQ/1AAA/P" << false << "qq_1aaa/p.cbr";
    QTest::newRow("Polish") << "SP9XYZ" << true << "sp9xyz.cbr";
}

void TestSave::aDismissedDialogSavesUnderTheProposedName() {
    QFETCH(QString, usedCall);
    QFETCH(bool, polish);
    QFETCH(QString, proposed);
    QTemporaryDir folder;
    const QString before = QDir::currentPath();
    QDir::setCurrent(folder.path());
    QDir().mkpath(QFileInfo(proposed).path()); // the second slash stays: a name in a folder
    ScriptedDesktop desktop;
    Program program(desktop);
    TForm1& form = program.form1;
    form.show();
    SetHeader(form, usedCall);
    if (polish)
        QTest::mouseClick(Find<QRadioButton>(&form, "RadioButton1"), Qt::LeftButton);
    desktop.ChooseFile(std::nullopt);
    desktop.Answer(Answer::Ok);
    QTest::mouseClick(Find<QPushButton>(&form, "Button2"), Qt::LeftButton);
    QDir::setCurrent(before);

    VERIFY_SCRIPT_PLAYED(desktop);
    QCOMPARE(desktop.FileDialogs()[0].proposedName, proposed);
    QCOMPARE(desktop.FileDialogs()[0].filter, polish
                                                  ? QStringLiteral("Pliki Cabrillo|*.cbr|Wszystkie pliki|*.*")
                                                  : QStringLiteral("Cabrillo files|*.cbr|All files|*.*"));
    QCOMPARE(desktop.FileDialogs()[0].selectedFilter, 1);
    QCOMPARE(ReadFileBytes(folder.filePath(proposed)), CrLfFile(With(HeaderLines, {"END-OF-LOG:"})));
    QVERIFY(!form.UnsavedLog());
}

void TestSave::everySaveEndsWithOneEndOfLogLine() {
    QTemporaryDir folder;
    const QString path = folder.filePath("qq1aaa.cbr");
    ScriptedDesktop desktop;
    Program program(desktop);
    TForm1& form = program.form1;
    ShowActive(&form);
    SetHeader(form);
    desktop.ChooseFile(path);
    desktop.Answer(Answer::Ok); // "Cabrillo file is saved!"
    QTest::mouseClick(Find<QPushButton>(&form, "Button2"), Qt::LeftButton);

    AddContact(form, "qq2bbb", "12");
    AddContact(form, "qq3ccc", "5");
    QCOMPARE(form.Document().Lines(), With(HeaderLines, {"END-OF-LOG:", Qso1, Qso2}));
    QVERIFY(form.UnsavedLog());

    // Saved again on the way out: the window closes once the file is complete.
    desktop.Expect("Attention", "Cabrillo file is not saved now!\nSave it?", Desktop::Icon::Question,
                   Desktop::Buttons::YesNo, Answer::Yes);
    desktop.ChooseFile(path);
    ExpectOverwriteQuestion(desktop, path, Answer::Yes);
    desktop.Answer(Answer::Ok); // "Cabrillo file is saved!"
    QVERIFY(form.close());
    const auto saved = With(HeaderLines, {Qso1, Qso2, "END-OF-LOG:"});
    QCOMPARE(ReadFileBytes(path), CrLfFile(saved));
    QCOMPARE(form.Document().Lines(), saved);
    QVERIFY(!form.UnsavedLog());
    QVERIFY(form.Ending());
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestSave::aSaveThatStopsKeepsTheOldFileTheLogAndTheProgram_data() {
    QTest::addColumn<QString>("how"); // "Save", "Exit", or closing the window
    QTest::addColumn<QString>("name");
    QTest::addColumn<QList<Answer>>("answers"); // to the overwrite question, in turn
    QTest::addColumn<QString>("error");
    const auto row = [](const char* tag, const char* how, const char* name, QList<Answer> answers,
                        const char* error) {
        QTest::newRow(tag) << QString::fromLatin1(how) << QString::fromLatin1(name) << answers
                           << QString::fromLatin1(error);
    };
    // "No" shows the dialog again.
    row("No, Cancel", "Save", "qq1aaa.cbr", {Answer::No, Answer::Cancel}, "");
    row("Exit, Yes, Cancel", "Exit", "qq1aaa.cbr", {Answer::Cancel}, "");
    row("close, Yes, Cancel", "close", "qq1aaa.cbr", {Answer::Cancel}, "");
    row("disk full", "Save", "qq1aaa.cbr", {Answer::Yes}, "Disk full.");
    row("close, Yes, missing folder", "close", "missing/qq1aaa.cbr", {}, "File not found.");
    // A device is never replaced by a file.
    row("a device", "Save", "/dev/null", {}, "not a regular file");
}

void TestSave::aSaveThatStopsKeepsTheOldFileTheLogAndTheProgram() {
    QFETCH(QString, how);
    QFETCH(QString, name);
    QFETCH(QList<Answer>, answers);
    QFETCH(QString, error);
    QTemporaryDir folder;
    const QString old = folder.filePath("qq1aaa.cbr");
    const QByteArray oldBytes = CrLfFile(With(HeaderLines, {Qso1, "END-OF-LOG:"}));
    QVERIFY(WriteFileBytes(old, oldBytes));
    ScriptedDesktop desktop;
    Program program(desktop);
    TForm1& form = program.form1;
    form.show();
    SetHeader(form);
    // Saved once, then a contact: the stopped save must neither move nor double the END-OF-LOG: line.
    form.Document().Append(std::vector<std::string>{Qso1, "END-OF-LOG:", Qso2});
    const auto before = form.Document().Lines();

    if (how != "Save")
        desktop.Expect(QLatin1String(how == "Exit" ? "Warning" : "Attention"),
                       "Cabrillo file is not saved now!\nSave it?", Desktop::Icon::Question,
                       Desktop::Buttons::YesNo, Answer::Yes);
    for (const Answer answer : answers) {
        desktop.ChooseFile(QDir(folder.path()).filePath(name));
        ExpectOverwriteQuestion(desktop, QDir(folder.path()).filePath(name), answer);
    }
    if (answers.isEmpty())
        desktop.ChooseFile(QDir(folder.path()).filePath(name));
    if (error == "not a regular file")
        desktop.Expect("Error",
                       "\"/dev/null\" is not a regular file, such as a device or a pipe: it is not "
                       "replaced.\nNothing was saved.",
                       Desktop::Icon::Error, Desktop::Buttons::Ok, Answer::Ok);
    else if (!error.isEmpty())
        ExpectNotSaved(desktop, QDir(folder.path()).filePath(name), error);
    {
        // Less than the log needs, more than nothing: the write stops in the middle.
        const FileSizeLimit limit(error == "Disk full." ? 200 : RLIM_INFINITY);
        if (how == "close")
            QVERIFY(!form.close());
        else
            QTest::mouseClick(Find<QPushButton>(&form, how == "Exit" ? "Button5" : "Button2"),
                              Qt::LeftButton);
    }

    QCOMPARE(ReadFileBytes(old), oldBytes);
    QVERIFY(!QFileInfo(QStringLiteral("/dev/null")).isFile());
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{"qq1aaa.cbr"});
    QCOMPARE(form.Document().Lines(), before);
    QVERIFY(form.UnsavedLog());
    QVERIFY(form.isVisible() && !form.Ending());
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestSave::refusedBeforeTheHeaderIsSet() {
    QTemporaryDir folder;
    const QString before = QDir::currentPath();
    QDir::setCurrent(folder.path());
    ScriptedDesktop desktop;
    Program program(desktop);
    program.form1.show();
    desktop.Expect("Error", "Please set the Header of Cabrillo file first!", Desktop::Icon::Error,
                   Desktop::Buttons::Ok, Answer::Ok);
    QTest::mouseClick(Find<QPushButton>(&program.form1, "Button2"), Qt::LeftButton);
    QDir::setCurrent(before);
    QVERIFY(desktop.FileDialogs().isEmpty());
    QVERIFY(QDir(folder.path()).isEmpty());
    VERIFY_SCRIPT_PLAYED(desktop);
}

QTEST_MAIN(TestSave)
#include "TestSave.moc"
