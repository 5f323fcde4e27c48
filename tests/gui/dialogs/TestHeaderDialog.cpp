// The Cabrillo header dialog driven by keys and clicks: the category interlocks, OK with its checks,
// its confirmation and the header it appends, Cancel, and what the fields take.
#include "GuiTest.h"
#include "Program.h"
#include "ScriptedDesktop.h"
#include "widgets/Win1250Memo.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QtTest>
#include <memory>

namespace {

QLineEdit* Field(QWidget* window, const char* name) {
    return Find<QLineEdit>(window, name);
}

// Opened as the operator does: "Header of Cabrillo file" on the main window.
bool Open(Program& program) {
    program.form1.show();
    QTest::mouseClick(Find<QPushButton>(&program.form1, "Button1"), Qt::LeftButton);
    return program.Form2().isVisible() && QTest::qWaitForWindowActive(&program.Form2());
}

// Plays the operator's steps: "band=Single Band" picks an item from the drop-down list of the
// operator, band or mode box, "type mode=RTTY" types over it, "click=QRP" or "click=80m" clicks a
// button, "empty=Edit1" clears a field. Returns the first step that could not be played.
QString Play(TForm2& dialog, const QStringList& steps) {
    for (const QString& step : steps) {
        const QString what = step.section('=', 0, 0), value = step.section('=', 1);
        QComboBox* box = Find<QComboBox>(&dialog, what.endsWith("operator") ? "ComboBox1"
                                                  : what.endsWith("band")   ? "ComboBox2"
                                                                            : "ComboBox3");
        bool played = false;
        if (what == "click") {
            for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
                if (button->isEnabled() && button->text().section(' ', 0, 0) == value) {
                    QTest::mouseClick(button, Qt::LeftButton);
                    played = true;
                }
        } else if (what == "empty") {
            Field(&dialog, qPrintable(value))->clear();
            played = true;
        } else if (what.startsWith("type ")) {
            box->setFocus();
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(box, value);
            played = box->isEnabled() && box->currentText() == value;
        } else if (const int index = box->findText(value); index >= 0 && box->isEnabled()) {
            box->showPopup();
            box->view()->setCurrentIndex(box->view()->model()->index(index, 0));
            QTest::keyClick(box->view(), Qt::Key_Return);
            played = box->currentIndex() == index;
        }
        if (!played)
            return step;
    }
    return {};
}

// A data row: the steps separated by "; ", and what they should give.
void Row(const char* name, const QString& steps, const QString& expected) {
    QTest::newRow(name) << steps.split(QStringLiteral("; "), Qt::SkipEmptyParts) << expected;
}

// The category group in one line: each choice box's item or <typed text>, the mode list, then each
// button's first word, "*" before it when checked; "-" after a disabled control.
QString State(TForm2& dialog) {
    QStringList parts;
    for (const char* name :
         {"ComboBox1", "ComboBox2", "ComboBox3", "RadioButton1", "RadioButton2", "RadioButton3", "CheckBox1",
          "CheckBox2", "CheckBox3", "CheckBox4", "CheckBox5", "CheckBox6"}) {
        QWidget* control = Find<QWidget>(&dialog, name);
        if (const auto* box = qobject_cast<QComboBox*>(control))
            parts << (box->currentIndex() < 0 ? '<' + box->currentText() + '>' : box->currentText());
        else if (const auto* button = qobject_cast<QAbstractButton*>(control))
            parts << QLatin1String(button->isChecked() ? "*" : "") + button->text().section(' ', 0, 0);
        parts.last() += QLatin1String(control->isEnabled() ? "" : "-");
    }
    const QComboBox* mode = Find<QComboBox>(&dialog, "ComboBox3");
    for (int i = 0; i < mode->count(); ++i)
        parts[2] += QLatin1Char(i == 0 ? '[' : ',') + mode->itemText(i) +
                    QLatin1String(i + 1 == mode->count() ? "]" : "");
    return parts.join(' ');
}

const QString Modes = "[CW,PHONE,MIXED]", Off = "160m- 80m- 40m- 20m- 15m- 10m-",
              On = "160m 80m 40m 20m 15m 10m";
const QString Default = "SINGLE All Bands MIXED" + Modes + " *High Low QRP " + Off;

void FillRequired(TForm2& dialog) {
    QTest::keyClicks(Field(&dialog, "Edit1"), "sp9zzz");
    Type(Field(&dialog, "Edit2"), QString::fromUtf8("Jan Kowalskiш")); // no Windows-1250 byte for the last
    QTest::keyClicks(Field(&dialog, "Edit4"), "Dluga 5");
}

// The log's bytes, each line ended by a line feed.
QByteArray Log(TForm1& main) {
    QByteArray log;
    for (const std::string_view line : main.Document().Lines())
        log += QByteArray(line.data(), qsizetype(line.size())) + '\n';
    return log;
}

// The main window's mode, report sent, report received and band.
QString MainWindowState(TForm1& main) {
    return Find<QComboBox>(&main, "ComboBox2")->currentText() + ' ' + Field(&main, "Edit5")->text() + ' ' +
           Field(&main, "Edit7")->text() + ' ' + Find<QComboBox>(&main, "ComboBox1")->currentText();
}

} // namespace

