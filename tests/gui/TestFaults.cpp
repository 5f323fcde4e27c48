// The fault matrix: whatever goes wrong on the way to a file, or whatever the operator answers, no
// line of the log is lost and an earlier file is either intact or replaced whole. The permission rows
// mean something only without root's rights: CTest runs this program as an unprivileged user.
#include "FileSizeLimit.h"
#include "LogEntry.h"
#include "ScriptedDesktop.h"

#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace {

using Answer = Desktop::Answer;

const char* const Qso1 = "QSO: 14000 PH 2026-04-05 1500 QQ1AAA        59       1 QQ2BBB        59      12";
const char* const Qso2 = "QSO: 14000 PH 2026-04-05 1500 QQ1AAA        59       2 QQ3CCC        59       5";

// What the file dialog returns, prepared in a folder that holds an earlier file "qq1aaa.cbr".
enum class Target {
    Earlier,             // the earlier file itself
    MissingFolder,       // a file in a folder that does not exist
    RefusedName,         // a name longer than the file system takes
    NewInReadOnlyFolder, // a new file in a folder where nothing may be created
    EarlierInReadOnlyFolder,
    ReadOnlyFile, // the earlier file, which may not be written
    Folder,       // a folder instead of a file
};

bool NeedsPermissions(Target target) {
    return target == Target::NewInReadOnlyFolder || target == Target::EarlierInReadOnlyFolder ||
           target == Target::ReadOnlyFile;
}

QString Prepare(const QTemporaryDir& folder, Target target) {
    switch (target) {
    case Target::Earlier:
        return folder.filePath("qq1aaa.cbr");
    case Target::MissingFolder:
        return folder.filePath("missing/qq1aaa.cbr");
    case Target::RefusedName:
        return folder.filePath(QString(300, QLatin1Char('q')) + ".cbr");
    case Target::NewInReadOnlyFolder:
        QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
        return folder.filePath("qq2bbb.cbr");
    case Target::EarlierInReadOnlyFolder:
        QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
        return folder.filePath("qq1aaa.cbr");
    case Target::ReadOnlyFile:
        QFile::setPermissions(folder.filePath("qq1aaa.cbr"), QFile::ReadOwner);
        return folder.filePath("qq1aaa.cbr");
    case Target::Folder:
        QDir(folder.path()).mkdir("chosen");
        return folder.filePath("chosen");
    }
    return {};
}

// The main window with a header and two contacts around an earlier save, not saved since.
struct UnsavedLog {
    ScriptedDesktop desktop;
    Program program{desktop};
    UnsavedLog() {
        program.form1.show();
        SetHeader(program.form1);
        program.form1.Document().Append(std::vector<std::string>{Qso1, "END-OF-LOG:", Qso2});
    }
};

} // namespace

Q_DECLARE_METATYPE(Target)

class TestFaults : public QObject {
    Q_OBJECT
private slots:
    void nothingIsLost_data();
    void nothingIsLost();
    void aLoadReplacesTheLogWholeOrNotAtAll_data();
    void aLoadReplacesTheLogWholeOrNotAtAll();
};

