#include "CabrilloHeader.h"

#include <gtest/gtest.h>

#include <cctype>

namespace {

using Item = std::optional<std::string>;
const Item Typed = std::nullopt; // the operator typed into the box: no item selected
constexpr auto HP = zevo::Power::High, LP = zevo::Power::Low, QRP = zevo::Power::Qrp;

struct CategoryCase {
    Item operatorItem, bandItem, modeItem;
    zevo::Power power;
    const char* ticked; // the ticked band boxes, e.g. "160 20 10"
    const char* value;
    const char* mainWindow; // what it sets there: mode, both reports, band; "-" for nothing
};

void PrintTo(const CategoryCase& row, std::ostream* out) {
    *out << '"' << row.value << '"';
}

class CategoryTest : public testing::TestWithParam<CategoryCase> {};

TEST_P(CategoryTest, ComposesTheValueAndTheMainWindowDefaults) {
    const CategoryCase& row = GetParam();
    const char* const names[] = {"160 ", "80 ", "40 ", "20 ", "15 ", "10 "};
    zevo::TickedBands ticked{};
    for (std::size_t i = 0; i < ticked.size(); ++i)
        ticked[i] = (row.ticked + std::string(" ")).find(names[i]) != std::string::npos;
    const zevo::Category category = zevo::ComposeCategory(
        {row.operatorItem, row.bandItem, row.modeItem, row.power, zevo::BandList(ticked)});
    const auto show = [](const Item& item) { return item.value_or("-"); };
    EXPECT_EQ(category.value, row.value);
    EXPECT_EQ(show(category.mode) + " " + show(category.reports) + " " + show(category.band), row.mainWindow);
}

INSTANTIATE_TEST_SUITE_P(
    Choices, CategoryTest,
    testing::Values(
        CategoryCase{"SINGLE", "All Bands", "CW", HP, "", "SO AB CW HP", "CW 599 -"},
        CategoryCase{"SINGLE", "All Bands", "CW", LP, "", "SO AB CW LP", "CW 599 -"},
        CategoryCase{"SINGLE", "All Bands", "CW", QRP, "", "SO AB CW QRP", "CW 599 -"},
        CategoryCase{"SINGLE", "All Bands", "PHONE", HP, "", "SO AB SSB HP", "SSB 59 -"},
        CategoryCase{"SINGLE", "All Bands", "PHONE", LP, "", "SO AB SSB LP", "SSB 59 -"},
        CategoryCase{"SINGLE", "All Bands", "PHONE", QRP, "", "SO AB SSB QRP", "SSB 59 -"},
        CategoryCase{"SINGLE", "All Bands", "MIXED", HP, "", "SO AB MIXED HP", "- - -"},
        CategoryCase{"SINGLE", "All Bands", "MIXED", LP, "80", "SO AB MIXED LP", "- - -"},
        CategoryCase{"SINGLE", "All Bands", "MIXED", QRP, "", "SO AB MIXED QRP", "- - -"},
        // The band words end in a blank: two blanks before the mode. The lowest band goes to the main
        // window; the mode choice does not count on three bands.
        CategoryCase{"SINGLE", "Tree Bands", "MIXED", LP, "160 20 10", "SO TB 160M 20M 10M  MIXED",
                     "- - 160M"},
        CategoryCase{"SINGLE", "Tree Bands", "MIXED", QRP, "20 15 10", "SO TB 20M 15M 10M  MIXED", "- - 20M"},
        CategoryCase{"SINGLE", "Tree Bands", "CW", HP, "80 40 15", "SO TB 80M 40M 15M  MIXED", "- - 80M"},
        CategoryCase{"SINGLE", "Tree Bands", "MIXED", HP, "40 20 10", "SO TB 40M 20M 10M  MIXED", "- - 40M"},
        CategoryCase{"SINGLE", "Single Band", "CW", HP, "160", "SO 160M  CW", "- - 160M"},
        CategoryCase{"SINGLE", "Single Band", "CW", QRP, "80", "SO 80M  CW", "- - 80M"},
        CategoryCase{"SINGLE", "Single Band", "PHONE", HP, "20", "SO 20M  SSB", "- - 20M"},
        CategoryCase{"SINGLE", "Single Band", "PHONE", HP, "15", "SO 15M  SSB", "- - 15M"},
        CategoryCase{"SINGLE", "Single Band", "PHONE", LP, "10", "SO 10M  SSB", "- - 10M"},
        CategoryCase{"SINGLE", "Single Band", Typed, HP, "40", "SO 40M  SSB", "- - 40M"}, // not CW: SSB
        // Many operators and a check log read nothing else.
        CategoryCase{"MULTI", "Single Band", "CW", QRP, "80", "MO AB MIXED", "- - -"},
        CategoryCase{"CHECKLOG", "Tree Bands", "CW", LP, "160 80 40", "CHECKLOG", "- - -"},
        CategoryCase{Typed, "All Bands", "MIXED", HP, "", " AB MIXED HP", "- - -"},
        CategoryCase{Typed, "All Bands", "CW", LP, "", " AB CW LP", "CW 599 -"},
        CategoryCase{"SINGLE", Typed, "MIXED", HP, "20", "SO", "- - -"},
        CategoryCase{"SINGLE", "All Bands", Typed, HP, "", "SO AB HP", "- - -"},
        CategoryCase{Typed, Typed, "CW", HP, "", "", "- - -"}));

TEST(SoapboxLinesTest, AnEmptyBoxGivesNone) {
    EXPECT_TRUE(zevo::SoapboxLines({""}).empty());
}

// The interlocks, played from the dialog's start: "band=Single Band" chooses an item, "mode=" types
// into the box, "power=QRP" clicks a power button. The state reads: operator/band/mode, then the
// flags in the order of CategoryControls (M mixed listed, B band choice, C mode choice, X band
// boxes, H high and low, Q qrp) in capitals when true, then the power.
struct InterlockCase {
    std::vector<std::string> steps;
    const char* state;
};

std::string Describe(const zevo::CategoryControls& c) {
    const auto item = [](const Item& i) { return i.value_or("-"); };
    std::string flags;
    for (auto [on, letter] : {std::pair{c.mixedListed, 'm'},
                              {c.bandChoiceEnabled, 'b'},
                              {c.modeChoiceEnabled, 'c'},
                              {c.bandBoxesEnabled, 'x'},
                              {c.highLowEnabled, 'h'},
                              {c.qrpEnabled, 'q'}})
        flags += on ? char(std::toupper(letter)) : letter;
    const char* power[] = {"HP", "LP", "QRP"};
    return item(c.operatorItem) + "/" + item(c.bandItem) + "/" + item(c.modeItem) + " " + flags + " " +
           power[static_cast<int>(c.power)];
}

class InterlockTest : public testing::TestWithParam<InterlockCase> {};

TEST_P(InterlockTest, LeadsTheControlsWhereTheCategoryAllows) {
    zevo::CategoryControls c;
    for (const std::string& step : GetParam().steps) {
        const std::string what = step.substr(0, step.find('=')), value = step.substr(step.find('=') + 1);
        const Item chosen = value.empty() ? Typed : Item(value);
        if (what == "operator")
            c.operatorItem = chosen, c = zevo::OperatorChosen(c);
        else if (what == "band")
            c.bandItem = chosen, c = zevo::BandChoiceChosen(c);
        else if (what == "mode")
            c.modeItem = chosen, c = zevo::ModeChosen(c);
        else
            c.power = value == "QRP" ? QRP : value == "LP" ? LP : HP;
    }
    EXPECT_EQ(Describe(c), GetParam().state);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, InterlockTest,
    testing::Values(
        InterlockCase{{}, "SINGLE/All Bands/MIXED MBCxHQ HP"},
        InterlockCase{{"operator=MULTI"}, "MULTI/All Bands/MIXED Mbcxhq HP"},
        InterlockCase{{"band=Single Band", "operator=CHECKLOG"}, "CHECKLOG/All Bands/MIXED Mbcxhq HP"},
        InterlockCase{{"operator=MULTI", "operator=SINGLE"}, "SINGLE/All Bands/MIXED MBCxHQ HP"},
        InterlockCase{{"band=Tree Bands", "operator=SINGLE"}, "SINGLE/Tree Bands/MIXED MBCXHQ HP"},
        InterlockCase{{"band=Tree Bands"}, "SINGLE/Tree Bands/MIXED MBcXhq HP"},
        InterlockCase{{"band=Single Band"}, "SINGLE/Single Band/CW mBCXhq HP"},
        InterlockCase{{"band=Single Band", "band=Tree Bands"}, "SINGLE/Tree Bands/MIXED MBcXhq HP"},
        InterlockCase{{"band=Single Band", "band=All Bands"}, "SINGLE/All Bands/MIXED MBCxHQ HP"},
        InterlockCase{{"mode=PHONE", "band="}, "SINGLE/-/PHONE MBCXHQ HP"},
        InterlockCase{{"power=QRP", "mode=CW"}, "SINGLE/All Bands/CW MBCxHq LP"},
        InterlockCase{{"mode=", "mode=MIXED"}, "SINGLE/All Bands/MIXED MBCxHQ HP"},
        InterlockCase{{"band=Tree Bands", "power=QRP", "mode=CW"}, "SINGLE/Tree Bands/CW MBcXhq QRP"}));

struct RefusalCase {
    const char *call, *name, *street;
    Item bandItem;
    const char* ticked; // "101000": 160m and 40m
    std::optional<zevo::HeaderRefusal> refusal;
};

class HeaderCheckTest : public testing::TestWithParam<RefusalCase> {};

TEST_P(HeaderCheckTest, RefusesTheFirstMissingField) {
    const RefusalCase& row = GetParam();
    zevo::TickedBands ticked{};
    for (std::size_t i = 0; i < ticked.size(); ++i)
        ticked[i] = row.ticked[i] == '1';
    EXPECT_EQ(zevo::CheckHeader(row.call, row.name, row.street, row.bandItem, ticked), row.refusal);
}

using R = zevo::HeaderRefusal;
INSTANTIATE_TEST_SUITE_P(Fields, HeaderCheckTest,
                         testing::Values(RefusalCase{"", "", "", "Tree Bands", "000000", R::NoUsedCall},
                                         RefusalCase{"Q", "", "", "All Bands", "000000", R::NoName},
                                         RefusalCase{"Q", "N", "", "All Bands", "000000", R::NoAddress},
                                         RefusalCase{"Q", "N", "S", "Tree Bands", "110000", R::NotThreeBands},
                                         RefusalCase{"Q", "N", "S", "Tree Bands", "111100", R::NotThreeBands},
                                         RefusalCase{"Q", "N", "S", "Tree Bands", "100011", std::nullopt},
                                         RefusalCase{"Q", "N", "S", "Single Band", "000000", R::NotOneBand},
                                         RefusalCase{"Q", "N", "S", "Single Band", "000011", R::NotOneBand},
                                         RefusalCase{"Q", "N", "S", "Single Band", "000001", std::nullopt},
                                         RefusalCase{"Q", "N", "S", Typed, "111111", std::nullopt}));

} // namespace
