#include "cli/OptionValues.h"

#include "cli/UtcMoment.h"
#include "core/station/FreqInfo.h"
#include "core/station/FrequencyLimits.h"
#include "core/station/Modulation.h"
#include "core/text/TextCodec.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <set>

namespace kavrin::cli {

namespace {

bool equalsIgnoringCase(std::string_view a, std::u16string_view b)
{
    const auto lower = [](char32_t c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](char x, char16_t y) {
               return lower(static_cast<unsigned char>(x)) == lower(y);
           });
}

std::vector<std::string_view> splitAtCommas(std::string_view text)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t comma; (comma = text.find(',', start)) != std::string_view::npos;
         start = comma + 1)
        parts.push_back(text.substr(start, comma - start));
    parts.push_back(text.substr(start));
    return parts;
}

// A non-negative decimal number at the start of `text`; `text` is advanced past it.
std::optional<float> readMegahertz(std::string_view& text)
{
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || !std::isfinite(value))
        return std::nullopt;
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    return static_cast<float>(value);
}

// "--receiver" and "--device" both name where the receiver is; one of them at most.
Result<> setAddress(CliOptions& o, std::string_view value, std::string_view option)
{
    if (o.receiverAddressGiven)
        return Result<>::failure("'--receiver' and '--device' name the receiver once");
    if (value.empty())
        return Result<>::failure("'" + std::string(option) + "' needs a value");
    o.receiver.address = std::string(value);
    o.receiverAddressGiven = true;
    return Result<>::success();
}

} // namespace

Result<> setModulation(CliOptions& o, std::string_view value)
{
    o.filter.showAllModulations();
    if (equalsIgnoringCase(value, u"all"))
        return Result<>::success();
    // Collected first so that naming a modulation twice cannot switch it off again.
    std::set<int> codes;
    for (std::string_view name : splitAtCommas(value)) {
        const auto* code =
            std::find_if(kMenuModulationOrder.begin(), kMenuModulationOrder.end(),
                         [&](int c) { return equalsIgnoringCase(name, modulationName(c)); });
        if (code == kMenuModulationOrder.end())
            return Result<>::failure("unknown modulation '" + std::string(name) + "'");
        codes.insert(*code);
    }
    for (int code : codes)
        o.filter.toggleModulation(code);
    return Result<>::success();
}

Result<> setRange(CliOptions& o, std::string_view value)
{
    static constexpr std::pair<std::string_view, RangeKind> kNamed[] = {
        {"all", RangeKind::All}, {"lf", RangeKind::LF},   {"mw", RangeKind::MW},
        {"sw", RangeKind::SW},   {"vhf", RangeKind::VHF}, {"fm", RangeKind::FMBroadcast},
        {"uhf", RangeKind::UHF},
    };
    for (const auto& [name, kind] : kNamed) {
        if (equalsIgnoringCase(name, utf8ToUtf16(value))) {
            o.filter.chooseRange(kind);
            return Result<>::success();
        }
    }
    // The limits of the desktop's range dialog: from 0 up to 100000.9 MHz, low not above high.
    std::string_view rest = value;
    const std::optional<float> low = readMegahertz(rest);
    const bool dash = !rest.empty() && rest.front() == '-';
    if (dash)
        rest.remove_prefix(1);
    const std::optional<float> high = dash ? readMegahertz(rest) : std::nullopt;
    if (!low || !high || !rest.empty() || *low < 0 || *high > kHighestRangeEdge || *low > *high)
        return Result<>::failure("bad range '" + std::string(value) + "'");
    o.filter.setUserRange(*low, *high);
    return Result<>::success();
}

Result<> setSort(CliOptions& o, std::string_view value)
{
    static constexpr std::pair<std::string_view, SortKey> kKeys[] = {
        {"frequency", SortKey::Frequency},   {"name", SortKey::Name},
        {"modulation", SortKey::Modulation}, {"location", SortKey::Location},
        {"comment", SortKey::Comment},
    };
    for (const auto& [name, key] : kKeys) {
        if (equalsIgnoringCase(name, utf8ToUtf16(value))) {
            o.filter.sortBy(key);
            return Result<>::success();
        }
    }
    return Result<>::failure("unknown sort key '" + std::string(value) + "'");
}

Result<> setAt(CliOptions& o, std::string_view value)
{
    o.at = parseUtcMoment(value);
    return o.at ? Result<>::success()
                : Result<>::failure("bad moment '" + std::string(value) + "'");
}

Result<> setActive(CliOptions& o, std::string_view)
{
    o.filter.showActiveStations();
    return Result<>::success();
}

Result<> setGmt(CliOptions& o, std::string_view)
{
    o.filter.chooseGmtTime();
    return Result<>::success();
}

Result<> setSearch(CliOptions& o, std::string_view value)
{
    o.search = utf8ToUtf16(value);
    return Result<>::success();
}

Result<> setMatchCase(CliOptions& o, std::string_view)
{
    o.matchCase = true;
    return Result<>::success();
}

std::optional<double> parseMegahertz(std::string_view text)
{
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !isUsableFreq(value))
        return std::nullopt;
    return value;
}

Result<> setTolerance(CliOptions& o, std::string_view value)
{
    double khz = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), khz);
    if (error != std::errc() || end != value.data() + value.size() || !(khz >= 0) ||
        khz > kFreqLimit * 1000)
        return Result<>::failure("bad tolerance '" + std::string(value) + "'");
    o.toleranceKhz = khz;
    return Result<>::success();
}

Result<> setMode(CliOptions& o, std::string_view value)
{
    o.mode = receiverModeNamed(value);
    return o.mode ? Result<>::success()
                  : Result<>::failure("unknown mode '" + std::string(value) + "'");
}

Result<> setStation(CliOptions& o, std::string_view value)
{
    o.station = utf8ToUtf16(value);
    return Result<>::success();
}

Result<> setReceiver(CliOptions& o, std::string_view value)
{
    return setAddress(o, value, "--receiver");
}

Result<> setDevice(CliOptions& o, std::string_view value)
{
    return setAddress(o, value, "--device");
}

Result<> setRig(CliOptions& o, std::string_view value)
{
    int model = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), model);
    if (error != std::errc() || end != value.data() + value.size() || model <= 0)
        return Result<>::failure("bad rig model '" + std::string(value) + "'");
    o.receiver.model = model;
    return Result<>::success();
}

Result<> setAdd(CliOptions& o, std::string_view)
{
    o.add = true;
    return Result<>::success();
}

} // namespace kavrin::cli
