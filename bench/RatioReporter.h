#pragma once

// What the benchmarks share: the calls of their logs, the reporter that prints the ratio of two benchmarks
// run in the same process, and the reading of the program's own flags.
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstring>
#include <iostream>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace bench {

// Which time a ratio compares. A save waits for the disk, so its wall-clock time counts. Adding a
// contact waits for nothing: its processor time is its cost, while on a busy shared machine its
// wall-clock time mostly measures the other programs.
enum class Clock { Wall, Processor };

// Shows the runs as usual and keeps the median times of each benchmark (or its only times) for the
// ratios: one slow round on a shared machine does not move a median.
class RatioReporter final : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            const std::string name = run.run_name.function_name;
            if (run.error_occurred)
                ++m_failures;
            const Times times{run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                m_times[name] = times;
            else if (run.run_type == Run::RT_Iteration)
                m_times.emplace(name, times);
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // A goal of 0 prints the ratio for information. The baseline may be the sum of several benchmarks:
    // the work the measured one does in one go, done by parts.
    std::optional<double> PrintRatio(const std::string& what, const std::string& measured,
                                     const std::vector<std::string>& baseline, Clock clock,
                                     double goal = 0) const {
        const auto m = m_times.find(measured);
        double baselineTime = 0;
        bool found = m != m_times.end();
        for (const std::string& part : baseline) {
            const auto b = m_times.find(part);
            found = found && b != m_times.end();
            if (b != m_times.end())
                baselineTime += clock == Clock::Wall ? b->second.wall : b->second.processor;
        }
        if (!found) {
            std::cout << what << ": not measured\n";
            ++m_failures;
            return std::nullopt;
        }
        const double measuredTime = clock == Clock::Wall ? m->second.wall : m->second.processor;
        if (baselineTime <= 0)
            return std::nullopt;
        const double ratio = measuredTime / baselineTime;
        std::cout << what << ": " << ratio << "x";
        if (clock == Clock::Processor)
            std::cout << " of processor time";
        if (goal > 0)
            std::cout << " (goal: within " << goal << "x)";
        std::cout << "\n";
        return ratio;
    }
    std::optional<double> PrintRatio(const std::string& what, const std::string& measured,
                                     const std::string& baseline, Clock clock, double goal = 0) const {
        return PrintRatio(what, measured, std::vector{baseline}, clock, goal);
    }

    // From here on a long log against a short one fails when its ratio passes `limit`: far beyond any
    // goal, so that only a path that grows with the log (worst, with its square) trips it, never a
    // slow moment of the machine. The smoke runs set it: a build that makes a change cost the whole log
    // fails there, before anyone measures it.
    void GuardGrowth(double limit) { m_growthLimit = limit; }

    // The ratio of the same work in a long log and in a short one.
    void PrintGrowth(const std::string& what, const std::string& longLog, const std::string& shortLog,
                     Clock clock, double goal = 0) const {
        const std::optional<double> ratio = PrintRatio(what, longLog, shortLog, clock, goal);
        if (ratio && m_growthLimit > 0 && *ratio > m_growthLimit) {
            std::cout << "  FAILED: " << longLog << " takes " << *ratio << " times " << shortLog
                      << ", over the limit of " << m_growthLimit << "x: the work grows with the log\n";
            ++m_failures;
        }
    }

    // The time of one benchmark in microseconds, against a goal.
    void PrintTime(const std::string& what, const std::string& measured, double goalMicroseconds) const {
        const auto m = m_times.find(measured);
        if (m == m_times.end()) {
            std::cout << what << ": not measured\n";
            ++m_failures;
            return;
        }
        std::cout << what << ": " << m->second.wall << " us (goal: under " << goalMicroseconds << " us)\n";
    }

    // Benchmarks that failed their own check or gave no time for a ratio.
    int Failures() const { return m_failures; }

private:
    struct Times {
        double wall;
        double processor;
    };
    std::map<std::string, Times> m_times;
    mutable int m_failures = 0;
    double m_growthLimit = 0;
};

inline bool TakeFlag(int& argc, char** argv, const char* flag) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], flag) == 0) {
            std::copy(argv + i + 1, argv + argc, argv + i);
            --argc;
            return true;
        }
    return false;
}

// Calls of one length, Q3B00013 for the 13th: a fragment of a call matches as many calls in a short
// log as in a long one, so a lookup in either does the same work.
inline std::string CallOf(int call) {
    const std::string number = std::to_string(call);
    return "Q" + std::to_string(call % 10) + "B" +
           std::string(5 - std::min<std::size_t>(5, number.size()), '0') + number;
}

// The limit of a long log's time against a short one's in the smoke runs.
inline constexpr double SmokeGrowthLimit = 5;

// Interleaved repetitions unless the command line says otherwise.
inline void InitializeInterleaved(int argc, char** argv) {
    static std::vector<char*> arguments;
    arguments.assign(argv, argv + argc);
    static std::string interleave = "--benchmark_enable_random_interleaving=true";
    if (std::none_of(argv, argv + argc, [](const char* argument) {
            return std::strstr(argument, "--benchmark_enable_random_interleaving") == argument;
        }))
        arguments.push_back(interleave.data());
    int count = static_cast<int>(arguments.size());
    benchmark::Initialize(&count, arguments.data());
}

} // namespace bench
