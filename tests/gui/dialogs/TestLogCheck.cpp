// The log check: opened from the main window's menu, a finding leads back to its line in the log.
#include "LogEntry.h"
#include "ScriptedDesktop.h"

#include <QAbstractItemView>
#include <QLabel>
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

QTEST_MAIN(TestLogCheck)
#include "TestLogCheck.moc"
