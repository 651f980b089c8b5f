// Orvale's list on 100,000 stations, offscreen: a refill after the load, a filter change and a
// sort change, each through the view's commands as the menus run them.

#include "bench/StationGenerator.h"
#include "desktop/CMainFrame.h"
#include "desktop/COrvaleView.h"
#include "desktop/CommandIds.h"
#include "tests/support/TestFiles.h"

#include <QApplication>
#include <QSettings>

#include <benchmark/benchmark.h>

using namespace kavrin;
using namespace kavrin::orvale;

namespace {

// One frame over a generated station file, loaded once for all benchmarks.
class LoadedOrvale {
public:
    LoadedOrvale()
        : m_profile(QString::fromStdString(m_folder.file("Orvale.ini").string()),
                    QSettings::IniFormat)
    {
        ORVImpl generated;
        StationGenerator().fill(generated, kBenchStationCount);
        saveBenchFile(generated, m_folder.file("Stations.xml"));
        m_frame = std::make_unique<CMainFrame>(m_base, m_profile, m_folder.file("Stations.xml"));
        m_frame->resize(800, 600);
        m_frame->show();
        while (m_frame->view().isLoading() || m_frame->view().rows().rowCount() == 0)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }

    COrvaleView& view() { return m_frame->view(); }

    // Runs a command and lets the window repaint, as a user would see it.
    void run(int id)
    {
        view().runCommand(id);
        QApplication::processEvents();
    }

private:
    TempFolder m_folder;
    ORVImpl m_base;
    QSettings m_profile;
    std::unique_ptr<CMainFrame> m_frame;
};

LoadedOrvale& loadedOrvale()
{
    static LoadedOrvale instance;
    return instance;
}

void BM_Refill(benchmark::State& state)
{
    for (auto _ : state)
        loadedOrvale().run(ID_TIME_REFRESH);
    state.SetLabel(std::to_string(loadedOrvale().view().rows().rowCount()) + " rows");
}
BENCHMARK(BM_Refill)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_FilterChange(benchmark::State& state)
{
    bool amOnly = false;
    for (auto _ : state) {
        loadedOrvale().run(amOnly ? ID_MOD_ALL : ID_MOD_AM);
        amOnly = !amOnly;
    }
    loadedOrvale().run(ID_MOD_ALL);
}
BENCHMARK(BM_FilterChange)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SortChange(benchmark::State& state)
{
    bool byName = false;
    loadedOrvale().view().selectRow(50000);
    for (auto _ : state) {
        loadedOrvale().run(byName ? ID_SORT_FREQUENCY : ID_SORT_NAME);
        byName = !byName;
    }
}
BENCHMARK(BM_SortChange)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ScrollPage(benchmark::State& state)
{
    COrvaleView& view = loadedOrvale().view();
    int row = 0;
    for (auto _ : state) {
        row = (row + 20) % view.rows().rowCount();
        view.scrollTo(view.rows().index(row, 0));
        view.viewport()->repaint();
    }
}
BENCHMARK(BM_ScrollPage)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    loadedOrvale(); // generating, saving and loading the stations is not what is measured
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
