#include "QsoLine.h"

#include "DateTime.h"

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

// The one band table: each band's name, the frequency text a new contact gets, and its edges in kHz.
struct Band {
    std::string_view name;
    std::string_view edge;
    long long lowest;
    long long highest;
};
constexpr std::array<Band, BandCount> Bands{{{"160M", " 1800", 1800, 2000},
                                             {"80M", " 3500", 3500, 4000},
                                             {"40M", " 7000", 7000, 7300},
                                             {"20M", "14000", 14000, 14350},
                                             {"15M", "21000", 21000, 21450},
                                             {"10M", "28000", 28000, 29700}}};

// `count` bytes of `text` from byte `position` (from 0), fewer or none when the text is shorter.
inline std::string_view Characters(std::string_view text, std::size_t position, std::size_t count) {
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
    if (!band || *band < 0 || *band >= BandCount)
        return {};
    return Bands[static_cast<std::size_t>(*band)].edge;
}

} // namespace

std::string BandFrequency(std::optional<int> band) {
    return std::string(Frequency(band));
}

std::string_view BandName(int band) {
    return band >= 0 && band < BandCount ? Bands[static_cast<std::size_t>(band)].name : std::string_view();
}

int BandOfKilohertz(long long kilohertz) {
    for (std::size_t band = 0; band < Bands.size(); ++band)
        if (kilohertz >= Bands[band].lowest && kilohertz <= Bands[band].highest)
            return static_cast<int>(band);
    return -1;
}

std::string ComposeQsoLine(const QsoEntry& entry) {
    std::string line(LineLength, ' ');

    // Up to the report sent the fields follow one another, so a date or time of another length moves
    // the used call; whatever would reach past column 44 is cut there.
    std::size_t column = 0;
    const auto append = [&](std::string_view text) { column = Put(line, column, text, ReportSentColumn); };
    append("QSO: ");
    // Without a band the frequency columns stay blank rather than pulling the rest of the line left. A
    // kept frequency stands right-aligned where the band's edge would.
    std::string frequency(Frequency(entry.band));
    if (!entry.frequency.empty())
        frequency = std::string(5 - std::min<std::size_t>(entry.frequency.size(), 5), ' ') + entry.frequency;
    append(frequency.empty() ? "     " : frequency);
    if (entry.mode.empty()) {
        append(entry.firstMode ? " PH " : " CW ");
    } else {
        std::string mode = entry.mode.substr(0, 2);
        mode.resize(2, ' ');
        append(" " + mode + " ");
    }
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

// Inlined: a whole log reads ten fields of every line through these.
[[gnu::always_inline]] inline std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

[[gnu::always_inline]] inline std::string_view Field(std::string_view line, std::size_t column,
                                                     std::size_t width) {
    return Trimmed(Characters(line, column, width));
}

// The value of a text of digits only, up to 9 of them; -1 for any other text.
long long Kilohertz(std::string_view digits) {
    if (digits.empty() || digits.size() > 9)
        return -1;
    long long value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

// Nearly every contact has the date of the one before it: the last date read is kept with its day, so
// that reading a whole log reckons each date once.
std::optional<int> DayOf(std::string_view date) {
    thread_local std::string lastDate = "-";
    thread_local std::optional<int> lastDay;
    if (date != lastDate) {
        lastDate.assign(date);
        lastDay = DayNumber(date);
    }
    return lastDay;
}

// The record of any line, read by the columns of a QSO line.
QsoRecord ReadColumns(std::string_view line) {
    QsoRecord record;
    record.frequency = Field(line, 5, 5);
    record.kilohertz = Kilohertz(record.frequency);
    record.band = BandOfKilohertz(record.kilohertz);
    record.mode = Field(line, 11, 2);
    record.phone = record.mode == "PH";
    record.date = Characters(line, 14, 10);
    record.day = DayOf(record.date);
    record.time = Characters(line, 25, 4);
    record.minute = MinuteOfDay(record.time);
    record.usedCall = Field(line, 30, CallWidth);
    record.reportSent = Field(line, ReportSentColumn, ReportWidth);
    record.exchangeSent = Field(line, ExchangeSentColumn, ExchangeWidth);
    record.callReceived = Field(line, CallReceivedColumn, CallWidth);
    record.reportReceived = Field(line, ReportReceivedColumn, ReportWidth);
    record.numberReceived = Field(line, NumberReceivedColumn, ExchangeWidth);

    unsigned problems = 0;
    const auto note = [&problems](bool wrong, QsoRecord::Problem problem) {
        if (wrong)
            problems |= problem;
    };
    note(line.size() < LineLength, QsoRecord::TooShort);
    note(record.kilohertz < 0, QsoRecord::NoFrequency);
    note(record.kilohertz >= 0 && record.band < 0, QsoRecord::OutsideBands);
    note(!record.phone && record.mode != "CW", QsoRecord::OtherMode);
    note(!record.day, QsoRecord::BadDate);
    note(!record.minute, QsoRecord::BadTime);
    note(record.callReceived.empty(), QsoRecord::NoCall);
    record.problems = problems;
    return record;
}

} // namespace

std::optional<QsoRecord> ReadQsoRecord(std::string_view line) {
    if (!line.starts_with("QSO:"))
        return std::nullopt;
    return ReadColumns(line);
}

std::string CallKey(std::string_view call) {
    std::string key(Trimmed(call));
    for (char& c : key)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return key;
}

QsoEntry ReadQsoEntry(const std::string& line) {
    QsoEntry entry;
    const QsoRecord record = ReadColumns(line);
    if (record.band >= 0)
        entry.band = record.band;
    entry.firstMode = record.phone;
    entry.date = record.date;
    entry.time = std::string(record.time.substr(0, 2)) + ":" + std::string(Characters(record.time, 2, 2));
    entry.usedCall = record.usedCall;
    entry.reportSent = record.reportSent;
    entry.exchangeSent = record.exchangeSent;
    entry.callReceived = record.callReceived;
    entry.reportReceived = record.reportReceived;
    entry.numberReceived = record.numberReceived;
    // What the dialog's lists cannot show is kept as written: a frequency that is not its band's edge,
    // or one outside every band, and a mode other than PH and CW.
    if (!record.frequency.empty() && (record.band < 0 || record.frequency != Trimmed(Frequency(record.band))))
        entry.frequency = record.frequency;
    if (record.Has(QsoRecord::OtherMode) && !record.mode.empty())
        entry.mode = record.mode;
    return entry;
}

} // namespace zevo
