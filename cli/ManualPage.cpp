#include "cli/ManualPage.h"

#include "cli/CliReference.h"
#include "core/text/LineCursor.h"
#include "core/text/Tokenizer.h"

#include <algorithm>
#include <cctype>
#include <set>
#include <vector>

namespace kavrin::cli {

namespace {

constexpr std::string_view kMarker = ".\\\" generated: ";

// The words the page sets in a font of their own.
struct Vocabulary {
    std::set<std::string, std::less<>> options; // bold: "--search"
    std::set<std::string, std::less<>> values;  // italic: "FILE", "HOST:PORT"
};

// What a word is made of; "<" and ">" join the fields of a row ("NAME<TAB>SUMMARY") into one
// word, which is no name of the tool's.
bool isWordChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) ||
           std::string_view("_:-<>").find(c) != std::string_view::npos;
}

// `text` with roff's own characters escaped.
std::string escaped(std::string_view text)
{
    std::string out;
    for (char c : text) {
        if (c == '\\')
            out += "\\e";
        else if (c == '-')
            out += "\\-";
        else
            out += c;
    }
    return out;
}

// `text` as roff text on a line of its own: escaped, with the words of `words` in their fonts.
std::string roffLine(std::string_view text, const Vocabulary& words)
{
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        if (!isWordChar(text[i])) {
            out += escaped(text.substr(i, 1));
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && isWordChar(text[end]))
            ++end;
        std::string_view word = text.substr(i, end - i);
        // A colon or dash after a word is punctuation, not part of it ("--search:").
        while (!word.empty() && (word.back() == ':' || word.back() == '-') &&
               !words.options.contains(word) && !words.values.contains(word))
            word.remove_suffix(1);
        if (word.empty())
            word = text.substr(i, end - i);
        if (words.options.contains(word))
            out += "\\fB" + escaped(word) + "\\fR";
        else if (words.values.contains(word))
            out += "\\fI" + escaped(word) + "\\fR";
        else
            out += escaped(word);
        i += word.size();
    }
    // A line that starts with a dot or an apostrophe would be a request.
    if (!out.empty() && (out.front() == '.' || out.front() == '\''))
        out.insert(0, "\\&");
    return out;
}

Vocabulary vocabulary()
{
    Vocabulary words;
    for (const CliOption& option : cliOptions()) {
        words.options.emplace(option.name);
        if (!option.value.empty())
            words.values.emplace(option.value);
    }
    for (const CliCommand& command : cliCommands()) {
        for (const std::string& form : formsOf(command, true)) {
            TokenScanner<char> scanner(form, " []");
            for (std::string_view word = scanner.NextToken(); !word.empty();
                 word = scanner.NextToken()) {
                if (std::isupper(static_cast<unsigned char>(word.front())))
                    words.values.emplace(word);
            }
        }
    }
    return words;
}

// One synopsis line, "kavrin" and the command in bold: `form` is "list [OPTIONS] [FILE]".
std::string synopsisLine(std::string_view form, const Vocabulary& words)
{
    const std::size_t name = std::min(form.find(' '), form.size());
    std::string line = "\\fBkavrin " + escaped(form.substr(0, name)) + "\\fR";
    if (name < form.size())
        line += roffLine(form.substr(name), words);
    return line;
}

std::string synopsis(const Vocabulary& words)
{
    std::vector<std::string> lines;
    for (const CliCommand& command : cliCommands()) {
        for (const std::string& form : formsOf(command, true))
            lines.push_back(synopsisLine(form, words));
    }
    for (const CliOption& option : cliOptions()) {
        if (option.commands == 0)
            lines.push_back(synopsisLine(option.name, words));
    }
    std::string out;
    for (const std::string& line : lines)
        out += (out.empty() ? "" : ".br\n") + line + '\n';
    return out;
}

// A tagged paragraph: `heads` one above the other, then `text`.
std::string entry(const std::vector<std::string>& heads, std::string_view text,
                  const Vocabulary& words)
{
    std::string out;
    for (std::size_t i = 0; i < heads.size(); ++i) {
        const bool more = i + 1 < heads.size();
        out += ".TP\n" + roffLine(heads[i], words) + '\n' + (more ? ".PD 0\n" : "");
        if (i > 0 && !more)
            out += ".PD\n";
    }
    return out + roffLine(text, words) + '\n';
}

std::string commands(const Vocabulary& words)
{
    std::string out;
    for (const CliCommand& command : cliCommands())
        out += entry(formsOf(command, false), command.description, words);
    return out;
}

std::string options(const Vocabulary& words)
{
    std::string out;
    for (const OptionSection& section : optionSections()) {
        out += ".SS " + section.title + '\n';
        for (const OptionEntry& option : section.entries)
            out += entry({option.head}, option.description, words);
    }
    return out;
}

std::string exitStatuses(const Vocabulary& words)
{
    std::string out;
    for (const CliExitStatus& exit : cliExitStatuses()) {
        std::string meaning(exit.meaning);
        meaning.front() =
            static_cast<char>(std::toupper(static_cast<unsigned char>(meaning.front())));
        out +=
            ".TP\n.B " + std::to_string(exit.status) + '\n' + roffLine(meaning + '.', words) + '\n';
    }
    return out;
}

} // namespace

Result<std::string> manualPage(std::string_view page)
{
    const Vocabulary words = vocabulary();
    struct Part {
        std::string_view name;
        std::string (*write)(const Vocabulary& words);
        bool written = false;
    };
    Part parts[] = {{"synopsis", synopsis},
                    {"commands", commands},
                    {"options", options},
                    {"exit status", exitStatuses}};
    std::string out;
    LineCursor lines(page);
    for (std::string_view line; lines.next(line);) {
        if (!line.starts_with(kMarker)) {
            out.append(line).append("\n");
            continue;
        }
        const std::string_view name = line.substr(kMarker.size());
        Part* part = std::find_if(std::begin(parts), std::end(parts),
                                  [&](const Part& p) { return p.name == name; });
        if (part == std::end(parts))
            return Result<std::string>::failure("unknown part '" + std::string(name) + "'");
        out += part->write(words);
        part->written = true;
    }
    for (const Part& part : parts) {
        if (!part.written)
            return Result<std::string>::failure("the template lacks the part '" +
                                                std::string(part.name) + "'");
    }
    return out;
}

} // namespace kavrin::cli
