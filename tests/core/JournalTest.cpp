#include "Journal.h"
#include "RunTimeError.h"

#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <memory>
#include <stdlib.h>
#include <unistd.h>

namespace {

using Lines = std::vector<std::string>;

namespace fs = std::filesystem;
using zevo::LogChange;

class JournalTest : public testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "zevo-journal-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder = pattern;
        path = (folder / "session.journal").string();
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string Bytes() const { return zevo::ReadJournalFile(path); }

    fs::path folder;
    std::string path;
};

std::ptrdiff_t OpenFiles() {
    return std::distance(fs::directory_iterator("/proc/self/fd"), fs::directory_iterator());
}

zevo::SessionState State(const std::string& numberSent, bool unsaved = true) {
    zevo::SessionState state;
    state.usedCall = "QQ1AAA";
    state.headerSet = true;
    state.unsavedLog = unsaved;
    state.band = 3;
    state.numberSent = numberSent;
    return state;
}

// A session: the header, two contacts, a save, one more contact; then a load that replaces it all.
void WriteSession(zevo::Journal& journal) {
    journal.Record(State("1"), LogChange::Append, Lines{"START-OF-LOG: 2.0", "CALLSIGN: QQ1AAA"});
    journal.Record(State("2"), LogChange::Append, Lines{"QSO: 1"});
    journal.Record(State("3"), LogChange::Append, Lines{"QSO: 2"});
    journal.Record(State("3", false), LogChange::MoveToEnd, Lines{"END-OF-LOG:"});
    journal.Record(State("4"), LogChange::Append, Lines{"QSO: 3"});
}

TEST_F(JournalTest, ReplaysTheLogAndTheStateOfTheLastRecord) {
    zevo::Journal journal(path);
    WriteSession(journal);
    zevo::JournalReplay replay = zevo::ReplayJournal(Bytes());
    const std::vector<std::string> log{
        "START-OF-LOG: 2.0", "CALLSIGN: QQ1AAA", "QSO: 1", "QSO: 2", "END-OF-LOG:", "QSO: 3"};
    EXPECT_EQ(replay.log, log);
    EXPECT_EQ(replay.state, State("4"));
    EXPECT_FALSE(replay.damaged);

    // A second save moves its line to the end; a load replaces every line.
    journal.Record(State("4", false), LogChange::MoveToEnd, Lines{"END-OF-LOG:"});
    replay = zevo::ReplayJournal(Bytes());
    EXPECT_EQ(replay.log, (std::vector<std::string>{"START-OF-LOG: 2.0", "CALLSIGN: QQ1AAA", "QSO: 1",
                                                    "QSO: 2", "QSO: 3", "END-OF-LOG:"}));
    // An import taken back: a block of lines goes at once.
    journal.Record(State("5"), LogChange::RemoveRows, Lines{"", ""}, 2);
    EXPECT_EQ(zevo::ReplayJournal(Bytes()).log,
              (std::vector<std::string>{"START-OF-LOG: 2.0", "CALLSIGN: QQ1AAA", "QSO: 3", "END-OF-LOG:"}));
    // A load longer than the journal's buffer, with a line longer than it, comes back whole.
    Lines loaded(6000, std::string(80, 'q'));
    loaded[0] = "LOADED";
    loaded[3000] = std::string(300000, 'x');
    loaded.back() = "";
    journal.Record(State("4"), LogChange::ReplaceAll, loaded);
    EXPECT_EQ(zevo::ReplayJournal(Bytes()).log, loaded);
}

TEST_F(JournalTest, AnUnchangedStateWritesNothing) {
    zevo::Journal journal(path);
    EXPECT_TRUE(journal.Record(State("1")));
    const auto size = fs::file_size(path);
    EXPECT_FALSE(journal.Record(State("1")));
    EXPECT_EQ(fs::file_size(path), size);
    EXPECT_TRUE(journal.Record(State("1"), LogChange::Append, Lines{"QSO: 1"}));
    EXPECT_TRUE(journal.Record(State("2")));
}

