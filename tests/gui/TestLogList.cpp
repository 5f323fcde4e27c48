// The view of the log list: rows of one height, one under the other, whatever the log's length.
#include "GuiTest.h"
#include "LogListModel.h"
#include "LogListView.h"

#include <QImage>
#include <QScrollBar>
#include <QtTest>

namespace {

// A list of numbered rows that counts how often the view asks for them.
class CountingModel final : public QAbstractListModel {
public:
    explicit CountingModel(int rows) : m_rows(rows) {}
    int rowCount(const QModelIndex& parent = QModelIndex()) const override {
        return parent.isValid() ? 0 : m_rows;
    }
    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override {
        ++m_questions;
        return QAbstractListModel::index(row, column, parent);
    }
    QVariant data(const QModelIndex& index, int role) const override {
        ++m_questions;
        return role == Qt::DisplayRole ? QVariant(QStringLiteral("row %1").arg(index.row())) : QVariant();
    }
    void AppendRow() {
        beginInsertRows(QModelIndex(), m_rows, m_rows);
        ++m_rows;
        endInsertRows();
    }
    int Questions() const { return m_questions; }

private:
    int m_rows;
    mutable int m_questions = 0;
};

std::vector<std::string> NumberedLines(int count, const std::string& prefix = "line ") {
    std::vector<std::string> lines;
    for (int i = 0; i < count; ++i)
        lines.push_back(prefix + std::to_string(i));
    return lines;
}

// A view on the screen, 300 wide and about ten rows high.
struct ShownView {
    explicit ShownView(QAbstractItemModel* model) {
        view.setModel(model);
        view.resize(300, 160);
        view.show();
        if (!QTest::qWaitForWindowExposed(&view))
            qFatal("the view was never shown");
        QCoreApplication::processEvents();
    }
    int Visible() const { return view.viewport()->height() / view.RowHeight(); }
    bool InView(int row) const {
        const QRect rect = view.visualRect(view.model()->index(row, 0));
        return rect.top() >= 0 && rect.bottom() <= view.viewport()->rect().bottom();
    }
    LogListView view;
};

} // namespace

class TestLogList : public QObject {
    Q_OBJECT
private slots:
    void rowsStandOneUnderTheOther_data();
    void rowsStandOneUnderTheOther();
    void addingARowAsksOnlyForTheRowsOnScreen();
    void scrollRangesFollowTheLog();
    void keysMoveTheCurrentRowAndKeepItInView_data();
    void keysMoveTheCurrentRowAndKeepItInView();
    void aClickSelectsTheRowUnderTheMouse();
    void aLongLineScrollsSidewaysAndScrollingToARowShowsItsStart();
    void theSelectedRowIsPaintedWhereItStands();
};

void TestLogList::rowsStandOneUnderTheOther_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("scrolledTo");
    QTest::newRow("first") << 0 << 0;
    QTest::newRow("third") << 2 << 0;
    QTest::newRow("middle, scrolled there") << 500 << 500;
    QTest::newRow("last, scrolled there") << 999 << 999;
}

void TestLogList::rowsStandOneUnderTheOther() {
    QFETCH(int, row);
    QFETCH(int, scrolledTo);
    LogListModel model;
    model.Append(NumberedLines(1000));
    ShownView shown(&model);
    LogListView& view = shown.view;
    view.scrollTo(model.index(scrolledTo), QAbstractItemView::PositionAtTop);

    const QModelIndex index = model.index(row);
    const QRect rect = view.visualRect(index);
    QCOMPARE(rect.height(), view.RowHeight());
    QCOMPARE(rect.top(), row * view.RowHeight() - view.verticalScrollBar()->value());
    QCOMPARE(view.indexAt(rect.center()), index);
    QCOMPARE(view.indexAt(rect.topLeft()), index);
    QCOMPARE(view.indexAt(rect.bottomLeft() + QPoint(0, 1)),
             row + 1 < 1000 ? model.index(row + 1) : QModelIndex());
}

void TestLogList::addingARowAsksOnlyForTheRowsOnScreen() {
    CountingModel model(20000);
    ShownView shown(&model);
    shown.view.scrollToBottom();
    QCoreApplication::processEvents();
    const int before = model.Questions();

    model.AppendRow();
    shown.view.setCurrentIndex(model.index(20000, 0));
    shown.view.scrollTo(model.index(20000, 0));
    shown.view.repaint();
    QCoreApplication::processEvents();

    // Laying the whole list out again would ask about every one of the 20,001 rows.
    const int asked = model.Questions() - before;
    QVERIFY2(asked < 20 * shown.Visible(), qPrintable(QString::number(asked)));
    QVERIFY(shown.InView(20000));
}

void TestLogList::scrollRangesFollowTheLog() {
    LogListModel model;
    ShownView shown(&model);
    LogListView& view = shown.view;
    const int rowHeight = view.RowHeight();
    const auto expectedMaximum = [&](int rows) {
        return qMax(0, rows * rowHeight - view.viewport()->height());
    };
    QCOMPARE(view.verticalScrollBar()->maximum(), 0);

    model.Append(NumberedLines(100));
    QCOMPARE(view.verticalScrollBar()->maximum(), expectedMaximum(100));
    model.Append(std::string("END-OF-LOG:"));
    QCOMPARE(view.verticalScrollBar()->maximum(), expectedMaximum(101));
    QCOMPARE(view.verticalScrollBar()->singleStep(), rowHeight);

    model.RemoveAll("END-OF-LOG:");
    QCoreApplication::processEvents();
    QCOMPARE(view.verticalScrollBar()->maximum(), expectedMaximum(100));

    model.Clear();
    QCoreApplication::processEvents();
    QCOMPARE(view.verticalScrollBar()->maximum(), 0);
    QCOMPARE(view.indexAt(QPoint(5, 5)), QModelIndex());
}

