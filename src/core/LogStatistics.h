#pragma once

#include "LogLines.h"

#include "CallIndex.h"
#include "QsoLine.h"

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zevo {

struct ContactCounts {
    int contacts = 0;
    int calls = 0; // distinct calls received
    int dupes = 0; // contacts beyond the first with the same call on the same band and mode

    bool operator==(const ContactCounts&) const = default;
};

// The contacts of one clock hour of log time, by band.
struct HourContacts {
    std::string date; // yyyy-mm-dd
    int hour = 0;     // 0 to 23: the contacts from hh:00 to hh:59
    std::array<int, BandCount> bands{};

    bool operator==(const HourContacts&) const = default;
};

// The numbers of a log, kept current line by line as the log changes: the program adds each line that
// comes and removes each line that goes (an edit is a removal and an addition), so that no update
// reads the whole log again. Every update takes a time that grows with the logarithm of the log's
// length at most.
//
// A line counts when its contact record (ReadQsoRecord) has a band, a calendar date and a time of day;
// any other line is ignored by every update. Band, mode and call are the record's, compared as the
// dupe check compares them (CallKey): a hand-edited file may hold a call in either case.
//
// All times are the log's own, from the date and time columns: the clock of the machine plays no
// part. A contact logged at 15:07 stands for the whole minute 15:07, so every span of time includes
// its first and its last minute. A window of 60 minutes is any 60 consecutive minutes, sliding by one
// minute, not the clock hours: a good run from 15:40 to 16:39 counts whole.
//
// Each distinct call has its counts by band and mode. The calls are numbered by the log's call index when
// one is shared, so that a load does not look every call up a second time; a statistics of its own
// numbers them itself.
class LogStatistics {
public:
    LogStatistics() = default;
    // `calls` indexes the same log: it holds each line before the line is added here and until it has
    // been removed here, and was built from the lines a Rebuild is given.
    explicit LogStatistics(const CallIndex& calls) : m_index(&calls) {}

    // Remove undoes exactly what the Add of the same line did. A line that no added contact matches in
    // call, band, mode, minute and hour is ignored, so that no count falls below zero.
    void Add(std::string_view line);
    void Remove(std::string_view line);
    void Clear();
    // The counts of these lines alone, in one pass: what a load needs.
    void Rebuild(LinesView lines);

    ContactCounts Counts(int band, bool phone) const;
    // A band in both modes: a call worked in SSB and in CW is one call of the band, and the dupes are
    // those of each mode added up.
    ContactCounts Counts(int band) const;
    // All bands and modes: the calls are the distinct calls of the whole log, the dupes those of each
    // band and mode added up.
    ContactCounts Totals() const;

    // Rates in contacts per hour. The ten latest contacts (all of them when fewer) over the minutes
    // from the earliest to the latest of them: ten contacts in one minute are 600 an hour, one a minute
    // for ten minutes 60. Nothing logged gives 0.
    double LastTenRate() const;
    // The contacts of the 60 minutes that end with the latest contact's minute.
    int LastSixtyMinutes() const;
    // The most contacts in any 60 minutes of the log.
    int BestSixtyMinutes() const;

    // Every clock hour that holds a contact, in the order of time.
    std::vector<HourContacts> ContactsPerHour() const;

private:
    static constexpr int CellCount = BandCount * 2; // each band in SSB and in CW

    struct Contact;
    static std::optional<Contact> ReadContact(std::string_view line);
    // The 60-minute windows follow each contact unless `windows` is false (a rebuild counts them all
    // at the end).
    // The number of `call` (as written), a new one when `add` and the statistics number calls themselves;
    // nothing for a call that has none.
    std::optional<std::uint32_t> NumberOf(std::string_view call, bool add);
    void Count(const Contact& contact, std::uint32_t number, int step, bool windows = true);
    void CountWindows(std::int64_t minute, int step);
    void CountAllWindows();
    void CountWindow(int& contacts, int step);

    // A call's contacts in each cell, a byte each: a count that a byte cannot hold is kept apart,
    // the byte at its highest value saying so.
    using CallCells = std::array<std::uint8_t, CellCount>;
    static constexpr std::uint8_t WideCount = 0xFF;
    int CallCount(std::uint32_t number, std::size_t cell) const;
    void SetCallCount(std::uint32_t number, std::size_t cell, int count);

    std::array<ContactCounts, CellCount> m_cells{};
    int m_contacts = 0;
    int m_calls = 0;
    std::array<int, BandCount> m_bandCalls{};
    const CallIndex* m_index = nullptr;
    std::unordered_map<std::string, std::uint32_t> m_ownNumbers; // without a shared index
    std::vector<CallCells> m_callCells;                          // by call number
    std::unordered_map<std::uint64_t, int> m_wideCounts;         // by call number and cell
    // Minutes and hours since 1970-01-01 00:00 of log time, so that midnight and a month's end order.
    std::map<std::int64_t, int> m_minuteContacts;
    std::map<std::int64_t, std::array<int, BandCount>> m_hourContacts;
    // The contacts of each 60-minute window by its first minute, a day's windows side by side: a
    // contact changes the 60 windows it falls in, which lie in a row (in two rows early in a day). How
    // many windows hold each number of contacts keeps the best one known as the counts move by one.
    struct DayWindows {
        std::array<int, std::size_t{24} * 60> contacts{};
        std::int64_t total = 0; // of all the day's windows: the day goes when none holds a contact
    };
    std::map<std::int64_t, DayWindows> m_dayWindows;
    std::vector<int> m_windowsWithContacts;
    int m_bestWindow = 0;
};

} // namespace zevo
