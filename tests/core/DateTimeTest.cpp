#include "DateTime.h"

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
using zevo::Step;

// Each row: the text typed, what the field holds after the check, and the fault.
const struct {
    bool date;
    const char *typed, *written;
    FieldFault fault;
} Checks[] = {
    {true, " 2024-04-06 ", "2024-04-06", FieldFault::None},
    {true, "2024/04/06", "2024/04/06", FieldFault::None},
    {true, "2024x04y06", "2024x04y06", FieldFault::None},
    {true, "2024-13-45", "2024-13-45", FieldFault::None},
    {true, "2024-4-6", "2024-4-6", FieldFault::Format},
    {true, "", "", FieldFault::Format},
    {true, "x024-04-06", "x024-04-06", FieldFault::Data},
    {true, "202x-04-06", "202x-04-06", FieldFault::Data},
    {true, "2024-x4-06", "2024-x4-06", FieldFault::Data},
    {true, "2024-0x-06", "2024-0x-06", FieldFault::Data},
    {true, "2024-04-x6", "2024-04-x6", FieldFault::Data},
    {true, "2024-04-0x", "2024-04-0x", FieldFault::Data},
    {false, "15.30", "15.30", FieldFault::None},
    {false, "25:99", "25:99", FieldFault::None},
    {false, "15 30", "1530", FieldFault::Format},
    {false, "5:30", "5:30", FieldFault::Format},
    {false, "x5:30", "x5:30", FieldFault::Data},
    {false, "1a:30", "1a:30", FieldFault::Data},
    {false, "15:a0", "15:a0", FieldFault::Data},
    {false, "15:3x", "15:3x", FieldFault::Data},
};

TEST(DateTimeChecks, RemoveBlanksAndFindTheFirstFault) {
    for (const auto& row : Checks) {
        const auto checked = row.date ? zevo::CheckDate(row.typed) : zevo::CheckTime(row.typed);
        EXPECT_EQ(checked.text, row.written) << row.typed;
        EXPECT_EQ(checked.fault, row.fault) << row.typed;
    }
}

TEST(SpinPositionForMinutes, HoldsMinutesAboveTheHourSoThatTheNextStepIsValid) {
    for (const int minutes : {0, 30, 59})
        EXPECT_EQ(zevo::SpinPositionForMinutes(minutes), minutes);
    for (const int minutes : {60, 99}) {
        const zevo::DateTimeFields fields{"2024-04-06", "10:" + std::to_string(minutes),
                                          zevo::SpinPositionForMinutes(minutes)};
        EXPECT_EQ(zevo::StepTime(fields, Step::Forward).fields.time, "11:00");
        EXPECT_EQ(zevo::StepTime(fields, Step::Back).fields.time, "10:58");
    }
}

// A spin click finds the position already moved by the control; a key step moves it itself.
const struct {
    bool spin;
    Step step;
    zevo::DateTimeFields before, after;
    const char* failure;
} Steps[] = {
    {true, Step::Forward, {"2024-04-06", "09:09", 10}, {"2024-04-06", "09:10", 10}, nullptr},
    {true, Step::Back, {"2024-04-06", "10:00", -1}, {"2024-04-06", "09:59", 59}, nullptr},
    {true, Step::Forward, {"2024-04-06", "23:59", 60}, {"2024-04-07", "00:00", 0}, nullptr},
    {true, Step::Back, {"2024-04-06", "00:00", -1}, {"2024-04-05", "23:59", 59}, nullptr},
    {false, Step::Forward, {"2024-04-06", "15:00", 0}, {"2024-04-06", "15:01", 1}, nullptr},
    {false, Step::Forward, {"2024-04-06", "22:59", 59}, {"2024-04-06", "23:00", 0}, nullptr},
    {false, Step::Back, {"2024-04-06", "15:00", 0}, {"2024-04-06", "14:59", 59}, nullptr},
    {false, Step::Back, {"2024-04-06", "15:01", 1}, {"2024-04-06", "15:00", 0}, nullptr},
    {false, Step::Forward, {"2024-04-30", "23:59", 59}, {"2024-04-30", "00:00", 0}, nullptr},
    {false, Step::Forward, {"2024-03-31", "23:59", 59}, {"2024-03-30", "00:00", 0}, nullptr},
    {false, Step::Back, {"2024-04-01", "00:00", 0}, {"2024-04-01", "23:59", 59}, nullptr},
    {false, Step::Forward, {"2024-04-06", "25:45", 59}, {"2024-04-07", "00:00", 0}, nullptr},
    {false,
     Step::Forward,
     {"2024-04-06", "1a:59", 59},
     {"2024-04-06", "1a:59", 59},
     "'1a' is not a valid integer value"},
    {true, Step::Forward, {"2024-04-06", "", 5}, {"2024-04-06", "", 5}, "'' is not a valid integer value"},
    // The position turned at the carry stays; the texts keep what they held.
    {false,
     Step::Forward,
     {"2024-04-xx", "23:59", 59},
     {"2024-04-xx", "23:59", 0},
     "'xx' is not a valid integer value"},
    {true, Step::Back, {"2024-04", "00:00", -1}, {"2024-04", "00:00", 59}, "'' is not a valid integer value"},
};

TEST(StepTime, StepsTheMinuteAndCarriesIntoHourAndDay) {
    for (const auto& row : Steps) {
        const auto result = row.spin ? zevo::SpinClick(row.before) : zevo::StepTime(row.before, row.step);
        const std::string context = row.before.date + " " + row.before.time;
        EXPECT_EQ(result.fields, row.after) << context << " gave " << result.fields.date << " "
                                            << result.fields.time << " " << result.fields.position;
        EXPECT_EQ(result.failure ? std::string(result.failure->what()) : "", row.failure ? row.failure : "")
            << context;
    }
}

} // namespace
