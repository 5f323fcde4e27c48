#pragma once

#include "CallIndex.h"
#include "DupeCheck.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zevo {

// A file of calls known to be active in contests: one call a line, "#" comment lines, a "!" line of
// settings at the top in recent copies, CRLF line ends.

// A line that is no call, skipped.
struct SkippedLine {
    std::size_t line = 0; // from 1
    std::string text;
};

struct CheckFileRead {
    std::vector<std::string> calls; // as calls are compared (CallKey), each once, sorted
    std::size_t duplicates = 0;
    std::vector<SkippedLine> notCalls;
};

// Why a file is refused as a whole: the file already loaded stays.
enum class CheckFileRefusal : unsigned char { None, TooLarge, Binary, NoCalls };

inline constexpr std::size_t CheckFileMaxBytes = std::size_t{10} * 1024 * 1024;

// Blank, "#" and "!" lines are skipped; a CR at the end of a line is dropped.
CheckFileRead ReadCheckFile(std::string_view bytes);
// What is wrong with the file as a whole; `read` is what ReadCheckFile made of it.
CheckFileRefusal RefusalOf(std::string_view bytes, const CheckFileRead& read);

// The calls of a check file, for the lookups made while a call is typed. The calls stay sorted, so those
// beginning with a fragment are one range; those holding it are found through the pairs and triples of
// characters of the calls, as in CallIndex: each piece lists the positions of its calls in order, all
// pieces in one array laid out by piece, built in two passes at load.
class CheckCalls final {
public:
    CheckCalls() = default;
    explicit CheckCalls(std::vector<std::string> calls);

    std::size_t Size() const { return m_calls.size(); }
    bool Holds(std::string_view call) const;

    // The calls beginning with `fragment`, then those holding it elsewhere, skipping the calls `skip`
    // says yes to (the log's own, listed above them): the first `limit` of each, and how many others
    // there are. `skip` is asked only of calls about to be listed, so that a keystroke costs the same
    // in a long log as in a short one: the count of the others may hold calls `skip` would say yes to.
    template <typename Skip>
    void Matching(std::string_view fragment, std::size_t limit, Skip skip, CallMatches& starting,
                  CallMatches& containing) const;

private:
    struct Range {
        std::uint32_t from = 0;
        std::uint32_t to = 0;
    };
    Range StartingRange(std::string_view fragment) const;
    // The positions of the calls holding the piece of `fragment` held by the fewest calls; false when
    // some piece is held by none.
    bool Rarest(std::string_view fragment, const std::uint32_t*& begin, const std::uint32_t*& end) const;

    std::vector<std::string> m_calls;
    std::vector<std::uint32_t> m_pieceStart; // by piece number, one more at the end
    std::vector<std::uint32_t> m_positions;
};

// The Check panel's three groups for the fragment typed.
struct CheckPanelGroups {
    FragmentCheck log;
    CallMatches starting;   // the file's calls beginning with the fragment, not in the log
    CallMatches containing; // the file's other calls holding it, not in the log
};
CheckPanelGroups CheckPanelFor(const CallIndex& log, const CheckCalls& file, std::string_view fragment,
                               BandMode at, std::size_t limit = FragmentCheckLimit);

// A whole call new to the log is worth a second look when a loaded file does not know it either.
bool NotInCheckFile(const CallVerdict& verdict, const CheckCalls& file, std::string_view call);

template <typename Skip>
void CheckCalls::Matching(std::string_view fragment, std::size_t limit, Skip skip, CallMatches& starting,
                          CallMatches& containing) const {
    starting = {};
    containing = {};
    const Range range = StartingRange(fragment);
    std::uint32_t at = range.from;
    for (; at < range.to && starting.calls.size() < limit; ++at)
        if (!skip(m_calls[at]))
            starting.calls.push_back(m_calls[at]);
    starting.total = starting.calls.size() + (range.to - at);

    const std::uint32_t* begin = nullptr;
    const std::uint32_t* end = nullptr;
    if (fragment.size() < 2 || !Rarest(fragment, begin, end))
        return;
    // A fragment of two or three characters is a piece itself: its calls are exactly the matches, and
    // the starting range lies among them, so the count of the others needs no pass over them.
    const bool exact = fragment.size() <= 3;
    std::size_t others = exact ? static_cast<std::size_t>(end - begin) - (range.to - range.from) : 0;
    for (const std::uint32_t* position = begin; position != end; ++position) {
        if (*position >= range.from && *position < range.to)
            continue;
        const std::string& call = m_calls[*position];
        if (!exact && call.find(fragment) == std::string::npos)
            continue;
        if (containing.calls.size() < limit) {
            if (!skip(call))
                containing.calls.push_back(call);
            if (exact)
                --others;
        } else if (exact) {
            break;
        } else {
            ++others;
        }
    }
    containing.total = containing.calls.size() + others;
}

} // namespace zevo
