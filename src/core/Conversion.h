#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zevo {

// Reads a signed 32-bit decimal number: optional leading blanks, an optional sign, then digits only.
// Anything else, or a value outside the 32-bit range, throws RunTimeError("'text' is not a valid
// integer value"), as the run-time library's conversion does.
std::int32_t StrToInt(const std::string& text);

// Letters a to z become A to Z; every other byte (Polish letters included) stays as it is.
std::string AsciiUpper(std::string text);
// Letters A to Z become a to z; every other byte stays as it is.
std::string AsciiLower(std::string text);

// The text without any blank (space character).
std::string WithoutBlanks(const std::string& text);

// The file name proposed for a file of the station `usedCall`: the call with A to Z in lower case and
// `extension` appended, the first "/" and the first backslash each turned into "_". Only the first of
// each is replaced, so a second slash stays and names a folder.
std::string FileNameOfCall(const std::string& usedCall, std::string_view extension);

} // namespace zevo
