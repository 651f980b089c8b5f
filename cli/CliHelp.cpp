#include "cli/CliHelp.h"

#include "cli/CliReference.h"
#include "core/text/Tokenizer.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace kavrin::cli {

namespace {

constexpr std::size_t kWidth = 95;
constexpr std::size_t kCommandIndent = 16; // where the description of a command starts
constexpr std::size_t kOptionIndent = 21;  // and that of an option

// The words of `text`, a quoted phrase ("N items in base, M displayed") kept whole as one.
std::vector<std::string_view> wordsOf(std::string_view text)
{
    std::vector<std::string_view> words;
    bool quoted = false;
    TokenScanner<char> scanner(text, " ");
    for (std::string_view word = scanner.NextToken(); !word.empty(); word = scanner.NextToken()) {
        if (quoted)
            words.back() = {words.back().data(), word.data() + word.size()};
        else
            words.push_back(word);
        quoted ^= std::count(word.begin(), word.end(), '"') % 2 != 0;
    }
    return words;
}

// Appends `text` in lines of at most kWidth characters, each indented by `indent` spaces, the
// first after `head` when `head` leaves room for a space, else on a line after it.
void appendWrapped(std::string& out, std::string_view head, std::string_view text,
                   std::size_t indent)
{
    std::string line(head);
    if (!head.empty() && head.size() >= indent) {
        out += line + '\n';
        line.clear();
    }
    line.resize(indent, ' ');
    for (const std::string_view word : wordsOf(text)) {
        if (line.size() > indent && line.size() + 1 + word.size() > kWidth) {
            out += line + '\n';
            line.assign(indent, ' ');
        }
        if (line.size() > indent)
            line += ' ';
        line += word;
    }
    out += line + '\n';
}

} // namespace

std::string usageText()
{
    std::string usage = "usage:";
    const char* separator = " ";
    for (const CliCommand& command : cliCommands()) {
        for (const std::string& form : formsOf(command, true)) {
            usage += separator + std::string("kavrin ") + form;
            separator = " | ";
        }
    }
    for (const CliOption& option : cliOptions()) {
        if (option.commands == 0)
            usage += separator + std::string("kavrin ") + std::string(option.name);
    }
    return usage + '\n';
}

std::string helpText()
{
    std::string help = usageText() + "\nCommands:\n";
    for (const CliCommand& command : cliCommands()) {
        const std::vector<std::string> forms = formsOf(command, false);
        for (std::size_t i = 0; i + 1 < forms.size(); ++i)
            help += "  " + forms[i] + '\n';
        appendWrapped(help, "  " + forms.back(), command.description, kCommandIndent);
    }
    for (const OptionSection& section : optionSections()) {
        help += '\n' + section.title + ":\n";
        for (const OptionEntry& entry : section.entries)
            appendWrapped(help, "  " + entry.head, entry.description, kOptionIndent);
    }
    std::string statuses = "Output is UTF-8. Exit status:";
    const char* separator = " ";
    for (const CliExitStatus& exit : cliExitStatuses()) {
        statuses += separator + std::to_string(exit.status) + ' ' + std::string(exit.meaning);
        separator = ", ";
    }
    help += '\n';
    appendWrapped(help, {}, statuses + '.', 0);
    return help;
}

} // namespace kavrin::cli
