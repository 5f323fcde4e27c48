#pragma once

#include "LogLines.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
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
// lookup reads the calls that share the fragment's rarest piece rather than every call. Each distinct
// call has a small number of its own, and the pieces list those numbers.
class CallIndex final {
public:
    // The index of these lines alone, built in one pass: what a load needs.
    void Build(LinesView lines);
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
    std::size_t DistinctCalls() const { return m_callCount; }

    // Each distinct call's number, which others that follow the same log may key their own data by: a
    // number is below NumberLimit() and stays the call's while the index holds a line of it.
    static constexpr std::uint32_t NoCall = 0xFFFFFFFFU;
    std::optional<std::uint32_t> NumberOf(const std::string& callKey) const;
    // The number of the call of each row below `rows`, NoCall for a row without one: what a load needs
    // in one pass.
    std::vector<std::uint32_t> NumbersOfRows(std::size_t rows) const;
    std::size_t NumberLimit() const { return m_calls.size(); }
    std::size_t Contacts() const { return m_rows.size() - m_free.size(); }

private:
    struct Entry {
        std::int8_t band;
        bool phone;
    };
    // The entries of one call. Most calls are worked once: their entry is kept in place, and only a
    // call worked again has a list of its own (the number of one of m_lists).
    struct Entries {
        std::uint32_t first = 0; // the entry, or the list of a call worked more than once
        std::uint32_t size = 0;
    };
    struct Call {
        std::uint32_t textAt = 0; // in m_texts
        std::uint32_t textSize = 0;
        Entries entries;
    };
    std::span<const std::uint32_t> EntriesOf(const Call& call) const;
    void AddEntry(Call& call, std::uint32_t entry);
    void EraseEntry(Call& call, std::size_t at);
    std::string_view Text(std::uint32_t call) const {
        return {m_texts.data() + m_calls[call].textAt, m_calls[call].textSize};
    }
    std::uint32_t NewEntry(std::size_t row, const QsoKey& key);
    // The number of `call` (of that HashOf), a new one when it is not in the index yet.
    std::uint32_t CallNumber(std::string_view call, std::uint64_t hash, bool& added);
    // The calls numbered again in the order of their texts.
    void NumberInTextOrder();
    // The slot of `call` in m_slots: the one that holds it, or the empty one where it would go.
    std::size_t SlotOf(std::string_view call, std::uint64_t hash) const;
    void PlaceInSlots(std::uint32_t number, std::uint64_t hash);
    void TakeFromSlots(std::size_t slot);
    std::uint32_t Find(std::string_view call) const;
    // Slots enough for `calls` distinct calls.
    void ReserveCalls(std::size_t calls);
    void AddPieces(std::uint32_t call);
    void RemovePieces(std::uint32_t call);
    bool Before(std::uint32_t a, std::uint32_t b) const { return Text(a) < Text(b); }
    // A piece's list that holds calls, NoList for none: read through ListSize and ForEachCall.
    std::uint32_t Posting(std::uint32_t piece) const;
    std::size_t ListSize(std::uint32_t list) const;
    // `visit` takes the calls of `list` in order for as long as it answers true.
    template <typename Visit> void ForEachCall(std::uint32_t list, Visit visit) const;
    // The place in m_postings of the list of `piece`: NoList for none, or made a place for it.
    std::uint32_t FindList(std::uint32_t piece) const;
    std::uint32_t& MakeList(std::uint32_t piece);

    // Every contact by entry number, free ones reused: its row apart from the rest, so that moving
    // the rows after an insertion in the middle is one plain pass over numbers.
    std::vector<std::uint32_t> m_rows;
    std::vector<Entry> m_entries;
    std::vector<std::uint32_t> m_free;
    // The distinct calls by number; free ones are reused. Their texts follow each other in m_texts.
    std::vector<Call> m_calls;
    std::string m_texts;
    std::vector<std::uint32_t> m_freeCalls;
    std::vector<std::vector<std::uint32_t>> m_lists; // of the entries of calls worked more than once
    std::vector<std::uint32_t> m_freeLists;
    std::size_t m_callCount = 0;
    std::uint64_t m_takenSeen = 0; // keeps the batched reads of a build from being left out
    // The calls by their text: an open table of slots, each the call's number beside the high bits of
    // its text's hash (all ones for an empty slot), found by probing the slots that follow.
    std::vector<std::uint64_t> m_slots;
    // A piece of two or three characters of a call -> its list of the numbers of the distinct calls
    // holding it, in the order of their texts. Pieces are numbered by their characters' codes, so the
    // list is found without a lookup: m_pairLists gives the place of each pair's list in m_postings,
    // and the triples that begin with a pair have a block of 64 places in m_tripleLists, made when the
    // first of them comes (m_tripleBlocks: the block of each pair).
    std::vector<std::uint32_t> m_pairLists;
    std::vector<std::uint32_t> m_tripleBlocks;
    std::vector<std::uint32_t> m_tripleLists;
    std::vector<std::vector<std::uint32_t>> m_postings;
    // A list that has grown long is kept in chunks instead (its place in m_longLists, marked by a high
    // bit), so that a call put in or taken out moves only the numbers of its chunk: pieces such as a
    // country's prefix are held by most calls of a log.
    class ChunkedList {
    public:
        std::size_t size() const { return m_size; }
        const std::vector<std::vector<std::uint32_t>>& Chunks() const { return m_chunks; }
        // Room for `calls` calls in an empty list, then given one by one in order by Fill: how a list is
        // made whole. Last is the last call filled in.
        void Reserve(std::size_t calls);
        void Fill(std::uint32_t call) { m_chunks[m_size++ / ChunkSize].push_back(call); }
        std::uint32_t Last() const { return m_chunks[(m_size - 1) / ChunkSize].back(); }
        template <typename Less> void Insert(std::uint32_t call, Less before);
        template <typename Less> void Erase(std::uint32_t call, Less before);

    private:
        // The chunk a call belongs in: the first whose last call does not come before it.
        template <typename Less>
        std::vector<std::vector<std::uint32_t>>::iterator ChunkOf(std::uint32_t call, Less before);

        static constexpr std::size_t ChunkSize = 2048;    // a chunk splits in two past twice this
        std::vector<std::vector<std::uint32_t>> m_chunks; // none empty once filled
        std::size_t m_size = 0;
    };
    std::vector<ChunkedList> m_longLists;
};

} // namespace zevo
