// Polish and English: every caption of the three windows, what a switch leaves alone, and messages
// that speak the language chosen at the moment they are shown.
#include "GuiTest.h"
#include "Program.h"
#include "ScriptedDesktop.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
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

// The Polish text of every message the windows compose in code: the source text as the program
// writes it (English), with its disambiguation where two messages share it.
const struct Message {
    const char* context;
    const char* source;
    const char* disambiguation;
    const char* polish;
} Messages[] = {
    {"TForm1", "Error", nullptr, "Błąd"},
    {"TForm1", "Please set the Header of Cabrillo file first!", nullptr,
     "Należy najpierw uzupełnic nagłówek pliku Cabrillo!"},
    {"TForm1", "No Call set!", nullptr, "Brak znaku stacji!"},
    {"TForm1", "No province sent selected!", nullptr, "Brak wybranego nadawanego skrótu województwa!"},
    {"TForm1", "Cabrillo header", nullptr, "Nagłówek Cabrillo"},
    {"TForm1",
     "Sorry, but you cannot change Cabrillo file header now!\nPlease use external editor like Notepad after "
     "end "
     "of program\nto make changes in Cabrillo output file.",
     nullptr,
     "Niestety nie można zmienić teraz nagłówka pliku Cabrillo!\nW celu wprowadzenia zmian w wyjściowym "
     "pliku "
     "Cabrillo\nnależy użyć zewnętrznego edytora (np. Notatnika)\npo zakończeniu działania programu."},
    {"TForm1", "Warning", nullptr, "Uwaga"},
    {"FileChoice", "Warning", nullptr, "Uwaga"},
    {"TForm1", "Attention", nullptr, "Uwaga"},
    {"TForm1", "Cabrillo file is not saved now!\nSave it?", "question of Exit",
     "Plik Cabrillo nie został zapisany!\nZapisać?"},
    {"TForm1", "Cabrillo file is not saved now!\nSave it?", "question of closing the window",
     "Plik Cabrillo nie jest jeszcze zapisany!\nZapisać?"},
    {"TForm1", "Cabrillo files|*.cbr|All files|*.*", nullptr, "Pliki Cabrillo|*.cbr|Wszystkie pliki|*.*"},
    {"FileChoice", "File \"%1\" exists.\nDo you want to overwrite it?", nullptr,
     "Plik \"%1\" istnieje.\nCzy chcesz go zastąpić?"},
    {"TForm1", "Information", nullptr, "Informacja"},
    {"TForm1", "Cabrillo file is saved!", nullptr, "Plik Cabrillo został zapisany!"},
    {"TForm1", "Ver. 4.00 freeware ", nullptr, "Wer. 4.00 freeware "},
    {"TForm1", "Incorrect date format!", nullptr, "Błędny format daty!"},
    {"TForm1", "Incorrect data in Date field!", nullptr, "Niewłaściwe dane w polu daty!"},
    {"TForm1", "Incorrect time format!", nullptr, "Błędny format czasu!"},
    {"TForm1", "Incorrect data in Time field!", nullptr, "Niewłaściwe dane w polu czasu!"},
    {"TForm1", "Only digits are acceptabled\nin \"Number Sent\" field,\nif this option is selected!", nullptr,
     "Przy wybraniu tej opcji\nw polu \"Numer nadany\"\nmogą być tylko cyfry!"},
    {"TForm2", "Error", nullptr, "Błąd"},
    {"TForm2", "Please insert used call!\nAll blue fields must be completed!", nullptr,
     "Proszę wprowadzić znak używany podczas zawodów!\nWszystkie niebieskie pola muszą być wypełnione!"},
    {"TForm2", "Please insert your full name!\nAll blue fields must be completed!", nullptr,
     "Proszę wprowadzić imię i nazwisko!\nWszystkie niebieskie pola muszą być wypełnione!"},
    {"TForm2", "Please insert your address!\nAll blue fields must be completed!", nullptr,
     "Proszę wprowadzić adres!\nWszystkie niebieskie pola muszą być wypełnione!"},
    {"TForm2", "Exactly tree bands must be set!", nullptr, "Należy wybrać dokładnie 3 pasma!"},
    {"TForm2", "Exactly one band must be set!", nullptr, "Należy wybrać dokładnie 1 pasmo!"},
    {"TForm2", "Category", nullptr, "Kategoria"},
    {"TForm2", "You select category:\n\n%1\n\nIs it OK?", nullptr,
     "Wybrana kategoria to:\n\n%1\n\nPotwierdzasz ten wybór?"},
    {"QPlatformTheme", "&Yes", nullptr, "&Tak"},
    {"QPlatformTheme", "&No", nullptr, "&Nie"},
    {"QPlatformTheme", "Cancel", nullptr, "Anuluj"},
};

} // namespace