TEST_F(JournalTest, ACutOrDamagedLastRecordGivesBackEveryRecordBeforeIt) {
    {
        zevo::Journal journal(path);
        WriteSession(journal);
    }
    const std::string whole = Bytes();
    const std::size_t lastStart =
        whole.size() - zevo::JournalRecord(State("4"), LogChange::Append, Lines{"QSO: 3"}).size();
    const zevo::JournalReplay before = zevo::ReplayJournal(whole.substr(0, lastStart));
    ASSERT_EQ(before.records, 4U);
    for (std::size_t cut = lastStart; cut < whole.size(); ++cut) {
        const zevo::JournalReplay replay = zevo::ReplayJournal(whole.substr(0, cut));
        EXPECT_EQ(replay.log, before.log) << cut;
        EXPECT_EQ(replay.state, before.state) << cut;
        EXPECT_EQ(replay.completeBytes, lastStart) << cut;
        EXPECT_EQ(replay.damaged, cut > lastStart) << cut;
        std::string flipped = whole;
        flipped[cut] = static_cast<char>(flipped[cut] ^ 0x20);
        EXPECT_EQ(zevo::ReplayJournal(flipped).log, before.log) << cut;
    }
    // Going on after the damage cuts it off: the next record follows the complete ones.
    std::ofstream(path, std::ios::binary | std::ios::trunc) << whole.substr(0, whole.size() - 3);
    {
        zevo::Journal journal(path, lastStart);
        journal.Record(State("5"), LogChange::Append, Lines{"QSO: 4"});
    }
    const zevo::JournalReplay replay = zevo::ReplayJournal(Bytes());
    EXPECT_FALSE(replay.damaged);
    EXPECT_EQ(replay.log.back(), "QSO: 4");
    EXPECT_EQ(replay.log.size(), 6U);
}

// CRC-32 of IEEE 802.3 bit by bit, independent of the program's table.
std::uint32_t BitwiseCrc32(std::string_view bytes) {
    std::uint32_t crc = 0xFFFFFFFFU;
    for (const char byte : bytes) {
        crc ^= static_cast<unsigned char>(byte);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1U) ^ (0xEDB88320U & (0U - (crc & 1U)));
    }
    return ~crc;
}

// A record's frame: the body's length and its CRC-32, four bytes each, least significant first.
std::string Framed(const std::string& body) {
    std::string frame;
    for (const std::uint32_t number : {static_cast<std::uint32_t>(body.size()), BitwiseCrc32(body)})
        for (unsigned shift = 0; shift < 32; shift += 8)
            frame += static_cast<char>((number >> shift) & 0xFFU);
    return frame + body;
}

// A journal left by an earlier run must read the same: the frame is fixed, and a well-framed body
// that is no record ends the replay as damage does.
TEST_F(JournalTest, RecordsAreFramedByLengthAndStandardCrc32) {
    ASSERT_EQ(BitwiseCrc32("123456789"), 0xCBF43926U);
    const std::string record = zevo::JournalRecord(State("1"), LogChange::Append, Lines{"QSO: 1"});
    EXPECT_EQ(record, Framed(record.substr(8)));
    std::string badFlag = record.substr(8);
    badFlag[1 + 4 + 6] = '\2'; // the first flag, after the change and the used call
    for (const std::string& body : {std::string("\1"), badFlag}) {
        const zevo::JournalReplay replay =
            zevo::ReplayJournal(std::string(zevo::JournalMark) + record + Framed(body));
        EXPECT_EQ(replay.records, 1U);
        EXPECT_TRUE(replay.damaged);
    }
}

TEST_F(JournalTest, TheRealTimeChoiceReplaysAndOlderRecordsReadWithoutIt) {
    zevo::SessionState live = State("1");
    live.realTime = true;
    const std::string record = zevo::JournalRecord(live, LogChange::Append, Lines{"QSO: 1"});
    EXPECT_EQ(zevo::ReplayJournal(std::string(zevo::JournalMark) + record).state, live);
    // A record of a program without the choice ends before its byte.
    const std::string older = Framed(record.substr(8, record.size() - 9));
    EXPECT_EQ(zevo::ReplayJournal(std::string(zevo::JournalMark) + older).state, State("1"));
}