void TestLogList::keysMoveTheCurrentRowAndKeepItInView_data() {
    // Keys pressed after End, from the last of 300 rows.
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("row"); // -1: a page down from the top
    QTest::newRow("end") << QList<int>{} << 299;
    QTest::newRow("down at the end") << QList<int>{Qt::Key_Down} << 299;
    QTest::newRow("up") << QList<int>{Qt::Key_Up} << 298;
    QTest::newRow("up, up") << QList<int>{Qt::Key_Up, Qt::Key_Up} << 297;
    QTest::newRow("home") << QList<int>{Qt::Key_Home} << 0;
    QTest::newRow("home, down") << QList<int>{Qt::Key_Home, Qt::Key_Down} << 1;
    QTest::newRow("home, page down") << QList<int>{Qt::Key_Home, Qt::Key_PageDown} << -1;
    QTest::newRow("home, page down, page up")
        << QList<int>{Qt::Key_Home, Qt::Key_PageDown, Qt::Key_PageUp} << 0;
    QTest::newRow("page up at the end") << QList<int>{Qt::Key_PageUp} << -2;
}

void TestLogList::keysMoveTheCurrentRowAndKeepItInView() {
    QFETCH(QList<int>, keys);
    QFETCH(int, row);
    LogListModel model;
    model.Append(NumberedLines(300));
    ShownView shown(&model);
    // A page is one row less than the rows on screen, so that one row stays in view.
    const int page = shown.Visible() - 1;
    if (row == -1)
        row = page;
    if (row == -2)
        row = 299 - page;
    QTest::keyClick(&shown.view, Qt::Key_End);
    for (const int key : keys)
        QTest::keyClick(&shown.view, Qt::Key(key));
    QCOMPARE(shown.view.currentIndex(), model.index(row));
    QCOMPARE(shown.view.selectionModel()->selectedRows(), QModelIndexList{model.index(row)});
    QVERIFY(shown.InView(row));
}

void TestLogList::aClickSelectsTheRowUnderTheMouse() {
    LogListModel model;
    model.Append(NumberedLines(5));
    ShownView shown(&model);
    LogListView& view = shown.view;
    view.setSelectionMode(QAbstractItemView::SingleSelection);
    const QPoint onThird = view.visualRect(model.index(3)).center();
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, onThird);
    QCOMPARE(view.currentIndex(), model.index(3));
    QCOMPARE(view.selectionModel()->selectedRows(), QModelIndexList{model.index(3)});

    // Below the last row there is nothing to select.
    const QPoint belowTheRows(10, view.visualRect(model.index(4)).bottom() + 3 * view.RowHeight());
    QCOMPARE(view.indexAt(belowTheRows), QModelIndex());
}

void TestLogList::aLongLineScrollsSidewaysAndScrollingToARowShowsItsStart() {
    LogListModel model;
    model.Append(NumberedLines(50));
    ShownView shown(&model);
    LogListView& view = shown.view;
    QCOMPARE(view.horizontalScrollBar()->maximum(), 0);

    model.Append("SOAPBOX: " + std::string(200, 'x'));
    QVERIFY(view.ContentWidth() > view.viewport()->width());
    QCOMPARE(view.horizontalScrollBar()->maximum(), view.ContentWidth() - view.viewport()->width());
    QCOMPARE(view.visualRect(model.index(0)).width(), view.ContentWidth());

    view.horizontalScrollBar()->setValue(view.horizontalScrollBar()->maximum());
    QCOMPARE(view.visualRect(model.index(0)).left(), -view.horizontalScrollBar()->maximum());
    view.scrollTo(model.index(10));
    QCOMPARE(view.horizontalScrollBar()->value(), 0);

    // Without the long line the width comes back to the others.
    model.RemoveAll("SOAPBOX: " + std::string(200, 'x'));
    QCoreApplication::processEvents();
    QCOMPARE(view.horizontalScrollBar()->maximum(), 0);
}

void TestLogList::theSelectedRowIsPaintedWhereItStands() {
    LogListModel model;
    model.Append(NumberedLines(40));
    ShownView shown(&model);
    LogListView& view = shown.view;
    view.scrollTo(model.index(20), QAbstractItemView::PositionAtTop);
    view.setCurrentIndex(model.index(22));
    QCoreApplication::processEvents();

    const QImage image = view.viewport()->grab().toImage();
    // Right of the short texts, each row shows only its background.
    const int x = view.viewport()->width() - 3;
    const auto colourOfRow = [&](int row) {
        return image.pixelColor(x, view.visualRect(model.index(row)).center().y());
    };
    // Styles may shade the highlight a little.
    const auto near = [](const QColor& a, const QColor& b) {
        return qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue()) < 12;
    };
    const QColor selected = colourOfRow(22);
    QVERIFY2(near(selected, view.palette().color(QPalette::Active, QPalette::Highlight)) ||
                 near(selected, view.palette().color(QPalette::Inactive, QPalette::Highlight)),
             qPrintable(selected.name()));
    QCOMPARE(colourOfRow(21), view.palette().color(QPalette::Base));
    QCOMPARE(colourOfRow(23), view.palette().color(QPalette::Base));
}

QTEST_MAIN(TestLogList)
#include "TestLogList.moc"
