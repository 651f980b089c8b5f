// Every list operation a user starts in Orvale, on 100,000 and on 1,000,000 generated stations,
// offscreen: each through the view's command as the menus run it, until the view has repainted.
// The goal is one display frame (16 ms) at 100,000 stations and 100 ms at 1,000,000.
//
//   bench_orvale_view [--benchmark_filter=...]   the /100000 and /1000000 variants of each

#include "bench/StationGenerator.h"
#include "core/station/Modulation.h"
#include "desktop/CMainFrame.h"
#include "desktop/COrvaleView.h"
#include "desktop/CommandIds.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TestStations.h"

#include <QApplication>
#include <QSettings>

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <chrono>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>

using namespace kavrin;
using namespace kavrin::orvale;

namespace {

// What the heap holds now, in MiB.
double heapMiB()
{
    const struct mallinfo2 heap = mallinfo2();
    return static_cast<double>(heap.uordblks + heap.hblkhd) / (1024.0 * 1024.0);
}

// One frame over a generated station file, loaded once for every benchmark of its size.
class LoadedOrvale {
public:
    explicit LoadedOrvale(int stations)
        : m_profile(QString::fromStdString(m_folder.file("Orvale.ini").string()),
                    QSettings::IniFormat)
    {
        if (!saveGeneratedFile(stations, m_folder.file("Stations.xml")))
            std::exit(1);
        const double before = heapMiB();
        const auto start = std::chrono::steady_clock::now();
        const auto secondsSinceStart = [start] {
            return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        };
        m_frame = std::make_unique<CMainFrame>(m_base, m_profile, m_folder.file("Stations.xml"));
        m_frame->resize(800, 600);
        m_frame->show();
        // Each wait sleeps until the next event: a busy loop would take a processor from the load.
        while (view().rows().rowCount() == 0)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        m_shownSeconds = secondsSinceStart();
        while (view().isLoading())
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QApplication::processEvents();
        m_readySeconds = secondsSinceStart();
        m_listMiB = heapMiB() - before;
    }

    COrvaleView& view() { return m_frame->view(); }
    double listMiB() const { return m_listMiB; }
    // From the window's start to its list shown, and to every command of the list available.
    double shownSeconds() const { return m_shownSeconds; }
    double readySeconds() const { return m_readySeconds; }

