// The ADIF import through the main window: the preview says what each record becomes, Cancel and a bad
// file change nothing, Import adds the contacts of the period as one step that one undo takes back.
#include "LogEntry.h"
#include "ScriptedDesktop.h"
#include "import/ImportAdifWindow.h"

#include <QAction>
#include <QLabel>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

class TestImportAdif : public QObject {
    Q_OBJECT
private slots:
    void previewThenImportOrCancel_data();
    void previewThenImportOrCancel();
};

void TestImportAdif::previewThenImportOrCancel_data() {
    QTest::addColumn<QString>("file"); // the file chosen: pyqso.adi, or a binary file
    QTest::addColumn<QString>("from"); // typed into the period's start, when not empty
    QTest::addColumn<bool>("import");  // Import, else Cancel
    QTest::addColumn<int>("imported");
    QTest::newRow("cancel") << "pyqso.adi"
                            << "" << false << 0;
    QTest::newRow("import all") << "pyqso.adi"
                                << "" << true << 3;
    QTest::newRow("import from 15:05") << "pyqso.adi"
                                       << "202604051505" << true << 2;
    QTest::newRow("binary file") << "binary"
                                 << "" << false << 0;
}

void TestImportAdif::previewThenImportOrCancel() {
    QFETCH(QString, file);
    QFETCH(QString, from);
    QFETCH(bool, import);
    QFETCH(int, imported);
    QTemporaryDir dir;
    const QString binary = dir.filePath(QStringLiteral("binary"));
    QFile out(binary);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(QByteArray("<CALL:2>QQ\0\x01\xFF<EOR>", 16));
    out.close();
    ScriptedDesktop desktop;
    Program program(desktop);
    ShowActive(&program.form1);
    SetHeader(program.form1);
    AddContact(program.form1, QStringLiteral("QQ9XYZ"), QStringLiteral("5"));
    const std::vector<std::string> before = program.form1.Document().Lines().ToVector();

    desktop.ChooseFile(file == "binary" ? binary : QStringLiteral(ZEVO_TEST_DATA "/adif/pyqso.adi"));
    if (file == "binary")
        desktop.Expect(
            QStringLiteral("Error"),
            QStringLiteral("File \"%1\" holds no ADIF records.\nNothing was imported.").arg(binary),
            Desktop::Icon::Error, Desktop::Buttons::Ok, Desktop::Answer::Ok);
    Find<QAction>(&program.form1, "ActionImportAdif")->trigger();
    auto* preview = program.form1.findChild<TImportAdif*>();
    if (file != "binary") {
        QVERIFY(QTest::qWaitForWindowActive(preview));
        const QAbstractItemModel* rows = Find<QTableView>(preview, "ListView1")->model();
        QCOMPARE(rows->rowCount(), 5);
        QCOMPARE(rows->index(3, 1).data().toString(),
                 QStringLiteral("Skipped: mode neither SSB nor CW (MODE: \"FT8\")"));
        if (!from.isEmpty()) {
            auto* edit = Find<QLineEdit>(preview, "Edit1");
            edit->setFocus();
            edit->selectAll();
            QTest::keyClicks(edit, from);
        }
        QTest::mouseClick(Find<QPushButton>(preview, import ? "Button1" : "Button2"), Qt::LeftButton);
    }
    const std::vector<std::string> lines = program.form1.Document().Lines().ToVector();
    QCOMPARE(lines.size(), before.size() + static_cast<std::size_t>(imported));
    QVERIFY(std::equal(before.begin(), before.end(), lines.begin()));
    if (imported > 0) {
        QCOMPARE(
            lines.back(),
            std::string("QSO:  7100 PH 2026-04-05 1512 QQ1AAA        59         QQ4DDD/P      59        "));
        QCOMPARE(Find<QLabel>(preview, "Label3")->text(),
                 QStringLiteral("%1 contacts imported, 2 records skipped.").arg(imported));
        // One undo takes the whole import back.
        Find<QAction>(&program.form1, "ActionUndo")->trigger();
        QCOMPARE(program.form1.Document().Lines(), before);
        QTest::mouseClick(Find<QPushButton>(preview, "Button3"), Qt::LeftButton);
        QVERIFY(program.LogCheck().isVisible());
    }
    if (preview)
        QVERIFY(!preview->isVisible() || import);
    VERIFY_SCRIPT_PLAYED(desktop);
}

QTEST_MAIN(TestImportAdif)
#include "TestImportAdif.moc"
