#include "DateTime.h"

namespace zevo {

std::optional<std::string> ProposedContestDate(int year) {
    // The contest falls on the first weekend of April; the days repeat in a six-year table counted
    // from 2004. C++ division truncates, so years before 2004 give a remainder from -5 to -1.
    static const char* const days[] = {"-04-03", "-04-02", "-04-01", "-04-07", "-04-05", "-04-04"};
    const int r = (year - 2004) % 6;
    if (r < 0)
        return std::nullopt;
    return std::to_string(year) + days[r];
}

} // namespace zevo
