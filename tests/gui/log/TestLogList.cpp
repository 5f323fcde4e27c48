// The log list as the main window shows it: the last line after an add, the reach of the horizontal
// scroll bar, and the keys that move the selection.
#include "LogEntry.h"
#include "ScriptedDesktop.h"
#include "log/LogTableView.h"
#include "widgets/GrowingLayout.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

class TestLogList : public QObject {
    Q_OBJECT
private slots:
    void anAddShowsTheLastLineAndTheWidestReaches_data();
    void anAddShowsTheLastLineAndTheWidestReaches();
    void keysMoveTheSelectionAsInAListBox();
    void aWholeLineShowsAndTheListGrowsWithTheWindow();
    void aRemovalMeasuresTheWidestLineAgain_data();
    void aRemovalMeasuresTheWidestLineAgain();
};

void TestLogList::anAddShowsTheLastLineAndTheWidestReaches_data() {
    QTest::addColumn<int>("lines");        // in the log before the add
    QTest::addColumn<int>("longLine");     // characters of a line among them; 0 for none
    QTest::addColumn<int>("listWidth");    // 0 keeps the window's
    QTest::addColumn<bool>("scrollRight"); // to the end of the widest line before the add
    QTest::addColumn<bool>("loaded");      // the lines replace the log, as a load does
    QTest::newRow("long log") << 500 << 0 << 0 << false << false;
    QTest::newRow("long line, scrolled to its end") << 500 << 400 << 0 << true << false;
    QTest::newRow("loaded long line, scrolled to its end") << 500 << 400 << 0 << true << true;
    // The horizontal scroll bar comes with the added line, and must not cover it.
    QTest::newRow("added line wider than the list") << 500 << 0 << 300 << false << false;
}

