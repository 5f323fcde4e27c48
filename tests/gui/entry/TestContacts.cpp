// Adding a contact through the main window: the checks, the line, the number sent and the window after.
#include "LogEntry.h"
#include "ScriptedDesktop.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

class TestContacts : public QObject {
    Q_OBJECT
private slots:
    void addsTheContactAndGetsReadyForTheNext_data();
    void addsTheContactAndGetsReadyForTheNext();
    void aModeTypedOverSsbIsCw();
    void refusesWithNothingChanged_data();
    void refusesWithNothingChanged();
};

void TestContacts::addsTheContactAndGetsReadyForTheNext_data() {
    QTest::addColumn<int>("province"); // the entry chosen in Polish; -1 for English
    QTest::addColumn<bool>("raise");   // the auto-increment box
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("columns49to54");
    QTest::addColumn<QString>("after"); // the same number with the box checked: it cannot be raised
    const auto row = [](const char* name, int province, bool raise, const char* before, const char* columns,
                        const char* after) {
        QTest::newRow(name) << province << raise << QString::fromLatin1(before)
                            << QString::fromLatin1(columns) << QString::fromLatin1(after);
    };
    row("007", -1, true, "007", "   007", "8");
    row("009", -1, true, "009", "   009", "10");
    row("largest 32-bit", -1, true, "2147483647", "483647", "2147483648");
    row("box unchecked", -1, false, "5", "     5", "5");
    row("letters", -1, true, "12A", "   12A", "12A");
    row("beyond 32 bits", -1, true, "2147483648", "483648", "2147483648");
    // Hidden in Polish, the number sent goes on counting.
    row("Polish, S", 12, true, "7", "     S", "8");
    row("Polish, the first province", 0, true, "7", "     B", "8");
}

