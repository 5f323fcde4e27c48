#include "LogStatistics.h"
#include "QsoLine.h"
#include "StatisticsFeed.h"

#include <gtest/gtest.h>

namespace {

using zevo::ContactCounts;
using zevo::HourContacts;

struct Qso {
    int band; // -1: none, which leaves the line without a frequency
    bool phone;
    const char* date;
    const char* time;
    const char* call;
    int times = 1;
};

std::vector<std::string> Lines(const std::vector<Qso>& contacts) {
    std::vector<std::string> lines{"START-OF-LOG: 2.0", "CALLSIGN: QQ1AAA"};
    for (const Qso& qso : contacts)
        for (int i = 0; i < qso.times; ++i)
            lines.push_back(
                zevo::ComposeQsoLine({.band = qso.band >= 0 ? std::optional(qso.band) : std::nullopt,
                                      .firstMode = qso.phone,
                                      .date = qso.date,
                                      .time = qso.time,
                                      .usedCall = "QQ1AAA",
                                      .reportSent = "59",
                                      .exchangeSent = "1",
                                      .callReceived = qso.call,
                                      .reportReceived = "59",
                                      .numberReceived = "1"}));
    return lines;
}

struct Numbers {
    std::vector<ContactCounts> cells; // 160M SSB, 160M CW, 80M SSB ... 10M CW
    ContactCounts totals;
    double lastTenRate;
    int lastSixtyMinutes;
    int bestSixtyMinutes;
    std::vector<HourContacts> hours;

