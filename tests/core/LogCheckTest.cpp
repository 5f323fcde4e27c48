#include "LogCheck.h"
#include "CabrilloHeader.h"

#include <gtest/gtest.h>
#include <optional>
#include <ostream>

namespace zevo {
void PrintTo(const LogFinding& finding, std::ostream* out) {
    *out << "line " << finding.line << (finding.severity == Severity::Error ? " error " : " warning ")
         << static_cast<int>(finding.kind);
    for (const std::string& arg : finding.args)
        *out << " \"" << arg << '"';
}
} // namespace zevo

namespace {

using K = zevo::FindingKind;
constexpr auto E = zevo::Severity::Error;
constexpr auto W = zevo::Severity::Warning;

// A saved log as the program writes it: the header in lines 1-13, three contacts, the end.
std::vector<std::string> CleanLog() {
    std::vector<std::string> log =
        zevo::HeaderLines({"QQ1AAA", "SO AB MIXED HP", "0", "A", "", "S", "C", "", "", {"73"}});
    for (const char* line :
         {"QSO: 14000 PH 2026-04-05 1507 QQ1AAA        59       1 QQ2BBB        59      12",
          "QSO: 14000 CW 2026-04-05 1510 QQ1AAA        599      2 QQ2BBB        579      7",
          "QSO:  7000 PH 2026-04-06 0001 QQ1AAA        59       3 QQ2BBB        57       1", "END-OF-LOG:"})
        log.emplace_back(line);
    return log;
}

TEST(LogCheck, FindsEachFaultAtItsLineErrorsFirst) {
    const struct {
        const char* name;
        struct {
            std::size_t line;   // 0 for none
            std::size_t column; // where the text is written over the line; an empty text cuts it there
            std::string text;
        } change;
        std::vector<zevo::LogFinding> findings;
        bool saved = true;
        std::optional<bool> serialsSent = std::nullopt; // nothing: as the log sends it
    } rows[] = {
        {"clean log", {0, 0, ""}, {}},
        {"unsaved log keeps END-OF-LOG: of its last save", {12, 1, "END-OF-LOG:"}, {}, false},
        {"blank first line", {1, 1, ""}, {{1, E, K::NoStartOfLog, {}}}},
        {"no CATEGORY:", {4, 1, ""}, {{1, E, K::MissingHeaderLine, {"CATEGORY:"}}}},
        {"no NAME:", {6, 1, ""}, {{1, W, K::MissingHeaderLine, {"NAME:"}}}},
        {"CALLSIGN: without a call", {3, 10, ""}, {{3, E, K::EmptyCallsign, {}}}},
        {"another CALLSIGN:", {3, 11, "QQ9ZZZ"}, {{14, E, K::CallsignNotUsedCall, {"QQ9ZZZ", "QQ1AAA"}}}},
        {"saved without END-OF-LOG:", {17, 1, ""}, {{17, E, K::NoEndOfLog, {}}}},
        {"END-OF-LOG: before the end", {12, 1, "END-OF-LOG:"}, {{12, E, K::EndOfLogBeforeEnd, {}}}},
        {"line cut short", {16, 78, ""}, {{16, E, K::LineTooShort, {"77"}}}},
        {"blank after the number", {16, 80, " "}, {{16, E, K::LineTooLong, {"80"}}}},
        {"call of 14 touching the report", {15, 56, "QQ2ABCDEFGHIJK"}, {{15, E, K::BadLayout, {"69"}}}},
        {"band", {14, 6, "50000"}, {{14, E, K::BadBand, {"50000"}}}},
        // Any mode but PH counts as CW, in every reader: the next contact repeats it.
        {"mode",
         {14, 12, "RY"},
         {{14, E, K::BadMode, {"RY"}}, {15, W, K::Dupe, {"QQ2BBB", "20M", "CW", "14"}}}},
        {"no such day", {14, 15, "2026-02-30"}, {{14, E, K::BadDate, {"2026-02-30"}}}},
        {"no such minute", {14, 26, "2460"}, {{14, E, K::BadTime, {"2460"}}}},
        {"CW report of strength 0", {15, 45, "509"}, {{15, E, K::BadReportSent, {"509", "CW"}}}},
        {"no number sent", {16, 49, "      "}, {{16, E, K::BadExchangeSent, {""}}}},
        {"call", {14, 56, "QQ-BBB"}, {{14, E, K::BadCall, {"QQ-BBB"}}}},
        {"phone report of one digit", {14, 70, "5 "}, {{14, E, K::BadReportReceived, {"5", "PH"}}}},
        {"no number received", {16, 74, "      "}, {{16, E, K::NoNumberReceived, {}}}},
        {"earlier than the contact above",
         {15, 26, "1500"},
         {{15, W, K::TimeOrder, {"2026-04-05 1500", "2026-04-05 1507", "14"}}}},
        {"days after the contact above",
         {16, 15, "2026-04-08"},
         {{16, W, K::DatesApart, {"2026-04-08", "2026-04-05", "15"}}}},
        {"serial repeated", {16, 54, "2"}, {{16, E, K::SerialRepeated, {"2", "3"}}}},
        {"serial backwards", {16, 54, "1"}, {{16, E, K::SerialBackwards, {"1", "3"}}}},
        {"serial skipped", {16, 54, "4"}, {{16, W, K::SerialSkipped, {"4", "3"}}}},
        {"serial mistyped",
         {15, 54, "9"},
         {{16, E, K::SerialBackwards, {"3", "10"}}, {15, W, K::SerialSkipped, {"9", "2"}}}},
        {"dupe", {16, 6, "14000"}, {{16, W, K::Dupe, {"QQ2BBB", "20M", "PH", "14"}}}},
        {"Polish log sending numbers",
         {0, 0, ""},
         {{14, E, K::BadExchangeSent, {"1"}},
          {15, E, K::BadExchangeSent, {"2"}},
          {16, E, K::BadExchangeSent, {"3"}}},
         true,
         false},
        {"serial log, whatever the window speaks", {0, 0, ""}, {}},
        {"province letter in a serial log", {14, 49, "     S"}, {{14, E, K::BadExchangeSent, {"S"}}}},
    };
    for (const auto& row : rows) {
        std::vector<std::string> log = CleanLog();
        if (const auto& [number, column, text] = row.change; number != 0) {
            std::string& line = log[number - 1];
            line.resize(text.empty() ? column - 1 : std::max(line.size(), column - 1 + text.size()));
            line.replace(column - 1, text.size(), text);
        }
        EXPECT_EQ(zevo::CheckLog(log, {row.saved, row.serialsSent}), row.findings) << row.name;
    }
}

TEST(LogCheck, ProvinceLogIsJudgedByItsLetters) {
    std::vector<std::string> log = CleanLog();
    log[13].replace(53, 1, "S");
    log[14].replace(53, 1, "W");
    EXPECT_EQ(zevo::CheckLog(log, {.saved = true}),
              (std::vector<zevo::LogFinding>{{16, E, K::BadExchangeSent, {"3"}}}));
}

} // namespace
