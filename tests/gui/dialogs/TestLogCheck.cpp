// The log check: opened from the main window's menu, a finding leads back to its line in the log.
#include "LogEntry.h"
#include "ScriptedDesktop.h"

#include <QAbstractItemView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

namespace {

// A header with every tag the check asks for, then two contacts; the second one's time is the row's.
std::vector<std::string> Log(const std::string& secondTime) {
    std::vector<std::string> lines = HeaderLines;
    for (const char* tag : {"CONTEST:", "CLAIMED-SCORE:", "NAME:", "E-MAIL:", "ADDRESS:", "OPERATORS:"})
        lines.push_back(tag + std::string(" x"));
    lines.push_back("QSO: 14000 PH 2026-04-05 1500 QQ1AAA        59       1 QQ2BBB        59      12");
    lines.push_back("QSO: 14000 PH 2026-04-05 " + secondTime +
                    " QQ1AAA        59       2 QQ3CCC        59       7");
    return lines;
}

} // namespace

class TestLogCheck : public QObject {
    Q_OBJECT
private slots:
    void findingLeadsToItsLine_data();
    void findingLeadsToItsLine();
    void eachFindingNamesItsValues_data();
    void eachFindingNamesItsValues();
};

void TestLogCheck::findingLeadsToItsLine_data() {
    QTest::addColumn<bool>("fault");       // a time that is no time of day, on line 12
    QTest::addColumn<bool>("deleteAbove"); // line 11 is deleted while the findings are shown
    QTest::newRow("no time of day") << true << false;
    QTest::newRow("clean") << false << false;
    QTest::newRow("a line deleted above it") << true << true;
}

void TestLogCheck::findingLeadsToItsLine() {
    QFETCH(bool, fault);
    QFETCH(bool, deleteAbove);
    ScriptedDesktop desktop;
    Program program(desktop);
    ShowActive(&program.form1);
    program.form1.Document().ReplaceAll(Log(fault ? "2570" : "1501"));

    QTest::keyClick(&program.form1, Qt::Key_F7);
    QVERIFY(QTest::qWaitForWindowActive(&program.LogCheck()));
    QCOMPARE(Find<QLabel>(&program.LogCheck(), "Label2")->text(),
             QString::fromLatin1(fault ? "Errors: 1, warnings: 0" : "No problems found"));
    auto* findings = Find<QTreeWidget>(&program.LogCheck(), "ListView1");
    QCOMPARE(findings->topLevelItemCount(), fault ? 1 : 0);
    if (!fault)
        return;
    const QTreeWidgetItem* row = findings->topLevelItem(0);
    QCOMPARE(QStringList({row->text(0), row->text(1), row->text(2)}),
             QStringList({"12", "Error", "Time 2570 is not a time of day"}));

    if (deleteAbove) {
        // The finding's line moved up: Enter checks again rather than lead to the wrong line.
        ShowActive(&program.form1);
        PressOnLine(program.form1, 10, Qt::Key_Delete);
        program.LogCheck().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&program.LogCheck()));
        QTest::keyClick(findings, Qt::Key_Return);
        QCOMPARE(Find<QLabel>(&program.LogCheck(), "Label2")->text(),
                 QStringLiteral("The log had changed: checked again. Errors: 1, warnings: 0"));
        QCOMPARE(findings->topLevelItem(0)->text(0), QStringLiteral("11"));
    }
    QTest::keyClick(findings, Qt::Key_Return);
    QVERIFY(QTest::qWaitForWindowActive(&program.form1));
    auto* log = Find<QAbstractItemView>(&program.form1, "ListBox1");
    QCOMPARE(log->currentIndex().row(), deleteAbove ? 10 : 11);
    QVERIFY(log->hasFocus());
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestLogCheck::eachFindingNamesItsValues_data() {
    QTest::addColumn<int>("line"); // the line replaced
    QTest::addColumn<QString>("contact");
    QTest::addColumn<QString>("finding");
    const auto row = [](const char* tag, int line, const char* contact, const char* finding) {
        QTest::newRow(tag) << line << QString::fromLatin1(contact) << QString::fromLatin1(finding);
    };
    row("no start", 1, "START-OF-LOG 2.0", "The log does not begin with START-OF-LOG:");
    row("used call", 12, "QSO: 14000 PH 2026-04-05 1501 QQ9ZZZ        59       2 QQ3CCC        59       7",
        "Contacts made as QQ9ZZZ, but the CALLSIGN: line names QQ1AAA");
    row("band", 12, "QSO: 14400 PH 2026-04-05 1501 QQ1AAA        59       2 QQ3CCC        59       7",
        "\"14400\" is not the frequency of a contest band");
    row("mode", 12, "QSO: 14000 RY 2026-04-05 1501 QQ1AAA        59       2 QQ3CCC        59       7",
        "Mode \"RY\" is neither PH nor CW");
    row("report sent", 12, "QSO: 14000 PH 2026-04-05 1501 QQ1AAA        5        2 QQ3CCC        59       7",
        "Report sent \"5\" is not a PH report");
    row("serial repeated", 12,
        "QSO: 14000 PH 2026-04-05 1501 QQ1AAA        59       1 QQ3CCC        59       7",
        "Serial 1 repeated, 2 expected");
    row("serial back", 11, "QSO: 14000 PH 2026-04-05 1500 QQ1AAA        59       3 QQ2BBB        59      12",
        "Serial 2 goes back, 4 expected");
    row("time order", 12, "QSO: 14000 PH 2026-04-05 1459 QQ1AAA        59       2 QQ3CCC        59       7",
        "2026-04-05 1459 is earlier than 2026-04-05 1500 on line 11");
    row("dupe", 12, "QSO: 14000 PH 2026-04-05 1501 QQ1AAA        59       2 QQ2BBB        59       7",
        "Dupe of QQ2BBB on 20M PH, line 11");
}

