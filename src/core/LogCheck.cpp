#include "LogCheck.h"

#include "CabrilloFile.h"
#include "QsoLine.h"

#include <algorithm>
#include <array>
#include <bit>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <utility>

namespace zevo {

namespace {

constexpr auto LineLength = static_cast<std::size_t>(QsoLineLength);

// A field's columns, counted from 1 as in the QSO line.
struct Columns {
    std::size_t first;
    std::size_t last;
};

// The fields as a log robot finds them: it splits the line at blanks. The calls have 14 columns each,
// but a 14th character would touch the report behind it, so a call that the robot reads apart ends in
// the 13th.
constexpr Columns Band{6, 10};
constexpr Columns Mode{12, 13};
constexpr Columns Date{15, 24};
constexpr Columns Time{26, 29};
constexpr Columns UsedCall{31, 43};
constexpr Columns ReportSent{45, 47};
constexpr Columns ExchangeSent{49, 54};
constexpr Columns CallReceived{56, 68};
constexpr Columns ReportReceived{70, 72};
constexpr Columns NumberReceived{74, 79};
// The blank columns between them.
constexpr std::array<std::size_t, 10> Separators{5, 11, 14, 25, 30, 44, 48, 55, 69, 73};

constexpr std::string_view ProvinceLetters = "BCDFGJKLMOPRSUWZ";

// The header lines the program writes. A robot cannot file a log without knowing the contest, the
// station and its category; the rest it files anyway.
struct HeaderTag {
    std::string_view tag;
    Severity missing;
};
constexpr std::array<HeaderTag, 9> HeaderTags{{{"CONTEST:", Severity::Error},
                                               {"CALLSIGN:", Severity::Error},
                                               {"CATEGORY:", Severity::Error},
                                               {"CLAIMED-SCORE:", Severity::Warning},
                                               {"NAME:", Severity::Warning},
                                               {"E-MAIL:", Severity::Warning},
                                               {"ADDRESS:", Severity::Warning},
                                               {"OPERATORS:", Severity::Warning},
                                               {"SOAPBOX:", Severity::Warning}}};
constexpr std::size_t CallsignTag = 1;

constexpr bool Reaches(std::string_view line, Columns field) {
    return line.size() >= field.last;
}

constexpr std::string_view Cut(std::string_view line, Columns field) {
    return line.substr(field.first - 1, field.last - field.first + 1);
}

// Byte by byte: the fields are a few bytes long, shorter than what a call of memcmp costs.
bool Same(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i])
            return false;
    return true;
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

// The value of a text of digits only; nothing for any other text. The fields hold 6 digits at most.
std::optional<int> Number(std::string_view digits) {
    if (digits.empty())
        return std::nullopt;
    int value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

// The first column where a blank is missing between two fields or stands between the characters of
// one; 0 when every blank is in its place. Only the used call and the number received are looked
// into: a blank inside any other field fails that field's own check.
std::size_t MisplacedBlank(std::string_view line) {
    for (const std::size_t column : Separators)
        if (column <= line.size() && line[column - 1] != ' ')
            return column;
    for (const Columns field : {UsedCall, NumberReceived}) {
        if (!Reaches(line, field))
            continue;
        const std::string_view text = Cut(line, field);
        const std::string_view value = Trimmed(text);
        for (std::size_t i = 0; i < value.size(); ++i)
            if (value[i] == ' ')
                return field.first + static_cast<std::size_t>(value.data() - text.data()) + i;
    }
    return 0;
}

// Readability 1-5 and strength 1-9, and in CW the tone 1-9, left-aligned in three columns.
bool GoodReport(std::string_view report, bool phone) {
    const auto in = [](char c, char highest) { return c >= '1' && c <= highest; };
    return in(report[0], '5') && in(report[1], '9') && (phone ? report[2] == ' ' : in(report[2], '9'));
}

bool GoodCall(std::string_view call) {
    bool letter = false;
    bool digit = false;
    for (const char c : call) {
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))
            letter = true;
        else if (c >= '0' && c <= '9')
            digit = true;
        else if (c != '/')
            return false;
    }
    return letter && digit;
}

// A contact for the dupe check, and a slot of its table.
struct Contact {
    std::uint32_t hash = 0;
    std::uint32_t line = 0; // 0 for an empty slot
};

