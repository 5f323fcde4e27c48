// Correcting logged contacts: edit, delete, undo and redo through the real window, the file saved after
// them, the refusals, and a long random session against a plain model of the log.
#include "CabrilloReader.h"
#include "CallIndex.h"
#include "Journal.h"
#include "LogEntry.h"
#include "QsoLine.h"
#include "ScriptedDesktop.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <random>

namespace {

using Lines = std::vector<std::string>;
using Answer = Desktop::Answer;

const std::string Q1 = "QSO: 14000 PH 2026-04-05 1500 QQ1AAA        59       1 QQ2BBB        59      12";
const std::string Q2 = "QSO: 14000 PH 2026-04-05 1500 QQ1AAA        59       2 QQ3CCC        59       7";
const std::string Q3 = "QSO: 14000 PH 2026-04-05 1500 QQ1AAA        59       3 QQ4DDD        59       5";
const int First = static_cast<int>(HeaderLines.size());

Lines Contacts(const Lines& log) {
    Lines contacts;
    for (const std::string& line : log)
        if (line.starts_with("QSO:"))
            contacts.push_back(line);
    return contacts;
}

// The log without the END-OF-LOG: lines a save moves about.
Lines WithoutEnd(Lines log) {
    std::erase(log, std::string("END-OF-LOG:"));
    return log;
}

// The row of the contact with `call` received.
int RowOfCall(TForm1& form, const std::string& call) {
    const Lines log = form.Document().Lines().ToVector();
    for (std::size_t row = 0; row < log.size(); ++row)
        if (const auto key = zevo::ReadQsoKey(log[row]); key && key->call == call)
            return static_cast<int>(row);
    return -1;
}

// Saves under `path`, answering the questions of a save.
void Save(ScriptedDesktop& desktop, TForm1& form, const QString& path) {
    desktop.ChooseFile(path);
    if (QFileInfo::exists(path))
        desktop.Answer(Answer::Yes);
    desktop.Answer(Answer::Ok);
    QTest::mouseClick(Find<QPushButton>(&form, "Button2"), Qt::LeftButton);
}

} // namespace

class TestCorrections : public QObject {
    Q_OBJECT
private slots:
    void aCorrectionReachesTheSavedFile_data();
    void aCorrectionReachesTheSavedFile();
    void anEditIsRefusedAsAnAddIs_data();
    void anEditIsRefusedAsAnAddIs();
    void undoAndRedoGiveBackEveryEarlierLog_data();
    void undoAndRedoGiveBackEveryEarlierLog();
    void ctrlZInAFieldTakesBackItsTypingThenTheLog_data();
    void ctrlZInAFieldTakesBackItsTypingThenTheLog();
    void anEditKeepsWhatItDoesNotChange_data();
    void anEditKeepsWhatItDoesNotChange();
    void aRandomSessionMatchesAPlainModel();
};

void TestCorrections::aCorrectionReachesTheSavedFile_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<Lines>("contacts");
    QTest::addColumn<QString>("fields"); // call, number received and number sent after the steps
    QTest::addColumn<QString>("undo");   // the Undo action's text
    const std::string edited =
        "QSO: 14000 PH 2026-04-05 1500 QQ1AAA        59       1 QQ9ZZZ        59      12";
    const std::string every =
        "QSO:  7000 CW 2026-04-06 1645 QQ1AAA        579     99 QQ9ZZZ        589     33";
    const auto row = [](const char* tag, const char* steps, const Lines& contacts, const char* fields = "//3",
                        const char* undo = "") {
        QTest::newRow(tag) << QString::fromLatin1(steps).split(' ') << contacts << fields << undo;
    };
    row("edit the call", "call", {edited, Q2}, "//3", "&Undo edit QQ9ZZZ");
    row("edit every field", "every", {every, Q2});
    row("undo an edit", "call undo", {Q1, Q2}, "//3", "&Undo add QQ3CCC");
    row("redo an edit", "call undo redo", {edited, Q2});
    row("delete", "delete", {Q2}, "//3", "&Undo delete QQ2BBB");
    row("undo a delete", "delete undo", {Q1, Q2});
    row("redo a delete", "delete undo redo", {Q2});
    row("undo an add", "undo", {Q1}, "QQ3CCC/7/2");
    row("redo an add", "undo redo", {Q1, Q2});
    row("undo every add: the header is still unsaved", "undo undo", {}, "QQ2BBB/12/1");
    row("undo an add after a save", "save add save undo", {Q1, Q2}, "QQ4DDD/5/3");
}