void TestLogList::anAddShowsTheLastLineAndTheWidestReaches() {
    QFETCH(int, lines);
    QFETCH(int, longLine);
    QFETCH(int, listWidth);
    QFETCH(bool, scrollRight);
    QFETCH(bool, loaded);
    ScriptedDesktop desktop;
    Program program(desktop);
    TForm1& form = program.form1;
    ShowActive(&form);
    SetHeader(form);
    std::vector<std::string> log(static_cast<std::size_t>(lines), "QSO");
    if (longLine > 0)
        log[log.size() / 2] = std::string(static_cast<std::size_t>(longLine), 'W');
    if (loaded)
        form.Document().ReplaceAll(log);
    else
        form.Document().Append(log);
    auto* list = Find<QAbstractItemView>(&form, "ListBox1");
    if (listWidth > 0)
        list->resize(listWidth, list->height());
    QScrollBar* bar = list->horizontalScrollBar();
    QCoreApplication::processEvents();
    if (scrollRight)
        bar->setValue(bar->maximum());

    AddContact(form, "qq2bbb", "12");
    QCoreApplication::processEvents();

    const QModelIndex last = form.LogList().index(form.LogList().Count() - 1);
    QCOMPARE(list->selectionModel()->selectedRows(), QModelIndexList{last});
    const QRect row = list->visualRect(last);
    QVERIFY2(row.top() >= 0 && row.bottom() <= list->viewport()->rect().bottom(), "last line out of view");
    QCOMPARE(bar->value(), 0);
    // Rows alone, as in a list box: no header above or beside them.
    for (const QHeaderView* header : list->findChildren<QHeaderView*>())
        QVERIFY(header->isHidden());
    // The scroll bar reaches the end of the widest line, and beyond it only by the text's margins.
    int widest = 0;
    for (const std::string_view line : form.Document().Lines())
        widest = qMax(widest, list->fontMetrics().horizontalAdvance(
                                  QString::fromUtf8(line.data(), qsizetype(line.size()))));
    const int reach = bar->maximum() + list->viewport()->width();
    QVERIFY2(reach >= widest &&
                 (bar->maximum() == 0 ||
                  reach - widest <= 2 * list->fontMetrics().horizontalAdvance(QLatin1Char('W'))),
             qPrintable(QStringLiteral("reach %1, widest line %2").arg(reach).arg(widest)));
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestLogList::keysMoveTheSelectionAsInAListBox() {
    ScriptedDesktop desktop;
    Program program(desktop);
    TForm1& form = program.form1;
    ShowActive(&form);
    form.Document().Append(std::vector<std::string>(100, "QSO"));
    auto* list = Find<QAbstractItemView>(&form, "ListBox1");
    list->setFocus();
    QVERIFY(LogTableView::EveryCharacterAdvancesAlike(list->font())); // the columns of the lines line up
    // Rows like a list box's: across the list, one under the other, as high as the text and a little air.
    const QRect first = list->visualRect(form.LogList().index(0));
    QCOMPARE(list->visualRect(form.LogList().index(1)).top(), first.bottom() + 1);
    QCOMPARE(first.width(), list->viewport()->width());
    QVERIFY(first.height() > list->fontMetrics().height() &&
            first.height() <= list->fontMetrics().height() + 4);
    const int page = list->viewport()->height() / first.height();
    // A page key may stop a line short of a whole page, as the rows meet the list's edges.
    const struct {
        Qt::Key key;
        int from, to, slack;
    } table[] = {{Qt::Key_Down, 5, 6, 0}, {Qt::Key_Up, 5, 4, 0},          {Qt::Key_Home, 50, 0, 0},
                 {Qt::Key_End, 5, 99, 0}, {Qt::Key_PageDown, 0, page, 1}, {Qt::Key_PageUp, 99, 99 - page, 1}};
    for (const auto& row : table) {
        list->setCurrentIndex(form.LogList().index(row.from));
        QTest::keyClick(list, row.key);
        const QModelIndexList selected = list->selectionModel()->selectedRows();
        QVERIFY2(selected.size() == 1 && qAbs(selected.first().row() - row.to) <= row.slack,
                 qPrintable(QStringLiteral("key %1 from row %2").arg(row.key).arg(row.from)));
    }
    // Tab goes on to the next control, as from a list box, instead of to the next row.
    QTest::keyClick(list, Qt::Key_Tab);
    QVERIFY(!list->hasFocus());
    // A screen reader reads the list line by line.
    form.Document().Append("SOAPBOX: \xa3\xd3"
                           "D\x8f");
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(list);
    QCOMPARE(reader->role(), QAccessible::List);
    QCOMPARE(reader->childCount(), 101);
    QCOMPARE(reader->child(100)->text(QAccessible::Name), QStringLiteral("SOAPBOX: ŁÓDŹ"));
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestLogList::aWholeLineShowsAndTheListGrowsWithTheWindow() {
    ScriptedDesktop desktop;
    Program program(desktop);
    TForm1& form = program.form1;
    ShowActive(&form);
    SetHeader(form);
    AddContact(form, "qq2bbb", "123456");
    auto* list = Find<LogTableView>(&form, "ListBox1");
    QCOMPARE(list->horizontalScrollBar()->maximum(), 0); // the number received, typed last, is in view
    auto* exit = Find<QPushButton>(&form, "Button5");
    // No empty band under the buttons, whatever the menu and status bars take.
    QCOMPARE(form.centralWidget()->height() - exit->geometry().bottom() - 1, GrowingLayout::BottomMargin);
    const QRect listBefore = list->geometry();
    const QPoint exitBefore = exit->pos();
    form.resize(form.size() + QSize(100, 80));
    QCOMPARE(list->geometry(), listBefore.adjusted(0, 0, 100, 80));
    QCOMPARE(exit->pos(), exitBefore + QPoint(0, 80)); // what is under the list stays at the bottom
}

void TestLogList::aRemovalMeasuresTheWidestLineAgain_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("widest"); // after END-OF-LOG: lines are removed
    QTest::newRow("the widest, once") << QStringList{"END-OF-LOG:", "QSO"} << 3;
    QTest::newRow("the widest, twice") << QStringList{"QSO", "END-OF-LOG:", "END-OF-LOG:"} << 3;
    QTest::newRow("a narrower one") << QStringList{"END-OF-LOG:", "SOAPBOX: LONGER"} << 15;
}

void TestLogList::aRemovalMeasuresTheWidestLineAgain() {
    QFETCH(QStringList, lines);
    QFETCH(int, widest);
    zevo::LogDocument document;
    LogListModel log(document);
    for (const QString& line : lines)
        document.Append(line.toStdString());
    QSignalSpy removed(&log, &QAbstractItemModel::rowsRemoved);
    document.MoveToEnd("END-OF-LOG:");
    document.Remove(document.Count() - 1);
    QCOMPARE(log.WidestLine(), widest);
    // The view is told of each line that went.
    QCOMPARE(removed.count(), int(lines.count(QStringLiteral("END-OF-LOG:"))) + 1);
}

QTEST_MAIN(TestLogList)
#include "TestLogList.moc"
