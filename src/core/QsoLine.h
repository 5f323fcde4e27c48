#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zevo {

// What one contact is made of, as the entry fields hold it: the two selections and the eight texts.
// Texts are single-byte Windows-1250; lengths and columns count bytes.
struct QsoEntry {
    // The selected entry of the band list, 0 ("160M") to 5 ("10M"); nothing when none is selected.
    std::optional<int> band;
    // True when the first entry of the mode list ("SSB") is selected; any other state is CW.
    bool firstMode = true;
    std::string date;         // yyyy-mm-dd
    std::string time;         // hh:mm
    std::string usedCall;     // the station's own call
    std::string reportSent;   // 2 characters, 3 in CW
    std::string exchangeSent; // the number sent, or the province letter in Polish
    std::string callReceived;
    std::string reportReceived;
    std::string numberReceived;
    // What an edit keeps of the line it corrects: a frequency in kilohertz ("14025") that stands in
    // place of the band's edge, and a mode token other than PH and CW ("RY") in place of the mode.
    std::string frequency{};
    std::string mode{};
};

// The contest bands, in the order of every band list: 0 "160M" to 5 "10M".
inline constexpr int BandCount = 6;

// The frequency text of a band entry in a QSO line, "14000" for 20M; empty for no band.
std::string BandFrequency(std::optional<int> band);
// "20M" for band entry 3; empty for a band outside the list.
std::string_view BandName(int band);
// The band entry of a frequency in kilohertz anywhere inside a contest band (1800-2000, 3500-4000,
// 7000-7300, 14000-14350, 21000-21450, 28000-29700); -1 outside every one.
int BandOfKilohertz(long long kilohertz);

inline constexpr int QsoLineLength = 79;

// The fixed-column "QSO:" line of one contact, 79 bytes for the texts the entry fields allow:
//
//   QSO: 14000 PH 2026-04-05 1507 QQ1AAA         59      7 QQ2BBB        59      12
//   1    6     12 15         26   31             45  49     56            70  74
//
// Calls are left-aligned in 14 columns and cut after the 14th character; reports are left-aligned in 3
// columns; the exchange sent and the number received are right-aligned in 6 columns and keep their
// last 6 characters.
std::string ComposeQsoLine(const QsoEntry& entry);

// The contact a QSO line holds, read through its record (ReadQsoRecord), each field without the blanks
// around it: what an edit of the contact starts from. The band is that of the frequency; a frequency
// that is not its band's edge (or lies outside every band) and a mode other than PH and CW come back in
// `frequency` and `mode`, so that composing the entry again keeps them. Columns that reach past the end
// of the line give nothing.
QsoEntry ReadQsoEntry(const std::string& line);

// One contact line as every part of the program reads it: the call index and the dupe check, the
// statistics, the log check, a load, the export and the edit of a contact. It points into the line,
// which must outlive it. Each field is its columns without the blanks around them; columns that reach
// past the end of the line give what exists, possibly nothing.
struct QsoRecord {
    enum Problem : unsigned {
        TooShort = 1U << 0U,     // the line ends before column 79
        NoFrequency = 1U << 1U,  // columns 6-10 are no number of kilohertz
        OutsideBands = 1U << 2U, // a frequency outside every contest band
        OtherMode = 1U << 3U,    // neither PH nor CW
        BadDate = 1U << 4U,      // no date of the calendar, yyyy-mm-dd
        BadTime = 1U << 5U,      // no time of day, hhmm
        NoCall = 1U << 6U,       // no call received
    };

    std::string_view frequency; // "14025", as written
    long long kilohertz = -1;   // -1 when the frequency is no number
    int band = -1;              // the band entry of the frequency; -1 outside every band
    std::string_view mode;      // "PH", "CW", or another token as written
    bool phone = false;         // PH; any other token counts as CW, as the counts and the export take it
    std::string_view date;      // yyyy-mm-dd
    std::optional<int> day;     // days since 1970-01-01 for a date of the calendar
    std::string_view time;      // hhmm
    std::optional<int> minute;  // minute of the day for a time of day
    std::string_view usedCall;
    std::string_view reportSent;
    std::string_view exchangeSent;
    std::string_view callReceived;
    std::string_view reportReceived;
    std::string_view numberReceived;
    unsigned problems = 0;

    bool Has(Problem problem) const { return (problems & problem) != 0; }
    // Every field the entry fields take from a contact (frequency, date, time, calls) can be read: a
    // load may go on from this line.
    bool ReadsWhole() const {
        return (problems & (TooShort | NoFrequency | BadDate | BadTime | NoCall)) == 0;
    }
};
// The record of a line that begins with "QSO:"; nothing for any other line.
std::optional<QsoRecord> ReadQsoRecord(std::string_view line);

// A call as calls are compared: without the blanks around it, letters a to z as A to Z.
std::string CallKey(std::string_view call);

} // namespace zevo
