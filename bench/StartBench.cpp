// The start of the program to its shown main window against that of a bare Qt window (ZevoBareWindow,
// built beside it). Each start is a process of its own that ends as soon as its window is on the screen
// and painted; its processor time (user and system, from the kernel's account of the ended process) is
// what a start costs, its wall-clock time is shown beside it. The program starts as it does for the
// operator, with a fresh folder for its journal; the starts of both are interleaved at random.
//
//   ZevoStartBench            twenty starts of each, five repetitions
//   ZevoStartBench --smoke    one start of each: both must show their window and end (CTest runs this)
#include "ExitWhenShown.h"
#include "Program.h"
#include "RatioReporter.h"
#include "platform/QtDesktop.h"

#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

constexpr const char* ProgramFlag = "--start-program";

// The program's own start (its entry, with the journal in `journalFolder`), ended once it is shown.
int StartProgram(int argc, char** argv, const char* journalFolder) {
    QApplication application(argc, argv);
    const bench::ExitWhenShown exit(application);
    QApplication::setApplicationName(QStringLiteral("ZEVO Contest"));
    QtDesktop desktop;
    Program program(desktop, QString::fromLocal8Bit(journalFolder));
    program.form1.show();
    return QApplication::exec();
}

double Seconds(const timeval& time) {
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
}

// Runs `arguments` to its end: its processor and wall-clock seconds, or nothing when it failed.
std::optional<std::pair<double, double>> Run(std::vector<std::string> arguments) {
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    if (posix_spawn(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return std::nullopt;
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
    return std::pair{Seconds(usage.ru_utime) + Seconds(usage.ru_stime), wall.count()};
}

// Starts of `arguments`, each timed by its processor time; the wall-clock time beside it.
void Start(benchmark::State& state, const std::vector<std::string>& arguments, bool journal) {
    double wall = 0;
    for (auto _ : state) {
        std::vector<std::string> run = arguments;
        std::string folder;
        if (journal) {
            folder = (std::filesystem::temp_directory_path() / "zevo-start-XXXXXX").string();
            if (::mkdtemp(folder.data()) == nullptr)
                std::abort();
            run.push_back(folder);
        }
        const auto times = Run(run);
        if (journal)
            std::filesystem::remove_all(folder);
        if (!times) {
            state.SkipWithError("the start did not show its window and end");
            break;
        }
        state.SetIterationTime(times->first);
        wall += times->second;
    }
    state.counters["wall"] = benchmark::Counter(wall * 1e3, benchmark::Counter::kAvgIterations);
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], ProgramFlag) == 0) {
        // A start that hangs (a box nobody answers) fails instead of stopping the benchmark.
        alarm(60);
        return StartProgram(argc, argv, argv[2]);
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const bool smoke = bench::TakeFlag(argc, argv, "--smoke");
    bench::InitializeInterleaved(argc, argv);
    const std::filesystem::path self = std::filesystem::canonical("/proc/self/exe");
    const std::string bare = (self.parent_path() / "ZevoBareWindow").string();
    for (const auto& [name, arguments, journal] :
         {std::tuple{"StartProgram", std::vector<std::string>{self.string(), ProgramFlag}, true},
          std::tuple{"StartBareWindow", std::vector<std::string>{bare}, false}})
        benchmark::RegisterBenchmark(name, Start, arguments, journal)
            ->UseManualTime()
            ->Iterations(smoke ? 1 : 20)
            ->Repetitions(smoke ? 1 : 5)
            ->ReportAggregatesOnly(!smoke)
            ->Unit(benchmark::kMillisecond);
    bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatio("the program's start to its shown main window / a bare Qt window's, processor time",
                        "StartProgram", "StartBareWindow", bench::Clock::Wall, 1.2);
    benchmark::Shutdown();
    return reporter.Failures() == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
