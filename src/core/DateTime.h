#pragma once

#include "RunTimeError.h"

#include <optional>
#include <string>
#include <string_view>

namespace zevo {

// The contest date proposed for a calendar year, "yyyy-mm-dd" in April, or no date for the years
// before the first contest cycle that the six-year table covers (the remainder is negative).
std::optional<std::string> ProposedContestDate(int year);

// What the check of a date ("yyyy-mm-dd") or time ("hh:mm") field found.
enum class FieldFault { None, Format, Data };

struct CheckedField {
    std::string text; // the field's text without blanks: written back whatever the outcome
    FieldFault fault = FieldFault::None;
};

// Exactly 10 bytes, digits everywhere but at bytes 5 and 8. Month and day are not ranged.
CheckedField CheckDate(const std::string& date);
// Exactly 5 bytes, digits everywhere but at byte 3. Hour and minutes are not ranged.
CheckedField CheckTime(const std::string& time);

// Days since 1970-01-01 of a real calendar date "yyyy-mm-dd"; nothing for any other text.
std::optional<int> DayNumber(std::string_view date);
// Minutes since midnight of a time of day "hhmm" (00:00 to 23:59); nothing for any other text.
std::optional<int> MinuteOfDay(std::string_view time);

// The spin position for the minutes of an accepted time. The spin range is -1 to 60 and a step turns
// only -1 and 60 into a carry, so minutes 60 to 99 (which the time check accepts) are held as 59: the
// next step forward then writes the next hour's ":00" and a step back ":58", both valid "hh:mm", where
// a position of 60 or more would step on to ":61" or stop the arrow at its maximum.
int SpinPositionForMinutes(int minutes);

// The date field, the time field and the spin position, which stands for the minutes.
struct DateTimeFields {
    std::string date;
    std::string time;
    int position = 0;

    bool operator==(const DateTimeFields&) const = default;
};

enum class Step { Forward, Back };

// The fields after a step, as far as it went: a text that is not a number (the hour, or the day at a
// carry) stops the step there, with the failure the run-time library reports. Texts are written only
// at the end, so a failed step leaves them as they were; a position already turned at a carry stays.
struct StepResult {
    DateTimeFields fields;
    std::optional<RunTimeError> failure;
};

// The day of the date moved by one, bounded to 01 and 30; year and month never change.
// Throws RunTimeError when bytes 9-10 are not a number.
std::string CarryDay(const std::string& date, Step step);

// A click on the spin arrows, the position already moved by the control.
StepResult SpinClick(const DateTimeFields& fields);
// Page Up (forward) and Page Down (back): one minute, the position moved here.
StepResult StepTime(const DateTimeFields& fields, Step direction);

} // namespace zevo
