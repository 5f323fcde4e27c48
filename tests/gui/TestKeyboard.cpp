// Logging from the keyboard: the entry fields' keys, the date and time checks and steps, the exchange.
#include "LogEntry.h"
#include "ScriptedDesktop.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>

namespace {

// Fresh windows, the main one active, with its controls at hand by name.
struct Session {
    ScriptedDesktop desktop;
    Program program{desktop};
    TForm1& form = program.form1;
    Session() { ShowActive(&form); }
    QLineEdit* operator[](const char* name) { return Find<QLineEdit>(&form, name); }
    template <typename T = QComboBox> T* Get(const char* name) { return Find<T>(&form, name); }
    void Polish(bool on = true) {
        QTest::mouseClick(Get<QRadioButton>(on ? "RadioButton1" : "RadioButton2"), Qt::LeftButton);
    }
    void ExpectError(const QString& text) {
        desktop.Expect(form.Polish() ? QString::fromUtf8("Błąd") : QStringLiteral("Error"), text,
                       Desktop::Icon::Error, Desktop::Buttons::Ok, Desktop::Answer::Ok);
    }
    // Types into a field that takes the focus first, then presses `key`.
    void Enter(const char* field, const QString& text, Qt::Key key = Qt::Key_Return) {
        (*this)[field]->setFocus();
        Type((*this)[field], text);
        QTest::keyClick((*this)[field], key);
    }
};

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT
private slots:
    void reportFieldsRefuseLetters_data();
    void reportFieldsRefuseLetters();
    void shortcutKeysInTheEntryPath_data();
    void shortcutKeysInTheEntryPath();
    void bandOrModeTypedAsTheCall_data();
    void bandOrModeTypedAsTheCall();
    void contactTypedWithoutTheMouse();
    void leavingAFieldChecksIt_data();
    void leavingAFieldChecksIt();
    void arrowClickLeavesTheTimeBeingTyped();
    void fieldsHoldOneLineInUpperCase();
    void theCallIsOneWordThatFitsItsColumn_data();
    void theCallIsOneWordThatFitsItsColumn();
    void exchangeSent();
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
    QTest::newRow("sent, two at most") << false << "Edit5"
                                       << "599"
                                       << "59" << 0;
    QTest::newRow("received, two at most") << false << "Edit7"
                                           << "5-9!"
                                           << "5-" << 0;
    QTest::newRow("CW 5x79") << true << "Edit5"
                             << "5x79"
                             << "579" << 1;
    QTest::newRow("CW 5NN") << true << "Edit7"
                            << "5NN"
                            << "5" << 2;
    QTest::newRow("CW 5Z9") << true << "Edit5"
                            << "5Z9"
                            << "59" << 1;
    QTest::newRow("CW 5z9") << true << "Edit7"
                            << "5z9"
                            << "59" << 1;
}

void TestKeyboard::reportFieldsRefuseLetters() {
    QFETCH(bool, cw);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    Session s;
    QTest::keyClick(s.Get("ComboBox2"), Qt::Key_Down); // to CW, and back to SSB where the row says so
    if (!cw)
        QTest::keyClick(s.Get("ComboBox2"), Qt::Key_Up);
    QCOMPARE(s["Edit5"]->text() + s["Edit7"]->text(), QString::fromLatin1(cw ? "599599" : "5959"));
    s[qPrintable(field)]->clear();
    Type(s[qPrintable(field)], typed);
    QTEST(s[qPrintable(field)]->text(), "shown");
    QTEST(s.desktop.Beeps(), "beeps");
}

