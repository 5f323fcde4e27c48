#include "Conversion.h"

#include "RunTimeError.h"

#include <algorithm>
#include <limits>

namespace zevo {

std::int32_t StrToInt(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size())
        ThrowInvalidInteger(text);
    std::int64_t value = 0;
    const std::int64_t limit = negative ? -static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::min())
                                        : std::numeric_limits<std::int32_t>::max();
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            ThrowInvalidInteger(text);
        value = value * 10 + (c - '0');
        if (value > limit)
            ThrowInvalidInteger(text);
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

std::string AsciiUpper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

std::string AsciiLower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

std::string WithoutBlanks(const std::string& text) {
    std::string result = text;
    result.erase(std::remove(result.begin(), result.end(), ' '), result.end());
    return result;
}

std::string FileNameOfCall(const std::string& usedCall, std::string_view extension) {
    std::string name = AsciiLower(usedCall);
    name.append(extension);
    for (const char separator : {'/', '\\'})
        if (const auto at = name.find(separator); at != std::string::npos)
            name[at] = '_';
    return name;
}

} // namespace zevo