// The same call on the same band in the same mode is one contact; calls compare as CallKey has them,
// without regard to case.
std::uint32_t ContactHash(std::string_view call, int band, bool phone) {
    std::uint64_t hash =
        14695981039346656037U ^ static_cast<std::uint64_t>(band * 2 + (phone ? 1 : 0)); // FNV-1a
    for (const char c : call)
        hash = (hash ^ static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c)) * 1099511628211U;
    // FNV-1a leaves the low bits, which pick the slot, to the low bits of the bytes alone: calls that
    // differ in a digit or two would crowd together without this mix of the high bits in.
    hash = (hash ^ (hash >> 33)) * 0xff51afd7ed558ccdU;
    return static_cast<std::uint32_t>(hash ^ (hash >> 33));
}

bool IsProvince(std::string_view exchange) {
    return exchange.size() == 1 && ProvinceLetters.find(exchange[0]) != std::string_view::npos;
}

} // namespace

// A contact or two typed in the other language are the ones found wrong, not the rest of the log.
bool SendsSerials(LinesView lines) {
    std::size_t serials = 0;
    std::size_t provinces = 0;
    for (const std::string_view line : lines) {
        if (!line.starts_with("QSO:") || !Reaches(line, ExchangeSent))
            continue;
        const std::string_view exchange = Trimmed(Cut(line, ExchangeSent));
        serials += Number(exchange) ? 1 : 0;
        provinces += IsProvince(exchange) ? 1 : 0;
    }
    return provinces <= serials;
}

namespace {

class Checker {
public:
    Checker(LinesView lines, const LogCheckOptions& options)
        : m_lines(lines), m_options(options),
          m_serialsSent(options.serialsSent ? *options.serialsSent : SendsSerials(lines)) {}

    std::vector<LogFinding> Run() {
        if (m_lines.empty() || !m_lines.front().starts_with("START-OF-LOG:"))
            Add(1, Severity::Error, FindingKind::NoStartOfLog);
        for (std::size_t i = 0; i < m_lines.size(); ++i) {
            const std::string_view line = m_lines[i];
            const std::size_t number = i + 1;
            if (line.starts_with("QSO:"))
                QsoLine(line, number);
            else if (line.starts_with(EndOfLogLine))
                EndOfLog(number);
            else
                HeaderLine(line, number);
        }
        Header();
        Dupes();
        if (m_options.saved && (m_lines.empty() || !m_lines.back().starts_with(EndOfLogLine)))
            Add(std::max<std::size_t>(m_lines.size(), 1), Severity::Error, FindingKind::NoEndOfLog);
        std::stable_sort(m_findings.begin(), m_findings.end(), [](const LogFinding& a, const LogFinding& b) {
            return a.severity != b.severity ? a.severity < b.severity : a.line < b.line;
        });
        return std::move(m_findings);
    }

private:
    void Add(std::size_t line, Severity severity, FindingKind kind, std::vector<std::string> args = {}) {
        m_findings.push_back({line, severity, kind, std::move(args)});
    }

    void HeaderLine(std::string_view line, std::size_t number) {
        for (std::size_t i = 0; i < HeaderTags.size(); ++i) {
            if (!line.starts_with(HeaderTags[i].tag))
                continue;
            if (i == CallsignTag && !m_tagSeen[i]) {
                m_callsign = Trimmed(line.substr(HeaderTags[i].tag.size()));
                m_callsignLine = number;
            }
            m_tagSeen[i] = true;
        }
    }

    void EndOfLog(std::size_t number) {
        // An unsaved log keeps the line of its last save wherever the contacts added since left it.
        if (m_options.saved && number != m_lines.size())
            Add(number, Severity::Error, FindingKind::EndOfLogBeforeEnd);
    }

    void Header() {
        for (std::size_t i = 0; i < HeaderTags.size(); ++i)
            if (!m_tagSeen[i])
                Add(1, HeaderTags[i].missing, FindingKind::MissingHeaderLine,
                    {std::string(HeaderTags[i].tag)});
        if (m_callsignLine == 0)
            return;
        if (m_callsign.empty()) {
            Add(m_callsignLine, Severity::Error, FindingKind::EmptyCallsign);
            return;
        }
        for (const auto& [usedCall, line] : m_usedCalls)
            if (usedCall != m_callsign)
                Add(line, Severity::Error, FindingKind::CallsignNotUsedCall,
                    {std::string(m_callsign), std::string(usedCall)});
    }

