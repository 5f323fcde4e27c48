#include "AdifImport.h"

#include "DateTime.h"
#include "QsoLine.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace zevo {

namespace {

char Upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool SameName(std::string_view name, std::string_view upper) {
    return name.size() == upper.size() &&
           std::equal(name.begin(), name.end(), upper.begin(), [](char a, char b) { return Upper(a) == b; });
}

// The characters of a field's name, looked up by byte: the reader asks for every character of a name.
constexpr std::array<bool, 256> NameChars = [] {
    std::array<bool, 256> chars{};
    for (int c = 0; c < 256; ++c)
        chars[static_cast<std::size_t>(c)] =
            (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
    return chars;
}();

bool IsNameChar(char c) {
    return NameChars[static_cast<unsigned char>(c)];
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool AllDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), IsDigit);
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// The characters of Windows-1250 from 0x80 on; 0 where the code page has none.
constexpr std::array<std::uint16_t, 128> Win1250High{
    0x20AC, 0,      0x201A, 0,      0x201E, 0x2026, 0x2020, 0x2021, 0,      0x2030, 0x0160, 0x2039, 0x015A,
    0x0164, 0x017D, 0x0179, 0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0,      0x2122,
    0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6,
    0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, 0x00B0, 0x00B1, 0x02DB, 0x0142,
    0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, 0x0154,
    0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, 0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD,
    0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA,
    0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, 0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4,
    0x0151, 0x00F6, 0x00F7, 0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9};

// The Windows-1250 bytes of a UTF-8 value, put into `out`; false when it is no UTF-8, holds a character
// the code page lacks, or a control character, which would break the log's line.
bool ToLogCharset(std::string_view utf8, std::string& out) {
    // Calls, reports and numbers are nearly always printable ASCII, the same bytes in the log.
    if (std::all_of(utf8.begin(), utf8.end(), [](char c) { return c >= 0x20 && c < 0x7F; })) {
        out.assign(utf8);
        return true;
    }
    out.clear();
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if (byte < 0x80) {
            if (byte < 0x20 || byte == 0x7F)
                return false;
            out += static_cast<char>(byte);
            ++i;
            continue;
        }
        // Only two-byte sequences can be in Windows-1250 but the few three-byte punctuation marks.
        const std::size_t length = byte >= 0xC2 && byte <= 0xDF ? 2 : (byte >= 0xE0 && byte <= 0xEF ? 3 : 0);
        if (length == 0 || i + length > utf8.size())
            return false;
        std::uint32_t code = byte & (length == 2 ? 0x1FU : 0x0FU);
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + k]);
            if ((next & 0xC0U) != 0x80)
                return false;
            code = (code << 6U) | (next & 0x3FU);
        }
        const auto* found = std::find(Win1250High.begin(), Win1250High.end(), code);
        if (code < 0x80 || found == Win1250High.end())
            return false;
        out += static_cast<char>(0x80 + (found - Win1250High.begin()));
        i += length;
    }
    return true;
}

// Kilohertz of a frequency in megahertz written as text ("14.025", "7", "3.5005"); digits beyond the
// kilohertz are cut, as the log holds whole kilohertz.
std::optional<long long> KilohertzOfMegahertz(std::string_view text) {
    const std::size_t dot = text.find('.');
    const std::string_view whole = text.substr(0, dot);
    const std::string_view fraction =
        dot == std::string_view::npos ? std::string_view() : text.substr(dot + 1);
    if ((whole.empty() && fraction.empty()) || whole.size() > 6 || (!whole.empty() && !AllDigits(whole)) ||
        (!fraction.empty() && !AllDigits(fraction)))
        return std::nullopt;
    long long kilohertz = 0;
    for (const char c : whole)
        kilohertz = kilohertz * 10 + (c - '0');
    for (std::size_t i = 0; i < 3; ++i)
        kilohertz = kilohertz * 10 + (i < fraction.size() ? fraction[i] - '0' : 0);
    return kilohertz;
}

int BandOfName(std::string_view name) {
    for (int band = 0; band < BandCount; ++band)
        if (SameName(name, BandName(band)))
            return band;
    return -1;
}

// A serial of zeros only is what logbooks write for none.
std::string_view Serial(std::string_view text) {
    return AllDigits(text) && text.find_first_not_of('0') == std::string_view::npos ? std::string_view()
                                                                                    : text;
}

// The fields a contact is made of, found by name in one pass.
struct Fields {
    std::string_view date, time, frequency, band, mode, submode, call, rstSent, rstReceived, stx, stxString,
        srx, srxString, station, operatorCall;

