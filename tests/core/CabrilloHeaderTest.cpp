#include "CabrilloHeader.h"

#include <gtest/gtest.h>

namespace {

using Item = std::optional<std::string>;
const Item Typed = std::nullopt; // the operator typed into the box: no item selected
constexpr auto HP = zevo::Power::High;
constexpr auto LP = zevo::Power::Low;
constexpr auto QRP = zevo::Power::Qrp;

// Ticked band boxes by name, e.g. "160 20 10".
zevo::TickedBands Ticked(const std::string& bands) {
    const char* const names[] = {"160", "80", "40", "20", "15", "10"};
    zevo::TickedBands ticked{};
    for (std::size_t i = 0; i < ticked.size(); ++i)
        ticked[i] = (" " + bands + " ").find(" " + std::string(names[i]) + " ") != std::string::npos;
    return ticked;
}

TEST(BandListTest, NamesTheTickedBandsLowestFirst) {
    EXPECT_EQ(zevo::BandList(Ticked("")), "");
    EXPECT_EQ(zevo::BandList(Ticked("10")), "10M ");
    EXPECT_EQ(zevo::BandList(Ticked("40 160 80")), "160M 80M 40M ");
    EXPECT_EQ(zevo::BandList(Ticked("10 15 20 40 80 160")), "160M 80M 40M 20M 15M 10M ");
}

struct CategoryCase {
    const char* name;
    Item operatorItem, bandItem, modeItem;
    zevo::Power power;
    const char* ticked;
    const char* value;
    const char* mainWindow; // what it sets there: mode, both reports, band; "-" for nothing
};

std::string Show(const Item& item) {
    return item.value_or("-");
}

class CategoryTest : public testing::TestWithParam<CategoryCase> {};

TEST_P(CategoryTest, ComposesTheValueAndTheMainWindowDefaults) {
    const CategoryCase& row = GetParam();
    const zevo::CategoryChoices choices{row.operatorItem, row.bandItem, row.modeItem, row.power,
                                        zevo::BandList(Ticked(row.ticked))};
    const zevo::Category category = zevo::ComposeCategory(choices);
    EXPECT_EQ(category.value, row.value);
    EXPECT_EQ(zevo::CategoryValue(choices), row.value);
    EXPECT_EQ(Show(category.mode) + " " + Show(category.reports) + " " + Show(category.band), row.mainWindow);
}

INSTANTIATE_TEST_SUITE_P(
    Choices, CategoryTest,
    testing::Values(
        CategoryCase{"CwHigh", "SINGLE", "All Bands", "CW", HP, "", "SO AB CW HP", "CW 599 -"},
        CategoryCase{"CwLow", "SINGLE", "All Bands", "CW", LP, "", "SO AB CW LP", "CW 599 -"},
        CategoryCase{"CwQrp", "SINGLE", "All Bands", "CW", QRP, "", "SO AB CW QRP", "CW 599 -"},
        CategoryCase{"PhoneHigh", "SINGLE", "All Bands", "PHONE", HP, "", "SO AB SSB HP", "SSB 59 -"},
        CategoryCase{"PhoneLow", "SINGLE", "All Bands", "PHONE", LP, "", "SO AB SSB LP", "SSB 59 -"},
        CategoryCase{"PhoneQrp", "SINGLE", "All Bands", "PHONE", QRP, "", "SO AB SSB QRP", "SSB 59 -"},
        CategoryCase{"MixedHigh", "SINGLE", "All Bands", "MIXED", HP, "", "SO AB MIXED HP", "- - -"},
        CategoryCase{"MixedLow", "SINGLE", "All Bands", "MIXED", LP, "80", "SO AB MIXED LP", "- - -"},
        CategoryCase{"MixedQrp", "SINGLE", "All Bands", "MIXED", QRP, "", "SO AB MIXED QRP", "- - -"},
        CategoryCase{"Tree160To40", "SINGLE", "Tree Bands", "MIXED", HP, "160 80 40",
                     "SO TB 160M 80M 40M  MIXED", "- - 160M"},
        CategoryCase{"Tree160And20And10", "SINGLE", "Tree Bands", "MIXED", LP, "160 20 10",
                     "SO TB 160M 20M 10M  MIXED", "- - 160M"},
        CategoryCase{"Tree20To10", "SINGLE", "Tree Bands", "MIXED", QRP, "20 15 10",
                     "SO TB 20M 15M 10M  MIXED", "- - 20M"},
        CategoryCase{"Tree80And40And15", "SINGLE", "Tree Bands", "CW", HP, "80 40 15",
                     "SO TB 80M 40M 15M  MIXED", "- - 80M"},
        CategoryCase{"Tree40And20And10", "SINGLE", "Tree Bands", "MIXED", HP, "40 20 10",
                     "SO TB 40M 20M 10M  MIXED", "- - 40M"},
        CategoryCase{"Single160Cw", "SINGLE", "Single Band", "CW", HP, "160", "SO 160M  CW", "- - 160M"},
        CategoryCase{"Single80Cw", "SINGLE", "Single Band", "CW", QRP, "80", "SO 80M  CW", "- - 80M"},
        CategoryCase{"Single20Phone", "SINGLE", "Single Band", "PHONE", HP, "20", "SO 20M  SSB", "- - 20M"},
        CategoryCase{"Single15Phone", "SINGLE", "Single Band", "PHONE", HP, "15", "SO 15M  SSB", "- - 15M"},
        CategoryCase{"Single10Phone", "SINGLE", "Single Band", "PHONE", LP, "10", "SO 10M  SSB", "- - 10M"},
        // Anything but the first mode item is SSB on a single band.
        CategoryCase{"SingleTypedMode", "SINGLE", "Single Band", Typed, HP, "40", "SO 40M  SSB", "- - 40M"},
        CategoryCase{"Multi", "MULTI", "All Bands", "MIXED", HP, "", "MO AB MIXED", "- - -"},
        CategoryCase{"MultiReadsNothingElse", "MULTI", "Single Band", "CW", QRP, "80", "MO AB MIXED",
                     "- - -"},
        CategoryCase{"Checklog", "CHECKLOG", "All Bands", "MIXED", HP, "", "CHECKLOG", "- - -"},
        CategoryCase{"ChecklogReadsNothingElse", "CHECKLOG", "Tree Bands", "CW", LP, "160 80 40", "CHECKLOG",
                     "- - -"},
        CategoryCase{"TypedOperator", Typed, "All Bands", "MIXED", HP, "", " AB MIXED HP", "- - -"},
        CategoryCase{"TypedOperatorCw", Typed, "All Bands", "CW", LP, "", " AB CW LP", "CW 599 -"},
        CategoryCase{"TypedOperatorTree", Typed, "Tree Bands", "MIXED", HP, "160 80 40",
                     " TB 160M 80M 40M  MIXED", "- - 160M"},
        CategoryCase{"TypedBandChoice", "SINGLE", Typed, "MIXED", HP, "20", "SO", "- - -"},
        CategoryCase{"TypedMode", "SINGLE", "All Bands", Typed, HP, "", "SO AB HP", "- - -"},
        CategoryCase{"TypedOperatorAndBandChoice", Typed, Typed, "CW", HP, "", "", "- - -"}),
    [](const testing::TestParamInfo<CategoryCase>& info) { return std::string(info.param.name); });

TEST(SoapboxLinesTest, OneLinePerShownLineButAnEmptyLastOne) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(zevo::SoapboxLines({}), Lines{});
    EXPECT_EQ(zevo::SoapboxLines({""}), Lines{}); // an empty box
    EXPECT_EQ(zevo::SoapboxLines({"first", "", "third"}),
              (Lines{"SOAPBOX: first", "SOAPBOX: ", "SOAPBOX: third"}));
    EXPECT_EQ(zevo::SoapboxLines({"first", ""}), Lines{"SOAPBOX: first"});
    EXPECT_EQ(zevo::SoapboxLines({"", ""}), Lines{"SOAPBOX: "});
    // A wrapped line is several shown lines; blanks stay where they are.
    EXPECT_EQ(zevo::SoapboxLines({" a long remark ", "wrapped  "}),
              (Lines{"SOAPBOX:  a long remark ", "SOAPBOX: wrapped  "}));
}

