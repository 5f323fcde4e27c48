#pragma once

// What every benchmark program of the project shares: each measured run against a baseline in the same
// process, repetitions interleaved at random so that a slow moment of the machine does not fall on one
// side only, and the ratios of their medians printed at the end.
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstring>
#include <iostream>
#include <map>
#include <string>
#include <vector>

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

    // A goal of 0 prints the ratio for information.
    void PrintRatio(const std::string& what, const std::string& measured, const std::string& baseline,
                    Clock clock, double goal = 0) const {
        const auto m = m_times.find(measured);
        const auto b = m_times.find(baseline);
        if (m == m_times.end() || b == m_times.end()) {
            std::cout << what << ": not measured\n";
            ++m_failures;
            return;
        }
        const double measuredTime = clock == Clock::Wall ? m->second.wall : m->second.processor;
        const double baselineTime = clock == Clock::Wall ? b->second.wall : b->second.processor;
        if (baselineTime <= 0)
            return;
        std::cout << what << ": " << measuredTime / baselineTime << "x";
        if (clock == Clock::Processor)
            std::cout << " of processor time";
        if (goal > 0)
            std::cout << " (goal: within " << goal << "x)";
        std::cout << "\n";
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

// Google Benchmark's set-up, with interleaved repetitions unless the command line says otherwise.
// The arguments stay for the whole run, as those of main would.
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
