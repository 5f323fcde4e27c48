#include "CallIndex.h"

#include "QsoLine.h"

#include <algorithm>
#include <array>
#include <functional>
#include <limits>
#include <utility>

namespace zevo {

namespace {

// A free number among `items` when there is one, or the number of a new item made at their end.
template <typename Items> std::uint32_t TakeNumber(Items& items, std::vector<std::uint32_t>& free) {
    if (free.empty()) {
        items.emplace_back();
        return static_cast<std::uint32_t>(items.size() - 1);
    }
    const std::uint32_t number = free.back();
    free.pop_back();
    return number;
}

constexpr std::uint32_t NoRow = std::numeric_limits<std::uint32_t>::max();
constexpr std::uint32_t NoList = std::numeric_limits<std::uint32_t>::max();
// A list number with this bit is that of a list kept in chunks.
constexpr std::uint32_t Chunked = 0x80000000U;
// A list that reaches this size is kept in chunks.
constexpr std::size_t ChunkedFrom = 4096;
constexpr std::uint64_t EmptySlot = std::numeric_limits<std::uint64_t>::max();

// Each character of a call as a code of six bits: letters, digits and the stroke have their own, any
// other character shares 0, so that the pieces holding one share a list and are checked by their text.
constexpr std::array<std::uint8_t, 256> CharCodes = [] {
    std::array<std::uint8_t, 256> codes{};
    std::uint8_t next = 1;
    for (char c = 'A'; c <= 'Z'; ++c)
        codes[static_cast<unsigned char>(c)] = next++;
    for (char c = '0'; c <= '9'; ++c)
        codes[static_cast<unsigned char>(c)] = next++;
    codes['/'] = next;
    return codes;
}();

std::uint32_t Code(char c) {
    return CharCodes[static_cast<unsigned char>(c)];
}

// Pieces of two characters are numbered first, then those of three.
constexpr std::uint32_t PairPieces = 64U * 64U;

// Every piece of `text` in order, a piece that comes again as often as it does.
template <typename Visit> void ForEachPiece(std::string_view text, Visit visit) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        const std::uint32_t pair = (Code(text[i]) << 6U) | Code(text[i + 1]);
        visit(pair);
        if (i + 2 < text.size())
            visit(PairPieces + ((pair << 6U) | Code(text[i + 2])));
    }
}

// Whether each piece of `text` stands for its own characters alone.
bool OwnPieces(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return Code(c) != 0; });
}

// The pieces of a text, each once, in order. A call's fit in place; a longer text takes the heap.
class PiecesOf {
public:
    explicit PiecesOf(std::string_view text) {
        const std::size_t count = text.size() < 2 ? 0 : 2 * text.size() - 3;
        std::uint32_t* out = m_inPlace.data();
        if (count > m_inPlace.size()) {
            m_onHeap.resize(count);
            out = m_onHeap.data();
        }
        ForEachPiece(text, [&](std::uint32_t piece) { out[m_count++] = piece; });
        std::sort(out, out + m_count);
        m_count = static_cast<std::size_t>(std::unique(out, out + m_count) - out);
        m_begin = out;
    }
    PiecesOf(const PiecesOf&) = delete;
    PiecesOf& operator=(const PiecesOf&) = delete;
    const std::uint32_t* begin() const { return m_begin; }
    const std::uint32_t* end() const { return m_begin + m_count; }

private:
    std::array<std::uint32_t, 32> m_inPlace{};
    std::vector<std::uint32_t> m_onHeap;
    const std::uint32_t* m_begin = nullptr;
    std::size_t m_count = 0;
};

// The high half of a call's hash: it picks the call's first slot and is kept beside its number.
std::uint64_t HashOf(std::string_view call) {
    return std::hash<std::string_view>{}(call) >> 32U;
}

std::uint32_t NumberIn(std::uint64_t slot) {
    return static_cast<std::uint32_t>(slot);
}