void TestKeyboard::shortcutKeysInTheEntryPath_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("changed"); // band, mode, report sent, time
    const int alt = Qt::AltModifier;
    QTest::newRow("Alt+B from 10M") << "Edit4" << int(Qt::Key_B) << alt << "160M SSB 59 15:00";
    QTest::newRow("Alt+B from 15M") << "Edit6" << int(Qt::Key_B) << alt << "10M SSB 59 15:00";
    QTest::newRow("Ctrl+B") << "Edit4" << int(Qt::Key_B) << int(Qt::ControlModifier) << "10M SSB 59 15:00";
    QTest::newRow("Alt+Shift+B") << "Edit6" << int(Qt::Key_B) << int(alt | Qt::ShiftModifier)
                                 << "10M SSB 59 15:00";
    QTest::newRow("Alt+M") << "Edit6" << int(Qt::Key_M) << alt << "10M CW 599 15:00";
    QTest::newRow("Ctrl+Page Up") << "Edit4" << int(Qt::Key_PageUp) << int(Qt::ControlModifier)
                                  << "10M SSB 59 15:01";
    QTest::newRow("Page Down") << "Edit6" << int(Qt::Key_PageDown) << 0 << "10M SSB 59 14:59";
}

void TestKeyboard::bandOrModeTypedAsTheCall_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("after"); // band, mode, report sent, call, the field with the keyboard
    QTest::newRow("160") << "160"
                         << "160M SSB 59  Edit4";
    QTest::newRow("kHz 14025") << "14025"
                               << "20M SSB 59  Edit4";
    QTest::newRow("kHz 3550.5") << "3550.5"
                                << "80M SSB 59  Edit4";
    QTest::newRow("cw") << "cw"
                        << "10M CW 599  Edit4";
    QTest::newRow("kHz outside a band") << "7301"
                                        << "10M SSB 59 7301 Edit6";
    QTest::newRow("call") << "QQ2BBB"
                          << "10M SSB 59 QQ2BBB Edit6";
}

// Enter over a band or mode chooses it as the boxes do and logs nothing.
void TestKeyboard::bandOrModeTypedAsTheCall() {
    QFETCH(QString, typed);
    Session s;
    s.Get("ComboBox1")->setCurrentIndex(5);
    const std::size_t lines = s.form.Document().Lines().size();
    s.Enter("Edit4", typed);
    QTEST(QStringList({s.Get("ComboBox1")->currentText(), s.Get("ComboBox2")->currentText(),
                       s["Edit5"]->text(), s["Edit4"]->text(), QApplication::focusWidget()->objectName()})
              .join(' '),
          "after");
    QCOMPARE(s.form.Document().Lines().size(), lines);
}

