// Times the receiver link against a real rigctld serving hamlib's dummy radio on this computer:
// a tune (mode and frequency, from the call to the receiver's reply) and one frequency read, the
// work a followed receiver costs once a second. The exchanges run on the link's own thread, so CPU
// time is the whole process's; the counter rigctld_cpu_ms is the server's share per exchange.

#include "receiver/ReceiverLink.h"
#include "tests/support/Rigctld.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <unistd.h>

using namespace kavrin;

namespace {

// User and system CPU time of process `pid` so far, in milliseconds.
double cpuMilliseconds(pid_t pid)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    const std::string stat((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // The fields after the command name, which is in parentheses and may hold spaces.
    std::istringstream fields(stat.substr(stat.rfind(')') + 2));
    std::string field;
    long ticks = 0;
    for (int i = 3; i <= 15 && fields >> field; ++i) {
        if (i >= 14)
            ticks += std::stol(field); // utime, stime
    }
    return 1000.0 * static_cast<double>(ticks) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

template <typename Exchange> void run(benchmark::State& state, Exchange exchange)
{
    DummyRigctld rigctld;
    ReceiverLink link;
    if (!rigctld.running() || !link.open({kNetworkRigModel, rigctld.address()}).ok()) {
        state.SkipWithError("no rigctld to talk to");
        return;
    }
    const double serverBefore = cpuMilliseconds(rigctld.pid());
    std::int64_t step = 0;
    for (auto _ : state) {
        if (!exchange(link, step++).ok()) {
            state.SkipWithError("the exchange failed");
            break;
        }
    }
    state.counters["rigctld_cpu_ms"] = benchmark::Counter(
        cpuMilliseconds(rigctld.pid()) - serverBefore, benchmark::Counter::kAvgIterations);
}

void BM_TuneThroughRigctld(benchmark::State& state)
{
    run(state, [](ReceiverLink& link, std::int64_t step) {
        return link.tune(9.91 + static_cast<double>(step % 100) * 0.001, ReceiverMode::USB);
    });
}
BENCHMARK(BM_TuneThroughRigctld)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

void BM_ReadFrequency(benchmark::State& state)
{
    run(state, [](ReceiverLink& link, std::int64_t) { return link.readFrequency(); });
}
BENCHMARK(BM_ReadFrequency)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime()->UseRealTime();

} // namespace

BENCHMARK_MAIN();
