#include "Adif.h"
#include "RunTimeError.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <ostream>
#include <stdlib.h>

namespace {

namespace fs = std::filesystem;

// A QSO line of QX1AB on 2025-04-05 at 15:12, in the columns the main window writes.
std::string Line(const char* frequency, const char* mode, const char* call, const char* reportSent,
                 const char* exchangeSent, const char* reportReceived, const char* exchangeReceived) {
    char line[128];
    std::snprintf(line, sizeof line, "QSO: %5s %-2s 2025-04-05 1512 %-14s%-3s %6s %-14s%-3s %6s", frequency,
                  mode, "QX1AB", reportSent, exchangeSent, call, reportReceived, exchangeReceived);
    return line;
}

const std::string WorkedExample = Line("14000", "PH", "QY2CD", "59", "12", "59", "7");
const std::string WorkedRecord =
    "<QSO_DATE:8>20250405 <TIME_ON:6>151200 <BAND:3>20M <MODE:3>SSB <CALL:5>QY2CD "
    "<RST_RCVD:2>59 <SRX:1>7 <RST_SENT:2>59 <STX:2>12 <COMMENT:17>ZEVO Contest 2025 "
    "<OPERATOR:5>QX1AB <EOR>";
const std::string DateAndTime = "<QSO_DATE:8>20250405 <TIME_ON:6>151200 ";
const std::string Reports599 = "<RST_RCVD:3>599 <SRX:1>7 <RST_SENT:3>599 <STX:2>12 ";

struct RecordCase {
    const char* name;
    std::string line;
    std::string comment;
    std::string operatorCall;
    bool addFrequency;
    std::optional<std::string> record;
};

void PrintTo(const RecordCase& row, std::ostream* out) {
    *out << row.name;
}

class ComposeAdifRecordTest : public testing::TestWithParam<RecordCase> {};

TEST_P(ComposeAdifRecordTest, CutsTheFieldsFromTheirColumns) {
    const RecordCase& row = GetParam();
    EXPECT_EQ(zevo::ComposeAdifRecord(row.line, row.comment, row.operatorCall, row.addFrequency), row.record);
}

RecordCase Band(const char* name, const char* frequency, const std::string& pieces) {
    return {name, Line(frequency, "CW", "QY2CD", "599", "12", "599", "7"),
            "",   "",
            true, DateAndTime + pieces + "<MODE:2>CW <CALL:5>QY2CD " + Reports599 + "<EOR>"};
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ComposeAdifRecordTest,
    testing::Values(
        RecordCase{"WorkedExample", WorkedExample, "ZEVO Contest 2025", "QX1AB", false, WorkedRecord},
        Band("EightyMetres", " 3500", "<BAND:3>80M <FREQ:5>3.500 "),
        Band("OneSixtyMetres", " 1800", "<BAND:4>160M <FREQ:5>1.800 "),
        Band("FortyMetres", " 7000", "<BAND:3>40M <FREQ:5>7.000 "),
        Band("FifteenMetres", "21000", "<BAND:3>15M <FREQ:6>21.000 "),
        Band("TenMetres", "28000", "<BAND:3>10M <FREQ:6>28.000 "),
        Band("TwentyNineIsTenMetres", "29100", "<BAND:3>10M <FREQ:6>29.100 "),
        Band("UnknownBandHasNoBandTag", "50000", "<FREQ:6>50.000 "),
        RecordCase{"PortableCall", Line("14000", "PH", "QY2CD/P", "59", "12", "59", "7"), "", "", false,
                   DateAndTime +
                       "<BAND:3>20M <MODE:3>SSB <CALL:7>QY2CD/P <RST_RCVD:2>59 <SRX:1>7 <RST_SENT:2>59 "
                       "<STX:2>12 <EOR>"},
        RecordCase{
            "BlankExchangesAndOneDigitReports", Line("14000", "PH", "QY2CD", "5", "", "5", ""), "", "", false,
            DateAndTime + "<BAND:3>20M <MODE:3>SSB <CALL:5>QY2CD <RST_RCVD:2>5  <SRX:0> <RST_SENT:2>5  "
                          "<STX:0> <EOR>"},
        RecordCase{"TenCharacterCall", Line("14000", "PH", "QY2CDE/QRP", "59", "12", "59", "10"), "", "",
                   false,
                   DateAndTime +
                       "<BAND:3>20M <MODE:3>SSB <CALL:10>QY2CDE/QRP <RST_RCVD:2>59 <SRX:2>10 <RST_SENT:2>59 "
                       "<STX:2>12 <EOR>"},
        RecordCase{"ProvinceLettersAreStrings", Line("14000", "PH", "QY2CD", "59", "S", "59", "K"), "", "",
                   false,
                   DateAndTime + "<BAND:3>20M <MODE:3>SSB <CALL:5>QY2CD <RST_RCVD:2>59 <SRX_STRING:1>K "
                                 "<RST_SENT:2>59 <STX_STRING:1>S <EOR>"},
        // "Łódź" in Windows-1250: four letters, four bytes.
        RecordCase{"CommentOfSpacesAndPolishOperator", WorkedExample, "   ",
                   "\xA3\xF3"
                   "d\x9F",
                   false,
                   DateAndTime +
                       "<BAND:3>20M <MODE:3>SSB <CALL:5>QY2CD <RST_RCVD:2>59 <SRX:1>7 <RST_SENT:2>59 "
                       "<STX:2>12 <COMMENT:3>    <OPERATOR:4>\xA3\xF3"
                       "d\x9F <EOR>"},
        // A line cut short by hand: each tag counts what follows it, so no field swallows the next.
        RecordCase{
            "ShortLine", "QSO: 14000 RY 2025", "", "", true,
            "<QSO_DATE:4>2025 <TIME_ON:2>00 <BAND:3>20M <FREQ:6>14.000 <MODE:2>CW <CALL:0> <RST_RCVD:0> "
            "<SRX:0> <RST_SENT:0> <STX:0> <EOR>"},
        RecordCase{"LowerCaseIsNoContact", "qso:" + WorkedExample.substr(4), "", "", false, std::nullopt},
        RecordCase{"HeaderLine", "CALLSIGN: QX1AB", "", "", false, std::nullopt}),
    [](const testing::TestParamInfo<RecordCase>& info) { return info.param.name; });

TEST(ProposedAdifFileName, LowerCaseCallWithTheFirstOfEachSeparatorReplaced) {
    const std::pair<const char*, const char*> rows[] = {{"QX1AB", "qx1ab.adi"},
                                                        {"QX1AB/P", "qx1ab_p.adi"},
                                                        {"QX1AB\\P", "qx1ab_p.adi"},
                                                        {"QX/1AB/P", "qx_1ab/p.adi"}};
    for (const auto& [call, name] : rows)
        EXPECT_EQ(zevo::ProposedAdifFileName(call), name) << call;
}

TEST(DefaultAdifComment, NamesTheContestAndTheYear) {
    EXPECT_EQ(zevo::DefaultAdifComment(2025), "ZEVO Contest 2025");
}

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct FileCase {
    const char* name;
    std::size_t capacity; // of the disk, in bytes
    int fsyncError;
    const char* error; // nullptr: the file is written
};

void PrintTo(const FileCase& row, std::ostream* out) {
    *out << row.name;
}

class WriteAdifFileTest : public testing::TestWithParam<FileCase> {};

TEST_P(WriteAdifFileTest, HeaderThenOneRecordPerContactOrTheOldFileKept) {
    const FileCase& row = GetParam();
    std::string pattern = (fs::temp_directory_path() / "zevo-adif-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    const fs::path folder = pattern;
    std::ofstream(folder / "log.adi", std::ios::binary) << "old";
    zevo::FileWriteCalls calls = zevo::FileWriteCalls::System();
    std::size_t taken = 0;
    calls.write = [&, real = calls.write](int fd, const void* bytes, std::size_t count) -> ssize_t {
        if (taken >= row.capacity) {
            errno = ENOSPC;
            return -1;
        }
        const ssize_t written = real(fd, bytes, std::min(count, row.capacity - taken));
        taken += static_cast<std::size_t>(written);
        return written;
    };
    if (row.fsyncError != 0)
        calls.fsync = [&row](int) {
            errno = row.fsyncError;
            return -1;
        };

    // Long enough for several blocks of records.
    std::vector<std::string> log{"START-OF-LOG: 2.0", "qso: skipped"};
    log.insert(log.end(), 5000, WorkedExample);
    log.emplace_back("END-OF-LOG:");
    std::string records;
    for (int i = 0; i < 5000; ++i)
        records += WorkedRecord + "\r\n";
    try {
        zevo::WriteAdifFile((folder / "log.adi").string(), log, {"ZEVO Contest 2025", "QX1AB", false}, calls);
        EXPECT_EQ(row.error, nullptr);
        const std::string written = ReadBytes(folder / "log.adi");
        // The worked example is the fourth line, the first record.
        EXPECT_EQ(written, "ADIF 2.0\r\n" + zevo::AdifHeaderLines()[1] + "\r\n<EOH>\r\n" + records);
        EXPECT_TRUE(
            zevo::AdifHeaderLines()[1].starts_with("Generated by \"DUVUZozeved\" program ver. 5.00 - "));
    } catch (const zevo::RunTimeError& error) {
        EXPECT_STREQ(error.what(), row.error);
        EXPECT_EQ(ReadBytes(folder / "log.adi"), "old");
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
    fs::remove_all(folder);
}

INSTANTIATE_TEST_SUITE_P(Disks, WriteAdifFileTest,
                         testing::Values(FileCase{"Written", SIZE_MAX, 0, nullptr},
                                         FileCase{"FullHalfWay", 500000, 0, "Disk full"},
                                         FileCase{"FlushFails", SIZE_MAX, EIO, "I/O error 5"}),
                         [](const testing::TestParamInfo<FileCase>& info) { return info.param.name; });

} // namespace
