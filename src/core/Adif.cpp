#include "Adif.h"

#include "Conversion.h"
#include "QsoLine.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <utility>

namespace zevo {

namespace {

// A record reads the first 79 columns of its line; a longer line holds nothing more for it.
constexpr std::size_t ContactColumns = 79;
// Small pieces are copied 16 bytes at a time, which may run past their end: the line is read from a
// copy with room behind it, and the record is composed into a buffer with room behind it.
constexpr std::size_t CopyWidth = 16;
// With its tags and blanks, a record stays within this many bytes besides the comment and the
// operator.
constexpr std::size_t MaxContactBytes = ContactColumns + 256;

// The line's first 79 columns, with room for whole-width copies behind them.
class PaddedLine {
public:
    explicit PaddedLine(std::string_view line) : m_length(std::min(line.size(), ContactColumns)) {
        // Nearly every line is a whole QSO line: a copy of known length needs no call.
        if (m_length == ContactColumns)
            std::memcpy(m_bytes, line.data(), ContactColumns);
        else
            std::memcpy(m_bytes, line.data(), m_length);
    }

    // The bytes of columns `first` to `last` (counted from 1) that the line holds: fewer, or none,
    // when the line ends before. Even an empty piece points into the copy.
    std::string_view Columns(std::size_t first, std::size_t last) const {
        return {m_bytes + first - 1, m_length < first ? 0 : std::min(last, m_length) - first + 1};
    }

private:
    char m_bytes[ContactColumns + CopyWidth] = {};
    std::size_t m_length;
};

// Composes a record in place, each piece copied without a call: a long log is exported at about the
// speed of writing its bytes.
class RecordWriter {
public:
    explicit RecordWriter(char* at) : m_at(at) {}
    char* End() const { return m_at; }

    void Put(char c) { *m_at++ = c; }
    template <std::size_t N> void Put(const char (&literal)[N]) {
        std::memcpy(m_at, literal, N - 1);
        m_at += N - 1;
    }
    // A piece of a PaddedLine, at most CopyWidth bytes.
    void PutPiece(std::string_view piece) {
        std::memcpy(m_at, piece.data(), CopyWidth);
        m_at += piece.size();
    }
    void PutText(std::string_view text) {
        std::memcpy(m_at, text.data(), text.size());
        m_at += text.size();
    }

    // "<TAG:n>" from the opening "<TAG:": n is always the number of bytes that follow, so that a short
    // line gives a shorter value and never a tag that runs into the next field.
    template <std::size_t N> void Tag(const char (&opening)[N], std::size_t length) {
        Put(opening);
        if (length < 10)
            Put(static_cast<char>('0' + length));
        else
            m_at = std::to_chars(m_at, m_at + 20, length).ptr;
        Put('>');
    }

    template <std::size_t N> void Field(const char (&opening)[N], std::string_view value) {
        Tag(opening, value.size());
        PutText(value);
        Put(' ');
    }

    // A field whose value is `piece` with every blank removed.
    template <std::size_t N> void WithoutBlanks(const char (&opening)[N], std::string_view piece) {
        std::size_t length = 0;
        for (const char c : piece)
            length += c != ' ';
        Tag(opening, length);
        for (const char c : piece) {
            *m_at = c;
            m_at += c != ' ';
        }
        Put(' ');
    }

    // STX and SRX are integers in ADIF: a whole number, or nothing, keeps that tag; any other exchange
    // (a province letter) takes the string form of the field, which logbook programs accept.
    template <std::size_t N, std::size_t M>
    void Exchange(const char (&numberTag)[N], const char (&stringTag)[M], std::string_view piece) {
        bool number = true;
        for (const char c : piece)
            number &= c == ' ' || (c >= '0' && c <= '9');
        if (number)
            WithoutBlanks(numberTag, piece);
        else
            WithoutBlanks(stringTag, piece);
    }

    // A report with only its first blank removed (a second one stays).
    template <std::size_t N> void Report(const char (&opening)[N], std::string_view piece) {
        std::size_t blank = 0;
        while (blank < piece.size() && piece[blank] != ' ')
            ++blank;
        if (blank == piece.size()) {
            Tag(opening, piece.size());
            PutPiece(piece);
        } else {
            Tag(opening, piece.size() - 1);
            PutPiece(piece.substr(0, blank));
            PutPiece(piece.substr(blank + 1));
        }
        Put(' ');
    }

    // The frequency in MHz from kilohertz: 14025 gives 14.025, 3500 gives 3.500.
    void Frequency(long long kilohertz) {
        char digits[24];
        char* end = std::to_chars(digits, digits + sizeof digits, kilohertz / 1000).ptr;
        *end++ = '.';
        const auto fraction = static_cast<int>(kilohertz % 1000);
        *end++ = static_cast<char>('0' + fraction / 100);
        *end++ = static_cast<char>('0' + fraction / 10 % 10);
        *end++ = static_cast<char>('0' + fraction % 10);
        Field("<FREQ:", std::string_view(digits, static_cast<std::size_t>(end - digits)));
    }

