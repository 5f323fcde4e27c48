// Logging from the keyboard: the entry fields' keys, the date and time checks and steps, the exchange.
#include "LogEntry.h"
#include "ScriptedDesktop.h"
#include "Win1250.h"

#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>

namespace {

QLineEdit* Edit(TForm1& form, const char* name) {
    return Find<QLineEdit>(&form, name);
}

void ChoosePolish(TForm1& form) {
    QTest::mouseClick(Find<QRadioButton>(&form, "RadioButton1"), Qt::LeftButton);
}

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT
private slots:
    void reportFieldsRefuseLetters_data();
    void reportFieldsRefuseLetters();
    void shortcutKeysInTheEntryPath_data();
    void shortcutKeysInTheEntryPath();
    void contactTypedWithoutTheMouse();
    void leavingAFieldChecksIt_data();
    void leavingAFieldChecksIt();
    void arrowClickLeavesTheTimeBeingTyped();
    void addRefusesADateNeverChecked();
    void pastedLineBreaksAreDropped();
    void upperCaseShowsPolishLetters();
    void provinceIsPickedByItsLetter();
    void numberSentAndAutoIncrement();
    void usedCallLeadsIntoTheHeaderDialog();
    void captionsNeverTouch();
};

void TestKeyboard::reportFieldsRefuseLetters_data() {
    QTest::addColumn<bool>("cw");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("beeps");
    QTest::newRow("sent 5a9") << false << "Edit5"
                              << "5a9"
                              << "59" << 1;
    QTest::newRow("received 5a9") << false << "Edit7"
                                  << "5a9"
                                  << "59" << 1;
    QTest::newRow("CW 5x79") << true << "Edit5"
                             << "5x79"
                             << "579" << 1;
    QTest::newRow("CW 5NN") << true << "Edit7"
                            << "5NN"
                            << "5" << 2;
    QTest::newRow("SSB keeps two") << false << "Edit7"
                                   << "5-9!"
                                   << "5-" << 0;
}

void TestKeyboard::reportFieldsRefuseLetters() {
    QFETCH(bool, cw);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(int, beeps);
    ScriptedDesktop desktop;
    Program program(desktop);
    TForm1& form = program.form1;
    ShowActive(&form);
    auto* mode = Find<QComboBox>(&form, "ComboBox2");
    QTest::keyClick(mode, cw ? Qt::Key_Down : Qt::Key_Up);
    QCOMPARE(Edit(form, "Edit5")->text(), QString(cw ? "599" : "59"));
    QCOMPARE(Edit(form, "Edit7")->text(), QString(cw ? "599" : "59"));
    QLineEdit* edit = Edit(form, qPrintable(field));
    edit->clear();
    Type(edit, typed);
    QCOMPARE(edit->text(), shown);
    QCOMPARE(desktop.Beeps(), beeps);
}

void TestKeyboard::shortcutKeysInTheEntryPath_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("band");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("time");
    const int alt = Qt::AltModifier;
    QTest::newRow("Alt+B from 10M") << "Edit4" << int(Qt::Key_B) << alt << "160M"
                                    << "SSB"
                                    << "15:00";
    QTest::newRow("Ctrl+B") << "Edit4" << int(Qt::Key_B) << int(Qt::ControlModifier) << "10M"
                            << "SSB"
                            << "15:00";
    QTest::newRow("Alt+Shift+B") << "Edit6" << int(Qt::Key_B) << int(alt | Qt::ShiftModifier) << "10M"
                                 << "SSB"
                                 << "15:00";
    QTest::newRow("Alt+M") << "Edit6" << int(Qt::Key_M) << alt << "10M"
                           << "CW"
                           << "15:00";
    QTest::newRow("Ctrl+Page Up") << "Edit4" << int(Qt::Key_PageUp) << int(Qt::ControlModifier) << "10M"
                                  << "SSB"
                                  << "15:01";
    QTest::newRow("Page Down") << "Edit6" << int(Qt::Key_PageDown) << 0 << "10M"
                               << "SSB"
                               << "14:59";
}