void TestKeyboard::shortcutKeysInTheEntryPath() {
    QFETCH(QString, field);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    Session s;
    // From 10M, or from 15M in the row that says so.
    s.Get("ComboBox1")->setCurrentIndex(QString::fromLatin1(QTest::currentDataTag()).endsWith("15M") ? 4 : 5);
    QLineEdit* edit = s[qPrintable(field)];
    edit->setFocus();
    Type(edit, "AB");
    QTest::keyClick(edit, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QTEST(QStringList({s.Get("ComboBox1")->currentText(), s.Get("ComboBox2")->currentText(),
                       s["Edit5"]->text(), s["Edit3"]->text()})
              .join(' '),
          "changed");
    QCOMPARE(edit->text(), QStringLiteral("AB")); // a command types nothing
}

void TestKeyboard::contactTypedWithoutTheMouse() {
    Session s;
    SetHeader(s.form);
    for (int contact = 0; contact < 2; ++contact) {
        s.Enter("Edit4", "qq2bbb");
        QCOMPARE(QApplication::focusWidget(), s["Edit6"]);
        s.Enter("Edit6", "12a", Qt::Key_Enter);
    }
    QCOMPARE(s.form.Document().Lines().back(),
             "QSO: 14000 PH 2026-04-05 1500 QQ1AAA        59       2 QQ2BBB        59     12A");
    QCOMPARE(QApplication::focusWidget(), s["Edit4"]);
    // A date the operator never left is checked before the line is made.
    s["Edit2"]->setText("2024-4-6");
    s.ExpectError("Incorrect date format!");
    s.Enter("Edit4", "qq3ccc");
    s.Enter("Edit6", "1");
    QCOMPARE(s.form.LogList().Count(), int(HeaderLines.size()) + 2);
    QCOMPARE(QApplication::focusWidget(), s["Edit2"]);
    VERIFY_SCRIPT_PLAYED(s.desktop);
}

void TestKeyboard::leavingAFieldChecksIt_data() {
    QTest::addColumn<bool>("polish");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("message"); // empty: accepted
    QTest::addColumn<int>("position");
    QTest::newRow("date blanks") << false << "Edit2"
                                 << " 2024-04-06 "
                                 << "2024-04-06"
                                 << "" << 0;
    QTest::newRow("date data, Polish") << true << "Edit2"
                                       << "2024-04-0x"
                                       << "2024-04-0x"
                                       << "Niewłaściwe dane w polu daty!" << 0;
    QTest::newRow("time 15 30") << false << "Edit3"
                                << "15 30"
                                << "1530"
                                << "Incorrect time format!" << 0;
    QTest::newRow("time 15.30") << false << "Edit3"
                                << "15.30"
                                << "15.30"
                                << "" << 30;
    QTest::newRow("minutes 75") << false << "Edit3"
                                << "10:75"
                                << "10:75"
                                << "" << 59;
}

void TestKeyboard::leavingAFieldChecksIt() {
    QFETCH(bool, polish);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    Session s;
    s.Polish(polish);
    s[qPrintable(field)]->setFocus();
    s[qPrintable(field)]->clear();
    if (!message.isEmpty())
        s.ExpectError(message);
    s.Enter(qPrintable(field), typed, Qt::Key_Tab);
    QTEST(s[qPrintable(field)]->text(), "written");
    QCOMPARE(s[qPrintable(field)]->hasFocus(), !message.isEmpty());
    QTEST(s.Get<UpDown>("UpDown1")->Position(), "position");
    VERIFY_SCRIPT_PLAYED(s.desktop);
}

void TestKeyboard::arrowClickLeavesTheTimeBeingTyped() {
    Session s;
    auto* spin = s.Get<UpDown>("UpDown1");
    // The arrows fill the control.
    QCOMPARE(Find<QToolButton>(spin, "up")->geometry().united(Find<QToolButton>(spin, "down")->geometry()),
             spin->rect());
    s["Edit3"]->setFocus();
    QTest::mouseClick(Find<QToolButton>(spin, "up"), Qt::LeftButton);
    QCOMPARE(s["Edit3"]->text() + QString::number(spin->Position()), QStringLiteral("15:001"));
    s["Edit4"]->setFocus(); // the check takes the minutes back
    QTest::mouseClick(Find<QToolButton>(spin, "down"), Qt::LeftButton);
    QCOMPARE(s["Edit3"]->text() + QString::number(spin->Position()), QStringLiteral("14:5959"));
}

void TestKeyboard::fieldsHoldOneLineInUpperCase() {
    Session s;
    SetHeader(s.form);
    QApplication::clipboard()->setText("qq2bbb\r\nQQ3C\t\n");
    s["Edit4"]->setFocus();
    QTest::keyClick(s["Edit4"], Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(s["Edit4"]->text(), QStringLiteral("QQ2BBBQQ3C"));
    s.Enter("Edit4", QString::fromUtf8("ą"));
    s.Enter("Edit6", QString::fromUtf8("ąb"), Qt::Key_Tab); // the program's own upper case: ASCII only
    QCOMPARE(s["Edit4"]->text() + s["Edit6"]->text(), QString::fromUtf8("QQ2BBBQQ3CĄąB"));
    // A click puts the cursor where it points, to mend the call's start.
    QTest::mouseClick(s["Edit4"], Qt::LeftButton, {}, QPoint(1, s["Edit4"]->height() / 2));
    Type(s["Edit4"], "x");
    QVERIFY(s["Edit4"]->text().startsWith("XQQ2"));
}

void TestKeyboard::theCallIsOneWordThatFitsItsColumn_data() {
    QTest::addColumn<QString>("typed"); // into the call field; "|" pastes what follows it
    QTest::addColumn<QString>("call");
    QTest::addColumn<QString>("number");
    QTest::newRow("Space moves on") << "qq2bbb 12"
                                    << "QQ2BBB"
                                    << "12";
    QTest::newRow("fourteenth character") << "ABCDEFGHIJKLMN"
                                          << "ABCDEFGHIJKLM"
                                          << "";
    QTest::newRow("seventh digit") << "QQ2BBB 1234567"
                                   << "QQ2BBB"
                                   << "123456";
    QTest::newRow("pasted blanks") << "|qq2 bbb /p"
                                   << "QQ2BBB/P"
                                   << "";
}

void TestKeyboard::theCallIsOneWordThatFitsItsColumn() {
    QFETCH(QString, typed);
    QFETCH(QString, call);
    QFETCH(QString, number);
    Session s;
    s["Edit4"]->setFocus();
    if (typed.startsWith('|')) {
        QApplication::clipboard()->setText(typed.mid(1));
        QTest::keyClick(s["Edit4"], Qt::Key_V, Qt::ControlModifier);
    } else {
        QTest::keyClicks(QApplication::focusWidget(), typed.left(typed.indexOf(' ')));
        if (typed.contains(' ')) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
            QTest::keyClicks(QApplication::focusWidget(), typed.mid(typed.indexOf(' ') + 1));
        }
    }
    QCOMPARE(s["Edit4"]->text(), call);
    QCOMPARE(s["Edit6"]->text(), number);
}

void TestKeyboard::exchangeSent() {
    Session s;
    auto* box = s.Get<QCheckBox>("CheckBox1");
    s.Enter("Edit8", "2", Qt::Key_Tab);
    QVERIFY(box->isChecked());        // digits keep it
    s["Edit8"]->setCursorPosition(1); // typing in the middle stays there
    Type(s["Edit8"], "34");
    QCOMPARE(s["Edit8"]->text(), QStringLiteral("1342"));
    s["Edit8"]->selectAll();
    s.Enter("Edit8", "12a", Qt::Key_Tab);
    QVERIFY(!box->isChecked());
    s.ExpectError("Only digits are acceptabled\nin \"Number Sent\" field,\nif this option is selected!");
    QTest::mouseClick(box, Qt::LeftButton);
    QVERIFY(box->isChecked());
    QCOMPARE(QApplication::focusWidget(), s["Edit8"]);
    s.Polish();
    auto* province = s.Get("ComboBox3");
    province->setFocus();
    for (const Qt::Key key : {Qt::Key_S, Qt::Key_X, Qt::Key_1, Qt::Key_Backspace, Qt::Key_Space})
        QTest::keyClick(province, key);
    QCOMPARE(province->currentText(), QString::fromUtf8("S  - Świętokrzyskie"));
    QVERIFY(!province->view()->isVisible()); // Space opens no list either
    QTest::keyClick(province, Qt::Key_Tab);
    QVERIFY(!province->hasFocus());
    VERIFY_SCRIPT_PLAYED(s.desktop);
}

void TestKeyboard::usedCallLeadsIntoTheHeaderDialog() {
    Session s;
    s.Enter("Edit1", "", Qt::Key_Tab);
    QVERIFY(!s.program.Form2().isVisible());
    s.Polish();
    s.Enter("Edit1", "qq1aaa", Qt::Key_Tab);
    QVERIFY(s.program.Form2().isVisible());
    QCOMPARE(Find<QLineEdit>(&s.program.Form2(), "Edit1")->text(), QStringLiteral("QQ1AAA"));
    QCOMPARE(s.program.Form2().windowTitle(), QCoreApplication::translate("TForm2", "Cabrillo Header"));
    // A screen reader names the street field by its own label, not by the heading above it.
    QCOMPARE(QAccessible::queryAccessibleInterface(Find<QLineEdit>(&s.program.Form2(), "Edit4"))
                 ->text(QAccessible::Name),
             Find<QLabel>(&s.program.Form2(), "Label11")->text());
}

void TestKeyboard::captionsNeverTouch() {
    Session s;
    QCOMPARE(s.form.pos(), QPoint(262, 125));
    QStringList faults;
    for (const bool polish : {false, true}) {
        s.Polish(polish);
        s.program.Form2().jezyk1();
        s.program.Form3().ApplyLanguage();
        for (QWidget* window :
             std::initializer_list<QWidget*>{&s.form, &s.program.Form2(), &s.program.Form3()}) {
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
