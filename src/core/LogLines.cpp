#include "LogLines.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace zevo {

namespace {

// Lines added one at a time share blocks of this size, larger ones as the store grows, so that a long
// log is a few pieces to write; a longer line has a block of its own.
constexpr std::size_t BlockSize = std::size_t{64} * 1024;
constexpr std::size_t LargestBlockSize = std::size_t{1024} * 1024;
constexpr std::string_view LineEnd = "\r\n";
// The longest line a span holds.
constexpr std::size_t MaxLineSize = 0x7FFFFFFF;

} // namespace

LineStore::LineStore(const std::vector<std::string>& lines) {
    std::size_t bytes = 0;
    for (const std::string& line : lines)
        bytes += line.size();
    // One block for all of them, of their exact size.
    reserve(bytes, lines.size());
    for (const std::string& line : lines)
        push_back(line);
}

void LineStore::reserve(std::size_t bytes, std::size_t lines) {
    m_spans.reserve(m_spans.size() + lines);
    bytes += lines * LineEnd.size();
    if (m_blocks.empty() || m_blocks.back().capacity() - m_blocks.back().size() < bytes)
        m_blocks.emplace_back().reserve(std::max<std::size_t>(bytes, 16));
}

LineStore::LineStore(std::string text) : m_held(text.size()), m_unused(text.size()) {
    m_blocks.push_back(std::move(text));
    if (m_blocks.front().capacity() < 16)
        m_blocks.front().reserve(16);
}

void LineStore::AddCut(std::size_t at, std::size_t size) {
    const std::string_view text = m_blocks.front();
    if (at + size > text.size() || at > std::numeric_limits<std::uint32_t>::max() || size > MaxLineSize)
        throw std::out_of_range("LineStore::AddCut");
    m_spans.push_back({0, static_cast<std::uint32_t>(at), static_cast<std::uint32_t>(size),
                       text.substr(at + size, LineEnd.size()) == LineEnd ? 1U : 0U});
    m_unused -= size;
}

LineStore::Span LineStore::Keep(std::string_view line) {
    if (line.size() > MaxLineSize)
        throw std::length_error("LineStore: a line too long");
    // A block is made on the heap (16 bytes or more), so that its bytes never move.
    const std::size_t kept = line.size() + LineEnd.size();
    if (m_blocks.empty() || m_blocks.back().capacity() - m_blocks.back().size() < kept)
        m_blocks.emplace_back().reserve(std::max(std::clamp(m_held / 8, BlockSize, LargestBlockSize), kept));
    std::string& block = m_blocks.back();
    const Span span{static_cast<std::uint32_t>(m_blocks.size() - 1), static_cast<std::uint32_t>(block.size()),
                    static_cast<std::uint32_t>(line.size()), 1U};
    block.append(line).append(LineEnd);
    m_held += kept;
    m_unused += LineEnd.size();
    return span;
}

void LineStore::erase(std::size_t first, std::size_t last) {
    std::for_each(m_spans.begin() + static_cast<std::ptrdiff_t>(first),
                  m_spans.begin() + static_cast<std::ptrdiff_t>(last),
                  [this](const Span& span) { Forget(span); });
    m_spans.erase(m_spans.begin() + static_cast<std::ptrdiff_t>(first),
                  m_spans.begin() + static_cast<std::ptrdiff_t>(last));
    CompactWhenWasteful();
}

void LineStore::replace(std::size_t row, std::string_view line) {
    const Span kept = Keep(line);
    Forget(m_spans[row]);
    m_spans[row] = kept;
    CompactWhenWasteful();
}

void LineStore::CompactWhenWasteful() {
    if (m_unused < BlockSize || m_unused < m_held / 2)
        return;
    LineStore compact;
    compact.reserve(m_held - m_unused, size());
    for (std::size_t row = 0; row < size(); ++row)
        compact.push_back((*this)[row]);
    *this = std::move(compact);
}

std::string_view LineStore::CrLfRun(std::size_t first, std::size_t last, std::size_t& count) const {
    count = 0;
    if (first >= last)
        return {};
    const Span& start = m_spans[first];
    std::size_t end = start.at;
    std::size_t row = first;
    for (; row < last; ++row) {
        const Span& span = m_spans[row];
        if (span.block != start.block || span.at != end || span.endsInCrLf == 0)
            break;
        end = span.at + span.size + LineEnd.size();
    }
    count = row - first;
    return {m_blocks[start.block].data() + start.at, end - start.at};
}

std::vector<std::string> LineStore::ToVector() const {
    std::vector<std::string> lines;
    lines.reserve(size());
    for (std::size_t row = 0; row < size(); ++row)
        lines.emplace_back((*this)[row]);
    return lines;
}

bool LineStore::operator==(const LineStore& other) const {
    return std::equal(begin(), end(), other.begin(), other.end());
}

bool LineStore::operator==(const std::vector<std::string>& lines) const {
    return std::equal(begin(), end(), lines.begin(), lines.end());
}

} // namespace zevo
