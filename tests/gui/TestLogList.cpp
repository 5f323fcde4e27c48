// The view of the log list: rows of one height, one under the other, whatever the log's length.
#include "GuiTest.h"
#include "LogListView.h"

#include <QtTest>

namespace {

// 20,000 numbered rows that count how often the view asks about them, in a view about ten rows high.
struct LongList : QAbstractListModel {
    LongList() {
        view.setModel(this);
        view.resize(300, 160);
        ShowActive(&view);
    }
    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : rows; }
    QVariant data(const QModelIndex& index, int role) const override {
        ++questions;
        return role == Qt::DisplayRole ? QVariant(QStringLiteral("row %1").arg(index.row())) : QVariant();
    }
    void AppendRow() {
        beginInsertRows({}, rows, rows);
        ++rows;
        endInsertRows();
    }
    bool InView(int row) const {
        const QRect rect = view.visualRect(index(row, 0));
        return rect.top() >= 0 && rect.bottom() <= view.viewport()->rect().bottom();
    }
    int rows = 20000;
    mutable int questions = 0;
    LogListView view;
};

} // namespace

class TestLogList : public QObject {
    Q_OBJECT
private slots:
    void rowsStandByTheirNumberAndEndSelectsTheLast();
    void addingARowAsksOnlyAboutTheRowsOnScreen();
};

void TestLogList::rowsStandByTheirNumberAndEndSelectsTheLast() {
    LongList list;
    const int height = list.view.RowHeight();
    list.view.scrollTo(list.index(500, 0), QAbstractItemView::PositionAtTop);
    for (const int row : {0, 500, 501, 19999}) {
        const QRect rect = list.view.visualRect(list.index(row, 0));
        QCOMPARE(rect.top(), (row - 500) * height);
        QCOMPARE(rect.height(), height);
        QCOMPARE(list.view.indexAt(rect.topLeft()), list.index(row, 0));
        QCOMPARE(list.view.indexAt(rect.bottomLeft()), list.index(row, 0));
    }

    QTest::keyClick(&list.view, Qt::Key_End);
    QCOMPARE(list.view.selectionModel()->selectedRows(), QModelIndexList{list.index(19999, 0)});
    QVERIFY(list.InView(19999));
}

void TestLogList::addingARowAsksOnlyAboutTheRowsOnScreen() {
    LongList list;
    list.view.scrollToBottom();
    QCoreApplication::processEvents();
    const int before = list.questions;
    list.AppendRow();
    list.view.setCurrentIndex(list.index(20000, 0));
    list.view.scrollTo(list.index(20000, 0));
    list.view.repaint();

    // Measuring or painting rows off the screen would ask about thousands of them.
    const int asked = list.questions - before;
    QVERIFY2(asked < 200, qPrintable(QString::number(asked)));
    QVERIFY(list.InView(20000));
}

QTEST_MAIN(TestLogList)
#include "TestLogList.moc"