void TestFaults::nothingIsLost_data() {
    QTest::addColumn<QString>("how");           // "Save", "Exit", or closing the window
    QTest::addColumn<Target>("target");         // what the file dialog returns, each time it is shown
    QTest::addColumn<QList<Answer>>("answers"); // to the questions, in turn
    QTest::addColumn<int>("dialogs");           // how often the file dialog is shown
    QTest::addColumn<bool>("diskFull");
    QTest::addColumn<QString>("error");   // the error box, if any
    QTest::addColumn<QString>("outcome"); // "kept" the earlier file, "replaced" it, or "ended"
    const auto row = [](const char* tag, const char* how, Target target, QList<Answer> answers, int dialogs,
                        bool diskFull, const char* error, const char* outcome) {
        QTest::newRow(tag) << QString::fromLatin1(how) << target << answers << dialogs << diskFull
                           << QString::fromLatin1(error) << QString::fromLatin1(outcome);
    };
    const Answer Yes = Answer::Yes, No = Answer::No, Cancel = Answer::Cancel, Ok = Answer::Ok;
    row("save into a missing folder", "Save", Target::MissingFolder, {}, 1, false, "File not found.", "kept");
    row("save under a refused name", "Save", Target::RefusedName, {}, 1, false, "Invalid filename.", "kept");
    row("save into a read-only folder", "Save", Target::NewInReadOnlyFolder, {}, 1, false,
        "File access denied.", "kept");
    row("save over a read-only file", "Save", Target::ReadOnlyFile, {Yes}, 1, false, "File access denied.",
        "kept");
    row("save over a file in a read-only folder", "Save", Target::EarlierInReadOnlyFolder, {Yes, Ok}, 1,
        false, "", "replaced");
    row("save onto a full disk", "Save", Target::Earlier, {Yes}, 1, true, "Disk full.", "kept");
    row("save in place onto a full disk", "Save", Target::EarlierInReadOnlyFolder, {Yes}, 1, true,
        "Disk full.", "kept");
    row("save onto a folder", "Save", Target::Folder, {Yes}, 1, false, "File access denied.", "kept");
    row("save, No, Cancel", "Save", Target::Earlier, {No, Cancel}, 2, false, "", "kept");
    row("Exit, No", "Exit", Target::Earlier, {No}, 0, false, "", "ended");
    row("Exit, Yes, No, Cancel", "Exit", Target::Earlier, {Yes, No, Cancel}, 2, false, "", "kept");
    row("Exit, Yes, read-only folder", "Exit", Target::NewInReadOnlyFolder, {Yes}, 1, false,
        "File access denied.", "kept");
    row("Exit, Yes, full disk", "Exit", Target::Earlier, {Yes, Yes}, 1, true, "Disk full.", "kept");
    row("close, No", "close", Target::Earlier, {No}, 0, false, "", "ended");
    row("close, Yes, No, Cancel", "close", Target::Earlier, {Yes, No, Cancel}, 2, false, "", "kept");
    row("close, Yes, read-only file", "close", Target::ReadOnlyFile, {Yes, Yes}, 1, false,
        "File access denied.", "kept");
    row("close, Yes, missing folder", "close", Target::MissingFolder, {Yes}, 1, false, "File not found.",
        "kept");
    row("export into a missing folder", "Export", Target::MissingFolder, {}, 1, false, "File not found.",
        "kept");
    row("export under a refused name", "Export", Target::RefusedName, {}, 1, false, "Invalid filename.",
        "kept");
    row("export into a read-only folder", "Export", Target::NewInReadOnlyFolder, {}, 1, false,
        "File access denied.", "kept");
    row("export over a read-only file", "Export", Target::ReadOnlyFile, {Yes}, 1, false,
        "File access denied.", "kept");
    row("export over a file in a read-only folder", "Export", Target::EarlierInReadOnlyFolder, {Yes, Ok}, 1,
        false, "", "exported");
    row("export onto a full disk", "Export", Target::Earlier, {Yes}, 1, true, "Disk full.", "kept");
    row("export in place onto a full disk", "Export", Target::EarlierInReadOnlyFolder, {Yes}, 1, true,
        "Disk full.", "kept");
    row("export onto a folder", "Export", Target::Folder, {Yes}, 1, false, "File access denied.", "kept");
    row("export, No, Cancel", "Export", Target::Earlier, {No, Cancel}, 2, false, "", "kept");
}