// The journal is the user's alone, and every file it opens is closed once: none is left open, and no
// descriptor that later takes the same number goes with it.
TEST_F(JournalTest, PrivateAndClosedOnce) {
    if (::fcntl(0, F_GETFD) < 0)
        ::open("/dev/null", O_RDONLY);
    const auto before = OpenFiles();
    {
        zevo::Journal journal(path);
        journal.Record(State("1"));
        EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write);
        zevo::ReadJournalFile(path);
        journal.Remove();
        EXPECT_FALSE(fs::exists(path));
        EXPECT_EQ(OpenFiles(), before);
    }
    EXPECT_EQ(OpenFiles(), before);
}

// A program started without standard input gets descriptor 0 for the first file it opens.
TEST_F(JournalTest, WorksOnDescriptorZero) {
    const int input = ::dup(0);
    ::close(0);
    for (const bool remove : {true, false}) {
        {
            zevo::Journal journal(path);
            ASSERT_GE(::fcntl(0, F_GETFD), 0);
            EXPECT_TRUE(journal.Record(State("1")));
            if (remove) {
                journal.Remove();
                EXPECT_LT(::fcntl(0, F_GETFD), 0);
            }
        }
        EXPECT_LT(::fcntl(0, F_GETFD), 0) << remove;
    }
    {
        const zevo::JournalLock lock((folder / "session.lock").string());
        EXPECT_TRUE(lock.Held());
    }
    EXPECT_LT(::fcntl(0, F_GETFD), 0);
    if (input >= 0) {
        ::dup2(input, 0);
        ::close(input);
    }
}

TEST_F(JournalTest, BytesThatAreNoJournalGiveNothing) {
    for (const char* bytes : {"", "ZEVO", "START-OF-LOG: 2.0\r\n"}) {
        const zevo::JournalReplay replay = zevo::ReplayJournal(bytes);
        EXPECT_FALSE(replay.state) << bytes;
        EXPECT_TRUE(replay.log.empty()) << bytes;
    }
}

struct FailingWrite {
    const char* name;
    std::size_t capacity; // bytes the disk takes after the journal was opened, at most 7 a call
    bool datasyncFails;
    const char* error; // of the record that does not fit
};

class JournalWriteFailure : public JournalTest, public testing::WithParamInterface<FailingWrite> {};

TEST_P(JournalWriteFailure, ThrowsAndLeavesEveryCompleteRecord) {
    const FailingWrite& row = GetParam();
    zevo::FileWriteCalls calls = zevo::FileWriteCalls::System();
    auto left = std::make_shared<std::size_t>(std::string::npos);
    const bool silent = std::string(row.error) != "Disk full"; // the disk takes nothing, naming no error
    calls.write = [left, silent, real = calls.write](int fd, const void* bytes,
                                                     std::size_t count) -> ssize_t {
        if (*left == 0) {
            errno = silent ? 0 : ENOSPC;
            return silent ? 0 : -1;
        }
        const ssize_t written = real(fd, bytes, std::min({count, std::size_t{7}, *left}));
        if (*left != std::string::npos)
            *left -= static_cast<std::size_t>(written);
        return written;
    };
    auto syncs = std::make_shared<int>(0);
    if (row.datasyncFails)
        calls.datasync = [](int) {
            errno = EIO;
            return -1;
        };
    else
        calls.datasync = [syncs, real = calls.datasync](int fd) {
            ++*syncs;
            return real(fd);
        };
    std::unique_ptr<zevo::Journal> journal;
    if (row.datasyncFails) {
        EXPECT_THROW(journal = std::make_unique<zevo::Journal>(path, calls), zevo::RunTimeError);
        return;
    }
    journal = std::make_unique<zevo::Journal>(path, calls);
    journal->Record(State("1"), LogChange::Append, Lines{"QSO: 1"});
    const std::string before = Bytes();
    const int syncsBefore = *syncs;
    *left = row.capacity;
    try {
        journal->Record(State("2"), LogChange::Append, Lines{"QSO: 2"});
        FAIL() << "no error";
    } catch (const zevo::RunTimeError& error) {
        EXPECT_STREQ(error.what(), row.error);
    }
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(*syncs, syncsBefore + 1); // the cut back to the complete records reaches the disk too
    EXPECT_THROW(journal->Record(State("3"), LogChange::Append, Lines{"QSO: 3"}), zevo::RunTimeError);
}

