// Times the station file against libxml2's own floor: ORVImpl::Save and ORVImpl::Load of the
// standard generated base, next to two passes over the same file that build nothing (the text
// reader loop and a push parse with an empty SAX2 handler fed like the loader feeds it) and the
// raw byte scan that the loader runs first to size its progress.

#include "bench/StationGenerator.h"
#include "core/base/ORVImpl.h"
#include "core/file/ElementCount.h"
#include "tests/support/TestFiles.h"

#include <benchmark/benchmark.h>
#include <libxml/parser.h>
#include <libxml/xmlreader.h>

#include <cstring>
#include <fstream>
#include <string>

using namespace kavrin;

namespace {

constexpr int kProgressCommand = 1029;
constexpr std::size_t kChunkSize = 64 * 1024; // what the loader reads at a time
constexpr int kParseOptions =
    XML_PARSE_NOENT | XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;

// The generated base and its saved file, made once for every benchmark of the run.
struct StationFileFixture {
    StationFileFixture()
    {
        StationGenerator().fill(base, kBenchStationCount);
        saveBenchFile(base, file);
        fileSize = static_cast<std::int64_t>(std::filesystem::file_size(file));
    }

    TempFolder folder;
    std::filesystem::path file = folder.file("Stations.xml");
    ORVImpl base;
    std::int64_t fileSize = 0;
};

StationFileFixture& fixture()
{
    static StationFileFixture instance;
    return instance;
}

// Progress notices are delivered, as a window would get them, but cost nothing here.
const ProgressNotify kNoOpNotify = [](int) {};

void reportFile(benchmark::State& state)
{
    state.SetBytesProcessed(state.iterations() * fixture().fileSize);
    state.counters["file_MB"] = static_cast<double>(fixture().fileSize) / 1e6;
}

void BM_Save(benchmark::State& state)
{
    StationFileFixture& f = fixture();
    const std::filesystem::path target = f.folder.file("Saved.xml");
    for (auto _ : state) {
        if (const Result<> saved = f.base.Save(target, kNoOpNotify, kProgressCommand); !saved) {
            state.SkipWithError(("save failed: " + saved.reason()).c_str());
            break;
        }
    }
    reportFile(state);
}

void BM_Load(benchmark::State& state)
{
    StationFileFixture& f = fixture();
    ORVImpl base;
    for (auto _ : state) {
        const Result<> loaded = base.Load(f.file, kNoOpNotify, kProgressCommand);
        if (!loaded || base.GetCount() != kBenchStationCount) {
            state.SkipWithError(("load failed: " + loaded.reason()).c_str());
            break;
        }
        // Freeing the previous base is not part of a load a program does at start.
        state.PauseTiming();
        base.Clear();
        state.ResumeTiming();
    }
    reportFile(state);
}

void BM_BareStreamingParse_TextReader(benchmark::State& state)
{
    StationFileFixture& f = fixture();
    for (auto _ : state) {
        xmlTextReaderPtr reader = xmlReaderForFile(f.file.c_str(), nullptr, kParseOptions);
        int result = reader ? 1 : -1;
        std::size_t nodes = 0;
        while (result == 1 && (result = xmlTextReaderRead(reader)) == 1)
            ++nodes;
        xmlFreeTextReader(reader);
        benchmark::DoNotOptimize(nodes);
        if (result != 0) {
            state.SkipWithError("the text reader failed");
            break;
        }
    }
    reportFile(state);
}

// A SAX2 handler that only counts start tags, so the pass can be checked to have seen every
// station.
xmlSAXHandler countingHandler()
{
    xmlSAXHandler sax;
    std::memset(&sax, 0, sizeof sax);
    sax.initialized = XML_SAX2_MAGIC;
    sax.startElementNs = [](void* user, const xmlChar*, const xmlChar*, const xmlChar*, int,
                            const xmlChar**, int, int,
                            const xmlChar**) { ++*static_cast<std::size_t*>(user); };
    return sax;
}

// Feeds the file the way ORVImpl::Load does: four bytes to create the context, then 64 KiB at a
// time. Returns the number of elements, or 0 when the parse failed.
std::size_t pushParse(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::string chunk(kChunkSize, '\0');
    in.read(chunk.data(), 4);
    xmlSAXHandler sax = countingHandler();
    std::size_t elements = 0;
    xmlParserCtxtPtr context = xmlCreatePushParserCtxt(&sax, &elements, chunk.data(),
                                                       static_cast<int>(in.gcount()), path.c_str());
    if (context == nullptr)
        return 0;
    xmlCtxtUseOptions(context, kParseOptions);
    bool parsed = true;
    while (parsed && in) {
        in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        parsed = xmlParseChunk(context, chunk.data(), static_cast<int>(in.gcount()), 0) == 0;
    }
    parsed = parsed && xmlParseChunk(context, nullptr, 0, 1) == 0 && context->wellFormed;
    xmlFreeParserCtxt(context);
    return parsed ? elements : 0;
}

void BM_BareStreamingParse_EmptySax2Push(benchmark::State& state)
{
    StationFileFixture& f = fixture();
    for (auto _ : state) {
        // The document element and one element per station.
        if (pushParse(f.file) != kBenchStationCount + 1) {
            state.SkipWithError("the push parse failed");
            break;
        }
    }
    reportFile(state);
}

void BM_CountChildren(benchmark::State& state)
{
    StationFileFixture& f = fixture();
    std::string chunk(kChunkSize, '\0');
    for (auto _ : state) {
        std::ifstream in(f.file, std::ios::binary);
        ElementCounter counter;
        while (in.read(chunk.data(), static_cast<std::streamsize>(chunk.size())) || in.gcount() > 0)
            counter.feed(std::string_view(chunk.data(), static_cast<std::size_t>(in.gcount())));
        if (counter.childElements() != kBenchStationCount) {
            state.SkipWithError("the count is wrong");
            break;
        }
    }
    reportFile(state);
}

} // namespace

BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_BareStreamingParse_TextReader)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5);
BENCHMARK(BM_BareStreamingParse_EmptySax2Push)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5);
BENCHMARK(BM_CountChildren)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

BENCHMARK_MAIN();