void TestFaults::nothingIsLost() {
    QFETCH(QString, how);
    QFETCH(Target, target);
    QFETCH(QList<Answer>, answers);
    QFETCH(int, dialogs);
    QFETCH(bool, diskFull);
    QFETCH(QString, error);
    QFETCH(QString, outcome);
    if (NeedsPermissions(target) && geteuid() == 0)
        QSKIP("root may write anywhere: run as an unprivileged user");

    QTemporaryDir folder;
    const QString earlier = folder.filePath("qq1aaa.cbr");
    const QByteArray earlierBytes = CrLfFile({HeaderLines[0], HeaderLines[1], Qso1, "END-OF-LOG:"});
    QVERIFY(WriteFileBytes(earlier, earlierBytes));
    const QString path = Prepare(folder, target);
    const QStringList entriesAfterPreparing =
        QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);

    UnsavedLog window;
    ScriptedDesktop& desktop = window.desktop;
    TForm1& form = window.program.form1;
    const std::vector<std::string> before = form.Document().Lines().ToVector();

    for (const Answer answer : answers)
        desktop.Answer(answer);
    for (int i = 0; i < dialogs; ++i)
        desktop.ChooseFile(path);
    if (!error.isEmpty())
        ExpectNotSaved(desktop, path, error);
    {
        // Less than the new log needs and more than the earlier file: the write stops in the middle.
        const FileSizeLimit limit(diskFull ? 200 : RLIM_INFINITY);
        if (how == "close") {
            form.close();
        } else if (how == "Export") {
            QTest::mouseClick(Find<QPushButton>(&form, "Button7"), Qt::LeftButton);
            QTest::mouseClick(Find<QPushButton>(&window.program.Form3(), "Button1"), Qt::LeftButton);
        } else {
            QTest::mouseClick(Find<QPushButton>(&form, how == "Exit" ? "Button5" : "Button2"),
                              Qt::LeftButton);
        }
    }
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    VERIFY_SCRIPT_PLAYED(desktop);

    std::vector<std::string> saved{HeaderLines};
    saved.insert(saved.end(), {Qso1, Qso2, "END-OF-LOG:"});
    QCOMPARE(form.Document().Lines(), outcome == "replaced" ? saved : before);
    const QByteArray bytes = ReadFileBytes(earlier);
    if (outcome == "exported")
        QVERIFY2(bytes.startsWith("ADIF 2.0\r\n") && bytes.endsWith("<EOR>\r\n") && bytes.count("<EOR>") == 2,
                 bytes.constData());
    else
        QCOMPARE(bytes, outcome == "replaced" ? CrLfFile(saved) : earlierBytes);
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             entriesAfterPreparing);
    QCOMPARE(form.UnsavedLog(), outcome != "replaced");
    QCOMPARE(form.Ending(), outcome == "ended");
    // The export dialog stands in for the main window while it is open.
    QCOMPARE(form.isVisible() || window.program.Form3().isVisible(), outcome != "ended");
}

// Any byte but the line ends and Ctrl-Z, in lines of up to 200 bytes: what a file of `size` bytes
// loads as, and what it saves back as.
QByteArray Binary(int size) {
    QByteArray bytes;
    bytes.reserve(size);
    quint32 state = 12345;
    while (bytes.size() < size) {
        state = state * 1103515245u + 12345u;
        const char c = static_cast<char>(state >> 23);
        bytes += bytes.size() % 200 == 198                 ? '\r'
                 : bytes.size() % 200 == 199               ? '\n'
                 : (c == '\r' || c == '\n' || c == '\x1a') ? 'x'
                                                           : c;
    }
    return bytes;
}

std::vector<std::string> LinesOf(const QByteArray& crLfFile) {
    std::vector<std::string> lines;
    for (const QByteArray& line : crLfFile.split('\n'))
        if (!line.isEmpty())
            lines.push_back(line.chopped(1).toStdString());
    return lines;
}

