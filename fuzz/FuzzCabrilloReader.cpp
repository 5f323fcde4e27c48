// The Cabrillo reader over any bytes: it loses no byte but by its line rules (a line ends at CR, CR LF
// or LF; Ctrl-Z ends the text; "END-OF-LOG:" lines are left out), and the fields of any last line stay
// within their columns.

#include "CabrilloReader.h"
#include "FuzzInput.h"

#include <utility>

using namespace zevo;
using namespace zevo::fuzz;

namespace {

// The line rules written out the plain way, one byte at a time.
std::vector<std::string> PlainLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::string line;
    bool ended = false; // the text so far ends with a line end
    for (std::size_t i = 0; i < bytes.size() && bytes[i] != '\x1a'; ++i) {
        const char c = bytes[i];
        ended = c == '\r' || c == '\n';
        if (!ended) {
            line += c;
            continue;
        }
        lines.push_back(std::exchange(line, {}));
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
    }
    if (!ended || lines.empty())
        lines.push_back(line);
    std::erase(lines, std::string("END-OF-LOG:"));
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = Bytes(data, size);
    const std::vector<std::string> lines = ReadCabrilloLines(std::string(bytes)).ToVector();
    Require(lines == PlainLines(bytes), "the lines are the bytes cut by the line rules, nothing lost");
    for (const std::string& line : lines) {
        Require(!HasLineBreak(line) && line.find('\x1a') == std::string::npos, "a line holds no line end");
        const std::optional<LastLineFields> fields = ReadLastLineFields(line);
        if (!fields)
            continue;
        Require(fields->date.size() == 10 && fields->minutes >= 0 && fields->minutes <= 59 &&
                    fields->time.size() == 5 && fields->usedCall.size() <= 14,
                "the fields stay within their columns");
        Require(!fields->usedCall.starts_with(' ') && !fields->usedCall.ends_with(' '),
                "the used call has no blank around it");
        Require(!fields->band || (*fields->band >= 0 && *fields->band <= 5), "the band is one of the list");
        Require(fields->phone == (line.size() >= 13 && line.compare(11, 2, "PH") == 0),
                "PH in columns 12-13");
    }
    return 0;
}
