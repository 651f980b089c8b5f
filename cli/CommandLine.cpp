#include "cli/CommandLine.h"

#include "cli/CliReference.h"
#include "cli/OptionValues.h"

#include <algorithm>

namespace kavrin::cli {

namespace {

using Command = CliOptions::Command;

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
    const std::span<const CliOption> options = cliOptions();
    const auto option = std::find_if(options.begin(), options.end(),
                                     [&](const CliOption& s) { return s.name == name; });
    if (option == options.end())
        return Result<>::failure("unknown option '" + std::string(name) + "'");
    if ((option->commands & commandBit(o.command)) == 0)
        return Result<>::failure("'" + std::string(name) + "' is not an option of '" + args[0] +
                                 "'");
    if (option->value.empty()) {
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
    const std::span<const CliCommand> commands = cliCommands();
    const auto command = std::find_if(commands.begin(), commands.end(),
                                      [&](const CliCommand& c) { return c.name == args[0]; });
    if (command == commands.end())
        return Failure{"unknown command '" + args[0] + "'"};
    o.command = command->command;

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

std::string versionText()
{
    return "kavrin " KAVRIN_VERSION "\n";
}

} // namespace kavrin::cli