void TestContacts::addsTheContactAndGetsReadyForTheNext() {
    QFETCH(int, province);
    QFETCH(bool, raise);
    QFETCH(QString, before);
    QFETCH(QString, columns49to54);
    QFETCH(QString, after);
    ScriptedDesktop desktop;
    Program program(desktop);
    TForm1& form = program.form1;
    ShowActive(&form);
    SetHeader(form);
    form.Document().Append(std::vector<std::string>(500, "QSO: an earlier contact"));
    form.SetUnsavedLog(false);
    Find<QLineEdit>(&form, "Edit8")->setText(before);
    if (!raise)
        QTest::mouseClick(Find<QCheckBox>(&form, "CheckBox1"), Qt::LeftButton);
    if (province >= 0) {
        QTest::mouseClick(Find<QRadioButton>(&form, "RadioButton1"), Qt::LeftButton);
        for (int i = 0; i <= province; ++i)
            QTest::keyClick(Find<QComboBox>(&form, "ComboBox3"), Qt::Key_Down);
    }
    if (raise && after == before)
        desktop.Expect("ZEVO Contest", QStringLiteral("'%1' is not a valid integer value.").arg(before),
                       Desktop::Icon::Error, Desktop::Buttons::Ok, Desktop::Answer::Ok);
    AddContact(form, "qq2bbb", "12");

    // A number that cannot be raised is reported, and the contact is complete all the same.
    QCOMPARE(QString::fromStdString(std::string(form.Document().Lines().back().substr(48, 6))),
             columns49to54);
    QCOMPARE(Find<QLineEdit>(&form, "Edit8")->text(), after);
    QVERIFY(form.UnsavedLog());
    QVERIFY(Find<QLineEdit>(&form, "Edit4")->text().isEmpty());
    QVERIFY(Find<QLineEdit>(&form, "Edit6")->text().isEmpty());
    QVERIFY(Find<QLineEdit>(&form, "Edit4")->hasFocus());
    auto* list = Find<QAbstractItemView>(&form, "ListBox1");
    const QModelIndex last = form.LogList().index(form.LogList().Count() - 1);
    QCOMPARE(list->selectionModel()->selectedRows(), QModelIndexList{last});
    const QRect row = list->visualRect(last);
    QVERIFY2(row.top() >= 0 && row.bottom() <= list->viewport()->rect().bottom(), "new line out of view");
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestContacts::aModeTypedOverSsbIsCw() {
    ScriptedDesktop desktop;
    Program program(desktop);
    TForm1& form = program.form1;
    ShowActive(&form);
    SetHeader(form);
    auto* mode = Find<QComboBox>(&form, "ComboBox2")->lineEdit();
    mode->selectAll();
    Type(mode, "FM");
    AddContact(form, "qq2bbb", "12");
    QCOMPARE(form.Document().Lines().back(),
             "QSO: 14000 CW 2026-04-05 1500 QQ1AAA        59       1 QQ2BBB        59      12");
    // Alt+M over a typed mode picks the first entry.
    Type(mode, "RTTY");
    QTest::keyClick(Find<QLineEdit>(&form, "Edit4"), Qt::Key_M, Qt::AltModifier);
    QCOMPARE(mode->text(), QStringLiteral("SSB"));
    // A category from the header dialog shows its mode over the typed text.
    form.ApplyCategory({.value = "SINGLE-OP 160M LOW SSB", .mode = "SSB", .reports = "59", .band = "160M"});
    QCOMPARE(mode->text(), QStringLiteral("SSB"));
    AddContact(form, "qq3ccc", "5");
    QCOMPARE(form.Document().Lines().back(),
             "QSO:  1800 PH 2026-04-05 1500 QQ1AAA        59       2 QQ3CCC        59       5");
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestContacts::refusesWithNothingChanged_data() {
    QTest::addColumn<bool>("headerSet");
    QTest::addColumn<bool>("polish");
    QTest::addColumn<QString>("call");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("focus"); // after the message
    const auto row = [](const char* name, bool headerSet, bool polish, const char* call, const char* text,
                        const char* date = "2026-04-05", const char* time = "15:00",
                        const char* focus = "Button4") {
        QTest::newRow(name) << headerSet << polish << QString::fromLatin1(call) << QString::fromUtf8(text)
                            << QString::fromLatin1(date) << QString::fromLatin1(time)
                            << QString::fromLatin1(focus);
    };
    row("no header, before no call", false, false, "", "Please set the Header of Cabrillo file first!");
    row("no call", true, false, "", "No Call set!");
    row("no call, Polish", true, true, "", "Brak znaku stacji!");
    row("no province, Polish", true, true, "QQ2BBB", "Brak wybranego nadawanego skrótu województwa!");
    row("31 April", true, false, "QQ2BBB", "The date 2026-04-31 is not a date of the calendar!", "2026-04-31",
        "15:00", "Edit2");
    row("month 13, Polish", true, true, "QQ2BBB", "Data 2026-13-45 nie jest datą z kalendarza!", "2026-13-45",
        "15:00", "Edit2");
    row("25:70", true, false, "QQ2BBB", "The time 25:70 is not a time of day (00:00 to 23:59)!", "2026-04-05",
        "25:70", "Edit3");
    row("23:60", true, false, "QQ2BBB", "The time 23:60 is not a time of day (00:00 to 23:59)!", "2026-04-05",
        "23:60", "Edit3");
}

void TestContacts::refusesWithNothingChanged() {
    QFETCH(bool, headerSet);
    QFETCH(bool, polish);
    QFETCH(QString, call);
    QFETCH(QString, text);
    QFETCH(QString, date);
    QFETCH(QString, time);
    QFETCH(QString, focus);
    ScriptedDesktop desktop;
    Program program(desktop);
    TForm1& form = program.form1;
    ShowActive(&form);
    form.SetHeaderSet(headerSet);
    if (polish) {
        QTest::mouseClick(Find<QRadioButton>(&form, "RadioButton1"), Qt::LeftButton);
        Find<QComboBox>(&form, "ComboBox3")->setCurrentIndex(call.isEmpty() || date == "2026-04-05" ? -1 : 0);
    }
    Find<QLineEdit>(&form, "Edit2")->setText(date);
    Find<QLineEdit>(&form, "Edit3")->setText(time);

    desktop.Expect(polish ? QString::fromUtf8("Błąd") : QStringLiteral("Error"), text, Desktop::Icon::Error,
                   Desktop::Buttons::Ok, Desktop::Answer::Ok);
    AddContact(form, call, "12");

    QCOMPARE(form.LogList().Count(), 0);
    QVERIFY(!form.UnsavedLog());
    QCOMPARE(Find<QLineEdit>(&form, "Edit4")->text(), call);
    QCOMPARE(Find<QLineEdit>(&form, "Edit6")->text(), QStringLiteral("12"));
    QCOMPARE(Find<QLineEdit>(&form, "Edit8")->text(), QStringLiteral("1"));
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    VERIFY_SCRIPT_PLAYED(desktop);
}

QTEST_MAIN(TestContacts)
#include "TestContacts.moc"
