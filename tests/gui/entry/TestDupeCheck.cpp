// The call checked against the log as it is typed: the status line, the call's colour, the check panel.
#include "LogEntry.h"
#include "ScriptedDesktop.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

class TestDupeCheck : public QObject {
    Q_OBJECT
private slots:
    void theTypedCallAgainstTheLog_data();
    void theTypedCallAgainstTheLog();
    void contactsTypedAtFullSpeedAreAllLogged();
    void aCallOfTheCheckFilePickedFromThePanel();
};

void TestDupeCheck::theTypedCallAgainstTheLog_data() {
    QTest::addColumn<QString>("call");
    QTest::addColumn<bool>("polish");
    QTest::addColumn<QString>("mode"); // CW by Alt+M after the call, or a mode typed over the box
    QTest::addColumn<QString>("status");
    QTest::addColumn<QStringList>("panel");
    const QStringList both{"QQ2BBB  40M CW, 20M SSB*"};
    QTest::newRow("dupe") << "QQ2BBB" << false << ""
                          << "Dupe: QQ2BBB 20M SSB 15:02, line 7" << both;
    QTest::newRow("Polish") << "QQ2BBB" << true << ""
                            << "Duplikat: QQ2BBB 20M SSB 15:02, wiersz 7" << both;
    QTest::newRow("Alt+M") << "QQ2BBB" << false << "Alt+M"
                           << "Worked: QQ2BBB 40M CW, 20M SSB" << QStringList{"QQ2BBB  40M CW, 20M SSB"};
    // A typed mode is no entry, which the line gives as CW.
    QTest::newRow("typed mode") << "QQ2BBB" << false << "RTTY"
                                << "Worked: QQ2BBB 40M CW, 20M SSB" << QStringList{"QQ2BBB  40M CW, 20M SSB"};
    QTest::newRow("worked") << "QQ3CCC/P" << false << ""
                            << "Worked: QQ3CCC/P 80M SSB" << QStringList{"QQ3CCC/P  80M SSB"};
    QTest::newRow("new") << "QQ3CCC" << true << ""
                         << "Nowy" << QStringList{"QQ3CCC/P  80M SSB"};
    QTest::newRow("fragment") << "QQ" << false << ""
                              << "New" << QStringList{"QQ2BBB    40M CW, 20M SSB*", "QQ3CCC/P  80M SSB"};
    QTest::newRow("nothing") << "" << false << ""
                             << "" << QStringList{};
}

void TestDupeCheck::theTypedCallAgainstTheLog() {
    QFETCH(QString, call);
    QFETCH(bool, polish);
    QFETCH(QString, mode);
    QFETCH(QString, status);
    QFETCH(QStringList, panel);
    ScriptedDesktop desktop;
    Program program(desktop);
    TForm1& form = program.form1;
    ShowActive(&form);
    SetHeader(form);
    Find<QLineEdit>(&form, "Edit3")->setText("15:02");
    // The last on 20M SSB, where the calls are typed.
    for (const auto& [logged, band, mode] :
         {std::tuple{"QQ2BBB", 2, 1}, {"QQ3CCC/P", 1, 0}, {"QQ2BBB", 3, 0}}) {
        Find<QComboBox>(&form, "ComboBox1")->setCurrentIndex(band);
        Find<QComboBox>(&form, "ComboBox2")->setCurrentIndex(mode);
        AddContact(form, QLatin1String(logged), "1");
    }
    if (polish)
        QTest::mouseClick(Find<QRadioButton>(&form, "RadioButton1"), Qt::LeftButton);
    QTest::keyClick(&form, Qt::Key_F9);

    auto* edit = Find<QLineEdit>(&form, "Edit4");
    Type(edit, call);
    if (mode == "Alt+M")
        QTest::keyClick(edit, Qt::Key_M, Qt::AltModifier);
    else if (!mode.isEmpty())
        Type(Find<QComboBox>(&form, "ComboBox2")->lineEdit(), mode);
    QCOMPARE(QStringList({Find<QLabel>(&form, "DupeStatus")->text(), edit->accessibleDescription()}),
             QStringList({status, status}));
    QCOMPARE(edit->palette().color(QPalette::Text) == Qt::red, status.startsWith("Du"));
    auto* list = Find<QListWidget>(&form, "CheckList");
    QStringList shown;
    for (int row = 0; row < list->count(); ++row) {
        shown << list->item(row)->text();
        // A dupe stands out in the panel too.
        QCOMPARE(list->item(row)->foreground().color() == Qt::red, shown.last().endsWith('*'));
    }
    QCOMPARE(shown, panel);
    // Enter on a call of the panel takes it into the call field, ready for the number.
    if (!panel.isEmpty()) {
        // Down reaches the panel from the call field, Escape leaves it.
        QTest::keyClick(edit, Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), list);
        QTest::keyClick(list, Qt::Key_Escape);
        QCOMPARE(QApplication::focusWidget(), edit);
        QTest::keyClick(edit, Qt::Key_Down);
        list->setCurrentRow(panel.size() - 1);
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(edit->text(), panel.last().section(' ', 0, 0));
        QCOMPARE(QApplication::focusWidget(), edit);
    }
    VERIFY_SCRIPT_PLAYED(desktop);
}

