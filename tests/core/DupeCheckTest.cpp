#include "DupeCheck.h"
#include "LogDocument.h"
#include "QsoLine.h"

#include <gtest/gtest.h>

namespace {

using Kind = zevo::CallVerdict::Kind;

std::string Qso(const std::string& call, int band, bool phone, const char* time = "15:07") {
    return zevo::ComposeQsoLine({band, phone, "2026-04-05", time, "QQ1AAA", "59", "7", call, "59", "12"});
}

// 40M CW, 20M SSB twice (first at 15:02), 80M SSB; a portable call; a frequency outside the band list.
zevo::LogDocument Log() {
    zevo::LogDocument log;
    log.Append({"START-OF-LOG: 2.0", Qso("QQ2BBB", 2, false), Qso("QQ2BBB", 3, true, "15:02"),
                Qso("QQ2BBB", 1, true), Qso("QQ2BBB", 3, true), Qso("QQ2BBB/P", 4, false),
                Qso("SQ9QQ", 3, true).replace(5, 5, " 7025")});
    return log;
}

TEST(DupeCheck, TheVerdictForACallOnABandAndMode) {
    const struct {
        const char* call;
        zevo::BandMode at;
        Kind kind;
        std::string worked;
        std::size_t row;
        std::string time;
    } rows[] = {
        {"QQ2BBB", {3, true}, Kind::Dupe, "80M SSB, 40M CW, 20M SSB", 2, "15:02"},
        {"QQ2BBB", {4, true}, Kind::Worked, "80M SSB, 40M CW, 20M SSB", 0, ""},
        {"QQ2BBB", {3, false}, Kind::Worked, "80M SSB, 40M CW, 20M SSB", 0, ""},
        {"QQ2BBB/P", {4, false}, Kind::Dupe, "15M CW", 5, "15:07"},
        {"QQ2BB", {3, true}, Kind::New, "", 0, ""},
        {"SQ9QQ", {-1, true}, Kind::Worked, "40M SSB", 0, ""},
    };
    const zevo::LogDocument log = Log();
    for (const auto& row : rows) {
        const zevo::CallVerdict verdict = zevo::CheckCall(log.Calls(), log.Lines(), row.call, row.at);
        EXPECT_EQ(verdict.kind, row.kind) << row.call;
        EXPECT_EQ(zevo::BandModesText(verdict.worked), row.worked) << row.call;
        EXPECT_EQ(std::pair(verdict.row, verdict.time), std::pair(row.row, row.time)) << row.call;
    }
}

TEST(DupeCheck, TheCallsHoldingAFragmentWithTheirBandsAndDupesMarked) {
    const struct {
        const char* fragment;
        std::vector<std::string> lines; // of the first two
        std::size_t more;
    } rows[] = {
        {"QQ", {"QQ2BBB    80M SSB, 40M CW, 20M SSB*", "QQ2BBB/P  15M CW"}, 1},
        {"2BB", {"QQ2BBB    80M SSB, 40M CW, 20M SSB*", "QQ2BBB/P  15M CW"}, 0},
        {"B/P", {"QQ2BBB/P  15M CW"}, 0},
    };
    const zevo::LogDocument log = Log();
    for (const auto& row : rows) {
        const zevo::FragmentCheck check = zevo::CheckFragment(log.Calls(), row.fragment, {3, true}, 2);
        EXPECT_EQ(zevo::FragmentLines(check, {3, true}), row.lines) << row.fragment;
        EXPECT_EQ(check.more, row.more) << row.fragment;
    }
}

} // namespace
