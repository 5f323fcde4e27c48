#include "QsoLine.h"

#include <functional>
#include <gtest/gtest.h>
#include <ostream>

namespace {

using zevo::ComposeQsoLine;
using zevo::QsoEntry;

// The first contact of the log: English, 20M, SSB.
QsoEntry FirstContact() {
    return QsoEntry{.band = 3,
                    .firstMode = true,
                    .date = "2026-04-05",
                    .time = "15:07",
                    .usedCall = "QQ1AAA",
                    .reportSent = "59",
                    .exchangeSent = "7",
                    .callReceived = "QQ2BBB",
                    .reportReceived = "59",
                    .numberReceived = "12"};
}

// Columns count from 1, as in the line's layout.
std::string Columns(const std::string& line, std::size_t first, std::size_t last) {
    return line.substr(first - 1, last - first + 1);
}

TEST(ComposeQsoLine, FirstContactColumnByColumn) {
    const std::string line = ComposeQsoLine(FirstContact());
    ASSERT_EQ(line.size(), 79u);
    EXPECT_EQ(Columns(line, 1, 5), "QSO: ");
    EXPECT_EQ(Columns(line, 6, 11), "14000 ");
    EXPECT_EQ(Columns(line, 12, 14), "PH ");
    EXPECT_EQ(Columns(line, 15, 25), "2026-04-05 ");
    EXPECT_EQ(Columns(line, 26, 30), "1507 ");
    EXPECT_EQ(Columns(line, 31, 44), "QQ1AAA        ");
    EXPECT_EQ(Columns(line, 45, 48), "59  ");
    EXPECT_EQ(Columns(line, 49, 55), "     7 ");
    EXPECT_EQ(Columns(line, 56, 69), "QQ2BBB        ");
    EXPECT_EQ(Columns(line, 70, 73), "59  ");
    EXPECT_EQ(Columns(line, 74, 79), "    12");
    EXPECT_EQ(line, "QSO: 14000 PH 2026-04-05 1507 QQ1AAA        59       7 QQ2BBB        59      12");
}

TEST(ComposeQsoLine, SameContactOnTopBandInCwWithAProvince) {
    QsoEntry entry = FirstContact();
    entry.band = 0;
    entry.firstMode = false;
    entry.reportSent = "599";
    entry.exchangeSent = "S";
    entry.reportReceived = "579";
    entry.numberReceived = "15";
    const std::string line = ComposeQsoLine(entry);
    EXPECT_EQ(Columns(line, 6, 11), " 1800 ");
    EXPECT_EQ(Columns(line, 12, 14), "CW ");
    EXPECT_EQ(Columns(line, 45, 48), "599 ");
    EXPECT_EQ(Columns(line, 49, 54), "     S");
    EXPECT_EQ(Columns(line, 70, 73), "579 ");
    EXPECT_EQ(Columns(line, 74, 79), "    15");
    EXPECT_EQ(line, "QSO:  1800 CW 2026-04-05 1507 QQ1AAA        599      S QQ2BBB        579     15");
}

struct BandCase {
    int band;
    const char* frequency;
};

class BandFrequencyTest : public testing::TestWithParam<BandCase> {};

TEST_P(BandFrequencyTest, StandsRightAlignedInColumnsSixToTen) {
    QsoEntry entry = FirstContact();
    entry.band = GetParam().band;
    const std::string line = ComposeQsoLine(entry);
    EXPECT_EQ(Columns(line, 6, 11), GetParam().frequency);
    EXPECT_EQ(line.size(), 79u);
}

INSTANTIATE_TEST_SUITE_P(Bands, BandFrequencyTest,
                         testing::Values(BandCase{0, " 1800 "}, BandCase{1, " 3500 "}, BandCase{2, " 7000 "},
                                         BandCase{3, "14000 "}, BandCase{4, "21000 "}, BandCase{5, "28000 "}),
                         [](const testing::TestParamInfo<BandCase>& info) {
                             return "Entry" + std::to_string(info.param.band + 1);
                         });

// One change to the first contact and the whole line it gives.
struct LineCase {
    const char* name;
    std::function<void(QsoEntry&)> change;
    const char* line;
};

void PrintTo(const LineCase& row, std::ostream* out) {
    *out << row.name;
}

class QsoLineEdgeTest : public testing::TestWithParam<LineCase> {};

TEST_P(QsoLineEdgeTest, KeepsEveryFieldInItsColumns) {
    QsoEntry entry = FirstContact();
    GetParam().change(entry);
    const std::string line = ComposeQsoLine(entry);
    EXPECT_EQ(line, GetParam().line);
    EXPECT_EQ(line.size(), 79u);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, QsoLineEdgeTest,
    testing::Values(
        LineCase{"UsedCallOf15KeepsItsFirst14", [](QsoEntry& e) { e.usedCall = "QQ1ABCDEFGHIJKL"; },
                 "QSO: 14000 PH 2026-04-05 1507 QQ1ABCDEFGHIJK59       7 QQ2BBB        59      12"},
        LineCase{"UsedCallOf14TouchesTheReport", [](QsoEntry& e) { e.usedCall = "QQ1ABCDEFGHIJK"; },
                 "QSO: 14000 PH 2026-04-05 1507 QQ1ABCDEFGHIJK59       7 QQ2BBB        59      12"},
        LineCase{"CallReceivedOf15KeepsItsFirst14", [](QsoEntry& e) { e.callReceived = "QQ2ABCDEFGHIJKL"; },
                 "QSO: 14000 PH 2026-04-05 1507 QQ1AAA        59       7 QQ2ABCDEFGHIJK59      12"},
        LineCase{"CallReceivedOf14TouchesTheReport", [](QsoEntry& e) { e.callReceived = "QQ2ABCDEFGHIJK"; },
                 "QSO: 14000 PH 2026-04-05 1507 QQ1AAA        59       7 QQ2ABCDEFGHIJK59      12"},
        LineCase{"CallReceivedOf13LeavesOneBlank", [](QsoEntry& e) { e.callReceived = "QQ2ABCDEFGHIJ"; },
                 "QSO: 14000 PH 2026-04-05 1507 QQ1AAA        59       7 QQ2ABCDEFGHIJ 59      12"},
        LineCase{"CallReceivedOfOneBlank", [](QsoEntry& e) { e.callReceived = " "; },
                 "QSO: 14000 PH 2026-04-05 1507 QQ1AAA        59       7               59      12"},
        // Windows-1250 letters are one byte each: the call still fills exactly 14 columns.
        LineCase{"PolishLettersCountOneColumnEach", [](QsoEntry& e) { e.usedCall = "SP\xA3\xA5"; },
                 "QSO: 14000 PH 2026-04-05 1507 SP\xA3\xA5          59       7 QQ2BBB        59      12"},
        LineCase{"NumberSentOf8KeepsItsLast6", [](QsoEntry& e) { e.exchangeSent = "12345678"; },
                 "QSO: 14000 PH 2026-04-05 1507 QQ1AAA        59  345678 QQ2BBB        59      12"},
        LineCase{"NumberReceivedOf8KeepsItsLast6", [](QsoEntry& e) { e.numberReceived = "87654321"; },
                 "QSO: 14000 PH 2026-04-05 1507 QQ1AAA        59       7 QQ2BBB        59  654321"},
        LineCase{"NumberSentWithLeadingZeros", [](QsoEntry& e) { e.exchangeSent = "009"; },
                 "QSO: 14000 PH 2026-04-05 1507 QQ1AAA        59     009 QQ2BBB        59      12"},
        LineCase{"EmptyNumberSentIsSixBlanks", [](QsoEntry& e) { e.exchangeSent = ""; },
                 "QSO: 14000 PH 2026-04-05 1507 QQ1AAA        59         QQ2BBB        59      12"},
        LineCase{"EmptyNumberReceivedIsSixBlanks", [](QsoEntry& e) { e.numberReceived = ""; },
                 "QSO: 14000 PH 2026-04-05 1507 QQ1AAA        59       7 QQ2BBB        59        "},
        LineCase{"ProvinceLetterInColumn54", [](QsoEntry& e) { e.exchangeSent = "K"; },
                 "QSO: 14000 PH 2026-04-05 1507 QQ1AAA        59       K QQ2BBB        59      12"},
        LineCase{"ThreeCharacterReports",
                 [](QsoEntry& e) {
                     e.reportSent = "599";
                     e.reportReceived = "559";
                 },
                 "QSO: 14000 PH 2026-04-05 1507 QQ1AAA        599      7 QQ2BBB        559     12"},
        LineCase{"EmptyReportSentKeepsItsThreeColumns", [](QsoEntry& e) { e.reportSent = ""; },
                 "QSO: 14000 PH 2026-04-05 1507 QQ1AAA                 7 QQ2BBB        59      12"},
        LineCase{"OneCharacterReportSentIsLeftAligned", [](QsoEntry& e) { e.reportSent = "5"; },
                 "QSO: 14000 PH 2026-04-05 1507 QQ1AAA        5        7 QQ2BBB        59      12"},
        LineCase{"EmptyReportReceivedKeepsItsThreeColumns", [](QsoEntry& e) { e.reportReceived = ""; },
                 "QSO: 14000 PH 2026-04-05 1507 QQ1AAA        59       7 QQ2BBB                12"},
        LineCase{"OneCharacterReportReceivedIsLeftAligned", [](QsoEntry& e) { e.reportReceived = "5"; },
                 "QSO: 14000 PH 2026-04-05 1507 QQ1AAA        59       7 QQ2BBB        5       12"},
        LineCase{"OverlongReportKeepsItsFirstThree", [](QsoEntry& e) { e.reportReceived = "5999"; },
                 "QSO: 14000 PH 2026-04-05 1507 QQ1AAA        59       7 QQ2BBB        599     12"},
        LineCase{"ModeOtherThanTheFirstEntryIsCw", [](QsoEntry& e) { e.firstMode = false; },
                 "QSO: 14000 CW 2026-04-05 1507 QQ1AAA        59       7 QQ2BBB        59      12"},
        LineCase{"NoBandLeavesTheFrequencyBlank", [](QsoEntry& e) { e.band = std::nullopt; },
                 "QSO:       PH 2026-04-05 1507 QQ1AAA        59       7 QQ2BBB        59      12"},
        LineCase{"BandOutsideTheListIsNoBand", [](QsoEntry& e) { e.band = 6; },
                 "QSO:       PH 2026-04-05 1507 QQ1AAA        59       7 QQ2BBB        59      12"}),
    [](const testing::TestParamInfo<LineCase>& info) { return info.param.name; });

// The date and time come in unchecked: another length moves the fields before column 45 only.
TEST(ComposeQsoLine, ShortDateAndTimeMoveOnlyTheUsedCall) {
    QsoEntry entry = FirstContact();
    entry.date = "2026-4-5";
    entry.time = "9:5";
    const std::string line = ComposeQsoLine(entry);
    // "9:5" gives its characters 1-2 and nothing for 4-5.
    EXPECT_EQ(line, "QSO: 14000 PH 2026-4-5 9: QQ1AAA            59       7 QQ2BBB        59      12");
}

} // namespace
