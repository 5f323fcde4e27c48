#include "CabrilloFile.h"
#include "CabrilloReader.h"
#include "RunTimeError.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <memory>
#include <ostream>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <utility>

namespace {

namespace fs = std::filesystem;

TEST(ProposedCabrilloFileName, LowerCaseCallWithTheFirstOfEachSeparatorReplaced) {
    const std::pair<const char*, const char*> rows[] = {{"QQ1AAA", "qq1aaa.cbr"},
                                                        {"QQ1AAA/P", "qq1aaa_p.cbr"},
                                                        {"QQ1AAA\\P", "qq1aaa_p.cbr"},
                                                        {"QQ/1AAA/P", "qq_1aaa/p.cbr"}};
    for (const auto& [call, name] : rows)
        EXPECT_EQ(zevo::ProposedCabrilloFileName(call), name) << call;
}

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A disk that is interrupted once, takes at most 4096 bytes a call, is full after `capacity` bytes
// (or, when `fsyncError` is -1, takes nothing more without naming an error) and fails fsync with
// `fsyncError` when that is positive.
zevo::FileWriteCalls Disk(std::size_t capacity, int fsyncError) {
    zevo::FileWriteCalls calls = zevo::FileWriteCalls::System();
    auto taken = std::make_shared<std::size_t>(0);
    auto interrupt = std::make_shared<bool>(true);
    calls.write = [=, real = calls.write](int fd, const void* bytes, std::size_t count) -> ssize_t {
        if (*taken >= capacity && fsyncError < 0)
            return 0;
        if (std::exchange(*interrupt, false) || *taken >= capacity) {
            errno = *taken >= capacity ? ENOSPC : EINTR;
            return -1;
        }
        const ssize_t written = real(fd, bytes, std::min({count, std::size_t{4096}, capacity - *taken}));
        *taken += static_cast<std::size_t>(written);
        return written;
    };
    if (fsyncError > 0)
        calls.fsync = [=](int) {
            errno = fsyncError;
            return -1;
        };
    return calls;
}

struct WriteCase {
    const char* name;
    const char* file; // in the folder that holds the earlier "log.cbr"
    std::size_t capacity;
    int fsyncError;
    const char* error; // nullptr: the file is written
};

void PrintTo(const WriteCase& row, std::ostream* out) {
    *out << row.name;
}

class WriteCabrilloFileTest : public testing::TestWithParam<WriteCase> {};

TEST_P(WriteCabrilloFileTest, ReplacesTheOldFileOnlyWhenTheNewOneIsComplete) {
    const WriteCase& row = GetParam();
    std::string pattern = (fs::temp_directory_path() / "zevo-core-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    const fs::path folder = pattern;
    const std::string old = "START-OF-LOG: 2.0\r\nEND-OF-LOG:\r\n";
    std::ofstream(folder / "log.cbr", std::ios::binary) << old;
    fs::permissions(folder / "log.cbr", fs::perms(0640));

    // Long enough for several buffers, with the END-OF-LOG: line of an earlier save in the middle: a log
    // loaded from a file whose lines end in CR LF but for one, then corrected: contacts deleted and one
    // replaced, others added in the middle and at the end.
    const std::string qso = "QSO: 14000 PH 2026-04-05 1509 QQ1AAA        59       2 QQ3CCC        59       3";
    const std::string added =
        "QSO: 14000 PH 2026-04-05 1510 QQ1AAA        59       3 QQ4DDD        59       4";
    std::string loaded = "START-OF-LOG: 2.0\r\nEND-OF-LOG:\r\n";
    for (int i = 0; i < 3000; ++i)
        loaded += qso + (i == 1500 ? "\n" : "\r\n");
    zevo::LineStore log = zevo::ReadCabrilloLines(loaded);
    log.erase(100, 103);
    log.replace(50, added);
    for (const std::size_t row : {std::size_t{2500}, std::size_t{700}, log.size()}) {
        const std::vector<std::string> lines(400, added);
        log.insert(row, lines.begin(), lines.end());
    }
    std::string expected;
    for (const std::string_view line : log)
        if (line != "END-OF-LOG:")
            expected.append(line).append("\r\n");
    expected += "END-OF-LOG:\r\n";
    ASSERT_EQ(expected.size(), loaded.size() + 1 + 1200 * (added.size() + 2) - 3 * (qso.size() + 2));
    try {
        zevo::WriteCabrilloFile((folder / row.file).string(), log, Disk(row.capacity, row.fsyncError));
        EXPECT_EQ(row.error, nullptr);
        EXPECT_EQ(ReadBytes(folder / row.file), expected);
        EXPECT_EQ(fs::status(folder / row.file).permissions(), fs::perms(0640)); // kept from the old file
    } catch (const zevo::RunTimeError& error) {
        EXPECT_STREQ(error.what(), row.error);
        EXPECT_EQ(ReadBytes(folder / "log.cbr"), old);
    }
    // No temporary file is left behind, nor anything a failure created.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
    fs::remove_all(folder);
}

constexpr std::size_t Unlimited = std::size_t(-1);

INSTANTIATE_TEST_SUITE_P(Disks, WriteCabrilloFileTest,
                         testing::Values(WriteCase{"Written", "log.cbr", Unlimited, 0, nullptr},
                                         WriteCase{"MissingFolder", "missing/log.cbr", Unlimited, 0,
                                                   "File not found"},
                                         WriteCase{"FullHalfWay", "log.cbr", 100000, 0, "Disk full"},
                                         WriteCase{"TakesNothing", "log.cbr", 100000, -1, "I/O error 5"},
                                         WriteCase{"FlushFails", "log.cbr", Unlimited, EIO, "I/O error 5"}),
                         [](const testing::TestParamInfo<WriteCase>& info) { return info.param.name; });

// A new file is made like any other the user creates, and until the commit it exists only as a
// hidden file beside its target, gone again when the save is given up.
TEST(AtomicTextFileTest, NewFileBesideItsTargetUntilCommitted) {
    std::string pattern = (fs::temp_directory_path() / "zevo-core-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    const fs::path folder = pattern;
    const mode_t mask = ::umask(022);
    // The file is closed once: no descriptor of the program that took its number later goes with it.
    if (::fcntl(0, F_GETFD) < 0)
        ::open("/dev/null", O_RDONLY);
    for (const bool commit : {false, true}) {
        zevo::AtomicTextFile file((folder / "new.cbr").string());
        file.WriteLine("END-OF-LOG:");
        EXPECT_EQ(fs::path(file.TemporaryPath()).parent_path(), folder);
        EXPECT_EQ(fs::path(file.TemporaryPath()).filename().string().rfind(".new.cbr.", 0), 0u);
        EXPECT_TRUE(fs::exists(file.TemporaryPath()));
        EXPECT_FALSE(file.InPlace());
        if (commit)
            file.Commit();
    }
    ::umask(mask);
    EXPECT_GE(::fcntl(0, F_GETFD), 0);
    EXPECT_EQ(ReadBytes(folder / "new.cbr"), "END-OF-LOG:\r\n");
    EXPECT_EQ(fs::status(folder / "new.cbr").permissions(), fs::perms(0644));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);

    // Saved through a link, the file it points at is replaced and the link stays.
    fs::create_symlink("new.cbr", folder / "link.cbr");
    zevo::WriteCabrilloFile((folder / "link.cbr").string(), std::vector<std::string>{"START-OF-LOG: 2.0"});
    EXPECT_TRUE(fs::is_symlink(folder / "link.cbr"));
    EXPECT_EQ(ReadBytes(folder / "new.cbr"), "START-OF-LOG: 2.0\r\nEND-OF-LOG:\r\n");

    // The new file of a save killed on the way goes with the next save of its target; that of a save
    // still writing (it holds its lock) and a file of another name stay.
    for (const char* name : {".new.cbr.123", ".new.cbr.456", ".other.cbr.789", ".new.cbr.x1"})
        std::ofstream(folder / name) << "QSO:";
    const int writing = ::open((folder / ".new.cbr.456").c_str(), O_RDONLY);
    ASSERT_EQ(::flock(writing, LOCK_EX), 0);
    zevo::WriteCabrilloFile((folder / "new.cbr").string(), std::vector<std::string>{"START-OF-LOG: 2.0"});
    EXPECT_FALSE(fs::exists(folder / ".new.cbr.123"));
    for (const char* name : {".new.cbr.456", ".other.cbr.789", ".new.cbr.x1"})
        EXPECT_TRUE(fs::exists(folder / name)) << name;
    ::close(writing);
    fs::remove_all(folder);
}

} // namespace
