// The log check over any lines: it ends without a fault or an exception, every finding names a line of
// the log, and errors come before warnings, each kind in the order of the lines.

#include "FuzzInput.h"
#include "LogCheck.h"

using namespace zevo;
using namespace zevo::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The first byte holds the options, the rest the lines, LF between them so that "END-OF-LOG:"
    // stays in (the reader would leave it out).
    if (size == 0)
        return 0;
    const LogCheckOptions options{.saved = (data[0] & 1) != 0, .serialsSent = (data[0] & 2) != 0};
    std::vector<std::string> lines;
    const std::string_view bytes = Bytes(data + 1, size - 1);
    for (std::size_t from = 0; from <= bytes.size();) {
        const std::size_t end = std::min(bytes.find('\n', from), bytes.size());
        lines.emplace_back(bytes.substr(from, end - from));
        from = end + 1;
    }

    const std::vector<LogFinding> findings = CheckLog(lines, options);
    for (std::size_t i = 0; i < findings.size(); ++i) {
        Require(findings[i].line >= 1 && findings[i].line <= std::max<std::size_t>(lines.size(), 1),
                "a finding names a line of the log");
        if (i > 0)
            Require(findings[i - 1].severity < findings[i].severity ||
                        (findings[i - 1].severity == findings[i].severity &&
                         findings[i - 1].line <= findings[i].line),
                    "errors first, then warnings, each by line");
    }
    return 0;
}
