// The session journal: a session that ended without Exit comes back as it was, and a normal run shows
// nothing of it.
#include "FileSizeLimit.h"
#include "JournalSession.h"
#include "ScriptedDesktop.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using Answer = Desktop::Answer;

const QString JournalName = QStringLiteral("session.journal");

zevo::JournalReplay ReplayFile(const QString& path) {
    return zevo::ReplayJournal(zevo::ReadJournalFile(QFile::encodeName(path).toStdString()));
}

QStringList Files(const QTemporaryDir& folder) {
    return QDir(folder.path()).entryList(QDir::Files, QDir::Name);
}

// The sessions that end as a crash does: the windows go without Exit or the close control.
void Play(const QString& session, TForm1& form, ScriptedDesktop& desktop, const QString& folder) {
    if (session == "band changed")
        return QTest::keyClick(Find<QLineEdit>(&form, "Edit4"), Qt::Key_B, Qt::AltModifier);
    if (session == "loaded, a contact") {
        const QString path = QDir(folder).filePath(QStringLiteral("old.cbr"));
        std::vector<std::string> lines = HeaderLines;
        lines.insert(lines.end(),
                     {"QSO: 21000 CW 2026-04-06 0930 QQ1AAA        59       1 QQ2BBB        59      12",
                      "END-OF-LOG:"});
        QVERIFY(WriteFileBytes(path, CrLfFile(lines)));
        desktop.ChooseFile(path);
        QTest::mouseClick(Find<QPushButton>(&form, "Button6"), Qt::LeftButton);
    } else {
        form.ApplyHeader(HeaderLines, QStringLiteral("QQ1AAA"));
    }
    if (session == "Polish, a province") {
        QTest::mouseClick(Find<QRadioButton>(&form, "RadioButton1"), Qt::LeftButton);
        QTest::keyClick(Find<QComboBox>(&form, "ComboBox3"), Qt::Key_M);
    }
    AddContact(form, QStringLiteral("qq2bbb"), QStringLiteral("12"));
    if (session.startsWith("saved")) {
        desktop.ChooseFile(QDir(folder).filePath(QStringLiteral("log.cbr")));
        desktop.Answer(Answer::Ok); // saved
        QTest::mouseClick(Find<QPushButton>(&form, "Button2"), Qt::LeftButton);
    }
    if (session == "saved, a contact")
        AddContact(form, QStringLiteral("qq3ccc"), QStringLiteral("5"));
    // Fields changed after the last contact come back too.
    if (session.endsWith(", band changed"))
        for (const Qt::Key key : {Qt::Key_B, Qt::Key_M, Qt::Key_PageUp})
            QTest::keyClick(Find<QLineEdit>(&form, "Edit4"), key,
                            key == Qt::Key_PageUp ? Qt::NoModifier : Qt::AltModifier);
    if (session.endsWith(", category chosen")) // in the header dialog, not yet confirmed
        form.ApplyCategory({.value = "SINGLE-OP ALL LOW CW", .mode = "CW", .reports = "599", .band = "80M"});
    if (session.endsWith(", mode typed"))
        QTest::keyClicks(Find<QComboBox>(&form, "ComboBox2"), "X");
    if (session.endsWith(", minutes 75")) { // the spin alone turns, to 59
        Find<QLineEdit>(&form, "Edit3")->setFocus();
        Find<QLineEdit>(&form, "Edit3")->setText("10:75");
        Find<QLineEdit>(&form, "Edit4")->setFocus();
    }
}

} // namespace

class TestJournal : public QObject {
    Q_OBJECT
private slots:
    void aKilledProgramComesBackWithEveryContact();
    void sessionsComeBackAsTheyWere_data();
    void sessionsComeBackAsTheyWere();
    void aDamagedEndRestoresTheEntriesBeforeIt();
    void noKeepsTheJournalAsideAndANormalExitLeavesNone();
    void twoProgramsNeverShareAJournal();
    void aJournalNeverOffersBackLessThanTheOperatorHas_data();
    void aJournalNeverOffersBackLessThanTheOperatorHas();
    void aJournalThatCannotBeWrittenNeverStopsTheLogging_data();
    void aJournalThatCannotBeWrittenNeverStopsTheLogging();
};

