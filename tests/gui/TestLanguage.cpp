// Polish and English: every caption of the three windows, what a switch leaves alone, and messages
// that speak the language chosen at the moment they are shown.
#include "GuiTest.h"
#include "Program.h"
#include "ScriptedDesktop.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A caption of a window: its control (or "" for the window's own title), English, Polish.
struct Caption {
    const char* control;
    const char* english;
    const char* polish;
};

const Caption MainCaptions[] = {
    {"", "ZEVO Contest ", "ZEVO Contest "},
    {"Label1", "Used call", "Używany znak"},
    {"Label2", "Band", "Pasmo"},
    {"Label3", "Mode", "Emisja"},
    {"Label4", "Date (yyyy-mm-dd)", "Data (rrrr-mm-dd)"},
    {"Label5", "Time UTC (hh:mm)", "Czas UTC (gg:mm)"},
    {"Label6", "Call", "Znak"},
    {"Label7", "Report Sent", "Raport nad."},
    {"Label8", "Number Rcvd", "Numer odebr."},
    {"Label9", "Report Rcvd", "Raport odebr."},
    {"Label11", "Output file:", "Plik wyjściowy:"},
    {"Button1", "Header of Cabrillo file", "Nagłówek pliku Cabrillo"},
    {"Button2", "Save Cabrillo file", "Zapisz plik Cabrillo"},
    {"Button4", "Add to file", "Dodaj do pliku"},
    {"Button5", "Exit", "Koniec"},
    {"Button6", "Load Cabrillo file", "Ładuj plik Cabrillo"},
    {"Button7", "Save ADIF file", "Zapisz plik ADIF"},
    // The same in both languages.
    {"Button3", "Info", "Info"},
    {"Label10", "Number Sent", "Number Sent"},
    {"Label12", "increment", "increment"},
    {"Label13", "Auto", "Auto"},
    {"Label14", "Nadawany skrót województwa", "Nadawany skrót województwa"},
    {"RadioButton1", "Polski", "Polski"},
    {"RadioButton2", "English", "English"},
};

const Caption HeaderCaptions[] = {
    {"", "Cabrillo Header", "Nagłówek Cabrillo"},
    {"Label4", "Used call", "Używany znak"},
    {"Label8", "Claimed Score", "Liczba punktów"},
    {"Label5", "Name and Surname", "Imię i nazwisko"},
    {"Label7", "Address", "Adres"},
    {"Label11", "Street", "Ulica"},
    {"Label12", "City", "Miasto"},
    {"Label13", "Country", "Kraj"},
    {"Label9", "Calls of all operators (separated by SPACE)",
     "Znaki wszystkich operatorów (oddzielone spacjami)"},
    {"Label10", "Soapbox comments", "Komentarz"},
    {"GroupBox1", "Category", "Kategoria"},
    {"Label3", "Mode", "Emisja"},
    {"Label2", "Band", "Pasmo"},
    {"Button1", "Cancel", "Anuluj"},
    {"Label1", "Operator", "Operator"},
    {"Label6", "E-mail", "E-mail"},
    {"GroupBox2", "Power", "Power"},
    {"RadioButton1", "High (as in Licence)", "High (as in Licence)"},
    {"RadioButton2", "Low (max. 100W)", "Low (max. 100W)"},
    {"RadioButton3", "QRP (max. 5W)", "QRP (max. 5W)"},
    {"CheckBox1", "160m", "160m"},
    {"CheckBox6", "10m", "10m"},
    {"Button3", "OK", "OK"},
};

const Caption ExportCaptions[] = {
    {"", "ADIF file", "Zapis pliku ADIF"},
    {"Label1", "Comment for all records:", "Komentarz dla wszystkich rekordów:"},
    {"Label2", "Operator", "Operator"},
    {"CheckBox1", "Add FREQ to all records", "Dodaj pole częstotliwości"},
    {"Button1", "Save", "Zapisz"},
    {"Button2", "Exit", "Powrót"},
};