class TestHeaderDialog : public QObject {
    Q_OBJECT
    std::unique_ptr<ScriptedDesktop> m_desktop;
    std::unique_ptr<Program> m_program;

    TForm1& Main() { return m_program->form1; }
    TForm2& Dialog() { return m_program->Form2(); }
    void Click(const char* button) {
        QTest::mouseClick(Find<QPushButton>(&Dialog(), button), Qt::LeftButton);
    }

private slots:
    void init();
    void cleanup();
    void choicesInterlock_data();
    void choicesInterlock();
    void okChecksAndAsks_data();
    void okChecksAndAsks();
    void okAppendsTheHeaderOfAFilledDialog();
    void longMemoLineGivesOneSoapboxLinePerShownLine();
    void okAfterAFileWasLoadedAddsNoSecondHeader();
    void typedTextIsFilteredAndCancelKeepsIt();
};

void TestHeaderDialog::init() {
    m_desktop = std::make_unique<ScriptedDesktop>();
    m_program = std::make_unique<Program>(*m_desktop);
    QVERIFY(Open(*m_program));
}

void TestHeaderDialog::cleanup() {
    VERIFY_SCRIPT_PLAYED(*m_desktop);
    m_program.reset();
    m_desktop.reset();
}

void TestHeaderDialog::choicesInterlock_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("state");
    const QString single = "SINGLE Single Band CW[CW,PHONE] *High- Low- QRP- " + On;
    const QString multi = " All Bands- MIXED-" + Modes + " *High- Low- QRP- ";
    Row("at first", "", Default);
    Row("single band again", "band=Single Band; mode=PHONE; band=Single Band", single);
    Row("single band, phone", "band=Single Band; mode=PHONE", QString(single).replace("CW[", "PHONE["));
    Row("single band, typed band", "band=Single Band; type band=ANY",
        "SINGLE <ANY> MIXED" + Modes + " *High Low QRP " + On);
    Row("single then tree", "band=Single Band; band=Tree Bands",
        "SINGLE Tree Bands MIXED-" + Modes + " *High- Low- QRP- " + On);
    Row("single then all", "band=Single Band; click=80m; band=All Bands",
        QString(Default).replace("80m-", "*80m-"));
    Row("single then multi", "band=Single Band; click=15m; operator=MULTI",
        "MULTI" + multi + QString(Off).replace("15m-", "*15m-"));
    Row("checklog", "mode=CW; operator=CHECKLOG", "CHECKLOG" + multi + Off);
    Row("multi then single", "operator=MULTI; operator=SINGLE", Default);
    Row("cw moves qrp to low", "click=QRP; mode=CW",
        "SINGLE All Bands CW" + Modes + " High *Low QRP- " + Off);
    Row("mixed gives qrp back", "mode=PHONE; mode=MIXED; click=QRP",
        "SINGLE All Bands MIXED" + Modes + " High Low *QRP " + Off);
    Row("typed mode", "click=QRP; type mode=RTTY",
        "SINGLE All Bands <RTTY>" + Modes + " High *Low QRP- " + Off);
    // Clicking elsewhere leaves the box; that does not pick the item that the typed text names.
    Row("typed operator", "type operator=MULTI; click=QRP; mode=CW",
        "<MULTI> All Bands CW" + Modes + " High Low *QRP " + Off);
    Row("multi, typed operator", "operator=MULTI; type operator=SOLO",
        "<SOLO> All Bands MIXED" + Modes + " *High Low QRP " + Off);
}

void TestHeaderDialog::choicesInterlock() {
    QFETCH(QStringList, steps);
    QFETCH(QString, state);
    QCOMPARE(Play(Dialog(), steps), QString());
    QCOMPARE(State(Dialog()), state);
}

