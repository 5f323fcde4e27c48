// The QSO line over any field texts: always 79 bytes; from checked fields every field stands in its
// own columns, and a load reads them back from it; fields without line breaks never give one.

#include "CabrilloReader.h"
#include "Conversion.h"
#include "DateTime.h"
#include "FuzzInput.h"
#include "QsoLine.h"

using namespace zevo;
using namespace zevo::fuzz;

namespace {

std::string Left(const std::string& text, std::size_t width) {
    std::string cut = text.substr(0, width);
    return cut + std::string(width - cut.size(), ' ');
}

std::string Right(const std::string& text, std::size_t width) {
    const std::string tail = text.size() > width ? text.substr(text.size() - width) : text;
    return std::string(width - tail.size(), ' ') + tail;
}

// Without the blanks around it, as a record's fields are read.
std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string()
                                      : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // band, mode, date, time, used call, report sent, exchange sent, call, report received, number
    const std::vector<std::string> f = Fields(Bytes(data, size), 10);
    QsoEntry entry;
    if (f[0].size() == 1 && f[0][0] >= '0' && f[0][0] <= '9')
        entry.band = f[0][0] - '0';
    entry.firstMode = f[1] == "SSB";
    entry.date = f[2];
    entry.time = f[3];
    entry.usedCall = f[4];
    entry.reportSent = f[5];
    entry.exchangeSent = f[6];
    entry.callReceived = f[7];
    entry.reportReceived = f[8];
    entry.numberReceived = f[9];

    const std::string line = ComposeQsoLine(entry);
    Require(line.size() == 79, "a QSO line is 79 bytes");
    Require(line.compare(0, 5, "QSO: ") == 0, "a QSO line starts with its tag");
    const std::vector<std::string> texts(f.begin() + 2, f.end());
    Require(AnyLineBreak(texts) || !HasLineBreak(line), "fields without line breaks give a line without one");

    const bool checked =
        CheckDate(entry.date).fault == FieldFault::None && CheckDate(entry.date).text == entry.date &&
        CheckTime(entry.time).fault == FieldFault::None && CheckTime(entry.time).text == entry.time;
    if (!checked)
        return 0;
    const std::string frequency = BandFrequency(entry.band);
    Require(line.substr(5, 5) == (frequency.empty() ? "     " : frequency), "frequency in columns 6-10");
    Require(line.substr(10, 4) == (entry.firstMode ? " PH " : " CW "), "mode in columns 12-13");
    Require(line.substr(14, 10) == entry.date, "date in columns 15-24");
    Require(line.substr(24, 6) == " " + entry.time.substr(0, 2) + entry.time.substr(3, 2) + " ",
            "time in 26-29");
    Require(line.substr(30, 14) == Left(entry.usedCall, 14), "used call in columns 31-44");
    Require(line.substr(44, 4) == Left(entry.reportSent, 3) + " ", "report sent in columns 45-47");
    Require(line.substr(48, 7) == Right(entry.exchangeSent, 6) + " ", "exchange sent in columns 49-54");
    Require(line.substr(55, 14) == Left(entry.callReceived, 14), "call received in columns 56-69");
    Require(line.substr(69, 4) == Left(entry.reportReceived, 3) + " ", "report received in columns 70-72");
    Require(line.substr(73, 6) == Right(entry.numberReceived, 6), "number received in columns 74-79");

    // A line reads whole when it has a band, a call, a calendar date and a time of day: only then does
    // a load take its fields.
    const std::optional<QsoRecord> record = ReadQsoRecord(line);
    Require(record.has_value(), "a QSO line has a record");
    const std::optional<LastLineFields> loaded = ReadLastLineFields(line);
    const bool whole = !frequency.empty() && !Trimmed(Left(entry.callReceived, 14)).empty() &&
                       record->day.has_value() && record->minute.has_value();
    Require(loaded.has_value() == whole, "a load takes the fields of a line that reads whole");
    if (!loaded)
        return 0;
    Require(loaded->band == entry.band, "a load reads the band back");
    // The time check leaves the separator free; the line holds no separator, the load writes a colon.
    Require(loaded->phone == entry.firstMode && loaded->date == entry.date &&
                loaded->time == entry.time.substr(0, 2) + ":" + entry.time.substr(3),
            "a load reads mode, date and time back");
    Require(loaded->usedCall == Trimmed(Left(entry.usedCall, 14)), "a load reads the used call back");
    return 0;
}
