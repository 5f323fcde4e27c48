// The ADIF record over any line, comment and operator: every declared length is its value's byte
// count, the record is a run of fields closed by <EOR>, and it breaks no line the texts did not break.

#include "Adif.h"
#include "FuzzInput.h"

using namespace zevo;
using namespace zevo::fuzz;

namespace {

// Reads "<NAME:n>value " fields up to the closing "<EOR>"; false when the record is not made so.
bool WellFormed(std::string_view record) {
    std::size_t at = 0;
    while (at < record.size()) {
        if (record.substr(at) == "<EOR>")
            return true;
        if (record[at] != '<')
            return false;
        const std::size_t colon = record.find(':', at);
        const std::size_t close = record.find('>', at);
        if (colon == std::string_view::npos || close == std::string_view::npos || colon > close ||
            close == colon + 1 || close - colon > 10)
            return false;
        std::size_t length = 0;
        for (const char c : record.substr(colon + 1, close - colon - 1)) {
            if (c < '0' || c > '9')
                return false;
            length = length * 10 + static_cast<std::size_t>(c - '0');
        }
        at = close + 1 + length;
        if (at >= record.size() || record[at] != ' ')
            return false;
        ++at;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // the log line, the comment, the operator, and "F" to add the frequency
    const std::vector<std::string> f = Fields(Bytes(data, size), 4);
    const std::optional<std::string> record = ComposeAdifRecord(f[0], f[1], f[2], f[3] == "F");
    Require(record.has_value() == (f[0].compare(0, 4, "QSO:") == 0), "a record for each QSO: line only");
    if (!record)
        return 0;
    Require(WellFormed(*record), "every declared length is its value's byte count, closed by <EOR>");
    Require(AnyLineBreak({f[0].substr(0, 79), f[1], f[2]}) || !HasLineBreak(*record),
            "texts without line breaks give a record without one");
    return 0;
}
