#include "RigControl.h"

#include <gtest/gtest.h>

namespace {

// What rigctld may have sent so far, and what the client makes of it.
struct AnswerCase {
    const char* name;
    const char* bytes;
    zevo::RigTake::Kind kind;
    int result;
    std::optional<std::string> value;
    const char* left; // what stays for the next answer (garbage stays all)
};

void PrintTo(const AnswerCase& row, std::ostream* out) {
    *out << row.name;
}

class RigAnswerTest : public testing::TestWithParam<AnswerCase> {};

TEST_P(RigAnswerTest, TakesOneWholeAnswer) {
    const AnswerCase& c = GetParam();
    std::string buffer = c.bytes;
    const zevo::RigTake take = zevo::TakeRigAnswer(buffer, "Frequency");
    EXPECT_EQ(take.kind, c.kind);
    EXPECT_EQ(take.answer.result, c.result);
    EXPECT_EQ(take.answer.value, c.value);
    EXPECT_EQ(buffer, c.left);
}

using Kind = zevo::RigTake::Kind;
INSTANTIATE_TEST_SUITE_P(
    Answers, RigAnswerTest,
    testing::Values(
        AnswerCase{"Frequency", "get_freq:\nFrequency: 14025000\nRPRT 0\n", Kind::Answer, 0, "14025000", ""},
        AnswerCase{"HalfAnAnswer", "get_freq:\nFrequency: 140", Kind::Incomplete, 0, std::nullopt,
                   "get_freq:\nFrequency: 140"},
        AnswerCase{"RadioAway", "RPRT -5\nget_freq:\n", Kind::Answer, -5, std::nullopt, "get_freq:\n"},
        AnswerCase{"CarriageReturns", "get_freq:\r\nFrequency: 7012000\r\nRPRT 0\r\n", Kind::Answer, 0,
                   "7012000", ""},
        AnswerCase{"Garbage", "hello\n", Kind::Garbage, 0, std::nullopt, "hello\n"},
        AnswerCase{"ReportNoNumber", "RPRT x\n", Kind::Garbage, 0, std::nullopt, "RPRT x\n"}),
    [](const testing::TestParamInfo<AnswerCase>& info) { return std::string(info.param.name); });

TEST(RigFollowTest, BandAndModeFollowOnlyWhatChanged) {
    const zevo::RigReading cw{14025000, "CW"};
    // The first reading sets both; the same reading again sets nothing, so a band picked by hand holds.
    EXPECT_EQ(zevo::FollowRig(cw, std::nullopt).band, 3);
    EXPECT_EQ(zevo::FollowRig(cw, std::nullopt).ssb, false);
    EXPECT_FALSE(zevo::FollowRig(cw, cw).band);
    EXPECT_FALSE(zevo::FollowRig(cw, cw).ssb);
    EXPECT_EQ(zevo::FollowRig({3550000, "LSB"}, cw).band, 1);
    EXPECT_EQ(zevo::FollowRig({3550000, "LSB"}, cw).ssb, true);
    const zevo::RigFollow away = zevo::FollowRig({10120000, "PKTUSB"}, cw);
    EXPECT_TRUE(away.outsideBands && away.otherMode && !away.band && !away.ssb);
    EXPECT_EQ(zevo::RigKilohertz(cw, 3), "14025");
    EXPECT_FALSE(zevo::RigKilohertz(cw, 4));
    EXPECT_EQ(zevo::MegahertzText(1830500), "1.830");
}

} // namespace
