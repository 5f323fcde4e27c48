#include "CabrilloReader.h"
#include "RunTimeError.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <tuple>

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
        EXPECT_EQ(zevo::ReadCabrilloLines(row.bytes).ToVector(), row.lines) << row.name;
}

TEST(ReadLastLineFields, TakesTheFieldsOfALineThatReadsWholeOnly) {
    const auto fields = zevo::ReadLastLineFields(
        "QSO: 29500 RY 2026-04-06 0059 QQ1ABCDEFGHIJK599       7 QQ2BBB        599     12");
    ASSERT_TRUE(fields);
    EXPECT_EQ(
        std::tie(fields->band, fields->phone, fields->date, fields->time, fields->minutes, fields->usedCall),
        std::make_tuple(std::optional(5), false, "2026-04-06", "00:59", 59, "QQ1ABCDEFGHIJK"));
    for (const char* damaged :
         {"QSO: 14000 PH 2026-04-05 10x2 QQ1AAA        59       7 QQ2BBB        59      12",
          "QSO:  3500 RY 2026-04-05 1507 Q Q 1 A A A", "QSO: ", "", "SOAPBOX: ZEVO Contest"})
        EXPECT_EQ(zevo::ReadLastLineFields(damaged), std::nullopt) << damaged;
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
