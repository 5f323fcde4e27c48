#pragma once

// What every fuzz target shares: the input is split at tabs into texts, so that the corpus stays
// readable (one field after another, as the operator typed them) while a text may still hold any
// other byte, CR and LF included.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace zevo::fuzz {

inline std::string_view Bytes(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The texts between tabs; `count` of them at least, missing ones empty.
inline std::vector<std::string> Fields(std::string_view input, std::size_t count) {
    std::vector<std::string> fields;
    std::size_t from = 0;
    for (;;) {
        const std::size_t tab = input.find('\t', from);
        fields.emplace_back(
            input.substr(from, tab == std::string_view::npos ? std::string_view::npos : tab - from));
        if (tab == std::string_view::npos)
            break;
        from = tab + 1;
    }
    if (fields.size() < count)
        fields.resize(count);
    return fields;
}

inline bool HasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

inline bool AnyLineBreak(const std::vector<std::string>& texts) {
    return std::any_of(texts.begin(), texts.end(),
                       [](const std::string& text) { return HasLineBreak(text); });
}

// A broken promise stops the run with what was expected, so that the saved input explains itself.
inline void Require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

} // namespace zevo::fuzz
