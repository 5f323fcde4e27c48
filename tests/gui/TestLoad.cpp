// Loading a Cabrillo file to go on with a log, and every load that must leave the log on screen alone.
#include "CabrilloReader.h"
#include "LogEntry.h"
#include "ScriptedDesktop.h"
#include "log/LogTableView.h"
#include "widgets/UpDown.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>

namespace {

using Answer = Desktop::Answer;
using Lines = std::vector<std::string>;

void Load(TForm1& form) {
    QTest::mouseClick(Find<QPushButton>(&form, "Button6"), Qt::LeftButton);
}

// What the main window shows that a load may change.
QStringList Fields(TForm1& form) {
    QStringList fields;
    for (const char* name : {"ComboBox1", "ComboBox2"})
        fields << Find<QComboBox>(&form, name)->currentText();
    for (const char* name : {"Edit1", "Edit2", "Edit3", "Edit5", "Edit7", "Edit8"})
        fields << Find<QLineEdit>(&form, name)->text();
    fields << QString::number(Find<UpDown>(&form, "UpDown1")->Position());
    return fields;
}

// The fields a load changes, by their place in Fields().
using Changes = QMap<int, QString>;

int SelectedRow(TForm1& form) {
    return Find<LogTableView>(&form, "ListBox1")->currentIndex().row();
}

} // namespace

class TestLoad : public QObject {
    Q_OBJECT
private slots:
    void aSavedLogLoadsBackAndGoesOn();
    void aLoadGoesOnFromTheLastContact_data();
    void aLoadGoesOnFromTheLastContact();
    void aLoadThatDoesNotHappenKeepsTheLog_data();
    void aLoadThatDoesNotHappenKeepsTheLog();
    void aBinaryFileSavesBackByteForByte();
    void theVerdictFollowsALoad();
};

