// Saving the log as a Cabrillo file, and leaving the program with an unsaved log.
#include "GuiTest.h"
#include "LogEntry.h"
#include "Program.h"
#include "ScriptedDesktop.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <sys/resource.h>

namespace {

using Icon = Desktop::Icon;
using Buttons = Desktop::Buttons;
using Answer = Desktop::Answer;

const char* const Qso1 = "QSO: 14000 PH 2026-04-05 1500 QQ1AAA        59       1 QQ2BBB        59      12";
const char* const Qso2 = "QSO: 14000 PH 2026-04-05 1500 QQ1AAA        59       2 QQ3CCC        59       5";

// Makes `path` the current folder for as long as it lives.
class CurrentFolder {
public:
    explicit CurrentFolder(const QString& path) : m_before(QDir::currentPath()) { QDir::setCurrent(path); }
    ~CurrentFolder() { QDir::setCurrent(m_before); }

private:
    QString m_before;
};

// Lets this process write no file beyond `bytes`: a real full-disk condition, root or not.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        m_signal = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_before);
        rlimit limit = m_before;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_before);
        std::signal(SIGXFSZ, m_signal);
    }

private:
    rlimit m_before{};
    void (*m_signal)(int) = nullptr;
};

void ExpectOverwriteQuestion(ScriptedDesktop& desktop, const QString& fileName, Answer answer) {
    desktop.Expect("Warning",
                   QStringLiteral("File \"%1\" exists.\nDo you want to overwrite it?").arg(fileName),
                   Icon::Warning, Buttons::YesNoCancel, answer);
}

void ExpectSaved(ScriptedDesktop& desktop) {
    desktop.Expect("Information", "Cabrillo file is saved!", Icon::Information, Buttons::Ok, Answer::Ok);
}

void Save(TForm1& form) {
    QTest::mouseClick(Find<QPushButton>(&form, "Button2"), Qt::LeftButton);
}

std::vector<std::string> With(std::vector<std::string> lines, std::initializer_list<std::string> tail) {
    lines.insert(lines.end(), tail);
    return lines;
}

