#include "CheckFile.h"
#include "LogDocument.h"
#include "QsoLine.h"

#include <gtest/gtest.h>

namespace {

std::string Joined(const std::vector<std::string>& calls) {
    std::string text;
    for (const std::string& call : calls)
        text += (text.empty() ? "" : " ") + call;
    return text;
}

TEST(CheckFile, EachLineReadOrSkipped) {
    const struct {
        const char* bytes;
        std::string calls;
        std::size_t duplicates;
        std::string notCalls; // their line numbers
    } rows[] = {
        {"# made 2026-04-01\r\nQQ2BBB\r\n", "QQ2BBB", 0, ""},
        {"!!Order,1,1\nQQ2BBB\nSQ9QQ\n", "QQ2BBB SQ9QQ", 0, ""},
        {"qq2bbb\r\n QQ2BBB \r\n\r\nsq9qq", "QQ2BBB SQ9QQ", 1, ""},
        {"QQ2BBB/P\nHELLO\n12345\nQQ2-BB\n", "QQ2BBB/P", 0, "2 3 4"},
    };
    for (const auto& row : rows) {
        const zevo::CheckFileRead read = zevo::ReadCheckFile(row.bytes);
        EXPECT_EQ(Joined(read.calls), row.calls) << row.bytes;
        EXPECT_EQ(read.duplicates, row.duplicates) << row.bytes;
        std::vector<std::string> lines;
        for (const zevo::SkippedLine& skipped : read.notCalls)
            lines.push_back(std::to_string(skipped.line));
        EXPECT_EQ(Joined(lines), row.notCalls) << row.bytes;
    }
}

TEST(CheckFile, AFileThatIsNoListOfCallsIsRefused) {
    using Refusal = zevo::CheckFileRefusal;
    const std::string large = "QQ2BBB\n" + std::string(zevo::CheckFileMaxBytes, '#');
    const std::string binary("QQ2BBB\n\0\x01\x02", 10);
    const struct {
        std::string bytes;
        Refusal refusal;
    } rows[] = {{"QQ2BBB\r\n\x1A", Refusal::None},
                {"", Refusal::NoCalls},
                {"# none\n!!Order,1,1\n", Refusal::NoCalls},
                {binary, Refusal::Binary},
                {large, Refusal::TooLarge}};
    for (const auto& row : rows)
        EXPECT_EQ(zevo::RefusalOf(row.bytes, zevo::ReadCheckFile(row.bytes)), row.refusal)
            << row.bytes.size();
}

TEST(CheckFile, TheLogsCallsThenTheFilesStartingThenHolding) {
    zevo::LogDocument log;
    log.Append(
        {zevo::ComposeQsoLine({3, true, "2026-04-05", "15:07", "QQ1AAA", "59", "7", "SQ2ABC", "59", "12"})});
    const zevo::CheckCalls file(
        zevo::ReadCheckFile("SQ2ABC\nSQ2ABD\nSQ2ABE\nSQ2XY\nDL2ABC\nSQ2ABC/P\nDL1AB\nSQ9AB\nPA0AB\n").calls);
    const struct {
        const char* fragment;
        std::size_t limit;
        std::string log, starting, containing;
        std::size_t moreStarting, moreContaining;
    } rows[] = {
        {"S", 2, "", "", "", 0, 0},
        {"sq2ab", 9, "SQ2ABC", "SQ2ABC/P SQ2ABD SQ2ABE", "", 0, 0},
        {"SQ2AB", 2, "SQ2ABC", "SQ2ABC/P SQ2ABD", "", 1, 0},
        {"AB", 2, "SQ2ABC", "", "DL1AB DL2ABC", 0, 6},
        {"2ABC", 9, "SQ2ABC", "", "DL2ABC SQ2ABC/P", 0, 0},
        {"ZZ", 9, "", "", "", 0, 0},
    };
    for (const auto& row : rows) {
        const zevo::CheckPanelGroups groups =
            zevo::CheckPanelFor(log.Calls(), file, row.fragment, {3, true}, row.limit);
        std::vector<std::string> logCalls;
        for (const zevo::FragmentMatch& match : groups.log.calls)
            logCalls.push_back(match.call);
        EXPECT_EQ(Joined(logCalls), row.log) << row.fragment;
        EXPECT_EQ(Joined(groups.starting.calls), row.starting) << row.fragment;
        EXPECT_EQ(Joined(groups.containing.calls), row.containing) << row.fragment;
        EXPECT_EQ(groups.starting.total - groups.starting.calls.size(), row.moreStarting) << row.fragment;
        EXPECT_EQ(groups.containing.total - groups.containing.calls.size(), row.moreContaining)
            << row.fragment;
    }
}

TEST(CheckFile, ANewCallTheFileDoesNotKnowIsFlagged) {
    zevo::LogDocument log;
    log.Append(
        {zevo::ComposeQsoLine({3, true, "2026-04-05", "15:07", "QQ1AAA", "59", "7", "SQ2ABC", "59", "12"})});
    const zevo::CheckCalls file(zevo::ReadCheckFile("SQ2ABD\n").calls);
    const struct {
        const char* call;
        const zevo::CheckCalls* file;
        bool flagged;
    } rows[] = {{"SQ2ABX", &file, true},
                {"sq2abd", &file, false},
                {"SQ2ABC", &file, false},
                {"", &file, false},
                {"SQ2ABX", nullptr, false}};
    const zevo::CheckCalls none;
    for (const auto& row : rows) {
        const zevo::CallVerdict verdict = zevo::CheckCall(log.Calls(), log.Lines(), row.call, {3, true});
        EXPECT_EQ(zevo::NotInCheckFile(verdict, row.file ? *row.file : none, row.call), row.flagged)
            << row.call;
    }
}

} // namespace