// Sorts by the first of each pair, a byte at a time from the last, stable: each byte the keys differ in
// takes one pass, and the bytes they all share none.
void SortByHead(std::vector<std::pair<std::uint64_t, std::uint32_t>>& keys) {
    std::array<std::array<std::size_t, 256>, 8> counts{};
    for (const auto& key : keys)
        for (std::size_t byte = 0; byte < 8; ++byte)
            ++counts[byte][(key.first >> (8 * byte)) & 0xFFU];
    std::vector<std::pair<std::uint64_t, std::uint32_t>> sorted(keys.size());
    for (std::size_t byte = 0; byte < 8; ++byte) {
        std::array<std::size_t, 256>& at = counts[byte];
        if (std::find(at.begin(), at.end(), keys.size()) != at.end())
            continue;
        std::size_t start = 0;
        for (std::size_t& count : at)
            start += std::exchange(count, start);
        for (const auto& key : keys)
            sorted[at[(key.first >> (8 * byte)) & 0xFFU]++] = key;
        keys.swap(sorted);
    }
}

} // namespace

std::optional<QsoKey> ReadQsoKey(std::string_view line) {
    const std::optional<QsoRecord> record = ReadQsoRecord(line);
    if (!record || record->Has(QsoRecord::NoCall))
        return std::nullopt;
    return QsoKey{CallKey(record->callReceived), record->band, record->phone};
}

std::span<const std::uint32_t> CallIndex::EntriesOf(const Call& call) const {
    if (call.entries.size <= 1)
        return {&call.entries.first, call.entries.size};
    return m_lists[call.entries.first];
}

void CallIndex::AddEntry(Call& call, std::uint32_t entry) {
    Entries& entries = call.entries;
    if (entries.size == 0) {
        entries.first = entry;
    } else if (entries.size == 1) {
        const std::uint32_t list = TakeNumber(m_lists, m_freeLists);
        m_lists[list] = {entries.first, entry};
        entries.first = list;
    } else {
        m_lists[entries.first].push_back(entry);
    }
    ++entries.size;
}

void CallIndex::EraseEntry(Call& call, std::size_t at) {
    Entries& entries = call.entries;
    if (--entries.size == 0)
        return;
    std::vector<std::uint32_t>& list = m_lists[entries.first];
    list.erase(list.begin() + static_cast<std::ptrdiff_t>(at));
    if (entries.size == 1) {
        const std::uint32_t only = list.front();
        std::vector<std::uint32_t>().swap(list);
        m_freeLists.push_back(entries.first);
        entries.first = only;
    }
}

std::uint32_t CallIndex::NewEntry(std::size_t row, const QsoKey& key) {
    const std::uint32_t number = TakeNumber(m_rows, m_free);
    if (number == m_entries.size())
        m_entries.emplace_back();
    m_rows[number] = static_cast<std::uint32_t>(row);
    m_entries[number] = {static_cast<std::int8_t>(key.band), key.phone};
    return number;
}

std::size_t CallIndex::SlotOf(std::string_view call, std::uint64_t hash) const {
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
        const std::uint64_t held = m_slots[slot];
        if (held == EmptySlot || ((held >> 32U) == hash && Text(NumberIn(held)) == call))
            return slot;
    }
}

void CallIndex::PlaceInSlots(std::uint32_t number, std::uint64_t hash) {
    m_slots[SlotOf(Text(number), hash)] = (hash << 32U) | number;
}

void CallIndex::TakeFromSlots(std::size_t slot) {
    // The calls after it that would no longer be found past the hole move back into it.
    const std::size_t mask = m_slots.size() - 1;
    m_slots[slot] = EmptySlot;
    for (std::size_t next = (slot + 1) & mask; m_slots[next] != EmptySlot; next = (next + 1) & mask) {
        const std::size_t home = (m_slots[next] >> 32U) & mask;
        if (((next - home) & mask) >= ((next - slot) & mask)) {
            m_slots[slot] = m_slots[next];
            m_slots[next] = EmptySlot;
            slot = next;
        }
    }
}

std::uint32_t CallIndex::Find(std::string_view call) const {
    if (m_slots.empty())
        return NoCall;
    const std::uint64_t held = m_slots[SlotOf(call, HashOf(call))];
    return held == EmptySlot ? NoCall : NumberIn(held);
}

