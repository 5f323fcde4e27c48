#include "RigControl.h"

#include "QsoLine.h"

#include <charconv>

namespace zevo {

namespace {

// An answer is a few short lines: more than this without its end is no answer of rigctld.
constexpr std::size_t LongestAnswer = 1024;

std::optional<long long> Number(std::string_view text) {
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || ptr != end || text.empty())
        return std::nullopt;
    return value;
}

} // namespace

RigTake TakeRigAnswer(std::string& buffer, std::string_view key) {
    RigTake take;
    std::size_t start = 0;
    for (std::size_t end = buffer.find('\n'); end != std::string::npos; end = buffer.find('\n', start)) {
        std::string_view line(buffer.data() + start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.starts_with("RPRT ")) {
            const std::optional<long long> result = Number(line.substr(5));
            if (!result || *result > 0 || *result < -100)
                return {RigTake::Kind::Garbage, {}};
            take.kind = RigTake::Kind::Answer;
            take.answer.result = static_cast<int>(*result);
            buffer.erase(0, start);
            return take;
        }
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos || colon == 0)
            return {RigTake::Kind::Garbage, {}};
        // The command's own name ("get_freq:") heads the answer; "Key: value" lines follow it.
        if (line.substr(0, colon) == key && line.substr(colon).starts_with(": "))
            take.answer.value = std::string(line.substr(colon + 2));
    }
    if (buffer.size() > LongestAnswer)
        return {RigTake::Kind::Garbage, {}};
    return {};
}

RigMode LoggedMode(std::string_view mode) {
    if (mode == "USB" || mode == "LSB")
        return RigMode::Ssb;
    if (mode == "CW" || mode == "CWR")
        return RigMode::Cw;
    return RigMode::Other;
}

std::string MegahertzText(long long hertz) {
    const long long kilohertz = hertz / 1000;
    std::string thousandths = std::to_string(kilohertz % 1000);
    thousandths.insert(0, 3 - thousandths.size(), '0');
    return std::to_string(kilohertz / 1000) + "." + thousandths;
}

RigFollow FollowRig(const RigReading& reading, const std::optional<RigReading>& followed) {
    RigFollow follow;
    const int band = BandOfKilohertz(reading.hertz / 1000);
    follow.outsideBands = band < 0;
    // A band picked by hand holds until the radio's frequency changes.
    if (band >= 0 && (!followed || followed->hertz != reading.hertz))
        follow.band = band;
    const RigMode mode = LoggedMode(reading.mode);
    follow.otherMode = mode == RigMode::Other;
    if (mode != RigMode::Other && (!followed || followed->mode != reading.mode))
        follow.ssb = mode == RigMode::Ssb;
    return follow;
}

std::optional<std::string> RigKilohertz(const std::optional<RigReading>& reading, int band) {
    if (!reading || band < 0 || BandOfKilohertz(reading->hertz / 1000) != band)
        return std::nullopt;
    return std::to_string(reading->hertz / 1000);
}

} // namespace zevo
