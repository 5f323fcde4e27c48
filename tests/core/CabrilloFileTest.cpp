#include "CabrilloFile.h"
#include "RunTimeError.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <memory>
#include <ostream>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using zevo::AtomicTextFile;
using zevo::FileWriteCalls;
using zevo::RunTimeError;

struct NameCase {
    const char* usedCall;
    const char* name;
};

void PrintTo(const NameCase& row, std::ostream* out) {
    *out << '"' << row.usedCall << '"';
}

class ProposedCabrilloFileNameTest : public testing::TestWithParam<NameCase> {};

TEST_P(ProposedCabrilloFileNameTest, LowerCaseCallWithTheExtension) {
    EXPECT_EQ(zevo::ProposedCabrilloFileName(GetParam().usedCall), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(
    Calls, ProposedCabrilloFileNameTest,
    testing::Values(NameCase{"QQ1AAA", "qq1aaa.cbr"}, NameCase{"QQ1AAA/P", "qq1aaa_p.cbr"},
                    NameCase{"QQ1AAA\\P", "qq1aaa_p.cbr"},
                    // Only the first of each separator is replaced.
                    NameCase{"QQ/1AAA/P", "qq_1aaa/p.cbr"}, NameCase{"Q\\Q\\1", "q_q\\1.cbr"},
                    NameCase{"P/QQ1AAA\\M", "p_qq1aaa_m.cbr"}, NameCase{"", ".cbr"},
                    // Only A to Z are lowered; Windows-1250 capitals stay as they are.
                    NameCase{"SP\xA3\xA5", "sp\xA3\xA5.cbr"}),
    [](const testing::TestParamInfo<NameCase>& info) { return "Case" + std::to_string(info.index); });

// A folder of its own for every test, removed with everything in it.
class TempFolder {
public:
    TempFolder() {
        std::string pattern = (fs::temp_directory_path() / "zevo-core-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("no temporary folder");
        m_path = pattern;
    }
    ~TempFolder() {
        std::error_code ignored;
        fs::remove_all(m_path, ignored);
    }
    std::string operator/(const std::string& name) const { return (m_path / name).string(); }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(m_path))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    fs::path m_path;
};

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

const std::vector<std::string> Header{"START-OF-LOG: 2.0", "CALLSIGN: QQ1AAA", "CATEGORY: SINGLE-OP ALL LOW"};
const std::string Qso1 = "QSO: 14000 PH 2026-04-05 1507 QQ1AAA        59       1 QQ2BBB        59      12";
const std::string Qso2 = "QSO: 14000 PH 2026-04-05 1509 QQ1AAA        59       2 QQ3CCC        59       3";

std::vector<std::string> Log(std::initializer_list<std::string> tail) {
    std::vector<std::string> log = Header;
    log.insert(log.end(), tail);
    return log;
}

TEST(WriteCabrilloFile, EveryLineWithCrLfAndOneEndOfLogLast) {
    TempFolder folder;
    zevo::WriteCabrilloFile(folder / "qq1aaa.cbr", Log({Qso1, Qso2}));
    EXPECT_EQ(ReadBytes(folder / "qq1aaa.cbr"), "START-OF-LOG: 2.0\r\nCALLSIGN: QQ1AAA\r\n"
                                                "CATEGORY: SINGLE-OP ALL LOW\r\n" +
                                                    Qso1 + "\r\n" + Qso2 + "\r\nEND-OF-LOG:\r\n");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"qq1aaa.cbr"});
}

struct EndOfLogCase {
    const char* name;
    std::vector<std::string> log;
    std::vector<std::string> saved;
};

void PrintTo(const EndOfLogCase& row, std::ostream* out) {
    *out << row.name;
}

class EndOfLogTest : public testing::TestWithParam<EndOfLogCase> {};

