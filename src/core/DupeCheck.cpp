#include "DupeCheck.h"

#include "QsoLine.h"

#include <algorithm>

namespace zevo {

namespace {

bool IsDupe(BandMode worked, BandMode at) {
    return worked.band >= 0 && worked == at;
}

// The band list's order, SSB before CW, the frequencies outside the list last.
bool InBandOrder(BandMode a, BandMode b) {
    const auto rank = [](BandMode bandMode) {
        return (bandMode.band < 0 ? BandCount : bandMode.band) * 2 + (bandMode.phone ? 0 : 1);
    };
    return rank(a) < rank(b);
}

std::vector<BandMode> WorkedOn(const std::vector<CallRow>& rows) {
    std::vector<BandMode> worked;
    worked.reserve(rows.size());
    for (const CallRow& row : rows)
        worked.push_back({row.band, row.phone});
    std::sort(worked.begin(), worked.end(), InBandOrder);
    worked.erase(std::unique(worked.begin(), worked.end()), worked.end());
    return worked;
}

// The time of a contact, "hhmm", as "hh:mm"; whatever a loaded line holds there otherwise.
std::string TimeOf(std::string_view line) {
    const std::optional<QsoRecord> record = ReadQsoRecord(line);
    std::string time(record ? record->time : std::string_view());
    if (time.size() == 4)
        time.insert(2, 1, ':');
    return time;
}

} // namespace

CallVerdict CheckCall(const CallIndex& calls, LinesView lines, std::string_view call, BandMode at) {
    CallVerdict verdict;
    const std::vector<CallRow> rows = calls.Rows(call);
    if (rows.empty())
        return verdict;
    verdict.worked = WorkedOn(rows);
    verdict.kind = CallVerdict::Kind::Worked;
    const auto first = std::find_if(rows.begin(), rows.end(), [at](const CallRow& row) {
        return IsDupe({row.band, row.phone}, at);
    });
    if (first != rows.end()) {
        verdict.kind = CallVerdict::Kind::Dupe;
        verdict.row = first->row;
        verdict.time = first->row < lines.size() ? TimeOf(lines[first->row]) : std::string();
    }
    return verdict;
}

FragmentCheck CheckFragment(const CallIndex& calls, std::string_view fragment, BandMode at,
                            std::size_t limit) {
    FragmentCheck check;
    const CallMatches matches = calls.Containing(fragment, limit);
    for (const std::string& call : matches.calls) {
        FragmentMatch match{call, WorkedOn(calls.Rows(call)), false};
        match.dupe = std::any_of(match.worked.begin(), match.worked.end(),
                                 [at](BandMode worked) { return IsDupe(worked, at); });
        check.calls.push_back(std::move(match));
    }
    check.more = matches.total - matches.calls.size();
    return check;
}

std::string BandModeText(BandMode bandMode) {
    const std::string_view name = BandName(bandMode.band);
    return std::string(name.empty() ? "?" : name) + (bandMode.phone ? " SSB" : " CW");
}

std::string BandModesText(const std::vector<BandMode>& worked, std::optional<BandMode> dupeAt) {
    std::string text;
    for (const BandMode bandMode : worked) {
        if (!text.empty())
            text += ", ";
        text += BandModeText(bandMode);
        if (dupeAt && IsDupe(bandMode, *dupeAt))
            text += '*';
    }
    return text;
}

std::vector<std::string> FragmentLines(const FragmentCheck& check, BandMode at) {
    std::size_t width = 0;
    for (const FragmentMatch& match : check.calls)
        width = std::max(width, match.call.size());
    std::vector<std::string> lines;
    for (const FragmentMatch& match : check.calls) {
        std::string line = match.call;
        line.resize(width + 2, ' ');
        lines.push_back(line + BandModesText(match.worked, at));
    }
    return lines;
}

} // namespace zevo
