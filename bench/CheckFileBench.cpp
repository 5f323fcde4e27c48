// A call typed key by key against a log and a check file: its verdict, the log's calls holding what is
// typed and the file's calls beginning with it and holding it, each key in turn; in a log of 100,000
// contacts with a file of 75,000 calls against a log of 1,000 with a file of 1,000. And the reading of a
// 75,000-line file into its lookups, as at every start.
//
// A key costs microseconds here, where the long log's and file's lookups miss the processor's caches
// more often than the short ones' do (the log's own lookups most: they grow as LogBench's
// CheckTypedCall shows): the ratio is printed for information. The goal of a flat key, guarded in the
// smoke run, is ZevoBench's TypeCallWithCheckFile pair, the key through the window with the panel
// filled.
//
//   ZevoCheckFileBench            the full runs, five repetitions
//   ZevoCheckFileBench --smoke    smaller sizes, three repetitions: each run checks what it found
//                                 (CTest runs this)
#include "CheckFile.h"
#include "LogDocument.h"
#include "QsoLine.h"
#include "RatioReporter.h"

#include <algorithm>
#include <cstdlib>
#include <random>

namespace {

using bench::Clock;

// Calls as the bands hear them: a prefix, a digit and a suffix of one to three letters, drawn at random,
// so that the calls holding a fragment are as many as in a real file of that size.
std::vector<std::string> Calls(int count, unsigned seed) {
    static const char* const prefixes[] = {"DL", "SP", "OK", "G",  "K",  "W",  "JA", "UA", "9A", "S5", "OH",
                                           "SM", "LY", "YL", "ES", "HA", "YO", "LZ", "UR", "EA", "I",  "F",
                                           "ON", "PA", "OZ", "LA", "VE", "VK", "ZL", "PY", "LU", "N",  "EI"};
    std::mt19937 random(seed);
    std::vector<std::string> calls;
    calls.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        std::string call = prefixes[random() % std::size(prefixes)];
        call += static_cast<char>('0' + random() % 10);
        for (unsigned letters = 1 + random() % 3; letters > 0; --letters)
            call += static_cast<char>('A' + random() % 26);
        calls.push_back(std::move(call));
    }
    return calls;
}

// What is typed: a call of the file that the log does not hold.
const std::string Typed = "SP9QXZ";

std::string FileBytes(int calls) {
    std::string bytes = "!!Order,1,1\r\n# active calls\r\n" + Typed + "\r\n";
    for (const std::string& call : Calls(calls, 2))
        bytes += call + "\r\n";
    return bytes;
}

zevo::LogDocument Log(int contacts) {
    const std::vector<std::string> calls = Calls(std::max(1, contacts / 5), 1);
    std::vector<std::string> lines{"START-OF-LOG: 2.0", "CALLSIGN: QQ1AAA"};
    for (int i = 0; i < contacts; ++i)
        lines.push_back(
            zevo::ComposeQsoLine({.band = i % 6,
                                  .firstMode = i % 3 != 0,
                                  .date = "2026-04-05",
                                  .time = "15:07",
                                  .usedCall = "QQ1AAA",
                                  .reportSent = "59",
                                  .exchangeSent = std::to_string(i + 1),
                                  .callReceived = calls[static_cast<std::size_t>(i) % calls.size()],
                                  .reportReceived = "59",
                                  .numberReceived = "1"}));
    zevo::LogDocument log;
    log.ReplaceAll(std::move(lines));
    return log;
}

void Keystroke(benchmark::State& state, int contacts, int fileCalls) {
    const zevo::LogDocument log = Log(contacts);
    const zevo::CheckCalls file(zevo::ReadCheckFile(FileBytes(fileCalls)).calls);
    std::vector<std::string> keys;
    for (std::size_t length = 1; length <= Typed.size(); ++length)
        keys.push_back(Typed.substr(0, length));
    keys.insert(keys.end(), keys.rbegin() + 1, keys.rend());
    keys.emplace_back();
    std::size_t key = 0;
    for (auto _ : state) {
        const std::string& typed = keys[key++ % keys.size()];
        const zevo::CallVerdict verdict = zevo::CheckCall(log.Calls(), log.Lines(), typed, {3, true});
        benchmark::DoNotOptimize(zevo::NotInCheckFile(verdict, file, typed));
        const zevo::CheckPanelGroups groups = zevo::CheckPanelFor(log.Calls(), file, typed, {3, true});
        benchmark::DoNotOptimize(zevo::FragmentLines(groups.log, {3, true}));
    }
    const zevo::CheckPanelGroups groups = zevo::CheckPanelFor(log.Calls(), file, "SP", {3, true});
    const auto fromSp = [](const std::string& call) { return call.starts_with("SP"); };
    if (groups.starting.calls.empty() ||
        !std::all_of(groups.starting.calls.begin(), groups.starting.calls.end(), fromSp) ||
        zevo::CheckPanelFor(log.Calls(), file, Typed, {3, true}).starting.calls != std::vector{Typed})
        state.SkipWithError("the typed call was not looked for in the file");
}

void ReadFile(benchmark::State& state, int lines) {
    const std::string bytes = FileBytes(lines);
    std::size_t calls = 0;
    for (auto _ : state) {
        const zevo::CheckCalls file(zevo::ReadCheckFile(bytes).calls);
        calls = file.Size();
        benchmark::DoNotOptimize(calls);
    }
    if (calls == 0)
        state.SkipWithError("no calls were read");
}

} // namespace

int main(int argc, char** argv) {
    const bool smoke = bench::TakeFlag(argc, argv, "--smoke");
    const std::pair<int, int> longLog = smoke ? std::pair{5000, 5000} : std::pair{100000, 75000};
    const std::pair<int, int> shortLog = smoke ? std::pair{500, 500} : std::pair{1000, 1000};
    const int repetitions = smoke ? 3 : 5;
    bench::InitializeInterleaved(argc, argv);
    for (const auto& [name, sizes] :
         {std::pair{"KeystrokeShort", shortLog}, std::pair{"KeystrokeLong", longLog}}) {
        auto* run = benchmark::RegisterBenchmark(name, Keystroke, sizes.first, sizes.second)
                        ->Repetitions(repetitions)
                        ->ReportAggregatesOnly(true)
                        ->Unit(benchmark::kMicrosecond);
        if (!smoke)
            run->Iterations(200000);
    }
    benchmark::RegisterBenchmark("ReadCheckFile", ReadFile, longLog.second)
        ->Repetitions(repetitions)
        ->ReportAggregatesOnly(true)
        ->Unit(benchmark::kMicrosecond);

    bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatio("a key typed, in a log of " + std::to_string(longLog.first) +
                            " contacts with a file of " + std::to_string(longLog.second) + " calls / of " +
                            std::to_string(shortLog.first) + " with " + std::to_string(shortLog.second),
                        "KeystrokeLong", "KeystrokeShort", Clock::Processor);
    reporter.PrintTime("a key typed in the long log", "KeystrokeLong", 1000);
    reporter.PrintTime("a check file of " + std::to_string(longLog.second) + " lines read", "ReadCheckFile",
                       30000);
    benchmark::Shutdown();
    return reporter.Failures() == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
