#include "QsoLine.h"

#include <array>

namespace zevo {

namespace {

// Each field's column in the line (counting from 0) and its width.
constexpr std::size_t ReportSentColumn = 44;
constexpr std::size_t ReportReceivedColumn = 69;
constexpr std::size_t ReportWidth = 3;
constexpr std::size_t ExchangeWidth = 6;

// Byte `position` (from 0) of `text`, or nothing when the text is shorter.
std::string Characters(const std::string& text, std::size_t position, std::size_t count) {
    return position < text.size() ? text.substr(position, count) : std::string();
}

// Pads with blanks or cuts `line` so that the next field starts at `column`.
void AlignTo(std::string& line, std::size_t column) {
    line.resize(column, ' ');
}

// A report is left-aligned in its three columns and followed by a blank, so that an emptied or
// shortened report field cannot move the fields behind it.
void AppendReport(std::string& line, const std::string& report) {
    std::string field = report.substr(0, ReportWidth);
    field.resize(ReportWidth, ' ');
    line += field;
    line += ' ';
}

// Right-aligned in six columns; a longer value keeps its last six characters.
void AppendRightAligned(std::string& line, const std::string& value) {
    if (value.size() >= ExchangeWidth)
        line.append(value, value.size() - ExchangeWidth, ExchangeWidth);
    else
        line.append(ExchangeWidth - value.size(), ' ').append(value);
}

} // namespace

std::string BandFrequency(std::optional<int> band) {
    static constexpr std::array<const char*, 6> Frequencies{" 1800", " 3500", " 7000",
                                                            "14000", "21000", "28000"};
    if (!band || *band < 0 || *band >= static_cast<int>(Frequencies.size()))
        return {};
    return Frequencies[static_cast<std::size_t>(*band)];
}

std::string ComposeQsoLine(const QsoEntry& entry) {
    std::string line;
    line.reserve(96);
    line += "QSO: ";
    // Without a band the frequency columns stay blank rather than pulling the rest of the line left.
    const std::string frequency = BandFrequency(entry.band);
    line += frequency.empty() ? std::string(5, ' ') : frequency;
    line += ' ';
    line += entry.firstMode ? "PH " : "CW ";
    line += entry.date;
    line += ' ';
    line += Characters(entry.time, 0, 2);
    line += Characters(entry.time, 3, 2);
    line += ' ';
    line += entry.usedCall;
    AlignTo(line, ReportSentColumn);
    AppendReport(line, entry.reportSent);
    AppendRightAligned(line, entry.exchangeSent);
    line += ' ';
    line += entry.callReceived;
    AlignTo(line, ReportReceivedColumn);
    AppendReport(line, entry.reportReceived);
    AppendRightAligned(line, entry.numberReceived);
    return line;
}

} // namespace zevo