    // Runs a command and repaints the list, as a user would see it.
    void run(int id)
    {
        view().runCommand(id);
        QApplication::processEvents();
        view().viewport()->repaint();
    }

private:
    TempFolder m_folder;
    ORVImpl m_base;
    QSettings m_profile;
    std::unique_ptr<CMainFrame> m_frame;
    double m_listMiB = 0;
    double m_shownSeconds = 0;
    double m_readySeconds = 0;
};

// The answers to every frame's dialogs and questions, installed for the whole run.
ScriptedPrompts* g_prompts = nullptr;

ScriptedPrompts& prompts()
{
    return *g_prompts;
}

// The frames, made on first use and destroyed before the application object.
std::map<int, std::unique_ptr<LoadedOrvale>> g_frames;

LoadedOrvale& orvaleWith(benchmark::State& state)
{
    const auto stations = static_cast<int>(state.range(0));
    std::unique_ptr<LoadedOrvale>& frame = g_frames[stations];
    if (!frame)
        frame = std::make_unique<LoadedOrvale>(stations);
    state.counters["base+list MiB"] = frame->listMiB();
    state.counters["shown s"] = frame->shownSeconds();
    state.counters["ready s"] = frame->readySeconds();
    return *frame;
}

// Runs `first` and `second` in turn, one per iteration, and leaves the list as `second` made it.
template <typename Command> void alternate(benchmark::State& state, Command first, Command second)
{
    LoadedOrvale& orvale = orvaleWith(state);
    bool other = false;
    for (auto _ : state) {
        orvale.run(other ? second : first);
        other = !other;
    }
    if (other)
        orvale.run(second);
    state.SetLabel(std::to_string(orvale.view().rows().rowCount()) + " rows");
}

void BM_FilterChange(benchmark::State& state)
{
    alternate(state, int(ID_MOD_AM), int(ID_MOD_ALL));
}

void BM_SortChange(benchmark::State& state)
{
    orvaleWith(state).view().selectRow(orvaleWith(state).view().rows().rowCount() / 2);
    alternate(state, int(ID_SORT_NAME), int(ID_SORT_FREQUENCY));
}

void BM_TimeDisplaySwitch(benchmark::State& state)
{
    alternate(state, int(ID_TIME_GMT), int(ID_TIME_LOCAL));
}

void BM_RefreshList(benchmark::State& state)
{
    LoadedOrvale& orvale = orvaleWith(state);
    for (auto _ : state)
        orvale.run(ID_TIME_REFRESH);
    state.SetLabel(std::to_string(orvale.view().rows().rowCount()) + " rows");
}

void BM_Search(benchmark::State& state)
{
    LoadedOrvale& orvale = orvaleWith(state);
    for (auto _ : state) {
        prompts().dialogs.push_back(search("radio", false));
        orvale.run(ID_SEARCH_START);
    }
    state.SetLabel(std::to_string(orvale.view().rows().rowCount()) + " rows");
    orvale.run(ID_SEARCH_RESET);
}

void BM_NewStation(benchmark::State& state)
{
    LoadedOrvale& orvale = orvaleWith(state);
    for (auto _ : state) {
        prompts().dialogs.push_back(saveStation("Bench new", "9.58", MOD_AM));
        orvale.run(ID_STATION_NEW);
    }
}

void BM_EditStation(benchmark::State& state)
{
    LoadedOrvale& orvale = orvaleWith(state);
    COrvaleView& view = orvale.view();
    bool low = false;
    for (auto _ : state) {
        state.PauseTiming();
        view.selectRow(view.rows().rowCount() / 3);
        state.ResumeTiming();
        // Each edit moves the station across the list.
        prompts().dialogs.push_back(saveStation("Bench edited", low ? "0.15" : "15000", MOD_USB));
        orvale.run(ID_STATION_EDIT);
        low = !low;
    }
}

void BM_DeleteStation(benchmark::State& state)
{
    LoadedOrvale& orvale = orvaleWith(state);
    COrvaleView& view = orvale.view();
    for (auto _ : state) {
        state.PauseTiming();
        view.selectRow(view.rows().rowCount() / 2);
        state.ResumeTiming();
        prompts().answers.push_back(QMessageBox::Yes);
        orvale.run(ID_STATION_DELETE);
    }
}

void BM_ScrollPage(benchmark::State& state)
{
    COrvaleView& view = orvaleWith(state).view();
    int row = 0;
    for (auto _ : state) {
        row = (row + 20) % view.rows().rowCount();
        view.scrollTo(view.rows().index(row, 0));
        view.viewport()->repaint();
    }
}

// At 1,000,000 stations one iteration each is enough to tell.
void sizes(benchmark::internal::Benchmark* b)
{
    b->Unit(benchmark::kMillisecond)->UseRealTime();
}

#define LIST_BENCHMARK(name)                                                                       \
    BENCHMARK(name)->Arg(100'000)->Apply(sizes);                                                   \
    BENCHMARK(name)->Arg(1'000'000)->Iterations(1)->Apply(sizes)

LIST_BENCHMARK(BM_FilterChange);
LIST_BENCHMARK(BM_SortChange);
LIST_BENCHMARK(BM_Search);
LIST_BENCHMARK(BM_RefreshList);
LIST_BENCHMARK(BM_TimeDisplaySwitch);
LIST_BENCHMARK(BM_NewStation);
LIST_BENCHMARK(BM_EditStation);
LIST_BENCHMARK(BM_DeleteStation);
LIST_BENCHMARK(BM_ScrollPage);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ScriptedPrompts scripted;
    g_prompts = &scripted;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    // Every window goes before the application object does.
    g_frames.clear();
    return 0;
}