void CallIndex::ReserveCalls(std::size_t calls) {
    // At most seven slots in eight taken: the hash beside each number passes over the others quickly.
    std::size_t size = 16;
    while (size / 8 * 7 < calls)
        size *= 2;
    if (size <= m_slots.size())
        return;
    m_slots.assign(size, EmptySlot);
    for (std::uint32_t number = 0; number < m_calls.size(); ++number)
        if (m_calls[number].entries.size != 0)
            PlaceInSlots(number, HashOf(Text(number)));
}

std::uint32_t CallIndex::CallNumber(std::string_view call, std::uint64_t hash, bool& added) {
    ReserveCalls(m_callCount + 1);
    const std::size_t slot = SlotOf(call, hash);
    added = m_slots[slot] == EmptySlot;
    if (!added)
        return NumberIn(m_slots[slot]);
    const std::uint32_t number = TakeNumber(m_calls, m_freeCalls);
    m_calls[number].textAt = static_cast<std::uint32_t>(m_texts.size());
    m_calls[number].textSize = static_cast<std::uint32_t>(call.size());
    m_texts.append(call);
    m_slots[slot] = (hash << 32U) | number;
    ++m_callCount;
    return number;
}

void CallIndex::Build(LinesView lines) {
    Clear();
    ReserveCalls(lines.size());
    m_calls.reserve(lines.size());
    m_rows.reserve(lines.size());
    m_entries.reserve(lines.size());
    // The lines are taken a batch at a time, the first slot of each call read for the whole batch
    // before any is looked at: the reads of slots far apart overlap rather than wait one by one.
    constexpr std::size_t Batch = 16;
    std::array<std::optional<QsoKey>, Batch> keys;
    std::array<std::size_t, Batch> rows{};
    std::array<std::uint64_t, Batch> hashes{};
    for (std::size_t row = 0; row < lines.size();) {
        std::size_t count = 0;
        for (; count < Batch && row < lines.size(); ++row) {
            keys[count] = ReadQsoKey(lines[row]);
            if (keys[count]) {
                rows[count] = row;
                hashes[count] = HashOf(keys[count]->call);
                ++count;
            }
        }
        std::uint64_t taken = 0;
        for (std::size_t i = 0; i < count; ++i)
            taken += m_slots[hashes[i] & (m_slots.size() - 1)] != EmptySlot ? 1U : 0U;
        m_takenSeen += taken;
        for (std::size_t i = 0; i < count; ++i) {
            const std::uint32_t entry = NewEntry(rows[i], *keys[i]);
            bool added = false;
            AddEntry(m_calls[CallNumber(keys[i]->call, hashes[i], added)], entry);
        }
    }
    if (m_calls.empty())
        return;
    NumberInTextOrder();
    // Each piece lists its calls in the order of their texts, which is now the order of their numbers:
    // taken in that order, once, every list is sorted as it is made. Each list is made its own size
    // first: grown by doubling, the lists would hold a third more than they need for as long as the
    // log is open. A call counts once in a list however often it holds the piece: the last call
    // counted is kept beside each count, and each list ends with the last call put in it.
    std::vector<std::pair<std::uint32_t, std::uint32_t>> sizes; // of each list: its size, its last call
    for (std::uint32_t number = 0; number < m_calls.size(); ++number)
        ForEachPiece(Text(number), [&](std::uint32_t piece) {
            std::uint32_t& list = MakeList(piece);
            if (list == NoList) {
                list = static_cast<std::uint32_t>(sizes.size());
                sizes.emplace_back(0, NoCall);
            }
            auto& [size, last] = sizes[list];
            if (last != number) {
                last = number;
                ++size;
            }
        });
    // Each list is given its place, among the chunked ones when it is long, kept where its last call
    // was counted; its piece is given that place.
    for (auto& [size, place] : sizes) {
        if (size >= ChunkedFrom) {
            place = Chunked | static_cast<std::uint32_t>(m_longLists.size());
            m_longLists.emplace_back().Reserve(size);
        } else {
            place = static_cast<std::uint32_t>(m_postings.size());
            m_postings.emplace_back().reserve(size);
        }
    }
    for (std::vector<std::uint32_t>* table : {&m_pairLists, &m_tripleLists})
        for (std::uint32_t& list : *table)
            if (list != NoList)
                list = sizes[list].second;
    for (std::uint32_t number = 0; number < m_calls.size(); ++number)
        ForEachPiece(Text(number), [&](std::uint32_t piece) {
            const std::uint32_t list = FindList(piece);
            if ((list & Chunked) != 0) {
                ChunkedList& chunked = m_longLists[list & ~Chunked];
                if (chunked.size() == 0 || chunked.Last() != number)
                    chunked.Fill(number);
                return;
            }
            std::vector<std::uint32_t>& posting = m_postings[list];
            if (posting.empty() || posting.back() != number)
                posting.push_back(number);
        });
}

