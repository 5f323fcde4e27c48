// Adding a contact through the main window: the checks, the line, the number sent and the window after.
#include "GuiTest.h"
#include "LogEntry.h"
#include "Program.h"
#include "ScriptedDesktop.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {

const char* const FirstLine =
    "QSO: 14000 PH 2026-04-05 1500 QQ1AAA        59       1 QQ2BBB        59      12";

void ChoosePolish(TForm1& form) {
    QTest::mouseClick(Find<QRadioButton>(&form, "RadioButton1"), Qt::LeftButton);
    QVERIFY(form.Polish());
}

// Steps the province selector down from "no entry" with the arrow key.
void ChooseProvince(TForm1& form, int entry) {
    auto* province = Find<QComboBox>(&form, "ComboBox3");
    province->setFocus();
    for (int i = 0; i <= entry; ++i)
        QTest::keyClick(province, Qt::Key_Down);
    QCOMPARE(province->currentIndex(), entry);
}

} // namespace

class TestContacts : public QObject {
    Q_OBJECT
private slots:
    void addsTheTypedContactAndGetsReadyForTheNext();
    void theNewLineIsSelectedAndInViewInALongLog();
    void refusesWithNothingChanged_data();
    void refusesWithNothingChanged();
    void aCallOfOneBlankIsAccepted();
    void polishSendsTheProvinceLetterAndKeepsCounting();
    void numberSent_data();
    void numberSent();
    void aNumberThatCannotBeRaisedStillCompletesTheContact_data();
    void aNumberThatCannotBeRaisedStillCompletesTheContact();
    void contactsGoAfterTheEndOfLogLineOfASave();
    void aModeTypedOverTheFirstEntryIsCw();
};

