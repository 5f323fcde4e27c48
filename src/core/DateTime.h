#pragma once

#include <optional>
#include <string>

namespace zevo {

// The contest date proposed for a calendar year, "yyyy-mm-dd" in April, or no date for the years
// before the first contest cycle that the six-year table covers (the remainder is negative).
std::optional<std::string> ProposedContestDate(int year);

} // namespace zevo
