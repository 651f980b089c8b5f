// What a list refill costs on 100,000 stations: the displayed set with summaries and on-air flags,
// sorted by each key, and a search over the whole base.

#include "bench/StationGenerator.h"
#include "core/StationList.h"

#include <benchmark/benchmark.h>

using namespace kavrin;

namespace {

const ORVImpl& benchBase()
{
    static ORVImpl base;
    if (base.GetCount() == 0)
        StationGenerator().fill(base, kBenchStationCount);
    return base;
}

void BM_DisplayedSetSorted(benchmark::State& state)
{
    const ORVImpl& base = benchBase();
    StationFilter filter;
    filter.sortBy(static_cast<SortKey>(state.range(0)));
    for (auto _ : state) {
        StationListing listing = buildDisplayedSet(base, filter);
        benchmark::DoNotOptimize(listing.rows.data());
    }
    state.SetLabel(std::to_string(buildDisplayedSet(base, filter).rows.size()) + " rows");
}
BENCHMARK(BM_DisplayedSetSorted)
    ->ArgName("sortKey")
    ->DenseRange(0, 4)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_ActiveStationsInGmt(benchmark::State& state)
{
    const ORVImpl& base = benchBase();
    StationFilter filter;
    filter.showActiveStations();
    filter.chooseGmtTime();
    for (auto _ : state) {
        StationListing listing = buildDisplayedSet(base, filter);
        benchmark::DoNotOptimize(listing.rows.data());
    }
}
BENCHMARK(BM_ActiveStationsInGmt)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Search(benchmark::State& state)
{
    const ORVImpl& base = benchBase();
    const StationFilter filter;
    const bool matchCase = state.range(0) != 0;
    for (auto _ : state) {
        SearchResult result = buildSearchResult(base, filter, u"radio", matchCase);
        benchmark::DoNotOptimize(result.rows.data());
    }
    state.SetLabel(std::to_string(buildSearchResult(base, filter, u"radio", matchCase).matchCount) +
                   " matches");
}
BENCHMARK(BM_Search)
    ->ArgName("matchCase")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace

BENCHMARK_MAIN();
