#include "CabrilloReader.h"
#include "RunTimeError.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <stdlib.h>

namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;
using namespace std::string_literals;

TEST(ReadCabrilloLines, SplitsAtEveryLineEndDropsEndOfLogAndStopsAtCtrlZ) {
    const struct {
        const char* name;
        std::string bytes;
        Lines lines;
    } rows[] = {
        {"zero bytes", "", {""}},
        {"CR LF", "A\r\nB\r\n", {"A", "B"}},
        {"CR alone", "A\rB\r", {"A", "B"}},
        {"LF alone", "A\nB\n", {"A", "B"}},
        {"LF CR is two line ends", "A\n\rB", {"A", "", "B"}},
        {"blank line between LFs", "A\n\nB\n", {"A", "", "B"}},
        {"no line end after the last", "A\r\nB", {"A", "B"}},
        {"blank lines", "\r\nA\r\n\r\n\r\n", {"", "A", "", ""}},
        {"Ctrl-Z in the middle",
         "A\r\nB\x1A"
         "C\r\nD\r\n",
         {"A", "B"}},
        {"Ctrl-Z first",
         "\x1A"
         "A\r\n",
         {""}},
        {"END-OF-LOG: anywhere", "END-OF-LOG:\r\nA\r\nEND-OF-LOG:\r\nB\r\nEND-OF-LOG:\r\n", {"A", "B"}},
        {"only END-OF-LOG:", "END-OF-LOG:\r\nEND-OF-LOG:", {}},
        {"near END-OF-LOG: kept",
         "END-OF-LOG: \r\nend-of-log:\r\n END-OF-LOG:\r\n",
         {"END-OF-LOG: ", "end-of-log:", " END-OF-LOG:"}},
        {"bytes pass unchanged", "\0\x01\xff\xb9\t \x7f\r\n"s, {"\0\x01\xff\xb9\t \x7f"s}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(zevo::ReadCabrilloLines(row.bytes), row.lines) << row.name;
}

TEST(ReadLastLineFields, TakesTheFieldsOfALineThatReadsWholeOnly) {
    const struct {
        const char* line;
        bool whole;
        std::optional<int> band;
        bool phone;
        const char* time;
        int minutes;
        const char* usedCall;
    } rows[] = {
        {"QSO: 14000 PH 2026-04-05 1507 QQ1AAA        59       7 QQ2BBB        59      12", true, 3, true,
         "15:07", 7, "QQ1AAA"},
        {"QSO:  1800 CW 2026-04-05 0059 QQ1ABCDEFGHIJK599       7 QQ2BBB        599     12", true, 0, false,
         "00:59", 59, "QQ1ABCDEFGHIJK"},
        {"QSO: 29500 RY 2026-04-05 1507 QQ1AAA        59       7 QQ2BBB        59      12", true, 5, false,
         "15:07", 7, "QQ1AAA"},
        {"QSO: 10100 CW 2026-04-05 1507 QQ1AAA        59       7 QQ2BBB        59      12", true,
         std::nullopt, false, "15:07", 7, "QQ1AAA"},
        {"QSO: 14000 PH 2026-04-05 10x2 QQ1AAA        59       7 QQ2BBB        59      12",
         false,
         {},
         false,
         "",
         0,
         ""},
        {"QSO:  3500 RY 2026-04-05 1507 Q Q 1 A A A", false, {}, false, "", 0, ""},
        {"QSO:  7000 PH", false, {}, false, "", 0, ""},
        {"QSO: ", false, {}, false, "", 0, ""},
        {"", false, {}, false, "", 0, ""},
        {"SOAPBOX: ZEVO Contest from the mountains", false, {}, false, "", 0, ""},
    };
    for (const auto& row : rows) {
        const std::optional<zevo::LastLineFields> fields = zevo::ReadLastLineFields(row.line);
        ASSERT_EQ(fields.has_value(), row.whole) << row.line;
        if (!fields)
            continue;
        EXPECT_EQ(fields->band, row.band) << row.line;
        EXPECT_EQ(fields->phone, row.phone) << row.line;
        EXPECT_EQ(fields->date, "2026-04-05") << row.line;
        EXPECT_EQ(fields->time, row.time) << row.line;
        EXPECT_EQ(fields->minutes, row.minutes) << row.line;
        EXPECT_EQ(fields->usedCall, row.usedCall) << row.line;
    }
}

TEST(ReadFileBytes, ReadsAWholeFileRefusesALargerOneAndNamesAFailure) {
    std::string folder = (fs::temp_directory_path() / "zevo-reader-XXXXXX").string();
    ASSERT_NE(::mkdtemp(folder.data()), nullptr);
    const fs::path file = fs::path(folder) / "log.cbr";
    std::ofstream(file, std::ios::binary) << "A\r\nB";

    EXPECT_EQ(zevo::ReadFileBytes(file, 4), "A\r\nB");
    EXPECT_EQ(zevo::ReadFileBytes(file, 3), std::nullopt);
    // A device tells no size: the limit still holds.
    EXPECT_EQ(zevo::ReadFileBytes("/dev/zero", 100000), std::nullopt);
    EXPECT_EQ(zevo::ReadFileBytes("/dev/null", 4), "");
    const auto failure = [](const std::string& path) {
        try {
            zevo::ReadFileBytes(path, 100);
        } catch (const zevo::RunTimeError& error) {
            return std::string(error.what());
        }
        return std::string("no error");
    };
    EXPECT_EQ(failure((fs::path(folder) / "missing.cbr").string()), "File not found");
    EXPECT_EQ(failure(folder), "File access denied"); // a folder opens but cannot be read
    fs::remove_all(folder);
}

} // namespace
