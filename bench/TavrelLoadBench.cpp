// What the handheld's list costs on 100,000 stations: each list operation through the dialog's
// commands. And what its start costs: the main dialog loading the station file
// on its worker, with a sent progress notice every fiftieth of the file, then refreshing the
// list; against the same load on a worker thread without notices, followed by the same refresh.
// The two differ by the notices, which should cost no more than a tenth of the load.

#include "bench/StationGenerator.h"
#include "core/base/ORVImpl.h"
#include "handheld/CKavrinListCtrl.h"
#include "handheld/CTavrelDlg.h"
#include "handheld/TavrelCommandIds.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TestStations.h"

#include <QApplication>
#include <QEventLoop>
#include <QSettings>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <thread>
#include <vector>

using namespace kavrin;
using namespace kavrin::tavrel;

namespace {

// The generated base saved once for every benchmark of the run, and a profile beside it.
struct TavrelFixture {
    TavrelFixture()
    {
        ORVImpl base;
        StationGenerator().fill(base, kBenchStationCount);
        saveBenchFile(base, file);
        ORVImpl one;
        StationGenerator().fill(one, 1);
        saveBenchFile(one, smallFile);
    }

    TempFolder folder;
    std::filesystem::path file = folder.file("Stations.xml");
    std::filesystem::path smallFile = folder.file("One.xml");
    QSettings profile{QString::fromStdString(folder.file("Tavrel.ini").string()),
                      QSettings::IniFormat};
};

TavrelFixture& fixture()
{
    static TavrelFixture instance;
    return instance;
}

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// One start as the user sees it: the dialog shown over the station file, from its first event to
// the filled list (its load worker sending its notices on the way). Returns the milliseconds and
// adds the notices to `notices`; a negative result when the base was not filled.
double dialogStart(TavrelFixture& f, int& notices)
{
    ORVImpl base;
    CTavrelDlg dialog(base, f.file, f.profile);
    QObject::connect(&dialog, &CTavrelDlg::statusTextChanged, &dialog, [&notices] { ++notices; });
    QEventLoop loop;
    Clock::time_point start;
    double elapsed = 0;
    // The clock stops when the list is filled, before the loop paints it.
    QObject::connect(&dialog, &CTavrelDlg::workerFinished, &loop, [&] {
        elapsed = millisecondsSince(start);
        loop.quit();
    });
    dialog.show();
    start = Clock::now();
    loop.exec(); // the dialog starts its load worker from here
    return base.GetCount() == kBenchStationCount ? elapsed : -1;
}

// The same work without notices: in a dialog already shown and painted (after a start over one
// station), the file read on a worker thread without notices, then the same list refresh.
double plainStart(TavrelFixture& f)
{
    ORVImpl base;
    CTavrelDlg dialog(base, f.smallFile, f.profile);
    QEventLoop loop;
    QObject::connect(&dialog, &CTavrelDlg::workerFinished, &loop, &QEventLoop::quit);
    dialog.show();
    loop.exec();
    QApplication::processEvents();
    const Clock::time_point start = Clock::now();
    bool loaded = false;
    std::thread worker([&] { loaded = base.Load(f.file).ok(); });
    worker.join();
    if (!loaded)
        return -1;
    dialog.runCommand(ID_TIME_REFRESH);
    return millisecondsSince(start);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void BM_DialogLoadWithProgress(benchmark::State& state)
{
    TavrelFixture& f = fixture();
    int notices = 0;
    for (auto _ : state) {
        const double elapsed = dialogStart(f, notices);
        if (elapsed < 0) {
            state.SkipWithError("the load did not fill the base");
            break;
        }
        state.SetIterationTime(elapsed / 1000);
    }
    state.counters["notices"] = benchmark::Counter(notices, benchmark::Counter::kAvgIterations);
}

// The two starts in turn, so that the machine's drift from run to run weighs on both alike; the
// overhead compares their medians.
void BM_NoticeOverhead(benchmark::State& state)
{
    TavrelFixture& f = fixture();
    std::vector<double> with;
    std::vector<double> without;
    int notices = 0;
    for (auto _ : state) {
        with.push_back(dialogStart(f, notices));
        without.push_back(plainStart(f));
        if (with.back() < 0 || without.back() < 0) {
            state.SkipWithError("a load failed");
            return;
        }
        state.SetIterationTime((with.back() + without.back()) / 1000);
    }
    const double withNotices = median(with);
    const double withoutNotices = median(without);
    state.counters["with_notices_ms"] = withNotices;
    state.counters["without_notices_ms"] = withoutNotices;
    state.counters["overhead_pct"] = (withNotices - withoutNotices) * 100 / withoutNotices;
}

// The share of the load itself: the station file read on the calling thread, nothing shown.
void BM_LoadOnly(benchmark::State& state)
{
    TavrelFixture& f = fixture();
    for (auto _ : state) {
        ORVImpl base;
        if (!base.Load(f.file)) {
            state.SkipWithError("the load failed");
            break;
        }
    }
}

// The handheld's list on the loaded stations: each operation through the dialog's command, as its
// menus run it, until the list has repainted.
class LoadedTavrel {
public:
    explicit LoadedTavrel(TavrelFixture& f) : m_dialog(m_base, f.file, f.profile)
    {
        QEventLoop loop;
        QObject::connect(&m_dialog, &CTavrelDlg::workerFinished, &loop, &QEventLoop::quit);
        m_dialog.show();
        loop.exec();
    }

    void run(int id)
    {
        m_dialog.runCommand(id);
        QApplication::processEvents();
        m_dialog.list().viewport()->repaint();
    }

    ScriptedPrompts prompts;

private:
    ORVImpl m_base;
    CTavrelDlg m_dialog;
};

std::unique_ptr<LoadedTavrel> g_tavrel;

LoadedTavrel& loadedTavrel()
{
    if (!g_tavrel)
        g_tavrel = std::make_unique<LoadedTavrel>(fixture());
    return *g_tavrel;
}

template <typename Command> void alternate(benchmark::State& state, Command first, Command second)
{
    bool other = false;
    for (auto _ : state) {
        loadedTavrel().run(other ? second : first);
        other = !other;
    }
    if (other)
        loadedTavrel().run(second);
}

void BM_ListFilterChange(benchmark::State& state)
{
    alternate(state, int(ID_MOD_AM), int(ID_MOD_ALL));
}

void BM_ListSortChange(benchmark::State& state)
{
    alternate(state, int(ID_SORT_NAME), int(ID_SORT_FREQUENCY));
}

void BM_ListTimeDisplaySwitch(benchmark::State& state)
{
    alternate(state, int(ID_TIME_GMT), int(ID_TIME_LOCAL));
}

void BM_ListRefresh(benchmark::State& state)
{
    for (auto _ : state)
        loadedTavrel().run(ID_TIME_REFRESH);
}

void BM_ListSearch(benchmark::State& state)
{
    for (auto _ : state) {
        loadedTavrel().prompts.dialogs.push_back(search("radio", false));
        loadedTavrel().run(ID_SEARCH_START);
    }
    loadedTavrel().run(ID_SEARCH_RESET);
}

} // namespace

BENCHMARK(BM_ListFilterChange)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ListSortChange)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ListTimeDisplaySwitch)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ListRefresh)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ListSearch)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DialogLoadWithProgress)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);
BENCHMARK(BM_NoticeOverhead)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);
BENCHMARK(BM_LoadOnly)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    // Generating and saving the stations is not what is measured, nor is a first start that
    // loads the fonts and fills the program's first caches.
    int notices = 0;
    dialogStart(fixture(), notices);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_tavrel.reset(); // before the application object goes
    return 0;
}