const std::string Generated = "SOAPBOX: GENERATED BY \"DUVUZOZEVED\" PROGRAM VER.5.00 - ZEVO CONTEST TEAM";

TEST(HeaderLinesTest, FilledDialogGivesTheCabrilloHeaderByteForByte) {
    const zevo::HeaderFields fields{
        "SP 9ZZZ",        "SO AB MIXED HP", "1234",   "J\xf3zef Kowalski", "sp9zzz@example.org",
        "ul. D\xb3uga 5", "Krak\xf3w",      "Poland", "SP9ZZZ SP9YYY",     {"Nice contest", "", "73!", ""}};
    const std::vector<std::string> expected{"START-OF-LOG: 2.0",
                                            "CONTEST: ZEVO CONTEST",
                                            "CALLSIGN: SP9ZZZ",
                                            "CATEGORY: SO AB MIXED HP",
                                            "CLAIMED-SCORE: 1234",
                                            "NAME: J\xf3zef Kowalski",
                                            "E-MAIL: sp9zzz@example.org",
                                            "ADDRESS: ul. D\xb3uga 5",
                                            "ADDRESS: Krak\xf3w",
                                            "ADDRESS: Poland",
                                            "OPERATORS: SP9ZZZ SP9YYY",
                                            "SOAPBOX: Nice contest",
                                            "SOAPBOX: ",
                                            "SOAPBOX: 73!",
                                            Generated};
    EXPECT_EQ(zevo::HeaderLines(fields), expected);
}

TEST(HeaderLinesTest, OnlyTheUsedCallLosesItsBlanksAndEmptyFieldsGiveTheirTagsAlone) {
    const zevo::HeaderFields fields{
        " S P9 ZZZ/P ", " AB MIXED HP", "", " Jan  Nowak ", "", "  ", "", "", "a  b ", {}};
    const std::vector<std::string> expected{"START-OF-LOG: 2.0",  "CONTEST: ZEVO CONTEST",
                                            "CALLSIGN: SP9ZZZ/P", "CATEGORY:  AB MIXED HP",
                                            "CLAIMED-SCORE: ",    "NAME:  Jan  Nowak ",
                                            "E-MAIL: ",           "ADDRESS:   ",
                                            "ADDRESS: ",          "ADDRESS: ",
                                            "OPERATORS: a  b ",   Generated};
    EXPECT_EQ(zevo::HeaderLines(fields), expected);
    EXPECT_EQ(zevo::HeaderLines({"   ", "CHECKLOG", "0", "N", "", "S", "", "", "", {}}).at(2), "CALLSIGN: ");
}

} // namespace