    void QsoLine(std::string_view line, std::size_t number) {
        const QsoRecord record = *ReadQsoRecord(line);
        // The dupe pass reads every contact as the dupe check does, whatever else is wrong with it.
        if (record.band >= 0 && !record.Has(QsoRecord::NoCall))
            NoteContact(record, number);
        if (line.size() < LineLength)
            Add(number, Severity::Error, FindingKind::LineTooShort, {std::to_string(line.size())});
        else if (line.size() > LineLength)
            Add(number, Severity::Error, FindingKind::LineTooLong, {std::to_string(line.size())});
        if (const std::size_t column = MisplacedBlank(line)) {
            Add(number, Severity::Error, FindingKind::BadLayout, {std::to_string(column)});
            m_lastSerial.reset();
            return;
        }

        if (Reaches(line, Band) && record.band < 0)
            Add(number, Severity::Error, FindingKind::BadBand, {std::string(Cut(line, Band))});
        std::optional<bool> phone;
        if (Reaches(line, Mode)) {
            if (record.Has(QsoRecord::OtherMode))
                Add(number, Severity::Error, FindingKind::BadMode, {std::string(Cut(line, Mode))});
            else
                phone = record.phone;
        }
        if (Reaches(line, Date) && !record.day)
            Add(number, Severity::Error, FindingKind::BadDate, {std::string(Cut(line, Date))});
        if (Reaches(line, Time) && !record.minute)
            Add(number, Severity::Error, FindingKind::BadTime, {std::string(Cut(line, Time))});
        if (Reaches(line, UsedCall))
            UsedCallOf(Trimmed(Cut(line, UsedCall)), number);
        if (phone && Reaches(line, ReportSent) && !GoodReport(Cut(line, ReportSent), *phone))
            Add(number, Severity::Error, FindingKind::BadReportSent,
                {std::string(Trimmed(Cut(line, ReportSent))), std::string(Cut(line, Mode))});
        if (Reaches(line, ExchangeSent))
            Exchange(Trimmed(Cut(line, ExchangeSent)), number);
        else
            m_lastSerial.reset();
        if (Reaches(line, CallReceived) && !GoodCall(Trimmed(Cut(line, CallReceived))))
            Add(number, Severity::Error, FindingKind::BadCall,
                {std::string(Trimmed(Cut(line, CallReceived)))});
        if (phone && Reaches(line, ReportReceived) && !GoodReport(Cut(line, ReportReceived), *phone))
            Add(number, Severity::Error, FindingKind::BadReportReceived,
                {std::string(Trimmed(Cut(line, ReportReceived))), std::string(Cut(line, Mode))});
        if (Reaches(line, NumberReceived) && Trimmed(Cut(line, NumberReceived)).empty())
            Add(number, Severity::Error, FindingKind::NoNumberReceived);

        if (record.day && record.minute)
            Moment(line, number, *record.day, *record.minute);
    }

    void UsedCallOf(std::string_view usedCall, std::size_t number) {
        // Nearly every contact has the used call of the one before it: the map holds each once.
        if (m_lastUsedCall && Same(*m_lastUsedCall, usedCall))
            return;
        m_lastUsedCall = usedCall;
        m_usedCalls.emplace(usedCall, number);
    }

    void Exchange(std::string_view exchange, std::size_t number) {
        if (!m_serialsSent) {
            if (!IsProvince(exchange))
                Add(number, Severity::Error, FindingKind::BadExchangeSent, {std::string(exchange)});
            return;
        }
        // Against the serial of the contact before, not the highest so far, and none after a serial
        // that cannot be read: one wrong serial gives one finding, not one for every contact after it.
        const std::optional<int> serial = Number(exchange);
        const std::optional<int> before = std::exchange(m_lastSerial, serial);
        if (!serial) {
            Add(number, Severity::Error, FindingKind::BadExchangeSent, {std::string(exchange)});
            return;
        }
        if (!before)
            return;
        const auto add = [&](Severity severity, FindingKind kind) {
            Add(number, severity, kind, {std::string(exchange), std::to_string(*before + 1)});
        };
        if (*serial == *before)
            add(Severity::Error, FindingKind::SerialRepeated);
        else if (*serial < *before)
            add(Severity::Error, FindingKind::SerialBackwards);
        else if (*serial > *before + 1)
            add(Severity::Warning, FindingKind::SerialSkipped);
    }