void CallIndex::NumberInTextOrder() {
    // Sorted by their first eight characters packed into one number, the texts compared only to part
    // calls that share those: most calls are shorter.
    std::vector<std::pair<std::uint64_t, std::uint32_t>> order(m_calls.size());
    for (std::uint32_t number = 0; number < order.size(); ++number) {
        const std::string_view text = Text(number);
        std::uint64_t head = 0;
        for (std::size_t i = 0; i < 8; ++i)
            head = (head << 8U) | (i < text.size() ? static_cast<unsigned char>(text[i]) : 0U);
        order[number] = {head, number};
    }
    SortByHead(order);
    for (auto run = order.begin(); run != order.end();) {
        const auto next =
            std::find_if(run, order.end(), [&](const auto& call) { return call.first != run->first; });
        if (next - run > 1)
            std::sort(run, next, [this](const auto& a, const auto& b) { return Before(a.second, b.second); });
        run = next;
    }
    // The calls and their texts laid out again in that order, and the slots told their new numbers.
    std::vector<std::uint32_t> renumbered(m_calls.size());
    std::vector<Call> calls(m_calls.size());
    std::string texts;
    texts.reserve(m_texts.size());
    for (std::uint32_t number = 0; number < order.size(); ++number) {
        const std::uint32_t old = order[number].second;
        renumbered[old] = number;
        calls[number].textAt = static_cast<std::uint32_t>(texts.size());
        calls[number].textSize = m_calls[old].textSize;
        calls[number].entries = m_calls[old].entries;
        texts.append(Text(old));
    }
    m_calls = std::move(calls);
    m_texts = std::move(texts);
    for (std::uint64_t& slot : m_slots)
        if (slot != EmptySlot)
            slot = (slot & ~std::uint64_t{0xFFFFFFFFU}) | renumbered[NumberIn(slot)];
}

void CallIndex::Add(std::size_t row, std::string_view line) {
    std::optional<QsoKey> key = ReadQsoKey(line);
    if (!key)
        return;
    const std::uint32_t entry = NewEntry(row, *key);
    bool added = false;
    const std::uint32_t number = CallNumber(key->call, HashOf(key->call), added);
    AddEntry(m_calls[number], entry);
    if (added)
        AddPieces(number);
}

void CallIndex::Remove(std::size_t row, std::string_view line) {
    const std::optional<QsoKey> key = ReadQsoKey(line);
    if (!key || m_slots.empty())
        return;
    const std::size_t slot = SlotOf(key->call, HashOf(key->call));
    if (m_slots[slot] == EmptySlot)
        return;
    const std::uint32_t number = NumberIn(m_slots[slot]);
    Call& call = m_calls[number];
    const std::span<const std::uint32_t> entries = EntriesOf(call);
    const auto at = std::find_if(entries.begin(), entries.end(),
                                 [&](std::uint32_t entry) { return m_rows[entry] == row; });
    if (at == entries.end())
        return;
    m_rows[*at] = NoRow;
    m_free.push_back(*at);
    EraseEntry(call, static_cast<std::size_t>(at - entries.begin()));
    if (call.entries.size == 0) {
        RemovePieces(number);
        m_calls[number] = {};
        m_freeCalls.push_back(number);
        TakeFromSlots(slot);
        --m_callCount;
    }
}

