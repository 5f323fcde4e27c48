#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zevo {

// No logbook export of one contest comes near this size; a larger file is not read.
inline constexpr std::size_t MaxAdifFileSize = std::size_t{64} * 1024 * 1024;

// One field of a record: its name as written (any case) and the bytes of its value.
struct AdifField {
    std::string_view name;
    std::string_view value;
};

// The records of an ADIF file, pointing into its bytes, which must outlive the reading.
struct AdifReading {
    enum class Problem : unsigned char {
        None,
        Binary,   // a NUL byte: no ADIF text holds one
        CutShort, // a field declares more bytes than the file has left; what follows is not read
    };
    Problem problem = Problem::None;
    std::string_view problemField; // the field cut short
    std::size_t problemOffset = 0; // where its tag begins, from 0

    std::size_t Count() const { return m_ends.size(); }
    std::span<const AdifField> Record(std::size_t index) const {
        const std::size_t begin = index == 0 ? 0 : m_ends[index - 1];
        return {m_fields.data() + begin, m_ends[index] - begin};
    }

    std::vector<AdifField> m_fields;
    std::vector<std::size_t> m_ends; // the end of each record in m_fields
};

// Reads the records of an ADIF file: an optional header up to <EOH>, then fields <NAME:LENGTH[:TYPE]>
// each followed by exactly LENGTH bytes, names in any case, each record closed by <EOR>. Text between
// fields is passed over, and fields after the last <EOR> make a record of their own. A length is never
// trusted beyond the bytes that are there: a field that runs past the end stops the reading, and the
// records read before it stay.
AdifReading ReadAdif(std::string_view bytes);

// Why a record gives no contact line.
enum class AdifSkip : unsigned char {
    None,
    NoDateTime,    // QSO_DATE or TIME_ON missing or no date or time of the calendar
    OutsideBands,  // FREQ or BAND outside the contest bands, or neither given
    OtherMode,     // MODE neither SSB (USB, LSB) nor CW
    NoCall,        // no CALL
    TooLong,       // a call, report or number longer than its column
    OutsideCharset // a character that the log's character set (Windows-1250) lacks, or a control
};

// One record as it goes into the log, or why it does not.
struct AdifContact {
    std::string line; // the QSO line; empty when skipped
    AdifSkip skip = AdifSkip::None;
    std::string_view field; // the field the reason names, as the program names it ("CALL")
    std::string value;      // that field's value as written (UTF-8)
    // Minutes since 1970-01-01 00:00 UTC, when the date and time read.
    std::optional<long long> minute;
    // The serial number sent, when it is a whole number.
    std::optional<long long> serialSent;
};

// The contact line of one record, for a log whose own call is `usedCall` (used when the record names no
// STATION_CALLSIGN or OPERATOR). FREQ is read as text in megahertz, never through a floating-point
// number; SSB (any SUBMODE), USB and LSB are phone; missing reports are the mode's default; a serial of
// zeros only counts as none; a report that carries the exchange after it ("599 012") is split when
// the record has no exchange of its own.
AdifContact MapAdifRecord(std::span<const AdifField> record, std::string_view usedCall);
std::vector<AdifContact> PreviewAdif(const AdifReading& reading, std::string_view usedCall);

// The records of a file mapped as ReadAdif reads them, each as soon as it is read: what the import
// shows. `reading` holds only what stopped the reading; its problem field points into `bytes`.
struct AdifPreview {
    std::vector<AdifContact> contacts;
    AdifReading reading;
};
AdifPreview PreviewAdifFile(std::string_view bytes, std::string_view usedCall);

// The lines of the contacts from `from` to `to` (minutes as above, both included), in time order;
// contacts of one minute keep the order of the file.
std::vector<std::string> AdifLinesToImport(const std::vector<AdifContact>& contacts, long long from,
                                           long long to);

// "2026-04-05 15:07" of minutes as above.
std::string AdifMinuteText(long long minute);
// The minute of "2026-04-05 15:07"; nothing for any other text.
std::optional<long long> AdifMinuteOfText(std::string_view text);

// The number sent that follows a log whose number field holds `current` and that got `contacts`:
// one more than the highest serial among those imported, unless the field is already past it.
std::optional<long long> NumberSentAfterImport(const std::vector<AdifContact>& contacts, long long from,
                                               long long to, std::optional<long long> current);

} // namespace zevo
