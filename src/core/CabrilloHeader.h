#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace zevo {

// The six contest bands of the header dialog's band boxes, lowest first: 160m, 80m, 40m, 20m, 15m, 10m.
inline constexpr std::size_t BandBoxCount = 6;
using TickedBands = std::array<bool, BandBoxCount>;

// The band list: "160M ", "80M ", "40M ", "20M ", "15M ", "10M " for each ticked box, lowest band
// first. Every word ends in a blank. At most 255 characters.
std::string BandList(const TickedBands& ticked);

enum class Power { High, Low, Qrp };

// The category choices of the header dialog. A choice box holds the text of its selected item, or
// nothing when no item is selected (the operator typed into it).
struct CategoryChoices {
    std::optional<std::string> operatorItem; // "SINGLE", "MULTI", "CHECKLOG"
    std::optional<std::string> bandItem;     // "All Bands", "Tree Bands", "Single Band"
    std::optional<std::string> modeItem;     // "CW", "PHONE", "MIXED"
    Power power = Power::High;
    std::string bandList; // BandList() of the ticked band boxes
};

// The category and the defaults it gives the main window; what is left empty stays as it is there.
struct Category {
    std::string value;                  // what follows "CATEGORY: "
    std::optional<std::string> mode;    // "CW" or "SSB"
    std::optional<std::string> reports; // both reports, "599" or "59"
    std::optional<std::string> band;    // "160M" ... "10M"
};

Category ComposeCategory(const CategoryChoices& choices);

// The category controls of the header dialog as the interlocks see them. A choice box holds the text
// of its selected item, or nothing when the operator typed into it. The start is the dialog's own.
struct CategoryControls {
    std::optional<std::string> operatorItem = "SINGLE";
    std::optional<std::string> bandItem = "All Bands";
    std::optional<std::string> modeItem = "MIXED";
    bool mixedListed = true; // the mode list holds its third item, "MIXED"
    bool bandChoiceEnabled = true;
    bool modeChoiceEnabled = true;
    bool bandBoxesEnabled = false;
    bool highLowEnabled = true; // the High and Low power buttons
    bool qrpEnabled = true;
    Power power = Power::High;

    bool operator==(const CategoryControls&) const = default;
};

// The interlocks: the controls after the operator chose (or typed) an operator, a band choice or a mode.
CategoryControls OperatorChosen(CategoryControls controls);
CategoryControls BandChoiceChosen(CategoryControls controls);
CategoryControls ModeChosen(CategoryControls controls);

// Why OK refuses the header, in the order the checks run.
enum class HeaderRefusal { NoUsedCall, NoName, NoAddress, NotThreeBands, NotOneBand };

std::optional<HeaderRefusal> CheckHeader(const std::string& usedCall, const std::string& name,
                                         const std::string& street,
                                         const std::optional<std::string>& bandItem,
                                         const TickedBands& ticked);

// The texts of the header dialog's fields, as typed.
struct HeaderFields {
    std::string usedCall;
    std::string category;
    std::string claimedScore;
    std::string name;
    std::string email;
    std::string street;
    std::string city;
    std::string country;
    std::string operators;
    // The lines that the soapbox box shows, a wrapped line counting as several.
    std::vector<std::string> soapbox;
};

// One "SOAPBOX: " line for each shown line of the comment box; its last line does not count when it
// is empty (so an empty box gives none).
std::vector<std::string> SoapboxLines(const std::vector<std::string>& shownLines);

// The last header line, naming the program that wrote the log.
std::string GeneratedSoapboxLine();

// The Cabrillo header, "START-OF-LOG: 2.0" to the generated SOAPBOX line. The used call loses its
// blanks; every other text is written as it is, an empty one giving its tag alone.
std::vector<std::string> HeaderLines(const HeaderFields& fields);

} // namespace zevo
