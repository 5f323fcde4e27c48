#pragma once

#include "LogLines.h"

#include "AtomicTextFile.h"

#include <string>
#include <vector>

namespace zevo {

// The line that closes a Cabrillo log.
inline constexpr std::string_view EndOfLogLine = "END-OF-LOG:";

// The file name proposed for saving the log of `usedCall`: the call with A to Z in lower case and
// ".cbr" appended, the first "/" and the first backslash each turned into "_" ("QQ1AAA/P" gives
// "qq1aaa_p.cbr"). Only the first of each is replaced; the name has no folder part.
std::string ProposedCabrilloFileName(const std::string& usedCall);

// Writes the log as a Cabrillo file at `path` (a file-system path): every line of `log` in order except
// "END-OF-LOG:" lines left by an earlier save, then one "END-OF-LOG:" line; each line followed by
// CR LF. The file at `path` is replaced only once the whole log is on the disk (AtomicTextFile), so a
// failure throws RunTimeError and leaves any earlier file as it was.
void WriteCabrilloFile(const std::string& path, LinesView log,
                       FileWriteCalls calls = FileWriteCalls::System());

} // namespace zevo
