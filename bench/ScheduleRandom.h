#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <random>
#include <string>
#include <string_view>

namespace kavrin {

// What the generated broadcast schedules of the benchmarks draw from. Only the raw output of
// std::mt19937 is used, so a seed gives the same schedule on every run and machine.
class ScheduleRandom {
public:
    explicit ScheduleRandom(std::uint32_t seed) : m_random(seed) {}

    // Uniform enough in 0 … n − 1 for test data.
    std::uint32_t below(std::uint32_t n) { return m_random() % n; }

    template <std::size_t N> std::string_view pick(const std::string_view (&items)[N])
    {
        return items[below(N)];
    }

    // A broadcast frequency: mostly in the shortwave meter bands, some medium and long wave.
    int frequencyKhz()
    {
        static constexpr int kBands[][2] = {
            {5900, 6200},   {7200, 7450},   {9400, 9900},   {11600, 12100}, {13570, 13870},
            {15100, 15800}, {17480, 17900}, {21450, 21850}, {531, 1602},    {153, 279}};
        const auto& band = kBands[below(std::size(kBands))];
        const int step = band[0] < 1700 ? 9 : 5;
        return band[0] + step * static_cast<int>(below((band[1] - band[0]) / step + 1));
    }

    // A broadcast's start and end as quarter hours of the day: one to twelve quarters long, some
    // across midnight; an end at midnight is quarter 96.
    struct Window {
        std::uint32_t start;
        std::uint32_t end;
    };

    Window window()
    {
        const std::uint32_t start = below(96);
        std::uint32_t end = start + 1 + below(12);
        if (end > 96)
            end -= 96;
        return {start, end};
    }

    // "HHMM" of the quarter hour `quarter` of the day; quarter 96, the end of the day, is "2400".
    static std::string clock(std::uint32_t quarter)
    {
        const std::uint32_t hour = quarter / 4;
        const std::uint32_t minute = quarter % 4 * 15;
        return {digit(hour / 10), digit(hour % 10), digit(minute / 10), digit(minute % 10)};
    }

private:
    static char digit(std::uint32_t value) { return static_cast<char>('0' + value); }

    std::mt19937 m_random;
};

} // namespace kavrin