void CallIndex::ShiftRows(std::size_t from, std::ptrdiff_t by) {
    // Without a branch, so that the compiler takes several rows at a time. Rows are below 2^31 (a log
    // file is far smaller), so they compare as signed numbers, in one instruction for several rows, and
    // a free entry (NoRow, -1 as a signed number) stays free.
    const auto first = static_cast<std::int32_t>(from);
    const auto step = static_cast<std::uint32_t>(by);
    for (std::uint32_t& row : m_rows)
        row += static_cast<std::int32_t>(row) >= first ? step : 0U;
}

void CallIndex::Clear() {
    *this = CallIndex();
}

std::optional<std::uint32_t> CallIndex::NumberOf(const std::string& callKey) const {
    const std::uint32_t number = Find(callKey);
    if (number == NoCall)
        return std::nullopt;
    return number;
}

std::vector<std::uint32_t> CallIndex::NumbersOfRows(std::size_t rows) const {
    std::vector<std::uint32_t> numbers(rows, NoCall);
    for (std::uint32_t number = 0; number < m_calls.size(); ++number)
        for (const std::uint32_t entry : EntriesOf(m_calls[number]))
            if (m_rows[entry] < rows)
                numbers[m_rows[entry]] = number;
    return numbers;
}

std::vector<CallRow> CallIndex::Rows(std::string_view call) const {
    std::vector<CallRow> rows;
    const std::uint32_t number = Find(CallKey(call));
    if (number == NoCall)
        return rows;
    for (const std::uint32_t entry : EntriesOf(m_calls[number]))
        rows.push_back({m_rows[entry], m_entries[entry].band, m_entries[entry].phone});
    std::sort(rows.begin(), rows.end(), [](const CallRow& a, const CallRow& b) { return a.row < b.row; });
    return rows;
}

CallMatches CallIndex::Containing(std::string_view fragment, std::size_t limit) const {
    CallMatches matches;
    const std::string key = CallKey(fragment);
    fragment = key;
    if (fragment.size() < 2)
        return matches;
    std::uint32_t rarest = NoList;
    for (const std::uint32_t piece : PiecesOf(fragment)) {
        const std::uint32_t list = Posting(piece);
        if (list == NoList)
            return matches;
        if (rarest == NoList || ListSize(list) < ListSize(rarest))
            rarest = list;
    }
    if (rarest == NoList)
        return matches;
    // A fragment of two or three characters of their own is a piece itself: its calls are exactly the
    // matches.
    if (fragment.size() <= 3 && OwnPieces(fragment)) {
        matches.total = ListSize(rarest);
        ForEachCall(rarest, [&](std::uint32_t number) {
            if (matches.calls.size() == limit)
                return false;
            matches.calls.emplace_back(Text(number));
            return true;
        });
        return matches;
    }
    ForEachCall(rarest, [&](std::uint32_t number) {
        const std::string_view call = Text(number);
        if (call.find(fragment) != std::string_view::npos && ++matches.total <= limit)
            matches.calls.emplace_back(call);
        return true;
    });
    return matches;
}

std::uint32_t CallIndex::FindList(std::uint32_t piece) const {
    if (m_pairLists.empty())
        return NoList;
    if (piece < PairPieces)
        return m_pairLists[piece];
    const std::uint32_t block = m_tripleBlocks[(piece - PairPieces) >> 6U];
    return block == NoList ? NoList : m_tripleLists[std::size_t{block} * 64 + ((piece - PairPieces) & 63U)];
}

std::uint32_t& CallIndex::MakeList(std::uint32_t piece) {
    if (m_pairLists.empty()) {
        m_pairLists.assign(PairPieces, NoList);
        m_tripleBlocks.assign(PairPieces, NoList);
    }
    if (piece < PairPieces)
        return m_pairLists[piece];
    // A triple's place is found by its first two characters, then by its third among 64.
    std::uint32_t& block = m_tripleBlocks[(piece - PairPieces) >> 6U];
    if (block == NoList) {
        block = static_cast<std::uint32_t>(m_tripleLists.size() / 64);
        m_tripleLists.resize(m_tripleLists.size() + 64, NoList);
    }
    return m_tripleLists[std::size_t{block} * 64 + ((piece - PairPieces) & 63U)];
}