    bool operator==(const Numbers&) const = default;
};

Numbers NumbersOf(const zevo::LogStatistics& statistics) {
    Numbers numbers{{},
                    statistics.Totals(),
                    statistics.LastTenRate(),
                    statistics.LastSixtyMinutes(),
                    statistics.BestSixtyMinutes(),
                    statistics.ContactsPerHour()};
    for (int band = 0; band < zevo::BandCount; ++band)
        for (const bool phone : {true, false})
            numbers.cells.push_back(statistics.Counts(band, phone));
    return numbers;
}

TEST(LogStatistics, CountsContactsCallsDupesRatesAndHoursOfLogTime) {
    const struct {
        const char* name;
        std::vector<Qso> added;
        std::vector<Qso> removed;
        std::vector<std::pair<int, ContactCounts>> cells; // the cells that are not empty
        Numbers numbers;
    } rows[] = {
        {"empty log", {}, {}, {}, {{}, {0, 0, 0}, 0, 0, 0, {}}},
        {"a dupe in one mode, not across modes, calls in any case",
         {{3, true, "2026-04-05", "15:00", "QQ2BBB"},
          {3, true, "2026-04-05", "15:05", "qq2bbb"},
          {3, false, "2026-04-05", "15:10", "QQ2BBB"},
          {0, true, "2026-04-05", "15:20", "QQ3CCC"}},
         {},
         {{6, {2, 1, 1}}, {7, {1, 1, 0}}, {0, {1, 1, 0}}},
         {{}, {4, 2, 1}, 4 * 60 / 21., 4, 4, {{"2026-04-05", 15, {1, 0, 0, 3, 0, 0}}}}},
        {"the last ten in one minute, across midnight and a month's end",
         {{3, true, "2026-04-30", "23:59", "QQ2BBB"}, {2, false, "2026-05-01", "00:00", "QQ3CCC", 10}},
         {},
         {{6, {1, 1, 0}}, {5, {10, 1, 9}}},
         {{},
          {11, 2, 9},
          600,
          11,
          11,
          {{"2026-04-30", 23, {0, 0, 0, 1, 0, 0}}, {"2026-05-01", 0, {0, 0, 10, 0, 0, 0}}}}},
        {"the best 60 minutes across a clock hour; lines without band, date or time ignored",
         {{3, true, "2026-04-05", "15:40", "QQ2BBB", 3},
          {3, true, "2026-04-05", "16:20", "QQ3CCC", 3},
          {4, true, "2026-04-05", "17:00", "QQ4DDD"},
          {-1, true, "2026-04-05", "17:01", "QQ5EEE"},
          {4, true, "2026-02-29", "17:02", "QQ5EEE"},
          {4, true, "2026-04-05", "24:00", "QQ5EEE"}},
         {},
         {{6, {6, 2, 4}}, {8, {1, 1, 0}}},
         {{},
          {7, 3, 4},
          7 * 60 / 81.,
          4,
          6,
          {{"2026-04-05", 15, {0, 0, 0, 3, 0, 0}},
           {"2026-04-05", 16, {0, 0, 0, 3, 0, 0}},
           {"2026-04-05", 17, {0, 0, 0, 0, 1, 0}}}}},
        {"a removal undoes its addition; one of a line never added does nothing",
         {{3, true, "2026-04-05", "15:00", "QQ2BBB"}, {3, true, "2026-04-05", "16:30", "QQ2BBB"}},
         {{3, true, "2026-04-05", "16:30", "QQ2BBB"}, {3, true, "2026-04-05", "15:00", "QQ3CCC"}},
         {{6, {1, 1, 0}}},
         {{}, {1, 1, 0}, 60, 1, 1, {{"2026-04-05", 15, {0, 0, 0, 1, 0, 0}}}}},
    };
    for (const auto& row : rows) {
        zevo::LogStatistics statistics;
        for (const std::string& line : Lines(row.added))
            statistics.Add(line);
        for (const std::string& line : Lines(row.removed))
            statistics.Remove(line);
        Numbers expected = row.numbers;
        expected.cells.resize(2 * zevo::BandCount);
        for (const auto& [cell, counts] : row.cells)
            expected.cells[static_cast<std::size_t>(cell)] = counts;
        EXPECT_EQ(NumbersOf(statistics), expected) << row.name;

        // Whatever the log held, an edit and its reversal leave it as it was.
        const std::string edited = Lines({{3, false, "2026-04-05", "15:30", "QQ2BBB"}}).back();
        statistics.Add(edited);
        statistics.Remove(edited);
        EXPECT_EQ(NumbersOf(statistics), expected) << row.name;
        statistics.Clear();
        EXPECT_EQ(NumbersOf(statistics), NumbersOf(zevo::LogStatistics())) << row.name;
    }
}

TEST(LogStatistics, CountsACallOnceOnItsBandWhateverTheMode) {
    zevo::LogStatistics statistics;
    const std::vector<std::string> lines = Lines({{3, true, "2026-04-05", "15:00", "QQ2BBB", 2},
                                                  {3, false, "2026-04-05", "15:01", "QQ2BBB"},
                                                  {3, false, "2026-04-05", "15:02", "QQ3CCC"}});
    for (const std::string& line : lines)
        statistics.Add(line);
    EXPECT_EQ(statistics.Counts(3), (ContactCounts{4, 2, 1}));
    statistics.Remove(lines[2]);
    statistics.Remove(lines[3]);
    EXPECT_EQ(statistics.Counts(3), (ContactCounts{2, 2, 0}));
    EXPECT_EQ(statistics.Counts(0), ContactCounts{});
}

// A call worked more often than a small counter holds still counts once, until its last contact goes.
TEST(LogStatistics, CountsACallWorkedHundredsOfTimesUntilItsLastContactGoes) {
    zevo::LogStatistics statistics;
    const std::vector<std::string> lines =
        Lines({{3, true, "2026-04-05", "15:00", "QQ2BBB", 600}, {1, false, "2026-04-05", "15:01", "QQ2BBB"}});
    for (const std::string& line : lines)
        statistics.Add(line);
    EXPECT_EQ(statistics.Counts(3), (ContactCounts{600, 1, 599}));
    for (int removed = 1; removed <= 600; ++removed) {
        statistics.Remove(lines[2]);
        if (removed == 599 || removed == 600) {
            EXPECT_EQ(statistics.Counts(3), (ContactCounts{600 - removed, 600 - removed, 0})) << removed;
            EXPECT_EQ(statistics.Totals(), (ContactCounts{601 - removed, 1, 0})) << removed;
        }
    }
    statistics.Remove(lines[2]); // one more than was added changes nothing
    statistics.Remove(lines.back());
    EXPECT_EQ(statistics.Totals(), ContactCounts{});
}

// The feed counts only the lines a change touches, yet always agrees with a count of the whole log.
TEST(StatisticsFeed, AgreesWithTheWholeLogAfterEveryKindOfChange) {
    zevo::LogDocument log;
    log.Append(Lines({{3, true, "2026-04-05", "15:00", "QQ2BBB"}}));
    int told = 0;
    const zevo::StatisticsFeed feed(log, [&told] { ++told; });
    const std::vector<std::string> more = Lines({{2, false, "2026-04-05", "16:00", "QQ3CCC"},
                                                 {2, false, "2026-04-05", "16:05", "QQ4DDD", 3},
                                                 // A load counts its windows at once, across midnight too.
                                                 {2, false, "2026-04-05", "23:30", "QQ5EEE"},
                                                 {1, true, "2026-04-06", "00:10", "QQ6FFF"}});
    const std::function<void()> changes[] = {
        [&] { log.Append(more[2]); }, [&] { log.Insert(1, more[3]); }, [&] { log.Replace(3, more[4]); },
        [&] { log.Remove(3); },       [&] { log.ReplaceAll(more); },   [&] { log.MoveToEnd(more[4]); },
    };
    for (const auto& change : changes) {
        change();
        zevo::LogStatistics whole;
        for (const std::string_view line : log.Lines())
            whole.Add(line);
        EXPECT_EQ(NumbersOf(feed.Statistics()), NumbersOf(whole)) << told;
    }
    // The end-of-log move is a removal of each of the three copies and an append.
    EXPECT_EQ(told, 9);
}

} // namespace