    explicit Fields(std::span<const AdifField> record) {
        for (const AdifField& field : record)
            if (std::string_view Fields::*member = MemberOf(field.name))
                this->*member = Trimmed(field.value);
    }

    // The member a field of this name goes to; none for the many fields of a logbook's record that are
    // none of these, passed over by their length and first letter before any comparison.
    static std::string_view Fields::*MemberOf(std::string_view name) {
        struct Known {
            std::string_view name;
            std::string_view Fields::*member;
        };
        const auto among = [name](std::initializer_list<Known> known) -> std::string_view Fields::* {
            const char first = Upper(name.front());
            for (const Known& k : known)
                if (k.name.front() == first && SameName(name, k.name))
                    return k.member;
            return nullptr;
        };
        switch (name.size()) {
        case 3:
            return among({{"STX", &Fields::stx}, {"SRX", &Fields::srx}});
        case 4:
            return among({{"CALL", &Fields::call},
                          {"FREQ", &Fields::frequency},
                          {"BAND", &Fields::band},
                          {"MODE", &Fields::mode}});
        case 7:
            return among({{"TIME_ON", &Fields::time}, {"SUBMODE", &Fields::submode}});
        case 8:
            return among({{"QSO_DATE", &Fields::date},
                          {"RST_SENT", &Fields::rstSent},
                          {"RST_RCVD", &Fields::rstReceived},
                          {"OPERATOR", &Fields::operatorCall}});
        case 10:
            return among({{"STX_STRING", &Fields::stxString}, {"SRX_STRING", &Fields::srxString}});
        case 16:
            return among({{"STATION_CALLSIGN", &Fields::station}});
        default:
            return nullptr;
        }
    }
};

AdifContact Skipped(AdifContact contact, AdifSkip skip, std::string_view field, std::string_view value) {
    contact.line.clear();
    contact.skip = skip;
    contact.field = field;
    contact.value.assign(value);
    return contact;
}

} // namespace

namespace {

// Walks the records of `bytes`, handing each to `record` as soon as it is read, its fields in one list
// used again for the next, so that they are still at hand; <EOH> tells `headerEnd`. Fills in the
// problem that stopped the walk.
template <typename Record, typename HeaderEnd>
void WalkAdif(std::string_view bytes, AdifReading& problem, Record record, HeaderEnd headerEnd) {
    if (std::memchr(bytes.data(), '\0', bytes.size()) != nullptr) {
        problem.problem = AdifReading::Problem::Binary;
        return;
    }
    std::vector<AdifField> fields;
    std::size_t at = 0;
    const std::size_t size = bytes.size();
    while (at < size) {
        // Fields lie a few bytes apart: a plain loop finds the next one sooner than a call would.
        std::size_t tag = at;
        while (tag < size && bytes[tag] != '<')
            ++tag;
        if (tag == size)
            break;
        std::size_t i = tag + 1;
        while (i < size && IsNameChar(bytes[i]))
            ++i;
        const std::string_view name = bytes.substr(tag + 1, i - tag - 1);
        // A '<' that opens no tag is text between fields.
        if (name.empty() || i >= size || (bytes[i] != ':' && bytes[i] != '>')) {
            at = tag + 1;
            continue;
        }
        if (bytes[i] == '>') {
            if (SameName(name, "EOR")) {
                if (!fields.empty())
                    record(std::span<const AdifField>(fields));
                fields.clear();
            } else if (SameName(name, "EOH")) {
                // Whatever came before is the header.
                fields.clear();
                headerEnd();
            }
            at = i + 1;
            continue;
        }
        std::size_t digitsEnd = ++i;
        std::size_t length = 0;
        // A length of more digits than any file can hold stays past its end, without overflowing.
        constexpr std::size_t Beyond = std::size_t{1} << 40U;
        for (; digitsEnd < size && IsDigit(bytes[digitsEnd]); ++digitsEnd)
            if (length < Beyond)
                length = length * 10 + static_cast<std::size_t>(bytes[digitsEnd] - '0');
        length = std::min(length, Beyond);
        std::size_t close = digitsEnd;
        if (close < size && bytes[close] == ':')
            while (++close < size && close - digitsEnd < 16 && IsNameChar(bytes[close])) {
            }
        if (digitsEnd == i || close >= size || bytes[close] != '>') {
            at = tag + 1;
            continue;
        }
        const std::size_t value = close + 1;
        if (length > size - value) {
            problem.problem = AdifReading::Problem::CutShort;
            problem.problemField = name;
            problem.problemOffset = tag;
            return;
        }
        fields.push_back({name, bytes.substr(value, length)});
        at = value + length;
    }
    if (!fields.empty())
        record(std::span<const AdifField>(fields));
}

} // namespace

