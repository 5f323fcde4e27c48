#include "CabrilloFile.h"

#include "Conversion.h"

namespace zevo {

std::string ProposedCabrilloFileName(const std::string& usedCall) {
    std::string name = AsciiLower(usedCall) + ".cbr";
    for (const char separator : {'/', '\\'})
        if (const auto at = name.find(separator); at != std::string::npos)
            name[at] = '_';
    return name;
}

void WriteCabrilloFile(const std::string& path, const std::vector<std::string>& log, FileWriteCalls calls) {
    AtomicTextFile file(path, std::move(calls));
    for (const std::string& line : log)
        if (line != EndOfLogLine)
            file.WriteLine(line);
    file.WriteLine(EndOfLogLine);
    file.Commit();
}

} // namespace zevo
