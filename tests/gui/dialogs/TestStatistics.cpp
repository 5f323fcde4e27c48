// The statistics window: opened from the main window, following the contacts as they are typed,
// speaking the main window's language, and saving its chart.
#include "LogEntry.h"
#include "ScriptedDesktop.h"

#include <QBarSet>
#include <QChartView>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedBarSeries>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString Cell(TStatistics& window, int row, int column) {
    return Find<QTableWidget>(&window, "BandTable")->item(row, column)->text();
}

// The 20M part of the first hour's bar.
qreal TwentyMetres(TStatistics& window) {
    const QList<QAbstractSeries*> series = Find<QChartView>(&window, "Chart")->chart()->series();
    const QBarSet* bars = qobject_cast<QStackedBarSeries*>(series.value(0))->barSets().value(3);
    return bars->count() > 0 ? bars->at(0) : 0;
}

} // namespace

class TestStatistics : public QObject {
    Q_OBJECT
private slots:
    void followsTheContactsTypedSpeaksPolishAndSavesItsChart();
};

void TestStatistics::followsTheContactsTypedSpeaksPolishAndSavesItsChart() {
    ScriptedDesktop desktop;
    Program program(desktop);
    TForm1& form = program.form1;
    ShowActive(&form);
    SetHeader(form);
    // A contact logged before the window is first opened counts all the same.
    AddContact(form, "qq3ccc", "11");
    QTest::keyClick(&form, Qt::Key_F8);
    TStatistics& window = program.Statistics();
    QVERIFY(window.isVisible());
    QCOMPARE(Cell(window, 3, 0), "1");
    QCOMPARE(TwentyMetres(window), 1);

    // Row 3 is 20M, the main window's band; the second contact with the same call is a dupe.
    using Row = std::array<QString, 3>;
    for (const auto& [number, contacts, dupes] : {Row{"12", "2", "0"}, Row{"13", "3", "1"}}) {
        ShowActive(&form);
        AddContact(form, "qq2bbb", number);
        QCoreApplication::processEvents();
        QCOMPARE(Cell(window, 3, 0), contacts);
        QCOMPARE(Cell(window, 3, 3), dupes);
        QCOMPARE(Cell(window, zevo::BandCount, 2), "2");
        QCOMPARE(TwentyMetres(window), Cell(window, 3, 0).toDouble());
    }

    QTest::mouseClick(Find<QRadioButton>(&form, "RadioButton1"), Qt::LeftButton);
    QCOMPARE(window.windowTitle(), "Statystyki");
    QCOMPARE(Find<QTableWidget>(&window, "BandTable")->horizontalHeaderItem(2)->text(), "Znaki");

    QTemporaryDir folder;
    const QString path = folder.filePath("chart.png");
    desktop.ChooseFile(path);
    QTest::mouseClick(Find<QPushButton>(&window, "SaveChart"), Qt::LeftButton);
    QCOMPARE(QImage(path).size(), Find<QChartView>(&window, "Chart")->size());
    // Escape closes it, and the keyboard is back in the call field.
    ShowActive(&window);
    QTest::keyClick(&window, Qt::Key_Escape);
    QVERIFY(!window.isVisible());
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(QApplication::focusWidget(), Find<QLineEdit>(&form, "Edit4"));
    VERIFY_SCRIPT_PLAYED(desktop);
}

QTEST_MAIN(TestStatistics)
#include "TestStatistics.moc"
