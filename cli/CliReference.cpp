#include "cli/CliReference.h"

#include "cli/OptionValues.h"
#include "core/text/LineCursor.h"

#include <algorithm>
#include <map>

namespace kavrin::cli {

namespace {

using Command = CliOptions::Command;

constexpr unsigned kList = commandBit(Command::List);
constexpr unsigned kOn = commandBit(Command::On);
constexpr unsigned kTune = commandBit(Command::Tune);
constexpr unsigned kImport = commandBit(Command::ImportSchedule);

constexpr CliCommand kCommands[] = {
    {"list", Command::List, "list [OPTIONS] [FILE]",
     "Print the stations of FILE (default: Stations.xml in the current folder) that pass the "
     "filters, one a line as NAME<TAB>SUMMARY<TAB>on|off, where on|off says whether the station "
     "is on the air. The last line is the status line \"N items in base, M displayed\", or "
     "\"Search results\" after --search. Tabs and line breaks inside a name or summary are "
     "printed as spaces."},
    {"check", Command::Check, "check FILE",
     "Read FILE and print its number of stations, or why it cannot be read."},
    {"import-schedule", Command::ImportSchedule, "import-schedule [--add] SCHEDULE OUT",
     "Read the broadcast schedule SCHEDULE and write its stations, one a schedule line, to the "
     "station file OUT. SCHEDULE may be a ';'-separated schedule (its first line starts "
     "\"kHz:75;Time(UTC):93;\"), the same schedule as aligned text (a header line of kHz, "
     "Time(UTC), Days, ITU, Station, Lang., Target and Remarks over a line of '='), or the older "
     "column-aligned schedule text file. Prints \"N stations imported\". With --add, OUT is an "
     "existing station file and the schedule is added to it: a line matching a station of OUT "
     "(same name, first frequency, start and end time, days and location) updates that station "
     "instead of adding a second one, the other stations of OUT stay as they are, and \"N added, "
     "M updated, K unchanged\" is printed. OUT is replaced only once it is complete. Lines that "
     "cannot be read go to standard error with their line numbers and are skipped."},
    {"backups", Command::Backups, "backups [FILE]",
     "List the earlier versions of FILE (default: Stations.xml in the current folder) kept in "
     "the folder Backups beside it, newest first, one a line as REPLACED<TAB>BYTES<TAB>PATH: when "
     "that version was replaced (local time), its size and where it is. Every replacement of a "
     "station file keeps the version it replaces there; the ten newest are kept. To bring one "
     "back, copy it over FILE."},
    {"on", Command::On, "on FREQ_MHZ [OPTIONS] [FILE]",
     "Print the stations of FILE (default: Stations.xml) that have a receive frequency within "
     "the tolerance of FREQ_MHZ, in the row format of list: the stations on the air first, then "
     "the nearest first. The status line counts them as displayed."},
    {"tune", Command::Tune, "tune FREQ_MHZ [OPTIONS]\ntune --station NAME [OPTIONS] [FILE]",
     "Tune the receiver to FREQ_MHZ, or to the first receive frequency of the station NAME of "
     "FILE (default: Stations.xml; the first station of that name, letter case ignored as by "
     "--search) in the mode for its modulation: AM to AM, FM to WFM from 88 to 108 MHz and to FM "
     "elsewhere, NFM to FM, USB, LSB and CW to themselves, DRM and Digital to USB; Unknown leaves "
     "the receiver's mode. Then print \"Tuned to 9.910 MHz, USB\". A receiver that cannot be "
     "reached, or does not answer within 3 seconds, is reported on standard error."},
};

constexpr CliOption kOptions[] = {
    {"--modulation", "LIST", kList,
     "Only these modulations: comma-separated names out of AM, FM, NFM, USB, LSB, CW, DRM, "
     "Digital (any letter case), or \"all\" (the default). Stations of modulation Unknown show "
     "only under \"all\".",
     setModulation},
    {"--range", "RANGE", kList,
     "Only stations with a frequency in RANGE: all (the default), lf (up to 0.3 MHz), mw "
     "(0.3-3), sw (3-30), vhf (30-300), fm (88-108), uhf (300 and up), or LOW-HIGH in MHz, both "
     "ends included, e.g. 7-7.3.",
     setRange},
    {"--active", "", kList, "Only stations on the air.", setActive},
    {"--sort", "KEY", kList,
     "Order by frequency (the default), name, modulation, location or comment.", setSort},
    {"--gmt", "", kList | kOn,
     "Show working hours in GMT; the default is local time, at the UTC offset in force now.",
     setGmt},
    {"--search", "TEXT", kList,
     "Only stations whose name, location or comment contains TEXT, ignoring the letter case of "
     "Latin and Cyrillic letters. The filters above still apply. When no station contains TEXT, "
     "\"Search results list is empty\" goes to standard error.",
     setSearch},
    {"--match-case", "", kList, "With --search: letter case must match too.", setMatchCase},
    {"--at", "MOMENT", kList | kOn,
     "Judge \"on the air\" at the UTC moment MOMENT, written like 2026-12-08T21:30:00Z, instead "
     "of now.",
     setAt},
    {"--tolerance", "KHZ", kOn,
     "How far from FREQ_MHZ a receive frequency may lie, in kHz, both ends included (default: 5 "
     "below 30 MHz, 50 from 30 MHz up).",
     setTolerance},
    {"--mode", "MODE", kTune,
     "Set the mode MODE: AM, FM, WFM, USB, LSB or CW (any letter case), instead of the "
     "station's, or of leaving the receiver's mode as it is.",
     setMode},
    {"--station", "NAME", kTune, "Tune to the station NAME instead of to FREQ_MHZ.", setStation},
    {"--receiver", "HOST:PORT", kTune,
     "The receiver served there by rigctld or an SDR program (default: localhost:4532).",
     setReceiver},
    {"--rig", "MODEL", kTune,
     "hamlib's model number of the radio (default: 2, its network protocol; \"rigctl -l\" lists "
     "them).",
     setRig},
    {"--device", "PATH", kTune, "The serial device of the radio, for a model other than 2.",
     setDevice},
    {"--add", "", kImport, "", setAdd},
    {"--help", "", 0, "Print this help.", nullptr},
    {"--version", "", 0, "Print the version.", nullptr},
};

constexpr CliExitStatus kExitStatuses[] = {
    {0, "done"},
    {1, "a file could not be read or written or the receiver could not be tuned"},
    {2, "wrong command line"},
};

} // namespace

std::span<const CliCommand> cliCommands()
{
    return kCommands;
}

std::span<const CliOption> cliOptions()
{
    return kOptions;
}

std::span<const CliExitStatus> cliExitStatuses()
{
    return kExitStatuses;
}

std::vector<std::string> formsOf(const CliCommand& command, bool withOptions)
{
    std::vector<std::string> forms;
    LineCursor lines(command.forms);
    for (std::string_view line; lines.next(line);) {
        std::string form(line);
        constexpr std::string_view kOptionsMark = " [OPTIONS]";
        if (const std::size_t mark = form.find(kOptionsMark);
            !withOptions && mark != std::string::npos)
            form.erase(mark, kOptionsMark.size());
        forms.push_back(std::move(form));
    }
    return forms;
}

std::vector<OptionSection> optionSections()
{
    std::vector<OptionSection> sections;
    std::map<std::string_view, std::string_view> describedUnder; // option name: command name
    const auto headOf = [](const CliOption& option) {
        return option.value.empty() ? std::string(option.name)
                                    : std::string(option.name) + " " + std::string(option.value);
    };
    for (const CliCommand& command : kCommands) {
        OptionSection section{"Options of " + std::string(command.name), {}};
        // The options described before, by the command they were described under, in order.
        std::vector<std::pair<std::string_view, std::string>> describedBefore;
        for (const CliOption& option : kOptions) {
            if ((option.commands & commandBit(command.command)) == 0 || option.description.empty())
                continue;
            const auto before = describedUnder.find(option.name);
            if (before == describedUnder.end()) {
                describedUnder[option.name] = command.name;
                section.entries.push_back({headOf(option), std::string(option.description)});
                continue;
            }
            auto group = std::find_if(describedBefore.begin(), describedBefore.end(),
                                      [&](const auto& g) { return g.first == before->second; });
            if (group == describedBefore.end())
                group = describedBefore.insert(describedBefore.end(), {before->second, {}});
            group->second += (group->second.empty() ? "" : ", ") + headOf(option);
        }
        for (const auto& [under, heads] : describedBefore)
            section.entries.push_back({heads, "As for " + std::string(under) + "."});
        if (!section.entries.empty())
            sections.push_back(std::move(section));
    }
    OptionSection alone{"Other options", {}};
    for (const CliOption& option : kOptions) {
        if (option.commands == 0)
            alone.entries.push_back({headOf(option), std::string(option.description)});
    }
    sections.push_back(std::move(alone));
    return sections;
}

} // namespace kavrin::cli