void TestLogCheck::eachFindingNamesItsValues() {
    QFETCH(int, line);
    QFETCH(QString, contact);
    QFETCH(QString, finding);
    ScriptedDesktop desktop;
    Program program(desktop);
    ShowActive(&program.form1);
    std::vector<std::string> lines = Log("1501");
    lines[static_cast<std::size_t>(line - 1)] = contact.toStdString();
    program.form1.Document().ReplaceAll(lines);
    QTest::keyClick(&program.form1, Qt::Key_F7);
    QVERIFY(QTest::qWaitForWindowActive(&program.LogCheck()));
    auto* findings = Find<QTreeWidget>(&program.LogCheck(), "ListView1");
    QStringList texts;
    for (int row = 0; row < findings->topLevelItemCount(); ++row)
        texts << findings->topLevelItem(row)->text(2);
    QVERIFY2(texts.contains(finding), qPrintable(texts.join(" | ")));
    // Enter leads to the finding's line, the first one too.
    QTreeWidgetItem* item = findings->topLevelItem(static_cast<int>(texts.indexOf(finding)));
    findings->setCurrentItem(item);
    QTest::keyClick(findings, Qt::Key_Return);
    QCOMPARE(Find<QAbstractItemView>(&program.form1, "ListBox1")->currentIndex().row(),
             item->text(0).toInt() - 1);

    // Check again reads the log as it is now.
    program.form1.Document().ReplaceAll(Log("1501"));
    QTest::mouseClick(Find<QPushButton>(&program.LogCheck(), "Button1"), Qt::LeftButton);
    QCOMPARE(Find<QLabel>(&program.LogCheck(), "Label2")->text(), QStringLiteral("No problems found"));
    VERIFY_SCRIPT_PLAYED(desktop);
}

QTEST_MAIN(TestLogCheck)
#include "TestLogCheck.moc"
