#include "bench/StationGenerator.h"

#include "core/station/Modulation.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>

#include <sys/wait.h>
#include <unistd.h>

namespace kavrin {

namespace {

using Place = StationGenerator::Place;

constexpr Place kPlaces[] = {
    {u"Lisbon", u"Portugal"},
    {u"Reykjavik", u"Iceland"},
    {u"Tromsø", u"Norway"},
    {u"Hamburg", u"Germany"},
    {u"Marseille", u"France"},
    {u"Valencia", u"Spain"},
    {u"Naples", u"Italy"},
    {u"Gdańsk", u"Poland"},
    {u"Tallinn", u"Estonia"},
    {u"Istanbul", u"Turkey"},
    {u"Cairo", u"Egypt"},
    {u"Nairobi", u"Kenya"},
    {u"Cape Town", u"South Africa"},
    {u"Dakar", u"Senegal"},
    {u"Mumbai", u"India"},
    {u"Colombo", u"Sri Lanka"},
    {u"Singapore", u"Singapore"},
    {u"Manila", u"Philippines"},
    {u"Osaka", u"Japan"},
    {u"Busan", u"South Korea"},
    {u"Darwin", u"Australia"},
    {u"Auckland", u"New Zealand"},
    {u"Halifax", u"Canada"},
    {u"Anchorage", u"USA"},
    {u"Honolulu", u"USA"},
    {u"Havana", u"Cuba"},
    {u"Quito", u"Ecuador"},
    {u"Valparaíso", u"Chile"},
    {u"Montevideo", u"Uruguay"},
    {u"Belém", u"Brazil"},
};

constexpr Place kCyrillicPlaces[] = {
    {u"Москва", u"Россия"},      {u"Мурманск", u"Россия"}, {u"Владивосток", u"Россия"},
    {u"Новосибирск", u"Россия"}, {u"Киев", u"Украина"},    {u"Минск", u"Беларусь"},
    {u"Алматы", u"Казахстан"},   {u"София", u"Болгария"},  {u"Белград", u"Сербия"},
};

constexpr std::u16string_view kWords[] = {
    u"Horizon", u"Atlantic", u"Nova",    u"Liberty", u"Sunrise", u"Meridian",
    u"Aurora",  u"Harmony",  u"Caravan", u"Pacific", u"Unity",   u"Frontier",
};

constexpr std::u16string_view kCyrillicWords[] = {
    u"Маяк", u"Восток", u"Заря", u"Север", u"Родина", u"Волна",
};

constexpr std::u16string_view kCommentParts[] = {
    u"Strong signal in the evening",
    u"Weak, audible only with the long wire antenna",
    u"English service at the top of the hour",
    u"Weather reports every 30 minutes",
    u"Relays the national programme overnight",
    u"QSL card received after two reports",
    u"Interference from a neighbouring channel",
    u"Identification in Morse code every ten minutes",
    u"Frequency changes with the seasonal schedule",
    u"Heard on a portable receiver during holidays",
    u"Sometimes off the air on Sundays for maintenance",
    u"Navigational warnings and ice reports",
    u"Сильный сигнал по вечерам",
    u"Передачи на русском языке",
};

constexpr std::u16string_view kSites[] = {u"transmitter site", u"relay", u"harbour", u"airport",
                                          u"hill site"};

// Shortwave broadcast bands, in kHz.
constexpr std::int64_t kBroadcastBands[][2] = {
    {2300, 2495},   {3200, 3400},   {3900, 4000},   {4750, 5060},   {5900, 6200},
    {7200, 7450},   {9400, 9900},   {11600, 12100}, {13570, 13870}, {15100, 15800},
    {17480, 17900}, {18900, 19020}, {21450, 21850}, {25670, 26100},
};

// Amateur bands below 30 MHz, in kHz.
constexpr std::int64_t kAmateurBands[][2] = {
    {3500, 3800}, {7000, 7200}, {14000, 14350}, {21000, 21450}, {28000, 29700},
};

constexpr std::int64_t kHz = 1000;

std::u16string join(std::initializer_list<std::u16string_view> parts)
{
    std::u16string text;
    for (std::u16string_view part : parts)
        text += part;
    return text;
}

} // namespace

StationGenerator::StationGenerator(std::uint32_t seed) : m_random(seed) {}

std::uint32_t StationGenerator::below(std::uint32_t n)
{
    return static_cast<std::uint32_t>(m_random() % n);
}

std::int64_t StationGenerator::channel(std::int64_t lowHz, std::int64_t highHz, std::int64_t stepHz)
{
    const auto steps = static_cast<std::uint32_t>((highHz - lowHz) / stepHz + 1);
    return lowHz + stepHz * below(steps);
}

void StationGenerator::fill(ORVImpl& base, int count)
{
    for (int i = 0; i < count; ++i)
        base.Add(next());
}

ORVImpl::FreqInfo StationGenerator::next()
{
    ORVImpl::FreqInfo r;
    const Service service = pickService();
    const bool cyrillic = percent(6);
    const Place& place = cyrillic ? kCyrillicPlaces[below(std::size(kCyrillicPlaces))]
                                  : kPlaces[below(std::size(kPlaces))];
    r.stName = makeName(service, place, cyrillic);
    setFrequencies(r, service);
    r.modulation = pickModulation(service);
    if (percent(85))
        r.stLoc = makeLocation(place);
    if (percent(40))
        r.stComment = makeComment();
    if (percent(3))
        r.soundsFld = join({u"D:\\Recordings\\", r.stName});
    if (percent(33))
        setWorkingHours(r);
    return r;
}

StationGenerator::Service StationGenerator::pickService()
{
    // Shares in percent, in the order of Service.
    static constexpr std::uint32_t kShares[] = {3, 6, 15, 30, 12, 8, 12, 6, 4, 2, 2};
    std::uint32_t roll = below(100);
    for (std::size_t i = 0; i < std::size(kShares); ++i) {
        if (roll < kShares[i])
            return static_cast<Service>(i);
        roll -= kShares[i];
    }
    return Service::Shortwave;
}

void StationGenerator::setFrequencies(ORVImpl::FreqInfo& r, Service service)
{
    const std::uint32_t wanted = below(100) < 55 ? 1 : (below(100) < 67 ? 2 : 3);
    // Chance in percent of a transmit list, in the order of Service: transceivers send on the
    // channel they listen to, repeaters and duplex channels at an offset; broadcasts are only
    // received.
    static constexpr std::uint32_t kTransmitShares[] = {0, 0, 0, 0, 30, 60, 0, 40, 50, 100, 100};
    const bool hasTransmit = percent(kTransmitShares[static_cast<int>(service)]);
    struct Channel {
        std::int64_t rxHz;
        std::int64_t txOffsetHz;
    };
    Channel channels[3] = {};
    for (std::uint32_t i = 0; i < wanted; ++i) {
        Channel& c = channels[i];
        switch (service) {
        case Service::LongWave:
            c.rxHz = channel(153 * kHz, 279 * kHz, 9 * kHz);
            break;
        case Service::Beacon:
            c.rxHz = channel(190 * kHz, 535 * kHz, kHz / 2);
            break;
        case Service::MediumWave:
            c.rxHz = channel(531 * kHz, 1602 * kHz, 9 * kHz);
            break;
        case Service::Shortwave: {
            const auto& band = kBroadcastBands[below(std::size(kBroadcastBands))];
            c.rxHz = channel(band[0] * kHz, band[1] * kHz, 5 * kHz);
            break;
        }
        case Service::Utility:
            c.rxHz = channel(2000 * kHz, 26000 * kHz, kHz / 2);
            break;
        case Service::Amateur: {
            const auto& band = kAmateurBands[below(std::size(kAmateurBands))];
            c.rxHz = channel(band[0] * kHz, band[1] * kHz, 100);
            break;
        }
        case Service::FmBroadcast:
            c.rxHz = channel(87'500 * kHz, 108'000 * kHz, 100 * kHz);
            break;
        case Service::Air:
            c.rxHz = channel(118'000 * kHz, 136'975 * kHz, 25 * kHz);
            break;
        case Service::Marine:
            c = {channel(160'600 * kHz, 162'000 * kHz, 25 * kHz), -4'600 * kHz};
            break;
        case Service::Pmr:
            c.rxHz = channel(446'006'250, 446'193'750, 12'500);
            break;
        case Service::Repeater:
            c = percent(50) ? Channel{channel(145'600 * kHz, 145'787'500, 12'500), -600 * kHz}
                            : Channel{channel(438'600 * kHz, 439'450 * kHz, 12'500), -7'600 * kHz};
            break;
        }
    }
    // Ascending like a loaded list, without repeats; whole hertz keep the values exact to the
    // digits the file holds.
    const auto byRx = [](const Channel& a, const Channel& b) { return a.rxHz < b.rxHz; };
    const auto sameRx = [](const Channel& a, const Channel& b) { return a.rxHz == b.rxHz; };
    std::sort(channels, channels + wanted, byRx);
    const auto count =
        static_cast<std::size_t>(std::unique(channels, channels + wanted, sameRx) - channels);
    for (std::size_t i = 0; i < count; ++i) {
        r.freqRX[i] = static_cast<double>(channels[i].rxHz) / 1e6;
        if (hasTransmit)
            r.freqTX[i] = static_cast<double>(channels[i].rxHz + channels[i].txOffsetHz) / 1e6;
    }
}

int StationGenerator::pickModulation(Service service)
{
    if (percent(7))
        return MOD_UNKNOWN;
    switch (service) {
    case Service::LongWave:
    case Service::MediumWave:
    case Service::Shortwave:
        return percent(8) ? MOD_DRM : MOD_AM;
    case Service::Beacon:
        return MOD_CW;
    case Service::Utility: {
        static constexpr int kModes[] = {MOD_USB, MOD_USB,     MOD_USB,    MOD_LSB,
                                         MOD_CW,  MOD_DIGITAL, MOD_DIGITAL};
        return kModes[below(std::size(kModes))];
    }
    case Service::Amateur: {
        static constexpr int kModes[] = {MOD_USB, MOD_LSB, MOD_CW, MOD_DIGITAL, MOD_FM};
        return kModes[below(std::size(kModes))];
    }
    case Service::FmBroadcast:
        return MOD_FM;
    case Service::Air:
        return MOD_AM;
    case Service::Marine:
        return MOD_NFM;
    case Service::Pmr:
        return percent(25) ? MOD_DIGITAL : MOD_NFM;
    case Service::Repeater:
        return percent(50) ? MOD_FM : MOD_NFM;
    }
    return MOD_UNKNOWN;
}

std::u16string StationGenerator::makeName(Service service, const Place& place, bool cyrillic)
{
    const std::u16string_view word = cyrillic ? pick(kCyrillicWords) : pick(kWords);
    const std::u16string ident = {static_cast<char16_t>(u'A' + below(26)),
                                  static_cast<char16_t>(u'A' + below(26)),
                                  static_cast<char16_t>(u'A' + below(26))};
    switch (service) {
    case Service::LongWave:
    case Service::MediumWave:
    case Service::Shortwave:
        if (cyrillic)
            return percent(50) ? join({u"Радио ", word}) : join({u"Голос ", place.city});
        switch (below(5)) {
        case 0:
            return join({u"Radio ", place.city});
        case 1:
            return join({u"Voice of ", place.country});
        case 2:
            return join({place.country, u" International"});
        case 3:
            return join({u"Radio ", word});
        default:
            return join({place.city, u" Community Radio"});
        }
    case Service::Beacon:
        return percent(50) ? join({u"NDB ", ident, u" ", place.city})
                           : join({place.city, u" Beacon"});
    case Service::Utility:
        switch (below(4)) {
        case 0:
            return join({place.country, u" Coast Guard"});
        case 1:
            return join({place.city, u" Radio"});
        case 2:
            return join({place.city, u" Volmet"});
        default:
            return join({u"Coast Guard ", place.city, u" MRCC"});
        }
    case Service::Amateur:
        return percent(50) ? join({word, u" Amateur Net"}) : join({u"Beacon ", ident, u"1"});
    case Service::FmBroadcast:
        return cyrillic ? join({word, u" FM"}) : join({place.city, u" ", word, u" FM"});
    case Service::Air: {
        static constexpr std::u16string_view kPositions[] = {u" Tower", u" Approach", u" ATIS",
                                                             u" Ground"};
        return join({place.city, pick(kPositions)});
    }
    case Service::Marine:
        return join({place.city, u" Port Control"});
    case Service::Pmr:
        return join({u"PMR ", word, u" team"});
    case Service::Repeater:
        return join({u"Repeater ", ident, u" ", place.city});
    }
    return std::u16string(word);
}

std::u16string StationGenerator::makeLocation(const Place& place)
{
    if (percent(30))
        return join({place.city, u" ", pick(kSites), u", ", place.country});
    return join({place.city, u", ", place.country});
}

std::u16string StationGenerator::makeComment()
{
    std::u16string comment(pick(kCommentParts));
    if (percent(40))
        comment += join({u". ", pick(kCommentParts)});
    return comment;
}

void StationGenerator::setWorkingHours(ORVImpl::FreqInfo& r)
{
    static constexpr int kMinutes[] = {0, 15, 30, 45};
    static constexpr int kEndMinutes[] = {0, 15, 29, 30, 45, 59};
    r.usePattern = 1;
    r.showPropGMT = percent(80) ? 1 : 0;
    r.fromHour = static_cast<int>(below(24));
    r.fromMin = kMinutes[below(std::size(kMinutes))];
    // Windows ending past midnight wrap around, as a night-time schedule does.
    r.toHour = (r.fromHour + 1 + static_cast<int>(below(20))) % 24;
    r.toMin = kEndMinutes[below(std::size(kEndMinutes))];
    const std::uint32_t roll = below(100);
    int mask = 127;
    if (roll >= 90)
        mask = 1 + static_cast<int>(below(127));
    else if (roll >= 80)
        mask = 0b1000001; // weekends
    else if (roll >= 60)
        mask = 0b0111110; // Monday to Friday
    for (int i = 0; i < 7; ++i)
        r.days[i] = (mask >> i) & 1;
}

void saveBenchFile(const ORVImpl& base, const std::filesystem::path& file)
{
    if (const Result<> saved = base.Save(file); !saved) {
        std::fprintf(stderr, "cannot save the benchmark file %s: %s\n", file.c_str(),
                     saved.reason().c_str());
        std::exit(1);
    }
}

bool saveGeneratedFile(int count, const std::filesystem::path& file)
{
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child < 0) {
        std::perror("fork");
        return false;
    }
    if (child == 0) {
        ORVImpl base;
        StationGenerator().fill(base, count);
        const Result<> saved = base.Save(file);
        if (!saved)
            std::fprintf(stderr, "cannot save %s: %s\n", file.c_str(), saved.reason().c_str());
        _exit(saved ? 0
                    : 1); // skips the parent's destructors, which would remove its scratch folder
    }
    int status = 0;
    return waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace kavrin
