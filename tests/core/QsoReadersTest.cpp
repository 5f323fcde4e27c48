// Every reader of a contact line gives the same band, call and dupe answer: the lines of other programs
// and the program's own, each read by the dupe check, the statistics, the log check and the export.
#include "Adif.h"
#include "DupeCheck.h"
#include "LogCheck.h"
#include "LogDocument.h"
#include "LogStatistics.h"
#include "QsoLine.h"

#include <gtest/gtest.h>

namespace {

using Kind = zevo::CallVerdict::Kind;
using F = zevo::FindingKind;

const std::vector<std::string> Header{"START-OF-LOG: 2.0", "CALLSIGN: QQ1AAA"};

// The BAND and FREQ pieces of the line's record, between its time and its mode.
std::string BandAndFrequency(const std::string& line) {
    const std::string record = zevo::ComposeAdifRecord(line, "", "", true).value_or("");
    const std::size_t from = record.find(' ', record.find("<TIME_ON:")) + 1;
    return record.substr(from, record.find("<MODE:") - from);
}

TEST(QsoReaders, AgreeOnEveryLine) {
    const struct {
        const char* name;
        const char* line; // the first contact of QQ2BBB
        int band;
        bool phone;
        Kind verdict;            // for QQ2BBB typed on that band (20M when none) and mode
        bool counted;            // by the statistics, which need a band, a date and a time of day
        std::vector<F> findings; // of the log check at the line, the dupe aside
        const char* adif;
    } rows[] = {
        {"own 20M SSB",
         "QSO: 14000 PH 2026-04-05 1500 QQ1AAA        59       1 QQ2BBB        59      12",
         3,
         true,
         Kind::Dupe,
         true,
         {},
         "<BAND:3>20M <FREQ:6>14.000 "},
        {"14025",
         "QSO: 14025 PH 2026-04-05 1500 QQ1AAA        59       1 QQ2BBB        59      12",
         3,
         true,
         Kind::Dupe,
         true,
         {},
         "<BAND:3>20M <FREQ:6>14.025 "},
        {"20M top edge",
         "QSO: 14350 CW 2026-04-05 1500 QQ1AAA        599      1 QQ2BBB        599     12",
         3,
         false,
         Kind::Dupe,
         true,
         {},
         "<BAND:3>20M <FREQ:6>14.350 "},
        {"29500",
         "QSO: 29500 CW 2026-04-05 1500 QQ1AAA        599      1 QQ2BBB        599     12",
         5,
         false,
         Kind::Dupe,
         true,
         {},
         "<BAND:3>10M <FREQ:6>29.500 "},
        {"1850",
         "QSO:  1850 PH 2026-04-05 1500 QQ1AAA        59       1 QQ2BBB        59      12",
         0,
         true,
         Kind::Dupe,
         true,
         {},
         "<BAND:4>160M <FREQ:5>1.850 "},
        {"outside every band",
         "QSO: 10100 PH 2026-04-05 1500 QQ1AAA        59       1 QQ2BBB        59      12",
         -1,
         true,
         Kind::Worked,
         false,
         {F::BadBand},
         "<FREQ:6>10.100 "},
        {"no frequency",
         "QSO:       PH 2026-04-05 1500 QQ1AAA        59       1 QQ2BBB        59      12",
         -1,
         true,
         Kind::Worked,
         false,
         {F::BadBand},
         ""},
        {"lower case",
         "QSO: 14000 PH 2026-04-05 1500 QQ1AAA        59       1 qq2bbb        59      12",
         3,
         true,
         Kind::Dupe,
         true,
         {},
         "<BAND:3>20M <FREQ:6>14.000 "},
        {"padded call",
         "QSO: 21000 PH 2026-04-05 1500 QQ1AAA        59       1   QQ2BBB      59      12",
         4,
         true,
         Kind::Dupe,
         true,
         {},
         "<BAND:3>15M <FREQ:6>21.000 "},
        {"RY counts as CW",
         "QSO:  3500 RY 2026-04-05 1500 QQ1AAA        599      1 QQ2BBB        599     12",
         1,
         false,
         Kind::Dupe,
         true,
         {F::BadMode},
         "<BAND:3>80M <FREQ:5>3.500 "},
        {"cut after the call",
         "QSO:  7000 CW 2026-04-05 1500 QQ1AAA        599      1 QQ2BBB",
         2,
         false,
         Kind::Dupe,
         true,
         {F::LineTooShort},
         "<BAND:3>40M <FREQ:5>7.000 "},
        {"cut before the call",
         "QSO:  7000 CW 2026-04-05 1500 QQ1AAA",
         2,
         false,
         Kind::New,
         false,
         {F::LineTooShort},
         "<BAND:3>40M <FREQ:5>7.000 "},
        {"time 10x2",
         "QSO: 28000 PH 2026-04-05 10x2 QQ1AAA        59       1 QQ2BBB        59      12",
         5,
         true,
         Kind::Dupe,
         false,
         {F::BadTime},
         "<BAND:3>10M <FREQ:6>28.000 "},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::optional<zevo::QsoRecord> record = zevo::ReadQsoRecord(row.line);
        ASSERT_TRUE(record);
        EXPECT_EQ(record->band, row.band);
        EXPECT_EQ(record->phone, row.phone);

        // The operator types the call on the band of the contact and is told.
        const zevo::BandMode at{row.band < 0 ? 3 : row.band, row.phone};
        zevo::LogDocument log;
        log.Append(Header);
        log.Append(std::string(row.line));
        EXPECT_EQ(zevo::CheckCall(log.Calls(), log.Lines(), " qq2bbb", at).kind, row.verdict);

        // Then logs it all the same: the statistics and the log check count the same dupe.
        log.Append(zevo::ComposeQsoLine(
            {at.band, at.phone, "2026-04-05", "15:01", "QQ1AAA", "59", "2", "QQ2BBB", "59", "13"}));
        const bool dupe = row.verdict == Kind::Dupe;
        zevo::LogStatistics statistics;
        for (const std::string& line : log.Lines())
            statistics.Add(line);
        EXPECT_EQ(statistics.Totals(), (zevo::ContactCounts{1 + row.counted, 1, dupe && row.counted}));
        std::vector<F> findings;
        bool dupeFound = false;
        for (const zevo::LogFinding& finding : zevo::CheckLog(log.Lines(), {})) {
            if (finding.line == 3)
                findings.push_back(finding.kind);
            dupeFound |= finding.line == 4 && finding.kind == F::Dupe;
        }
        EXPECT_EQ(findings, row.findings);
        EXPECT_EQ(dupeFound, dupe);
        EXPECT_EQ(BandAndFrequency(row.line), row.adif);
    }
}

} // namespace