void TestJournal::aKilledProgramComesBackWithEveryContact() {
    QTemporaryDir folder;
    QProcess killed;
    killed.start(QStringLiteral(ZEVO_JOURNAL_SESSION), {folder.path()});
    QVERIFY(killed.waitForFinished(120000));
    QVERIFY2(killed.exitStatus() == QProcess::CrashExit, killed.readAllStandardError().constData());

    // The same session, lived to the end here, is what must come back.
    ScriptedDesktop liveDesktop;
    Program live(liveDesktop);
    QVERIFY(LogThreeContacts(live.form1));

    ScriptedDesktop desktop;
    desktop.Answer(Answer::Yes);
    Program program(desktop, folder.path());
    VERIFY_SCRIPT_PLAYED(desktop);
    TForm1& form = program.form1;
    QCOMPARE(form.Document().Lines(), live.form1.Document().Lines());
    QCOMPARE(form.LogList().Count(), static_cast<int>(HeaderLines.size()) + 3);
    QVERIFY(form.SessionState() == live.form1.SessionState());
    QCOMPARE(Find<QLineEdit>(&form, "Edit8")->text(), "4");
    QVERIFY(form.HeaderSet() && form.UnsavedLog() && Find<QLineEdit>(&form, "Edit1")->isReadOnly());
    // The question names the size of the log and its last contact.
    const QString question = desktop.Boxes()[0].text;
    QVERIFY(question.contains(QString::number(form.LogList().Count())));
    QVERIFY(question.contains(QString::fromStdString(std::string(form.Document().Lines().back()))));
}

void TestJournal::sessionsComeBackAsTheyWere_data() {
    QTest::addColumn<QString>("session");
    QTest::addColumn<bool>("asked");
    QTest::newRow("saved, a contact") << "saved, a contact" << true;
    QTest::newRow("loaded, a contact") << "loaded, a contact" << true;
    QTest::newRow("Polish, a province") << "Polish, a province" << true;
    QTest::newRow("a contact, band changed") << "a contact, band changed" << true;
    QTest::newRow("a contact, category chosen") << "a contact, category chosen" << true;
    QTest::newRow("a contact, mode typed") << "a contact, mode typed" << true;
    QTest::newRow("a contact, minutes 75") << "a contact, minutes 75" << true;
    QTest::newRow("saved whole") << "saved" << false;
    QTest::newRow("no line") << "band changed" << false;
}

void TestJournal::sessionsComeBackAsTheyWere() {
    QFETCH(QString, session);
    QFETCH(bool, asked);
    QTemporaryDir folder;
    std::vector<std::string> lines;
    zevo::SessionState state;
    {
        ScriptedDesktop desktop;
        Program program(desktop, folder.path());
        ShowActive(&program.form1);
        Play(session, program.form1, desktop, folder.path());
        VERIFY_SCRIPT_PLAYED(desktop);
        lines = program.form1.Document().Lines().ToVector();
        state = program.form1.SessionState();
    }
    ScriptedDesktop desktop;
    if (asked)
        desktop.Answer(Answer::Yes);
    Program program(desktop, folder.path());
    VERIFY_SCRIPT_PLAYED(desktop);
    TForm1& form = program.form1;
    if (asked) {
        QCOMPARE(form.Document().Lines(), lines);
        QVERIFY(form.SessionState() == state);
        QCOMPARE(form.Polish(), state.language == "pl");
        // The question spoke that session's language, and the captions speak it again.
        QCOMPARE(desktop.Boxes()[0].caption == "Attention", !form.Polish());
        QCOMPARE(Find<QPushButton>(&form, "Button4")->text() == "Add to file", !form.Polish());
    } else {
        QVERIFY(form.Document().Lines().empty());
        QVERIFY(!form.HeaderSet() && !form.UnsavedLog());
    }
    // Nothing kept aside: the journal is this session's once its window has shown itself.
    ShowActive(&form);
    QTRY_COMPARE(ReplayFile(folder.filePath(JournalName)).log, form.Document().Lines());
    QVERIFY(Files(folder).filter("session-").isEmpty());
}