void TestLoad::aSavedLogLoadsBackAndGoesOn() {
    QTemporaryDir folder;
    const QString path = folder.filePath("yesterday.cbr");
    ScriptedDesktop desktop;
    Program program(desktop);
    TForm1& form = program.form1;
    ShowActive(&form);
    SetHeader(form, "QQ1ABCDEFGHIJK"); // 14 characters: the line and the load keep them all
    AddContact(form, "qq2bbb", "12");
    Find<QComboBox>(&form, "ComboBox1")->setCurrentIndex(2);
    Find<QComboBox>(&form, "ComboBox2")->setCurrentIndex(1);
    Find<QLineEdit>(&form, "Edit2")->setText("2026-04-06");
    Find<QLineEdit>(&form, "Edit3")->setText("23:58");
    AddContact(form, "qq3ccc", "5");
    desktop.ChooseFile(path);
    desktop.Answer(Answer::Ok); // saved
    QTest::mouseClick(Find<QPushButton>(&form, "Button2"), Qt::LeftButton);
    const QByteArray saved = ReadFileBytes(path);
    Lines loaded = form.Document().Lines().ToVector();
    loaded.pop_back();

    // The operator goes on elsewhere, then loads the saved log: no question, the log is saved.
    Find<QComboBox>(&form, "ComboBox1")->setCurrentIndex(5);
    Find<QComboBox>(&form, "ComboBox2")->setCurrentIndex(0);
    for (const auto& [name, text] :
         {std::pair{"Edit1", "QQ9ZZZ"}, {"Edit2", "2026-05-01"}, {"Edit3", "08:15"}})
        Find<QLineEdit>(&form, name)->setText(QString::fromLatin1(text));
    Find<QPushButton>(&form, "Button6")->setFocus();
    const QStringList before = Fields(form);
    desktop.ChooseFile(path);
    Load(form);
    QCOMPARE(desktop.FileDialogs().last().folder, folder.path());
    QCOMPARE(desktop.FileDialogs().last().filter, QStringLiteral("Cabrillo files|*.cbr|All files|*.*"));
    QCOMPARE(desktop.FileDialogs().last().selectedFilter, 1); // Cabrillo files first
    QCOMPARE(form.Document().Lines(), loaded);
    QCOMPARE(SelectedRow(form), form.LogList().Count() - 1);
    // Band, mode, date, time, spin and used call from the last line; the reports of its mode; the serial
    // after the highest sent.
    QCOMPARE(Fields(form), QStringList({"40M", "CW", "QQ1ABCDEFGHIJK", "2026-04-06", "23:58", "599", "599",
                                        before[7], "58"}));
    QCOMPARE(QApplication::focusWidget(), Find<QLineEdit>(&form, "Edit4"));
    QVERIFY(form.HeaderSet() && !form.UnsavedLog());

    // One more contact and the file grows by its line, before a single END-OF-LOG:.
    AddContact(form, "qq4ddd", "7");
    const QByteArray added = QByteArray::fromStdString(std::string(form.Document().Lines().back()));
    QVERIFY(added.startsWith("QSO: "));
    desktop.ChooseFile(path);
    desktop.Answer(Answer::Yes); // overwrite
    desktop.Answer(Answer::Ok);  // saved
    QTest::mouseClick(Find<QPushButton>(&form, "Button2"), Qt::LeftButton);
    QCOMPARE(ReadFileBytes(path),
             QByteArray(saved).replace("END-OF-LOG:\r\n", added + "\r\nEND-OF-LOG:\r\n"));
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestLoad::aLoadGoesOnFromTheLastContact_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QMap<int, QString>>(
        "changed");                     // the fields the load changes, by their place in Fields()
    QTest::addColumn<QString>("error"); // "refused": not a log
    const QByteArray contacts =
        "QSO:  7000 PH 2026-04-05 1507 QQ1AAA        59       7 QQ2BBB        59       1\r\n"
        "QSO:  7000 PH 2026-04-05 1508 QQ1AAA        59      12 QQ3CCC        59       1\r\n"
        "QSO:  3500 CW 2026-04-06 0003 QQ1AAA        599      9 QQ4DDD        599      1\r\n";
    QTest::newRow("header only") << CrLfFile(HeaderLines) + "END-OF-LOG:\r\n" << Changes{{2, "QQ1AAA"}} << "";
    QTest::newRow("serial after the highest, CW reports")
        << CrLfFile(HeaderLines) + contacts + "END-OF-LOG:\r\n"
        << Changes{{0, "80M"}, {1, "CW"},  {2, "QQ1AAA"}, {3, "2026-04-06"}, {4, "00:03"},
                   {5, "599"}, {6, "599"}, {7, "13"},     {8, "3"}}
        << "";
    QTest::newRow("blank after END-OF-LOG:")
        << QByteArray("QSO: 28000 PH 2026-04-05 1507 QQ1AAA        59       7 QQ2BBB        59       1\r\n"
                      "END-OF-LOG:\r\n\r\n")
        << Changes{{0, "10M"}, {2, "QQ1AAA"}, {4, "15:07"}, {7, "8"}, {8, "7"}} << "";
    // A damaged last contact: the fields go on from the last one that reads whole, without a box.
    const Changes fromTheLastWhole{{0, "80M"}, {1, "CW"},  {2, "QQ1AAA"}, {3, "2026-04-06"}, {4, "00:03"},
                                   {5, "599"}, {6, "599"}, {7, "13"},     {8, "3"}};
    QTest::newRow("last line cut short")
        << CrLfFile(HeaderLines) + contacts + "QSO: 14000 PH 2026-04-07 1200 QQ9ZZZ        59       1 QQ5\r\n"
        << fromTheLastWhole << "";
    QTest::newRow("last time 10x2")
        << CrLfFile(HeaderLines) + contacts +
               "QSO: 14000 PH 2026-04-07 10x2 QQ9ZZZ        59       1 QQ5EEE        59       1\r\n"
        << fromTheLastWhole << "";
    // No contact reads whole: as a log of a header only, with no CALLSIGN: to name the used call.
    QTest::newRow("minutes not a number")
        << QByteArray("QSO: 50000 CW 2026-04-05 15x7 QQ1AAA\r\n") << Changes{} << "";
    QTest::newRow("zero bytes") << QByteArray() << Changes{} << "refused";
    QTest::newRow("a picture") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << Changes{} << "refused";
    QTest::newRow("only END-OF-LOG:")
        << QByteArray("END-OF-LOG:\r\nEND-OF-LOG:\r\n") << Changes{} << "refused";
}