void TestFaults::aLoadReplacesTheLogWholeOrNotAtAll_data() {
    QTest::addColumn<QByteArray>("content"); // of the file chosen
    QTest::addColumn<QString>(
        "meanwhile"); // what happens to it after the dialog: "", "removed", "unreadable"
    QTest::addColumn<QList<Answer>>("answers"); // to the unsaved-log question and after
    QTest::addColumn<int>("dialogs");           // save dialogs shown (each answered with the saved file)
    QTest::addColumn<QString>("error");         // "": the file is loaded
    const Answer Yes = Answer::Yes, No = Answer::No, Cancel = Answer::Cancel, Ok = Answer::Ok;
    // Ok: a binary file is no log, and is refused. A line that is no whole contact loads without a box.
    QTest::newRow("binary file of 10 MB") << Binary(10 * 1024 * 1024) << "" << QList{No, Ok} << 0 << "-";
    QTest::newRow("one line of 5 MB")
        << "QSO: " + QByteArray(5 * 1024 * 1024, 'Q') << "" << QList{No} << 0 << "";
    QTest::newRow("removed after the dialog")
        << Binary(1000) << "removed" << QList{No} << 0 << "File not found.";
    QTest::newRow("unreadable") << Binary(1000) << "unreadable" << QList{No} << 0 << "File access denied.";
    QTest::newRow("open dialog cancelled") << Binary(1000) << "dismissed" << QList{No} << 0 << "-";
    QTest::newRow("Yes, No, Cancel") << Binary(1000) << "no dialog" << QList{Yes, No, Cancel} << 2 << "-";
}

void TestFaults::aLoadReplacesTheLogWholeOrNotAtAll() {
    QFETCH(QByteArray, content);
    QFETCH(QString, meanwhile);
    QFETCH(QList<Answer>, answers);
    QFETCH(int, dialogs);
    QFETCH(QString, error);
    if (meanwhile == "unreadable" && geteuid() == 0)
        QSKIP("root may read anything: run as an unprivileged user");
    QTemporaryDir folder;
    const QString chosen = folder.filePath("chosen.cbr");
    QVERIFY(WriteFileBytes(chosen, content));
    const QString saved = folder.filePath("qq1aaa.cbr");
    const QByteArray savedBytes = CrLfFile({HeaderLines[0], Qso1, "END-OF-LOG:"});
    QVERIFY(WriteFileBytes(saved, savedBytes));

    UnsavedLog window;
    ScriptedDesktop& desktop = window.desktop;
    TForm1& form = window.program.form1;
    const std::vector<std::string> before = form.Document().Lines().ToVector();
    for (const Answer answer : answers)
        desktop.Answer(answer);
    for (int i = 0; i < dialogs; ++i)
        desktop.ChooseFile(saved);
    if (meanwhile != "no dialog")
        desktop.ChooseFile(meanwhile == "dismissed" ? std::nullopt : std::optional(chosen));
    if (meanwhile == "removed")
        desktop.WhenFileChosen([&] { QFile::remove(chosen); });
    if (meanwhile == "unreadable")
        desktop.WhenFileChosen([&] { QFile::setPermissions(chosen, {}); });
    if (!error.isEmpty() && error != "-")
        desktop.Expect("ZEVO Contest", error, Desktop::Icon::Error, Desktop::Buttons::Ok, Answer::Ok);
    QTest::mouseClick(Find<QPushButton>(&form, "Button6"), Qt::LeftButton);
    VERIFY_SCRIPT_PLAYED(desktop);
    QCOMPARE(ReadFileBytes(saved), savedBytes);
    if (!error.isEmpty()) {
        QCOMPARE(form.Document().Lines(), before);
        QVERIFY(form.UnsavedLog());
        return;
    }

    // Loaded whole, and saved back byte for byte; the list shows a line too long to lay out cut, with an
    // ellipsis.
    const QString shown = form.LogList().index(form.LogList().Count() - 1).data().toString();
    QVERIFY(content.contains('\n') || (shown.size() < 10000 && shown.endsWith(QChar(0x2026))));
    QCOMPARE(form.Document().Lines(), LinesOf(content.endsWith('\n') ? content : content + "\r\n"));
    const QString again = folder.filePath("again.cbr");
    desktop.ChooseFile(again);
    desktop.Answer(Answer::Ok); // saved
    QTest::mouseClick(Find<QPushButton>(&form, "Button2"), Qt::LeftButton);
    VERIFY_SCRIPT_PLAYED(desktop);
    QCOMPARE(ReadFileBytes(again), (content.endsWith('\n') ? content : content + "\r\n") + "END-OF-LOG:\r\n");
}

QTEST_MAIN(TestFaults)
#include "TestFaults.moc"
