#include "CallIndex.h"

#include "QsoLine.h"

#include <algorithm>
#include <limits>

namespace zevo {

namespace {

constexpr std::size_t NoRow = std::numeric_limits<std::size_t>::max();

std::uint32_t Byte(char c) {
    return static_cast<unsigned char>(c);
}

// The pieces of a text, each once.
std::vector<std::uint32_t> PiecesOf(std::string_view text) {
    std::vector<std::uint32_t> pieces;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        pieces.push_back((2U << 24U) | (Byte(text[i]) << 16U) | (Byte(text[i + 1]) << 8U));
        if (i + 2 < text.size())
            pieces.push_back((3U << 24U) | (Byte(text[i]) << 16U) | (Byte(text[i + 1]) << 8U) |
                             Byte(text[i + 2]));
    }
    std::sort(pieces.begin(), pieces.end());
    pieces.erase(std::unique(pieces.begin(), pieces.end()), pieces.end());
    return pieces;
}

bool ByText(const std::string* a, const std::string* b) {
    return *a < *b;
}

} // namespace

std::optional<QsoKey> ReadQsoKey(std::string_view line) {
    const std::optional<QsoRecord> record = ReadQsoRecord(line);
    if (!record || record->Has(QsoRecord::NoCall))
        return std::nullopt;
    return QsoKey{CallKey(record->callReceived), record->band, record->phone};
}

void CallIndex::Add(std::size_t row, std::string_view line) {
    std::optional<QsoKey> key = ReadQsoKey(line);
    if (!key)
        return;
    std::uint32_t entry = 0;
    if (m_free.empty()) {
        entry = static_cast<std::uint32_t>(m_entries.size());
        m_entries.push_back({row, key->band, key->phone});
    } else {
        entry = m_free.back();
        m_free.pop_back();
        m_entries[entry] = {row, key->band, key->phone};
    }
    const auto [found, added] = m_calls.try_emplace(std::move(key->call));
    found->second.push_back(entry);
    if (added)
        AddPieces(&found->first);
}

void CallIndex::Remove(std::size_t row, std::string_view line) {
    const std::optional<QsoKey> key = ReadQsoKey(line);
    if (!key)
        return;
    const auto found = m_calls.find(key->call);
    if (found == m_calls.end())
        return;
    std::vector<std::uint32_t>& entries = found->second;
    const auto at = std::find_if(entries.begin(), entries.end(),
                                 [&](std::uint32_t entry) { return m_entries[entry].row == row; });
    if (at == entries.end())
        return;
    m_entries[*at].row = NoRow;
    m_free.push_back(*at);
    entries.erase(at);
    if (entries.empty()) {
        RemovePieces(&found->first);
        m_calls.erase(found);
    }
}

void CallIndex::ShiftRows(std::size_t from, std::ptrdiff_t by) {
    for (Entry& entry : m_entries)
        if (entry.row != NoRow && entry.row >= from)
            entry.row = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(entry.row) + by);
}

void CallIndex::Clear() {
    m_entries.clear();
    m_free.clear();
    m_calls.clear();
    m_pieces.clear();
}

std::vector<CallRow> CallIndex::Rows(std::string_view call) const {
    std::vector<CallRow> rows;
    const auto found = m_calls.find(CallKey(call));
    if (found == m_calls.end())
        return rows;
    for (const std::uint32_t entry : found->second)
        rows.push_back({m_entries[entry].row, m_entries[entry].band, m_entries[entry].phone});
    std::sort(rows.begin(), rows.end(), [](const CallRow& a, const CallRow& b) { return a.row < b.row; });
    return rows;
}

CallMatches CallIndex::Containing(std::string_view fragment, std::size_t limit) const {
    CallMatches matches;
    const std::string key = CallKey(fragment);
    fragment = key;
    if (fragment.size() < 2)
        return matches;
    const std::vector<const std::string*>* rarest = nullptr;
    for (const Piece piece : PiecesOf(fragment)) {
        const std::vector<const std::string*>* posting = Posting(piece);
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
            matches.calls.push_back(*(*rarest)[i]);
        return matches;
    }
    for (const std::string* call : *rarest) {
        if (call->find(fragment) == std::string::npos)
            continue;
        if (++matches.total <= limit)
            matches.calls.push_back(*call);
    }
    return matches;
}

const std::vector<const std::string*>* CallIndex::Posting(Piece piece) const {
    const auto found = m_pieces.find(piece);
    return found == m_pieces.end() ? nullptr : &found->second;
}

void CallIndex::AddPieces(const std::string* call) {
    for (const Piece piece : PiecesOf(*call)) {
        std::vector<const std::string*>& posting = m_pieces[piece];
        posting.insert(std::lower_bound(posting.begin(), posting.end(), call, ByText), call);
    }
}

void CallIndex::RemovePieces(const std::string* call) {
    for (const Piece piece : PiecesOf(*call)) {
        const auto found = m_pieces.find(piece);
        std::vector<const std::string*>& posting = found->second;
        posting.erase(std::lower_bound(posting.begin(), posting.end(), call, ByText));
        if (posting.empty())
            m_pieces.erase(found);
    }
}

} // namespace zevo