void TestHeaderDialog::okChecksAndAsks_data() {
    QTest::addColumn<QStringList>("steps");
    // "category => main window" (it shows SSB 59 59 20M at first), or the refusal
    QTest::addColumn<QString>("result");
    const QString blue = "\nAll blue fields must be completed!", tree = "Exactly tree bands must be set!";
    Row("cw", "mode=CW", "SO AB CW HP => CW 599 599 20M");
    Row("tree", "band=Tree Bands; click=10m; click=20m; click=160m",
        "SO TB 160M 20M 10M  MIXED => SSB 59 59 160M");
    Row("ticks kept while disabled", "band=Single Band; click=80m; band=All Bands; band=Single Band",
        "SO 80M  CW => SSB 59 59 80M");
    // Typed text that names an entry, in any case, chooses it; other typed text is refused.
    Row("typed operator", "type operator=SINGLE", "SO AB MIXED HP => SSB 59 59 20M");
    Row("typed mode", "mode=PHONE; type mode=cw", "SO AB CW HP => CW 599 599 20M");
    Row("typed unknown operator", "type operator=SOLO",
        "\"SOLO\" is no category of the list.\nPlease choose one of its entries.");
    Row("no used call first", "empty=Edit4; empty=Edit2; empty=Edit1", "Please insert used call!" + blue);
    Row("then no name", "empty=Edit4; empty=Edit2", "Please insert your full name!" + blue);
    Row("no street", "empty=Edit4", "Please insert your address!" + blue);
    Row("tree with two", "band=Tree Bands; click=80m; click=10m", tree);
    Row("tree with four", "band=Tree Bands; click=80m; click=40m; click=20m; click=10m", tree);
    Row("single with none", "band=Single Band", "Exactly one band must be set!");
    Row("single with two", "band=Single Band; click=160m; click=15m", "Exactly one band must be set!");
}

void TestHeaderDialog::okChecksAndAsks() {
    QFETCH(QStringList, steps);
    QFETCH(QString, result);
    TForm1& main = Main();
    FillRequired(Dialog());
    QCOMPARE(Play(Dialog(), steps), QString());
    const QString category = result.section(" => ", 0, 0), mainWindow = result.section(" => ", 1);
    if (mainWindow.isEmpty())
        m_desktop->Expect("Error", result, Desktop::Icon::Error, Desktop::Buttons::Ok, Desktop::Answer::Ok);
    else // answered No
        m_desktop->Expect("Category", "You select category:\n\n" + category + "\n\nIs it OK?",
                          Desktop::Icon::Question, Desktop::Buttons::YesNo, Desktop::Answer::No);
    Click("Button3");
    // A refusal leaves the main window as it was; the question comes after it follows the category.
    QCOMPARE(MainWindowState(main), mainWindow.isEmpty() ? "SSB 59 59 20M" : mainWindow);
    QVERIFY(Dialog().isVisible() && Log(main).isEmpty() && !main.HeaderSet() && !main.UnsavedLog());
    QVERIFY(Field(&main, "Edit1")->text().isEmpty() && !Field(&main, "Edit1")->isReadOnly());
}

void TestHeaderDialog::okAppendsTheHeaderOfAFilledDialog() {
    TForm1& main = Main();
    TForm2& dialog = Dialog();
    main.Document().Append(std::string("an earlier line"));
    const QStringList typed{"Edit1", " sp 9 zzz/p ",       "Edit7", "1234",        "Edit2", "Józef  Kowalski",
                            "Edit3", "sp9zzz@example.org", "Edit4", "ul. Długa 5", "Edit6", "Poland",
                            "Edit8", "SP9ZZZ SP9YYY"};
    for (qsizetype i = 0; i < typed.size(); i += 2) // and no city
        Type(Field(&dialog, qPrintable(typed[i])), typed[i + 1]);
    // A blank line in the middle gives "SOAPBOX: " alone; the empty last line gives nothing.
    QTest::keyClicks(Find<Win1250Memo>(&dialog, "Memo1"), "Nice contest\r\r 73! \r");
    QCOMPARE(Play(dialog, {"mode=CW", "click=Low"}), QString());
    m_desktop->Answer(Desktop::Answer::Yes);
    Click("Button3");
    QCOMPARE(Log(main),
             QByteArray("an earlier line\nSTART-OF-LOG: 2.0\nCONTEST: ZEVO CONTEST\nCALLSIGN: SP9ZZZ/P\n"
                        "CATEGORY: SO AB CW LP\nCLAIMED-SCORE: 01234\nNAME: J\xf3zef  Kowalski\n"
                        "E-MAIL: sp9zzz@example.org\nADDRESS: ul. D\xb3uga 5\nADDRESS: \nADDRESS: Poland\n"
                        "OPERATORS: SP9ZZZ SP9YYY\nSOAPBOX: Nice contest\nSOAPBOX: \nSOAPBOX:  73! \n"
                        "SOAPBOX: GENERATED BY \"DUVUZOZEVED\" PROGRAM VER.5.00 - ZEVO CONTEST TEAM\n"));
    QVERIFY(main.HeaderSet() && main.UnsavedLog() && !dialog.isVisible());
    QVERIFY(Field(&main, "Edit1")->isReadOnly() && Field(&main, "Edit1")->text() == "SP9ZZZ/P");
    QTRY_COMPARE(QApplication::focusWidget(), Field(&main, "Edit4"));
}

