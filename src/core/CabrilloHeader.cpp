#include "CabrilloHeader.h"

#include "Conversion.h"

#include <algorithm>

namespace zevo {

namespace {

constexpr std::array<const char*, BandBoxCount> BandWords{"160M ", "80M ", "40M ", "20M ", "15M ", "10M "};
constexpr std::size_t BandListLimit = 255;

const char* const Credit = "ZEVO CONTEST TEAM";

bool Is(const std::optional<std::string>& item, const char* text) {
    return item && *item == text;
}

std::string OperatorWord(const std::optional<std::string>& item) {
    if (Is(item, "SINGLE"))
        return "SO";
    if (Is(item, "MULTI"))
        return "MO";
    if (Is(item, "CHECKLOG"))
        return "CHECKLOG";
    return {};
}

const char* PowerWord(Power power) {
    switch (power) {
    case Power::High:
        return " HP";
    case Power::Low:
        return " LP";
    case Power::Qrp:
        return " QRP";
    }
    return "";
}

// The first of `searched` that the value holds, else `otherwise`: the lowest band of the category.
std::string FirstBandIn(const std::string& value, std::initializer_list<const char*> searched,
                        const char* otherwise) {
    for (const char* band : searched)
        if (value.find(band) != std::string::npos)
            return band;
    return otherwise;
}

} // namespace

std::string BandList(const TickedBands& ticked) {
    std::string list;
    for (std::size_t i = 0; i < BandBoxCount; ++i)
        if (ticked[i]) {
            list += BandWords[i];
            if (list.size() > BandListLimit)
                list.resize(BandListLimit);
        }
    return list;
}

Category ComposeCategory(const CategoryChoices& choices) {
    Category category;
    std::string& value = category.value;
    value = OperatorWord(choices.operatorItem);
    if (value == "CHECKLOG")
        return category;
    if (value == "MO") {
        value += " AB MIXED";
        return category;
    }

    if (Is(choices.bandItem, "All Bands")) {
        value += " AB";
        if (Is(choices.modeItem, "CW")) {
            value += " CW";
            category.mode = "CW";
            category.reports = "599";
        } else if (Is(choices.modeItem, "PHONE")) {
            value += " SSB";
            category.mode = "SSB";
            category.reports = "59";
        } else if (Is(choices.modeItem, "MIXED")) {
            value += " MIXED";
        }
        value += PowerWord(choices.power);
    } else if (Is(choices.bandItem, "Tree Bands")) {
        // The band words end in a blank, so two blanks stand before MIXED.
        value += " TB " + choices.bandList + " MIXED";
        category.band = FirstBandIn(value, {"160M", "80M", "40M"}, "20M");
    } else if (Is(choices.bandItem, "Single Band")) {
        value += " " + choices.bandList + (Is(choices.modeItem, "CW") ? " CW" : " SSB");
        category.band = FirstBandIn(value, {"160M", "80M", "40M", "20M", "15M"}, "10M");
    }
    return category;
}

CategoryControls OperatorChosen(CategoryControls controls) {
    if (Is(controls.operatorItem, "MULTI") || Is(controls.operatorItem, "CHECKLOG")) {
        // Many operators and a check log have one category of their own: nothing else to choose.
        controls.highLowEnabled = controls.qrpEnabled = false;
        controls.mixedListed = true;
        controls.modeItem = "MIXED";
        controls.modeChoiceEnabled = false;
        controls.bandItem = "All Bands";
        controls.bandChoiceEnabled = false;
        controls.bandBoxesEnabled = false;
        return controls;
    }
    controls.highLowEnabled = controls.qrpEnabled = true;
    controls.modeChoiceEnabled = controls.bandChoiceEnabled = true;
    if (!Is(controls.bandItem, "All Bands"))
        controls.bandBoxesEnabled = true;
    return controls;
}

CategoryControls BandChoiceChosen(CategoryControls controls) {
    const bool treeBands = Is(controls.bandItem, "Tree Bands");
    const bool singleBand = Is(controls.bandItem, "Single Band");
    controls.bandBoxesEnabled = !Is(controls.bandItem, "All Bands");
    controls.highLowEnabled = controls.qrpEnabled = !treeBands && !singleBand;
    // Three bands are always MIXED; a single band is CW or PHONE, so MIXED leaves the list until
    // another band choice brings it back.
    controls.modeChoiceEnabled = !treeBands;
    if (singleBand) {
        controls.modeItem = "CW";
        controls.mixedListed = false;
    } else if (treeBands || !controls.mixedListed) {
        controls.modeItem = "MIXED";
        controls.mixedListed = true;
    }
    return controls;
}

CategoryControls ModeChosen(CategoryControls controls) {
    if (!Is(controls.operatorItem, "SINGLE") || !Is(controls.bandItem, "All Bands"))
        return controls;
    // QRP is a category of MIXED only.
    if (Is(controls.modeItem, "MIXED")) {
        controls.qrpEnabled = true;
        return controls;
    }
    if (controls.power == Power::Qrp)
        controls.power = Power::Low;
    controls.qrpEnabled = false;
    return controls;
}

std::optional<HeaderRefusal> CheckHeader(const std::string& usedCall, const std::string& name,
                                         const std::string& street,
                                         const std::optional<std::string>& bandItem,
                                         const TickedBands& ticked) {
    if (usedCall.empty())
        return HeaderRefusal::NoUsedCall;
    if (name.empty())
        return HeaderRefusal::NoName;
    if (street.empty())
        return HeaderRefusal::NoAddress;
    const auto tickedCount = std::count(ticked.begin(), ticked.end(), true);
    if (Is(bandItem, "Tree Bands") && tickedCount != 3)
        return HeaderRefusal::NotThreeBands;
    if (Is(bandItem, "Single Band") && tickedCount != 1)
        return HeaderRefusal::NotOneBand;
    return std::nullopt;
}

std::vector<std::string> SoapboxLines(const std::vector<std::string>& shownLines) {
    std::size_t count = shownLines.size();
    if (count > 0 && shownLines.back().empty())
        --count;
    std::vector<std::string> lines;
    lines.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        lines.push_back("SOAPBOX: " + shownLines[i]);
    return lines;
}

std::string GeneratedSoapboxLine() {
    return std::string("SOAPBOX: GENERATED BY \"DUVUZOZEVED\" PROGRAM VER.5.00 - ") + Credit;
}

std::vector<std::string> HeaderLines(const HeaderFields& fields) {
    std::vector<std::string> lines{
        "START-OF-LOG: 2.0",
        "CONTEST: ZEVO CONTEST",
        "CALLSIGN: " + WithoutBlanks(fields.usedCall),
        "CATEGORY: " + fields.category,
        "CLAIMED-SCORE: " + fields.claimedScore,
        "NAME: " + fields.name,
        "E-MAIL: " + fields.email,
        "ADDRESS: " + fields.street,
        "ADDRESS: " + fields.city,
        "ADDRESS: " + fields.country,
        "OPERATORS: " + fields.operators,
    };
    for (std::string& soapbox : SoapboxLines(fields.soapbox))
        lines.push_back(std::move(soapbox));
    lines.push_back(GeneratedSoapboxLine());
    return lines;
}

} // namespace zevo
