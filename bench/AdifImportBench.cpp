// An ADIF file of a logbook read and previewed as the import does (every record to its QSO line or its
// reason) against reading the same bytes and splitting them into their fields, the least any ADIF
// reader does: the goal is within 2x. Against splitting them into lines, as a load reads a Cabrillo
// file, for information.
//
//   ZevoAdifImportBench            100,000 records, five repetitions
//   ZevoAdifImportBench --smoke    5,000 records, three repetitions (CTest runs this)
#include "AdifImport.h"
#include "CabrilloReader.h"
#include "RatioReporter.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

using bench::Clock;

// Records as logbook programs write them: one a line, names in lower case, megahertz with decimals.
std::string AdifBytes(int records) {
    std::string bytes = "Exported by a logbook\n<adif_ver:5>3.1.4\n<eoh>\n";
    char record[512];
    for (int i = 0; i < records; ++i) {
        const std::string call = bench::CallOf(i);
        const std::string serial = std::to_string(i % 999999 + 1);
        std::snprintf(record, sizeof record,
                      "<call:%zu>%s <qso_date:8>202604%02d <time_on:6>%02d%02d00 <freq:6>14.%03d <band:3>20m "
                      "<mode:3>SSB <submode:3>USB <rst_sent:2>59 <rst_rcvd:2>57 <stx:%zu>%s <srx:3>123 "
                      "<station_callsign:6>QQ1AAA <eor>\n",
                      call.size(), call.c_str(), 1 + i / 1440 % 28, i / 60 % 24, i % 60, i % 350,
                      serial.size(), serial.c_str());
        bytes += record;
    }
    return bytes;
}

class File {
public:
    explicit File(int records) : m_path(std::filesystem::temp_directory_path() / "zevo-adif-bench.adi") {
        std::ofstream(m_path, std::ios::binary) << AdifBytes(records);
    }
    ~File() { std::filesystem::remove(m_path); }
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    std::string Path() const { return m_path.string(); }

private:
    std::filesystem::path m_path;
};

void ReadAndPreview(benchmark::State& state, const File* file, int records) {
    std::size_t contacts = 0;
    for (auto _ : state) {
        const zevo::LogFileBytes bytes = zevo::ReadLogFileBytes(file->Path(), zevo::MaxAdifFileSize);
        const std::vector<zevo::AdifContact> preview = zevo::PreviewAdifFile(bytes.bytes, "QQ1AAA").contacts;
        contacts = static_cast<std::size_t>(std::count_if(
            preview.begin(), preview.end(), [](const auto& c) { return c.skip == zevo::AdifSkip::None; }));
        benchmark::DoNotOptimize(contacts);
    }
    if (contacts != static_cast<std::size_t>(records))
        state.SkipWithError("not every record became a contact");
}

void ReadAndSplit(benchmark::State& state, const File* file, int records) {
    std::size_t lines = 0;
    for (auto _ : state) {
        const zevo::LogFileBytes bytes = zevo::ReadLogFileBytes(file->Path(), zevo::MaxAdifFileSize);
        lines = zevo::ReadCabrilloLines(bytes.bytes).size();
        benchmark::DoNotOptimize(lines);
    }
    if (lines < static_cast<std::size_t>(records))
        state.SkipWithError("the lines were not read");
}

// The least any reader of ADIF does: every field found, its length read and its value passed over.
void ReadAndSplitFields(benchmark::State& state, const File* file, int records) {
    std::size_t fields = 0;
    for (auto _ : state) {
        const zevo::LogFileBytes bytes = zevo::ReadLogFileBytes(file->Path(), zevo::MaxAdifFileSize);
        const std::string& text = bytes.bytes;
        fields = 0;
        for (std::size_t at = text.find('<'); at != std::string::npos; at = text.find('<', at)) {
            const std::size_t close = text.find('>', at);
            if (close == std::string::npos)
                break;
            const std::size_t colon = text.find(':', at);
            std::size_t length = 0;
            for (std::size_t i = colon + 1; colon < close && i < close && text[i] != ':'; ++i)
                length = length * 10 + static_cast<std::size_t>(text[i] - '0');
            at = close + 1 + length;
            ++fields;
        }
        benchmark::DoNotOptimize(fields);
    }
    if (fields < static_cast<std::size_t>(records))
        state.SkipWithError("the fields were not found");
}

} // namespace

int main(int argc, char** argv) {
    const bool smoke = bench::TakeFlag(argc, argv, "--smoke");
    const int records = smoke ? 5000 : 100000;
    bench::InitializeInterleaved(argc, argv);
    const File file(records);
    for (const auto& [name, run] :
         {std::pair{"ReadAndPreview", &ReadAndPreview}, std::pair{"ReadAndSplit", &ReadAndSplit},
          std::pair{"ReadAndSplitFields", &ReadAndSplitFields}})
        benchmark::RegisterBenchmark(name, run, &file, records)
            ->Repetitions(smoke ? 3 : 5)
            ->ReportAggregatesOnly(true)
            ->Unit(benchmark::kMillisecond);
    bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const std::string what = "an ADIF file of " + std::to_string(records) + " records read and previewed";
    reporter.PrintRatio(what + " / read and split into its fields", "ReadAndPreview", "ReadAndSplitFields",
                        Clock::Processor, 2);
    reporter.PrintRatio(what + " / read and split into lines, as a load does", "ReadAndPreview",
                        "ReadAndSplit", Clock::Processor);
    benchmark::Shutdown();
    return reporter.Failures() == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
