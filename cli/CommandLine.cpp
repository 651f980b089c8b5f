#include "cli/CommandLine.h"

#include "cli/UtcMoment.h"
#include "core/FrequencyLimits.h"
#include "core/Modulation.h"
#include "core/TextCodec.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <set>
#include <string_view>

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

// Each setter applies one option's value and returns why the value is wrong, or "".

std::string setModulation(CliOptions& o, std::string_view value)
{
    o.filter.showAllModulations();
    if (equalsIgnoringCase(value, u"all"))
        return {};
    // Collected first so that naming a modulation twice cannot switch it off again.
    std::set<int> codes;
    for (std::string_view name : splitAtCommas(value)) {
        const auto* code =
            std::find_if(kMenuModulationOrder.begin(), kMenuModulationOrder.end(),
                         [&](int c) { return equalsIgnoringCase(name, modulationName(c)); });
        if (code == kMenuModulationOrder.end())
            return "unknown modulation '" + std::string(name) + "'";
        codes.insert(*code);
    }
    for (int code : codes)
        o.filter.toggleModulation(code);
    return {};
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

std::string setRange(CliOptions& o, std::string_view value)
{
    static constexpr std::pair<std::string_view, RangeKind> kNamed[] = {
        {"all", RangeKind::All}, {"lf", RangeKind::LF},   {"mw", RangeKind::MW},
        {"sw", RangeKind::SW},   {"vhf", RangeKind::VHF}, {"fm", RangeKind::FMBroadcast},
        {"uhf", RangeKind::UHF},
    };
    for (const auto& [name, kind] : kNamed) {
        if (equalsIgnoringCase(name, utf8ToUtf16(value))) {
            o.filter.chooseRange(kind);
            return {};
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
        return "bad range '" + std::string(value) + "'";
    o.filter.setUserRange(*low, *high);
    return {};
}

std::string setSort(CliOptions& o, std::string_view value)
{
    static constexpr std::pair<std::string_view, SortKey> kKeys[] = {
        {"frequency", SortKey::Frequency},   {"name", SortKey::Name},
        {"modulation", SortKey::Modulation}, {"location", SortKey::Location},
        {"comment", SortKey::Comment},
    };
    for (const auto& [name, key] : kKeys) {
        if (equalsIgnoringCase(name, utf8ToUtf16(value))) {
            o.filter.sortBy(key);
            return {};
        }
    }
    return "unknown sort key '" + std::string(value) + "'";
}

std::string setAt(CliOptions& o, std::string_view value)
{
    o.at = parseUtcMoment(value);
    return o.at ? std::string() : "bad moment '" + std::string(value) + "'";
}

std::string setActive(CliOptions& o, std::string_view)
{
    o.filter.showActiveStations();
    return {};
}

std::string setGmt(CliOptions& o, std::string_view)
{
    o.filter.chooseGmtTime();
    return {};
}

std::string setSearch(CliOptions& o, std::string_view value)
{
    o.search = utf8ToUtf16(value);
    return {};
}

std::string setMatchCase(CliOptions& o, std::string_view)
{
    o.matchCase = true;
    return {};
}

struct OptionSpec {
    std::string_view name;
    bool takesValue;
    std::string (*apply)(CliOptions&, std::string_view value);
};

// The options of "list"; "check" takes none.
constexpr OptionSpec kListOptions[] = {
    {"--modulation", true, setModulation},
    {"--range", true, setRange},
    {"--active", false, setActive},
    {"--sort", true, setSort},
    {"--gmt", false, setGmt},
    {"--search", true, setSearch},
    {"--match-case", false, setMatchCase},
    {"--at", true, setAt},
};

bool looksLikeOption(const std::string& arg)
{
    return arg.size() > 1 && arg[0] == '-';
}

// Applies the option at args[i], advancing i past a separate value; returns the error or "".
std::string applyOption(CliOptions& o, const std::vector<std::string>& args, std::size_t& i)
{
    const std::string& arg = args[i];
    const std::size_t equals = arg.find('=');
    const std::string_view name = std::string_view(arg).substr(0, equals);
    const auto* option = std::find_if(std::begin(kListOptions), std::end(kListOptions),
                                      [&](const OptionSpec& s) { return s.name == name; });
    if (option == std::end(kListOptions))
        return "unknown option '" + std::string(name) + "'";
    if (o.command != CliOptions::Command::List)
        return "'" + std::string(name) + "' is an option of 'list'";
    if (!option->takesValue) {
        if (equals != std::string::npos)
            return "'" + std::string(name) + "' takes no value";
        return option->apply(o, {});
    }
    if (equals != std::string::npos)
        return option->apply(o, std::string_view(arg).substr(equals + 1));
    if (i + 1 >= args.size())
        return "'" + std::string(name) + "' needs a value";
    return option->apply(o, args[++i]);
}

// "import-schedule [--add] SCHEDULE OUT", the option before, between or after the files.
std::string parseImportSchedule(CliOptions& o, const std::vector<std::string>& args)
{
    std::vector<std::string> files;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--add")
            o.add = true;
        else if (looksLikeOption(args[i]))
            return "unknown option '" + args[i] + "' of 'import-schedule'";
        else
            files.push_back(args[i]);
    }
    if (files.size() != 2)
        return "'import-schedule' needs SCHEDULE and OUT, and nothing else";
    o.file = std::filesystem::path(files[0]);
    o.output = std::filesystem::path(files[1]);
    return {};
}

} // namespace

ParsedCommandLine parseCommandLine(const std::vector<std::string>& args)
{
    ParsedCommandLine parsed;
    CliOptions& o = parsed.options;
    if (std::find(args.begin(), args.end(), "--help") != args.end())
        return parsed;
    if (std::find(args.begin(), args.end(), "--version") != args.end()) {
        o.command = CliOptions::Command::Version;
        return parsed;
    }
    if (args.empty()) {
        parsed.error = "no command given";
        return parsed;
    }
    if (args[0] == "list") {
        o.command = CliOptions::Command::List;
    } else if (args[0] == "check") {
        o.command = CliOptions::Command::Check;
    } else if (args[0] == "import-schedule") {
        o.command = CliOptions::Command::ImportSchedule;
        parsed.error = parseImportSchedule(o, args);
        return parsed;
    } else if (args[0] == "backups") {
        o.command = CliOptions::Command::Backups;
        if (args.size() > 2 || (args.size() == 2 && looksLikeOption(args[1])))
            parsed.error = "'backups' takes at most a FILE, and nothing else";
        else if (args.size() == 2)
            o.file = std::filesystem::path(args[1]);
        return parsed;
    } else {
        parsed.error = "unknown command '" + args[0] + "'";
        return parsed;
    }

    bool haveFile = false;
    for (std::size_t i = 1; i < args.size() && parsed.error.empty(); ++i) {
        if (looksLikeOption(args[i])) {
            parsed.error = applyOption(o, args, i);
        } else if (haveFile) {
            parsed.error = "more than one file given";
        } else {
            o.file = std::filesystem::path(args[i]);
            haveFile = true;
        }
    }
    if (parsed.error.empty() && o.command == CliOptions::Command::Check && !haveFile)
        parsed.error = "'check' needs a FILE";
    if (parsed.error.empty() && o.matchCase && !o.search)
        parsed.error = "'--match-case' goes with '--search'";
    return parsed;
}

std::string usageText()
{
    return "usage: kavrin list [OPTIONS] [FILE] | kavrin check FILE | "
           "kavrin import-schedule [--add] SCHEDULE OUT | kavrin backups [FILE] | "
           "kavrin --help | kavrin --version\n";
}

std::string helpText()
{
    return usageText() + R"(
Commands:
  list [FILE]   Print the stations of FILE (default: Stations.xml in the current folder) that
                pass the filters, one a line as NAME<TAB>SUMMARY<TAB>on|off, where on|off says
                whether the station is on the air. The last line is the status line
                "N items in base, M displayed", or "Search results" after --search. Tabs and
                line breaks inside a name or summary are printed as spaces.
  check FILE    Read FILE and print its number of stations, or why it cannot be read.
  import-schedule [--add] SCHEDULE OUT
                Read the broadcast schedule SCHEDULE and write its stations, one a schedule
                line, to the station file OUT. SCHEDULE may be a ';'-separated schedule (its
                first line starts "kHz:75;Time(UTC):93;"), the same schedule as aligned text
                (a header line of kHz, Time(UTC), Days, ITU, Station, Lang., Target and Remarks
                over a line of '='), or the older column-aligned schedule text file. Prints
                "N stations imported". With --add, OUT is an existing station file and the
                schedule is added to it: a line matching a station of OUT (same name, first
                frequency, start and end time, days and location) updates that station instead
                of adding a second one, the other stations of OUT stay as they are, and
                "N added, M updated, K unchanged" is printed. OUT is replaced only once it is
                complete. Lines that cannot be read go to standard error with their line
                numbers and are skipped.
  backups [FILE]
                List the earlier versions of FILE (default: Stations.xml in the current folder)
                kept in the folder Backups beside it, newest first, one a line as
                REPLACED<TAB>BYTES<TAB>PATH: when that version was replaced (local time), its
                size and where it is. Every replacement of a station file keeps the version it
                replaces there; the ten newest are kept. To bring one back, copy it over FILE.

Options of list:
  --modulation LIST  Only these modulations: comma-separated names out of AM, FM, NFM, USB,
                     LSB, CW, DRM, Digital (any letter case), or "all" (the default). Stations
                     of modulation Unknown show only under "all".
  --range RANGE      Only stations with a frequency in RANGE: all (the default), lf (up to
                     0.3 MHz), mw (0.3-3), sw (3-30), vhf (30-300), fm (88-108), uhf (300 and
                     up), or LOW-HIGH in MHz, both ends included, e.g. 7-7.3.
  --active           Only stations on the air.
  --sort KEY         Order by frequency (the default), name, modulation, location or comment.
  --gmt              Show working hours in GMT; the default is local time, at the UTC offset
                     in force now.
  --search TEXT      Only stations whose name, location or comment contains TEXT, ignoring the
                     letter case of Latin and Cyrillic letters. The filters above still apply.
                     When no station contains TEXT, "Search results list is empty" goes to
                     standard error.
  --match-case       With --search: letter case must match too.
  --at MOMENT        Judge "on the air" at the UTC moment MOMENT, written like
                     2026-12-08T21:30:00Z, instead of now.
  --help             Print this help.
  --version          Print the version.

Output is UTF-8. Exit status: 0 done, 1 a file could not be read or written, 2 wrong command
line.
)";
}

std::string versionText()
{
    return "kavrin " KAVRIN_VERSION "\n";
}

} // namespace kavrin::cli
