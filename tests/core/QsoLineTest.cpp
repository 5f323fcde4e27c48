#include "QsoLine.h"

#include <gtest/gtest.h>
#include <ostream>

namespace {

// A contact on 2026-04-05 at 15:07 and its whole line, whose fields begin in columns 6, 12, 15, 26, 31,
// 45, 49, 56, 70 and 74.
struct LineCase {
    const char* name;
    std::optional<int> band;
    bool ssb; // the first entry of the mode list
    const char *usedCall, *reportSent, *exchangeSent, *callReceived, *reportReceived, *numberReceived;
    const char* line;
};

void PrintTo(const LineCase& row, std::ostream* out) {
    *out << row.name;
}

class QsoLineTest : public testing::TestWithParam<LineCase> {};

TEST_P(QsoLineTest, KeepsEveryFieldInItsColumns) {
    const LineCase& c = GetParam();
    EXPECT_EQ(zevo::ComposeQsoLine({c.band, c.ssb, "2026-04-05", "15:07", c.usedCall, c.reportSent,
                                    c.exchangeSent, c.callReceived, c.reportReceived, c.numberReceived}),
              c.line);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, QsoLineTest,
    testing::Values(
        LineCase{"FirstContact", 3, true, "QQ1AAA", "59", "7", "QQ2BBB", "59", "12",
                 "QSO: 14000 PH 2026-04-05 1507 QQ1AAA        59       7 QQ2BBB        59      12"},
        LineCase{"TopBandCwWithAProvince", 0, false, "QQ1AAA", "599", "S", "QQ2BBB", "579", "15",
                 "QSO:  1800 CW 2026-04-05 1507 QQ1AAA        599      S QQ2BBB        579     15"},
        LineCase{"TenMetres", 5, true, "QQ1AAA", "59", "7", "QQ2BBB", "59", "12",
                 "QSO: 28000 PH 2026-04-05 1507 QQ1AAA        59       7 QQ2BBB        59      12"},
        LineCase{"NoBand", std::nullopt, true, "QQ1AAA", "59", "7", "QQ2BBB", "59", "12",
                 "QSO:       PH 2026-04-05 1507 QQ1AAA        59       7 QQ2BBB        59      12"},
        LineCase{"NoModeSelectedIsCw", 3, false, "QQ1AAA", "59", "7", "QQ2BBB", "59", "12",
                 "QSO: 14000 CW 2026-04-05 1507 QQ1AAA        59       7 QQ2BBB        59      12"},
        // No report behind them to cover a 15th character.
        LineCase{"CallsOf15LoseTheLast", 3, true, "QQ1ABCDEFGHIJKL", "", "7", "QQ2ABCDEFGHIJKL", "", "12",
                 "QSO: 14000 PH 2026-04-05 1507 QQ1ABCDEFGHIJK         7 QQ2ABCDEFGHIJK        12"},
        LineCase{"CallsOf14Fill14", 3, true, "QQ1ABCDEFGHIJK", "59", "7", "QQ2ABCDEFGHIJK", "59", "12",
                 "QSO: 14000 PH 2026-04-05 1507 QQ1ABCDEFGHIJK59       7 QQ2ABCDEFGHIJK59      12"},
        LineCase{"NumbersOf8KeepTheirLast6", 3, true, "QQ1AAA", "59", "12345678", "QQ2BBB", "59", "87654321",
                 "QSO: 14000 PH 2026-04-05 1507 QQ1AAA        59  345678 QQ2BBB        59  654321"},
        LineCase{"ThreeCharacterReports", 3, true, "QQ1AAA", "599", "7", "QQ2BBB", "559", "12",
                 "QSO: 14000 PH 2026-04-05 1507 QQ1AAA        599      7 QQ2BBB        559     12"},
        LineCase{"ReportsOf4LoseTheLast", 3, true, "QQ1AAA", "5999", "7", "QQ2BBB", "5799", "12",
                 "QSO: 14000 PH 2026-04-05 1507 QQ1AAA        599      7 QQ2BBB        579     12"},
        LineCase{"EmptyAndOneCharacterReportsLeftAligned", 3, true, "QQ1AAA", "", "7", "QQ2BBB", "5", "12",
                 "QSO: 14000 PH 2026-04-05 1507 QQ1AAA                 7 QQ2BBB        5       12"},
        LineCase{"NumberSent009", 3, true, "QQ1AAA", "59", "009", "QQ2BBB", "59", "12",
                 "QSO: 14000 PH 2026-04-05 1507 QQ1AAA        59     009 QQ2BBB        59      12"},
        LineCase{"EmptyNumberSentIsSixBlanks", 3, true, "QQ1AAA", "59", "", "QQ2BBB", "59", "12",
                 "QSO: 14000 PH 2026-04-05 1507 QQ1AAA        59         QQ2BBB        59      12"}),
    [](const testing::TestParamInfo<LineCase>& info) { return info.param.name; });

} // namespace
