#include "CheckFile.h"

#include "QsoLine.h"

#include <algorithm>
#include <array>

namespace zevo {

namespace {

// Calls are written with letters, digits and "/": 37 characters, so that every pair and triple has a
// number of its own and the pieces need no map.
constexpr std::uint32_t Alphabet = 37;
constexpr std::uint32_t Pairs = Alphabet * Alphabet;
constexpr std::uint32_t PieceCount = Pairs + Pairs * Alphabet;
constexpr std::uint32_t NotInAlphabet = Alphabet;

constexpr std::array<std::uint8_t, 256> MakeLetters() {
    std::array<std::uint8_t, 256> letters{};
    for (auto& letter : letters)
        letter = NotInAlphabet;
    for (std::size_t c = 'A'; c <= 'Z'; ++c)
        letters[c] = static_cast<std::uint8_t>(c - 'A');
    for (std::size_t c = '0'; c <= '9'; ++c)
        letters[c] = static_cast<std::uint8_t>(26 + c - '0');
    letters['/'] = 36;
    return letters;
}
constexpr std::array<std::uint8_t, 256> Letters = MakeLetters();

std::uint32_t Letter(char c) {
    return Letters[static_cast<unsigned char>(c)];
}

std::uint32_t PairAt(std::string_view text, std::size_t i) {
    return Letter(text[i]) * Alphabet + Letter(text[i + 1]);
}

std::uint32_t TripleAt(std::string_view text, std::size_t i) {
    return Pairs + PairAt(text, i) * Alphabet + Letter(text[i + 2]);
}

// The pieces of a call, each once; the call holds only characters of the alphabet.
template <typename Each> void ForEachPiece(std::string_view call, Each each) {
    std::array<std::uint32_t, 64> seen{};
    std::size_t count = 0;
    const auto once = [&](std::uint32_t piece) {
        if (std::find(seen.begin(), seen.begin() + static_cast<std::ptrdiff_t>(count), piece) !=
            seen.begin() + static_cast<std::ptrdiff_t>(count))
            return;
        if (count < seen.size())
            seen[count++] = piece;
        each(piece);
    };
    for (std::size_t i = 0; i + 1 < call.size(); ++i) {
        once(PairAt(call, i));
        if (i + 2 < call.size())
            once(TripleAt(call, i));
    }
}

// Letters, digits and "/" only, with at least one letter and one digit, as every call has.
bool IsCall(std::string_view call) {
    constexpr std::size_t shortest = 3;
    constexpr std::size_t longest = 15;
    if (call.size() < shortest || call.size() > longest)
        return false;
    bool letter = false;
    bool digit = false;
    for (const char c : call) {
        if (Letter(c) == NotInAlphabet)
            return false;
        letter = letter || (c >= 'A' && c <= 'Z');
        digit = digit || (c >= '0' && c <= '9');
    }
    return letter && digit;
}

// A call of up to 15 characters as two numbers that sort as its text does: the sort of a whole file
// then moves and compares plain numbers, several times faster than strings.
using PackedCall = std::pair<std::uint64_t, std::uint64_t>;

PackedCall Packed(std::string_view call) {
    std::array<unsigned char, 16> bytes{};
    std::copy(call.begin(), call.end(), bytes.begin());
    PackedCall packed{};
    for (std::size_t i = 0; i < 8; ++i) {
        packed.first = (packed.first << 8U) | bytes[i];
        packed.second = (packed.second << 8U) | bytes[i + 8];
    }
    return packed;
}

std::string Unpacked(PackedCall packed) {
    std::string call;
    for (const std::uint64_t half : {packed.first, packed.second})
        for (int shift = 56; shift >= 0; shift -= 8)
            if (const auto c = static_cast<char>((half >> static_cast<unsigned>(shift)) & 0xFFU); c != 0)
                call += c;
    return call;
}

} // namespace

CheckFileRead ReadCheckFile(std::string_view bytes) {
    CheckFileRead read;
    std::vector<PackedCall> calls;
    // A call takes some eight bytes a line: room for them all in one go.
    calls.reserve(bytes.size() / 8);
    std::size_t lineNumber = 0;
    std::string call;
    while (!bytes.empty()) {
        const std::size_t end = std::min(bytes.find('\n'), bytes.size());
        std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(std::min(end + 1, bytes.size()));
        ++lineNumber;
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        call = CallKey(line);
        if (call.empty() || call.front() == '#' || call.front() == '!')
            continue;
        if (IsCall(call))
            calls.push_back(Packed(call));
        else
            read.notCalls.push_back({lineNumber, std::string(line)});
    }
    // Files come sorted as a rule: then no sort is needed.
    if (!std::is_sorted(calls.begin(), calls.end()))
        std::sort(calls.begin(), calls.end());
    const auto duplicates = std::unique(calls.begin(), calls.end());
    read.duplicates = static_cast<std::size_t>(calls.end() - duplicates);
    calls.erase(duplicates, calls.end());
    read.calls.reserve(calls.size());
    for (const PackedCall& packed : calls)
        read.calls.push_back(Unpacked(packed));
    return read;
}

CheckFileRefusal RefusalOf(std::string_view bytes, const CheckFileRead& read) {
    if (bytes.size() > CheckFileMaxBytes)
        return CheckFileRefusal::TooLarge;
    // Text has no control characters but the tab and the line ends (and DOS's end-of-file mark).
    const bool binary = std::any_of(bytes.begin(), bytes.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r' && byte != 0x1A;
    });
    if (binary)
        return CheckFileRefusal::Binary;
    return read.calls.empty() ? CheckFileRefusal::NoCalls : CheckFileRefusal::None;
}

