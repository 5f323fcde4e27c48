#include "LogDocument.h"
#include "QsoLine.h"

#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <set>

namespace {

using zevo::LogDocument;
using zevo::LogEdit;
using Kind = zevo::LogEdit::Kind;

std::string Qso(const std::string& call, int band = 3, bool phone = true) {
    return zevo::ComposeQsoLine({.band = band,
                                 .firstMode = phone,
                                 .date = "2026-04-05",
                                 .time = "15:07",
                                 .usedCall = "QQ1AAA",
                                 .reportSent = "59",
                                 .exchangeSent = "7",
                                 .callReceived = call,
                                 .reportReceived = "59",
                                 .numberReceived = "12"});
}

// What the listeners are told, before and after.
struct Recorder final : zevo::LogListener {
    std::vector<std::pair<bool, LogEdit>> edits;
    void LogAboutToChange(const LogDocument&, const LogEdit& edit) override {
        edits.emplace_back(false, edit);
    }
    void LogChanged(const LogDocument&, const LogEdit& edit) override { edits.emplace_back(true, edit); }
};

// The index against the lines read afresh.
void ExpectIndexOfLines(const LogDocument& log, const std::string& name) {
    std::map<std::string, std::vector<zevo::CallRow>> calls;
    for (std::size_t i = 0; i < log.Count(); ++i)
        if (const auto key = zevo::ReadQsoKey(log.Line(i)))
            calls[key->call].push_back({i, key->band, key->phone});
    EXPECT_EQ(log.Calls().DistinctCalls(), calls.size()) << name;
    for (const auto& [call, rows] : calls)
        EXPECT_EQ(log.Calls().Rows(call), rows) << name << " " << call;
    EXPECT_TRUE(log.Calls().Rows("QQ9ZZZ").empty()) << name;
}

TEST(LogDocument, EveryChangeKeepsTheLinesAndTheCallIndexAsAReadOfTheWholeLogWouldGive) {
    const struct {
        const char* name;
        std::function<void(LogDocument&)> change;
        std::vector<std::string> lines;
        std::vector<LogEdit> told; // after each change
    } rows[] = {
        {"append",
         [](LogDocument& log) { log.Append(Qso("QQ2BBB", 2, false)); },
         {"START-OF-LOG: 2.0", Qso("QQ2BBB"), Qso("QQ3CCC/P"), Qso("QQ2BBB", 1), Qso("QQ2BBB", 2, false)},
         {{Kind::Insert, 4, 1}}},
        {"insert in the middle",
         [](LogDocument& log) { log.Insert(1, Qso("QQ4DDD")); },
         {"START-OF-LOG: 2.0", Qso("QQ4DDD"), Qso("QQ2BBB"), Qso("QQ3CCC/P"), Qso("QQ2BBB", 1)},
         {{Kind::Insert, 1, 1}}},
        {"replace a call",
         [](LogDocument& log) { log.Replace(2, Qso("QQ3CCC")); },
         {"START-OF-LOG: 2.0", Qso("QQ2BBB"), Qso("QQ3CCC"), Qso("QQ2BBB", 1)},
         {{Kind::Replace, 2, 1}}},
        {"replace a header line by a contact",
         [](LogDocument& log) { log.Replace(0, Qso("QQ5EEE")); },
         {Qso("QQ5EEE"), Qso("QQ2BBB"), Qso("QQ3CCC/P"), Qso("QQ2BBB", 1)},
         {{Kind::Replace, 0, 1}}},
        {"remove the first of a call",
         [](LogDocument& log) { log.Remove(1); },
         {"START-OF-LOG: 2.0", Qso("QQ3CCC/P"), Qso("QQ2BBB", 1)},
         {{Kind::Remove, 1, 1}}},
        {"remove the last of a call",
         [](LogDocument& log) { log.Remove(2); },
         {"START-OF-LOG: 2.0", Qso("QQ2BBB"), Qso("QQ2BBB", 1)},
         {{Kind::Remove, 2, 1}}},
        {"replace all",
         [](LogDocument& log) {
             log.ReplaceAll({Qso("QQ6FFF"), "SOAPBOX: x"});
         },
         {Qso("QQ6FFF"), "SOAPBOX: x"},
         {{Kind::ReplaceAll, 0, 2}}},
        {"end of log moved to the end",
         [](LogDocument& log) {
             log.Insert(2, "END-OF-LOG:");
             log.MoveToEnd("END-OF-LOG:");
         },
         {"START-OF-LOG: 2.0", Qso("QQ2BBB"), Qso("QQ3CCC/P"), Qso("QQ2BBB", 1), "END-OF-LOG:"},
         {{Kind::Insert, 2, 1}, {Kind::Remove, 2, 1}, {Kind::Insert, 4, 1}}},
    };
    for (const auto& row : rows) {
        LogDocument log;
        log.Append({"START-OF-LOG: 2.0", Qso("QQ2BBB"), Qso("QQ3CCC/P"), Qso("QQ2BBB", 1)});
        Recorder recorder;
        log.AddListener(&recorder);
        row.change(log);
        EXPECT_EQ(log.Lines(), row.lines) << row.name;
        std::vector<std::pair<bool, LogEdit>> told;
        for (const LogEdit& edit : row.told) {
            told.emplace_back(false, edit);
            told.emplace_back(true, edit);
        }
        EXPECT_EQ(recorder.edits, told) << row.name;
        ExpectIndexOfLines(log, row.name);
    }
}

TEST(CallIndex, HoldsEveryCallWhenManyComeAndGo) {
    LogDocument log;
    std::vector<std::string> lines;
    for (int i = 0; i < 700; ++i)
        lines.push_back(Qso("QQ" + std::to_string(i % 7) + "C" + std::to_string(i / 2), i % 6));
    log.ReplaceAll(lines);
    for (std::size_t row = log.Count(); row-- > 0;)
        if (row % 3 != 0)
            log.Remove(row);
    for (int i = 0; i < 300; ++i)
        log.Insert(static_cast<std::size_t>(i) % log.Count(), Qso("QQ8D" + std::to_string(i % 150)));
    ExpectIndexOfLines(log, "after removals and insertions");
    EXPECT_EQ(log.Calls().Containing("8D14", 5).total, 11U); // 14 and 140 to 149
}

// A prefix is held by most calls of a long log: its list, long from the load or grown long one call at a
// time, still answers in order after thousands of calls come and go.
TEST(CallIndex, FindsFragmentsHeldByThousandsOfCallsThroughChanges) {
    LogDocument log;
    std::vector<std::string> lines;
    for (int i = 0; i < 9000; ++i)
        lines.push_back(Qso("QQ" + std::to_string(i)));
    log.ReplaceAll(lines);
    for (std::size_t row = log.Count(); row-- > 0;) // QQ1 to QQ4999: calls that follow each other
        if (const char first = std::to_string(row)[0]; first >= '1' && first <= '4')
            log.Remove(row);
    for (int i = 0; i < 6000; ++i)
        log.Insert(static_cast<std::size_t>(i * 7) % log.Count(),
                   Qso("ZX" + std::to_string((i * 4099) % 6000)));
    for (const char* fragment : {"QQ", "ZX", "Q5", "X29", "ZX1", "Q1", "Q87"}) {
        std::set<std::string> holding;
        for (std::size_t i = 0; i < log.Count(); ++i)
            if (const auto key = zevo::ReadQsoKey(log.Line(i)); key->call.find(fragment) != std::string::npos)
                holding.insert(key->call);
        const zevo::CallMatches matches = log.Calls().Containing(fragment, 20000);
        EXPECT_EQ(matches.calls, std::vector<std::string>(holding.begin(), holding.end())) << fragment;
        EXPECT_EQ(matches.total, holding.size()) << fragment;
    }
}

TEST(CallIndex, FindsTheCallsThatHoldAFragmentAnywhereSortedAndCounted) {
    std::vector<std::string> lines;
    for (const char* call :
         {"QQ2BBB", "QQ3CCC/P", "QQ3CCC", "SQ9ABC", "QQ2BBB", "AB1CD", "QQ-A1", "QQ.A1", "ZA9AB", "AZ1AB"})
        lines.push_back(Qso(call));
    const struct {
        const char* fragment;
        std::size_t limit;
        std::vector<std::string> calls;
        std::size_t total;
    } rows[] = {
        {"QQ", 20, {"QQ-A1", "QQ.A1", "QQ2BBB", "QQ3CCC", "QQ3CCC/P"}, 5},
        {"QQ", 2, {"QQ-A1", "QQ.A1"}, 5},
        {"CC/", 20, {"QQ3CCC/P"}, 1},
        {"3CCC", 20, {"QQ3CCC", "QQ3CCC/P"}, 2},
        {"AB", 20, {"AB1CD", "AZ1AB", "SQ9ABC", "ZA9AB"}, 4},
        {"BBB", 20, {"QQ2BBB"}, 1},
        {"Q2BB", 20, {"QQ2BBB"}, 1},
        {"QQ3CCC/P", 20, {"QQ3CCC/P"}, 1},
        {"ZZ", 20, {}, 0},
        {"Q", 20, {}, 0},
        // Other characters than letters, digits and the stroke are told apart too.
        {"-A", 20, {"QQ-A1"}, 1},
        {".A1", 20, {"QQ.A1"}, 1},
        {"Q.", 20, {"QQ.A1"}, 1},
    };
    // A log loaded whole and one that grew a contact at a time.
    LogDocument loaded;
    loaded.ReplaceAll(lines);
    LogDocument grown;
    for (const std::string& line : lines)
        grown.Append(line);
    for (LogDocument* log : {&loaded, &grown}) {
        for (const auto& row : rows) {
            const zevo::CallMatches matches = log->Calls().Containing(row.fragment, row.limit);
            EXPECT_EQ(matches.calls, row.calls) << row.fragment;
            EXPECT_EQ(matches.total, row.total) << row.fragment;
        }
        log->Remove(2);
        EXPECT_EQ(log->Calls().Containing("CCC", 20).calls, std::vector<std::string>{"QQ3CCC/P"});
    }
}

// Lines put in, taken out and replaced anywhere, long ones among them, so that the bytes of lines gone
// outgrow the rest and are laid out afresh: the store reads as a plain vector given the same changes.
TEST(LineStore, ReadsAsAVectorOfTheSameLinesThroughEveryChange) {
    std::mt19937 random(29);
    const auto below = [&random](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    };
    const auto text = [&](std::size_t i) {
        return std::string(below(4) == 0 ? 3000 : below(90), char('A' + i % 26));
    };
    zevo::LineStore store;
    std::vector<std::string> lines;
    for (std::size_t step = 0; step < 3000; ++step) {
        const std::size_t row = below(lines.size() + 1);
        switch (lines.empty() ? 0 : below(4)) {
        case 0:
        case 1: {
            std::vector<std::string> added{text(step), text(step + 1)};
            added.resize(1 + below(2));
            store.insert(row, added.begin(), added.end());
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(row), added.begin(), added.end());
            break;
        }
        case 2: {
            const std::size_t first = std::min(row, lines.size() - 1);
            const std::size_t last = first + 1 + below(std::min<std::size_t>(3, lines.size() - first));
            store.erase(first, last);
            lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(first),
                        lines.begin() + static_cast<std::ptrdiff_t>(last));
            break;
        }
        default:
            const std::size_t at = std::min(row, lines.size() - 1);
            lines[at] = text(step);
            store.replace(at, lines[at]);
        }
        ASSERT_TRUE(store == lines) << "step " << step;
    }
    EXPECT_TRUE(zevo::LineStore(lines) == store);
}

} // namespace