QStringList FilesIn(const QTemporaryDir& folder) {
    return QDir(folder.path()).entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

class TestSave : public QObject {
    Q_OBJECT
private slots:
    void refusesWithoutTheHeader();
    void writesEveryLineWithCrLfAndOneEndOfLogLast();
    void proposesTheNameOfTheUsedCallAndTheFilterOfTheLanguage_data();
    void proposesTheNameOfTheUsedCallAndTheFilterOfTheLanguage();
    void aDismissedDialogSavesInTheCurrentFolder();
    void aDismissedDialogAsksBeforeReplacingInTheCurrentFolder();
    void answersToTheOverwriteQuestion_data();
    void answersToTheOverwriteQuestion();
    void everySaveEndsWithOneEndOfLogLine();
    void aFailedSaveLeavesTheOldFileTheLogAndTheFlag_data();
    void aFailedSaveLeavesTheOldFileTheLogAndTheFlag();
    void leavingWithAnUnsavedLog_data();
    void leavingWithAnUnsavedLog();
    void threeTypedContactsGiveTheFileComposedByHand();
};

void TestSave::refusesWithoutTheHeader() {
    ScriptedDesktop desktop;
    Program program(desktop);
    program.form1.show();
    program.form1.Log().Append(HeaderLines());
    desktop.Expect("Error", "Please set the Header of Cabrillo file first!", Icon::Error, Buttons::Ok,
                   Answer::Ok);
    Save(program.form1);
    QVERIFY(desktop.FileDialogs().isEmpty());
    QCOMPARE(LogLines(program.form1), HeaderLines());
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestSave::writesEveryLineWithCrLfAndOneEndOfLogLast() {
    QTemporaryDir folder;
    const QString path = folder.filePath("contest.cbr");
    ScriptedDesktop desktop;
    Program program(desktop);
    TForm1& form = program.form1;
    form.show();
    SetHeader(form);
    form.Log().Append(std::vector<std::string>{Qso1, Qso2});

    desktop.ChooseFile(path);
    ExpectSaved(desktop);
    Save(form);

    const auto saved = With(HeaderLines(), {Qso1, Qso2, "END-OF-LOG:"});
    QCOMPARE(ReadFileBytes(path), CrLfFile(saved));
    QCOMPARE(LogLines(form), saved);
    QVERIFY(!form.UnsavedLog());
    QCOMPARE(FilesIn(folder), QStringList{"contest.cbr"});
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestSave::proposesTheNameOfTheUsedCallAndTheFilterOfTheLanguage_data() {
    QTest::addColumn<QString>("usedCall");
    QTest::addColumn<bool>("polish");
    QTest::addColumn<QString>("proposed");
    QTest::newRow("plain") << "QQ1AAA" << false << "qq1aaa.cbr";
    QTest::newRow("portable") << "QQ1AAA/P" << false << "qq1aaa_p.cbr";
    QTest::newRow("two slashes") << "QQ/1AAA/P" << false << "qq_1aaa/p.cbr";
    QTest::newRow("Polish") << "SP9XYZ" << true << "sp9xyz.cbr";
}

void TestSave::proposesTheNameOfTheUsedCallAndTheFilterOfTheLanguage() {
    QFETCH(QString, usedCall);
    QFETCH(bool, polish);
    QFETCH(QString, proposed);
    ScriptedDesktop desktop;
    Program program(desktop);
    TForm1& form = program.form1;
    form.show();
    SetHeader(form, usedCall);
    if (polish)
        QTest::mouseClick(Find<QRadioButton>(&form, "RadioButton1"), Qt::LeftButton);
    QTemporaryDir folder;
    desktop.ChooseFile(folder.filePath("log.cbr"));
    desktop.Answer(Answer::Ok);
    Save(form);

    QCOMPARE(desktop.FileDialogs().size(), 1);
    const ScriptedDesktop::FileDialog dialog = desktop.FileDialogs().first();
    QVERIFY(dialog.save);
    QCOMPARE(dialog.proposedName, proposed);
    QCOMPARE(dialog.filter, polish ? QStringLiteral("Pliki Cabrillo|*.cbr|Wszystkie pliki|*.*")
                                   : QStringLiteral("Cabrillo files|*.cbr|All files|*.*"));
    QCOMPARE(dialog.selectedFilter, 1);
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestSave::aDismissedDialogSavesInTheCurrentFolder() {
    QTemporaryDir folder;
    const CurrentFolder current(folder.path());
    ScriptedDesktop desktop;
    Program program(desktop);
    TForm1& form = program.form1;
    form.show();
    SetHeader(form);
    desktop.ChooseFile(std::nullopt);
    ExpectSaved(desktop);
    Save(form);
    QCOMPARE(ReadFileBytes(folder.filePath("qq1aaa.cbr")), CrLfFile(With(HeaderLines(), {"END-OF-LOG:"})));
    QVERIFY(!form.UnsavedLog());
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestSave::aDismissedDialogAsksBeforeReplacingInTheCurrentFolder() {
    QTemporaryDir folder;
    const CurrentFolder current(folder.path());
    WriteFileBytes(folder.filePath("qq1aaa.cbr"), "an older log\r\n");
    ScriptedDesktop desktop;
    Program program(desktop);
    TForm1& form = program.form1;
    form.show();
    SetHeader(form);
    desktop.ChooseFile(std::nullopt);
    // The name exactly as it was used: the proposed one, without a folder.
    ExpectOverwriteQuestion(desktop, "qq1aaa.cbr", Answer::Yes);
    ExpectSaved(desktop);
    Save(form);
    QCOMPARE(ReadFileBytes(folder.filePath("qq1aaa.cbr")), CrLfFile(With(HeaderLines(), {"END-OF-LOG:"})));
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestSave::answersToTheOverwriteQuestion_data() {
    QTest::addColumn<QList<int>>("answers");   // to the overwrite question, in turn
    QTest::addColumn<bool>("otherFileAtLast"); // after the last No, a file that does not exist
    QTest::addColumn<bool>("replaced");
    QTest::newRow("Yes") << QList<int>{int(Answer::Yes)} << false << true;
    QTest::newRow("Cancel") << QList<int>{int(Answer::Cancel)} << false << false;
    QTest::newRow("No, Cancel") << QList<int>{int(Answer::No), int(Answer::Cancel)} << false << false;
    QTest::newRow("No, No, Yes") << QList<int>{int(Answer::No), int(Answer::No), int(Answer::Yes)} << false
                                 << true;
    QTest::newRow("No, another file") << QList<int>{int(Answer::No)} << true << false;
}

void TestSave::answersToTheOverwriteQuestion() {
    QFETCH(QList<int>, answers);
    QFETCH(bool, otherFileAtLast);
    QFETCH(bool, replaced);
    QTemporaryDir folder;
    const QString existing = folder.filePath("qq1aaa.cbr");
    const QString other = folder.filePath("other.cbr");
    const QByteArray old = "START-OF-LOG: 2.0\r\nEND-OF-LOG:\r\n";
    WriteFileBytes(existing, old);
    ScriptedDesktop desktop;
    Program program(desktop);
    TForm1& form = program.form1;
    form.show();
    SetHeader(form);
    form.Log().Append(std::string(Qso1));
    const auto before = LogLines(form);

    for (const int answer : answers) {
        desktop.ChooseFile(existing);
        ExpectOverwriteQuestion(desktop, existing, Answer(answer));
    }
    if (otherFileAtLast)
        desktop.ChooseFile(other);
    const bool saved = replaced || otherFileAtLast;
    if (saved)
        ExpectSaved(desktop);
    Save(form);

    // "No" shows the dialog again with the proposed name.
    QCOMPARE(desktop.FileDialogs().size(), answers.size() + (otherFileAtLast ? 1 : 0));
    for (const ScriptedDesktop::FileDialog& dialog : desktop.FileDialogs())
        QCOMPARE(dialog.proposedName, QStringLiteral("qq1aaa.cbr"));
    const auto savedLines = With(before, {"END-OF-LOG:"});
    QCOMPARE(ReadFileBytes(existing), replaced ? CrLfFile(savedLines) : old);
    QCOMPARE(QFile::exists(other), otherFileAtLast);
    if (otherFileAtLast)
        QCOMPARE(ReadFileBytes(other), CrLfFile(savedLines));
    QCOMPARE(LogLines(form), saved ? savedLines : before);
    QCOMPARE(form.UnsavedLog(), !saved);
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestSave::everySaveEndsWithOneEndOfLogLine() {
    QTemporaryDir folder;
    const QString path = folder.filePath("qq1aaa.cbr");
    ScriptedDesktop desktop;
    Program program(desktop);
    TForm1& form = program.form1;
    form.show();
    SetHeader(form);

    desktop.ChooseFile(path);
    ExpectSaved(desktop);
    Save(form);
    QCOMPARE(ReadFileBytes(path), CrLfFile(With(HeaderLines(), {"END-OF-LOG:"})));

    AddContact(form, "qq2bbb", "12");
    AddContact(form, "qq3ccc", "5");
    QVERIFY(form.UnsavedLog());
    QCOMPARE(LogLines(form), With(HeaderLines(), {"END-OF-LOG:", Qso1, Qso2}));

    const auto saved = With(HeaderLines(), {Qso1, Qso2, "END-OF-LOG:"});
    for (int round = 0; round < 2; ++round) {
        desktop.ChooseFile(path);
        ExpectOverwriteQuestion(desktop, path, Answer::Yes);
        ExpectSaved(desktop);
        Save(form);
        QCOMPARE(ReadFileBytes(path), CrLfFile(saved));
        QCOMPARE(LogLines(form), saved);
        QVERIFY(!form.UnsavedLog());
    }
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestSave::aFailedSaveLeavesTheOldFileTheLogAndTheFlag_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("diskFull");
    QTest::addColumn<QString>("error");
    QTest::newRow("disk full") << "qq1aaa.cbr" << true << "Disk full.";
    QTest::newRow("no such folder") << "missing/qq1aaa.cbr" << false << "File not found.";
}

void TestSave::aFailedSaveLeavesTheOldFileTheLogAndTheFlag() {
    QFETCH(QString, name);
    QFETCH(bool, diskFull);
    QFETCH(QString, error);
    QTemporaryDir folder;
    const QString old = folder.filePath("qq1aaa.cbr");
    const QByteArray oldBytes = CrLfFile(With(HeaderLines(), {Qso1, "END-OF-LOG:"}));
    WriteFileBytes(old, oldBytes);
    const QString path = folder.filePath(name);
    ScriptedDesktop desktop;
    Program program(desktop);
    TForm1& form = program.form1;
    form.show();
    SetHeader(form);
    // Saved once, then a contact: the failed save must neither move nor double the END-OF-LOG: line.
    form.Log().Append(std::vector<std::string>{Qso1, "END-OF-LOG:", Qso2});
    const auto before = LogLines(form);

    desktop.ChooseFile(path);
    if (QFile::exists(path))
        ExpectOverwriteQuestion(desktop, path, Answer::Yes);
    desktop.Expect("ZEVO Contest", error, Icon::Error, Buttons::Ok, Answer::Ok);
    {
        // Less than the log needs, more than nothing: the write stops in the middle.
        const FileSizeLimit limit(diskFull ? 200 : RLIM_INFINITY);
        Save(form);
    }

    QCOMPARE(ReadFileBytes(old), oldBytes);
    QCOMPARE(FilesIn(folder), QStringList{"qq1aaa.cbr"});
    QCOMPARE(LogLines(form), before);
    QVERIFY(form.UnsavedLog());
    QVERIFY(form.isVisible());

    // Once the disk has room again the same save goes through.
    desktop.ChooseFile(old);
    ExpectOverwriteQuestion(desktop, old, Answer::Yes);
    ExpectSaved(desktop);
    Save(form);
    QCOMPARE(ReadFileBytes(old), CrLfFile(With(HeaderLines(), {Qso1, Qso2, "END-OF-LOG:"})));
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestSave::leavingWithAnUnsavedLog_data() {
    QTest::addColumn<bool>("byExit");  // "Exit", or closing the window
    QTest::addColumn<QString>("save"); // how the save that Yes starts ends
    QTest::addColumn<bool>("ends");
    for (const bool byExit : {true, false}) {
        const char* how = byExit ? "Exit" : "close";
        QTest::addRow("%s, saved", how) << byExit << "saved" << true;
        QTest::addRow("%s, Cancel at the overwrite question", how) << byExit << "cancel" << false;
        QTest::addRow("%s, save fails", how) << byExit << "error" << false;
    }
}

void TestSave::leavingWithAnUnsavedLog() {
    QFETCH(bool, byExit);
    QFETCH(QString, save);
    QFETCH(bool, ends);
    QTemporaryDir folder;
    const QString existing = folder.filePath("qq1aaa.cbr");
    const QByteArray oldBytes = "START-OF-LOG: 2.0\r\nEND-OF-LOG:\r\n";
    WriteFileBytes(existing, oldBytes);
    ScriptedDesktop desktop;
    Program program(desktop);
    TForm1& form = program.form1;
    form.show();
    SetHeader(form);
    form.Log().Append(std::string(Qso1));
    const auto before = LogLines(form);

    if (byExit)
        desktop.Expect("Warning", "Cabrillo file is not saved now!\nSave it?", Icon::Question, Buttons::YesNo,
                       Answer::Yes);
    else
        desktop.Expect("Attention", "Cabrillo file is not saved now!\nSave it?", Icon::Question,
                       Buttons::YesNo, Answer::Yes);
    if (save == "saved") {
        desktop.ChooseFile(folder.filePath("new.cbr"));
        ExpectSaved(desktop);
    } else if (save == "cancel") {
        desktop.ChooseFile(existing);
        ExpectOverwriteQuestion(desktop, existing, Answer::Cancel);
    } else {
        desktop.ChooseFile(folder.filePath("missing/new.cbr"));
        desktop.Expect("ZEVO Contest", "File not found.", Icon::Error, Buttons::Ok, Answer::Ok);
    }

    if (byExit)
        QTest::mouseClick(Find<QPushButton>(&form, "Button5"), Qt::LeftButton);
    else
        QCOMPARE(form.close(), ends);

    QCOMPARE(form.Ending(), ends);
    QCOMPARE(form.isVisible(), !ends);
    QCOMPARE(ReadFileBytes(existing), oldBytes);
    if (ends) {
        QCOMPARE(ReadFileBytes(folder.filePath("new.cbr")), CrLfFile(With(before, {"END-OF-LOG:"})));
    } else {
        QCOMPARE(LogLines(form), before);
        QVERIFY(form.UnsavedLog());
    }
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestSave::threeTypedContactsGiveTheFileComposedByHand() {
    QTemporaryDir folder;
    const QString path = folder.filePath("qq1aaa.cbr");
    ScriptedDesktop desktop;
    Program program(desktop);
    TForm1& form = program.form1;
    form.show();
    SetHeader(form);
    AddContact(form, "qq2bbb", "12");
    AddContact(form, "qq3ccc", "5");
    AddContact(form, "sp9xyz", "101");
    desktop.ChooseFile(path);
    ExpectSaved(desktop);
    Save(form);

    const QByteArray expected =
        "START-OF-LOG: 2.0\r\n"
        "CALLSIGN: QQ1AAA\r\n"
        "CATEGORY: SINGLE-OP ALL LOW\r\n"
        "CLAIMED-SCORE: 0\r\n"
        "NAME: Jan Kowalski\r\n"
        "SOAPBOX: ZEVO Contest\r\n"
        "QSO: 14000 PH 2026-04-05 1500 QQ1AAA        59       1 QQ2BBB        59      12\r\n"
        "QSO: 14000 PH 2026-04-05 1500 QQ1AAA        59       2 QQ3CCC        59       5\r\n"
        "QSO: 14000 PH 2026-04-05 1500 QQ1AAA        59       3 SP9XYZ        59     101\r\n"
        "END-OF-LOG:\r\n";
    QCOMPARE(ReadFileBytes(path), expected);
    VERIFY_SCRIPT_PLAYED(desktop);
}

QTEST_MAIN(TestSave)
#include "TestSave.moc"