void TestLoad::aLoadGoesOnFromTheLastContact() {
    QFETCH(QByteArray, file);
    QFETCH(Changes, changed);
    QFETCH(QString, error);
    QTemporaryDir folder;
    const QString path = folder.filePath("log.cbr");
    QVERIFY(WriteFileBytes(path, file));
    ScriptedDesktop desktop;
    Program program(desktop);
    TForm1& form = program.form1;
    ShowActive(&form);
    Find<QLineEdit>(&form, "Edit2")->setText("2026-04-05");
    Find<QPushButton>(&form, "Button6")->setFocus();
    QStringList expected = Fields(form);
    desktop.ChooseFile(path);
    const bool refused = error == "refused";
    if (refused)
        desktop.Expect("Error",
                       QStringLiteral("File \"%1\" is not a Cabrillo log.\nNothing was loaded.").arg(path),
                       Desktop::Icon::Error, Desktop::Buttons::Ok, Answer::Ok);
    else if (!error.isEmpty())
        desktop.Expect("ZEVO Contest", error, Desktop::Icon::Error, Desktop::Buttons::Ok, Answer::Ok);
    Load(form);

    QCOMPARE(form.HeaderSet(), !refused);
    QCOMPARE(form.LogList().Count(), refused ? 0 : int(zevo::ReadCabrilloLines(file.toStdString()).size()));
    for (auto field = changed.cbegin(); field != changed.cend(); ++field)
        expected.replace(field.key(), field.value());
    QCOMPARE(Fields(form), expected);
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestLoad::aLoadThatDoesNotHappenKeepsTheLog_data() {
    QTest::addColumn<Answer>("save");       // at the unsaved-log question
    QTest::addColumn<QString>("file");      // chosen in the open dialog; none: the save stopped first
    QTest::addColumn<QString>("errorText"); // shown in an error box
    QTest::addColumn<bool>("polish");
    const auto row = [](const char* tag, Answer save, const char* file, const char* errorText, bool polish) {
        QTest::newRow(tag) << save << QString::fromLatin1(file) << QString::fromLatin1(errorText) << polish;
    };
    row("No, dialog dismissed", Answer::No, "", "", false);
    row("Polish: No, dialog dismissed", Answer::No, "", "", true);
    row("Yes, Cancel at the overwrite question", Answer::Yes, "-", "", false);
    row("No, missing file", Answer::No, "missing.cbr", "File not found.", false);
    row("No, a folder", Answer::No, ".", "File access denied.", false);
    row("No, too large", Answer::No, "huge.cbr", "huge.cbr", false);
    // Nothing ever writes to it: opening it for reading would wait for ever.
    row("No, a named pipe", Answer::No, "pipe.cbr", "not a regular file", false);
}

void TestLoad::aLoadThatDoesNotHappenKeepsTheLog() {
    QFETCH(Answer, save);
    QFETCH(QString, file);
    QFETCH(QString, errorText);
    QFETCH(bool, polish);
    QTemporaryDir folder;
    const QString saved = folder.filePath("qq1aaa.cbr");
    QVERIFY(WriteFileBytes(saved, "START-OF-LOG: 2.0\r\nEND-OF-LOG:\r\n"));
    QFile huge(folder.filePath("huge.cbr"));
    QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(64 * 1024 * 1024 + 1));
    huge.close();
    QVERIFY(::mkfifo(QFile::encodeName(folder.filePath("pipe.cbr")).constData(), 0600) == 0);
    ScriptedDesktop desktop;
    Program program(desktop);
    TForm1& form = program.form1;
    ShowActive(&form);
    SetHeader(form);
    AddContact(form, "qq2bbb", "12");
    if (polish)
        QTest::mouseClick(Find<QRadioButton>(&form, "RadioButton1"), Qt::LeftButton);
    const Lines log = form.Document().Lines().ToVector();
    const QStringList fields = Fields(form);

    if (polish)
        desktop.Expect(QString::fromUtf8("Uwaga"),
                       QString::fromUtf8("Plik Cabrillo z wprowadzonymi danymi nie został zapisany!\nZapisać "
                                         "plik przed wczytaniem nowego pliku?"),
                       Desktop::Icon::Question, Desktop::Buttons::YesNo, save);
    else
        desktop.Expect("Attention", "Cabrillo file is not saved now!\nSave it before open new file?",
                       Desktop::Icon::Question, Desktop::Buttons::YesNo, save);
    if (save == Answer::Yes) {
        desktop.ChooseFile(saved);
        desktop.Answer(Answer::Cancel); // overwrite?
    } else {
        desktop.ChooseFile(file.isEmpty() ? std::nullopt : std::optional(folder.filePath(file)));
    }
    if (!errorText.isEmpty())
        desktop.Answer(Answer::Ok);
    Load(form);

    VERIFY_SCRIPT_PLAYED(desktop);
    if (!errorText.isEmpty()) {
        QCOMPARE(desktop.Boxes().last().icon, Desktop::Icon::Error);
        QVERIFY2(desktop.Boxes().last().text.contains(errorText), qPrintable(desktop.Boxes().last().text));
    }
    QCOMPARE(form.Document().Lines(), log);
    QCOMPARE(Fields(form), fields);
    QVERIFY(form.HeaderSet() && form.UnsavedLog());
    QCOMPARE(ReadFileBytes(saved), QByteArray("START-OF-LOG: 2.0\r\nEND-OF-LOG:\r\n"));
}

