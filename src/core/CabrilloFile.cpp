#include "CabrilloFile.h"

#include "Conversion.h"

namespace zevo {

std::string ProposedCabrilloFileName(const std::string& usedCall) {
    return FileNameOfCall(usedCall, ".cbr");
}

void WriteCabrilloFile(const std::string& path, LinesView log, FileWriteCalls calls) {
    AtomicTextFile file(path, std::move(calls));
    std::size_t size = EndOfLogLine.size() + 2;
    for (const std::string_view line : log)
        size += line.size() + 2;
    file.ExpectSize(size);
    const LineStore* store = log.Store();
    for (std::size_t row = 0; row < log.size();) {
        if (log[row] == EndOfLogLine) {
            ++row;
            continue;
        }
        std::size_t end = row + 1;
        while (end < log.size() && log[end] != EndOfLogLine)
            ++end;
        // Lines that lie in the store as they go into the file are written as they are.
        while (row < end) {
            std::size_t count = 0;
            const std::string_view run =
                store != nullptr ? store->CrLfRun(row, end, count) : std::string_view();
            if (count == 0) {
                file.WriteLine(log[row++]);
                continue;
            }
            file.Write(run);
            row += count;
        }
    }
    file.WriteLine(EndOfLogLine);
    file.Commit();
}

} // namespace zevo
