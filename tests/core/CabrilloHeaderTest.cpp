#include "CabrilloHeader.h"

#include <gtest/gtest.h>

namespace {

using zevo::Power;
using zevo::TickedBands;
using Item = std::optional<std::string>;

// Ticked boxes by band name, lowest first, as they stand in the dialog.
TickedBands Ticked(std::initializer_list<const char*> bands) {
    static const char* const names[] = {"160", "80", "40", "20", "15", "10"};
    TickedBands ticked{};
    for (const char* band : bands)
        for (std::size_t i = 0; i < ticked.size(); ++i)
            if (std::string(band) == names[i])
                ticked[i] = true;
    return ticked;
}

// --- the band list ---

struct BandListCase {
    const char* name;
    TickedBands ticked;
    const char* list;
};

class BandListTest : public testing::TestWithParam<BandListCase> {};

TEST_P(BandListTest, NamesTheTickedBandsLowestFirst) {
    EXPECT_EQ(zevo::BandList(GetParam().ticked), GetParam().list);
}

INSTANTIATE_TEST_SUITE_P(Boxes, BandListTest,
                         testing::Values(BandListCase{"None", Ticked({}), ""},
                                         BandListCase{"Only160", Ticked({"160"}), "160M "},
                                         BandListCase{"Only10", Ticked({"10"}), "10M "},
                                         BandListCase{"Three", Ticked({"40", "160", "80"}), "160M 80M 40M "},
                                         BandListCase{"All", Ticked({"160", "80", "40", "20", "15", "10"}),
                                                      "160M 80M 40M 20M 15M 10M "}),
                         [](const testing::TestParamInfo<BandListCase>& info) {
                             return std::string(info.param.name);
                         });

// --- the category value and what it sets on the main window ---

struct CategoryCase {
    const char* name;
    Item operatorItem;
    Item bandItem;
    Item modeItem;
    Power power;
    TickedBands ticked;
    const char* value;
    Item mode;
    Item reports;
    Item band;
};

const Item None = std::nullopt;

class CategoryTest : public testing::TestWithParam<CategoryCase> {};

TEST_P(CategoryTest, ComposesTheValueAndTheMainWindowDefaults) {
    const CategoryCase& row = GetParam();
    const zevo::CategoryChoices choices{row.operatorItem, row.bandItem, row.modeItem, row.power,
                                        zevo::BandList(row.ticked)};
    const zevo::Category category = zevo::ComposeCategory(choices);
    EXPECT_EQ(category.value, row.value);
    EXPECT_EQ(zevo::CategoryValue(choices), row.value);
    EXPECT_EQ(category.mode, row.mode);
    EXPECT_EQ(category.reports, row.reports);
    EXPECT_EQ(category.band, row.band);
}

INSTANTIATE_TEST_SUITE_P(
    Choices, CategoryTest,
    testing::Values(
        CategoryCase{
            "AllBandsCwHigh", "SINGLE", "All Bands", "CW", Power::High, {}, "SO AB CW HP", "CW", "599", None},
        CategoryCase{
            "AllBandsCwLow", "SINGLE", "All Bands", "CW", Power::Low, {}, "SO AB CW LP", "CW", "599", None},
        CategoryCase{
            "AllBandsCwQrp", "SINGLE", "All Bands", "CW", Power::Qrp, {}, "SO AB CW QRP", "CW", "599", None},
        CategoryCase{"AllBandsPhoneHigh",
                     "SINGLE",
                     "All Bands",
                     "PHONE",
                     Power::High,
                     {},
                     "SO AB SSB HP",
                     "SSB",
                     "59",
                     None},
        CategoryCase{"AllBandsPhoneLow",
                     "SINGLE",
                     "All Bands",
                     "PHONE",
                     Power::Low,
                     {},
                     "SO AB SSB LP",
                     "SSB",
                     "59",
                     None},
        CategoryCase{"AllBandsPhoneQrp",
                     "SINGLE",
                     "All Bands",
                     "PHONE",
                     Power::Qrp,
                     {},
                     "SO AB SSB QRP",
                     "SSB",
                     "59",
                     None},
        CategoryCase{"AllBandsMixedHigh",
                     "SINGLE",
                     "All Bands",
                     "MIXED",
                     Power::High,
                     {},
                     "SO AB MIXED HP",
                     None,
                     None,
                     None},
        CategoryCase{"AllBandsMixedLow",
                     "SINGLE",
                     "All Bands",
                     "MIXED",
                     Power::Low,
                     {},
                     "SO AB MIXED LP",
                     None,
                     None,
                     None},
        CategoryCase{"AllBandsMixedQrp",
                     "SINGLE",
                     "All Bands",
                     "MIXED",
                     Power::Qrp,
                     {},
                     "SO AB MIXED QRP",
                     None,
                     None,
                     None},
        // Ticked boxes are not read for all bands.
        CategoryCase{"AllBandsIgnoresTickedBoxes", "SINGLE", "All Bands", "MIXED", Power::High,
                     Ticked({"80"}), "SO AB MIXED HP", None, None, None},
        CategoryCase{"TreeBands160To40", "SINGLE", "Tree Bands", "MIXED", Power::High,
                     Ticked({"160", "80", "40"}), "SO TB 160M 80M 40M  MIXED", None, None, "160M"},
        CategoryCase{"TreeBands160And20And10", "SINGLE", "Tree Bands", "MIXED", Power::High,
                     Ticked({"160", "20", "10"}), "SO TB 160M 20M 10M  MIXED", None, None, "160M"},
        CategoryCase{"TreeBands20To10", "SINGLE", "Tree Bands", "MIXED", Power::Low,
                     Ticked({"20", "15", "10"}), "SO TB 20M 15M 10M  MIXED", None, None, "20M"},
        CategoryCase{"TreeBands80And40And15", "SINGLE", "Tree Bands", "MIXED", Power::High,
                     Ticked({"80", "40", "15"}), "SO TB 80M 40M 15M  MIXED", None, None, "80M"},
        CategoryCase{"TreeBands40And20And10", "SINGLE", "Tree Bands", "MIXED", Power::Qrp,
                     Ticked({"40", "20", "10"}), "SO TB 40M 20M 10M  MIXED", None, None, "40M"},
        CategoryCase{"SingleBand160Cw", "SINGLE", "Single Band", "CW", Power::High, Ticked({"160"}),
                     "SO 160M  CW", None, None, "160M"},
        CategoryCase{"SingleBand80Cw", "SINGLE", "Single Band", "CW", Power::High, Ticked({"80"}),
                     "SO 80M  CW", None, None, "80M"},
        CategoryCase{"SingleBand15Phone", "SINGLE", "Single Band", "PHONE", Power::High, Ticked({"15"}),
                     "SO 15M  SSB", None, None, "15M"},
        CategoryCase{"SingleBand10Phone", "SINGLE", "Single Band", "PHONE", Power::Qrp, Ticked({"10"}),
                     "SO 10M  SSB", None, None, "10M"},
        CategoryCase{"SingleBand20Phone", "SINGLE", "Single Band", "PHONE", Power::Low, Ticked({"20"}),
                     "SO 20M  SSB", None, None, "20M"},
        // Everything but the first mode item is SSB for a single band.
        CategoryCase{"SingleBandTypedMode", "SINGLE", "Single Band", None, Power::High, Ticked({"40"}),
                     "SO 40M  SSB", None, None, "40M"},
        CategoryCase{
            "Multi", "MULTI", "All Bands", "MIXED", Power::High, {}, "MO AB MIXED", None, None, None},
        CategoryCase{"MultiReadsNoOtherChoice", "MULTI", "Single Band", "CW", Power::Qrp, Ticked({"80"}),
                     "MO AB MIXED", None, None, None},
        CategoryCase{
            "Checklog", "CHECKLOG", "All Bands", "MIXED", Power::High, {}, "CHECKLOG", None, None, None},
        CategoryCase{"ChecklogReadsNoOtherChoice", "CHECKLOG", "Tree Bands", "CW", Power::Low,
                     Ticked({"160", "80", "40"}), "CHECKLOG", None, None, None},
        // Typed text leaves a box without a selected item.
        CategoryCase{
            "TypedOperator", None, "All Bands", "MIXED", Power::High, {}, " AB MIXED HP", None, None, None},
        CategoryCase{
            "TypedOperatorWithCw", None, "All Bands", "CW", Power::Low, {}, " AB CW LP", "CW", "599", None},
        CategoryCase{"TypedOperatorWithTreeBands", None, "Tree Bands", "MIXED", Power::High,
                     Ticked({"160", "80", "40"}), " TB 160M 80M 40M  MIXED", None, None, "160M"},
        CategoryCase{"TypedBandChoice", "SINGLE", None, "MIXED", Power::High, {}, "SO", None, None, None},
        CategoryCase{"TypedMode", "SINGLE", "All Bands", None, Power::High, {}, "SO AB HP", None, None, None},
        CategoryCase{"TypedOperatorAndBandChoice", None, None, "CW", Power::High, {}, "", None, None, None}),
    [](const testing::TestParamInfo<CategoryCase>& info) { return std::string(info.param.name); });

// --- the soapbox lines ---

struct SoapboxCase {
    const char* name;
    std::vector<std::string> shown;
    std::vector<std::string> lines;
};

class SoapboxTest : public testing::TestWithParam<SoapboxCase> {};

TEST_P(SoapboxTest, GivesOneLinePerShownLineButAnEmptyLastOne) {
    EXPECT_EQ(zevo::SoapboxLines(GetParam().shown), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Memo, SoapboxTest,
    testing::Values(SoapboxCase{"NoLine", {}, {}}, SoapboxCase{"EmptyBox", {""}, {}},
                    SoapboxCase{"OneLine", {"73 to all"}, {"SOAPBOX: 73 to all"}},
                    SoapboxCase{"EmptyMiddleLine",
                                {"first", "", "third"},
                                {"SOAPBOX: first", "SOAPBOX: ", "SOAPBOX: third"}},
                    SoapboxCase{"EmptyLastLineDropped", {"first", ""}, {"SOAPBOX: first"}},
                    // Only the very last line is dropped when empty.
                    SoapboxCase{"TwoEmptyLines", {"", ""}, {"SOAPBOX: "}},
                    SoapboxCase{"BlanksKept", {" a ", "  "}, {"SOAPBOX:  a ", "SOAPBOX:   "}},
                    SoapboxCase{"WrappedLineGivesSeveral",
                                {"a long remark that the box ", "wraps in two"},
                                {"SOAPBOX: a long remark that the box ", "SOAPBOX: wraps in two"}}),
    [](const testing::TestParamInfo<SoapboxCase>& info) { return std::string(info.param.name); });

// --- the header lines ---

const std::string Generated = "SOAPBOX: GENERATED BY \"DUVUZOZEVED\" PROGRAM VER.5.00 - ZEVO CONTEST TEAM";

TEST(HeaderLinesTest, FilledDialogGivesTheCabrilloHeaderByteForByte) {
    zevo::HeaderFields fields;
    fields.usedCall = "SP 9ZZZ";
    fields.category = "SO AB MIXED HP";
    fields.claimedScore = "1234";
    fields.name = "J\xf3zef Kowalski"; // Windows-1250 bytes pass unchanged
    fields.email = "sp9zzz@example.org";
    fields.street = "ul. D\xb3uga 5";
    fields.city = "Krak\xf3w";
    fields.country = "Poland";
    fields.operators = "SP9ZZZ SP9YYY";
    fields.soapbox = {"Nice contest", "", "73!", ""};
    const std::vector<std::string> expected{
        "START-OF-LOG: 2.0",
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
        Generated,
    };
    EXPECT_EQ(zevo::HeaderLines(fields), expected);
}

TEST(HeaderLinesTest, EmptyFieldsGiveTheirTagsAlone) {
    zevo::HeaderFields fields;
    fields.usedCall = "   "; // blanks pass the required check and vanish here
    fields.category = "CHECKLOG";
    const std::vector<std::string> expected{
        "START-OF-LOG: 2.0", "CONTEST: ZEVO CONTEST",
        "CALLSIGN: ",        "CATEGORY: CHECKLOG",
        "CLAIMED-SCORE: ",   "NAME: ",
        "E-MAIL: ",          "ADDRESS: ",
        "ADDRESS: ",         "ADDRESS: ",
        "OPERATORS: ",       Generated,
    };
    EXPECT_EQ(zevo::HeaderLines(fields), expected);
}

TEST(HeaderLinesTest, OnlyTheUsedCallLosesItsBlanks) {
    zevo::HeaderFields fields;
    fields.usedCall = " S P9 ZZZ/P ";
    fields.category = " AB MIXED HP";
    fields.claimedScore = "0";
    fields.name = " Jan  Nowak ";
    fields.street = "  ";
    fields.operators = "sp9zzz  sp9yyy ";
    const std::vector<std::string> lines = zevo::HeaderLines(fields);
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[2], "CALLSIGN: SP9ZZZ/P");
    EXPECT_EQ(lines[3], "CATEGORY:  AB MIXED HP");
    EXPECT_EQ(lines[4], "CLAIMED-SCORE: 0");
    EXPECT_EQ(lines[5], "NAME:  Jan  Nowak ");
    EXPECT_EQ(lines[7], "ADDRESS:   ");
    EXPECT_EQ(lines[10], "OPERATORS: sp9zzz  sp9yyy ");
    EXPECT_EQ(lines[11], Generated);
}

} // namespace
