#pragma once

#include "core/base/ORVImpl.h"

#include <cstdint>
#include <filesystem>
#include <random>
#include <string>
#include <string_view>

namespace kavrin {

// The size of the base the station file benchmarks measure; saved, it makes a file of about 17 MB.
inline constexpr int kBenchStationCount = 100'000;

// Saves `base` to `file` for a benchmark to read; a benchmark without its file cannot run, so a
// failure ends the program with the reason.
void saveBenchFile(const ORVImpl& base, const std::filesystem::path& file);

// Generates `count` stations and saves them to `file` in a child process, so that the measuring
// process starts its load with a heap that never held them, as a program loading its file does.
// Returns whether the child saved the file.
bool saveGeneratedFile(int count, const std::filesystem::path& file);

// Makes plausible stations for benchmarks: broadcasters, beacons, coast and air stations and
// repeaters with names built from words, cities and countries (a few in Cyrillic); one to three
// frequencies in the LF, MW, SW, VHF or UHF band, some with a transmit list; every modulation
// code, 1024 included; working hours on about a third (some across midnight, some on weekdays
// only); a location on most and a comment on some.
// The same seed gives the same stations, field for field, on every run and every machine: only
// the raw output of std::mt19937, which the language fixes, is used, never the library-defined
// distributions.
class StationGenerator {
public:
    static constexpr std::uint32_t kDefaultSeed = 0x4B415652;

    explicit StationGenerator(std::uint32_t seed = kDefaultSeed);

    // The next station of the sequence.
    ORVImpl::FreqInfo next();

    // Appends the next `count` stations to `base`.
    void fill(ORVImpl& base, int count);

    // Where a station is: its name and location are made from the same place.
    struct Place {
        std::u16string_view city;
        std::u16string_view country;
    };

private:
    // What kind of station a record is; it decides the band, the name and the modulation.
    enum class Service {
        LongWave,
        Beacon,
        MediumWave,
        Shortwave,
        Utility,
        Amateur,
        FmBroadcast,
        Air,
        Marine,
        Pmr,
        Repeater
    };

    Service pickService();
    void setFrequencies(ORVImpl::FreqInfo& r, Service service);
    int pickModulation(Service service);
    std::u16string makeName(Service service, const Place& place, bool cyrillic);
    std::u16string makeLocation(const Place& place);
    std::u16string makeComment();
    void setWorkingHours(ORVImpl::FreqInfo& r);

    // Uniform in 0 … n − 1.
    std::uint32_t below(std::uint32_t n);
    bool percent(std::uint32_t chance) { return below(100) < chance; }
    // lowHz plus a multiple of `stepHz`, at most highHz.
    std::int64_t channel(std::int64_t lowHz, std::int64_t highHz, std::int64_t stepHz);

    template <std::size_t N> std::u16string_view pick(const std::u16string_view (&items)[N])
    {
        return items[below(N)];
    }

    std::mt19937 m_random;
};

} // namespace kavrin