void TestContacts::addsTheTypedContactAndGetsReadyForTheNext() {
    ScriptedDesktop desktop;
    Program program(desktop);
    TForm1& form = program.form1;
    ShowActive(&form);
    SetHeader(form);
    form.SetUnsavedLog(false);

    AddContact(form, "qq2bbb", "12");

    std::vector<std::string> expected = HeaderLines();
    expected.push_back(FirstLine);
    QCOMPARE(LogLines(form), expected);
    QVERIFY(form.UnsavedLog());
    QVERIFY(Find<QLineEdit>(&form, "Edit4")->text().isEmpty());
    QVERIFY(Find<QLineEdit>(&form, "Edit6")->text().isEmpty());
    QVERIFY(Find<QLineEdit>(&form, "Edit4")->hasFocus());
    QCOMPARE(Find<QLineEdit>(&form, "Edit8")->text(), QStringLiteral("2"));
    // Everything else stays for the next contact.
    QCOMPARE(Find<QLineEdit>(&form, "Edit2")->text(), QStringLiteral("2026-04-05"));
    QCOMPARE(Find<QLineEdit>(&form, "Edit3")->text(), QStringLiteral("15:00"));
    QCOMPARE(Find<QLineEdit>(&form, "Edit5")->text(), QStringLiteral("59"));
    QCOMPARE(Find<QLineEdit>(&form, "Edit7")->text(), QStringLiteral("59"));
    QCOMPARE(Find<QComboBox>(&form, "ComboBox1")->currentText(), QStringLiteral("20M"));
    QCOMPARE(Find<QComboBox>(&form, "ComboBox2")->currentText(), QStringLiteral("SSB"));
    auto* list = Find<QListView>(&form, "ListBox1");
    QCOMPARE(list->currentIndex().row(), form.Log().Count() - 1);
    QCOMPARE(list->selectionModel()->selectedRows().size(), 1);

    // The next contact goes straight in from the call field.
    Type(Find<QLineEdit>(&form, "Edit4"), "qq3ccc");
    QTest::keyClick(Find<QLineEdit>(&form, "Edit4"), Qt::Key_Tab);
    Type(Find<QLineEdit>(&form, "Edit6"), "7");
    QTest::mouseClick(Find<QPushButton>(&form, "Button4"), Qt::LeftButton);
    QCOMPARE(form.Log().Lines().back(),
             "QSO: 14000 PH 2026-04-05 1500 QQ1AAA        59       2 QQ3CCC        59       7");
    QCOMPARE(list->currentIndex().row(), form.Log().Count() - 1);
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestContacts::theNewLineIsSelectedAndInViewInALongLog() {
    ScriptedDesktop desktop;
    Program program(desktop);
    TForm1& form = program.form1;
    ShowActive(&form);
    SetHeader(form);
    std::vector<std::string> earlier(500, FirstLine);
    form.Log().Append(earlier);
    auto* list = Find<QListView>(&form, "ListBox1");
    list->scrollToTop();
    QCoreApplication::processEvents();

    AddContact(form, "qq2bbb", "12");
    QCoreApplication::processEvents();

    const QModelIndex last = form.Log().index(form.Log().Count() - 1);
    QCOMPARE(list->currentIndex(), last);
    QVERIFY(list->selectionModel()->isSelected(last));
    // In view from top to bottom; the row may be wider than the viewport.
    const QRect row = list->visualRect(last);
    QVERIFY2(row.top() >= 0 && row.bottom() <= list->viewport()->rect().bottom(),
             "the new line is out of view");
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestContacts::refusesWithNothingChanged_data() {
    QTest::addColumn<bool>("headerSet");
    QTest::addColumn<bool>("polish");
    QTest::addColumn<QString>("call");
    QTest::addColumn<QString>("text");
    // With every field filled, the header comes first.
    QTest::newRow("no header") << false << false << "QQ2BBB"
                               << "Please set the Header of Cabrillo file first!";
    QTest::newRow("no header, no call") << false << false << ""
                                        << "Please set the Header of Cabrillo file first!";
    QTest::newRow("no call") << true << false << ""
                             << "No Call set!";
    QTest::newRow("no call, Polish") << true << true << ""
                                     << "Brak znaku stacji!";
    QTest::newRow("no province, Polish")
        << true << true << "QQ2BBB" << QString::fromUtf8("Brak wybranego nadawanego skrótu województwa!");
}

void TestContacts::refusesWithNothingChanged() {
    QFETCH(bool, headerSet);
    QFETCH(bool, polish);
    QFETCH(QString, call);
    QFETCH(QString, text);
    ScriptedDesktop desktop;
    Program program(desktop);
    TForm1& form = program.form1;
    ShowActive(&form);
    form.SetHeaderSet(headerSet);
    if (polish)
        ChoosePolish(form);
    auto* callField = Find<QLineEdit>(&form, "Edit4");
    QTest::mouseClick(callField, Qt::LeftButton);
    Type(callField, call);
    auto* numberField = Find<QLineEdit>(&form, "Edit6");
    QTest::mouseClick(numberField, Qt::LeftButton);
    Type(numberField, "12");

    const QString caption = polish ? QString::fromUtf8("Błąd") : QStringLiteral("Error");
    desktop.Expect(caption, text, Desktop::Icon::Error, Desktop::Buttons::Ok, Desktop::Answer::Ok);
    // Enter on the focused button presses it without moving the focus.
    auto* add = Find<QPushButton>(&form, "Button4");
    add->setFocus();
    QTest::keyClick(add, Qt::Key_Space);

    QCOMPARE(form.Log().Count(), 0);
    QCOMPARE(form.UnsavedLog(), false);
    QCOMPARE(callField->text(), call);
    QCOMPARE(numberField->text(), QStringLiteral("12"));
    QCOMPARE(Find<QLineEdit>(&form, "Edit8")->text(), QStringLiteral("1"));
    QVERIFY(add->hasFocus());
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestContacts::aCallOfOneBlankIsAccepted() {
    ScriptedDesktop desktop;
    Program program(desktop);
    TForm1& form = program.form1;
    ShowActive(&form);
    SetHeader(form);
    AddContact(form, " ", "12");
    QCOMPARE(form.Log().Lines().back(),
             "QSO: 14000 PH 2026-04-05 1500 QQ1AAA        59       1               59      12");
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestContacts::polishSendsTheProvinceLetterAndKeepsCounting() {
    ScriptedDesktop desktop;
    Program program(desktop);
    TForm1& form = program.form1;
    ShowActive(&form);
    SetHeader(form);
    auto* numberSent = Find<QLineEdit>(&form, "Edit8");
    numberSent->selectAll();
    Type(numberSent, "7");
    ChoosePolish(form);
    ChooseProvince(form, 12); // "S  - Świętokrzyskie"

    AddContact(form, "qq2bbb", "15");

    QCOMPARE(form.Log().Lines().back(),
             "QSO: 14000 PH 2026-04-05 1500 QQ1AAA        59       S QQ2BBB        59      15");
    // Hidden in Polish, the number sent still advances, and shows when English is chosen again.
    QCOMPARE(numberSent->text(), QStringLiteral("8"));
    QTest::mouseClick(Find<QRadioButton>(&form, "RadioButton2"), Qt::LeftButton);
    QVERIFY(numberSent->isVisible());
    QCOMPARE(numberSent->text(), QStringLiteral("8"));
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestContacts::numberSent_data() {
    QTest::addColumn<bool>("autoIncrement");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("columns49to54");
    QTest::addColumn<QString>("after");
    QTest::newRow("1") << true << "1"
                       << "     1"
                       << "2";
    QTest::newRow("leading zeros") << true << "007"
                                   << "   007"
                                   << "8";
    QTest::newRow("009") << true << "009"
                         << "   009"
                         << "10";
    QTest::newRow("eight digits") << true << "12345678"
                                  << "345678"
                                  << "12345679";
    QTest::newRow("largest") << true << "2147483646"
                             << "483646"
                             << "2147483647";
    QTest::newRow("box unchecked") << false << "5"
                                   << "     5"
                                   << "5";
    QTest::newRow("empty, box unchecked") << false << ""
                                          << "      "
                                          << "";
}

void TestContacts::numberSent() {
    QFETCH(bool, autoIncrement);
    QFETCH(QString, before);
    QFETCH(QString, columns49to54);
    QFETCH(QString, after);
    ScriptedDesktop desktop;
    Program program(desktop);
    TForm1& form = program.form1;
    ShowActive(&form);
    SetHeader(form);
    auto* numberSent = Find<QLineEdit>(&form, "Edit8");
    numberSent->selectAll();
    QTest::keyClick(numberSent, Qt::Key_Delete);
    Type(numberSent, before);
    auto* box = Find<QCheckBox>(&form, "CheckBox1");
    if (box->isChecked() != autoIncrement)
        QTest::mouseClick(box, Qt::LeftButton);
    QCOMPARE(box->isChecked(), autoIncrement);

    AddContact(form, "qq2bbb", "12");

    QCOMPARE(QString::fromStdString(form.Log().Lines().back().substr(48, 6)), columns49to54);
    QCOMPARE(form.Log().Lines().back().size(), 79u);
    QCOMPARE(numberSent->text(), after);
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestContacts::aNumberThatCannotBeRaisedStillCompletesTheContact_data() {
    QTest::addColumn<QString>("numberSent");
    QTest::addColumn<QString>("columns49to54");
    QTest::newRow("empty") << ""
                           << "      ";
    QTest::newRow("letters") << "12A"
                             << "   12A";
    QTest::newRow("beyond 32 bits") << "2147483648"
                                    << "483648";
    QTest::newRow("blank") << " "
                           << "      ";
}

void TestContacts::aNumberThatCannotBeRaisedStillCompletesTheContact() {
    QFETCH(QString, numberSent);
    QFETCH(QString, columns49to54);
    ScriptedDesktop desktop;
    Program program(desktop);
    TForm1& form = program.form1;
    ShowActive(&form);
    SetHeader(form);
    form.SetUnsavedLog(false);
    // As a loaded number or a box checked over a text that is no number leaves it.
    Find<QLineEdit>(&form, "Edit8")->setText(numberSent);
    QVERIFY(Find<QCheckBox>(&form, "CheckBox1")->isChecked());

    desktop.Expect("ZEVO Contest", QStringLiteral("'%1' is not a valid integer value.").arg(numberSent),
                   Desktop::Icon::Error, Desktop::Buttons::Ok, Desktop::Answer::Ok);
    AddContact(form, "qq2bbb", "12");

    // The contact is in the log, so the log counts as unsaved and the window is ready for the next one.
    QCOMPARE(form.Log().Count(), static_cast<int>(HeaderLines().size()) + 1);
    QCOMPARE(QString::fromStdString(form.Log().Lines().back().substr(48, 6)), columns49to54);
    QVERIFY(form.UnsavedLog());
    QVERIFY(Find<QLineEdit>(&form, "Edit4")->text().isEmpty());
    QVERIFY(Find<QLineEdit>(&form, "Edit6")->text().isEmpty());
    QVERIFY(Find<QLineEdit>(&form, "Edit4")->hasFocus());
    QCOMPARE(Find<QListView>(&form, "ListBox1")->currentIndex().row(), form.Log().Count() - 1);
    QCOMPARE(Find<QLineEdit>(&form, "Edit8")->text(), numberSent);
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestContacts::contactsGoAfterTheEndOfLogLineOfASave() {
    ScriptedDesktop desktop;
    Program program(desktop);
    TForm1& form = program.form1;
    ShowActive(&form);
    SetHeader(form);
    form.Log().Append(std::string("END-OF-LOG:"));
    AddContact(form, "qq2bbb", "12");
    QCOMPARE(form.Log().Lines()[form.Log().Lines().size() - 2], "END-OF-LOG:");
    QCOMPARE(form.Log().Lines().back(), FirstLine);
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestContacts::aModeTypedOverTheFirstEntryIsCw() {
    ScriptedDesktop desktop;
    Program program(desktop);
    TForm1& form = program.form1;
    ShowActive(&form);
    SetHeader(form);
    auto* mode = Find<QComboBox>(&form, "ComboBox2");
    QTest::mouseClick(mode->lineEdit(), Qt::LeftButton);
    mode->lineEdit()->selectAll();
    Type(mode->lineEdit(), "FM");
    QCOMPARE(mode->currentText(), QStringLiteral("FM"));
    AddContact(form, "qq2bbb", "12");
    QCOMPARE(form.Log().Lines().back(),
             "QSO: 14000 CW 2026-04-05 1500 QQ1AAA        59       1 QQ2BBB        59      12");
    VERIFY_SCRIPT_PLAYED(desktop);
}

QTEST_MAIN(TestContacts)
#include "TestContacts.moc"
