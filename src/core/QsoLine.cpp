#include "QsoLine.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace zevo {

namespace {

// Where each field begins (columns counted from 0) and how wide it is.
constexpr std::size_t ReportSentColumn = 44;
constexpr std::size_t ExchangeSentColumn = 48;
constexpr std::size_t CallReceivedColumn = 55;
constexpr std::size_t ReportReceivedColumn = 69;
constexpr std::size_t NumberReceivedColumn = 73;
constexpr std::size_t LineLength = 79;
constexpr std::size_t CallWidth = 14;
constexpr std::size_t ReportWidth = 3;
constexpr std::size_t ExchangeWidth = 6;

constexpr std::array<std::string_view, 6> Frequencies{" 1800", " 3500", " 7000", "14000", "21000", "28000"};

// `count` bytes of `text` from byte `position` (from 0), fewer or none when the text is shorter.
std::string_view Characters(std::string_view text, std::size_t position, std::size_t count) {
    return position < text.size() ? text.substr(position, count) : std::string_view();
}

// Copies `text` over the blanks of `line` from `column` on, cut at `end`; returns the column after it.
std::size_t Put(std::string& line, std::size_t column, std::string_view text, std::size_t end) {
    if (column >= end)
        return end;
    const std::size_t count = std::min(text.size(), end - column);
    text.copy(line.data() + column, count);
    return column + count;
}

// Left-aligned in its columns: a shorter text leaves blanks behind it, a longer one is cut.
void PutLeft(std::string& line, std::size_t column, std::size_t width, std::string_view text) {
    Put(line, column, text, column + width);
}

// Right-aligned in its columns: a longer text keeps its last characters.
void PutRight(std::string& line, std::size_t column, std::size_t width, std::string_view text) {
    const std::string_view tail = text.size() > width ? text.substr(text.size() - width) : text;
    Put(line, column + width - tail.size(), tail, column + width);
}

std::string_view Frequency(std::optional<int> band) {
    if (!band || *band < 0 || *band >= static_cast<int>(Frequencies.size()))
        return {};
    return Frequencies[static_cast<std::size_t>(*band)];
}

} // namespace

std::string BandFrequency(std::optional<int> band) {
    return std::string(Frequency(band));
}

std::string ComposeQsoLine(const QsoEntry& entry) {
    std::string line(LineLength, ' ');

    // Up to the report sent the fields follow one another, so a date or time of another length moves
    // the used call; whatever would reach past column 44 is cut there.
    std::size_t column = 0;
    const auto append = [&](std::string_view text) { column = Put(line, column, text, ReportSentColumn); };
    append("QSO: ");
    // Without a band the frequency columns stay blank rather than pulling the rest of the line left.
    const std::string_view frequency = Frequency(entry.band);
    append(frequency.empty() ? "     " : frequency);
    append(entry.firstMode ? " PH " : " CW ");
    append(entry.date);
    append(" ");
    append(Characters(entry.time, 0, 2)); // hh:mm without the colon
    append(Characters(entry.time, 3, 2));
    append(" ");
    append(entry.usedCall);

    // From the report sent on every field has columns of its own: an emptied or shortened report
    // cannot move the fields behind it.
    PutLeft(line, ReportSentColumn, ReportWidth, entry.reportSent);
    PutRight(line, ExchangeSentColumn, ExchangeWidth, entry.exchangeSent);
    PutLeft(line, CallReceivedColumn, CallWidth, entry.callReceived);
    PutLeft(line, ReportReceivedColumn, ReportWidth, entry.reportReceived);
    PutRight(line, NumberReceivedColumn, ExchangeWidth, entry.numberReceived);
    return line;
}

namespace {

std::string Field(std::string_view line, std::size_t column, std::size_t width) {
    std::string_view text = Characters(line, column, width);
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return std::string(text);
}

} // namespace

QsoEntry ReadQsoEntry(const std::string& line) {
    QsoEntry entry;
    const std::string_view frequency = Characters(line, 5, 5);
    const auto band = std::find(Frequencies.begin(), Frequencies.end(), frequency);
    entry.band = band == Frequencies.end() ? std::nullopt : std::optional<int>(band - Frequencies.begin());
    entry.firstMode = Characters(line, 11, 2) == "PH";
    entry.date = Field(line, 14, 10);
    entry.time = std::string(Characters(line, 25, 2)) + ":" + std::string(Characters(line, 27, 2));
    entry.usedCall = Field(line, 30, CallWidth);
    entry.reportSent = Field(line, ReportSentColumn, ReportWidth);
    entry.exchangeSent = Field(line, ExchangeSentColumn, ExchangeWidth);
    entry.callReceived = Field(line, CallReceivedColumn, CallWidth);
    entry.reportReceived = Field(line, ReportReceivedColumn, ReportWidth);
    entry.numberReceived = Field(line, NumberReceivedColumn, ExchangeWidth);
    return entry;
}

} // namespace zevo