void TestLoad::aBinaryFileSavesBackByteForByte() {
    // Every byte value but the line ends, Ctrl-Z and the zero byte of no text, over lines of every length
    // up to a long one, after the start of a log.
    QByteArray bytes = "START-OF-LOG: 2.0\r\n";
    for (int length = 0; length < 300; length += 7) {
        for (int i = 0; i < length; ++i) {
            const char c = static_cast<char>((i * 37 + length) % 256);
            bytes += c == '\r' || c == '\n' || c == '\x1a' || c == '\0' ? 'x' : c;
        }
        bytes += "\r\n";
    }
    // A line of megabytes would freeze the list if it were laid out whole.
    bytes += QByteArray(8000000, '\xb9') + "\r\n";
    QTemporaryDir folder;
    QVERIFY(WriteFileBytes(folder.filePath("binary.cbr"), bytes));
    ScriptedDesktop desktop;
    Program program(desktop);
    TForm1& form = program.form1;
    ShowActive(&form);
    desktop.ChooseFile(folder.filePath("binary.cbr"));
    Load(form);
    QTest::qWait(50); // the list paints its rows
    QCOMPARE(form.Document().Lines().back().size(), 8000000u);
    QVERIFY(form.LogList().index(form.LogList().Count() - 1).data().toString().size() < 10000);
    desktop.ChooseFile(folder.filePath("again.cbr"));
    desktop.Answer(Answer::Ok); // saved
    QTest::mouseClick(Find<QPushButton>(&form, "Button2"), Qt::LeftButton);
    QCOMPARE(ReadFileBytes(folder.filePath("again.cbr")), bytes + "END-OF-LOG:\r\n");
    VERIFY_SCRIPT_PLAYED(desktop);
}

QTEST_MAIN(TestLoad)
#include "TestLoad.moc"

void TestLoad::theVerdictFollowsALoad() {
    QTemporaryDir folder;
    const QString path = folder.filePath("log.cbr");
    QVERIFY(WriteFileBytes(
        path, CrLfFile(HeaderLines) +
                  "QSO: 14025 PH 2026-04-05 1507 QQ1AAA        59       1 qq2bbb        59       1\r\n"
                  "QSO:  7000 CW 2026-04-05 1508 QQ1AAA        599      2 QQ2BBB        599      1"));
    ScriptedDesktop desktop;
    Program program(desktop);
    TForm1& form = program.form1;
    ShowActive(&form);
    Type(Find<QLineEdit>(&form, "Edit4"), "QQ2BBB"); // "New" on 20M SSB of an empty log
    desktop.ChooseFile(path);
    Load(form);
    const auto* verdict = Find<QLabel>(&form, "DupeStatus");
    QCOMPARE(verdict->text(), "Dupe: QQ2BBB 40M CW 15:08, line 6");
    // Back on 20M SSB another program's contact at 14025 kHz is the dupe.
    Find<QComboBox>(&form, "ComboBox1")->setCurrentIndex(3);
    Find<QComboBox>(&form, "ComboBox2")->setCurrentIndex(0);
    QCOMPARE(verdict->text(), "Dupe: QQ2BBB 20M SSB 15:07, line 5");
    VERIFY_SCRIPT_PLAYED(desktop);
}
