// Saving a long log against a plain write of the same bytes, exporting it as ADIF against composing the
// same records and writing them plainly, adding a contact to a long log (and to one of a million lines)
// against an empty one, reading a long log against a plain read and split, loading it into the main
// window (which keeps its journal) against the read alone, adding a contact with the session journal
// against the same add without it plus appending the journal's bytes to a file with fdatasync, and the
// statistics window brought up to date after a contact added to a long log against a short one. Each
// pair runs in the same process, the repetitions of all of them interleaved at random so that a slow
// moment of the machine does not fall on one side only; the ratios of their medians are printed at the
// end, after the peak memory of a load, journal included, against the file's size.
//
//   ZevoBench            the full runs: 100,000 contacts (1,000,000 for the add too), five repetitions
//   ZevoBench --smoke    a few contacts, three times: every benchmark checks what it wrote or added, so
//                        a run that measures the wrong work fails, and no long log may take five times
//                        the short one (CTest runs this)
#include "Adif.h"
#include "CabrilloFile.h"
#include "CabrilloReader.h"
#include "Journal.h"
#include "LogLines.h"
#include "Program.h"
#include "QsoLine.h"
#include "QuietDesktop.h"
#include "RatioReporter.h"
#include "checkfile/CheckFileCommands.h"
#include "platform/Desktop.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sys/resource.h>
#include <unistd.h>

namespace {

using bench::Clock;
using bench::InitializeInterleaved;
using bench::QuietDesktop;
using bench::RatioReporter;
using bench::TakeFlag;

struct Sizes {
    int contacts;     // in the long log
    int hugeContacts; // in the longest log a contact is added to
    int addRounds;    // contacts added per repetition; each makes the log one line longer
    int repetitions;  //
};

zevo::QsoEntry Contact(int i) {
    return zevo::QsoEntry{.band = i % 6,
                          .firstMode = i % 3 != 0,
                          .date = "2026-04-05",
                          .time = "15:07",
                          .usedCall = "QQ1AAA",
                          .reportSent = "59",
                          .exchangeSent = std::to_string(i + 1),
                          .callReceived = "QQ" + std::to_string(i % 10) + "B" + std::to_string(i),
                          .reportReceived = i % 3 != 0 ? "59" : "599",
                          .numberReceived = std::to_string(i % 1000 + 1)};
}

std::vector<zevo::QsoEntry> Contacts(int count) {
    std::vector<zevo::QsoEntry> contacts;
    contacts.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        contacts.push_back(Contact(i));
    return contacts;
}

std::vector<std::string> ComposedLog(const std::vector<zevo::QsoEntry>& contacts) {
    std::vector<std::string> log{"START-OF-LOG: 2.0", "CALLSIGN: QQ1AAA"};
    log.reserve(contacts.size() + 3);
    for (const zevo::QsoEntry& contact : contacts)
        log.push_back(zevo::ComposeQsoLine(contact));
    return log;
}

// A folder for the files written, in the system's temporary folder, gone at the end.
class BenchFolder {
public:
    BenchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "zevo-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            std::abort();
        m_path = pattern;
    }
    ~BenchFolder() { std::filesystem::remove_all(m_path); }
    std::string File(const char* name) const { return (m_path / name).string(); }
    QString Path() const { return QString::fromStdString(m_path.string()); }

private:
    std::filesystem::path m_path;
};

std::string ReadAll(const std::string& path) {
    std::string bytes;
    if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
        char chunk[65536];
        for (std::size_t count; (count = std::fread(chunk, 1, sizeof chunk, file)) > 0;)
            bytes.append(chunk, count);
        std::fclose(file);
    }
    return bytes;
}

// Each save and its baseline must have written the same, complete log: a ratio of different work
// means nothing.
void CheckSaved(benchmark::State& state, const std::string& path,
                const std::vector<zevo::QsoEntry>& contacts) {
    std::string expected;
    for (const std::string& line : ComposedLog(contacts))
        expected += line + "\r\n";
    expected += std::string(zevo::EndOfLogLine) + "\r\n";
    if (ReadAll(path) != expected)
        state.SkipWithError("the file written is not the log");
}

