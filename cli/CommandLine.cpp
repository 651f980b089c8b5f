#include "cli/CommandLine.h"

#include "cli/UtcMoment.h"
#include "core/base/ORVImpl.h"
#include "core/station/FrequencyLimits.h"
#include "core/station/Modulation.h"
#include "core/text/TextCodec.h"

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

// Each setter applies one option's value, failing with why the value is wrong.

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

// A whole argument as a frequency in MHz: a decimal number above 0 and below kFreqLimit.
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

using Command = CliOptions::Command;

// The commands an option belongs to, one bit each.
constexpr unsigned bit(Command c)
{
    return 1u << static_cast<unsigned>(c);
}
constexpr unsigned kList = bit(Command::List);
constexpr unsigned kOn = bit(Command::On);
constexpr unsigned kTune = bit(Command::Tune);
constexpr unsigned kImport = bit(Command::ImportSchedule);

struct OptionSpec {
    std::string_view name;
    bool takesValue;
    Result<> (*apply)(CliOptions&, std::string_view value);
    unsigned commands;
};

// "check" and "backups" take none.
constexpr OptionSpec kOptions[] = {
    {"--modulation", true, setModulation, kList},
    {"--range", true, setRange, kList},
    {"--active", false, setActive, kList},
    {"--sort", true, setSort, kList},
    {"--gmt", false, setGmt, kList | kOn},
    {"--search", true, setSearch, kList},
    {"--match-case", false, setMatchCase, kList},
    {"--at", true, setAt, kList | kOn},
    {"--tolerance", true, setTolerance, kOn},
    {"--mode", true, setMode, kTune},
    {"--station", true, setStation, kTune},
    {"--receiver", true, setReceiver, kTune},
    {"--rig", true, setRig, kTune},
    {"--device", true, setDevice, kTune},
    {"--add", false, setAdd, kImport},
};

bool looksLikeOption(const std::string& arg)
{
    return arg.size() > 1 && arg[0] == '-';
}

// Applies the option at args[i], advancing i past a separate value.
Result<> applyOption(CliOptions& o, const std::vector<std::string>& args, std::size_t& i)
{
    const std::string& arg = args[i];
    const std::size_t equals = arg.find('=');
    const std::string_view name = std::string_view(arg).substr(0, equals);
    const auto* option = std::find_if(std::begin(kOptions), std::end(kOptions),
                                      [&](const OptionSpec& s) { return s.name == name; });
    if (option == std::end(kOptions))
        return Result<>::failure("unknown option '" + std::string(name) + "'");
    if ((option->commands & bit(o.command)) == 0)
        return Result<>::failure("'" + std::string(name) + "' is not an option of '" + args[0] +
                                 "'");
    if (!option->takesValue) {
        if (equals != std::string::npos)
            return Result<>::failure("'" + std::string(name) + "' takes no value");
        return option->apply(o, {});
    }
    if (equals != std::string::npos)
        return option->apply(o, std::string_view(arg).substr(equals + 1));
    if (i + 1 >= args.size())
        return Result<>::failure("'" + std::string(name) + "' needs a value");
    return option->apply(o, args[++i]);
}

// Takes the arguments that are not options: the frequency, then the file, as the command has them;
// for "import-schedule" the schedule and the station file.
Result<> takeArguments(CliOptions& o, const std::vector<std::string>& arguments)
{
    if (o.command == Command::ImportSchedule) {
        if (arguments.size() != 2)
            return Result<>::failure("'import-schedule' needs SCHEDULE and OUT, and nothing else");
        o.file = std::filesystem::path(arguments[0]);
        o.output = std::filesystem::path(arguments[1]);
        return Result<>::success();
    }
    auto next = arguments.begin();
    const bool needsFrequency =
        o.command == Command::On || (o.command == Command::Tune && !o.station);
    if (needsFrequency) {
        if (next == arguments.end())
            return Result<>::failure("'" + std::string(o.command == Command::On ? "on" : "tune") +
                                     "' needs FREQ_MHZ");
        const std::optional<double> mhz = parseMegahertz(*next);
        if (!mhz)
            return Result<>::failure("bad frequency '" + *next + "'");
        o.mhz = *mhz;
        ++next;
    }
    const bool takesFile = o.command != Command::Tune || o.station;
    if (next != arguments.end() && takesFile)
        o.file = std::filesystem::path(*next++);
    if (next == arguments.end())
        return Result<>::success();
    return Result<>::failure(takesFile ? "more than one file given" : "unexpected '" + *next + "'");
}

} // namespace