void TestJournal::aDamagedEndRestoresTheEntriesBeforeIt() {
    QTemporaryDir folder;
    const QString path = folder.filePath(JournalName);
    {
        ScriptedDesktop desktop;
        Program program(desktop, folder.path());
        ShowActive(&program.form1);
        program.form1.ApplyHeader(HeaderLines, QStringLiteral("QQ1AAA"));
        AddContact(program.form1, QStringLiteral("qq2bbb"), QStringLiteral("12"));
        AddContact(program.form1, QStringLiteral("qq3ccc"), QStringLiteral("5"));
    }
    // The last contact reached the disk only in part.
    QVERIFY(QFile::resize(path, QFileInfo(path).size() - 5));
    const std::vector<std::string> before = ReplayFile(path).log;
    QCOMPARE(before.size(), HeaderLines.size() + 1);

    ScriptedDesktop desktop;
    desktop.Answer(Answer::Yes);
    Program program(desktop, folder.path());
    VERIFY_SCRIPT_PLAYED(desktop);
    QCOMPARE(program.form1.Document().Lines(), before);
    QVERIFY(desktop.Boxes()[0].text.contains(QString::number(before.size())));

    // The session goes on in the same journal, past the damage.
    ShowActive(&program.form1);
    AddContact(program.form1, QStringLiteral("qq4ddd"), QStringLiteral("9"));
    const zevo::JournalReplay replay = ReplayFile(path);
    QVERIFY(!replay.damaged);
    QCOMPARE(replay.log, program.form1.Document().Lines());
}

void TestJournal::noKeepsTheJournalAsideAndANormalExitLeavesNone() {
    QTemporaryDir folder;
    {
        ScriptedDesktop desktop;
        Program program(desktop, folder.path());
        ShowActive(&program.form1);
        Play("a contact", program.form1, desktop, folder.path());
    }
    ScriptedDesktop desktop;
    desktop.Answer(Answer::No);
    desktop.Answer(Answer::Ok); // where it is kept
    Program program(desktop, folder.path());
    TForm1& form = program.form1;
    const QString aside = folder.filePath("session-2026-06-01.journal");
    QCOMPARE(desktop.Boxes().size(), 2);
    QCOMPARE(desktop.Boxes()[1].icon, Desktop::Icon::Information);
    QVERIFY(desktop.Boxes()[1].text.contains(aside));
    QCOMPARE(ReplayFile(aside).log.size(), HeaderLines.size() + 1);
    QVERIFY(form.Document().Lines().empty() && !form.HeaderSet() && !form.UnsavedLog());

    // This session ends by Exit, not saved.
    ShowActive(&form);
    form.ApplyHeader(HeaderLines, QStringLiteral("QQ1AAA"));
    desktop.Answer(Answer::No);
    QTest::mouseClick(Find<QPushButton>(&form, "Button5"), Qt::LeftButton);
    QVERIFY(form.Ending());
    QVERIFY(!QFile::exists(folder.filePath(JournalName)));
    QVERIFY(QFile::exists(aside));
}

void TestJournal::twoProgramsNeverShareAJournal() {
    QTemporaryDir folder;
    const QString path = folder.filePath(JournalName);
    ScriptedDesktop firstDesktop;
    Program first(firstDesktop, folder.path());
    ScriptedDesktop secondDesktop;
    secondDesktop.Answer(Answer::Ok);
    Program second(secondDesktop, folder.path());
    VERIFY_SCRIPT_PLAYED(secondDesktop);
    QCOMPARE(secondDesktop.Boxes()[0].icon, Desktop::Icon::Warning);

    second.form1.ApplyHeader(HeaderLines, QStringLiteral("QQ9ZZZ"));
    first.form1.ApplyHeader(HeaderLines, QStringLiteral("QQ1AAA"));
    zevo::JournalReplay replay = ReplayFile(path);
    QCOMPARE(replay.log, HeaderLines);
    QCOMPARE(replay.state->usedCall, std::string("QQ1AAA"));
    // The second program's end leaves the first one's journal alone.
    secondDesktop.Answer(Answer::No);
    QVERIFY(second.form1.close());
    QCOMPARE(ReplayFile(path).log, HeaderLines);
    VERIFY_SCRIPT_PLAYED(firstDesktop);
}

void TestJournal::aJournalNeverOffersBackLessThanTheOperatorHas_data() {
    QTest::addColumn<QString>("trouble");
    QTest::newRow("saved while the disk was full") << "saved while the disk was full";
    QTest::newRow("a bit flipped in the first record") << "a bit flipped in the first record";
}

