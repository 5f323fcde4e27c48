#include "CabrilloHeader.h"

#include <gtest/gtest.h>

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

} // namespace