CheckCalls::CheckCalls(std::vector<std::string> calls) : m_calls(std::move(calls)) {
    // Counted first, then placed: the calls are taken in their order, so every piece's list comes out
    // sorted without a sort.
    m_pieceStart.assign(PieceCount + 1, 0);
    for (const std::string& call : m_calls)
        ForEachPiece(call, [this](std::uint32_t piece) { ++m_pieceStart[piece + 1]; });
    for (std::uint32_t piece = 0; piece < PieceCount; ++piece)
        m_pieceStart[piece + 1] += m_pieceStart[piece];
    m_positions.resize(m_pieceStart.back());
    std::vector<std::uint32_t> next(m_pieceStart.begin(), m_pieceStart.end() - 1);
    for (std::uint32_t position = 0; position < m_calls.size(); ++position)
        ForEachPiece(m_calls[position], [&](std::uint32_t piece) { m_positions[next[piece]++] = position; });
}

bool CheckCalls::Holds(std::string_view call) const {
    const std::string key = CallKey(call);
    return std::binary_search(m_calls.begin(), m_calls.end(), key);
}

CheckCalls::Range CheckCalls::StartingRange(std::string_view fragment) const {
    const auto from = std::lower_bound(m_calls.begin(), m_calls.end(), fragment);
    // The calls beginning with the fragment end where a call sorts after every such call.
    const auto end = std::partition_point(from, m_calls.end(), [&](const std::string& call) {
        return std::string_view(call).starts_with(fragment);
    });
    return {static_cast<std::uint32_t>(from - m_calls.begin()),
            static_cast<std::uint32_t>(end - m_calls.begin())};
}

bool CheckCalls::Rarest(std::string_view fragment, const std::uint32_t*& begin,
                        const std::uint32_t*& end) const {
    if (m_calls.empty() ||
        std::any_of(fragment.begin(), fragment.end(), [](char c) { return Letter(c) == NotInAlphabet; }))
        return false;
    std::uint32_t rarest = 0;
    bool found = false;
    const auto size = [this](std::uint32_t piece) { return m_pieceStart[piece + 1] - m_pieceStart[piece]; };
    ForEachPiece(fragment, [&](std::uint32_t piece) {
        if (!found || size(piece) < size(rarest))
            rarest = piece;
        found = true;
    });
    if (!found || size(rarest) == 0)
        return false;
    begin = m_positions.data() + m_pieceStart[rarest];
    end = m_positions.data() + m_pieceStart[rarest + 1];
    return true;
}

CheckPanelGroups CheckPanelFor(const CallIndex& log, const CheckCalls& file, std::string_view fragment,
                               BandMode at, std::size_t limit) {
    CheckPanelGroups groups;
    groups.log = CheckFragment(log, fragment, at, limit);
    const std::string key = CallKey(fragment);
    if (key.size() < 2)
        return groups;
    file.Matching(
        key, limit, [&](const std::string& call) { return !log.Rows(call).empty(); }, groups.starting,
        groups.containing);
    return groups;
}

bool NotInCheckFile(const CallVerdict& verdict, const CheckCalls& file, std::string_view call) {
    return verdict.kind == CallVerdict::Kind::New && file.Size() > 0 && !CallKey(call).empty() &&
           !file.Holds(call);
}

} // namespace zevo