QString CaptionOf(QWidget* window, const char* control) {
    if (*control == '\0')
        return window->windowTitle();
    QWidget* widget = Find<QWidget>(window, control);
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return button->text();
    if (auto* group = qobject_cast<QGroupBox*>(widget))
        return group->title();
    qFatal("%s has no caption", control);
}

template <std::size_t N> void CompareCaptions(QWidget* window, const Caption (&table)[N], bool polish) {
    for (const Caption& row : table) {
        const QString want = QString::fromUtf8(polish ? row.polish : row.english);
        const QString shown = CaptionOf(window, row.control);
        if (shown != want)
            QFAIL(qPrintable(QStringLiteral("%1 %2: \"%3\", expected \"%4\"")
                                 .arg(window->objectName(), QLatin1String(row.control), shown, want)));
    }
}

void Choose(TForm1& main, bool polish) {
    QTest::mouseClick(Find<QRadioButton>(&main, polish ? "RadioButton1" : "RadioButton2"), Qt::LeftButton);
    QCOMPARE(main.Polish(), polish);
}

} // namespace

class TestLanguage : public QObject {
    Q_OBJECT
private slots:
    void mainWindowSpeaksTheChosenLanguageThereAndBack();
    void polishShowsTheProvinceInPlaceOfTheNumberSent();
    void dialogsTakeTheLanguageWhenTheyAreShown();
    void headerDialogKeepsItsLanguageUntilShownAgain();
    void switchChangesNoFieldSelectionOrFlag();
    void switchRightAfterStartThenExitAsksNothing();
    void exitQuestionSpeaksTheCurrentLanguage_data();
    void exitQuestionSpeaksTheCurrentLanguage();
    void refusalRightAfterASwitchSpeaksTheNewLanguage();
    void headerDialogMessagesSpeakPolish();
    void addAndSaveSpeakPolish();
};