void TestHeaderDialog::longMemoLineGivesOneSoapboxLinePerShownLine() {
    FillRequired(Dialog());
    Win1250Memo* memo = Find<Win1250Memo>(&Dialog(), "Memo1");
    const QString remark = QStringLiteral("a long remark ").repeated(30);
    QTest::keyClicks(memo, remark);
    const int shown = memo->document()->firstBlock().layout()->lineCount();
    QVERIFY2(shown >= 3, qPrintable(QString::number(shown)));
    m_desktop->Answer(Desktop::Answer::Yes);
    Click("Button3");
    const QList<QByteArray> log = Log(Main()).split('\n');
    QVERIFY(log.value(11 + shown).startsWith("SOAPBOX: GENERATED"));
    QByteArray joined; // the pieces hold the whole line
    for (const QByteArray& line : log.mid(11, shown))
        joined += line.startsWith("SOAPBOX: ") ? line.mid(9) : "<" + line + ">";
    QCOMPARE(joined, remark.toLatin1());
}

void TestHeaderDialog::okAfterAFileWasLoadedAddsNoSecondHeader() {
    // The dialog does not block the main window: while it is open, a loaded file brings its own header.
    QVERIFY(!Dialog().isModal());
    Main().Document().Append(std::vector<std::string>{"START-OF-LOG: 2.0", "QSO: loaded"});
    Main().SetHeaderSet(true);
    m_desktop->Answer(Desktop::Answer::Ok);
    Click("Button3");
    // The main window's refusal, and the loaded log as it was.
    QCOMPARE(m_desktop->Boxes().value(0).caption, QStringLiteral("Cabrillo header"));
    QCOMPARE(Log(Main()), QByteArray("START-OF-LOG: 2.0\nQSO: loaded\n"));
    QVERIFY(!Dialog().isVisible() && !Main().UnsavedLog() && Field(&Main(), "Edit1")->text().isEmpty());
}

void TestHeaderDialog::typedTextIsFilteredAndCancelKeepsIt() {
    TForm2& dialog = Dialog();
    QLineEdit* claimed = Field(&dialog, "Edit7");
    auto* memo = Find<Win1250Memo>(&dialog, "Memo1");
    // The claimed score takes digits: Ctrl+V is a control character; deleting and leaving are keys.
    claimed->setFocus();
    Type(claimed, QString::fromUtf8("1a2B 3-4.5,ąŁ6+"));
    QGuiApplication::clipboard()->setText(QStringLiteral("ABC"));
    QTest::keyClick(claimed, Qt::Key_V, Qt::ControlModifier);
    for (const Qt::Key key : {Qt::Key_Backspace, Qt::Key_Home, Qt::Key_Delete, Qt::Key_Tab})
        QTest::keyClick(claimed, key);
    QCOMPARE(QApplication::focusWidget(), Field(&dialog, "Edit2"));
    // The memo refuses what Windows-1250 cannot hold (Cyrillic, yen, emoji), typed or pasted.
    Type(memo, QString::fromUtf8("ab шц¥😀ąż€"));
    QInputMethodEvent composed; // an input method's text
    composed.setCommitString(QString::fromUtf8("шó"));
    QApplication::sendEvent(memo, &composed);
    QGuiApplication::clipboard()->setText(QString::fromUtf8("-xш") + QChar(0xD83D) + "y" +
                                          QChar(QChar::LineSeparator) + "z");
    QTest::keyClick(memo, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(memo, Qt::Key_Return, Qt::ShiftModifier); // a new line, not a line separator
    QTest::keyClicks(memo, "end");
    FillRequired(dialog);
    QCOMPARE(Play(dialog, {"band=Single Band", "click=20m", "mode=PHONE"}), QString());
    const QString state = State(dialog);
    Click("Button1");
    QVERIFY(!dialog.isVisible() && Open(*m_program));
    QVERIFY(dialog.close() && QTest::qWaitForWindowActive(&Main())); // the close control, the same
    QVERIFY(Open(*m_program));
    QCOMPARE(
        (QStringList{Field(&dialog, "Edit1")->text(), Field(&dialog, "Edit2")->text(),
                     Field(&dialog, "Edit4")->text(), claimed->text(), memo->toPlainText(), State(dialog)}),
        (QStringList{"SP9ZZZ", "Jan Kowalski", "Dluga 5", "12345", QString::fromUtf8("ab ąż€ó-xy\nz\nend"),
                     state}));
    QCOMPARE(memo->blockCount(), 3);
    QVERIFY(Log(Main()).isEmpty() && !Main().HeaderSet());
}

QTEST_MAIN(TestHeaderDialog)
#include "TestHeaderDialog.moc"