TEST_P(EndOfLogTest, EarlierEndOfLogLinesGiveWayToOneAtTheEnd) {
    TempFolder folder;
    zevo::WriteCabrilloFile(folder / "log.cbr", GetParam().log);
    std::string expected;
    for (const std::string& line : GetParam().saved)
        expected += line + "\r\n";
    EXPECT_EQ(ReadBytes(folder / "log.cbr"), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Logs, EndOfLogTest,
    testing::Values(EndOfLogCase{"HeaderOnly", Header, Log({"END-OF-LOG:"})},
                    EndOfLogCase{"SavedBefore", Log({Qso1, "END-OF-LOG:"}), Log({Qso1, "END-OF-LOG:"})},
                    EndOfLogCase{"ContactsAfterASave", Log({Qso1, "END-OF-LOG:", Qso2}),
                                 Log({Qso1, Qso2, "END-OF-LOG:"})},
                    // Only the exact line goes; one with a blank behind it is the user's own.
                    EndOfLogCase{"LookalikesStay", Log({"END-OF-LOG: ", "END-OF-LOG:", "END-OF-LOG:"}),
                                 Log({"END-OF-LOG: ", "END-OF-LOG:"})},
                    EndOfLogCase{"EmptyLog", {}, {"END-OF-LOG:"}}),
    [](const testing::TestParamInfo<EndOfLogCase>& info) { return info.param.name; });

TEST(AtomicTextFile, ReplacesAnOldFileAndKeepsItsPermissions) {
    TempFolder folder;
    const std::string path = folder / "log.cbr";
    WriteBytes(path, "old content, longer than the new one\r\n");
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    {
        AtomicTextFile file(path);
        file.WriteLine("new");
        file.Commit();
    }
    EXPECT_EQ(ReadBytes(path), "new\r\n");
    struct stat status {};
    ASSERT_EQ(::stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"log.cbr"});
}

TEST(AtomicTextFile, NothingReachesTheTargetBeforeCommit) {
    TempFolder folder;
    const std::string path = folder / "log.cbr";
    WriteBytes(path, "old\r\n");
    {
        AtomicTextFile file(path);
        file.WriteLine(std::string(200000, 'x'));
        EXPECT_EQ(ReadBytes(path), "old\r\n");
        EXPECT_EQ(fs::path(file.TemporaryPath()).parent_path(), fs::path(path).parent_path());
        EXPECT_TRUE(fs::exists(file.TemporaryPath()));
    }
    // Abandoned without Commit: the old file stays and the new one is gone.
    EXPECT_EQ(ReadBytes(path), "old\r\n");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"log.cbr"});
}

TEST(AtomicTextFile, SavingThroughALinkReplacesTheFileItPointsAt) {
    TempFolder folder;
    WriteBytes(folder / "real.cbr", "old\r\n");
    fs::create_symlink(folder / "real.cbr", folder / "link.cbr");
    zevo::WriteCabrilloFile(folder / "link.cbr", Header);
    EXPECT_TRUE(fs::is_symlink(folder / "link.cbr"));
    EXPECT_EQ(ReadBytes(folder / "real.cbr").substr(0, 19), "START-OF-LOG: 2.0\r\n");
}

TEST(AtomicTextFile, AFolderThatDoesNotExistIsReportedAndLeavesNothing) {
    TempFolder folder;
    try {
        zevo::WriteCabrilloFile(folder / "missing/log.cbr", Header);
        FAIL() << "no error";
    } catch (const RunTimeError& error) {
        EXPECT_STREQ(error.what(), "File not found");
    }
    EXPECT_TRUE(folder.Names().empty());
}

TEST(AtomicTextFile, AFolderInPlaceOfTheFileIsReportedAndLeavesNothing) {
    TempFolder folder;
    fs::create_directory(folder / "log.cbr");
    try {
        zevo::WriteCabrilloFile(folder / "log.cbr", Header);
        FAIL() << "no error";
    } catch (const RunTimeError& error) {
        EXPECT_STREQ(error.what(), "File access denied");
    }
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"log.cbr"});
    EXPECT_TRUE(fs::is_directory(folder / "log.cbr"));
}

