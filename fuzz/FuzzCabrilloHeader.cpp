// The category value and the header lines over any choices and field texts: every line starts with
// its tag, the soapbox gives one line per shown line, and no line breaks where the texts do not.

#include "CabrilloHeader.h"
#include "FuzzInput.h"

using namespace zevo;
using namespace zevo::fuzz;

namespace {

std::optional<std::string> Item(const std::string& text) {
    // A leading '~' stands for a typed text: no item selected.
    if (!text.empty() && text[0] == '~')
        return std::nullopt;
    return text;
}

bool StartsWith(const std::string& text, std::string_view tag) {
    return text.compare(0, tag.size(), tag) == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // operator, band choice, mode, power, ticked boxes, then the nine header fields, then the soapbox
    const std::vector<std::string> f = Fields(Bytes(data, size), 14);

    TickedBands ticked{};
    for (std::size_t i = 0; i < BandBoxCount && i < f[4].size(); ++i)
        ticked[i] = f[4][i] == 'x';
    const std::string bandList = BandList(ticked);
    Require(bandList.size() <= 255 && (bandList.empty() || bandList.back() == ' '),
            "band words end in a blank");

    CategoryChoices choices{Item(f[0]), Item(f[1]), Item(f[2]),
                            f[3] == "QRP" ? Power::Qrp : (f[3] == "LOW" ? Power::Low : Power::High),
                            bandList};
    const Category category = ComposeCategory(choices);
    Require(!HasLineBreak(category.value), "a category value never breaks its line");
    Require(!category.mode || *category.mode == "CW" || *category.mode == "SSB", "the mode is CW or SSB");
    Require(!category.reports || *category.reports == (category.mode == "CW" ? "599" : "59"),
            "the reports follow the mode");

    CategoryControls controls;
    controls.operatorItem = choices.operatorItem;
    controls.bandItem = choices.bandItem;
    controls.modeItem = choices.modeItem;
    controls.power = choices.power;
    for (const auto& step : {OperatorChosen, BandChoiceChosen, ModeChosen}) {
        controls = step(controls);
        Require(controls.mixedListed || controls.modeItem != "MIXED", "MIXED is chosen only when listed");
    }

    HeaderFields fields{f[5], category.value, f[6], f[7], f[8], f[9], f[10], f[11], f[12], {}};
    fields.soapbox.assign(f.begin() + 13, f.end());
    const std::vector<std::string> lines = HeaderLines(fields);
    const std::size_t shown = fields.soapbox.size() - (fields.soapbox.back().empty() ? 1 : 0);
    Require(lines.size() == 12 + shown, "one SOAPBOX line for each shown line");
    static constexpr std::string_view Tags[] = {
        "START-OF-LOG: 2.0", "CONTEST: ", "CALLSIGN: ", "CATEGORY: ", "CLAIMED-SCORE: ", "NAME: ",
        "E-MAIL: ",          "ADDRESS: ", "ADDRESS: ",  "ADDRESS: ",  "OPERATORS: "};
    for (std::size_t i = 0; i < std::size(Tags); ++i)
        Require(StartsWith(lines[i], Tags[i]), "every header line starts with its tag");
    for (std::size_t i = std::size(Tags); i < lines.size(); ++i)
        Require(StartsWith(lines[i], "SOAPBOX: "), "the rest are SOAPBOX lines");
    Require(lines[2].find(' ', 10) == std::string::npos, "the call sign holds no blank");
    std::vector<std::string> texts(f.begin() + 5, f.end());
    for (const std::string& line : lines)
        Require(AnyLineBreak(texts) || !HasLineBreak(line),
                "texts without line breaks give lines without one");
    return 0;
}
