// The ADIF reader and the mapping to QSO lines over any bytes: every field lies inside the input, a
// record either becomes a whole 79-column contact line without a line break or says why not, and the
// lines to import are the contacts in time order.

#include "AdifImport.h"
#include "FuzzInput.h"
#include "QsoLine.h"

using namespace zevo;
using namespace zevo::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = Bytes(data, size);
    const AdifReading reading = ReadAdif(bytes);
    const auto inside = [bytes](std::string_view piece) {
        return piece.empty() ||
               (piece.data() >= bytes.data() && piece.data() + piece.size() <= bytes.data() + bytes.size());
    };
    for (std::size_t i = 0; i < reading.Count(); ++i)
        for (const AdifField& field : reading.Record(i))
            Require(inside(field.name) && inside(field.value), "a field lies inside the file");
    const std::vector<AdifContact> contacts = PreviewAdif(reading, "QQ1AAA");
    const AdifPreview preview = PreviewAdifFile(bytes, "QQ1AAA");
    Require(preview.contacts.size() == contacts.size() && preview.reading.problem == reading.problem,
            "the import's preview reads what the reader reads");
    for (const AdifContact& contact : contacts) {
        if (contact.skip != AdifSkip::None) {
            Require(contact.line.empty(), "a skipped record gives no line");
            continue;
        }
        Require(contact.line.size() == QsoLineLength && !HasLineBreak(contact.line), "a whole line");
        const std::optional<QsoRecord> record = ReadQsoRecord(contact.line);
        Require(record && record->ReadsWhole() && record->band >= 0, "the line reads back whole");
    }
    const std::vector<std::string> lines = AdifLinesToImport(contacts, 0, 1LL << 40);
    for (std::size_t i = 1; i < lines.size(); ++i)
        Require(lines[i - 1].substr(14, 15) <= lines[i].substr(14, 15), "time order");
    return 0;
}
