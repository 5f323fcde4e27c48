#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zevo {

// The questions asked of rigctld in its extended form: each answer ends in "RPRT n", so that an answer
// is whole when that line has come, whatever else it holds.
inline constexpr std::string_view RigFrequencyQuestion = "+f\n";
inline constexpr std::string_view RigModeQuestion = "+m\n";

// One answer of rigctld: its result (0 for success, a negative Hamlib error otherwise) and the value
// of the line that starts with the key asked for ("Frequency", "Mode").
struct RigAnswer {
    int result = 0;
    std::optional<std::string> value;
};

// What is in `buffer` once bytes have come: a whole answer taken off its front, nothing yet, or
// garbage (bytes that no answer is made of: the connection is out of step and starts anew).
struct RigTake {
    enum class Kind { Incomplete, Answer, Garbage };
    Kind kind = Kind::Incomplete;
    RigAnswer answer{};
};
RigTake TakeRigAnswer(std::string& buffer, std::string_view key);

// What the radio said when both questions were answered.
struct RigReading {
    long long hertz = 0;
    std::string mode; // as rigctld names it: "USB", "CW", "PKTLSB"...
    bool operator==(const RigReading&) const = default;
};

// How a mode of the radio is logged: USB and LSB as SSB, CW and CWR as CW; nothing for the others.
enum class RigMode { Ssb, Cw, Other };
RigMode LoggedMode(std::string_view mode);

// "14.025" for 14025000 Hz: megahertz with the kilohertz.
std::string MegahertzText(long long hertz);

// What the band and mode boxes are to do with a reading, taking the reading they last followed
// (nothing before the first).
struct RigFollow {
    std::optional<int> band;   // the band entry to select: the frequency moved into a contest band
    std::optional<bool> ssb;   // the mode to select: the radio's mode changed to one that is logged
    bool outsideBands = false; // the frequency is in no contest band
    bool otherMode = false;    // the radio's mode is not logged
};
RigFollow FollowRig(const RigReading& reading, const std::optional<RigReading>& followed);

// The kilohertz a QSO line carries for a reading while `band` is selected: the radio's frequency when
// it lies inside that band, else nothing (the band's edge then stands).
std::optional<std::string> RigKilohertz(const std::optional<RigReading>& reading, int band);

} // namespace zevo
