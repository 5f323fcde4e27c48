// The log and its call index: each kind of change, and a lookup of a call and of a fragment, on a log
// of 100,000 contacts against the same on one of 1,000; an insertion and a removal in the middle of the
// long log, in time. Each change is timed alone and taken back untimed, so the log keeps its length.
//
//   ZevoLogBench            the full runs, five repetitions
//   ZevoLogBench --smoke    a few rounds on short logs: every change must leave the log and its index
//                           as they were, and where the long log should cost what the short one does
//                           it may not take five times as long (CTest runs this)
#include "DupeCheck.h"
#include "LogDocument.h"
#include "QsoLine.h"
#include "RatioReporter.h"

#include <chrono>
#include <cstdlib>

namespace {

using bench::CallOf;
using bench::Clock;

std::string Contact(int i, int distinctCalls) {
    const int call = i % distinctCalls;
    return zevo::ComposeQsoLine({.band = i % 6,
                                 .firstMode = i % 3 != 0,
                                 .date = "2026-04-05",
                                 .time = "15:07",
                                 .usedCall = "QQ1AAA",
                                 .reportSent = "59",
                                 .exchangeSent = std::to_string(i + 1),
                                 .callReceived = CallOf(call),
                                 .reportReceived = "59",
                                 .numberReceived = "1"});
}

// A log of `contacts` QSO lines with a fifth as many distinct calls, after two header lines.
zevo::LogDocument Log(int contacts) {
    std::vector<std::string> lines{"START-OF-LOG: 2.0", "CALLSIGN: QQ1AAA"};
    for (int i = 0; i < contacts; ++i)
        lines.push_back(Contact(i, std::max(1, contacts / 5)));
    zevo::LogDocument log;
    log.ReplaceAll(std::move(lines));
    return log;
}

// Times `change` alone, then runs `back` untimed.
template <typename Change, typename Back> void Timed(benchmark::State& state, Change change, Back back) {
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        change();
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        back();
    }
}

void CheckUnchanged(benchmark::State& state, const zevo::LogDocument& log, int contacts) {
    if (log.Count() != static_cast<std::size_t>(contacts) + 2 ||
        log.Calls().Contacts() != static_cast<std::size_t>(contacts) || log.Calls().Rows(CallOf(1)).empty() ||
        log.Calls().Rows(CallOf(1)).front().row != 3)
        state.SkipWithError("the change was not taken back whole");
}

void Append(benchmark::State& state, int contacts) {
    zevo::LogDocument log = Log(contacts);
    const std::string line = Contact(7, 3);
    Timed(
        state, [&] { log.Append(line); }, [&] { log.Remove(log.Count() - 1); });
    CheckUnchanged(state, log, contacts);
}

void Replace(benchmark::State& state, int contacts) {
    zevo::LogDocument log = Log(contacts);
    const std::size_t row = log.Count() / 2;
    const std::string before(log.Line(row));
    const std::string after = Contact(7, 3);
    Timed(
        state, [&] { log.Replace(row, after); }, [&] { log.Replace(row, before); });
    CheckUnchanged(state, log, contacts);
}

void InsertInTheMiddle(benchmark::State& state, int contacts) {
    zevo::LogDocument log = Log(contacts);
    const std::size_t row = log.Count() / 2;
    const std::string line = Contact(7, 3);
    Timed(
        state, [&] { log.Insert(row, line); }, [&] { log.Remove(row); });
    CheckUnchanged(state, log, contacts);
}

void RemoveInTheMiddle(benchmark::State& state, int contacts) {
    zevo::LogDocument log = Log(contacts);
    const std::size_t row = log.Count() / 2;
    const std::string line(log.Line(row));
    Timed(
        state, [&] { log.Remove(row); }, [&] { log.Insert(row, line); });
    CheckUnchanged(state, log, contacts);
}

void LookUpCall(benchmark::State& state, int contacts) {
    const zevo::LogDocument log = Log(contacts);
    std::size_t found = 0;
    for (auto _ : state)
        found = log.Calls().Rows(CallOf(13)).size();
    if (found != 5)
        state.SkipWithError("the call was not found in each of its rows");
}

// The first twenty calls that hold a fragment of three characters, as the operator types the third.
void LookUpFragment(benchmark::State& state, int contacts) {
    const zevo::LogDocument log = Log(contacts);
    zevo::CallMatches matches;
    for (auto _ : state)
        matches = log.Calls().Containing("3B0", 20);
    if (matches.calls.size() != std::min<std::size_t>(20, matches.total) ||
        matches.calls.front() != CallOf(3))
        state.SkipWithError("the fragment did not find its first twenty calls");
}

// A longer fragment is looked for among the calls that hold its rarest piece.
void LookUpLongFragment(benchmark::State& state, int contacts) {
    const zevo::LogDocument log = Log(contacts);
    zevo::CallMatches matches;
    for (auto _ : state)
        matches = log.Calls().Containing("B0001", 20);
    if (matches.total != 10)
        state.SkipWithError("the fragment did not find its ten calls");
}

