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