    void Band(int band) {
        const std::string_view name = BandName(band);
        if (!name.empty())
            Field("<BAND:", name);
    }

private:
    char* m_at;
};

// What follows the contact in every record of a file: the comment, the operator and the record's end.
std::string RecordEnd(std::string_view comment, std::string_view operatorCall) {
    std::string end(comment.size() + operatorCall.size() + 80, '\0');
    RecordWriter writer(end.data());
    if (!comment.empty())
        writer.Field("<COMMENT:", comment);
    if (!operatorCall.empty())
        writer.Field("<OPERATOR:", operatorCall);
    writer.Put("<EOR>");
    end.resize(static_cast<std::size_t>(writer.End() - end.data()));
    return end;
}

// Room for the record of any line ending in `recordEnd`.
std::size_t RecordRoom(std::string_view recordEnd) {
    return MaxContactBytes + recordEnd.size();
}

// Composes the record of `line` into `out`, which has RecordRoom() bytes, and returns its length;
// nothing when the line is not a contact line.
std::optional<std::size_t> ComposeInto(char* out, std::string_view line, bool addFrequency,
                                       std::string_view recordEnd) {
    const std::optional<QsoRecord> contact = ReadQsoRecord(line);
    if (!contact)
        return std::nullopt;
    const PaddedLine columns(line);
    RecordWriter record(out);

    const std::string_view year = columns.Columns(15, 18);
    const std::string_view month = columns.Columns(20, 21);
    const std::string_view day = columns.Columns(23, 24);
    record.Tag("<QSO_DATE:", year.size() + month.size() + day.size());
    record.PutPiece(year);
    record.PutPiece(month);
    record.PutPiece(day);
    record.Put(' ');
    const std::string_view time = columns.Columns(26, 29);
    record.Tag("<TIME_ON:", time.size() + 2);
    record.PutPiece(time);
    record.Put("00 ");

    // Band and frequency from the frequency written, whichever it is inside its band; a line without a
    // frequency has neither.
    record.Band(contact->band);
    if (addFrequency && contact->kilohertz >= 0)
        record.Frequency(contact->kilohertz);
    if (contact->phone)
        record.Put("<MODE:3>SSB ");
    else
        record.Put("<MODE:2>CW ");
    record.WithoutBlanks("<CALL:", columns.Columns(56, 69));
    record.Report("<RST_RCVD:", columns.Columns(70, 72));
    record.Exchange("<SRX:", "<SRX_STRING:", columns.Columns(74, 79));
    record.Report("<RST_SENT:", columns.Columns(45, 47));
    record.Exchange("<STX:", "<STX_STRING:", columns.Columns(49, 54));
    record.PutText(recordEnd);
    return static_cast<std::size_t>(record.End() - out);
}

} // namespace

std::string ProposedAdifFileName(const std::string& usedCall) {
    return FileNameOfCall(usedCall, ".adi");
}

std::string DefaultAdifComment(int year) {
    return "ZEVO Contest " + std::to_string(year);
}

const std::vector<std::string>& AdifHeaderLines() {
    static const std::vector<std::string> lines{
        "ADIF 2.0", "Generated by \"DUVUZozeved\" program ver. 5.00 - ZEVO Contest team", "<EOH>"};
    return lines;
}

std::optional<std::string> ComposeAdifRecord(std::string_view line, std::string_view comment,
                                             std::string_view operatorCall, bool addFrequency) {
    const std::string recordEnd = RecordEnd(comment, operatorCall);
    std::string record(RecordRoom(recordEnd), '\0');
    const auto length = ComposeInto(record.data(), line, addFrequency, recordEnd);
    if (!length)
        return std::nullopt;
    record.resize(*length);
    return record;
}

void WriteAdifFile(const std::string& path, LinesView log, const AdifRecordExtras& extras,
                   FileWriteCalls calls) {
    AtomicTextFile file(path, std::move(calls));
    for (const std::string& line : AdifHeaderLines())
        file.WriteLine(line);
    // The records are composed straight into one block after another, their common end composed once:
    // a long log is written without an allocation or a copy per contact.
    constexpr std::size_t BlockSize = std::size_t{256} * 1024;
    const std::string recordEnd = RecordEnd(extras.comment, extras.operatorCall);
    std::string block(BlockSize + RecordRoom(recordEnd) + 2, '\0');
    std::size_t used = 0;
    for (const std::string_view line : log) {
        const auto length = ComposeInto(block.data() + used, line, extras.addFrequency, recordEnd);
        if (!length)
            continue;
        used += *length;
        block[used++] = '\r';
        block[used++] = '\n';
        if (used >= BlockSize) {
            file.Write(std::string_view(block.data(), used));
            used = 0;
        }
    }
    file.Write(std::string_view(block.data(), used));
    file.Commit();
}

} // namespace zevo
