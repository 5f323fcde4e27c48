// The statistics of a long log against those of a short one: a contact added, every number read (counts
// by band and mode, totals, the three rates, the contacts per clock hour) and the contact removed again,
// as an edit does. Both logs fill the same 24 hours of one contest, so the queries have the same hours
// and minutes to read and only the length of the log differs. The ratio of their medians is printed at
// the end.
//
//   ZevoStatsBench            100,000 contacts against 1,000, five repetitions
//   ZevoStatsBench --smoke    1,000 against 100, three times: each run checks every number against a
//                             plain count of its log, so a run that measures wrong numbers fails, and the
//                             long log may not take five times the short one (CTest runs this)
#include "LogStatistics.h"
#include "QsoLine.h"
#include "RatioReporter.h"

#include <algorithm>
#include <cstdlib>
#include <set>

namespace {

constexpr int ContestMinutes = 24 * 60;
constexpr int ContestStart = 12 * 60; // 12:00 on the first day

struct Contact {
    int band;
    bool phone;
    int minute; // since the first day's midnight
    std::string call;
};

// `count` contacts spread evenly over the contest, across its midnight; one call in ten comes again,
// some of them on the same band and mode (a dupe).
std::vector<Contact> Contacts(int count) {
    std::vector<Contact> contacts;
    const int calls = count - count / 10;
    for (int i = 0; i < count; ++i)
        contacts.push_back(Contact{i % 6, i % 3 != 0,
                                   ContestStart + static_cast<int>(std::int64_t{i} * ContestMinutes / count),
                                   "QQ" + std::to_string(i % calls)});
    return contacts;
}

std::string Line(const Contact& contact) {
    const int day = contact.minute / (24 * 60);
    const int minuteOfDay = contact.minute % (24 * 60);
    char time[8];
    std::snprintf(time, sizeof time, "%02d:%02d", minuteOfDay / 60, minuteOfDay % 60);
    return zevo::ComposeQsoLine({.band = contact.band,
                                 .firstMode = contact.phone,
                                 .date = day == 0 ? "2026-04-05" : "2026-04-06",
                                 .time = time,
                                 .usedCall = "QQ1AAA",
                                 .reportSent = "59",
                                 .exchangeSent = "1",
                                 .callReceived = contact.call,
                                 .reportReceived = "59",
                                 .numberReceived = "1"});
}

// Every number read, as a statistics window would on each change.
void ReadNumbers(const zevo::LogStatistics& statistics) {
    for (int band = 0; band < zevo::BandCount; ++band)
        for (const bool phone : {true, false})
            benchmark::DoNotOptimize(statistics.Counts(band, phone));
    benchmark::DoNotOptimize(statistics.Totals());
    benchmark::DoNotOptimize(statistics.LastTenRate());
    benchmark::DoNotOptimize(statistics.LastSixtyMinutes());
    benchmark::DoNotOptimize(statistics.BestSixtyMinutes());
    std::vector<zevo::HourContacts> hours = statistics.ContactsPerHour();
    benchmark::DoNotOptimize(hours.data());
}

// The numbers of `contacts` counted the plain way, each from the whole log.
bool NumbersAreRight(const zevo::LogStatistics& statistics, const std::vector<Contact>& contacts) {
    zevo::ContactCounts totals{static_cast<int>(contacts.size()), 0, 0};
    std::set<std::string> calls;
    for (int band = 0; band < zevo::BandCount; ++band)
        for (const bool phone : {true, false}) {
            zevo::ContactCounts cell;
            std::set<std::string> cellCalls;
            for (const Contact& contact : contacts)
                if (contact.band == band && contact.phone == phone) {
                    ++cell.contacts;
                    cellCalls.insert(contact.call);
                    calls.insert(contact.call);
                }
            cell.calls = static_cast<int>(cellCalls.size());
            cell.dupes = cell.contacts - cell.calls;
            totals.dupes += cell.dupes;
            if (statistics.Counts(band, phone) != cell)
                return false;
        }
    totals.calls = static_cast<int>(calls.size());

    std::vector<int> minutes;
    std::vector<int> hours(ContestMinutes * 2 / 60);
    for (const Contact& contact : contacts) {
        minutes.push_back(contact.minute);
        ++hours[static_cast<std::size_t>(contact.minute / 60)];
    }
    std::sort(minutes.begin(), minutes.end());
    const auto inSixtyMinutesFrom = [&minutes](int first) {
        return std::lower_bound(minutes.begin(), minutes.end(), first + 60) -
               std::lower_bound(minutes.begin(), minutes.end(), first);
    };
    long best = 0;
    for (const int minute : minutes)
        best = std::max(best, inSixtyMinutesFrom(minute));
    const std::size_t lastTen = std::min<std::size_t>(10, minutes.size());
    const double lastTenRate = minutes.empty() ? 0
                                               : static_cast<double>(lastTen) * 60 /
                                                     (minutes.back() - minutes[minutes.size() - lastTen] + 1);
    const long lastSixty = minutes.empty() ? 0 : inSixtyMinutesFrom(minutes.back() - 59);
    const auto hoursRead = statistics.ContactsPerHour();
    const auto contactsOf = [](const zevo::HourContacts& hour) {
        int sum = 0;
        for (const int bandContacts : hour.bands)
            sum += bandContacts;
        return sum;
    };
    const bool hoursRight =
        static_cast<long>(hoursRead.size()) ==
            std::count_if(hours.begin(), hours.end(), [](int n) { return n > 0; }) &&
        std::all_of(hoursRead.begin(), hoursRead.end(), [&](const zevo::HourContacts& hour) {
            const int day = hour.date == "2026-04-05" ? 0 : 1;
            return contactsOf(hour) == hours[static_cast<std::size_t>(day * 24 + hour.hour)];
        });
    return statistics.Totals() == totals && statistics.BestSixtyMinutes() == best &&
           statistics.LastSixtyMinutes() == lastSixty && statistics.LastTenRate() == lastTenRate &&
           hoursRight;
}

void AddReadAndRemove(benchmark::State& state, int count) {
    const std::vector<Contact> contacts = Contacts(count);
    zevo::LogStatistics statistics;
    for (const Contact& contact : contacts)
        statistics.Add(Line(contact));
    // New calls at times all over the contest, so that each round touches other minutes and hours.
    std::vector<std::string> added;
    for (int i = 0; i < 64; ++i)
        added.push_back(
            Line(Contact{i % 6, i % 2 == 0, ContestStart + i * 22, "QQ9NEW" + std::to_string(i)}));
    std::size_t round = 0;
    for (auto _ : state) {
        const std::string& line = added[round++ % added.size()];
        statistics.Add(line);
        ReadNumbers(statistics);
        statistics.Remove(line);
    }
    if (!NumbersAreRight(statistics, contacts))
        state.SkipWithError("the numbers are not those of the log");
}

} // namespace

using bench::Clock;
using bench::InitializeInterleaved;
using bench::RatioReporter;
using bench::TakeFlag;

int main(int argc, char** argv) {
    const bool smoke = TakeFlag(argc, argv, "--smoke");
    const int longLog = smoke ? 1000 : 100000;
    const int shortLog = smoke ? 100 : 1000;
    const int repetitions = smoke ? 3 : 5;
    InitializeInterleaved(argc, argv);
    for (const auto& [name, count] :
         {std::pair{"StatisticsOfShortLog", shortLog}, std::pair{"StatisticsOfLongLog", longLog}})
        benchmark::RegisterBenchmark(name, AddReadAndRemove, count)
            ->Repetitions(repetitions)
            ->ReportAggregatesOnly(repetitions > 1)
            ->Unit(benchmark::kMicrosecond);

    RatioReporter reporter;
    if (smoke)
        reporter.GuardGrowth(bench::SmokeGrowthLimit);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintGrowth("a contact added, every number read and the contact removed, in a log of " +
                             std::to_string(longLog) + " contacts / of " + std::to_string(shortLog),
                         "StatisticsOfLongLog", "StatisticsOfShortLog", Clock::Processor, 1.2);
    benchmark::Shutdown();
    return reporter.Failures() == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
