#pragma once

#include "cli/CommandLine.h"
#include "core/system/Result.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kavrin::cli {

// The tool's commands, options and exit statuses with what each does, in one table: the parser
// reads the options through it, and the help and the manual page are written from it
// (CliHelp.h), so that they say what the tool does. Descriptions are plain text, one paragraph
// each; the names of values and files in them are written as in the synopses (FILE, FREQ_MHZ).

// The commands an option belongs to, one bit each.
constexpr unsigned commandBit(CliOptions::Command command)
{
    return 1u << static_cast<unsigned>(command);
}

// One command: its name, what it is in CliOptions, its forms, one a line as the usage shows them
// ("list [OPTIONS] [FILE]": "[OPTIONS]" where the command takes options the form does not name),
// and what it does.
struct CliCommand {
    std::string_view name;
    CliOptions::Command command;
    std::string_view forms;
    std::string_view description;
};

// One option: its name, the name of its value (empty: a switch), the commands it belongs to (none:
// it stands alone or with any command, and is read before the command), what it does (empty: the
// description of its command says it, and the lists of options leave it out), and how its value
// goes into CliOptions (nullptr for one read before the command).
struct CliOption {
    std::string_view name;
    std::string_view value;
    unsigned commands;
    std::string_view description;
    Result<> (*apply)(CliOptions& options, std::string_view value);
};

// One exit status and when the tool ends with it, as a phrase ("wrong command line").
struct CliExitStatus {
    int status;
    std::string_view meaning;
};

// In the order the help and the manual page show them.
std::span<const CliCommand> cliCommands();
std::span<const CliOption> cliOptions();
std::span<const CliExitStatus> cliExitStatuses();

// The forms of `command` as the usage shows them, or without "[OPTIONS]" as its description is
// headed.
std::vector<std::string> formsOf(const CliCommand& command, bool withOptions);

// The options as the help and the manual page list them: a section for each command that has
// options ("Options of list"), in the order of the commands, then one for those that stand alone
// ("Other options"). An option of several commands is described under the first; the later ones
// gather such options on one line, "--gmt, --at MOMENT", described "As for list.".
struct OptionEntry {
    std::string head; // "--at MOMENT"
    std::string description;
};
struct OptionSection {
    std::string title;
    std::vector<OptionEntry> entries;
};
std::vector<OptionSection> optionSections();

} // namespace kavrin::cli
