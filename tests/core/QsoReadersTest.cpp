// Every reader of a contact line gives the same band, call and dupe answer: lines of other programs and
// the program's own, read by the dupe check, the statistics, the log check and the export.
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
constexpr std::optional<F> none;

TEST(QsoReaders, AgreeOnEveryLine) {
    const struct {
        std::string line; // the first contact of QQ2BBB, from column 6
        int band;
        bool phone;
        Kind verdict;             // for " qq2bbb" typed on that band (20M for none) and mode
        bool counted;             // by the statistics, which need a band, a date and a time of day
        std::optional<F> finding; // of the log check at the line, its dupe aside
        std::string adif;         // BAND and FREQ
    } rows[] = {
        {"14025 PH 2026-04-05 1500 QQ1AAA        59       1 QQ2BBB        59      12", 3, true, Kind::Dupe,
         true, none, "<BAND:3>20M <FREQ:6>14.025 "},
        {"14350 CW 2026-04-05 1500 QQ1AAA        599      1 QQ2BBB        599     12", 3, false, Kind::Dupe,
         true, none, "<BAND:3>20M <FREQ:6>14.350 "},
        {"14351 CW 2026-04-05 1500 QQ1AAA        599      1 QQ2BBB        599     12", -1, false,
         Kind::Worked, false, F::BadBand, "<FREQ:6>14.351 "},
        {"29500 CW 2026-04-05 1500 QQ1AAA        599      1 QQ2BBB        599     12", 5, false, Kind::Dupe,
         true, none, "<BAND:3>10M <FREQ:6>29.500 "},
        {" 1850 PH 2026-04-05 1500 QQ1AAA        59       1 QQ2BBB        59      12", 0, true, Kind::Dupe,
         true, none, "<BAND:4>160M <FREQ:5>1.850 "},
        {"10100 PH 2026-04-05 1500 QQ1AAA        59       1 QQ2BBB        59      12", -1, true, Kind::Worked,
         false, F::BadBand, "<FREQ:6>10.100 "},
        {"      PH 2026-04-05 1500 QQ1AAA        59       1 QQ2BBB        59      12", -1, true, Kind::Worked,
         false, F::BadBand, ""},
        {"14000 PH 2026-04-05 1500 QQ1AAA        59       1 qq2bbb        59      12", 3, true, Kind::Dupe,
         true, none, "<BAND:3>20M <FREQ:6>14.000 "},
        {"21000 PH 2026-04-05 1500 QQ1AAA        59       1   QQ2BBB      59      12", 4, true, Kind::Dupe,
         true, none, "<BAND:3>15M <FREQ:6>21.000 "},
        {" 3500 RY 2026-04-05 1500 QQ1AAA        599      1 QQ2BBB        599     12", 1, false, Kind::Dupe,
         true, F::BadMode, "<BAND:3>80M <FREQ:5>3.500 "},
        {" 7000 CW 2026-04-05 1500 QQ1AAA        599      1 QQ2BBB", 2, false, Kind::Dupe, true,
         F::LineTooShort, "<BAND:3>40M <FREQ:5>7.000 "},
        {" 7000 CW 2026-04-05 1500 QQ1AAA", 2, false, Kind::New, false, F::LineTooShort,
         "<BAND:3>40M <FREQ:5>7.000 "},
        {"28000 PH 2026-04-05 10x2 QQ1AAA        59       1 QQ2BBB        59      12", 5, true, Kind::Dupe,
         false, F::BadTime, "<BAND:3>10M <FREQ:6>28.000 "},
    };
    for (const auto& row : rows) {
        const std::string line = "QSO: " + row.line;
        SCOPED_TRACE(line);
        EXPECT_EQ(zevo::ReadQsoRecord(line)->band, row.band);
        EXPECT_EQ(zevo::ReadQsoRecord(line)->phone, row.phone);
        const std::string adif = zevo::ComposeAdifRecord(line, "", "", true).value_or("");
        const std::size_t from = adif.find(' ', adif.find("<TIME_ON:")) + 1;
        EXPECT_EQ(adif.substr(from, adif.find("<MODE:") - from), row.adif);

        // The operator types the call on the contact's band and is told; then logs it all the same.
        const zevo::BandMode at{row.band < 0 ? 3 : row.band, row.phone};
        zevo::LogDocument log;
        log.Append({"START-OF-LOG: 2.0", "CALLSIGN: QQ1AAA", line});
        EXPECT_EQ(zevo::CheckCall(log.Calls(), log.Lines(), " qq2bbb", at).kind, row.verdict);
        log.Append(zevo::ComposeQsoLine(
            {at.band, at.phone, "2026-04-05", "15:01", "QQ1AAA", "59", "2", "QQ2BBB", "59", "13"}));
        const bool dupe = row.verdict == Kind::Dupe;
        zevo::LogStatistics statistics;
        for (const std::string_view logged : log.Lines())
            statistics.Add(logged);
        EXPECT_EQ(statistics.Totals(), (zevo::ContactCounts{1 + row.counted, 1, dupe && row.counted}));
        std::vector<F> findings;
        bool dupeFound = false;
        for (const zevo::LogFinding& finding : zevo::CheckLog(log.Lines(), {})) {
            if (finding.line == 3)
                findings.push_back(finding.kind);
            dupeFound |= finding.line == 4 && finding.kind == F::Dupe;
        }
        EXPECT_EQ(findings, row.finding ? std::vector<F>{*row.finding} : std::vector<F>{});
        EXPECT_EQ(dupeFound, dupe);
    }
}

} // namespace
