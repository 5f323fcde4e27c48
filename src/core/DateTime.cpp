#include "DateTime.h"

#include "Conversion.h"

#include <algorithm>
#include <chrono>

namespace zevo {

std::optional<std::string> ProposedContestDate(int year) {
    // The contest falls on the first weekend of April; the days repeat in a six-year table counted
    // from 2004. C++ division truncates, so years before 2004 give a remainder from -5 to -1.
    static const char* const days[] = {"-04-03", "-04-02", "-04-01", "-04-07", "-04-05", "-04-04"};
    const int r = (year - 2004) % 6;
    if (r < 0)
        return std::nullopt;
    return std::to_string(year) + days[r];
}

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Bytes `from` (counted from 1) on, at most `count`: nothing when the text is shorter, as the run-time
// library's copy does, so a short text reaches the number conversion and fails there.
std::string Copy(const std::string& text, std::size_t from, std::size_t count) {
    return from - 1 < text.size() ? text.substr(from - 1, count) : std::string();
}

std::string TwoDigits(int n) {
    return n >= 0 && n <= 9 ? "0" + std::to_string(n) : std::to_string(n);
}

// The hour of the time field: a text that is no number fails as the run-time library's conversion does.
int Hour(const DateTimeFields& fields) {
    return StrToInt(Copy(fields.time, 1, 2));
}

CheckedField CheckDigits(const std::string& text, std::size_t length,
                         std::initializer_list<std::size_t> free) {
    CheckedField checked{WithoutBlanks(text), FieldFault::None};
    if (checked.text.size() != length) {
        checked.fault = FieldFault::Format;
        return checked;
    }
    for (std::size_t i = 0; i < length; ++i)
        if (std::find(free.begin(), free.end(), i) == free.end() && !IsDigit(checked.text[i])) {
            checked.fault = FieldFault::Data;
            break;
        }
    return checked;
}

// Moves the position by one and turns -1 and 60 into a carry into the hour `h`, and past midnight into
// the day. Out-of-range positions (never left by a step) carry as well, so a step always writes a valid
// minute.
StepResult Carry(const DateTimeFields& fields, int h) {
    StepResult result{fields, std::nullopt};
    try {
        int dayStep = 0;
        if (result.fields.position < 0) {
            result.fields.position = 59;
            if (--h < 0) {
                h = 23;
                dayStep = -1;
            }
        } else if (result.fields.position >= 60) {
            result.fields.position = 0;
            if (++h > 23) {
                h = 0;
                dayStep = +1;
            }
        }
        std::string date = fields.date;
        if (dayStep != 0)
            date = CarryDay(date, dayStep > 0 ? Step::Forward : Step::Back);
        result.fields.date = date;
        result.fields.time = TwoDigits(h) + ":" + TwoDigits(result.fields.position);
    } catch (const RunTimeError& error) {
        result.failure = error;
    }
    return result;
}

} // namespace

CheckedField CheckDate(const std::string& date) {
    return CheckDigits(date, 10, {4, 7});
}

CheckedField CheckTime(const std::string& time) {
    return CheckDigits(time, 5, {2});
}

namespace {

std::optional<int> Digits(std::string_view text) {
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

std::optional<int> DayNumber(std::string_view date) {
    if (date.size() != 10 || date[4] != '-' || date[7] != '-')
        return std::nullopt;
    const std::optional<int> year = Digits(date.substr(0, 4));
    const std::optional<int> month = Digits(date.substr(5, 2));
    const std::optional<int> day = Digits(date.substr(8, 2));
    if (!year || !month || !day)
        return std::nullopt;
    const std::chrono::year_month_day calendar{std::chrono::year{*year},
                                               std::chrono::month{static_cast<unsigned>(*month)},
                                               std::chrono::day{static_cast<unsigned>(*day)}};
    if (!calendar.ok())
        return std::nullopt;
    return std::chrono::sys_days(calendar).time_since_epoch().count();
}

std::optional<int> MinuteOfDay(std::string_view time) {
    const std::optional<int> hour = time.size() == 4 ? Digits(time.substr(0, 2)) : std::nullopt;
    const std::optional<int> minute = time.size() == 4 ? Digits(time.substr(2, 2)) : std::nullopt;
    if (!hour || !minute || *hour > 23 || *minute > 59)
        return std::nullopt;
    return *hour * 60 + *minute;
}

int SpinPositionForMinutes(int minutes) {
    return std::clamp(minutes, 0, 59);
}

std::string CarryDay(const std::string& date, Step step) {
    const int d = StrToInt(Copy(date, 9, 2));
    const int day = step == Step::Forward ? std::min(d + 1, 30) : std::max(d - 1, 1);
    return Copy(date, 1, 8) + TwoDigits(day);
}

StepResult SpinClick(const DateTimeFields& fields) {
    // The control has already moved the position: only the carry and the text remain.
    try {
        return Carry(fields, Hour(fields));
    } catch (const RunTimeError& error) {
        return {fields, error};
    }
}

StepResult StepTime(const DateTimeFields& fields, Step direction) {
    try {
        DateTimeFields moved = fields;
        moved.position += direction == Step::Forward ? 1 : -1;
        return Carry(moved, Hour(fields));
    } catch (const RunTimeError& error) {
        return {fields, error};
    }
}

} // namespace zevo
