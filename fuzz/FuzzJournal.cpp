// The session journal's replay over any bytes: a damaged or foreign file gives back what its complete
// records hold and nothing more; those records replay alike on their own, and a record written after
// them is read back whole.

#include "FuzzInput.h"
#include "Journal.h"

using namespace zevo;
using namespace zevo::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = Bytes(data, size);
    const JournalReplay replay = ReplayJournal(bytes);
    if (!bytes.starts_with(JournalMark)) {
        Require(!replay.state && replay.log.empty() && replay.records == 0, "a foreign file gives nothing");
        return 0;
    }
    Require(replay.completeBytes >= JournalMark.size() && replay.completeBytes <= bytes.size(),
            "the complete records lie within the bytes");
    Require(replay.damaged == (replay.completeBytes < bytes.size()),
            "what follows the complete records is the damage");
    Require(replay.state.has_value() == (replay.records > 0), "a state comes with the records");

    std::string complete(bytes.substr(0, replay.completeBytes));
    const JournalReplay again = ReplayJournal(complete);
    Require(!again.damaged && again.records == replay.records && again.log == replay.log &&
                again.state == replay.state,
            "the complete records replay alike on their own");

    SessionState state = replay.state.value_or(SessionState{});
    state.numberSent = std::string(bytes.substr(bytes.size() / 2));
    const std::vector<std::string> lines{"QSO: one more", std::string(bytes.substr(0, bytes.size() / 3))};
    complete += JournalRecord(state, LogChange::Append, lines);
    const JournalReplay longer = ReplayJournal(complete);
    std::vector<std::string> log = replay.log;
    log.insert(log.end(), lines.begin(), lines.end());
    Require(!longer.damaged && longer.records == replay.records + 1 && longer.log == log &&
                longer.state == state,
            "a record written after them is read back whole");
    return 0;
}
