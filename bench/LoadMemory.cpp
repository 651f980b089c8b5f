// What loading a station file costs in memory: the peak resident size while ORVImpl::Load runs
// and what the loaded base keeps afterwards.
//
//   bench_load_memory [--stations N]  generates and saves N stations (default 100,000) in a child
//                                     process, then measures a load of that file in this one
//   bench_load_memory --load FILE     measures a load of FILE in this process
//
// The load is measured in a process that never held the generated base, so the generator's
// memory cannot show up in the peak.

#include "bench/StationGenerator.h"
#include "core/base/ORVImpl.h"
#include "tests/support/TestFiles.h"

#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

using namespace kavrin;

namespace {

constexpr double kMiB = 1024.0 * 1024.0;

// A "Vm…:  123 kB" line of /proc/self/status, in bytes; 0 when absent.
long long statusBytes(const char* field)
{
    std::ifstream status("/proc/self/status");
    const std::size_t length = std::strlen(field);
    for (std::string line; std::getline(status, line);) {
        if (line.compare(0, length, field) == 0 && line.size() > length && line[length] == ':')
            return std::atoll(line.c_str() + length + 1) * 1024;
    }
    return 0;
}

// Bytes the allocator has handed out and not had back, mapped blocks included.
long long heapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return static_cast<long long>(info.uordblks + info.hblkhd);
}

// What a text holds on the heap: nothing while it fits the string's inline buffer, otherwise its
// capacity plus terminator, in the allocator's 16-byte chunks with their 8-byte header.
std::size_t textHeapBytes(const std::u16string& text)
{
    constexpr std::size_t kInlineCapacity = 15 / sizeof(char16_t);
    if (text.capacity() <= kInlineCapacity)
        return 0;
    const std::size_t request = (text.capacity() + 1) * sizeof(char16_t);
    return std::max<std::size_t>(32, (request + 8 + 15) / 16 * 16);
}

// The base's size computed from its content: the record array plus every text's heap block.
std::size_t computedBaseBytes(const ORVImpl& base)
{
    std::size_t bytes = sizeof(ORVImpl::FreqInfo) * static_cast<std::size_t>(base.GetCount());
    for (int i = 0; i < base.GetCount(); ++i) {
        const ORVImpl::FreqInfo& r = base[i];
        bytes += textHeapBytes(r.stName) + textHeapBytes(r.soundsFld) + textHeapBytes(r.stLoc) +
                 textHeapBytes(r.stComment);
    }
    return bytes;
}

int measureLoad(const char* path)
{
    const long long rssBefore = statusBytes("VmRSS");
    const long long heapBefore = heapInUse();

    ORVImpl base;
    const ProgressNotify notify = [](int) {};
    const auto start = std::chrono::steady_clock::now();
    const Result<> loaded = base.Load(path, notify, 1029);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    if (!loaded) {
        std::fprintf(stderr, "cannot load %s: %s\n", path, loaded.reason().c_str());
        return 1;
    }

    const long long peak = statusBytes("VmHWM");
    const long long rssAfter = statusBytes("VmRSS");
    const long long heapAfter = heapInUse();
    std::error_code sizeError;
    const auto fileSize = std::filesystem::file_size(path, sizeError);

    std::printf("file                          %s\n", path);
    std::printf("file size                     %10.1f MiB (%ju bytes)\n", fileSize / kMiB,
                static_cast<std::uintmax_t>(fileSize));
    std::printf("stations loaded               %10d\n", base.GetCount());
    std::printf("sizeof(FreqInfo)              %10zu bytes\n", sizeof(ORVImpl::FreqInfo));
    std::printf("load time                     %10.1f ms\n",
                std::chrono::duration<double, std::milli>(elapsed).count());
    std::printf("resident before the load      %10.1f MiB\n", rssBefore / kMiB);
    std::printf("peak resident (VmHWM)         %10.1f MiB\n", peak / kMiB);
    std::printf("peak rise during the load     %10.1f MiB\n", (peak - rssBefore) / kMiB);
    std::printf("resident kept after the load  %10.1f MiB\n", (rssAfter - rssBefore) / kMiB);
    std::printf("heap held by the base         %10.1f MiB (allocator's count)\n",
                (heapAfter - heapBefore) / kMiB);
    std::printf("base computed from content    %10.1f MiB (records %.1f MiB + texts)\n",
                computedBaseBytes(base) / kMiB,
                sizeof(ORVImpl::FreqInfo) * static_cast<double>(base.GetCount()) / kMiB);
    return 0;
}

int generateAndMeasure(int stations)
{
    TempFolder folder;
    const std::string file = folder.file("Stations.xml").string();
    return saveGeneratedFile(stations, file) ? measureLoad(file.c_str()) : 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--load") == 0)
        return measureLoad(argv[2]);
    const bool counted = argc == 3 && std::strcmp(argv[1], "--stations") == 0;
    if (argc != 1 && !counted) {
        std::fprintf(stderr, "usage: %s [--stations N] | --load FILE\n", argv[0]);
        return 2;
    }
    const int stations = counted ? std::atoi(argv[2]) : kBenchStationCount;
    return generateAndMeasure(stations);
}
