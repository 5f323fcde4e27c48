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
    for (const std::string_view line : log)
        if (line != EndOfLogLine)
            file.WriteLine(line);
    file.WriteLine(EndOfLogLine);
    file.Commit();
}

} // namespace zevo
