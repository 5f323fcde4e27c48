#pragma once

#include <string_view>

namespace zevo {

// A band or a mode chosen by typing it into the call field and pressing Enter. A call always has a
// letter and a digit, so a text of digits only, "CW" or "SSB" is never a call.
struct EntryCommand {
    enum class Kind { None, Band, Mode };
    Kind kind = Kind::None;
    int band = 0;           // a band: the entry of the band list, 0 ("160M") to 5 ("10M")
    bool firstMode = false; // a mode: SSB, the first entry of the mode list; false for CW

    bool operator==(const EntryCommand&) const = default;
};

// The command that `typed` names: a band by its metres ("20", "160") or by a frequency in kilohertz
// inside it ("14025", "3550.5"), a mode by its name in either case; Kind::None for any other text.
EntryCommand ReadEntryCommand(std::string_view typed);

} // namespace zevo
