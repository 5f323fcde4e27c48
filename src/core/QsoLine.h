#pragma once

#include <optional>
#include <string>

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
};

// The frequency text of a band entry in a QSO line, "14000" for 20M; empty for no band.
std::string BandFrequency(std::optional<int> band);

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

// The contact a QSO line holds, read back by its columns, each field without the blanks around it: what
// an edit of the contact starts from. Columns that reach past the end of the line give nothing.
QsoEntry ReadQsoEntry(const std::string& line);

} // namespace zevo
