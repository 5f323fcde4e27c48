#include "Adif.h"

#include "Conversion.h"

#include <algorithm>
#include <charconv>
#include <utility>

namespace zevo {

namespace {

// The bytes of columns `first` to `last` (counted from 1) that the line holds: fewer, or none, when
// the line ends before.
std::string_view Columns(std::string_view line, std::size_t first, std::size_t last) {
    if (line.size() < first)
        return {};
    return line.substr(first - 1, last - first + 1);
}

void AppendNumber(std::string& out, std::size_t number) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    out.append(digits, end);
}

// "<TAG:n>" then the value: n is always the number of bytes that follow, so that a short line
// gives a shorter value and never a tag that runs into the next field.
void AppendTag(std::string& out, std::string_view tag, std::size_t length) {
    out += '<';
    out += tag;
    out += ':';
    AppendNumber(out, length);
    out += '>';
}

void AppendField(std::string& out, std::string_view tag, std::string_view value) {
    AppendTag(out, tag, value.size());
    out += value;
    out += ' ';
}

// A field whose value is `columns` with every blank removed.
void AppendWithoutBlanks(std::string& out, std::string_view tag, std::string_view columns) {
    AppendTag(out, tag,
              columns.size() - static_cast<std::size_t>(std::count(columns.begin(), columns.end(), ' ')));
    for (const char c : columns)
        if (c != ' ')
            out += c;
    out += ' ';
}

// STX and SRX are integers in ADIF: a whole number, or nothing, keeps that tag; any other exchange (a
// province letter) takes the string form of the field, which logbook programs accept.
void AppendExchange(std::string& out, std::string_view numberTag, std::string_view stringTag,
                    std::string_view columns) {
    const bool number = std::all_of(columns.begin(), columns.end(),
                                    [](char c) { return c == ' ' || (c >= '0' && c <= '9'); });
    AppendWithoutBlanks(out, number ? numberTag : stringTag, columns);
}

// A report with only its first blank removed (a second one stays).
void AppendReport(std::string& out, std::string_view tag, std::string_view columns) {
    const auto blank = columns.find(' ');
    AppendTag(out, tag, columns.size() - (blank == std::string_view::npos ? 0 : 1));
    out += columns.substr(0, blank);
    if (blank != std::string_view::npos)
        out += columns.substr(blank + 1);
    out += ' ';
}

std::string_view BandPiece(std::string_view frequencyStart) {
    static constexpr std::pair<std::string_view, std::string_view> Bands[] = {
        {" 1", "<BAND:4>160M "}, {" 3", "<BAND:3>80M "}, {" 7", "<BAND:3>40M "}, {"14", "<BAND:3>20M "},
        {"21", "<BAND:3>15M "},  {"28", "<BAND:3>10M "}, {"29", "<BAND:3>10M "}};
    for (const auto& [start, piece] : Bands)
        if (frequencyStart == start)
            return piece;
    return {};
}

// The frequency in MHz from the kilohertz of columns 6-10: "14000" gives 14.000, " 3500" gives 3.500.
void AppendFrequency(std::string& out, std::string_view line) {
    const std::string_view megahertz = Columns(line, 6, 6) == " " ? Columns(line, 7, 7) : Columns(line, 6, 7);
    const std::string_view kilohertz = Columns(line, 8, 10);
    AppendTag(out, "FREQ", megahertz.size() + 1 + kilohertz.size());
    out += megahertz;
    out += '.';
    out += kilohertz;
    out += ' ';
}

// Appends the record of `line` to `out`; false, with `out` untouched, when it is not a contact line.
bool AppendAdifRecord(std::string& out, std::string_view line, std::string_view comment,
                      std::string_view operatorCall, bool addFrequency) {
    if (!line.starts_with("QSO:"))
        return false;
    const std::string_view year = Columns(line, 15, 18);
    const std::string_view month = Columns(line, 20, 21);
    const std::string_view day = Columns(line, 23, 24);
    AppendTag(out, "QSO_DATE", year.size() + month.size() + day.size());
    out.append(year).append(month).append(day);
    out += ' ';

    const std::string_view time = Columns(line, 26, 29);
    AppendTag(out, "TIME_ON", time.size() + 2);
    out.append(time).append("00 ");

    out += BandPiece(Columns(line, 6, 7));
    if (addFrequency)
        AppendFrequency(out, line);
    out += Columns(line, 12, 13) == "PH" ? "<MODE:3>SSB " : "<MODE:2>CW ";

    AppendWithoutBlanks(out, "CALL", Columns(line, 56, 69));
    AppendReport(out, "RST_RCVD", Columns(line, 70, 72));
    AppendExchange(out, "SRX", "SRX_STRING", Columns(line, 74, 79));
    AppendReport(out, "RST_SENT", Columns(line, 45, 47));
    AppendExchange(out, "STX", "STX_STRING", Columns(line, 49, 54));
    if (!comment.empty())
        AppendField(out, "COMMENT", comment);
    if (!operatorCall.empty())
        AppendField(out, "OPERATOR", operatorCall);
    out += "<EOR>";
    return true;
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
    std::string record;
    if (!AppendAdifRecord(record, line, comment, operatorCall, addFrequency))
        return std::nullopt;
    return record;
}

void WriteAdifFile(const std::string& path, const std::vector<std::string>& log,
                   const AdifRecordExtras& extras, FileWriteCalls calls) {
    AtomicTextFile file(path, std::move(calls));
    for (const std::string& line : AdifHeaderLines())
        file.WriteLine(line);
    // One buffer for every record: a long log composes without an allocation per contact.
    std::string record;
    for (const std::string& line : log) {
        record.clear();
        if (AppendAdifRecord(record, line, extras.comment, extras.operatorCall, extras.addFrequency))
            file.WriteLine(record);
    }
    file.Commit();
}

} // namespace zevo
