#include "DateTime.h"

#include <cctype>
#include <gtest/gtest.h>

namespace {

struct ContestDateCase {
    int year;
    const char* date; // nullptr: no date proposed
};

class ProposedContestDateTest : public testing::TestWithParam<ContestDateCase> {};

TEST_P(ProposedContestDateTest, FollowsTheSixYearTable) {
    const auto& row = GetParam();
    const auto date = zevo::ProposedContestDate(row.year);
    if (row.date == nullptr) {
        EXPECT_FALSE(date.has_value()) << *date;
    } else {
        ASSERT_TRUE(date.has_value());
        EXPECT_EQ(*date, row.date);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Years, ProposedContestDateTest,
    testing::Values(ContestDateCase{2004, "2004-04-03"}, ContestDateCase{2005, "2005-04-02"},
                    ContestDateCase{2006, "2006-04-01"}, ContestDateCase{2007, "2007-04-07"},
                    ContestDateCase{2008, "2008-04-05"}, ContestDateCase{2009, "2009-04-04"},
                    ContestDateCase{2010, "2010-04-03"}, ContestDateCase{2026, "2026-04-05"},
                    ContestDateCase{2027, "2027-04-04"},
                    // Truncating division: a whole number of cycles before 2004 is 0.
                    ContestDateCase{1998, "1998-04-03"}, ContestDateCase{1992, "1992-04-03"},
                    // Negative remainders -1 to -5 propose nothing.
                    ContestDateCase{2003, nullptr}, ContestDateCase{2002, nullptr},
                    ContestDateCase{2001, nullptr}, ContestDateCase{2000, nullptr},
                    ContestDateCase{1999, nullptr}, ContestDateCase{1997, nullptr}),
    [](const testing::TestParamInfo<ContestDateCase>& info) {
        return "Year" + std::to_string(info.param.year);
    });

} // namespace

namespace {

using zevo::FieldFault;

struct CheckCase {
    const char* input;
    const char* written; // the text without blanks, kept whatever the outcome
    FieldFault fault;
};

std::string Name(const char* input) {
    std::string name;
    for (const char c : std::string(input))
        name +=
            std::isalnum(static_cast<unsigned char>(c)) ? std::string(1, c) : "_" + std::to_string(c) + "_";
    return name.empty() ? "empty" : name;
}

class CheckDateTest : public testing::TestWithParam<CheckCase> {};
class CheckTimeTest : public testing::TestWithParam<CheckCase> {};

TEST_P(CheckDateTest, RemovesBlanksAndChecksTheDigits) {
    const auto checked = zevo::CheckDate(GetParam().input);
    EXPECT_EQ(checked.text, GetParam().written);
    EXPECT_EQ(checked.fault, GetParam().fault);
}

TEST_P(CheckTimeTest, RemovesBlanksAndChecksTheDigits) {
    const auto checked = zevo::CheckTime(GetParam().input);
    EXPECT_EQ(checked.text, GetParam().written);
    EXPECT_EQ(checked.fault, GetParam().fault);
}

const auto NameCheck = [](const testing::TestParamInfo<CheckCase>& info) { return Name(info.param.input); };

INSTANTIATE_TEST_SUITE_P(Dates, CheckDateTest,
                         testing::Values(CheckCase{" 2024-04-06 ", "2024-04-06", FieldFault::None},
                                         CheckCase{"2024/04/06", "2024/04/06", FieldFault::None},
                                         CheckCase{"2024x04y06", "2024x04y06", FieldFault::None},
                                         CheckCase{"2024-13-45", "2024-13-45", FieldFault::None},
                                         CheckCase{"2024-4-6", "2024-4-6", FieldFault::Format},
                                         CheckCase{"2024-04-061", "2024-04-061", FieldFault::Format},
                                         CheckCase{"", "", FieldFault::Format},
                                         // Every examined position, one at a time.
                                         CheckCase{"x024-04-06", "x024-04-06", FieldFault::Data},
                                         CheckCase{"202x-04-06", "202x-04-06", FieldFault::Data},
                                         CheckCase{"2024-x4-06", "2024-x4-06", FieldFault::Data},
                                         CheckCase{"2024-0x-06", "2024-0x-06", FieldFault::Data},
                                         CheckCase{"2024-04-x6", "2024-04-x6", FieldFault::Data},
                                         CheckCase{"2024-04-0x", "2024-04-0x", FieldFault::Data}),
                         NameCheck);

INSTANTIATE_TEST_SUITE_P(Times, CheckTimeTest,
                         testing::Values(CheckCase{"15:30", "15:30", FieldFault::None},
                                         CheckCase{"15.30", "15.30", FieldFault::None},
                                         CheckCase{"25:99", "25:99", FieldFault::None},
                                         CheckCase{"15 30", "1530", FieldFault::Format},
                                         CheckCase{"5:30", "5:30", FieldFault::Format},
                                         CheckCase{"1a:30", "1a:30", FieldFault::Data},
                                         CheckCase{"15:3x", "15:3x", FieldFault::Data},
                                         CheckCase{"x5:30", "x5:30", FieldFault::Data},
                                         CheckCase{"15:a0", "15:a0", FieldFault::Data}),
                         NameCheck);

TEST(SpinPositionForMinutes, HoldsMinutesAboveTheHourSoThatTheNextStepIsValid) {
    for (const int minutes : {0, 30, 59})
        EXPECT_EQ(zevo::SpinPositionForMinutes(minutes), minutes);
    for (const int minutes : {60, 75, 99}) {
        const zevo::DateTimeFields fields{"2024-04-06", "10:" + std::to_string(minutes),
                                          zevo::SpinPositionForMinutes(minutes)};
        EXPECT_EQ(zevo::StepTime(fields, zevo::Step::Forward).fields.time, "11:00");
        EXPECT_EQ(zevo::StepTime(fields, zevo::Step::Back).fields.time, "10:58");
    }
}

struct StepCase {
    const char* name;
    bool spin; // a click on the arrows (position already moved by the control), else a key step
    zevo::Step step;
    zevo::DateTimeFields before;
    zevo::DateTimeFields after;
    const char* failure; // nullptr: none
};

class StepTest : public testing::TestWithParam<StepCase> {};

TEST_P(StepTest, StepsTheMinuteAndCarries) {
    const auto& row = GetParam();
    const auto result = row.spin ? zevo::SpinClick(row.before) : zevo::StepTime(row.before, row.step);
    EXPECT_EQ(result.fields.date, row.after.date);
    EXPECT_EQ(result.fields.time, row.after.time);
    EXPECT_EQ(result.fields.position, row.after.position);
    if (row.failure == nullptr)
        EXPECT_FALSE(result.failure.has_value()) << result.failure->what();
    else
        EXPECT_STREQ(result.failure ? result.failure->what() : "no failure", row.failure);
}

using zevo::Step;
INSTANTIATE_TEST_SUITE_P(
    Steps, StepTest,
    testing::Values(
        StepCase{"ClickUp",
                 true,
                 Step::Forward,
                 {"2024-04-06", "09:09", 10},
                 {"2024-04-06", "09:10", 10},
                 nullptr},
        StepCase{"ClickDownIntoHour",
                 true,
                 Step::Back,
                 {"2024-04-06", "10:00", -1},
                 {"2024-04-06", "09:59", 59},
                 nullptr},
        StepCase{"ClickUpPastMidnight",
                 true,
                 Step::Forward,
                 {"2024-04-06", "23:59", 60},
                 {"2024-04-07", "00:00", 0},
                 nullptr},
        StepCase{"ClickDownPastMidnight",
                 true,
                 Step::Back,
                 {"2024-04-06", "00:00", -1},
                 {"2024-04-05", "23:59", 59},
                 nullptr},
        StepCase{
            "PageUp", false, Step::Forward, {"2024-04-06", "15:00", 0}, {"2024-04-06", "15:01", 1}, nullptr},
        StepCase{
            "PageDown", false, Step::Back, {"2024-04-06", "15:00", 0}, {"2024-04-06", "14:59", 59}, nullptr},
        StepCase{"DayStaysAt30",
                 false,
                 Step::Forward,
                 {"2024-04-30", "23:59", 59},
                 {"2024-04-30", "00:00", 0},
                 nullptr},
        StepCase{"Day31BecomesDay30",
                 false,
                 Step::Forward,
                 {"2024-03-31", "23:59", 59},
                 {"2024-03-30", "00:00", 0},
                 nullptr},
        StepCase{"DayStaysAt01",
                 false,
                 Step::Back,
                 {"2024-04-01", "00:00", 0},
                 {"2024-04-01", "23:59", 59},
                 nullptr},
        StepCase{"Hour25CarriesTheDay",
                 false,
                 Step::Forward,
                 {"2024-04-06", "25:45", 59},
                 {"2024-04-07", "00:00", 0},
                 nullptr},
        StepCase{"HourNotANumber",
                 false,
                 Step::Forward,
                 {"2024-04-06", "1a:59", 59},
                 {"2024-04-06", "1a:59", 59},
                 "'1a' is not a valid integer value"},
        StepCase{"ClickHourNotANumber",
                 true,
                 Step::Forward,
                 {"2024-04-06", "", 5},
                 {"2024-04-06", "", 5},
                 "'' is not a valid integer value"},
        // The position turned at the carry stays; the texts keep what they held.
        StepCase{"DayNotANumber",
                 false,
                 Step::Forward,
                 {"2024-04-xx", "23:59", 59},
                 {"2024-04-xx", "23:59", 0},
                 "'xx' is not a valid integer value"},
        StepCase{"ShortDateAtCarry",
                 true,
                 Step::Back,
                 {"2024-04", "00:00", -1},
                 {"2024-04", "00:00", 59},
                 "'' is not a valid integer value"}),
    [](const testing::TestParamInfo<StepCase>& info) { return std::string(info.param.name); });

} // namespace
