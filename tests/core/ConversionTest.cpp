#include "Conversion.h"
#include "RunTimeError.h"

#include <cerrno>
#include <gtest/gtest.h>

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
    EXPECT_EQ(zevo::ErrnoText(ENOENT), "File not found");
    EXPECT_EQ(zevo::ErrnoText(EACCES), "File access denied");
    EXPECT_EQ(zevo::ErrnoText(ENOSPC), "Disk full");
    EXPECT_EQ(zevo::ErrnoText(ENAMETOOLONG), "Invalid filename");
    EXPECT_EQ(zevo::ErrnoText(EIO), "I/O error " + std::to_string(EIO));
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
