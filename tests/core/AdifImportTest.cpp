#include "AdifImport.h"
#include "Adif.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace {

struct ImportCase {
    const char* name;
    std::string adif;   // the record's fields, <EOR> added
    std::string result; // the QSO line, or the field the skip names
    zevo::AdifSkip skip = zevo::AdifSkip::None;
};

const std::string Base = "<QSO_DATE:8>20260405 <TIME_ON:6>150700 <CALL:6>QQ2BBB ";

class AdifImportRecord : public testing::TestWithParam<ImportCase> {};

TEST_P(AdifImportRecord, BecomesLineOrReason) {
    const std::string bytes = "header text\n<EOH>\n" + GetParam().adif + "<EOR>\n";
    const zevo::AdifReading reading = zevo::ReadAdif(bytes);
    ASSERT_EQ(reading.Count(), 1U);
    const zevo::AdifContact contact = zevo::MapAdifRecord(reading.Record(0), "QQ1AAA");
    EXPECT_EQ(contact.skip, GetParam().skip);
    EXPECT_EQ(contact.skip == zevo::AdifSkip::None ? contact.line : std::string(contact.field),
              GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(
    Pitfalls, AdifImportRecord,
    testing::Values(
        ImportCase{"SsbWithSerials", Base + "<FREQ:6>14.025<MODE:3>SSB<STX:1>7<SRX:2>12",
                   "QSO: 14025 PH 2026-04-05 1507 QQ1AAA        59       7 QQ2BBB        59      12"},
        ImportCase{"FreqTextNotFloat", Base + "<freq:8>7.000999<mode:2>cw<rst_sent:3>579<rst_rcvd:3>559",
                   "QSO:  7000 CW 2026-04-05 1507 QQ1AAA        579        QQ2BBB        559       "},
        ImportCase{"UsbSubmodeAndBand", Base + "<BAND:3>80m<MODE:3>SSB<SUBMODE:3>USB<STX_STRING:1>S",
                   "QSO:  3500 PH 2026-04-05 1507 QQ1AAA        59       S QQ2BBB        59        "},
        ImportCase{"LsbAsMode", Base + "<BAND:4>160M<MODE:3>LSB<STATION_CALLSIGN:6>qq9zzz<OPERATOR:5>QQ8YY",
                   "QSO:  1800 PH 2026-04-05 1507 QQ9ZZZ        59         QQ2BBB        59        "},
        ImportCase{"SerialsOfZerosAreNone",
                   Base + "<BAND:3>20M<MODE:2>CW<STX:3>000<SRX:3>000<OPERATOR:5>QQ8YY",
                   "QSO: 14000 CW 2026-04-05 1507 QQ8YY         599        QQ2BBB        599       "},
        ImportCase{"ExchangeInReport", Base + "<BAND:3>20M<MODE:2>CW<RST_SENT:7>599 012<RST_RCVD:6>579034",
                   "QSO: 14000 CW 2026-04-05 1507 QQ1AAA        599    012 QQ2BBB        579    034"},
        ImportCase{"NoDate", "<TIME_ON:4>1507<CALL:2>QQ<BAND:3>20M<MODE:2>CW", "QSO_DATE",
                   zevo::AdifSkip::NoDateTime},
        ImportCase{"DayNotInCalendar", "<QSO_DATE:8>20260431<TIME_ON:4>1507", "QSO_DATE",
                   zevo::AdifSkip::NoDateTime},
        ImportCase{"BadTime", "<QSO_DATE:8>20260405<TIME_ON:4>2460", "TIME_ON", zevo::AdifSkip::NoDateTime},
        ImportCase{"TwoMetres", Base + "<FREQ:7>144.300<BAND:2>2m<MODE:3>SSB", "FREQ",
                   zevo::AdifSkip::OutsideBands},
        ImportCase{"NoBand", Base + "<MODE:3>SSB", "FREQ", zevo::AdifSkip::OutsideBands},
        ImportCase{"DigitalMode", Base + "<BAND:3>20M<MODE:4>RTTY", "MODE", zevo::AdifSkip::OtherMode},
        ImportCase{"RprtMode", Base + "<BAND:3>20M<MODE:4>RPRT", "MODE", zevo::AdifSkip::OtherMode},
        ImportCase{"NoCall", "<QSO_DATE:8>20260405<TIME_ON:4>1507<BAND:3>20M<MODE:2>CW", "CALL",
                   zevo::AdifSkip::NoCall},
        ImportCase{"LongCall",
                   "<QSO_DATE:8>20260405<TIME_ON:4>1507<BAND:3>20M<MODE:2>CW<CALL:15>QQ2BBBBBBBBBB/P", "CALL",
                   zevo::AdifSkip::TooLong},
        ImportCase{"LongNumber", Base + "<BAND:3>20M<MODE:2>CW<SRX:7>1234567", "SRX",
                   zevo::AdifSkip::TooLong},
        ImportCase{"PolishLetterFits", Base + "<BAND:3>20M<MODE:2>CW<SRX_STRING:2>\xC5\x9A",
                   "QSO: 14000 CW 2026-04-05 1507 QQ1AAA        599        QQ2BBB        599      \x8C"},
        ImportCase{"OutsideCharset", Base + "<BAND:3>20M<MODE:2>CW<SRX_STRING:3>\xE2\x82\xBD", "SRX_STRING",
                   zevo::AdifSkip::OutsideCharset},
        ImportCase{"LineBreakInCall",
                   "<QSO_DATE:8>20260405<TIME_ON:4>1507<BAND:3>20M<MODE:2>CW<CALL:5>QQ\nBB", "CALL",
                   zevo::AdifSkip::OutsideCharset}),
    [](const testing::TestParamInfo<ImportCase>& info) { return std::string(info.param.name); });

TEST(AdifImport, RoundTripGivesTheSameLines) {
    const std::vector<std::string> log{
        "QSO: 14000 PH 2026-04-05 1507 QQ1AAA        59       7 QQ2BBB        59      12",
        "QSO:  3500 CW 2026-04-05 1508 QQ1AAA        599      8 QQ3CCC/P      579      1",
        "QSO:  1800 PH 2026-04-05 1509 QQ1AAA        59       S QQ4DDD        59       W"};
    for (const bool frequency : {false, true}) {
        std::string bytes;
        for (const std::string& line : zevo::AdifHeaderLines())
            bytes += line + "\r\n";
        for (const std::string& line : log)
            bytes += *zevo::ComposeAdifRecord(line, "ZEVO Contest 2026", "QQ1AAA", frequency) + "\r\n";
        const auto contacts = zevo::PreviewAdif(zevo::ReadAdif(bytes), "QQ1AAA");
        EXPECT_EQ(zevo::AdifLinesToImport(contacts, 0, 1LL << 40), log);
    }
}

TEST(AdifImport, FileOfALogbookProgram) {
    // Written by Debian's pyqso (tests/data/adif/make-pyqso-adif.py).
    std::ifstream in(ZEVO_TEST_DATA "/adif/pyqso.adi", std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    const auto contacts = zevo::PreviewAdif(zevo::ReadAdif(bytes), "QQ1AAA");
    ASSERT_EQ(contacts.size(), 5U);
    EXPECT_EQ(contacts[3].skip, zevo::AdifSkip::OtherMode);
    EXPECT_EQ(contacts[4].skip, zevo::AdifSkip::OutsideBands);
    const std::vector<std::string> expected{
        "QSO:  3525 CW 2026-04-05 1503 QQ1AAA        599        QQ3CCC        579       ",
        "QSO: 14250 PH 2026-04-05 1507 QQ1AAA        59         QQ2BBB        57        ",
        "QSO:  7100 PH 2026-04-05 1512 QQ1AAA        59         QQ4DDD/P      59        "};
    EXPECT_EQ(zevo::AdifLinesToImport(contacts, 0, 1LL << 40), expected);
}

TEST(AdifImport, BadFilesAreReadSafely) {
    EXPECT_EQ(zevo::ReadAdif(std::string("<CALL:2>QQ\0<EOR>", 16)).problem,
              zevo::AdifReading::Problem::Binary);
    for (const std::string bytes :
         {"<CALL:2>QQ<EOR><CALL:9>QQ", "<CALL:2>QQ<EOR><CALL:999999999999999999>QQ"}) {
        const zevo::AdifReading reading = zevo::ReadAdif(bytes);
        EXPECT_EQ(reading.problem, zevo::AdifReading::Problem::CutShort);
        EXPECT_EQ(reading.Count(), 1U);
    }
    // A '<' in the header's free text or between records that opens no tag is text like any other.
    const zevo::AdifReading reading =
        zevo::ReadAdif("Made by <Our Logger> 1 < 2\n<EOH><CALL:2>QQ<EOR> <- <CALL:2>QR<EOR>");
    EXPECT_EQ(reading.problem, zevo::AdifReading::Problem::None);
    ASSERT_EQ(reading.Count(), 2U);
    EXPECT_EQ(reading.Record(1).front().value, "QR");
}

} // namespace
