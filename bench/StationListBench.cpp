// What the list engine costs on 100,000 stations, without a window: the orders of the four sort
// keys made whole (as after a load), a list under each key, the stations on the air in GMT, a
// search over the whole base, and the full rows with summaries that the kavrin tool prints.

#include "bench/StationGenerator.h"
#include "core/list/StationIndex.h"
#include "core/list/StationList.h"
#include "core/system/Clock.h"
#include "core/text/CaseMap.h"

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

StationIndex& benchIndex()
{
    static StationIndex index(benchBase());
    static const bool prepared = (index.prepareOrders(), true);
    (void)prepared;
    return index;
}

void BM_MakeOrders(benchmark::State& state)
{
    StationIndex index(benchBase());
    for (auto _ : state) {
        index.reset();
        index.prepareOrders();
    }
}
BENCHMARK(BM_MakeOrders)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_List(benchmark::State& state)
{
    StationFilter filter;
    filter.sortBy(static_cast<SortKey>(state.range(0)));
    std::vector<ListedStation> rows;
    for (auto _ : state)
        benchIndex().list(filter, readClock().utc, rows);
    state.SetLabel(std::to_string(rows.size()) + " rows");
}
BENCHMARK(BM_List)
    ->ArgName("sortKey")
    ->DenseRange(0, 3)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_ActiveStationsInGmt(benchmark::State& state)
{
    StationFilter filter;
    filter.showActiveStations();
    filter.chooseGmtTime();
    std::vector<ListedStation> rows;
    for (auto _ : state)
        benchIndex().list(filter, readClock().utc, rows);
    state.SetLabel(std::to_string(rows.size()) + " rows");
}
BENCHMARK(BM_ActiveStationsInGmt)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Search(benchmark::State& state)
{
    const bool matchCase = state.range(0) != 0;
    std::vector<ListedStation> rows;
    int matches = 0;
    for (auto _ : state)
        matches = benchIndex().search(StationFilter{}, u"radio", matchCase, CaseMap::folding(),
                                      readClock().utc, rows);
    state.SetLabel(std::to_string(matches) + " matches");
}
BENCHMARK(BM_Search)
    ->ArgName("matchCase")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_FullRowsForTheTool(benchmark::State& state)
{
    for (auto _ : state) {
        StationListing listing =
            buildDisplayedSet(benchBase(), StationFilter{}, readClock().utc, 0);
        benchmark::DoNotOptimize(listing.rows.data());
    }
}
BENCHMARK(BM_FullRowsForTheTool)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