AdifReading ReadAdif(std::string_view bytes) {
    AdifReading reading;
    WalkAdif(
        bytes, reading,
        [&reading](std::span<const AdifField> record) {
            reading.m_fields.insert(reading.m_fields.end(), record.begin(), record.end());
            reading.m_ends.push_back(reading.m_fields.size());
        },
        [&reading] {
            reading.m_fields.clear();
            reading.m_ends.clear();
        });
    return reading;
}

AdifPreview PreviewAdifFile(std::string_view bytes, std::string_view usedCall) {
    AdifPreview preview;
    // A logbook's record takes well over 128 bytes: room for all of them at once, so that they are never
    // moved as they come (room never used is never touched); shorter records grow the list as usual.
    preview.contacts.reserve(bytes.size() / 128);
    WalkAdif(
        bytes, preview.reading,
        [&](std::span<const AdifField> record) {
            preview.contacts.push_back(MapAdifRecord(record, usedCall));
        },
        [&preview] { preview.contacts.clear(); });
    return preview;
}

AdifContact MapAdifRecord(std::span<const AdifField> record, std::string_view usedCall) {
    const Fields f(record);
    AdifContact contact;

    // A contest's records share a few dates: each is reckoned once.
    thread_local std::string lastDate = "-";
    thread_local std::optional<int> lastDay;
    if (f.date != lastDate) {
        lastDate.assign(f.date);
        lastDay = f.date.size() == 8 && AllDigits(f.date)
                      ? DayNumber(std::string(f.date.substr(0, 4)) + '-' + std::string(f.date.substr(4, 2)) +
                                  '-' + std::string(f.date.substr(6, 2)))
                      : std::nullopt;
    }
    const std::optional<int> day = lastDay;
    const std::string_view time = f.time.substr(0, 4);
    const std::optional<int> minute =
        time.size() == 4 && AllDigits(f.time) ? MinuteOfDay(time) : std::nullopt;
    if (!day)
        return Skipped(std::move(contact), AdifSkip::NoDateTime, "QSO_DATE", f.date);
    if (!minute)
        return Skipped(std::move(contact), AdifSkip::NoDateTime, "TIME_ON", f.time);
    contact.minute = static_cast<long long>(*day) * 1440 + *minute;

    QsoEntry entry;
    entry.date = {f.date[0], f.date[1], f.date[2], f.date[3], '-',
                  f.date[4], f.date[5], '-',       f.date[6], f.date[7]};
    entry.time = {time[0], time[1], ':', time[2], time[3]};

    const std::optional<long long> kilohertz =
        f.frequency.empty() ? std::nullopt : KilohertzOfMegahertz(f.frequency);
    if (kilohertz) {
        if (BandOfKilohertz(*kilohertz) < 0)
            return Skipped(std::move(contact), AdifSkip::OutsideBands, "FREQ", f.frequency);
        entry.frequency = std::to_string(*kilohertz);
    } else {
        const int band = BandOfName(f.band);
        if (band < 0)
            return Skipped(std::move(contact), AdifSkip::OutsideBands, f.band.empty() ? "FREQ" : "BAND",
                           f.band.empty() ? f.frequency : f.band);
        entry.band = band;
    }

    if (SameName(f.mode, "SSB") || SameName(f.mode, "USB") || SameName(f.mode, "LSB"))
        entry.firstMode = true;
    else if (SameName(f.mode, "CW"))
        entry.firstMode = false;
    else
        return Skipped(std::move(contact), AdifSkip::OtherMode, "MODE",
                       f.submode.empty() ? f.mode : f.submode);
    const std::size_t reportLength = entry.firstMode ? 2 : 3;
    const std::string_view defaultReport = entry.firstMode ? "59" : "599";

    // Each text goes into the line only once it is in the log's character set and fits its columns.
    struct Text {
        std::string_view field;
        std::string_view value;
        std::size_t width;
        std::string* into;
    };
    std::string_view rstSent = f.rstSent;
    std::string_view stx = Serial(f.stx.empty() ? f.stxString : f.stx);
    std::string_view rstReceived = f.rstReceived;
    std::string_view srx = Serial(f.srx.empty() ? f.srxString : f.srx);
    // The exchange packed after the report: "599 012" or "59012".
    const auto unpack = [reportLength](std::string_view& report, std::string_view& exchange) {
        if (report.size() > reportLength && exchange.empty() && AllDigits(report.substr(0, reportLength))) {
            exchange = Serial(Trimmed(report.substr(reportLength)));
            report = report.substr(0, reportLength);
        }
    };
    unpack(rstSent, stx);
    unpack(rstReceived, srx);
    const std::string_view station = !f.station.empty() ? f.station : f.operatorCall;
    if (f.call.empty())
        return Skipped(std::move(contact), AdifSkip::NoCall, "CALL", f.call);
    const std::array<Text, 6> texts{{
        {"CALL", f.call, 14, &entry.callReceived},
        {station.empty() ? "" : (!f.station.empty() ? "STATION_CALLSIGN" : "OPERATOR"),
         station.empty() ? usedCall : station, 14, &entry.usedCall},
        {"RST_SENT", rstSent.empty() ? defaultReport : rstSent, 3, &entry.reportSent},
        {f.stx.empty() ? "STX_STRING" : "STX", stx, 6, &entry.exchangeSent},
        {"RST_RCVD", rstReceived.empty() ? defaultReport : rstReceived, 3, &entry.reportReceived},
        {f.srx.empty() ? "SRX_STRING" : "SRX", srx, 6, &entry.numberReceived},
    }};
    for (const Text& text : texts) {
        if (!ToLogCharset(text.value, *text.into))
            return Skipped(std::move(contact), AdifSkip::OutsideCharset, text.field, text.value);
        if (text.into->size() > text.width || (text.width == 14 && text.into->find(' ') != std::string::npos))
            return Skipped(std::move(contact), AdifSkip::TooLong, text.field, text.value);
    }
    for (std::string* call : {&entry.callReceived, &entry.usedCall})
        std::transform(call->begin(), call->end(), call->begin(), Upper);
    long long serial = 0;
    if (AllDigits(entry.exchangeSent) &&
        std::from_chars(entry.exchangeSent.data(), entry.exchangeSent.data() + entry.exchangeSent.size(),
                        serial)
                .ec == std::errc())
        contact.serialSent = serial;
    contact.line = ComposeQsoLine(entry);
    return contact;
}