void TestCorrections::aCorrectionReachesTheSavedFile() {
    QFETCH(QStringList, steps);
    QFETCH(Lines, contacts);
    QFETCH(QString, fields);
    QFETCH(QString, undo);
    QTemporaryDir folder;
    const QString path = folder.filePath("qq1aaa.cbr");
    ScriptedDesktop desktop;
    Program program(desktop);
    TForm1& form = program.form1;
    ShowActive(&form);
    SetHeader(form);
    AddContact(form, "qq2bbb", "12");
    AddContact(form, "qq3ccc", "7");
    for (const QString& step : steps) {
        if (step == "call")
            EditContact(form, First, {{"Edit4", "qq9zzz"}});
        if (step == "every")
            EditContact(form, First,
                        {{"Edit2", "2026-04-06"},
                         {"Edit3", "16:45"},
                         {"ComboBox1", "40M"},
                         {"ComboBox2", "CW"},
                         {"Edit4", "QQ9ZZZ"},
                         {"Edit5", "579"},
                         {"Edit8", "99"},
                         {"Edit7", "589"},
                         {"Edit6", "33"}});
        if (step == "delete")
            PressOnLine(form, First, Qt::Key_Delete);
        if (step == "undo")
            PressOnLine(form, -1, Qt::Key_Z, Qt::ControlModifier);
        if (step == "redo")
            PressOnLine(form, -1, Qt::Key_Y, Qt::ControlModifier);
        if (step == "add")
            AddContact(form, "qq4ddd", "5");
        if (step == "save")
            Save(desktop, form, path);
    }
    QCOMPARE(Contacts(form.Document().Lines().ToVector()), contacts);
    const QStringList typed = fields.split('/');
    QCOMPARE(Find<QLineEdit>(&form, "Edit4")->text(), typed[0]);
    QCOMPARE(Find<QLineEdit>(&form, "Edit6")->text(), typed[1]);
    QCOMPARE(Find<QLineEdit>(&form, "Edit8")->text(), typed[2]);
    if (!undo.isEmpty())
        QCOMPARE(Find<QAction>(&form, "ActionUndo")->text(), undo);
    QVERIFY(form.UnsavedLog());
    Save(desktop, form, path);
    Lines file = HeaderLines;
    file.insert(file.end(), contacts.begin(), contacts.end());
    file.emplace_back("END-OF-LOG:");
    QCOMPARE(ReadFileBytes(path), CrLfFile(file));
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestCorrections::undoAndRedoGiveBackEveryEarlierLog_data() {
    QTest::addColumn<QStringList>("steps");
    const auto row = [](const char* tag, const char* steps) {
        QTest::newRow(tag) << QString::fromLatin1(steps).split(' ');
    };
    row("an edit undone after deletes and an add",
        "add:QS1AAA add:QS3CCC edit:QS1AAA>QS9XXX delete:QY2CD delete:QY3EF add:QS2BBB");
    row("an add undone after a delete and an add", "add:QS1AAA delete:QY2CD add:QS2BBB");
    row("adds undone after a second save", "add:QS1AAA save add:QS3CCC save add:QS2BBB delete:QS3CCC save");
}

void TestCorrections::undoAndRedoGiveBackEveryEarlierLog() {
    QFETCH(QStringList, steps);
    QTemporaryDir folder;
    const QString path = folder.filePath("qq1aaa.cbr");
    Lines loaded = HeaderLines;
    for (const char* call : {"QY2CD", "QY3EF", "QY2CD/P"})
        loaded.push_back(
            zevo::ComposeQsoLine({3, true, "2026-04-05", "15:00", "QQ1AAA", "59", "1", call, "59", "1"}));
    QVERIFY(WriteFileBytes(path, CrLfFile(loaded)));
    ScriptedDesktop desktop;
    Program program(desktop);
    TForm1& form = program.form1;
    ShowActive(&form);
    desktop.ChooseFile(path);
    QTest::mouseClick(Find<QPushButton>(&form, "Button6"), Qt::LeftButton);

    std::vector<Lines> logs{WithoutEnd(form.Document().Lines().ToVector())};
    for (const QString& step : steps) {
        const std::string call = step.section(':', 1).section('>', 0, 0).toStdString();
        if (step.startsWith("add:")) {
            for (const char* field : {"Edit4", "Edit6"})
                Find<QLineEdit>(&form, field)->setText(QString());
            AddContact(form, QString::fromStdString(call), "5");
        } else if (step.startsWith("edit:")) {
            EditContact(form, RowOfCall(form, call), {{"Edit4", step.section('>', 1)}});
        } else if (step.startsWith("delete:")) {
            PressOnLine(form, RowOfCall(form, call), Qt::Key_Delete);
        } else {
            Save(desktop, form, path);
            continue;
        }
        logs.push_back(WithoutEnd(form.Document().Lines().ToVector()));
        QCOMPARE(logs.back().size(), logs[logs.size() - 2].size() + (step.startsWith("add:") ? 1 : 0) -
                                         (step.startsWith("delete:") ? 1 : 0));
    }
    // Every change taken back in turn gives each earlier log, and done again each later one; the list
    // shows the line each one touched.
    const auto press = [&form](Qt::Key key) {
        const Lines before = form.Document().Lines().ToVector();
        PressOnLine(form, -1, key, Qt::ControlModifier);
        const Lines after = form.Document().Lines().ToVector();
        const auto touched = std::mismatch(before.begin(), before.end(), after.begin(), after.end()).second;
        return Find<QAbstractItemView>(&form, "ListBox1")->currentIndex().row() ==
               std::min(touched - after.begin(), static_cast<std::ptrdiff_t>(after.size()) - 1);
    };
    for (std::size_t at = logs.size() - 1; at-- > 0;) {
        QVERIFY(press(Qt::Key_Z));
        QCOMPARE(WithoutEnd(form.Document().Lines().ToVector()), logs[at]);
    }
    for (std::size_t at = 1; at < logs.size(); ++at) {
        QVERIFY(press(Qt::Key_Y));
        QCOMPARE(WithoutEnd(form.Document().Lines().ToVector()), logs[at]);
    }
    Save(desktop, form, path);
    Lines file = logs.back();
    file.emplace_back("END-OF-LOG:");
    QCOMPARE(ReadFileBytes(path), CrLfFile(file));
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestCorrections::ctrlZInAFieldTakesBackItsTypingThenTheLog_data() {
    QTest::addColumn<QString>("before"); // what happens before Ctrl+Z in the call field
    QTest::addColumn<int>("presses");
    QTest::addColumn<Lines>("contacts");
    QTest::addColumn<QString>("call"); // in the call field after
    const std::string edited =
        "QSO: 14000 PH 2026-04-05 1500 QQ1AAA        59       1 QQ9ZZZ        59      12";
    // Typed in lower case: the upper-casing leaves the field no steps of its own.
    QTest::newRow("typing") << "type" << 1 << Lines{Q1, Q2} << "";
    QTest::newRow("typing, then the add") << "type" << 2 << Lines{Q1} << "QQ3CCC";
    QTest::newRow("an empty field right after an add") << "" << 1 << Lines{Q1} << "QQ3CCC";
    QTest::newRow("after an edit") << "edit" << 1 << Lines{Q1, Q2} << "";
    QTest::newRow("after an edit, twice") << "edit" << 2 << Lines{Q1} << "QQ3CCC";
    QTest::newRow("typed in capitals and erased") << "erase" << 1 << Lines{Q1, Q2} << "Q";
}

void TestCorrections::ctrlZInAFieldTakesBackItsTypingThenTheLog() {
    QFETCH(QString, before);
    QFETCH(int, presses);
    QFETCH(Lines, contacts);
    QFETCH(QString, call);
    ScriptedDesktop desktop;
    Program program(desktop);
    TForm1& form = program.form1;
    ShowActive(&form);
    SetHeader(form);
    AddContact(form, "qq2bbb", "12");
    AddContact(form, "qq3ccc", "7");
    if (before == "edit")
        EditContact(form, First, {{"Edit4", "qq9zzz"}});
    auto* field = Find<QLineEdit>(&form, "Edit4");
    field->setFocus();
    if (before == "type")
        Type(field, "q");
    if (before == "erase") {
        QTest::keyClicks(field, "Q");
        QTest::keyClick(field, Qt::Key_Backspace);
    }
    for (int i = 0; i < presses; ++i)
        QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(Contacts(form.Document().Lines().ToVector()), contacts);
    QCOMPARE(field->text(), call);
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestCorrections::anEditIsRefusedAsAnAddIs_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("31 April") << First << "Edit2"
                              << "2026-04-31"
                              << "The date 2026-04-31 is not a date of the calendar!";
    QTest::newRow("date form") << First << "Edit2"
                               << "2026-4-05"
                               << "Incorrect date format!";
    QTest::newRow("24:00") << First << "Edit3"
                           << "24:00"
                           << "The time 24:00 is not a time of day (00:00 to 23:59)!";
    QTest::newRow("time data") << First << "Edit3"
                               << "1x:00"
                               << "Incorrect data in Time field!";
    QTest::newRow("no call") << First << "Edit4"
                             << ""
                             << "No Call set!";
    QTest::newRow("a header line") << 1 << ""
                                   << ""
                                   << "";
}

void TestCorrections::anEditIsRefusedAsAnAddIs() {
    QFETCH(int, row);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    ScriptedDesktop desktop;
    Program program(desktop);
    TForm1& form = program.form1;
    ShowActive(&form);
    SetHeader(form);
    AddContact(form, "qq2bbb", "12");
    const Lines before = form.Document().Lines().ToVector();
    if (message.isEmpty())
        desktop.Expect(
            "Cabrillo header",
            "Sorry, but you cannot change Cabrillo file header now!\nPlease use external editor like "
            "Notepad after end of program\nto make changes in Cabrillo output file.",
            Desktop::Icon::Error, Desktop::Buttons::Ok, Answer::Ok);
    else
        desktop.Expect("Error", message, Desktop::Icon::Error, Desktop::Buttons::Ok, Answer::Ok);
    if (message.isEmpty())
        PressOnLine(form, row, Qt::Key_Delete);
    else
        EditContact(form, row, {{field.toLatin1().constData(), text}});
    VERIFY_SCRIPT_PLAYED(desktop);
    QCOMPARE(form.Document().Lines(), before);
    // A refused edit leaves the dialog open on the field; Escape leaves it with nothing changed.
    QCOMPARE(Editor() != nullptr, !message.isEmpty());
    if (Editor()) {
        QCOMPARE(Editor()->focusWidget()->objectName(), field);
        QTest::keyClick(Editor(), Qt::Key_Escape);
        QVERIFY(!Editor() && form.Document().Lines() == before);
        // Opened again after the main window moved, the dialog stands over it where it is now.
        form.move(form.pos() + QPoint(120, 80));
        PressOnLine(form, row, Qt::Key_F2);
        QVERIFY(Editor());
        QVERIFY((Editor()->frameGeometry().center() - form.frameGeometry().center()).manhattanLength() <= 2);
        QTest::keyClick(Editor(), Qt::Key_Escape);
    }
}

void TestCorrections::anEditKeepsWhatItDoesNotChange_data() {
    QTest::addColumn<QString>("line");   // columns 6-13 of a contact another program wrote
    QTest::addColumn<QString>("picked"); // in the dialog, besides the new call
    QTest::addColumn<QString>("note");   // of what is kept
    QTest::addColumn<QString>("kept");   // columns 6-13 after OK
    const auto row = [](const char* tag, QString line, QString picked, QString note, QString kept) {
        QTest::newRow(tag) << line << picked << note << kept;
    };
    const QString frequency = "Frequency 14025 kHz is kept unless another band is picked.";
    const QString mode = "Mode \"RY\" is kept unless SSB or CW is picked.";
    row("14025", "14025 CW", "", frequency, "14025 CW");
    row("14025, 40M picked", "14025 CW", "40M", frequency, " 7000 CW");
    row("outside the bands", "10100 CW", "",
        "Frequency \"10100\" is outside the bands: it is kept unless a band is picked.", "10100 CW");
    row("RY", "14000 RY", "", mode, "14000 RY");
    row("RY, CW picked", "14000 RY", "CW", mode, "14000 CW");
}

void TestCorrections::anEditKeepsWhatItDoesNotChange() {
    QFETCH(QString, line);
    QFETCH(QString, picked);
    QFETCH(QString, note);
    QFETCH(QString, kept);
    ScriptedDesktop desktop;
    Program program(desktop);
    ShowActive(&program.form1);
    const QString rest = " 2026-04-05 1500 QQ1AAA        599      1 %1        599     12";
    program.form1.Document().ReplaceAll(
        {HeaderLines[0], ("QSO: " + line + rest.arg("QQ2BBB")).toStdString()});
    QList<std::pair<const char*, QString>> fields{{"Edit4", "QQ9ZZZ"}};
    if (!picked.isEmpty())
        fields.prepend({picked.endsWith('M') ? "ComboBox1" : "ComboBox2", picked});
    PressOnLine(program.form1, 1, Qt::Key_F2);
    QCOMPARE(Find<QLabel>(Editor(), "Label11")->text(), note);
    Editor()->reject();
    EditContact(program.form1, 1, fields);
    QCOMPARE(program.form1.Document().Lines()[1], ("QSO: " + kept + rest.arg("QQ9ZZZ")).toStdString());
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestCorrections::aRandomSessionMatchesAPlainModel() {
    QTemporaryDir folder;
    const QString path = folder.filePath("qq1aaa.cbr");
    ScriptedDesktop desktop;
    Program program(desktop, folder.path());
    TForm1& form = program.form1;
    ShowActive(&form);
    SetHeader(form);
    // The model: the contacts and the number sent, with every state the history can go back to.
    struct State {
        Lines contacts;
        int serial = 1;
    };
    std::vector<State> states{{}};
    std::size_t at = 0;
    const auto change = [&](State next) {
        states.resize(++at);
        states.push_back(std::move(next));
    };
    std::mt19937 random(7);
    for (int step = 0; step < 1500; ++step) {
        State now = states[at];
        const int kind = static_cast<int>(random() % 20);
        const auto pick = [&] { return static_cast<std::size_t>(random() % now.contacts.size()); };
        const auto rowOf = [&](std::size_t contact) {
            const Lines log = form.Document().Lines().ToVector();
            int seen = -1;
            for (int row = 0; row < static_cast<int>(log.size()); ++row)
                if (log[static_cast<std::size_t>(row)].starts_with("QSO:") &&
                    ++seen == static_cast<int>(contact))
                    return row;
            return -1;
        };
        if (kind < 7 || now.contacts.empty()) {
            const std::string call = "QQ" + std::to_string(step);
            // An undone add leaves its call and number in the fields.
            for (const char* field : {"Edit4", "Edit6"})
                Find<QLineEdit>(&form, field)->clear();
            AddContact(form, QString::fromStdString(call), QString::number(step % 97 + 1));
            now.contacts.push_back(zevo::ComposeQsoLine({3, true, "2026-04-05", "15:00", "QQ1AAA", "59",
                                                         std::to_string(now.serial), call, "59",
                                                         std::to_string(step % 97 + 1)}));
            ++now.serial;
            change(std::move(now));
        } else if (kind < 10) {
            const std::size_t contact = pick();
            zevo::QsoEntry entry = zevo::ReadQsoEntry(now.contacts[contact]);
            entry.callReceived = "E" + std::to_string(step);
            EditContact(form, rowOf(contact), {{"Edit4", QString::fromStdString(entry.callReceived)}});
            now.contacts[contact] = zevo::ComposeQsoLine(entry);
            change(std::move(now));
        } else if (kind < 13) {
            const std::size_t contact = pick();
            PressOnLine(form, rowOf(contact), Qt::Key_Delete);
            now.contacts.erase(now.contacts.begin() + static_cast<std::ptrdiff_t>(contact));
            change(std::move(now));
        } else if (kind < 16) {
            PressOnLine(form, -1, Qt::Key_Z, Qt::ControlModifier);
            at -= at > 0 ? 1 : 0;
        } else if (kind < 19) {
            PressOnLine(form, -1, Qt::Key_Y, Qt::ControlModifier);
            at += at + 1 < states.size() ? 1 : 0;
        } else if (step % 5 != 0) {
            Save(desktop, form, path);
        } else if (step % 3 == 0) {
            // Back to the start and forward to the end again, each log as it was.
            for (; at > 0; --at) {
                PressOnLine(form, -1, Qt::Key_Z, Qt::ControlModifier);
                QVERIFY2(Contacts(form.Document().Lines().ToVector()) == states[at - 1].contacts,
                         qPrintable(QString::number(step)));
            }
            for (; at + 1 < states.size(); ++at) {
                PressOnLine(form, -1, Qt::Key_Y, Qt::ControlModifier);
                QVERIFY2(Contacts(form.Document().Lines().ToVector()) == states[at + 1].contacts,
                         qPrintable(QString::number(step)));
            }
        } else if (QFileInfo::exists(path)) {
            // The saved log comes back as a new history, its serial after the highest sent.
            if (form.UnsavedLog())
                desktop.Answer(Answer::No);
            desktop.ChooseFile(path);
            QTest::mouseClick(Find<QPushButton>(&form, "Button6"), Qt::LeftButton);
            const Lines loaded =
                Contacts(zevo::ReadCabrilloLines(ReadFileBytes(path).toStdString()).ToVector());
            states = {{loaded, static_cast<int>(
                                   zevo::ReadLoadedLog(loaded).nextNumberSent.value_or(states[at].serial))}};
            at = 0;
        }
        QVERIFY2(Contacts(form.Document().Lines().ToVector()) == states[at].contacts,
                 qPrintable(QStringLiteral("step %1, kind %2").arg(step).arg(kind)));
        QCOMPARE(Find<QLineEdit>(&form, "Edit8")->text().toInt(), states[at].serial);
    }
    VERIFY_SCRIPT_PLAYED(desktop);
    Save(desktop, form, path);
    Lines file = HeaderLines;
    file.insert(file.end(), states[at].contacts.begin(), states[at].contacts.end());
    file.emplace_back("END-OF-LOG:");
    QCOMPARE(ReadFileBytes(path), CrLfFile(file));
    QCOMPARE(zevo::ReplayJournal(ReadFileBytes(folder.filePath("session.journal")).toStdString()).log,
             form.Document().Lines());
}

QTEST_MAIN(TestCorrections)
#include "TestCorrections.moc"