INSTANTIATE_TEST_SUITE_P(Disk, JournalWriteFailure,
                         testing::Values(FailingWrite{"full", 0, false, "Disk full"},
                                         FailingWrite{"fullHalfWay", 30, false, "Disk full"},
                                         FailingWrite{"takesNothing", 30, false, "I/O error 5"},
                                         FailingWrite{"flushFails", 0, true, "Disk full"}),
                         [](const auto& info) { return std::string(info.param.name); });

template <typename Action> std::string ErrorOf(const Action& action) {
    try {
        action();
    } catch (const zevo::RunTimeError& error) {
        return error.what();
    }
    return "no error";
}

// A record written whole that the disk does not confirm is no record: the error is told.
TEST_F(JournalTest, ARecordTheDiskDoesNotConfirmIsAnError) {
    zevo::FileWriteCalls calls = zevo::FileWriteCalls::System();
    auto fails = std::make_shared<bool>(false);
    calls.datasync = [fails, real = calls.datasync](int fd) {
        if (!*fails)
            return real(fd);
        errno = EIO;
        return -1;
    };
    zevo::Journal journal(path, calls);
    journal.Record(State("1"), LogChange::Append, Lines{"QSO: 1"});
    const std::string before = Bytes();
    *fails = true;
    EXPECT_EQ(ErrorOf([&] { journal.Record(State("2"), LogChange::Append, Lines{"QSO: 2"}); }),
              "I/O error 5");
    EXPECT_EQ(Bytes(), before);
}

TEST_F(JournalTest, OneProgramAtATimeHoldsTheLock) {
    const std::string lockPath = (folder / "session.lock").string();
    {
        const zevo::JournalLock first(lockPath);
        const auto held = OpenFiles();
        const zevo::JournalLock second(lockPath);
        EXPECT_EQ(OpenFiles(), held); // the refused lock keeps no file open
        EXPECT_TRUE(first.Held());
        EXPECT_FALSE(second.Held());
    }
    EXPECT_TRUE(zevo::JournalLock(lockPath).Held());
    EXPECT_THROW(zevo::JournalLock((folder / "missing" / "session.lock").string()), zevo::RunTimeError);
    EXPECT_EQ(ErrorOf([&] { zevo::Journal((folder / "missing" / "session.journal").string()); }),
              "File not found");
    EXPECT_EQ(ErrorOf([&] { zevo::ReadJournalFile((folder / "missing.journal").string()); }),
              "File not found");
    EXPECT_THROW(zevo::ReadJournalFile(folder.string()), zevo::RunTimeError);
}

TEST_F(JournalTest, SetAsideUnderTheDateWithoutReplacingAnEarlierOne) {
    std::ofstream(path) << "first";
    EXPECT_EQ(zevo::SetJournalAside(path, "2026-04-05"), (folder / "session-2026-04-05.journal").string());
    std::ofstream(path) << "second";
    EXPECT_EQ(zevo::SetJournalAside(path, "2026-04-05"), (folder / "session-2026-04-05-2.journal").string());
    EXPECT_FALSE(fs::exists(path));
    EXPECT_EQ(zevo::ReadJournalFile((folder / "session-2026-04-05.journal").string()), "first");
}

} // namespace
