// Correcting a contact as the operator does it in the main window (the edit dialog's OK, Delete on the
// list, Ctrl+Z and Ctrl+Y through their actions, each with the list's work after it), at row 50,000
// of 100,000 against row 500 of 1,000. Each is timed in processor time and taken back untimed.
//
//   ZevoCorrectionsBench            the full runs, five repetitions
//   ZevoCorrectionsBench --smoke    a few rounds on short logs: each correction must leave the log as
//                                   it was, and the long log may not take five times the short one
//                                   (CTest runs this)
#include "Program.h"
#include "QsoLine.h"
#include "QuietDesktop.h"
#include "RatioReporter.h"
#include "entry/EditContact.h"
#include "platform/Desktop.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <ctime>

namespace {

double ProcessorSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

enum class Correction { Edit, Delete, Undo, Redo };

// A shown main window with a log of `contacts`, the contact in its middle corrected each round.
void Correct(benchmark::State& state, int contacts, Correction correction) {
    bench::QuietDesktop desktop;
    desktop.answer = Desktop::Answer::Ok;
    Program program(desktop);
    TForm1& form = program.form1;
    form.SetHeaderSet(true);
    std::vector<std::string> log{"START-OF-LOG: 2.0"};
    for (int i = 0; i < contacts; ++i)
        log.push_back(zevo::ComposeQsoLine({3, true, "2026-04-05", "15:07", "QQ1AAA", "59",
                                            std::to_string(i + 1), "QQ" + std::to_string(i), "59", "1"}));
    form.Document().ReplaceAll(log);
    form.show();
    QApplication::processEvents();
    const int row = contacts / 2;
    auto* list = form.findChild<QAbstractItemView*>(QStringLiteral("ListBox1"));
    const auto action = [&](const char* name) {
        form.findChild<QAction*>(QLatin1String(name))->trigger();
        QApplication::processEvents();
    };
    const auto edit = [&] {
        list->setCurrentIndex(form.LogList().index(row));
        action("ActionEditContact");
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* editor = qobject_cast<TEditContact*>(window); editor && editor->isVisible()) {
                editor->findChild<QLineEdit*>(QStringLiteral("Edit4"))->setText(QStringLiteral("QQ9ZZZ"));
                editor->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
            }
        QApplication::processEvents();
    };
    const auto remove = [&] {
        list->setCurrentIndex(form.LogList().index(row));
        action("ActionDeleteContact");
    };
    for (auto _ : state) {
        double start = ProcessorSeconds();
        if (correction == Correction::Edit)
            edit();
        else
            remove();
        if (correction == Correction::Undo || correction == Correction::Redo) {
            start = ProcessorSeconds();
            action("ActionUndo");
            if (correction == Correction::Redo) {
                start = ProcessorSeconds();
                action("ActionRedo");
            }
        }
        state.SetIterationTime(ProcessorSeconds() - start);
        if (correction != Correction::Undo)
            action("ActionUndo");
    }
    if (form.Document().Lines() != log)
        state.SkipWithError("the correction was not taken back whole");
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const bool smoke = bench::TakeFlag(argc, argv, "--smoke");
    QApplication application(argc, argv);
    bench::InitializeInterleaved(argc, argv);
    const int shortLog = smoke ? 100 : 1000;
    const int longLog = smoke ? 1000 : 100000;
    const std::pair<const char*, Correction> corrections[] = {{"Edit", Correction::Edit},
                                                              {"Delete", Correction::Delete},
                                                              {"Undo", Correction::Undo},
                                                              {"Redo", Correction::Redo}};
    for (const auto& [name, correction] : corrections)
        for (const auto& [size, contacts] : {std::pair{"Short", shortLog}, std::pair{"Long", longLog}})
            benchmark::RegisterBenchmark((std::string(name) + size).c_str(), Correct, contacts, correction)
                ->UseManualTime()
                ->Iterations(smoke ? 2 : 200)
                ->Repetitions(smoke ? 3 : 5)
                ->ReportAggregatesOnly(true)
                ->Unit(benchmark::kMicrosecond);
    bench::RatioReporter reporter;
    if (smoke)
        reporter.GuardGrowth(bench::SmokeGrowthLimit);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (const auto& [name, correction] : corrections)
        reporter.PrintGrowth(std::string(name) + " at row " + std::to_string(longLog / 2) + " of " +
                                 std::to_string(longLog) + " / at row " + std::to_string(shortLog / 2) +
                                 " of " + std::to_string(shortLog) + ", processor time",
                             std::string(name) + "Long", std::string(name) + "Short", bench::Clock::Wall,
                             1.2);
    benchmark::Shutdown();
    return reporter.Failures() == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
