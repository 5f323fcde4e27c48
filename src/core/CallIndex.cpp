#include "CallIndex.h"

#include "QsoLine.h"

#include <algorithm>
#include <array>
#include <limits>

namespace zevo {

namespace {

constexpr std::uint32_t NoRow = std::numeric_limits<std::uint32_t>::max();

using Piece = std::uint32_t;

std::uint32_t Byte(char c) {
    return static_cast<unsigned char>(c);
}

// The pieces of a text, each once, in order. A call's fit in place; a longer text takes the heap.
class PiecesOf {
public:
    explicit PiecesOf(std::string_view text) {
        const std::size_t count = text.size() < 2 ? 0 : 2 * text.size() - 3;
        Piece* out = m_inPlace.data();
        if (count > m_inPlace.size()) {
            m_onHeap.resize(count);
            out = m_onHeap.data();
        }
        for (std::size_t i = 0; i + 1 < text.size(); ++i) {
            out[m_count++] = (2U << 24U) | (Byte(text[i]) << 16U) | (Byte(text[i + 1]) << 8U);
            if (i + 2 < text.size())
                out[m_count++] =
                    (3U << 24U) | (Byte(text[i]) << 16U) | (Byte(text[i + 1]) << 8U) | Byte(text[i + 2]);
        }
        std::sort(out, out + m_count);
        m_count = static_cast<std::size_t>(std::unique(out, out + m_count) - out);
        m_begin = out;
    }
    PiecesOf(const PiecesOf&) = delete;
    PiecesOf& operator=(const PiecesOf&) = delete;
    const Piece* begin() const { return m_begin; }
    const Piece* end() const { return m_begin + m_count; }

private:
    std::array<Piece, 32> m_inPlace{};
    std::vector<Piece> m_onHeap;
    const Piece* m_begin = nullptr;
    std::size_t m_count = 0;
};

} // namespace

std::optional<QsoKey> ReadQsoKey(std::string_view line) {
    const std::optional<QsoRecord> record = ReadQsoRecord(line);
    if (!record || record->Has(QsoRecord::NoCall))
        return std::nullopt;
    return QsoKey{CallKey(record->callReceived), record->band, record->phone};
}

void CallIndex::Entries::push_back(std::uint32_t entry) {
    if (m_size == 0)
        m_one = entry;
    else if (m_size == 1)
        m_many =
            std::make_unique<std::vector<std::uint32_t>>(std::initializer_list<std::uint32_t>{m_one, entry});
    else
        m_many->push_back(entry);
    ++m_size;
}

void CallIndex::Entries::erase(const std::uint32_t* at) {
    --m_size;
    if (!m_many)
        return;
    m_many->erase(m_many->begin() + (at - m_many->data()));
    if (m_size == 1) {
        m_one = m_many->front();
        m_many.reset();
    }
}

std::uint32_t CallIndex::NewEntry(std::size_t row, const QsoKey& key) {
    const Entry entry{static_cast<std::int8_t>(key.band), key.phone};
    if (m_free.empty()) {
        m_rows.push_back(static_cast<std::uint32_t>(row));
        m_entries.push_back(entry);
        return static_cast<std::uint32_t>(m_rows.size() - 1);
    }
    const std::uint32_t number = m_free.back();
    m_free.pop_back();
    m_rows[number] = static_cast<std::uint32_t>(row);
    m_entries[number] = entry;
    return number;
}

std::uint32_t CallIndex::CallNumber(std::string&& call, bool& added) {
    const auto number = static_cast<std::uint32_t>(m_freeCalls.empty() ? m_calls.size() : m_freeCalls.back());
    const auto [found, isNew] = m_callIds.try_emplace(std::move(call), number);
    added = isNew;
    if (!isNew)
        return found->second;
    if (number == m_calls.size())
        m_calls.emplace_back();
    else
        m_freeCalls.pop_back();
    m_calls[number].text = &found->first;
    return number;
}

void CallIndex::Build(const std::vector<std::string>& lines) {
    Clear();
    m_callIds.reserve(lines.size());
    for (std::size_t row = 0; row < lines.size(); ++row) {
        std::optional<QsoKey> key = ReadQsoKey(lines[row]);
        if (!key)
            continue;
        const std::uint32_t entry = NewEntry(row, *key);
        bool added = false;
        m_calls[CallNumber(std::move(key->call), added)].entries.push_back(entry);
    }
    // Each piece lists its calls in the order of their texts: taken in that order, once, every list is
    // sorted as it is made, rather than by placing one call at a time.
    // Sorted by their first eight characters packed into one number, the texts compared only to part
    // calls that share those: most calls are shorter.
    std::vector<std::pair<std::uint64_t, std::uint32_t>> order(m_calls.size());
    for (std::uint32_t number = 0; number < order.size(); ++number) {
        const std::string& text = *m_calls[number].text;
        std::uint64_t head = 0;
        for (std::size_t i = 0; i < 8; ++i)
            head = (head << 8U) | (i < text.size() ? static_cast<unsigned char>(text[i]) : 0U);
        order[number] = {head, number};
    }
    std::sort(order.begin(), order.end(), [this](const auto& a, const auto& b) {
        return a.first != b.first ? a.first < b.first : Before(a.second, b.second);
    });
    // Each list is made its own size first: grown by doubling, the lists would hold a third more than
    // they need for as long as the log is open.
    std::unordered_map<Piece, std::uint32_t> sizes;
    for (const Call& call : m_calls)
        for (const Piece piece : PiecesOf(*call.text))
            ++sizes[piece];
    for (const auto& [piece, size] : sizes)
        m_pieces[piece].reserve(size);
    for (const auto& [head, number] : order)
        for (const Piece piece : PiecesOf(*m_calls[number].text))
            m_pieces[piece].push_back(number);
}

void CallIndex::Add(std::size_t row, std::string_view line) {
    std::optional<QsoKey> key = ReadQsoKey(line);
    if (!key)
        return;
    const std::uint32_t entry = NewEntry(row, *key);
    bool added = false;
    const std::uint32_t number = CallNumber(std::move(key->call), added);
    m_calls[number].entries.push_back(entry);
    if (added)
        AddPieces(number);
}

void CallIndex::Remove(std::size_t row, std::string_view line) {
    const std::optional<QsoKey> key = ReadQsoKey(line);
    if (!key)
        return;
    const auto found = m_callIds.find(key->call);
    if (found == m_callIds.end())
        return;
    const std::uint32_t number = found->second;
    Entries& entries = m_calls[number].entries;
    const auto at = std::find_if(entries.begin(), entries.end(),
                                 [&](std::uint32_t entry) { return m_rows[entry] == row; });
    if (at == entries.end())
        return;
    m_rows[*at] = NoRow;
    m_free.push_back(*at);
    entries.erase(at);
    if (entries.empty()) {
        RemovePieces(number);
        m_calls[number] = {};
        m_freeCalls.push_back(number);
        m_callIds.erase(found);
    }
}

void CallIndex::ShiftRows(std::size_t from, std::ptrdiff_t by) {
    // Without a branch, so that the compiler takes several rows at a time; a free entry stays free.
    const auto first = static_cast<std::uint32_t>(from);
    const auto step = static_cast<std::uint32_t>(by);
    for (std::uint32_t& row : m_rows)
        row += (row >= first && row != NoRow) ? step : 0U;
}

void CallIndex::Clear() {
    m_rows.clear();
    m_entries.clear();
    m_free.clear();
    m_callIds.clear();
    m_calls.clear();
    m_freeCalls.clear();
    m_pieces.clear();
}

std::optional<std::uint32_t> CallIndex::NumberOf(const std::string& callKey) const {
    const auto found = m_callIds.find(callKey);
    if (found == m_callIds.end())
        return std::nullopt;
    return found->second;
}

std::vector<std::uint32_t> CallIndex::NumbersOfRows(std::size_t rows) const {
    std::vector<std::uint32_t> numbers(rows, NoCall);
    for (std::uint32_t number = 0; number < m_calls.size(); ++number)
        for (const std::uint32_t entry : m_calls[number].entries)
            if (m_rows[entry] < rows)
                numbers[m_rows[entry]] = number;
    return numbers;
}

std::vector<CallRow> CallIndex::Rows(std::string_view call) const {
    std::vector<CallRow> rows;
    const auto found = m_callIds.find(CallKey(call));
    if (found == m_callIds.end())
        return rows;
    for (const std::uint32_t entry : m_calls[found->second].entries)
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
    const std::vector<std::uint32_t>* rarest = nullptr;
    for (const Piece piece : PiecesOf(fragment)) {
        const std::vector<std::uint32_t>* posting = Posting(piece);
        if (!posting)
            return matches;
        if (!rarest || posting->size() < rarest->size())
            rarest = posting;
    }
    if (!rarest)
        return matches;
    // A fragment of two or three characters is a piece itself: its calls are exactly the matches.
    if (fragment.size() <= 3) {
        matches.total = rarest->size();
        for (std::size_t i = 0; i < std::min(limit, rarest->size()); ++i)
            matches.calls.push_back(*m_calls[(*rarest)[i]].text);
        return matches;
    }
    for (const std::uint32_t number : *rarest) {
        const std::string* call = m_calls[number].text;
        if (call->find(fragment) == std::string::npos)
            continue;
        if (++matches.total <= limit)
            matches.calls.push_back(*call);
    }
    return matches;
}

const std::vector<std::uint32_t>* CallIndex::Posting(Piece piece) const {
    const auto found = m_pieces.find(piece);
    return found == m_pieces.end() ? nullptr : &found->second;
}

void CallIndex::AddPieces(std::uint32_t call) {
    const auto before = [this](std::uint32_t a, std::uint32_t b) { return Before(a, b); };
    for (const Piece piece : PiecesOf(*m_calls[call].text)) {
        std::vector<std::uint32_t>& posting = m_pieces[piece];
        posting.insert(std::lower_bound(posting.begin(), posting.end(), call, before), call);
    }
}

void CallIndex::RemovePieces(std::uint32_t call) {
    const auto before = [this](std::uint32_t a, std::uint32_t b) { return Before(a, b); };
    for (const Piece piece : PiecesOf(*m_calls[call].text)) {
        const auto found = m_pieces.find(piece);
        std::vector<std::uint32_t>& posting = found->second;
        posting.erase(std::lower_bound(posting.begin(), posting.end(), call, before));
        if (posting.empty())
            m_pieces.erase(found);
    }
}

} // namespace zevo
