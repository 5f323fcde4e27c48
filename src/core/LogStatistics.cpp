#include "LogStatistics.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>

namespace zevo {

namespace {

constexpr std::int64_t MinutesPerHour = 60;
constexpr std::int64_t HoursPerDay = 24;
constexpr std::int64_t MinutesPerDay = HoursPerDay * MinutesPerHour;
constexpr int WindowMinutes = 60;
constexpr int LastContactsForRate = 10;

// Floor division: the hour and the day of a minute before 1970 are the ones it lies in.
std::int64_t FloorDivide(std::int64_t value, std::int64_t divisor) {
    return value / divisor - (value % divisor < 0 ? 1 : 0);
}

std::string DateOfDay(std::int64_t days) {
    const std::chrono::year_month_day date{std::chrono::sys_days(std::chrono::days(days))};
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

// Hands `visit` the windows that hold `minute`: a day's windows and the first and last of them, by
// their place in the day (two days for a minute early in a day).
template <typename Days, typename Visit>
void VisitWindowsHolding(Days& days, std::int64_t minute, Visit&& visit) {
    for (std::int64_t first = minute - WindowMinutes + 1; first <= minute;) {
        const std::int64_t day = FloorDivide(first, MinutesPerDay);
        const std::int64_t dayStart = day * MinutesPerDay;
        const std::int64_t last = std::min(minute, dayStart + MinutesPerDay - 1);
        visit(day, days[day], static_cast<std::size_t>(first - dayStart),
              static_cast<std::size_t>(last - dayStart));
        first = last + 1;
    }
}

std::size_t CellOf(std::size_t band, bool phone) {
    return band * 2 + (phone ? 0 : 1);
}

} // namespace

struct LogStatistics::Contact {
    std::size_t band;
    std::size_t cell; // the band in SSB or in CW
    std::int64_t minute;
    std::string_view call; // as written
};

std::optional<LogStatistics::Contact> LogStatistics::ReadContact(std::string_view line) {
    const std::optional<QsoRecord> record = ReadQsoRecord(line);
    if (!record || record->band < 0 || !record->day || !record->minute || record->Has(QsoRecord::NoCall))
        return std::nullopt;
    const auto band = static_cast<std::size_t>(record->band);
    return Contact{band, CellOf(band, record->phone),
                   std::int64_t{*record->day} * MinutesPerDay + *record->minute, record->callReceived};
}

std::optional<std::uint32_t> LogStatistics::NumberOf(std::string_view call, bool add) {
    std::string key = CallKey(call);
    if (m_index != nullptr)
        return m_index->NumberOf(key);
    const auto found = m_ownNumbers.find(key);
    if (found != m_ownNumbers.end())
        return found->second;
    if (!add)
        return std::nullopt;
    const auto number = static_cast<std::uint32_t>(m_ownNumbers.size());
    m_ownNumbers.emplace(std::move(key), number);
    return number;
}

void LogStatistics::Add(std::string_view line) {
    const auto contact = ReadContact(line);
    if (!contact)
        return;
    if (const auto number = NumberOf(contact->call, true))
        Count(*contact, *number, 1);
}

void LogStatistics::Remove(std::string_view line) {
    const auto contact = ReadContact(line);
    if (!contact)
        return;
    // A line that was never added must not drive a count below zero: its call in its band and mode,
    // its minute and its hour on its band must each hold a contact.
    const auto number = NumberOf(contact->call, false);
    const auto hour = m_hourContacts.find(FloorDivide(contact->minute, MinutesPerHour));
    if (!number || *number >= m_callCells.size() || CallCount(*number, contact->cell) == 0 ||
        !m_minuteContacts.contains(contact->minute) || hour == m_hourContacts.end() ||
        hour->second[contact->band] == 0)
        return;
    Count(*contact, *number, -1);
}

void LogStatistics::Clear() {
    const CallIndex* index = m_index;
    *this = LogStatistics();
    m_index = index;
}

// Adds a contact with a step of 1 and takes it away with -1, through the same path, so that a removal
// undoes its addition exactly.
void LogStatistics::Rebuild(LinesView lines) {
    Clear();
    // The index numbered every call as it was built: a call is looked up only without one.
    const std::vector<std::uint32_t> numbers =
        m_index != nullptr ? m_index->NumbersOfRows(lines.size()) : std::vector<std::uint32_t>();
    m_callCells.resize(m_index != nullptr ? m_index->NumberLimit() : 0);
    for (std::size_t row = 0; row < lines.size(); ++row) {
        const auto contact = ReadContact(lines[row]);
        if (!contact)
            continue;
        const std::optional<std::uint32_t> number =
            m_index != nullptr ? std::optional(numbers[row]) : NumberOf(contact->call, true);
        if (number && *number != CallIndex::NoCall)
            Count(*contact, *number, 1, false);
    }
    CountAllWindows();
}

void LogStatistics::Count(const Contact& contact, std::uint32_t number, int step, bool windows) {
    m_contacts += step;
    ContactCounts& cell = m_cells[contact.cell];
    cell.contacts += step;
    // A call counts once, from its first contact (in the cell, in the log) to its last one.
    const int cameOrWent = step > 0 ? 1 : 0;
    if (number >= m_callCells.size())
        m_callCells.resize(std::size_t{number} + 1);
    const int inCell = CallCount(number, contact.cell) + step;
    SetCallCount(number, contact.cell, inCell);
    if (inCell == cameOrWent)
        cell.calls += step;
    cell.dupes = cell.contacts - cell.calls;
    const CallCells& call = m_callCells[number];
    const std::size_t otherMode = contact.cell ^ 1U;
    if (inCell == cameOrWent && call[otherMode] == 0)
        m_bandCalls[contact.band] += step;
    // The call's first contact came, or its last went: no other cell holds one.
    bool alone = inCell == cameOrWent;
    for (std::size_t other = 0; other < call.size() && alone; ++other)
        alone = other == contact.cell || call[other] == 0;
    if (alone)
        m_calls += step;

    if ((m_minuteContacts[contact.minute] += step) == 0)
        m_minuteContacts.erase(contact.minute);
    const std::int64_t hour = FloorDivide(contact.minute, MinutesPerHour);
    std::array<int, BandCount>& bands = m_hourContacts[hour];
    bands[contact.band] += step;
    if (bands == std::array<int, BandCount>{})
        m_hourContacts.erase(hour);

    if (windows)
        CountWindows(contact.minute, step);
}

int LogStatistics::CallCount(std::uint32_t number, std::size_t cell) const {
    const std::uint8_t count = m_callCells[number][cell];
    return count < WideCount ? count : m_wideCounts.at(std::uint64_t{number} * CellCount + cell);
}

void LogStatistics::SetCallCount(std::uint32_t number, std::size_t cell, int count) {
    std::uint8_t& held = m_callCells[number][cell];
    const std::uint64_t key = std::uint64_t{number} * CellCount + cell;
    if (held == WideCount && count < WideCount)
        m_wideCounts.erase(key);
    if (count >= WideCount)
        m_wideCounts[key] = count;
    held = static_cast<std::uint8_t>(std::min<int>(count, WideCount));
}

// Every window from the contacts of each minute, then how many windows hold each number of contacts:
// the same counts as contacts added one by one give, in time that grows with the minutes, not with
// the windows each contact falls in.
void LogStatistics::CountAllWindows() {
    m_dayWindows.clear();
    m_windowsWithContacts.clear();
    m_bestWindow = 0;
    for (const auto& [minute, count] : m_minuteContacts) {
        VisitWindowsHolding(
            m_dayWindows, minute,
            [count = count](std::int64_t, DayWindows& windows, std::size_t first, std::size_t last) {
                for (std::size_t window = first; window <= last; ++window)
                    windows.contacts[window] += count;
                windows.total += count * static_cast<std::int64_t>(last - first + 1);
            });
    }
    for (const auto& [day, windows] : m_dayWindows) {
        for (const int contacts : windows.contacts) {
            if (contacts <= 0)
                continue;
            if (static_cast<std::size_t>(contacts) >= m_windowsWithContacts.size())
                m_windowsWithContacts.resize(static_cast<std::size_t>(contacts) + 1);
            ++m_windowsWithContacts[static_cast<std::size_t>(contacts)];
            m_bestWindow = std::max(m_bestWindow, contacts);
        }
    }
}

void LogStatistics::CountWindows(std::int64_t minute, int step) {
    VisitWindowsHolding(
        m_dayWindows, minute,
        [this, step](std::int64_t day, DayWindows& windows, std::size_t first, std::size_t last) {
            for (std::size_t window = first; window <= last; ++window)
                CountWindow(windows.contacts[window], step);
            windows.total += step * static_cast<std::int64_t>(last - first + 1);
            if (windows.total == 0)
                m_dayWindows.erase(day);
        });
}

// A window's count moves by one, so the best count can only pass the best by one, or fall by one when
// the last window that held it loses a contact.
void LogStatistics::CountWindow(int& contacts, int step) {
    const int before = contacts;
    contacts += step;
    if (before > 0)
        --m_windowsWithContacts[static_cast<std::size_t>(before)];
    if (contacts > 0) {
        if (static_cast<std::size_t>(contacts) >= m_windowsWithContacts.size())
            m_windowsWithContacts.resize(static_cast<std::size_t>(contacts) + 1);
        ++m_windowsWithContacts[static_cast<std::size_t>(contacts)];
    }
    if (contacts > m_bestWindow ||
        (before == m_bestWindow && m_windowsWithContacts[static_cast<std::size_t>(m_bestWindow)] == 0))
        m_bestWindow = contacts;
}

ContactCounts LogStatistics::Counts(int band, bool phone) const {
    if (band < 0 || band >= BandCount)
        return {};
    return m_cells[CellOf(static_cast<std::size_t>(band), phone)];
}

ContactCounts LogStatistics::Counts(int band) const {
    if (band < 0 || band >= BandCount)
        return {};
    const auto index = static_cast<std::size_t>(band);
    const ContactCounts& phone = m_cells[CellOf(index, true)];
    const ContactCounts& cw = m_cells[CellOf(index, false)];
    return {phone.contacts + cw.contacts, m_bandCalls[index], phone.dupes + cw.dupes};
}

ContactCounts LogStatistics::Totals() const {
    ContactCounts totals{m_contacts, m_calls, 0};
    for (const ContactCounts& cell : m_cells)
        totals.dupes += cell.dupes;
    return totals;
}

double LogStatistics::LastTenRate() const {
    if (m_minuteContacts.empty())
        return 0;
    const std::int64_t latest = m_minuteContacts.rbegin()->first;
    int contacts = 0;
    std::int64_t earliest = latest;
    for (auto minute = m_minuteContacts.rbegin();
         minute != m_minuteContacts.rend() && contacts < LastContactsForRate; ++minute) {
        contacts = std::min(contacts + minute->second, LastContactsForRate);
        earliest = minute->first;
    }
    return static_cast<double>(contacts) * MinutesPerHour / static_cast<double>(latest - earliest + 1);
}

int LogStatistics::LastSixtyMinutes() const {
    if (m_minuteContacts.empty())
        return 0;
    const std::int64_t first = m_minuteContacts.rbegin()->first - WindowMinutes + 1;
    const std::int64_t day = FloorDivide(first, MinutesPerDay);
    return m_dayWindows.at(day).contacts[static_cast<std::size_t>(first - day * MinutesPerDay)];
}

int LogStatistics::BestSixtyMinutes() const {
    return m_bestWindow;
}

std::vector<HourContacts> LogStatistics::ContactsPerHour() const {
    std::vector<HourContacts> hours;
    hours.reserve(m_hourContacts.size());
    // The hours of one day share its date, written once.
    std::int64_t day = 0;
    std::string date;
    for (const auto& [hour, bands] : m_hourContacts) {
        if (date.empty() || FloorDivide(hour, HoursPerDay) != day) {
            day = FloorDivide(hour, HoursPerDay);
            date = DateOfDay(day);
        }
        hours.push_back(HourContacts{date, static_cast<int>(hour - day * HoursPerDay), bands});
    }
    return hours;
}

} // namespace zevo