void TestJournal::aJournalNeverOffersBackLessThanTheOperatorHas() {
    QFETCH(QString, trouble);
    QTemporaryDir folder;
    const QString path = folder.filePath(JournalName);
    std::vector<std::string> log;
    {
        ScriptedDesktop desktop;
        Program program(desktop, folder.path());
        TForm1& form = program.form1;
        ShowActive(&form);
        form.ApplyHeader(HeaderLines, QStringLiteral("QQ1AAA"));
        AddContact(form, QStringLiteral("qq2bbb"), QStringLiteral("1"));
        if (trouble == "saved while the disk was full") {
            const FileSizeLimit limit(static_cast<rlim_t>(QFileInfo(path).size()) + 10);
            for (const char* call : {"qq3ccc", "qq4ddd"})
                AddContact(form, QString::fromLatin1(call), QStringLiteral("1"));
            QVERIFY(Find<QLabel>(&form, "JournalWarning")->isVisible());
            desktop.ChooseFile(folder.filePath("elsewhere.cbr"));
            desktop.Answer(Answer::Ok); // saved
            QTest::mouseClick(Find<QPushButton>(&form, "Button2"), Qt::LeftButton);
        } else {
            AddContact(form, QStringLiteral("qq3ccc"), QStringLiteral("1"));
        }
        log = form.Document().Lines().ToVector();
        VERIFY_SCRIPT_PLAYED(desktop);
    } // killed
    QByteArray damaged = ReadFileBytes(path);
    if (trouble == "a bit flipped in the first record") {
        damaged[30] = static_cast<char>(damaged[30] ^ 0x10);
        QVERIFY(WriteFileBytes(path, damaged));
    }

    ScriptedDesktop desktop;
    if (trouble == "a bit flipped in the first record")
        desktop.Answer(Answer::Yes);
    Program program(desktop, folder.path());
    VERIFY_SCRIPT_PLAYED(desktop);
    if (trouble == "saved while the disk was full") {
        // The journal agrees with the file: nothing to offer back.
        QVERIFY(desktop.Boxes().isEmpty());
        return;
    }
    // Kept aside as it was, and what can be read of it, the contacts, offered back.
    const QString aside = folder.filePath("session-2026-06-01.journal");
    QCOMPARE(ReadFileBytes(aside), damaged);
    QVERIFY(desktop.Boxes()[0].text.contains(aside));
    QCOMPARE(program.form1.Document().Lines(),
             std::vector<std::string>(log.begin() + HeaderLines.size(), log.end()));
    QCOMPARE(ReplayFile(path).log, program.form1.Document().Lines());
}

void TestJournal::aJournalThatCannotBeWrittenNeverStopsTheLogging_data() {
    QTest::addColumn<bool>("diskFull"); // else the folder cannot be made
    QTest::newRow("disk full") << true;
    QTest::newRow("no folder") << false;
}

void TestJournal::aJournalThatCannotBeWrittenNeverStopsTheLogging() {
    QFETCH(bool, diskFull);
    QTemporaryDir folder;
    QFile blocker(folder.filePath("file"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    ScriptedDesktop desktop;
    if (!diskFull)
        desktop.Answer(Answer::Ok);
    Program program(desktop, diskFull ? folder.path() : blocker.fileName() + "/journal");
    TForm1& form = program.form1;
    ShowActive(&form);
    form.ApplyHeader(HeaderLines, QStringLiteral("QQ1AAA"));
    {
        const FileSizeLimit limit(static_cast<rlim_t>(QFileInfo(folder.filePath(JournalName)).size()) + 10);
        if (diskFull)
            desktop.Answer(Answer::Ok);
        for (const char* call : {"qq2bbb", "qq3ccc", "qq4ddd"})
            AddContact(form, QString::fromLatin1(call), QStringLiteral("1"));
    }
    // Said at once in the status bar; the box waits for a pause in the typing.
    if (diskFull)
        QVERIFY(Find<QLabel>(&form, "JournalWarning")->isVisible());
    QTRY_COMPARE(desktop.Boxes().size(), 1);
    VERIFY_SCRIPT_PLAYED(desktop);
    QCOMPARE(desktop.Boxes()[0].icon, Desktop::Icon::Warning);
    QCOMPARE(form.LogList().Count(), static_cast<int>(HeaderLines.size()) + 3);
    QCOMPARE(Find<QLineEdit>(&form, "Edit8")->text(), "4");
    // A normal end still removes what the journal had written.
    desktop.Answer(Answer::No);
    QVERIFY(form.close());
    QVERIFY(!QFile::exists(folder.filePath(JournalName)));
}

QTEST_MAIN(TestJournal)
#include "TestJournal.moc"
