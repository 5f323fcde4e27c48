#include "EntryCommand.h"

#include <array>
#include <cstddef>
#include <optional>

namespace zevo {

namespace {

struct BandRange {
    std::string_view metres;
    int lowest; // kHz
    int highest;
};
// In the order of the band list.
constexpr std::array<BandRange, 6> Bands{{{"160", 1800, 2000},
                                          {"80", 3500, 4000},
                                          {"40", 7000, 7300},
                                          {"20", 14000, 14350},
                                          {"15", 21000, 21450},
                                          {"10", 28000, 29700}}};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool SameLetters(std::string_view typed, std::string_view upper) {
    if (typed.size() != upper.size())
        return false;
    for (std::size_t i = 0; i < typed.size(); ++i) {
        const char c =
            typed[i] >= 'a' && typed[i] <= 'z' ? static_cast<char>(typed[i] - 'a' + 'A') : typed[i];
        if (c != upper[i])
            return false;
    }
    return true;
}

// Whole kilohertz of a frequency "14025" or "14025.5"; nothing for any other text.
std::optional<int> Kilohertz(std::string_view typed) {
    const std::size_t point = typed.find('.');
    const std::string_view whole = typed.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view{} : typed.substr(point + 1);
    if (whole.empty() || whole.size() > 5 || (point != std::string_view::npos && fraction.empty()))
        return std::nullopt;
    int value = 0;
    for (const char c : whole) {
        if (!IsDigit(c))
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    for (const char c : fraction)
        if (!IsDigit(c))
            return std::nullopt;
    return value;
}

} // namespace

EntryCommand ReadEntryCommand(std::string_view typed) {
    using Kind = EntryCommand::Kind;
    if (SameLetters(typed, "SSB") || SameLetters(typed, "CW"))
        return {Kind::Mode, 0, SameLetters(typed, "SSB")};
    for (std::size_t band = 0; band < Bands.size(); ++band)
        if (typed == Bands[band].metres)
            return {Kind::Band, static_cast<int>(band), false};
    const std::optional<int> kilohertz = Kilohertz(typed);
    for (std::size_t band = 0; band < Bands.size() && kilohertz; ++band)
        if (*kilohertz >= Bands[band].lowest && *kilohertz <= Bands[band].highest)
            return {Kind::Band, static_cast<int>(band), false};
    return {};
}

} // namespace zevo
