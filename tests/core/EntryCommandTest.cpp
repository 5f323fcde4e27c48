#include "EntryCommand.h"

#include <gtest/gtest.h>

namespace {

TEST(EntryCommand, ReadsBandsAndModesNeverACall) {
    using C = zevo::EntryCommand;
    constexpr auto B = C::Kind::Band;
    constexpr auto M = C::Kind::Mode;
    const struct {
        const char* typed;
        C command;
    } rows[] = {
        {"160", C{B, 0}},
        {"80", C{B, 1}},
        {"40", C{B, 2}},
        {"20", C{B, 3}},
        {"15", C{B, 4}},
        {"10", C{B, 5}},
        {"1800", C{B, 0}},
        {"2000", C{B, 0}},
        {"3799", C{B, 1}},
        {"7300", C{B, 2}},
        {"14025", C{B, 3}},
        {"14025.5", C{B, 3}},
        {"21450", C{B, 4}},
        {"29700", C{B, 5}},
        {"SSB", C{M, 0, true}},
        {"cw", C{M, 0, false}},
        {"7301", C{}},
        {"14351", C{}},
        {"30", C{}},
        {"1799", C{}},
        {"14025.", C{}},
        {"SP9KR", C{}},
        {"20M", C{}},
        {"", C{}},
        {"CWX", C{}},
        {"140250", C{}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(zevo::ReadEntryCommand(row.typed), row.command) << row.typed;
}

} // namespace