void TestKeyboard::shortcutKeysInTheEntryPath() {
    QFETCH(QString, field);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, band);
    QFETCH(QString, mode);
    QFETCH(QString, time);
    ScriptedDesktop desktop;
    Program program(desktop);
    TForm1& form = program.form1;
    ShowActive(&form);
    Find<QComboBox>(&form, "ComboBox1")->setCurrentIndex(5);
    QLineEdit* edit = Edit(form, qPrintable(field));
    edit->setFocus();
    Type(edit, "ab");
    QTest::keyClick(edit, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(Find<QComboBox>(&form, "ComboBox1")->currentText(), band);
    QCOMPARE(Find<QComboBox>(&form, "ComboBox2")->currentText(), mode);
    QCOMPARE(Edit(form, "Edit5")->text(), QString(mode == "CW" ? "599" : "59"));
    QCOMPARE(Edit(form, "Edit3")->text(), time);
    QCOMPARE(edit->text().toUpper(), QStringLiteral("AB"));
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestKeyboard::contactTypedWithoutTheMouse() {
    ScriptedDesktop desktop;
    Program program(desktop);
    TForm1& form = program.form1;
    ShowActive(&form);
    SetHeader(form);
    for (int contact = 0; contact < 2; ++contact) {
        Edit(form, "Edit4")->setFocus();
        Type(QApplication::focusWidget(), "qq2bbb");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), Edit(form, "Edit6"));
        Type(QApplication::focusWidget(), "12a");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
    }
    QCOMPARE(form.Log().Lines().back(),
             "QSO: 14000 PH 2026-04-05 1500 QQ1AAA        59       2 QQ2BBB        59     12A");
    QCOMPARE(form.Log().Count(), int(HeaderLines.size()) + 2);
    QCOMPARE(QApplication::focusWidget(), Edit(form, "Edit4"));
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestKeyboard::leavingAFieldChecksIt_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("polish");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("message"); // empty: accepted
    QTest::addColumn<int>("position");
    QTest::newRow("date with blanks") << "Edit2"
                                      << " 2024-04-06 " << false << "2024-04-06"
                                      << "" << 0;
    QTest::newRow("short date") << "Edit2"
                                << "2024-4-6" << false << "2024-4-6"
                                << "Incorrect date format!" << 0;
    QTest::newRow("date data, Polish") << "Edit2"
                                       << "2024-04-0x" << true << "2024-04-0x"
                                       << "Niewłaściwe dane w polu daty!" << 0;
    QTest::newRow("time 15 30") << "Edit3"
                                << "15 30" << false << "1530"
                                << "Incorrect time format!" << 0;
    QTest::newRow("time 1a:30, Polish") << "Edit3"
                                        << "1a:30" << true << "1a:30"
                                        << "Niewłaściwe dane w polu czasu!" << 0;
    QTest::newRow("time 15.30") << "Edit3"
                                << "15.30" << false << "15.30"
                                << "" << 30;
    QTest::newRow("minutes 75") << "Edit3"
                                << "10:75" << false << "10:75"
                                << "" << 59;
}

