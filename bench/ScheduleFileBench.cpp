// Times the CSV and text broadcast schedules: reading a generated 10,000-line schedule in each
// format, and adding it to the standard generated base of 100,000 stations, both when every
// line is new and when the base already holds them all (the second import of the same file).

#include "bench/ScheduleRandom.h"
#include "bench/StationGenerator.h"
#include "core/base/ORVImpl.h"
#include "core/schedule/ScheduleFile.h"
#include "core/schedule/ScheduleMerge.h"
#include "tests/support/TestFiles.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

using namespace kavrin;

namespace {

constexpr int kScheduleLines = 10'000;
constexpr std::uint32_t kSeed = 0x534B4544;

struct Row {
    std::string khz, time, days, itu, station, language, target, remarks, persistence, start, stop;
};

// Makes plausible schedule lines: shortwave, medium and long wave frequencies (some on half
// kilohertz), times on the quarter hour (some across midnight), every form of days, names from
// words with windows-1252 accents, languages and a few mode markers, relays and site codes.
class ScheduleRows : ScheduleRandom {
public:
    explicit ScheduleRows(std::uint32_t seed) : ScheduleRandom(seed) {}

    Row next()
    {
        static constexpr std::string_view kFirst[] = {"Radio", "Voice of",
                                                      "R\xE1"
                                                      "dio",
                                                      "Sound of", "World Radio"};
        static constexpr std::string_view kSecond[] = {"Kestrel",
                                                       "Carpatia",
                                                       "Baltica",
                                                       "the Steppes",
                                                       "Tatra",
                                                       "Nile Valley",
                                                       "Aurora",
                                                       "Atlantica",
                                                       "Pacific",
                                                       "Andina",
                                                       "Sahel",
                                                       "Adri\xE1tica",
                                                       "Nordvik",
                                                       "Cara\xEF"
                                                       "be"};
        static constexpr std::string_view kDays[] = {"",     "",      "",     "Mo-Fr", "We-Mo",
                                                     "SaSu", "Tu,Fr", "1357", "irr",   "1.Sa"};
        static constexpr std::string_view kItu[] = {"G", "F", "D", "USA", "B", "ROU", "CHN", "IRN"};
        static constexpr std::string_view kLanguage[] = {"E", "F", "S",   "A,F", "R",  "D",
                                                         "P", "M", "-CW", "-TS", "-TY"};
        static constexpr std::string_view kTarget[] = {"Eu", "ME", "SAs", "NAm", "Af", "FE"};
        static constexpr std::string_view kRemarks[] = {"", "", "/CYP", "/ROU-t", "b", "k", "DRM"};

        Row row;
        row.khz = std::to_string(frequencyKhz());
        if (below(10) == 0)
            row.khz += ".5";
        const auto [start, end] = window();
        row.time = clock(start) + "-" + clock(end);
        row.days = pick(kDays);
        row.itu = pick(kItu);
        row.station = std::string(pick(kFirst)) + " " + std::string(pick(kSecond));
        row.language = pick(kLanguage);
        row.target = pick(kTarget);
        row.remarks = pick(kRemarks);
        row.persistence = std::string(1, static_cast<char>('1' + below(9)));
        if (below(3) == 0) {
            row.start = "2510";
            row.stop = "2903";
        }
        return row;
    }
};

std::string csvSchedule(const std::vector<Row>& rows)
{
    std::string out = "kHz:75;Time(UTC):93;Days:59;ITU:49;Station:201;Lng:49;Target:62;"
                      "Remarks:135;P:35;Start:60;Stop:60;\r\n";
    for (const Row& r : rows)
        out += r.khz + ";" + r.time + ";" + r.days + ";" + r.itu + ";" + r.station + ";" +
               r.language + ";" + r.target + ";" + r.remarks + ";" + r.persistence + ";" + r.start +
               ";" + r.stop + ";\r\n";
    return out;
}

std::string textSchedule(const std::vector<Row>& rows)
{
    std::string out = "Generated broadcast schedule\r\n\r\n"
                      "kHz     Time(UTC) Days  ITU Station                  Lang. Target Remarks"
                      "\r\n" +
                      std::string(80, '=') + "\r\n";
    for (const Row& r : rows) {
        std::string line(66, ' ');
        const std::pair<std::size_t, const std::string*> columns[] = {
            {0, &r.khz},      {8, &r.time},      {18, &r.days},  {24, &r.itu},
            {28, &r.station}, {53, &r.language}, {59, &r.target}};
        for (const auto& [at, field] : columns)
            line.replace(at, field->size(), *field);
        out += line + r.remarks + "\r\n";
    }
    return out;
}

void writeFile(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out << bytes;
    out.close();
    if (!out) {
        std::fprintf(stderr, "cannot write the benchmark schedule %s\n", path.c_str());
        std::exit(1);
    }
}

// The two schedule files, the stations they give and the standard base, made once.
struct ScheduleFileFixture {
    ScheduleFileFixture()
    {
        ScheduleRows generator(kSeed);
        std::vector<Row> rows;
        for (int i = 0; i < kScheduleLines; ++i)
            rows.push_back(generator.next());
        writeFile(csv, csvSchedule(rows));
        writeFile(text, textSchedule(rows));
        Result<ScheduleFile> schedule = readScheduleFile(csv);
        if (!schedule || schedule->stations.size() != kScheduleLines) {
            std::fprintf(stderr, "the generated schedule does not read whole\n");
            std::exit(1);
        }
        stations = std::move(schedule->stations);
        ORVImpl base;
        StationGenerator().fill(base, kBenchStationCount);
        for (int i = 0; i < base.GetCount(); ++i)
            baseStations.push_back(base[i]);
    }