// Every line composed into the log list, then the list saved.
void ComposeAndSaveLongLog(benchmark::State& state, const std::vector<zevo::QsoEntry>& contacts) {
    const BenchFolder folder;
    const std::string path = folder.File("long.cbr");
    for (auto _ : state)
        zevo::WriteCabrilloFile(path, ComposedLog(contacts));
    CheckSaved(state, path, contacts);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(std::filesystem::file_size(path)));
}

// The save as the program runs it: the lines were composed one by one as the contacts were added to the
// log's lines, so "Save Cabrillo file" only writes those.
void SaveLongLog(benchmark::State& state, const std::vector<zevo::QsoEntry>& contacts) {
    const BenchFolder folder;
    const std::string path = folder.File("long.cbr");
    zevo::LineStore log;
    for (const std::string& line : ComposedLog(contacts))
        log.push_back(line);
    for (auto _ : state)
        zevo::WriteCabrilloFile(path, log);
    CheckSaved(state, path, contacts);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(std::filesystem::file_size(path)));
}

// The plain way to do what the program's safe writer does: the bytes, ready beforehand, go into a fresh
// file in one write; the file is flushed to the disk, renamed over the target (the previous round's
// file) and the folder flushed.
void PlainReplace(const std::string& target, const std::string& bytes) {
    static int round = 0;
    const std::string fresh = target + ".new" + std::to_string(++round);
    const int fd = ::open(fresh.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()) ||
        ::fsync(fd) != 0 || ::close(fd) != 0 || ::rename(fresh.c_str(), target.c_str()) != 0)
        std::abort();
    const int folder =
        ::open(std::filesystem::path(target).parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ::fsync(folder);
    ::close(folder);
}

std::string CrLfBytes(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines)
        bytes.append(line).append("\r\n");
    return bytes;
}

// The bytes of the saved log, written the plain way.
void PlainWriteLongLog(benchmark::State& state, const std::vector<zevo::QsoEntry>& contacts) {
    const BenchFolder folder;
    const std::string path = folder.File("plain.cbr");
    std::vector<std::string> log = ComposedLog(contacts);
    log.emplace_back(zevo::EndOfLogLine);
    const std::string bytes = CrLfBytes(log);
    for (auto _ : state)
        PlainReplace(path, bytes);
    CheckSaved(state, path, contacts);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}

const zevo::AdifRecordExtras ExportExtras{"ZEVO Contest 2026", "QQ1AAA", true};

// What the export of the contacts holds: the header lines, then a record for each contact line.
std::string AdifBytes(const std::vector<zevo::QsoEntry>& contacts) {
    std::vector<std::string> lines = zevo::AdifHeaderLines();
    for (const std::string& line : ComposedLog(contacts))
        if (auto record =
                zevo::ComposeAdifRecord(line, ExportExtras.comment, ExportExtras.operatorCall, true))
            lines.push_back(std::move(*record));
    return CrLfBytes(lines);
}

// "Save" of the export dialog: every line of the log list read by its columns into a record.
void ExportLongLog(benchmark::State& state, const std::vector<zevo::QsoEntry>& contacts) {
    const BenchFolder folder;
    const std::string path = folder.File("long.adi");
    const std::vector<std::string> log = ComposedLog(contacts);
    for (auto _ : state)
        zevo::WriteAdifFile(path, log, ExportExtras);
    if (ReadAll(path) != AdifBytes(contacts))
        state.SkipWithError("the file written is not the export");
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(std::filesystem::file_size(path)));
}

