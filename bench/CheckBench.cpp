// Checking a long saved log before sending it, against reading and splitting the same bytes with the
// program's reader: the check may cost at most three times the read. Both run in the same process, their
// repetitions interleaved at random, and the ratio of their medians is printed at the end.
//
//   ZevoCheckBench            100,000 contacts, five repetitions
//   ZevoCheckBench --smoke    a few contacts, once: fails unless the clean log gives no finding and the
//                             same log with a contact typed twice gives one (CTest runs this)
#include "CabrilloFile.h"
#include "CabrilloHeader.h"
#include "CabrilloReader.h"
#include "LogCheck.h"
#include "QsoLine.h"
#include "RatioReporter.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <map>

namespace {

const zevo::LogCheckOptions SavedEnglishLog{.saved = true, .serialsSent = true};

std::string TwoDigits(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

// A clean saved log of `count` contacts spread over the two days of the contest: every call new on its
// band, serials from 1, times rising.
std::string SavedLogBytes(int count) {
    zevo::HeaderFields header;
    header.usedCall = "QQ1AAA";
    header.category = "SO AB MIXED HP";
    std::string bytes;
    for (const std::string& line : zevo::HeaderLines(header))
        bytes.append(line).append("\r\n");
    for (int i = 0; i < count; ++i) {
        const int minute = static_cast<int>(static_cast<long long>(i) * 2 * 24 * 60 / count);
        const bool phone = i % 3 != 0;
        const zevo::QsoEntry contact{.band = i % 6,
                                     .firstMode = phone,
                                     .date = minute < 24 * 60 ? "2026-04-04" : "2026-04-05",
                                     .time = TwoDigits(minute / 60 % 24) + ":" + TwoDigits(minute % 60),
                                     .usedCall = "QQ1AAA",
                                     .reportSent = phone ? "59" : "599",
                                     .exchangeSent = std::to_string(i + 1),
                                     .callReceived = "QQ" + std::to_string(i % 10) + "B" + std::to_string(i),
                                     .reportReceived = phone ? "57" : "579",
                                     .numberReceived = std::to_string(i % 1000 + 1)};
        bytes.append(zevo::ComposeQsoLine(contact)).append("\r\n");
    }
    bytes.append(zevo::EndOfLogLine).append("\r\n");
    return bytes;
}

void ReadLog(benchmark::State& state, const std::string& bytes) {
    for (auto _ : state) {
        zevo::LineStore lines = zevo::ReadCabrilloLines(bytes);
        benchmark::DoNotOptimize(lines.size());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}

// The lines as the file holds them: the reader leaves out the end, which the check of a saved log wants.
std::vector<std::string> FileLines(const std::string& bytes) {
    std::vector<std::string> lines = zevo::ReadCabrilloLines(bytes).ToVector();
    lines.emplace_back(zevo::EndOfLogLine);
    return lines;
}

void CheckLog(benchmark::State& state, const std::string& bytes) {
    std::vector<std::string> lines = FileLines(bytes);
    std::size_t found = 0;
    for (auto _ : state) {
        const std::vector<zevo::LogFinding> findings = zevo::CheckLog(lines, SavedEnglishLog);
        found = findings.size();
        benchmark::DoNotOptimize(findings.data());
    }
    if (found != 0)
        state.SkipWithError("the clean log gave a finding");
    // A check that finds nothing in any log would measure nothing: the last contact typed twice (its
    // serial raised, so that only the dupe remains) must give one finding.
    std::string again = lines[lines.size() - 2];
    std::string serial = std::to_string(std::atoi(again.substr(48, 6).c_str()) + 1);
    again.replace(54 - serial.size(), serial.size(), serial);
    lines.insert(lines.end() - 1, again);
    if (zevo::CheckLog(lines, SavedEnglishLog).size() != 1)
        state.SkipWithError("a dupe gave no single finding");
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}

} // namespace

int main(int argc, char** argv) {
    const bool smoke = bench::TakeFlag(argc, argv, "--smoke");
    const int contacts = smoke ? 1000 : 100000;
    const int repetitions = smoke ? 1 : 5;
    bench::InitializeInterleaved(argc, argv);

    const std::string bytes = SavedLogBytes(contacts);
    for (const auto& [name, function] : {std::pair{"ReadLog", &ReadLog}, std::pair{"CheckLog", &CheckLog}})
        benchmark::RegisterBenchmark(name, function, std::cref(bytes))
            ->Repetitions(repetitions)
            ->ReportAggregatesOnly(repetitions > 1)
            ->Unit(benchmark::kMillisecond);

    bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatio("checking a saved log of " + std::to_string(contacts) +
                            " contacts / reading and splitting its bytes",
                        "CheckLog", "ReadLog", bench::Clock::Processor, 3);
    benchmark::Shutdown();
    return reporter.Failures() == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
