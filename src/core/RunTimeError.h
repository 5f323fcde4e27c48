#pragma once

#include <stdexcept>
#include <string>

namespace zevo {

// A failure that a handler does not test for itself: a file that cannot be opened, created, read or
// written, or a text that is not a whole number where one is converted. It carries the text the
// user sees in the uniform error box ("File not found", "Disk full", ...).
class RunTimeError final : public std::runtime_error {
public:
    explicit RunTimeError(const std::string& text) : std::runtime_error(text) {}
};

// The run-time library's wording for an operating-system error number.
std::string ErrnoText(int errorNumber);

[[noreturn]] void ThrowErrno(int errorNumber);

// "'%s' is not a valid integer value" with the offending text in place of %s.
[[noreturn]] void ThrowInvalidInteger(const std::string& text);

// What the error box shows: the text with a full stop appended when it does not end in one.
std::string ErrorBoxText(const std::string& text);

} // namespace zevo