// The dupe check of a call typed key by key and taken back with Backspace: its verdict and the calls
// holding what is typed, each key in turn. Fragments of four characters or more read the calls that
// share their rarest piece, so this part grows with the log; the window's part does not.
void CheckTypedCall(benchmark::State& state, int contacts) {
    const zevo::LogDocument log = Log(contacts);
    const std::string call = CallOf(13);
    std::vector<std::string> keys;
    for (std::size_t length = 1; length <= call.size(); ++length)
        keys.push_back(call.substr(0, length));
    keys.insert(keys.end(), keys.rbegin() + 1, keys.rend());
    keys.emplace_back();
    std::size_t key = 0;
    for (auto _ : state) {
        const std::string& typed = keys[key++ % keys.size()];
        benchmark::DoNotOptimize(zevo::CheckCall(log.Calls(), log.Lines(), typed, {3, true}));
        benchmark::DoNotOptimize(zevo::CheckFragment(log.Calls(), typed, {3, true}));
    }
    const zevo::FragmentCheck check = zevo::CheckFragment(log.Calls(), "Q3B", {3, true});
    if (check.calls.empty() ||
        check.calls.size() != std::min<std::size_t>(20, check.calls.size() + check.more) ||
        zevo::CheckCall(log.Calls(), log.Lines(), call, {1, true}).kind != zevo::CallVerdict::Kind::Dupe)
        state.SkipWithError("the typed call was not checked against the log");
}

} // namespace

int main(int argc, char** argv) {
    const bool smoke = bench::TakeFlag(argc, argv, "--smoke");
    const int shortLog = smoke ? 200 : 1000;
    const int longLog = smoke ? 1000 : 100000;
    benchmark::Initialize(&argc, argv);
    const std::pair<const char*, void (*)(benchmark::State&, int)> kinds[] = {
        {"Append", Append},
        {"Replace", Replace},
        {"InsertInTheMiddle", InsertInTheMiddle},
        {"RemoveInTheMiddle", RemoveInTheMiddle},
        {"LookUpCall", LookUpCall},
        {"LookUpFragment", LookUpFragment},
        {"LookUpLongFragment", LookUpLongFragment},
        {"CheckTypedCall", CheckTypedCall}};
    for (const auto& [name, function] : kinds)
        for (const auto& [size, contacts] : {std::pair{"Short", shortLog}, std::pair{"Long", longLog}}) {
            auto* run = benchmark::RegisterBenchmark((std::string(name) + size).c_str(), function, contacts)
                            ->Repetitions(smoke ? 3 : 5)
                            ->ReportAggregatesOnly(true)
                            ->Unit(benchmark::kMicrosecond);
            // A change is timed alone; a lookup changes nothing and runs as often as the clock needs.
            // A smoke run's lookups run as often as its short time allows: a few take too little time to
            // compare.
            if (std::string_view(name).starts_with("LookUp") || std::string_view(name) == "CheckTypedCall") {
                if (!smoke)
                    run->Iterations(1000000);
            } else {
                run->UseManualTime()->Iterations(smoke ? 50 : 2000);
            }
        }
    bench::RatioReporter reporter;
    if (smoke)
        reporter.GuardGrowth(bench::SmokeGrowthLimit);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const std::string sizes = " in a log of " + std::to_string(longLog) + " / of " + std::to_string(shortLog);
    // Lookups in processor time: on a busy machine their wall-clock time mostly measures the others.
    for (const auto& [kind, clock] :
         {std::pair{"Append", Clock::Wall}, std::pair{"Replace", Clock::Wall},
          std::pair{"LookUpCall", Clock::Processor}, std::pair{"LookUpFragment", Clock::Processor}})
        reporter.PrintGrowth(std::string(kind) + sizes, std::string(kind) + "Long",
                             std::string(kind) + "Short", clock, 1.2);
    // These grow with the log for now (the matches of a short fragment, the lines after a change): the
    // smoke run keeps them working, the corrections benchmark guards the changes through the window.
    reporter.PrintRatio("LookUpLongFragment" + sizes, "LookUpLongFragmentLong", "LookUpLongFragmentShort",
                        Clock::Processor);
    reporter.PrintRatio("CheckTypedCall" + sizes, "CheckTypedCallLong", "CheckTypedCallShort",
                        Clock::Processor);
    for (const char* kind : {"InsertInTheMiddle", "RemoveInTheMiddle"})
        reporter.PrintRatio(std::string(kind) + sizes, std::string(kind) + "Long",
                            std::string(kind) + "Short", Clock::Wall);
    reporter.PrintTime("an insertion in the middle of " + std::to_string(longLog) + " lines",
                       "InsertInTheMiddleLong", 1000);
    reporter.PrintTime("a removal in the middle of " + std::to_string(longLog) + " lines",
                       "RemoveInTheMiddleLong", 1000);
    benchmark::Shutdown();
    return reporter.Failures() == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