// How the disk behaves: it takes `capacity` bytes in pieces of at most `piece`, then fails with
// `writeError`; fsync fails with `fsyncError` when that is not 0.
struct FailureCase {
    const char* name;
    std::size_t capacity;
    std::size_t piece;
    int writeError;
    int fsyncError;
    const char* text;
};

void PrintTo(const FailureCase& row, std::ostream* out) {
    *out << row.name;
}

class FailingDiskTest : public testing::TestWithParam<FailureCase> {};

TEST_P(FailingDiskTest, LeavesTheOldFileByteIdenticalAndNothingElse) {
    const FailureCase& disk = GetParam();
    TempFolder folder;
    const std::string path = folder / "log.cbr";
    const std::string old = "START-OF-LOG: 2.0\r\n" + Qso1 + "\r\nEND-OF-LOG:\r\n";
    WriteBytes(path, old);

    auto taken = std::make_shared<std::size_t>(0);
    FileWriteCalls calls = FileWriteCalls::System();
    const auto realWrite = calls.write;
    calls.write = [=](int fd, const void* bytes, std::size_t count) -> ssize_t {
        if (*taken >= disk.capacity) {
            errno = disk.writeError;
            return -1;
        }
        const std::size_t now = std::min({count, disk.piece, disk.capacity - *taken});
        const ssize_t written = realWrite(fd, bytes, now);
        *taken += static_cast<std::size_t>(written);
        return written;
    };
    if (disk.fsyncError != 0)
        calls.fsync = [=](int) {
            errno = disk.fsyncError;
            return -1;
        };

    // A log long enough to be written in several pieces.
    std::vector<std::string> log = Header;
    for (int i = 0; i < 3000; ++i)
        log.push_back(Qso2);
    try {
        zevo::WriteCabrilloFile(path, log, calls);
        FAIL() << "no error";
    } catch (const RunTimeError& error) {
        EXPECT_EQ(std::string(error.what()), disk.text);
    }
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"log.cbr"});
}

constexpr std::size_t Unlimited = std::size_t(-1);

INSTANTIATE_TEST_SUITE_P(
    Disks, FailingDiskTest,
    testing::Values(FailureCase{"FullFromTheStart", 0, Unlimited, ENOSPC, 0, "Disk full"},
                    FailureCase{"FullHalfWay", 100000, Unlimited, ENOSPC, 0, "Disk full"},
                    FailureCase{"FullInTheMiddleOfALine", 1000, 333, ENOSPC, 0, "Disk full"},
                    FailureCase{"QuotaExceeded", 70000, 4096, EDQUOT, 0, "Disk full"},
                    FailureCase{"DeviceFails", 5000, Unlimited, EIO, 0, "I/O error 5"},
                    // Every byte taken, but the disk cannot keep them.
                    FailureCase{"FlushFails", Unlimited, Unlimited, 0, EIO, "I/O error 5"},
                    FailureCase{"FlushFindsTheDiskFull", Unlimited, 1000, 0, ENOSPC, "Disk full"}),
    [](const testing::TestParamInfo<FailureCase>& info) { return info.param.name; });

TEST(AtomicTextFile, AnInterruptedWriteIsRetried) {
    TempFolder folder;
    const std::string path = folder / "log.cbr";
    FileWriteCalls calls = FileWriteCalls::System();
    const auto realWrite = calls.write;
    auto interrupted = std::make_shared<int>(0);
    calls.write = [=](int fd, const void* bytes, std::size_t count) -> ssize_t {
        if ((*interrupted)++ % 2 == 0) {
            errno = EINTR;
            return -1;
        }
        return realWrite(fd, bytes, std::min<std::size_t>(count, 7));
    };
    zevo::WriteCabrilloFile(path, Log({Qso1}), calls);
    EXPECT_EQ(ReadBytes(path), "START-OF-LOG: 2.0\r\nCALLSIGN: QQ1AAA\r\nCATEGORY: SINGLE-OP ALL LOW\r\n" +
                                   Qso1 + "\r\nEND-OF-LOG:\r\n");
}

} // namespace