std::uint32_t CallIndex::Posting(std::uint32_t piece) const {
    const std::uint32_t list = FindList(piece);
    return list == NoList || ListSize(list) == 0 ? NoList : list;
}

std::size_t CallIndex::ListSize(std::uint32_t list) const {
    return (list & Chunked) != 0 ? m_longLists[list & ~Chunked].size() : m_postings[list].size();
}

template <typename Visit> void CallIndex::ForEachCall(std::uint32_t list, Visit visit) const {
    if ((list & Chunked) == 0) {
        for (const std::uint32_t call : m_postings[list])
            if (!visit(call))
                return;
        return;
    }
    for (const std::vector<std::uint32_t>& chunk : m_longLists[list & ~Chunked].Chunks())
        for (const std::uint32_t call : chunk)
            if (!visit(call))
                return;
}

void CallIndex::AddPieces(std::uint32_t call) {
    const auto before = [this](std::uint32_t a, std::uint32_t b) { return Before(a, b); };
    for (const std::uint32_t piece : PiecesOf(Text(call))) {
        std::uint32_t& list = MakeList(piece);
        if (list == NoList) {
            list = static_cast<std::uint32_t>(m_postings.size());
            m_postings.emplace_back();
        }
        if ((list & Chunked) != 0) {
            m_longLists[list & ~Chunked].Insert(call, before);
            continue;
        }
        std::vector<std::uint32_t>& posting = m_postings[list];
        posting.insert(std::lower_bound(posting.begin(), posting.end(), call, before), call);
        if (posting.size() < ChunkedFrom)
            continue;
        // Grown long: its calls move into chunks, and its flat place stays empty.
        ChunkedList& chunked = m_longLists.emplace_back();
        chunked.Reserve(posting.size());
        for (const std::uint32_t held : posting)
            chunked.Fill(held);
        std::vector<std::uint32_t>().swap(posting);
        list = Chunked | static_cast<std::uint32_t>(m_longLists.size() - 1);
    }
}

void CallIndex::RemovePieces(std::uint32_t call) {
    const auto before = [this](std::uint32_t a, std::uint32_t b) { return Before(a, b); };
    for (const std::uint32_t piece : PiecesOf(Text(call))) {
        const std::uint32_t list = FindList(piece);
        if ((list & Chunked) != 0) {
            m_longLists[list & ~Chunked].Erase(call, before);
            continue;
        }
        std::vector<std::uint32_t>& posting = m_postings[list];
        posting.erase(std::lower_bound(posting.begin(), posting.end(), call, before));
    }
}

void CallIndex::ChunkedList::Reserve(std::size_t calls) {
    for (std::size_t at = 0; at < calls; at += ChunkSize)
        m_chunks.emplace_back().reserve(std::min(ChunkSize, calls - at));
}

template <typename Less>
std::vector<std::vector<std::uint32_t>>::iterator CallIndex::ChunkedList::ChunkOf(std::uint32_t call,
                                                                                  Less before) {
    return std::partition_point(
        m_chunks.begin(), m_chunks.end(),
        [&](const std::vector<std::uint32_t>& chunk) { return before(chunk.back(), call); });
}

template <typename Less> void CallIndex::ChunkedList::Insert(std::uint32_t call, Less before) {
    ++m_size;
    if (m_chunks.empty()) {
        m_chunks.push_back({call});
        return;
    }
    auto chunk = ChunkOf(call, before);
    if (chunk == m_chunks.end())
        --chunk;
    chunk->insert(std::lower_bound(chunk->begin(), chunk->end(), call, before), call);
    if (chunk->size() > 2 * ChunkSize) {
        std::vector<std::uint32_t> second(chunk->begin() + ChunkSize, chunk->end());
        chunk->resize(ChunkSize);
        m_chunks.insert(chunk + 1, std::move(second));
    }
}

template <typename Less> void CallIndex::ChunkedList::Erase(std::uint32_t call, Less before) {
    const auto chunk = ChunkOf(call, before);
    chunk->erase(std::lower_bound(chunk->begin(), chunk->end(), call, before));
    --m_size;
    if (chunk->empty())
        m_chunks.erase(chunk);
}

} // namespace zevo