std::vector<AdifContact> PreviewAdif(const AdifReading& reading, std::string_view usedCall) {
    std::vector<AdifContact> contacts;
    contacts.reserve(reading.Count());
    for (std::size_t i = 0; i < reading.Count(); ++i)
        contacts.push_back(MapAdifRecord(reading.Record(i), usedCall));
    return contacts;
}

std::vector<std::string> AdifLinesToImport(const std::vector<AdifContact>& contacts, long long from,
                                           long long to) {
    std::vector<const AdifContact*> chosen;
    for (const AdifContact& contact : contacts)
        if (contact.skip == AdifSkip::None && *contact.minute >= from && *contact.minute <= to)
            chosen.push_back(&contact);
    std::stable_sort(chosen.begin(), chosen.end(),
                     [](const AdifContact* a, const AdifContact* b) { return *a->minute < *b->minute; });
    std::vector<std::string> lines;
    lines.reserve(chosen.size());
    for (const AdifContact* contact : chosen)
        lines.push_back(contact->line);
    return lines;
}

std::string AdifMinuteText(long long minute) {
    // The civil date of a day number (Howard Hinnant's days_from_civil, inverted).
    const long long z = minute / 1440 + 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    const long long d = doy - (153 * mp + 2) / 5 + 1;
    const long long m = mp < 10 ? mp + 3 : mp - 9;
    const long long y = yoe + era * 400 + (m <= 2 ? 1 : 0);
    char text[96];
    std::snprintf(text, sizeof text, "%04lld-%02lld-%02lld %02lld:%02lld", y, m, d, minute % 1440 / 60,
                  minute % 60);
    return text;
}

std::optional<long long> AdifMinuteOfText(std::string_view text) {
    if (text.size() != 16 || text[10] != ' ' || text[13] != ':')
        return std::nullopt;
    const std::optional<int> day = DayNumber(text.substr(0, 10));
    const std::string hhmm = std::string(text.substr(11, 2)) + std::string(text.substr(14, 2));
    const std::optional<int> minute = AllDigits(hhmm) ? MinuteOfDay(hhmm) : std::nullopt;
    if (!day || !minute)
        return std::nullopt;
    return static_cast<long long>(*day) * 1440 + *minute;
}

std::optional<long long> NumberSentAfterImport(const std::vector<AdifContact>& contacts, long long from,
                                               long long to, std::optional<long long> current) {
    std::optional<long long> highest;
    for (const AdifContact& contact : contacts)
        if (contact.skip == AdifSkip::None && contact.serialSent && *contact.minute >= from &&
            *contact.minute <= to)
            highest = std::max(highest.value_or(0), *contact.serialSent);
    if (!highest || (current && *current > *highest))
        return std::nullopt;
    return *highest + 1;
}

} // namespace zevo