Result<CliOptions> parseCommandLine(const std::vector<std::string>& args)
{
    CliOptions o;
    if (std::find(args.begin(), args.end(), "--help") != args.end())
        return o;
    if (std::find(args.begin(), args.end(), "--version") != args.end()) {
        o.command = Command::Version;
        return o;
    }
    if (args.empty())
        return Failure{"no command given"};
    static constexpr std::pair<std::string_view, Command> kCommands[] = {
        {"list", Command::List},
        {"check", Command::Check},
        {"on", Command::On},
        {"tune", Command::Tune},
        {"import-schedule", Command::ImportSchedule},
        {"backups", Command::Backups},
    };
    const auto* command = std::find_if(std::begin(kCommands), std::end(kCommands),
                                       [&](const auto& c) { return c.first == args[0]; });
    if (command == std::end(kCommands))
        return Failure{"unknown command '" + args[0] + "'"};
    o.command = command->second;

    std::vector<std::string> arguments;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (!looksLikeOption(args[i]))
            arguments.push_back(args[i]);
        else if (const Result<> applied = applyOption(o, args, i); !applied)
            return applied.error();
    }
    if (const Result<> taken = takeArguments(o, arguments); !taken)
        return taken.error();
    if (o.command == Command::Check && arguments.empty())
        return Failure{"'check' needs a FILE"};
    if (o.matchCase && !o.search)
        return Failure{"'--match-case' goes with '--search'"};
    // A model other than the network one has no default address worth guessing.
    if (o.command == Command::Tune && o.receiver.model != kNetworkRigModel &&
        !o.receiverAddressGiven)
        o.receiver.address.clear();
    return o;
}

std::string usageText()
{
    return "usage: kavrin list [OPTIONS] [FILE] | kavrin check FILE | "
           "kavrin import-schedule [--add] SCHEDULE OUT | kavrin backups [FILE] | "
           "kavrin on FREQ_MHZ [OPTIONS] [FILE] | kavrin tune FREQ_MHZ [OPTIONS] | "
           "kavrin tune --station NAME [OPTIONS] [FILE] | kavrin --help | kavrin --version\n";
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
  on FREQ_MHZ [FILE]
                Print the stations of FILE (default: Stations.xml) that have a receive
                frequency within the tolerance of FREQ_MHZ, in the row format of list: the
                stations on the air first, then the nearest first. The status line counts them
                as displayed.
  tune FREQ_MHZ
  tune --station NAME [FILE]
                Tune the receiver to FREQ_MHZ, or to the first receive frequency of the
                station NAME of FILE (default: Stations.xml; the first station of that name,
                letter case ignored as by --search) in the mode for its modulation: AM to AM,
                FM to WFM from 88 to 108 MHz and to FM elsewhere, NFM to FM, USB, LSB and CW to
                themselves, DRM and Digital to USB; Unknown leaves the receiver's mode. Then
                print "Tuned to 9.910 MHz, USB". A receiver that cannot be reached, or does not
                answer within 3 seconds, is reported on standard error.

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

Options of on:
  --tolerance KHZ    How far from FREQ_MHZ a receive frequency may lie, in kHz, both ends
                     included (default: 5 below 30 MHz, 50 from 30 MHz up).
  --at MOMENT, --gmt As for list.

Options of tune:
  --mode MODE        Set the mode MODE: AM, FM, WFM, USB, LSB or CW (any letter case),
                     instead of the station's, or of leaving the receiver's mode as it is.
  --station NAME     Tune to the station NAME instead of to FREQ_MHZ.
  --receiver HOST:PORT
                     The receiver served there by rigctld or an SDR program (default:
                     localhost:4532).
  --rig MODEL        hamlib's model number of the radio (default: 2, its network protocol;
                     "rigctl -l" lists them).
  --device PATH      The serial device of the radio, for a model other than 2.

Output is UTF-8. Exit status: 0 done, 1 a file could not be read or written or the receiver
could not be tuned, 2 wrong command line.
)";
}

std::string versionText()
{
    return "kavrin " KAVRIN_VERSION "\n";
}

} // namespace kavrin::cli