void TestLanguage::mainWindowSpeaksTheChosenLanguageThereAndBack() {
    ScriptedDesktop desktop;
    Program program(desktop);
    TForm1& main = program.form1;
    main.show();
    auto* load = Find<QPushButton>(&main, "Button6");
    auto* info = Find<QPushButton>(&main, "Button3");

    CompareCaptions(&main, MainCaptions, false);
    QCOMPARE(load->toolTip(), QStringLiteral("Load file to add QSOs"));
    QVERIFY(info->toolTip().startsWith(QStringLiteral("Ver. 4.00 freeware ")));
    const QString credit = info->toolTip().mid(19);
    QVERIFY(!credit.isEmpty());

    Choose(main, true);
    CompareCaptions(&main, MainCaptions, true);
    QCOMPARE(load->toolTip(), QStringLiteral("Ładuj plik w celu dodania łączności"));
    QCOMPARE(info->toolTip(), QStringLiteral("Wer. 4.00 freeware ") + credit);

    Choose(main, false);
    CompareCaptions(&main, MainCaptions, false);
    QCOMPARE(load->toolTip(), QStringLiteral("Load file to add QSOs"));
    QCOMPARE(info->toolTip(), QStringLiteral("Ver. 4.00 freeware ") + credit);
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestLanguage::polishShowsTheProvinceInPlaceOfTheNumberSent() {
    ScriptedDesktop desktop;
    Program program(desktop);
    TForm1& main = program.form1;
    main.show();
    const char* english[] = {"Label10", "Edit8", "CheckBox1", "Label13", "Label12"};
    const char* polish[] = {"Label14", "ComboBox3"};
    for (bool toPolish : {true, false, true}) {
        Choose(main, toPolish);
        for (const char* name : english)
            QVERIFY2(Find<QWidget>(&main, name)->isVisible() == !toPolish, name);
        for (const char* name : polish)
            QVERIFY2(Find<QWidget>(&main, name)->isVisible() == toPolish, name);
    }
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestLanguage::dialogsTakeTheLanguageWhenTheyAreShown() {
    ScriptedDesktop desktop;
    Program program(desktop);
    program.form1.show();
    // Created at start in English.
    CompareCaptions(&program.form2, HeaderCaptions, false);
    CompareCaptions(&program.form3, ExportCaptions, false);

    Choose(program.form1, true);
    QTest::mouseClick(Find<QPushButton>(&program.form1, "Button1"), Qt::LeftButton);
    QVERIFY(program.form2.isVisible());
    CompareCaptions(&program.form2, HeaderCaptions, true);
    program.form3.ApplyLanguage();
    CompareCaptions(&program.form3, ExportCaptions, true);

    Choose(program.form1, false);
    QTest::mouseClick(Find<QPushButton>(&program.form1, "Button1"), Qt::LeftButton);
    CompareCaptions(&program.form2, HeaderCaptions, false);
    program.form3.ApplyLanguage();
    CompareCaptions(&program.form3, ExportCaptions, false);
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestLanguage::headerDialogKeepsItsLanguageUntilShownAgain() {
    ScriptedDesktop desktop;
    Program program(desktop);
    program.form1.show();
    Choose(program.form1, true);
    QTest::mouseClick(Find<QPushButton>(&program.form1, "Button1"), Qt::LeftButton);
    QCOMPARE(program.form2.windowTitle(), QStringLiteral("Nagłówek Cabrillo"));

    // A switch while the dialog is open leaves it as it was...
    Choose(program.form1, false);
    QVERIFY(program.form2.isVisible());
    CompareCaptions(&program.form2, HeaderCaptions, true);
    QCOMPARE(Find<QPushButton>(&program.form2, "Button1")->text(), QStringLiteral("Anuluj"));

    // ...until the main window shows it again.
    QTest::mouseClick(Find<QPushButton>(&program.form1, "Button1"), Qt::LeftButton);
    CompareCaptions(&program.form2, HeaderCaptions, false);
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestLanguage::switchChangesNoFieldSelectionOrFlag() {
    ScriptedDesktop desktop;
    Program program(desktop);
    TForm1& main = program.form1;
    main.show();
    auto* number = Find<QLineEdit>(&main, "Edit8");
    auto* autoIncrement = Find<QCheckBox>(&main, "CheckBox1");
    auto* province = Find<QComboBox>(&main, "ComboBox3");
    QTest::mouseClick(autoIncrement, Qt::LeftButton);
    QVERIFY(!autoIncrement->isChecked());
    number->selectAll();
    QTest::keyClicks(number, "17");
    QCOMPARE(number->text(), QStringLiteral("17"));
    Choose(main, true);
    province->setCurrentIndex(12);
    main.Log().Append("QSO:  1800 CW 2026-04-05 1507 QQ1AAA        599      S QQ2BBB        579      15");
    const std::vector<std::string> log = main.Log().Lines();
    Type(Find<QLineEdit>(&main, "Edit4"), "QQ3CCC");
    const bool headerSet = main.HeaderSet();
    const bool unsaved = main.UnsavedLog();

    for (bool polish : {false, true, false}) {
        Choose(main, polish);
        QCOMPARE(number->text(), QStringLiteral("17"));
        QVERIFY(!autoIncrement->isChecked());
        QCOMPARE(province->currentIndex(), 12);
        QCOMPARE(province->currentText(), QStringLiteral("S  - Świętokrzyskie"));
        QCOMPARE(Find<QLineEdit>(&main, "Edit4")->text(), QStringLiteral("QQ3CCC"));
        QCOMPARE(Find<QComboBox>(&main, "ComboBox1")->currentText(), QStringLiteral("20M"));
        QCOMPARE(Find<QLineEdit>(&main, "Edit5")->text(), QStringLiteral("59"));
        QCOMPARE(main.Log().Lines(), log);
        QCOMPARE(main.HeaderSet(), headerSet);
        QCOMPARE(main.UnsavedLog(), unsaved);
    }
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestLanguage::switchRightAfterStartThenExitAsksNothing() {
    ScriptedDesktop desktop;
    Program program(desktop);
    program.form1.show();
    Choose(program.form1, true);
    QTest::mouseClick(Find<QPushButton>(&program.form1, "Button5"), Qt::LeftButton);
    QVERIFY(program.form1.Ending());
    QVERIFY(desktop.Boxes().isEmpty());
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestLanguage::exitQuestionSpeaksTheCurrentLanguage_data() {
    QTest::addColumn<bool>("polish");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("text");
    QTest::newRow("English") << false << "Warning"
                             << "Cabrillo file is not saved now!\nSave it?";
    QTest::newRow("Polish") << true << "Uwaga"
                            << QString::fromUtf8("Plik Cabrillo nie został zapisany!\nZapisać?");
}

void TestLanguage::exitQuestionSpeaksTheCurrentLanguage() {
    QFETCH(bool, polish);
    QFETCH(QString, caption);
    QFETCH(QString, text);
    ScriptedDesktop desktop;
    Program program(desktop);
    program.form1.show();
    program.form1.SetHeaderSet(true);
    program.form1.SetUnsavedLog(true);
    // Switch away and back, so that the question is composed after the last switch.
    Choose(program.form1, !polish);
    Choose(program.form1, polish);
    desktop.Expect(caption, text, Desktop::Icon::Question, Desktop::Buttons::YesNo, Desktop::Answer::No);
    QTest::mouseClick(Find<QPushButton>(&program.form1, "Button5"), Qt::LeftButton);
    QVERIFY(program.form1.Ending());

    // The close question differs from the exit question in both languages.
    ScriptedDesktop closing;
    Program other(closing);
    other.form1.show();
    other.form1.SetUnsavedLog(true);
    Choose(other.form1, polish);
    closing.Expect(polish ? QStringLiteral("Uwaga") : QStringLiteral("Attention"),
                   polish ? QString::fromUtf8("Plik Cabrillo nie jest jeszcze zapisany!\nZapisać?")
                          : QStringLiteral("Cabrillo file is not saved now!\nSave it?"),
                   Desktop::Icon::Question, Desktop::Buttons::YesNo, Desktop::Answer::No);
    QVERIFY(other.form1.close());
    VERIFY_SCRIPT_PLAYED(desktop);
    VERIFY_SCRIPT_PLAYED(closing);
}

void TestLanguage::refusalRightAfterASwitchSpeaksTheNewLanguage() {
    ScriptedDesktop desktop;
    Program program(desktop);
    program.form1.show();
    program.form1.SetHeaderSet(true);
    Choose(program.form1, true);
    desktop.Expect(
        QString::fromUtf8("Nagłówek Cabrillo"),
        QString::fromUtf8("Niestety nie można zmienić teraz nagłówka pliku Cabrillo!\nW celu wprowadzenia "
                          "zmian w wyjściowym pliku Cabrillo\nnależy użyć zewnętrznego edytora (np. "
                          "Notatnika)\npo zakończeniu działania programu."),
        Desktop::Icon::Error, Desktop::Buttons::Ok, Desktop::Answer::Ok);
    QTest::mouseClick(Find<QPushButton>(&program.form1, "Button1"), Qt::LeftButton);
    Choose(program.form1, false);
    desktop.Expect(
        "Cabrillo header",
        "Sorry, but you cannot change Cabrillo file header now!\nPlease use external editor like Notepad "
        "after end of program\nto make changes in Cabrillo output file.",
        Desktop::Icon::Error, Desktop::Buttons::Ok, Desktop::Answer::Ok);
    QTest::mouseClick(Find<QPushButton>(&program.form1, "Button1"), Qt::LeftButton);
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestLanguage::headerDialogMessagesSpeakPolish() {
    ScriptedDesktop desktop;
    Program program(desktop);
    program.form1.show();
    Choose(program.form1, true);
    QTest::mouseClick(Find<QPushButton>(&program.form1, "Button1"), Qt::LeftButton);
    TForm2& dialog = program.form2;
    auto* ok = Find<QPushButton>(&dialog, "Button3");
    auto* bandChoice = Find<QComboBox>(&dialog, "ComboBox2");
    const auto chooseBands = [bandChoice](int index) {
        bandChoice->setCurrentIndex(index);
        emit bandChoice->activated(index);
    };
    const QString blue = QString::fromUtf8("\nWszystkie niebieskie pola muszą być wypełnione!");
    // Each refusal in turn, the missing entry filled in after it.
    const struct {
        const char* text;
        std::function<void()> mend;
    } refusals[] = {
        {"Proszę wprowadzić znak używany podczas zawodów!",
         [&] { Type(Find<QLineEdit>(&dialog, "Edit1"), "SP9ZZZ"); }},
        {"Proszę wprowadzić imię i nazwisko!",
         [&] { Type(Find<QLineEdit>(&dialog, "Edit2"), QString::fromUtf8("Jan Wójcik")); }},
        {"Proszę wprowadzić adres!",
         [&] {
             Type(Find<QLineEdit>(&dialog, "Edit4"), "Polna 1");
             chooseBands(1);
         }},
        {"Należy wybrać dokładnie 3 pasma!", [&] { chooseBands(2); }},
        {"Należy wybrać dokładnie 1 pasmo!", [&] { chooseBands(0); }},
    };
    for (const auto& refusal : refusals) {
        const QString text = QString::fromUtf8(refusal.text);
        desktop.Expect(QString::fromUtf8("Błąd"),
                       text.endsWith(QLatin1String("pasma!")) || text.endsWith(QLatin1String("pasmo!"))
                           ? text
                           : text + blue,
                       Desktop::Icon::Error, Desktop::Buttons::Ok, Desktop::Answer::Ok);
        QTest::mouseClick(ok, Qt::LeftButton);
        refusal.mend();
    }
    desktop.Expect(QStringLiteral("Kategoria"),
                   QString::fromUtf8("Wybrana kategoria to:\n\nSO AB MIXED HP\n\nPotwierdzasz ten wybór?"),
                   Desktop::Icon::Question, Desktop::Buttons::YesNo, Desktop::Answer::No);
    QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY(dialog.isVisible());
    QCOMPARE(program.form1.Log().Count(), 0);
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestLanguage::addAndSaveSpeakPolish() {
    ScriptedDesktop desktop;
    Program program(desktop);
    TForm1& main = program.form1;
    main.show();
    Choose(main, true);
    const QString noHeader = QString::fromUtf8("Należy najpierw uzupełnic nagłówek pliku Cabrillo!");
    desktop.Expect(QString::fromUtf8("Błąd"), noHeader, Desktop::Icon::Error, Desktop::Buttons::Ok,
                   Desktop::Answer::Ok);
    QTest::mouseClick(Find<QPushButton>(&main, "Button4"), Qt::LeftButton);
    desktop.Expect(QString::fromUtf8("Błąd"), noHeader, Desktop::Icon::Error, Desktop::Buttons::Ok,
                   Desktop::Answer::Ok);
    QTest::mouseClick(Find<QPushButton>(&main, "Button2"), Qt::LeftButton);

    main.SetHeaderSet(true);
    main.Log().Append("START-OF-LOG: 2.0");
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("log.cbr"));
    QFile existing(path);
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.close();
    desktop.ChooseFile(path);
    desktop.Expect(QStringLiteral("Uwaga"),
                   QStringLiteral("Plik \"%1\" istnieje.\n").arg(path) +
                       QString::fromUtf8("Czy chcesz go zastąpić?"),
                   Desktop::Icon::Warning, Desktop::Buttons::YesNoCancel, Desktop::Answer::Yes);
    desktop.Expect(QStringLiteral("Informacja"), QString::fromUtf8("Plik Cabrillo został zapisany!"),
                   Desktop::Icon::Information, Desktop::Buttons::Ok, Desktop::Answer::Ok);
    QTest::mouseClick(Find<QPushButton>(&main, "Button2"), Qt::LeftButton);
    QVERIFY(existing.open(QIODevice::ReadOnly));
    QCOMPARE(existing.readAll(), QByteArray("START-OF-LOG: 2.0\r\nEND-OF-LOG:\r\n"));
    VERIFY_SCRIPT_PLAYED(desktop);
}

QTEST_MAIN(TestLanguage)
#include "TestLanguage.moc"