// The records of the export composed from the log list by the program's composer, one string each, and
// their bytes written the plain way: the work of an export done by parts.
void ComposeAndPlainWriteAdif(benchmark::State& state, const std::vector<zevo::QsoEntry>& contacts) {
    const BenchFolder folder;
    const std::string path = folder.File("plain.adi");
    const std::vector<std::string> log = ComposedLog(contacts);
    for (auto _ : state) {
        std::string bytes;
        for (const std::string& line : zevo::AdifHeaderLines())
            bytes.append(line).append("\r\n");
        for (const std::string& line : log)
            if (auto record =
                    zevo::ComposeAdifRecord(line, ExportExtras.comment, ExportExtras.operatorCall, true))
                bytes.append(*record).append("\r\n");
        PlainReplace(path, bytes);
    }
    if (ReadAll(path) != AdifBytes(contacts))
        state.SkipWithError("the file written is not the export");
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(std::filesystem::file_size(path)));
}

// The bytes of the export, composed beforehand, written the plain way.
void PlainWriteAdif(benchmark::State& state, const std::vector<zevo::QsoEntry>& contacts) {
    const BenchFolder folder;
    const std::string path = folder.File("plain.adi");
    const std::string bytes = AdifBytes(contacts);
    for (auto _ : state)
        PlainReplace(path, bytes);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}

zevo::SessionState UnsavedSession() {
    zevo::SessionState session;
    session.usedCall = "QQ1AAA";
    session.usedCallReadOnly = true;
    session.headerSet = true;
    session.unsavedLog = true;
    session.band = 3;
    session.mode = 0;
    session.modeText = "SSB";
    session.date = "2026-04-05";
    session.time = "15:07";
    session.numberSent = "1";
    session.autoIncrement = true;
    session.reportSent = session.reportReceived = "59";
    return session;
}

// "Add to file" pressed on a shown main window whose log already holds `lines` lines; the list view's
// work after the press (layout, painting) is part of it. With the journal, the log comes from a
// journal that holds it, as after a crash, and every contact goes on into that journal.
void AddContact(benchmark::State& state, int lines, bool journal) {
    QuietDesktop desktop;
    const BenchFolder folder;
    if (journal)
        zevo::Journal(folder.File("session.journal"))
            .Record(UnsavedSession(), zevo::LogChange::ReplaceAll, ComposedLog(Contacts(lines)));
    Program program(desktop, journal ? folder.Path() : QString());
    TForm1& form = program.form1;
    if (!journal) {
        form.SetHeaderSet(true);
        form.findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(QStringLiteral("QQ1AAA"));
        form.Document().Append(ComposedLog(Contacts(lines)));
    }
    if (form.LogList().Count() < lines)
        std::abort();
    form.show();
    QApplication::processEvents();
    auto* call = form.findChild<QLineEdit*>(QStringLiteral("Edit4"));
    auto* number = form.findChild<QLineEdit*>(QStringLiteral("Edit6"));
    auto* add = form.findChild<QPushButton*>(QStringLiteral("Button4"));
    for (auto _ : state) {
        call->setText(QStringLiteral("QQ2BBB"));
        number->setText(QStringLiteral("12"));
        add->click();
        QApplication::processEvents();
    }
    // The two header lines, the long log and one line for each contact added.
    if (form.Document().Lines().size() !=
        static_cast<std::size_t>(lines) + 2 + static_cast<std::size_t>(state.iterations()))
        state.SkipWithError("\"Add to file\" did not add a line each time");
}

// The record of one contact as the journal writes it: the contact's line and the state after it.
std::string ContactRecord() {
    return zevo::JournalRecord(UnsavedSession(), zevo::LogChange::Append,
                               std::vector<std::string>{ComposedLog(Contacts(1)).back()});
}

