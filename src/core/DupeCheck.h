#pragma once

#include "LogLines.h"

#include "CallIndex.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zevo {

// A band entry (0 "160M" to 5 "10M", -1 a frequency outside the list) and a mode, SSB or CW.
struct BandMode {
    int band = -1;
    bool phone = false;

    bool operator==(const BandMode&) const = default;
};

// What the log says about a call about to be logged on a band and mode.
struct CallVerdict {
    enum class Kind : unsigned char {
        New,    // not in the log
        Worked, // in the log, on other bands or modes only
        Dupe,   // in the log on this band and mode
    };
    Kind kind = Kind::New;
    // Each band and mode the call was worked on once: the band list's order, SSB before CW, a
    // frequency outside the list last.
    std::vector<BandMode> worked;
    // A dupe: the row of the first contact on this band and mode, and its time "hh:mm".
    std::size_t row = 0;
    std::string time;
};

// The verdict for `call` as typed, in either case: a portable "/P" is a call of its own. `lines` are the
// log's, which `calls` indexes. A contact whose frequency is outside every contest band is never a
// dupe: its band cannot be told.
CallVerdict CheckCall(const CallIndex& calls, LinesView lines, std::string_view call, BandMode at);

// A call of the log that holds the fragment typed so far.
struct FragmentMatch {
    std::string call;
    std::vector<BandMode> worked; // as in CallVerdict
    bool dupe = false;            // worked on the band and mode of the moment
};

struct FragmentCheck {
    std::vector<FragmentMatch> calls; // sorted
    std::size_t more = 0;             // matching calls beyond them
};

inline constexpr std::size_t FragmentCheckLimit = 20;

// The calls of the log that hold `fragment` (two characters or more; nothing for less), the first
// `limit` of them with where they were worked.
FragmentCheck CheckFragment(const CallIndex& calls, std::string_view fragment, BandMode at,
                            std::size_t limit = FragmentCheckLimit);

// "20M SSB"; "? CW" for a frequency outside the band list.
std::string BandModeText(BandMode bandMode);
// "80M SSB, 40M CW"; with `dupeAt`, a "*" marks that band and mode when it is a dupe there.
std::string BandModesText(const std::vector<BandMode>& worked, std::optional<BandMode> dupeAt = std::nullopt);
// A line for each call of the check, "QQ2BBB    20M SSB*, 40M CW": the calls padded alike, so that
// the bands stand in one column in a fixed-pitch font.
std::vector<std::string> FragmentLines(const FragmentCheck& check, BandMode at);

} // namespace zevo
