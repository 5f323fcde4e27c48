#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zevo {

// What the index needs of a QSO line, from its record (ReadQsoRecord): the call received as calls are
// compared (CallKey), the band entry of its frequency (0 "160M" to 5 "10M", -1 outside every band) and
// its mode.
struct QsoKey {
    std::string call;
    int band = -1;
    bool phone = false;

    bool operator==(const QsoKey&) const = default;
};
// The key of a "QSO:" line with a call; nothing for any other line.
std::optional<QsoKey> ReadQsoKey(std::string_view line);

// Where a call stands in the log.
struct CallRow {
    std::size_t row = 0;
    int band = -1;
    bool phone = false;

    bool operator==(const CallRow&) const = default;
};

// Calls that contain a fragment: the first `limit` of them in order, and how many there are in all.
struct CallMatches {
    std::vector<std::string> calls;
    std::size_t total = 0;
};

// The QSO lines of the log by their call received, kept current line by line as the log changes. A
// contact is added or taken away in time that does not grow with the log; only moving the rows that
// follow an insertion or a removal in the middle touches every contact, and then only as one number
// each. Fragments are found through the pairs and triples of characters of the distinct calls, so a
// lookup reads the calls that share the fragment's rarest piece rather than every call.
class CallIndex final {
public:
    // A QSO line now stands at `row`.
    void Add(std::size_t row, std::string_view line);
    // The QSO line at `row` goes.
    void Remove(std::size_t row, std::string_view line);
    // Rows from `from` on move by `by` (negative after a removal).
    void ShiftRows(std::size_t from, std::ptrdiff_t by);
    void Clear();

    // Every row of `call`, in the order of the log; none for a call not in the log. Calls compare without
    // regard to case and the blanks around them, here and in Containing.
    std::vector<CallRow> Rows(std::string_view call) const;
    // Distinct calls that contain `fragment` (at least two characters), sorted.
    CallMatches Containing(std::string_view fragment, std::size_t limit) const;
    std::size_t DistinctCalls() const { return m_calls.size(); }
    std::size_t Contacts() const { return m_entries.size() - m_free.size(); }

private:
    struct Entry {
        std::size_t row;
        int band;
        bool phone;
    };
    // A piece of two or three characters, packed into one number.
    using Piece = std::uint32_t;
    void AddPieces(const std::string* call);
    void RemovePieces(const std::string* call);
    const std::vector<const std::string*>* Posting(Piece piece) const;

    std::vector<Entry> m_entries; // rows of every contact, by entry number; free ones are reused
    std::vector<std::uint32_t> m_free;
    std::unordered_map<std::string, std::vector<std::uint32_t>> m_calls; // call -> entry numbers
    // Piece -> the distinct calls holding it, sorted; the pointers are the keys of m_calls, which
    // stay where they are as long as the call is in the log.
    std::unordered_map<Piece, std::vector<const std::string*>> m_pieces;
};

} // namespace zevo