// The plain baseline: the same bytes appended to a file and flushed with fdatasync.
void AppendAndDataSync(benchmark::State& state) {
    const BenchFolder folder;
    const std::string record = ContactRecord();
    const int fd = ::open(folder.File("plain").c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    if (fd < 0)
        std::abort();
    for (auto _ : state) {
        if (::write(fd, record.data(), record.size()) != static_cast<ssize_t>(record.size()) ||
            ::fdatasync(fd) != 0)
            std::abort();
    }
    ::close(fd);
}

// The journal alone, holding a long log: a contact's record after it.
void JournalRecordAfterLongLog(benchmark::State& state, int lines) {
    const BenchFolder folder;
    zevo::Journal journal(folder.File("session.journal"));
    const zevo::SessionState session = UnsavedSession();
    journal.Record(session, zevo::LogChange::ReplaceAll, ComposedLog(Contacts(lines)));
    const std::vector<std::string> contact{ComposedLog(Contacts(1)).back()};
    for (auto _ : state)
        journal.Record(session, zevo::LogChange::Append, contact);
}

// A saved log of `contacts` contacts, written line by line so that no copy of it stays in memory.
void WriteSavedLog(const std::string& path, int contacts) {
    zevo::AtomicTextFile file(path);
    for (const char* line : {"START-OF-LOG: 2.0", "CALLSIGN: QQ1AAA"})
        file.WriteLine(line);
    for (int i = 0; i < contacts; ++i)
        file.WriteLine(zevo::ComposeQsoLine(Contact(i)));
    file.WriteLine(zevo::EndOfLogLine);
    file.Commit();
}

// The file read and split into the log's lines by the program's reader.
void ReadLongLog(benchmark::State& state, const std::string& path) {
    for (auto _ : state) {
        zevo::LineStore lines =
            zevo::ReadCabrilloLines(zevo::ReadFileBytes(path, zevo::MaxCabrilloFileSize).value());
        benchmark::DoNotOptimize(lines.size());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(std::filesystem::file_size(path)));
}

// The same file read whole with a stream and split at LF with a plain loop.
void PlainReadLongLog(benchmark::State& state, const std::string& path) {
    for (auto _ : state) {
        std::ifstream in(path, std::ios::binary);
        std::string bytes(std::filesystem::file_size(path), '\0');
        in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        std::vector<std::string> lines;
        for (std::size_t begin = 0; begin < bytes.size();) {
            std::size_t end = bytes.find('\n', begin);
            if (end == std::string::npos)
                end = bytes.size();
            const std::size_t stop = end > begin && bytes[end - 1] == '\r' ? end - 1 : end;
            lines.emplace_back(bytes, begin, stop - begin);
            begin = end + 1;
        }
        benchmark::DoNotOptimize(lines.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(std::filesystem::file_size(path)));
}

// "Load Cabrillo file" pressed on a shown main window that keeps its journal, as the program does, the
// list's work after it (layout, painting) and the journal's record of the loaded log included.
void LoadLongLogIntoWindow(benchmark::State& state, const std::string& path) {
    QuietDesktop desktop;
    desktop.openPath = QString::fromStdString(path);
    const BenchFolder journal;
    Program program(desktop, journal.Path());
    program.form1.show();
    QApplication::processEvents();
    auto* load = program.form1.findChild<QPushButton*>(QStringLiteral("Button6"));
    for (auto _ : state) {
        load->click();
        QApplication::processEvents();
    }
    if (program.form1.LogList().Count() < 2)
        state.SkipWithError("nothing was loaded");
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(std::filesystem::file_size(path)));
}

// `count` contacts spread evenly over 24 hours from 12:00, so that a long log and a short one fill the
// same clock hours and the statistics have the same hours and minutes to show.
std::vector<zevo::QsoEntry> ContactsOverADay(int count) {
    std::vector<zevo::QsoEntry> contacts = Contacts(count);
    for (int i = 0; i < count; ++i) {
        const int minute = 12 * 60 + static_cast<int>(std::int64_t{i} * 24 * 60 / count);
        char time[8];
        std::snprintf(time, sizeof time, "%02d:%02d", minute / 60 % 24, minute % 60);
        contacts[static_cast<std::size_t>(i)].date = minute < 24 * 60 ? "2026-04-05" : "2026-04-06";
        contacts[static_cast<std::size_t>(i)].time = time;
    }
    return contacts;
}

// A contact added to the log of a shown statistics window, and one pass of the event loop, after which
// the window must show it. New calls at times all over the day, so that each round changes other bars.
// The main window stays hidden, so that only the statistics window's work is measured beside the log's.
void StatisticsAfterAdd(benchmark::State& state, int contacts) {
    QuietDesktop desktop;
    Program program(desktop);
    zevo::LogDocument& log = program.form1.Document();
    log.Append(ComposedLog(ContactsOverADay(contacts)));
    std::vector<std::string> added;
    for (int i = 0; i < 64; ++i) {
        zevo::QsoEntry contact = ContactsOverADay(64)[static_cast<std::size_t>(i)];
        contact.callReceived = "QQ9NEW" + std::to_string(i);
        added.push_back(zevo::ComposeQsoLine(contact));
    }
    program.Statistics().Present();
    QApplication::processEvents();
    const auto* table = program.Statistics().findChild<QTableWidget*>(QStringLiteral("BandTable"));
    const auto shown = [table](int column) { return table->item(zevo::BandCount, column)->text().toInt(); };
    bool current = true;
    int round = 0;
    for (auto _ : state) {
        log.Append(added[static_cast<std::size_t>(round++) % added.size()]);
        QApplication::processEvents();
        current = current && shown(0) + shown(1) == contacts + round;
    }
    if (!current)
        state.SkipWithError("the window did not show the contact after one pass of the event loop");
}

// `contacts` contacts of a fifth as many calls, each call on five bands and modes.
std::vector<std::string> CheckedLog(int contacts) {
    std::vector<std::string> log{"START-OF-LOG: 2.0", "CALLSIGN: QQ1AAA"};
    for (int i = 0; i < contacts; ++i) {
        zevo::QsoEntry contact = Contact(i);
        contact.callReceived = bench::CallOf(i % (contacts / 5));
        log.push_back(zevo::ComposeQsoLine(contact));
    }
    return log;
}

// Keys pressed in the call field with the check panel open: a call of the log typed character by
// character, then taken back with Backspace; after each key the call is checked, the panel filled and
// both painted. The processor time of the whole program, as for adding a contact. With `fileCalls`,
// a check file of that many calls is loaded too (Q3C00013 beside the log's Q3B00013), so that the
// panel also lists the file's calls beginning with the first keys.
void TypeCallWithCheckPanel(benchmark::State& state, int contacts, int fileCalls) {
    QuietDesktop desktop;
    Program program(desktop);
    TForm1& form = program.form1;
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "zevo-bench-check-file";
    if (fileCalls > 0) {
        std::filesystem::create_directories(folder);
        std::ofstream file(folder / "check.scp", std::ios::binary | std::ios::trunc);
        file << "!!Order,1,1\r\n";
        for (int i = 0; i < fileCalls; ++i)
            file << bench::CallOf(i).replace(2, 1, "C") << "\r\n";
        file.close();
        form.CheckFile().UseFolder(QString::fromStdString(folder.string()));
        std::filesystem::remove_all(folder);
    }
    form.Document().Append(CheckedLog(contacts));
    form.show();
    form.findChild<QAction*>(QStringLiteral("ActionCheckPanel"))->setChecked(true);
    QApplication::processEvents();
    auto* call = form.findChild<QLineEdit*>(QStringLiteral("Edit4"));
    const QString typed = QString::fromStdString(bench::CallOf(13));
    qsizetype key = 0;
    for (auto _ : state) {
        const qsizetype at = key++ % (typed.size() * 2);
        const QChar character = at < typed.size() ? typed[at] : QChar();
        QKeyEvent press(QEvent::KeyPress,
                        character.isNull() ? int(Qt::Key_Backspace) : int(character.unicode()),
                        Qt::NoModifier, character.isNull() ? QString() : QString(character));
        QApplication::sendEvent(call, &press);
        QApplication::processEvents();
    }
    // The work measured is the whole check: the call's verdict, and the panel's twenty calls and the rest.
    const auto* panel = form.findChild<QListWidget*>(QStringLiteral("CheckList"));
    const auto* status = form.findChild<QLabel*>(QStringLiteral("DupeStatus"));
    call->setText(typed.left(2));
    const bool fragmentShown = panel->count() >= 20 && status->text() == QStringLiteral("New");
    call->setText(typed);
    // A file adds the headings of the three groups.
    const int wholeCallLines = fileCalls > 0 ? 4 : 1;
    if (!fragmentShown || panel->count() != wholeCallLines ||
        !status->text().startsWith(QStringLiteral("Worked: ")) ||
        (fileCalls > 0 && form.CheckFile().Calls().Size() != static_cast<std::size_t>(fileCalls)))
        state.SkipWithError("the call was not checked against the log");
}

long MaxResidentKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// The growth of the process's peak memory while a saved log is loaded into a shown main window that
// keeps its journal, as the program does, against the file's size. It runs before anything else, so
// that no earlier peak hides the load's.
void PrintLoadPeakMemory(int contacts) {
    const BenchFolder folder;
    const std::string path = folder.File("peak.cbr");
    WriteSavedLog(path, contacts);
    QuietDesktop desktop;
    desktop.openPath = QString::fromStdString(path);
    const BenchFolder journal;
    Program program(desktop, journal.Path());
    program.form1.show();
    QApplication::processEvents();
    const long idle = MaxResidentKilobytes();
    program.form1.findChild<QPushButton*>(QStringLiteral("Button6"))->click();
    QApplication::processEvents();
    const double grown = static_cast<double>(MaxResidentKilobytes() - idle) * 1024;
    const auto size = static_cast<double>(std::filesystem::file_size(path));
    std::cout << "peak memory of loading " << contacts << " contacts (" << size / 1e6
              << " MB) above the idle "
              << "program, journal included / file size: " << grown / size << "x (goal: under 3x)\n";
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const bool smoke = TakeFlag(argc, argv, "--smoke");
    const Sizes sizes = smoke ? Sizes{1000, 2000, 5, 3} : Sizes{100000, 1000000, 1000, 5};
    QApplication application(argc, argv);
    InitializeInterleaved(argc, argv);
    PrintLoadPeakMemory(sizes.contacts);

    const std::vector<zevo::QsoEntry> contacts = Contacts(sizes.contacts);
    const auto repeated = [&](benchmark::internal::Benchmark* benchmark) {
        benchmark->Repetitions(sizes.repetitions)->ReportAggregatesOnly(sizes.repetitions > 1);
    };
    for (const auto& [name, function] :
         {std::pair{"SaveLongLog", &SaveLongLog}, std::pair{"ComposeAndSaveLongLog", &ComposeAndSaveLongLog},
          std::pair{"PlainWriteLongLog", &PlainWriteLongLog}, std::pair{"ExportLongLog", &ExportLongLog},
          std::pair{"ComposeAndPlainWriteAdif", &ComposeAndPlainWriteAdif},
          std::pair{"PlainWriteAdif", &PlainWriteAdif}})
        repeated(
            benchmark::RegisterBenchmark(name, function, std::cref(contacts))->Unit(benchmark::kMillisecond));
    // A fixed number of rounds: every round lengthens the log, which must stay short against the long one.
    // The processor time of the whole program: Qt may hand parts of the painting to other threads.
    for (const auto& [name, lines] :
         {std::pair{"AddContactToEmptyLog", 0}, std::pair{"AddContactToLongLog", sizes.contacts},
          std::pair{"AddContactToHugeLog", sizes.hugeContacts}})
        repeated(benchmark::RegisterBenchmark(name, AddContact, lines, false)
                     ->Iterations(sizes.addRounds)
                     ->MeasureProcessCPUTime()
                     ->Unit(benchmark::kMicrosecond));
    // The journal waits for the disk: wall time.
    // Every key of the typing and taking back of a call, the same number of rounds in both logs.
    // The short log is the least that fills the panel; the smoke run's long one ten times that.
    const int checkShortLog = 1000;
    const int checkLongLog = std::max(sizes.contacts, 10 * checkShortLog);
    // With a check file: 75,000 calls beside the long log, as many as the short log's contacts beside it.
    const int checkFileCalls = smoke ? checkLongLog : 75000;
    for (const auto& [name, lines, fileCalls] :
         {std::tuple{"TypeCallWithCheckPanelInShortLog", checkShortLog, 0},
          std::tuple{"TypeCallWithCheckPanelInLongLog", checkLongLog, 0},
          std::tuple{"TypeCallWithCheckFileInShortLog", checkShortLog, checkShortLog},
          std::tuple{"TypeCallWithCheckFileInLongLog", checkLongLog, checkFileCalls}})
        repeated(benchmark::RegisterBenchmark(name, TypeCallWithCheckPanel, lines, fileCalls)
                     ->Iterations(sizes.addRounds * 16)
                     ->MeasureProcessCPUTime()
                     ->Unit(benchmark::kMicrosecond));
    repeated(benchmark::RegisterBenchmark("AppendAndDataSync", AppendAndDataSync)
                 ->Iterations(sizes.addRounds)
                 ->Unit(benchmark::kMicrosecond));
    repeated(
        benchmark::RegisterBenchmark("JournalRecordAfterLongLog", JournalRecordAfterLongLog, sizes.contacts)
            ->Iterations(sizes.addRounds)
            ->Unit(benchmark::kMicrosecond));
    repeated(benchmark::RegisterBenchmark("AddContactToLongLogWithJournal", AddContact, sizes.contacts, true)
                 ->Iterations(sizes.addRounds)
                 ->Unit(benchmark::kMicrosecond));

    const BenchFolder folder;
    const std::string savedLog = folder.File("saved.cbr");
    WriteSavedLog(savedLog, sizes.contacts);
    repeated(
        benchmark::RegisterBenchmark("ReadLongLog", ReadLongLog, savedLog)->Unit(benchmark::kMillisecond));
    repeated(benchmark::RegisterBenchmark("PlainReadLongLog", PlainReadLongLog, savedLog)
                 ->Unit(benchmark::kMillisecond));
    repeated(benchmark::RegisterBenchmark("LoadLongLogIntoWindow", LoadLongLogIntoWindow, savedLog)
                 ->Unit(benchmark::kMillisecond));
    // A million contacts, loaded once: the time an operator waits, journal included.
    const std::string hugeLog = folder.File("huge.cbr");
    WriteSavedLog(hugeLog, sizes.hugeContacts);
    benchmark::RegisterBenchmark("LoadHugeLogIntoWindow", LoadLongLogIntoWindow, hugeLog)
        ->Iterations(1)
        ->Unit(benchmark::kMicrosecond);
    // As with the main window's add, a fixed number of rounds, each a contact more.
    const int statisticsShortLog = std::min(1000, sizes.contacts / 10);
    for (const auto& [name, count] : {std::pair{"StatisticsAfterAddToShortLog", statisticsShortLog},
                                      std::pair{"StatisticsAfterAddToLongLog", sizes.contacts}})
        repeated(benchmark::RegisterBenchmark(name, StatisticsAfterAdd, count)
                     ->Iterations(sizes.addRounds)
                     ->MeasureProcessCPUTime()
                     ->Unit(benchmark::kMicrosecond));

    RatioReporter reporter;
    if (smoke)
        reporter.GuardGrowth(bench::SmokeGrowthLimit);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const std::string contactsText = std::to_string(sizes.contacts) + " contacts";
    reporter.PrintRatio("saving the log list of " + contactsText + " / plain write of the same bytes",
                        "SaveLongLog", "PlainWriteLongLog", Clock::Wall, 1.2);
    reporter.PrintRatio("composing every line and saving " + contactsText +
                            " / plain write of the same bytes",
                        "ComposeAndSaveLongLog", "PlainWriteLongLog", Clock::Wall);
    reporter.PrintRatio("exporting " + contactsText + " as ADIF / composing its records and writing them",
                        "ExportLongLog", "ComposeAndPlainWriteAdif", Clock::Wall, 1.2);
    reporter.PrintRatio("exporting " + contactsText + " as ADIF / plain write of the same bytes",
                        "ExportLongLog", "PlainWriteAdif", Clock::Wall);
    reporter.PrintGrowth("adding a contact to a log of " + contactsText + " / to an empty log",
                         "AddContactToLongLog", "AddContactToEmptyLog", Clock::Processor, 1.1);
    reporter.PrintGrowth("adding a contact to a log of " + std::to_string(sizes.hugeContacts) +
                             " contacts / to an empty log",
                         "AddContactToHugeLog", "AddContactToEmptyLog", Clock::Processor);
    reporter.PrintGrowth("a key in the call field with the check panel open, in a log of " +
                             std::to_string(checkLongLog) + " contacts / of " + std::to_string(checkShortLog),
                         "TypeCallWithCheckPanelInLongLog", "TypeCallWithCheckPanelInShortLog",
                         Clock::Processor, 1.2);
    reporter.PrintTime("a key in the call field with the check panel open, in a log of " +
                           std::to_string(checkLongLog) + " contacts",
                       "TypeCallWithCheckPanelInLongLog", 1000);
    reporter.PrintGrowth(
        "a key in the call field with the check panel open and a check file, in a log of " +
            std::to_string(checkLongLog) + " contacts with " + std::to_string(checkFileCalls) +
            " calls / of " + std::to_string(checkShortLog) + " with " + std::to_string(checkShortLog),
        "TypeCallWithCheckFileInLongLog", "TypeCallWithCheckFileInShortLog", Clock::Processor, 1.2);
    reporter.PrintTime("a key in the call field with the check panel open and a check file, in a log of " +
                           std::to_string(checkLongLog) + " contacts",
                       "TypeCallWithCheckFileInLongLog", 1000);
    reporter.PrintRatio("adding a contact to a log of " + contactsText +
                            " with the journal / the same add without it plus appending the journal's "
                            "bytes with fdatasync",
                        "AddContactToLongLogWithJournal",
                        std::vector<std::string>{"AddContactToLongLog", "AppendAndDataSync"}, Clock::Wall,
                        1.2);
    reporter.PrintRatio("the journal's record of a contact after " + contactsText +
                            " / appending its bytes with fdatasync",
                        "JournalRecordAfterLongLog", "AppendAndDataSync", Clock::Wall);
    reporter.PrintRatio("reading a saved log of " + contactsText + " / plain read and split", "ReadLongLog",
                        "PlainReadLongLog", Clock::Processor, 1.5);
    reporter.PrintRatio("loading a saved log of " + contactsText +
                            " into the window, journal included / reading it",
                        "LoadLongLogIntoWindow", "ReadLongLog", Clock::Processor, 1.5);
    reporter.PrintTime("loading a saved log of " + std::to_string(sizes.hugeContacts) +
                           " contacts into the window, journal included",
                       "LoadHugeLogIntoWindow", 5e6);
    reporter.PrintGrowth("the statistics window current after a contact added to a log of " + contactsText +
                             " / of " + std::to_string(statisticsShortLog) + " contacts",
                         "StatisticsAfterAddToLongLog", "StatisticsAfterAddToShortLog", Clock::Processor,
                         1.2);
    benchmark::Shutdown();
    return reporter.Failures() == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