// Call, Enter, number, Enter as fast as the events go, with the panel open: every key reaches its field
// and every contact is logged, dupes as any other.
void TestDupeCheck::contactsTypedAtFullSpeedAreAllLogged() {
    ScriptedDesktop desktop;
    Program program(desktop);
    ShowActive(&program.form1);
    SetHeader(program.form1);
    QTest::keyClick(&program.form1, Qt::Key_F9);
    Find<QLineEdit>(&program.form1, "Edit4")->setFocus();
    for (int i = 0; i < 50; ++i)
        for (const QString& typed : {QString("QQ%1B").arg(i % 20), QString::number(i + 1)}) {
            QTest::keyClicks(QApplication::focusWidget(), typed);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
    QCOMPARE(program.form1.LogList().Count(), int(HeaderLines.size()) + 50);
    for (int i = 0; i < 50; ++i)
        QCOMPARE(QString::fromStdString(std::string(program.form1.Document().Lines()[HeaderLines.size() + i]))
                     .mid(55)
                     .simplified(),
                 QString("QQ%1B 59 %2").arg(i % 20).arg(i + 1));
    VERIFY_SCRIPT_PLAYED(desktop);
}

// The check file's calls follow the log's in the panel; one picked is checked as a typed one, a call
// neither knows is flagged, a file that is no list of calls leaves the loaded one, the copy kept in the
// data folder comes back at the next start, and the status counts the calls and the lines skipped.
void TestDupeCheck::aCallOfTheCheckFilePickedFromThePanel() {
    QTemporaryDir folder;
    const QString data = folder.filePath("data");
    for (const auto& [name, bytes] :
         {std::pair{"calls.scp", "!!Order,1,1\r\n# 2026\r\nqq2bbd\r\nQQ2BBB\r\nSP/QQ2BBX\r\nnot a call\r\n"},
          std::pair{"empty.scp", "# nothing\r\n"}, std::pair{"one.scp", "QQ2BBB\r\n12345\r\nABCDE\r\n"}}) {
        QFile file(folder.filePath(QLatin1String(name)));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) > 0);
    }
    ScriptedDesktop desktop;
    auto program = std::make_unique<Program>(desktop, data);
    desktop.ChooseFile(folder.filePath("calls.scp"));
    Find<QAction>(&program->form1, "ActionLoadCheckFile")->trigger();
    // Read again at the next start, from the copy.
    program.reset();
    program = std::make_unique<Program>(desktop, data);
    TForm1& form = program->form1;
    ShowActive(&form);
    SetHeader(form);
    AddContact(form, "QQ2BBB", "1");
    desktop.ChooseFile(folder.filePath("empty.scp"));
    desktop.Expect("Check file", "The file empty.scp holds no calls.", Desktop::Icon::Warning,
                   Desktop::Buttons::Ok, Desktop::Answer::Ok);
    Find<QAction>(&form, "ActionLoadCheckFile")->trigger();
    QCOMPARE(Find<QLabel>(&form, "CheckFileStatus")->text(),
             "Check file: 3 calls (1 line that is no call skipped)");
    QTest::keyClick(&form, Qt::Key_F9);

    auto* edit = Find<QLineEdit>(&form, "Edit4");
    Type(edit, "QQ2BB");
    auto* list = Find<QListWidget>(&form, "CheckList");
    QStringList shown;
    for (int row = 0; row < list->count(); ++row)
        shown << list->item(row)->text();
    QCOMPARE(shown, QStringList({"In the log", "QQ2BBB  20M SSB*", "In the check file, beginning with QQ2BB",
                                 "QQ2BBD", "In the check file, holding QQ2BB", "SP/QQ2BBX"}));
    // Down goes to the first call, past its heading.
    QTest::keyClick(edit, Qt::Key_Down);
    QCOMPARE(list->currentRow(), 1);
    list->setCurrentRow(3);
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(edit->text(), "QQ2BBD");
    auto* status = Find<QLabel>(&form, "DupeStatus");
    QCOMPARE(status->text(), "New");
    Type(edit, "Q");
    QCOMPARE(status->text(), "New");
    QTest::keyClick(edit, Qt::Key_Tab);
    QCOMPARE(status->text(), "New - not in the check file");
    // The panel follows the log while the call stays typed.
    edit->setText("QQ2BBB");
    QVERIFY(status->text().startsWith("Dupe"));
    PressOnLine(form, static_cast<int>(HeaderLines.size()), Qt::Key_Delete);
    QCOMPARE(status->text(), "New");
    Find<QAction>(&form, "ActionRemoveCheckFile")->trigger();
    QCOMPARE(Find<QLabel>(&form, "CheckFileStatus")->text(), "");
    QVERIFY(QDir(data).entryList({"*.scp"}).isEmpty());
    desktop.ChooseFile(folder.filePath("one.scp"));
    Find<QAction>(&form, "ActionLoadCheckFile")->trigger();
    QCOMPARE(Find<QLabel>(&form, "CheckFileStatus")->text(),
             "Check file: 1 call (2 lines that are no call skipped)");
    VERIFY_SCRIPT_PLAYED(desktop);
}

QTEST_MAIN(TestDupeCheck)
#include "TestDupeCheck.moc"
