#include "Conversion.h"
#include "RunTimeError.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <utility>

namespace {

struct IntegerCase {
    const char* text;
    bool valid;
    std::int32_t value;
};

class StrToIntTest : public testing::TestWithParam<IntegerCase> {};

TEST_P(StrToIntTest, ReadsSigned32BitDecimals) {
    const auto& row = GetParam();
    if (row.valid) {
        EXPECT_EQ(zevo::StrToInt(row.text), row.value);
        return;
    }
    try {
        zevo::StrToInt(row.text);
        FAIL() << "accepted '" << row.text << "'";
    } catch (const zevo::RunTimeError& error) {
        EXPECT_EQ(std::string(error.what()), "'" + std::string(row.text) + "' is not a valid integer value");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, StrToIntTest,
    testing::Values(IntegerCase{"1", true, 1}, IntegerCase{"007", true, 7}, IntegerCase{"009", true, 9},
                    IntegerCase{"-12", true, -12}, IntegerCase{"+5", true, 5}, IntegerCase{" 42", true, 42},
                    IntegerCase{"2147483647", true, 2147483647},
                    IntegerCase{"-2147483648", true, -2147483647 - 1}, IntegerCase{"2147483648", false, 0},
                    IntegerCase{"-2147483649", false, 0}, IntegerCase{"99999999999999999999", false, 0},
                    IntegerCase{"", false, 0}, IntegerCase{"-", false, 0}, IntegerCase{"12A", false, 0},
                    IntegerCase{"4 ", false, 0}, IntegerCase{"1.5", false, 0}));

TEST(ErrorTextTest, NamesFileFailuresInTheRunTimeLibrarysWords) {
    const std::pair<int, const char*> rows[] = {{ENOENT, "File not found"},
                                                {ENOTDIR, "Invalid filename"},
                                                {EINVAL, "Invalid filename"},
                                                {ENAMETOOLONG, "Invalid filename"},
                                                {EILSEQ, "Invalid filename"},
                                                {EMFILE, "Too many open files"},
                                                {ENFILE, "Too many open files"},
                                                {EACCES, "File access denied"},
                                                {EPERM, "File access denied"},
                                                {EROFS, "File access denied"},
                                                {EISDIR, "File access denied"},
                                                {ETXTBSY, "File access denied"},
                                                {ENOSPC, "Disk full"},
                                                {EDQUOT, "Disk full"},
                                                {EFBIG, "Disk full"},
                                                {EIO, "I/O error 5"},
                                                {EBADF, "I/O error 9"},
                                                {0, "I/O error 0"}};
    for (const auto& [error, text] : rows)
        EXPECT_EQ(zevo::ErrnoText(error), text) << error;
}

TEST(ErrorTextTest, TheBoxEndsWithOneFullStop) {
    EXPECT_EQ(zevo::ErrorBoxText("Disk full"), "Disk full.");
    EXPECT_EQ(zevo::ErrorBoxText("Already ends."), "Already ends.");
    EXPECT_EQ(zevo::ErrorBoxText("'x' is not a valid integer value"), "'x' is not a valid integer value.");
}

TEST(CaseTest, ChangesOnlyAsciiLetters) {
    EXPECT_EQ(zevo::AsciiUpper("qq1aaa/p \xb9"), "QQ1AAA/P \xb9"); // a-ogonek stays
    EXPECT_EQ(zevo::AsciiLower("QQ1AAA/P \xa5"), "qq1aaa/p \xa5");
    EXPECT_EQ(zevo::WithoutBlanks(" Q Q1 AAA "), "QQ1AAA");
}

} // namespace