void TestKeyboard::leavingAFieldChecksIt() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(bool, polish);
    QFETCH(QString, written);
    QFETCH(QString, message);
    QFETCH(int, position);
    ScriptedDesktop desktop;
    Program program(desktop);
    TForm1& form = program.form1;
    ShowActive(&form);
    if (polish)
        ChoosePolish(form);
    QLineEdit* edit = Edit(form, qPrintable(field));
    edit->setFocus();
    edit->selectAll();
    Type(edit, typed);
    if (!message.isEmpty())
        desktop.Expect(polish ? QString::fromUtf8("Błąd") : QStringLiteral("Error"), message,
                       Desktop::Icon::Error, Desktop::Buttons::Ok, Desktop::Answer::Ok);
    QTest::keyClick(edit, Qt::Key_Tab);
    QCOMPARE(edit->text(), written);
    QCOMPARE(edit->hasFocus(), !message.isEmpty());
    QCOMPARE(Find<UpDown>(&form, "UpDown1")->Position(), position);
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestKeyboard::arrowClickLeavesTheTimeBeingTyped() {
    ScriptedDesktop desktop;
    Program program(desktop);
    TForm1& form = program.form1;
    ShowActive(&form);
    auto* spin = Find<UpDown>(&form, "UpDown1");
    Edit(form, "Edit3")->setFocus();
    QTest::mouseClick(Find<QToolButton>(spin, "up"), Qt::LeftButton);
    QCOMPARE(Edit(form, "Edit3")->text(), QStringLiteral("15:00"));
    QCOMPARE(spin->Position(), 1);
    Edit(form, "Edit4")->setFocus();
    QCOMPARE(spin->Position(), 0); // the check took the minutes back
    QTest::mouseClick(Find<QToolButton>(spin, "down"), Qt::LeftButton);
    QCOMPARE(Edit(form, "Edit3")->text(), QStringLiteral("14:59"));
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestKeyboard::addRefusesADateNeverChecked() {
    ScriptedDesktop desktop;
    Program program(desktop);
    TForm1& form = program.form1;
    ShowActive(&form);
    SetHeader(form);
    Edit(form, "Edit2")->setText("2024-4-6");
    desktop.Expect("Error", "Incorrect date format!", Desktop::Icon::Error, Desktop::Buttons::Ok,
                   Desktop::Answer::Ok);
    Edit(form, "Edit4")->setFocus();
    Type(Edit(form, "Edit4"), "qq2bbb");
    QTest::keyClick(Edit(form, "Edit4"), Qt::Key_Return);
    Type(Edit(form, "Edit6"), "1");
    QTest::keyClick(Edit(form, "Edit6"), Qt::Key_Return);
    QCOMPARE(form.Log().Count(), int(HeaderLines.size()));
    QCOMPARE(QApplication::focusWidget(), Edit(form, "Edit2"));
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestKeyboard::pastedLineBreaksAreDropped() {
    ScriptedDesktop desktop;
    Program program(desktop);
    TForm1& form = program.form1;
    ShowActive(&form);
    SetHeader(form);
    QApplication::clipboard()->setText("QQ2BBB\r\nQQ3CCC\t\n");
    Edit(form, "Edit4")->setFocus();
    QTest::keyClick(Edit(form, "Edit4"), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(Edit(form, "Edit4")->text(), QStringLiteral("QQ2BBBQQ3CCC"));
    QTest::keyClick(Edit(form, "Edit4"), Qt::Key_Return);
    QTest::keyClick(Edit(form, "Edit6"), Qt::Key_Return);
    QCOMPARE(form.Log().Lines().back().size(), std::size_t{79});
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestKeyboard::upperCaseShowsPolishLetters() {
    ScriptedDesktop desktop;
    Program program(desktop);
    TForm1& form = program.form1;
    ShowActive(&form);
    Edit(form, "Edit4")->setFocus();
    Type(Edit(form, "Edit4"), QString::fromUtf8("ąb"));
    QTest::keyClick(Edit(form, "Edit4"), Qt::Key_Return);
    Type(Edit(form, "Edit6"), QString::fromUtf8("ąb"));
    QTest::keyClick(Edit(form, "Edit6"), Qt::Key_Tab);
    QCOMPARE(Edit(form, "Edit4")->text(), QString::fromUtf8("ĄB"));
    QCOMPARE(Edit(form, "Edit6")->text(), QString::fromUtf8("ąB")); // the program's own: ASCII only
}

void TestKeyboard::provinceIsPickedByItsLetter() {
    ScriptedDesktop desktop;
    Program program(desktop);
    TForm1& form = program.form1;
    ShowActive(&form);
    ChoosePolish(form);
    auto* province = Find<QComboBox>(&form, "ComboBox3");
    province->setFocus();
    QTest::keyClick(province, 's');
    QCOMPARE(province->currentText(), QString::fromUtf8("S  - Świętokrzyskie"));
    for (const Qt::Key key : {Qt::Key_X, Qt::Key_1, Qt::Key_Backspace, Qt::Key_Space})
        QTest::keyClick(province, key);
    QCOMPARE(province->currentIndex(), 12);
}

void TestKeyboard::numberSentAndAutoIncrement() {
    ScriptedDesktop desktop;
    Program program(desktop);
    TForm1& form = program.form1;
    ShowActive(&form);
    auto* box = Find<QCheckBox>(&form, "CheckBox1");
    QLineEdit* number = Edit(form, "Edit8");
    number->setFocus();
    number->selectAll();
    Type(number, "12");
    QVERIFY(box->isChecked());
    Type(number, "a");
    QVERIFY(!box->isChecked());
    QCOMPARE(number->text(), QStringLiteral("12A"));
    Edit(form, "Edit4")->setFocus();
    desktop.Expect("Error",
                   "Only digits are acceptabled\nin \"Number Sent\" field,\nif this option is selected!",
                   Desktop::Icon::Error, Desktop::Buttons::Ok, Desktop::Answer::Ok);
    QTest::mouseClick(box, Qt::LeftButton);
    QVERIFY(box->isChecked());
    QCOMPARE(QApplication::focusWidget(), number);
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestKeyboard::usedCallLeadsIntoTheHeaderDialog() {
    ScriptedDesktop desktop;
    Program program(desktop);
    TForm1& form = program.form1;
    ShowActive(&form);
    Edit(form, "Edit1")->setFocus();
    QTest::keyClick(Edit(form, "Edit1"), Qt::Key_Tab);
    QVERIFY(!program.form2.isVisible());
    ChoosePolish(form);
    Edit(form, "Edit1")->setFocus();
    Type(Edit(form, "Edit1"), "qq1aaa");
    QTest::keyClick(Edit(form, "Edit1"), Qt::Key_Tab);
    QVERIFY(program.form2.isVisible());
    QCOMPARE(Find<QLineEdit>(&program.form2, "Edit1")->text(), QStringLiteral("QQ1AAA"));
    QCOMPARE(program.form2.windowTitle(), QCoreApplication::translate("TForm2", "Cabrillo Header"));
    // A screen reader names the street field by its own label, not by the heading above it.
    QCOMPARE(QAccessible::queryAccessibleInterface(Find<QLineEdit>(&program.form2, "Edit4"))
                 ->text(QAccessible::Name),
             Find<QLabel>(&program.form2, "Label11")->text());
}

void TestKeyboard::captionsNeverTouch() {
    ScriptedDesktop desktop;
    Program program(desktop);
    TForm1& form = program.form1;
    ShowActive(&form);
    QCOMPARE(form.pos(), QPoint(262, 125));
    QStringList faults;
    for (const bool polish : {false, true}) {
        QTest::mouseClick(Find<QRadioButton>(&form, polish ? "RadioButton1" : "RadioButton2"),
                          Qt::LeftButton);
        program.form2.jezyk1();
        program.form3.ApplyLanguage();
        for (QWidget* window : std::initializer_list<QWidget*>{&form, &program.form2, &program.form3}) {
            window->ensurePolished();
            QList<QPair<QRect, QString>> shown;
            for (QLabel* label : window->findChildren<QLabel*>()) {
                if (!label->isVisibleTo(window) || label->text().isEmpty())
                    continue;
                // Where the text is drawn, in window coordinates.
                const QRect text = QStyle::alignedRect(Qt::LeftToRight, label->alignment(), label->sizeHint(),
                                                       label->rect());
                const QRect drawn(label->mapTo(window, text.topLeft()), text.size());
                if (label->sizeHint().width() > label->width())
                    faults << label->text() + " is cut";
                for (const auto& [other, name] : shown)
                    if (drawn.adjusted(-1, -1, 1, 1).intersects(other))
                        faults << label->text() + " touches " + name;
                shown.append({drawn, label->text()});
            }
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestKeyboard)
#include "TestKeyboard.moc"
