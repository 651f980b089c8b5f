// Times the schedule text import of a generated 30,000-line schedule, and, apart from it, the
// save of the station base the import made.

#include "bench/ScheduleRandom.h"
#include "core/base/ORVImpl.h"
#include "core/schedule/ScheduleImport.h"
#include "tests/support/TestFiles.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <string_view>

using namespace kavrin;

namespace {

constexpr int kScheduleLines = 30'000;
constexpr std::uint32_t kSeed = 0x5343484B;

// Column starts: STATION 6, UTC 30, Su-W 40, Language 48, Pow 60, Location 64, ADM 84, Azi 88,
// remarks 92.
constexpr std::string_view kHeader = "kHz   STATION                 UTC       Su-W    Language    "
                                     "Pow Location            ADM Azi Remarks";

// Writes a schedule of plausible broadcasts: shortwave, medium and long wave frequencies, names
// from a few words, times on the quarter hour, daily or weekday or weekend days, and a sprinkling
// of what real schedules hold besides: comment lines, continuation lines without a frequency,
// hours out of range and DRM remarks. The same file byte for byte on every run (ScheduleRandom).
class ScheduleGenerator : ScheduleRandom {
public:
    struct Counts {
        int stations = 0;
        int skipped = 0;
        int refused = 0;
    };

    explicit ScheduleGenerator(std::uint32_t seed) : ScheduleRandom(seed) {}

    Counts write(std::ostream& out, int lines)
    {
        Counts counts;
        out << "Generated broadcast schedule, " << lines << " lines\n" << kHeader << '\n';
        for (int i = 0; i < lines; ++i) {
            const std::uint32_t kind = below(1000);
            if (kind < 20) {
                out << "; transmitter maintenance on Tuesdays\n";
                ++counts.skipped;
            } else if (kind < 30) {
                out << station(false, false) << '\n';
                ++counts.skipped;
            } else if (kind < 35) {
                out << station(true, true) << '\n';
                ++counts.refused;
            } else {
                out << station(true, false) << '\n';
                ++counts.stations;
            }
        }
        return counts;
    }

private:
    std::string station(bool withFrequency, bool badHour)
    {
        static constexpr std::string_view kFirst[] = {"Radio",    "Voice of", "Radio",
                                                      "Sound of", "Radio",    "World Radio"};
        static constexpr std::string_view kSecond[] = {
            "Kestrel",     "Carpatia",  "Baltica",   "the Steppes", "Tatra",
            "Nile Valley", "Aurora",    "Atlantica", "Pacific",     "Andina",
            "Sahel",       "Adriatica", "Nordvik",   "Caribe"};
        static constexpr std::string_view kLanguage[] = {
            "English",    "French", "Spanish",  "Arabic", "Russian", "German",
            "Portuguese", "Hausa",  "Mandarin", "Hindi",  "Swahili", "Romanian"};
        static constexpr std::string_view kSite[] = {
            "Nauen", "Issoudun", "Woofferton",      "Kostinbrod", "Tinang",    "Palau",
            "Abis",  "Kigali",   "Rimavska Sobota", "Yerevan",    "Bengaluru", "Sao Gabriel"};
        static constexpr std::string_view kAdm[] = {"D",   "F",   "G",   "BUL", "PHL", "PLW",
                                                    "EGY", "RRW", "SVK", "ARM", "IND", "POR"};
        static constexpr std::string_view kDays[] = {"1234567", "1234567", "1234567", "23456",
                                                     "1     7", "7",       "1"};
        static constexpr std::string_view kPower[] = {"250", "500", "100", " 50", "300", "  1"};

        std::string line(92, ' ');
        const auto put = [&line](std::size_t at, std::string_view text) {
            line.replace(at, text.size(), text);
        };
        if (withFrequency)
            put(0, rightAligned(std::to_string(frequencyKhz()), 5));
        put(6, std::string(pick(kFirst)) + " " + std::string(pick(kSecond)));
        const auto [start, end] = window();
        put(30, badHour ? "25" + clock(start).substr(2) + "-" + clock(end)
                        : clock(start) + "-" + clock(end));
        put(40, pick(kDays));
        put(48, pick(kLanguage));
        put(60, pick(kPower));
        const std::size_t site = below(std::size(kSite));
        put(64, kSite[site]);
        put(84, kAdm[site]);
        put(88, std::to_string(below(360)));
        if (below(50) == 0)
            put(92, "DRM");
        return line.substr(0, line.find_last_not_of(' ') + 1);
    }

    static std::string rightAligned(std::string text, std::size_t width)
    {
        return std::string(width > text.size() ? width - text.size() : 0, ' ') + text;
    }
};

struct ScheduleFixture {
    ScheduleFixture()
    {
        std::ofstream out(file, std::ios::binary);
        counts = ScheduleGenerator(kSeed).write(out, kScheduleLines);
        out.close();
        if (!out) {
            std::fprintf(stderr, "cannot write the benchmark schedule %s\n", file.c_str());
            std::exit(1);
        }
        fileSize = static_cast<std::int64_t>(std::filesystem::file_size(file));
    }

    TempFolder folder;
    std::filesystem::path file = folder.file("schedule.txt");
    ScheduleGenerator::Counts counts;
    std::int64_t fileSize = 0;
};

ScheduleFixture& fixture()
{
    static ScheduleFixture instance;
    return instance;
}

// Declines every message after the first, as the desktop lets the user do.
const ScheduleMessageSink kDecliningSink = [](const ScheduleLineMessage&) {
    return ScheduleMessageReply::SkipRemaining;
};

bool importInto(ORVImpl& base, benchmark::State& state)
{
    const ScheduleFixture& f = fixture();
    const Result<ScheduleImportCounts> result = importSchedule(f.file, base, kDecliningSink);
    if (!result || result->stationsImported != f.counts.stations ||
        result->linesSkipped != f.counts.skipped || result->linesRefused != f.counts.refused) {
        state.SkipWithError("the import did not give the generated stations");
        return false;
    }
    return true;
}

void BM_ImportSchedule(benchmark::State& state)
{
    ORVImpl base;
    for (auto _ : state) {
        if (!importInto(base, state))
            break;
    }
    state.SetBytesProcessed(state.iterations() * fixture().fileSize);
    state.counters["lines"] = kScheduleLines;
    state.counters["stations"] = fixture().counts.stations;
}

void BM_SaveImportedBase(benchmark::State& state)
{
    ORVImpl base;
    if (!importInto(base, state))
        return;
    const std::filesystem::path target = fixture().folder.file("Stations.xml");
    for (auto _ : state) {
        if (const Result<> saved = base.Save(target); !saved) {
            state.SkipWithError(("save failed: " + saved.reason()).c_str());
            break;
        }
    }
    state.counters["stations"] = base.GetCount();
    state.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(target)) / 1e6;
}

} // namespace

BENCHMARK(BM_ImportSchedule)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);
BENCHMARK(BM_SaveImportedBase)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

BENCHMARK_MAIN();