    TempFolder folder;
    std::filesystem::path csv = folder.file("sked.csv");
    std::filesystem::path text = folder.file("sked.txt");
    std::vector<ORVImpl::FreqInfo> stations;
    std::vector<ORVImpl::FreqInfo> baseStations;
};

ScheduleFileFixture& fixture()
{
    static ScheduleFileFixture instance;
    return instance;
}

void readEach(benchmark::State& state, const std::filesystem::path& file)
{
    for (auto _ : state) {
        const Result<ScheduleFile> schedule = readScheduleFile(file);
        if (!schedule || schedule->stations.size() != kScheduleLines) {
            state.SkipWithError("the schedule did not read whole");
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() *
                            static_cast<std::int64_t>(std::filesystem::file_size(file)));
    state.counters["lines"] = kScheduleLines;
}

void BM_ReadCsvSchedule(benchmark::State& state)
{
    readEach(state, fixture().csv);
}

void BM_ReadTextSchedule(benchmark::State& state)
{
    readEach(state, fixture().text);
}

bool expectCounts(benchmark::State& state, const ScheduleMergeCounts& counts, int added,
                  int unchanged)
{
    if (counts.added == added && counts.updated == 0 && counts.unchanged == unchanged)
        return true;
    state.SkipWithError("the merge did not give the expected counts");
    return false;
}

// Every line new: the standard base is put back, untimed, before each merge.
void BM_AddScheduleToBase(benchmark::State& state)
{
    const ScheduleFileFixture& f = fixture();
    ORVImpl base;
    for (auto _ : state) {
        state.PauseTiming();
        replaceWithSchedule(base, f.baseStations);
        state.ResumeTiming();
        if (!expectCounts(state, mergeSchedule(base, f.stations), kScheduleLines, 0))
            break;
    }
    state.counters["base"] = kBenchStationCount;
    state.counters["lines"] = kScheduleLines;
}

// The same file again: every line matches the station it added the first time.
void BM_AddScheduleAgain(benchmark::State& state)
{
    const ScheduleFileFixture& f = fixture();
    ORVImpl base;
    replaceWithSchedule(base, f.baseStations);
    (void)mergeSchedule(base, f.stations);
    for (auto _ : state) {
        if (!expectCounts(state, mergeSchedule(base, f.stations), 0, kScheduleLines))
            break;
    }
    state.counters["base"] = kBenchStationCount + kScheduleLines;
}

// What the user waits for: the CSV file read and added to the base.
void BM_ReadAndAddCsvSchedule(benchmark::State& state)
{
    const ScheduleFileFixture& f = fixture();
    ORVImpl base;
    for (auto _ : state) {
        state.PauseTiming();
        replaceWithSchedule(base, f.baseStations);
        state.ResumeTiming();
        const Result<ScheduleFile> schedule = readScheduleFile(f.csv);
        if (!schedule ||
            !expectCounts(state, mergeSchedule(base, schedule->stations), kScheduleLines, 0))
            break;
    }
}

} // namespace

BENCHMARK(BM_ReadCsvSchedule)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(30);
BENCHMARK(BM_ReadTextSchedule)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(30);
BENCHMARK(BM_AddScheduleToBase)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(15);
BENCHMARK(BM_AddScheduleAgain)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(15);
BENCHMARK(BM_ReadAndAddCsvSchedule)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(15);

BENCHMARK_MAIN();
