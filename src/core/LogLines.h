#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace zevo {

// A position in lines read by their row.
template <typename Lines> class RowIterator {
public:
    using iterator_category = std::random_access_iterator_tag;
    using value_type = std::string_view;
    using difference_type = std::ptrdiff_t;
    using pointer = void;
    using reference = std::string_view;

    RowIterator() = default;
    RowIterator(const Lines* lines, std::size_t row) : m_lines(lines), m_row(row) {}
    std::string_view operator*() const { return (*m_lines)[m_row]; }
    std::string_view operator[](difference_type n) const {
        return (*m_lines)[m_row + static_cast<std::size_t>(n)];
    }
    RowIterator& operator++() {
        ++m_row;
        return *this;
    }
    RowIterator operator++(int) {
        RowIterator before = *this;
        ++m_row;
        return before;
    }
    RowIterator& operator--() {
        --m_row;
        return *this;
    }
    RowIterator operator--(int) {
        RowIterator before = *this;
        --m_row;
        return before;
    }
    RowIterator& operator+=(difference_type n) {
        m_row += static_cast<std::size_t>(n);
        return *this;
    }
    RowIterator& operator-=(difference_type n) {
        m_row -= static_cast<std::size_t>(n);
        return *this;
    }
    friend RowIterator operator+(RowIterator it, difference_type n) { return it += n; }
    friend RowIterator operator+(difference_type n, RowIterator it) { return it += n; }
    friend RowIterator operator-(RowIterator it, difference_type n) { return it -= n; }
    friend difference_type operator-(const RowIterator& a, const RowIterator& b) {
        return static_cast<difference_type>(a.m_row) - static_cast<difference_type>(b.m_row);
    }
    friend bool operator==(const RowIterator& a, const RowIterator& b) { return a.m_row == b.m_row; }
    friend auto operator<=>(const RowIterator& a, const RowIterator& b) { return a.m_row <=> b.m_row; }

private:
    const Lines* m_lines = nullptr;
    std::size_t m_row = 0;
};

// Lines of text held as spans of a few large buffers: a line costs its bytes and its span, and putting
// lines in or taking them out in the middle moves only the spans after them. A line's view stays valid
// until the store next changes. A line kept by the store is followed by CR LF in its buffer, as the lines
// of a Cabrillo file read whole are, so that lines that follow each other there are written out as one
// piece (CrLfRun).
class LineStore final {
public:
    LineStore() = default;
    explicit LineStore(const std::vector<std::string>& lines);
    // No lines yet, with `text` kept whole as the bytes that lines are then cut from (AddCut), so that
    // the lines of a file read whole take no copy of it.
    explicit LineStore(std::string text);
    std::string_view Text() const { return m_blocks.empty() ? std::string_view() : m_blocks.front(); }
    // A line of `size` bytes from `at` of Text().
    void AddCut(std::size_t at, std::size_t size);

    std::size_t size() const { return m_spans.size(); }
    bool empty() const { return m_spans.empty(); }
    std::string_view front() const { return (*this)[0]; }
    std::string_view back() const { return (*this)[size() - 1]; }
    std::string_view operator[](std::size_t row) const {
        const Span& span = m_spans[row];
        return {m_blocks[span.block].data() + span.at, span.size};
    }

    void push_back(std::string_view line) { m_spans.push_back(Keep(line)); }
    // Room for `lines` more lines of `bytes` in all, taken at once.
    void reserve(std::size_t bytes, std::size_t lines);
    // The room for spans kept beyond the lines is given back.
    void shrink_to_fit() { m_spans.shrink_to_fit(); }
    // Lines put before the one at `row`.
    template <typename Source> void insert(std::size_t row, Source first, Source last);
    void erase(std::size_t first, std::size_t last);
    void replace(std::size_t row, std::string_view line);
    std::vector<std::string> ToVector() const;
    // The bytes of the lines from `first` on, each followed by CR LF, as far as they lie that way one
    // after another in one buffer, and not past `last`; `count` is how many lines they are, none when
    // the line at `first` is not followed by CR LF.
    std::string_view CrLfRun(std::size_t first, std::size_t last, std::size_t& count) const;

    using Iterator = RowIterator<LineStore>;
    Iterator begin() const { return {this, 0}; }
    Iterator end() const { return {this, size()}; }

    bool operator==(const LineStore& other) const;
    bool operator==(const std::vector<std::string>& lines) const;

private:
    struct Span {
        std::uint32_t block;
        std::uint32_t at;
        std::uint32_t size : 31;
        std::uint32_t endsInCrLf : 1; // followed by CR LF in its block
    };
    // A place for a line's bytes, at the end of the last block or in a new one.
    Span Keep(std::string_view line);
    void Forget(const Span& span) { m_unused += span.size; }
    // When most of the bytes held belong to lines no longer in the store, the rest are laid out afresh.
    void CompactWhenWasteful();

    std::vector<std::string> m_blocks; // each filled only up to the capacity it was made with
    std::vector<Span> m_spans;
    std::size_t m_held = 0;   // bytes in all blocks
    std::size_t m_unused = 0; // of them, bytes of lines gone and the line ends
};

template <typename Source> void LineStore::insert(std::size_t row, Source first, Source last) {
    std::vector<Span> spans;
    spans.reserve(static_cast<std::size_t>(std::distance(first, last)));
    for (; first != last; ++first)
        spans.push_back(Keep(std::string_view(*first)));
    m_spans.insert(m_spans.begin() + static_cast<std::ptrdiff_t>(row), spans.begin(), spans.end());
}

// The lines a reader or a writer takes: a store's or a vector's, read the same way.
class LinesView final {
public:
    LinesView() = default;
    // NOLINTNEXTLINE(google-explicit-constructor): either kind of lines stands where lines are asked for
    LinesView(const std::vector<std::string>& lines) : m_strings(lines.data()), m_count(lines.size()) {}
    // NOLINTNEXTLINE(google-explicit-constructor)
    LinesView(const LineStore& lines) : m_store(&lines) {}

    std::size_t size() const { return m_store != nullptr ? m_store->size() : m_count; }
    bool empty() const { return size() == 0; }
    std::string_view front() const { return (*this)[0]; }
    std::string_view back() const { return (*this)[size() - 1]; }
    std::string_view operator[](std::size_t row) const {
        return m_store != nullptr ? (*m_store)[row] : std::string_view(m_strings[row]);
    }
    // The store the lines are viewed in; none for a vector's.
    const LineStore* Store() const { return m_store; }

    using Iterator = RowIterator<LinesView>;
    Iterator begin() const { return {this, 0}; }
    Iterator end() const { return {this, size()}; }
    std::reverse_iterator<Iterator> rbegin() const { return std::reverse_iterator(end()); }
    std::reverse_iterator<Iterator> rend() const { return std::reverse_iterator(begin()); }

private:
    const std::string* m_strings = nullptr;
    std::size_t m_count = 0;
    const LineStore* m_store = nullptr;
};

} // namespace zevo