class TestLanguage : public QObject {
    Q_OBJECT
private slots:
    void mainWindowSpeaksTheChosenLanguageThereAndBack();
    void dialogsTakeTheLanguageOnlyWhenShown();
    void switchChangesNothingElse();
    void questionsSpeakTheLanguageOfTheMoment_data();
    void questionsSpeakTheLanguageOfTheMoment();
    void everyMessageHasItsPolishText();
};

void TestLanguage::mainWindowSpeaksTheChosenLanguageThereAndBack() {
    ScriptedDesktop desktop;
    Program program(desktop);
    TForm1& main = program.form1;
    main.show();
    auto* load = Find<QPushButton>(&main, "Button6");
    auto* info = Find<QPushButton>(&main, "Button3");
    QVERIFY(info->toolTip().startsWith(QStringLiteral("Ver. 4.00 freeware ")));
    const QString credit = info->toolTip().mid(19);
    QVERIFY(!credit.isEmpty());

    for (bool polish : {false, true, false}) {
        Choose(main, polish);
        CompareCaptions(&main, MainCaptions, polish);
        QCOMPARE(Find<QAction>(&main, "ActionPolski")->isChecked(), polish);
        QCOMPARE(Find<QAction>(&main, "ActionEnglish")->isChecked(), !polish);
        QCOMPARE(load->toolTip(), polish ? QString::fromUtf8("Ładuj plik w celu dodania łączności")
                                         : QStringLiteral("Load file to add QSOs"));
        QCOMPARE(info->toolTip(),
                 (polish ? QStringLiteral("Wer. 4.00 freeware ") : QStringLiteral("Ver. 4.00 freeware ")) +
                     credit);
        // The exchange sent: the number in English, the province in Polish, on the same spot.
        for (const char* name : {"Label10", "Edit8", "CheckBox1", "Label13", "Label12"})
            QVERIFY2(Find<QWidget>(&main, name)->isVisible() == !polish, name);
        for (const char* name : {"Label14", "ComboBox3"})
            QVERIFY2(Find<QWidget>(&main, name)->isVisible() == polish, name);
    }
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestLanguage::dialogsTakeTheLanguageOnlyWhenShown() {
    ScriptedDesktop desktop;
    Program program(desktop);
    program.form1.show();
    // Built while the program speaks English.
    CompareCaptions(&program.Form2(), HeaderCaptions, false);
    CompareCaptions(&program.Form3(), ExportCaptions, false);
    auto* headerButton = Find<QPushButton>(&program.form1, "Button1");

    Choose(program.form1, true);
    CompareCaptions(&program.Form2(), HeaderCaptions, false);
    QTest::mouseClick(headerButton, Qt::LeftButton);
    QVERIFY(program.Form2().isVisible());
    CompareCaptions(&program.Form2(), HeaderCaptions, true);
    program.Form3().ApplyLanguage();
    CompareCaptions(&program.Form3(), ExportCaptions, true);

    // A switch while the header dialog is open leaves it as it was until it is shown again.
    Choose(program.form1, false);
    QVERIFY(program.Form2().isVisible());
    CompareCaptions(&program.Form2(), HeaderCaptions, true);
    QTest::mouseClick(headerButton, Qt::LeftButton);
    CompareCaptions(&program.Form2(), HeaderCaptions, false);
    program.Form3().ApplyLanguage();
    CompareCaptions(&program.Form3(), ExportCaptions, false);
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestLanguage::switchChangesNothingElse() {
    ScriptedDesktop desktop;
    Program program(desktop);
    TForm1& main = program.form1;
    main.show();
    auto* number = Find<QLineEdit>(&main, "Edit8");
    auto* autoIncrement = Find<QCheckBox>(&main, "CheckBox1");
    auto* province = Find<QComboBox>(&main, "ComboBox3");
    QTest::mouseClick(autoIncrement, Qt::LeftButton);
    number->selectAll();
    QTest::keyClicks(number, "17");
    Choose(main, true);
    province->setCurrentIndex(12);
    main.Document().Append("START-OF-LOG: 2.0");
    Type(Find<QLineEdit>(&main, "Edit4"), "QQ3CCC");

    for (bool polish : {false, true, false}) {
        Choose(main, polish);
        QCOMPARE(number->text(), QStringLiteral("17"));
        QVERIFY(!autoIncrement->isChecked());
        QCOMPARE(province->currentText(), QString::fromUtf8("S  - Świętokrzyskie"));
        QCOMPARE(Find<QLineEdit>(&main, "Edit4")->text(), QStringLiteral("QQ3CCC"));
        QCOMPARE(Find<QComboBox>(&main, "ComboBox1")->currentText(), QStringLiteral("20M"));
        QCOMPARE(main.Document().Lines(), std::vector<std::string>{"START-OF-LOG: 2.0"});
        QVERIFY(!main.HeaderSet() && !main.UnsavedLog());
    }
    // Nothing made the log unsaved: "Exit" asks nothing.
    QTest::mouseClick(Find<QPushButton>(&main, "Button5"), Qt::LeftButton);
    QVERIFY(main.Ending());
    QVERIFY(desktop.Boxes().isEmpty());
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestLanguage::questionsSpeakTheLanguageOfTheMoment_data() {
    QTest::addColumn<bool>("polish");
    QTest::addColumn<bool>("exit"); // "Exit", or closing the window
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("text");
    QTest::newRow("Exit, English") << false << true << "Warning"
                                   << "Cabrillo file is not saved now!\nSave it?";
    QTest::newRow("Exit, Polish") << true << true << "Uwaga"
                                  << QString::fromUtf8("Plik Cabrillo nie został zapisany!\nZapisać?");
    QTest::newRow("close, English") << false << false << "Attention"
                                    << "Cabrillo file is not saved now!\nSave it?";
    QTest::newRow("close, Polish") << true << false << "Uwaga"
                                   << QString::fromUtf8("Plik Cabrillo nie jest jeszcze zapisany!\nZapisać?");
}

void TestLanguage::questionsSpeakTheLanguageOfTheMoment() {
    QFETCH(bool, polish);
    QFETCH(bool, exit);
    QFETCH(QString, caption);
    QFETCH(QString, text);
    ScriptedDesktop desktop;
    Program program(desktop);
    program.form1.show();
    program.form1.SetHeaderSet(true);
    program.form1.SetUnsavedLog(true);
    // Switched away and back: the question is composed after the last switch.
    Choose(program.form1, !polish);
    Choose(program.form1, polish);
    desktop.Expect(caption, text, Desktop::Icon::Question, Desktop::Buttons::YesNo, Desktop::Answer::No);
    if (exit)
        QTest::mouseClick(Find<QPushButton>(&program.form1, "Button5"), Qt::LeftButton);
    else
        program.form1.close();
    QVERIFY(program.form1.Ending());
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestLanguage::everyMessageHasItsPolishText() {
    ScriptedDesktop desktop;
    Program program(desktop);
    for (bool polish : {true, false}) {
        Choose(program.form1, polish);
        for (const Message& message : Messages) {
            const QString shown =
                QCoreApplication::translate(message.context, message.source, message.disambiguation);
            QCOMPARE(shown, QString::fromUtf8(polish ? message.polish : message.source));
        }
    }
    VERIFY_SCRIPT_PLAYED(desktop);
}

QTEST_MAIN(TestLanguage)
#include "TestLanguage.moc"