    void Moment(std::string_view line, std::size_t number, int day, int minute) {
        const long long moment = static_cast<long long>(day) * 24 * 60 + minute;
        if (m_previous.line != 0) {
            const std::string_view before = m_lines[m_previous.line - 1];
            const auto dateTime = [](std::string_view of) {
                return std::string(Cut(of, Date)) + " " + std::string(Cut(of, Time));
            };
            if (moment < m_previous.moment)
                Add(number, Severity::Warning, FindingKind::TimeOrder,
                    {dateTime(line), dateTime(before), std::to_string(m_previous.line)});
            if (day > m_previous.day + 1 || day < m_previous.day - 1)
                Add(number, Severity::Warning, FindingKind::DatesApart,
                    {std::string(Cut(line, Date)), std::string(Cut(before, Date)),
                     std::to_string(m_previous.line)});
        }
        m_previous = {number, moment, day};
    }

    void NoteContact(const QsoRecord& record, std::size_t number) {
        // Line numbers of 32 bits leave the contacts of a longer log out.
        if (number <= UINT32_MAX)
            m_contacts.push_back({ContactHash(Trimmed(record.callReceived), record.band, record.phone),
                                  static_cast<std::uint32_t>(number)});
    }

    // The table is larger than the processor's cache, so the contacts go into it in one tight loop once
    // every line is read, not one at each line: lookups close together wait for the memory together,
    // not one after another. It is open addressing over a table never more than half full: a new
    // contact (nearly every one) is told by the first empty slot its probe meets, and only a slot whose
    // hash matches sends the probe to the line it names.
    void Dupes() {
        std::vector<Contact> table(std::bit_ceil(std::max<std::size_t>(m_contacts.size() * 2, 2)));
        const std::size_t mask = table.size() - 1;
        for (const Contact& contact : m_contacts) {
            std::size_t i = contact.hash & mask;
            while (table[i].line != 0 &&
                   !(table[i].hash == contact.hash && SameContact(table[i].line, contact.line)))
                i = (i + 1) & mask;
            if (table[i].line == 0) {
                table[i] = contact;
                continue;
            }
            const QsoRecord record = *ReadQsoRecord(m_lines[contact.line - 1]);
            Add(contact.line, Severity::Warning, FindingKind::Dupe,
                {std::string(record.callReceived), std::string(BandName(record.band)),
                 record.phone ? "PH" : "CW", std::to_string(table[i].line)});
        }
    }

    bool SameContact(std::size_t a, std::size_t b) const {
        const QsoRecord one = *ReadQsoRecord(m_lines[a - 1]);
        const QsoRecord other = *ReadQsoRecord(m_lines[b - 1]);
        return one.band == other.band && one.phone == other.phone &&
               CallKey(one.callReceived) == CallKey(other.callReceived);
    }

    LinesView m_lines;
    const LogCheckOptions m_options;
    const bool m_serialsSent;
    std::vector<LogFinding> m_findings;

    std::array<bool, HeaderTags.size()> m_tagSeen{};
    std::string_view m_callsign;
    std::size_t m_callsignLine = 0;
    std::optional<std::string_view> m_lastUsedCall;
    std::unordered_map<std::string_view, std::size_t> m_usedCalls; // the first line of each

    std::optional<int> m_lastSerial; // of the contact before, when it could be read
    struct {
        std::size_t line = 0; // 0 before the first contact with a real date and time
        long long moment = 0; // minutes since 1970-01-01 00:00
        int day = 0;
    } m_previous;
    std::vector<Contact> m_contacts; // in the order of their lines
};

} // namespace

std::vector<LogFinding> CheckLog(LinesView lines, const LogCheckOptions& options) {
    return Checker(lines, options).Run();
}

} // namespace zevo
