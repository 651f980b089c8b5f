#include "core/schedule/ScheduleFile.h"

#include "core/schedule/CsvScheduleLine.h"
#include "core/schedule/ScheduleImport.h"
#include "core/schedule/ScheduleText.h"
#include "core/schedule/TextScheduleColumns.h"
#include "core/system/PlainFile.h"
#include "core/text/LineCursor.h"
#include "core/text/TextCodec.h"

#include <optional>
#include <string_view>

namespace kavrin {

namespace {

using Decoder = std::u16string (*)(std::string_view);

std::u16string shown(std::u16string text)
{
    if (text.size() > kShownScheduleLineLength)
        text.resize(kShownScheduleLineLength);
    return text;
}

// Counts a skipped line, and lists it while the list is not full; `text` makes its text.
template <typename Text>
void skip(ScheduleFile& schedule, int lineNumber, std::string reason, const Text& text)
{
    ++schedule.skippedLines;
    if (schedule.skipped.size() < kListedSkippedLines)
        schedule.skipped.push_back({lineNumber, std::move(reason), shown(text())});
}

// Turns every data line after the header into a station or a skipped line. `cut` gives the
// fields of a decoded line or says why it cannot.
template <typename Cut>
void readDataLines(LineCursor& lines, Decoder decode, const Cut& cut, ScheduleFile& schedule)
{
    schedule.firstDataLine = lines.number() + 1;
    std::string_view line;
    while (lines.next(line)) {
        if (trimmedBlanks(line).empty())
            continue;
        if (line.size() > kLongestScheduleLine) {
            skip(schedule, lines.number(), "line too long",
                 [&] { return decode(line.substr(0, kShownScheduleLineLength)); });
            continue;
        }
        const std::u16string decoded = decode(line);
        const Result<ScheduleLineFields> fields = cut(decoded);
        Result<ORVImpl::FreqInfo> made =
            fields ? makeScheduleStation(*fields) : Result<ORVImpl::FreqInfo>(fields.error());
        if (made)
            schedule.stations.push_back(std::move(*made));
        else
            skip(schedule, lines.number(), made.reason(), [&decoded] { return decoded; });
    }
}

// The text schedule's columns, with `lines` left after the rule under the header.
std::optional<TextScheduleColumns> findTextHeader(LineCursor& lines)
{
    std::optional<TextScheduleColumns> previous;
    std::string_view line;
    while (lines.next(line)) {
        if (previous && TextScheduleColumns::isRule(line))
            return previous;
        // Most lines are data or titles: only a line that may be the header is looked at closely.
        previous =
            line.size() <= kLongestScheduleLine && line.find("Time(UTC)") != std::string_view::npos
                ? TextScheduleColumns::find(line)
                : std::nullopt;
    }
    return std::nullopt;
}

Result<ScheduleFile> readColumnSchedule(std::string_view bytes)
{
    ScheduleFile schedule;
    schedule.format = ScheduleFormat::Columns;
    const auto refused = [&schedule](const ScheduleLineMessage& message) {
        skip(schedule, message.lineNumber, "hour out of range",
             [&message] { return message.text; });
        return ScheduleMessageReply::Continue;
    };
    ORVImpl base;
    if (const Result<ScheduleImportCounts> imported = importScheduleBytes(bytes, base, refused);
        !imported)
        return imported.error();
    schedule.firstDataLine = 3;
    schedule.stations.reserve(static_cast<std::size_t>(base.GetCount()));
    for (int i = 0; i < base.GetCount(); ++i)
        schedule.stations.push_back(std::move(base[i]));
    return schedule;
}

Result<ScheduleFile> readScheduleBytes(std::string_view bytes)
{
    ScheduleFile schedule;
    std::string_view text = bytes;
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    const Decoder decode = isValidUtf8(text) ? utf8ToUtf16 : windows1252ToUtf16;

    LineCursor csv(text);
    std::string_view first;
    if (csv.next(first) && isCsvScheduleHeader(first)) {
        schedule.format = ScheduleFormat::Csv;
        readDataLines(csv, decode, cutCsvScheduleLine, schedule);
        return schedule;
    }
    LineCursor lines(text);
    if (const std::optional<TextScheduleColumns> columns = findTextHeader(lines)) {
        schedule.format = ScheduleFormat::Text;
        const auto cut = [&columns](std::u16string_view line) {
            return Result<ScheduleLineFields>(columns->cut(line));
        };
        readDataLines(lines, decode, cut, schedule);
        return schedule;
    }
    return readColumnSchedule(bytes);
}

} // namespace

Result<ScheduleFile> readScheduleFile(const std::filesystem::path& path)
{
    std::error_code sizeUnknown;
    if (std::filesystem::is_regular_file(path, sizeUnknown) &&
        std::filesystem::file_size(path, sizeUnknown) > kLargestScheduleFile && !sizeUnknown)
        return Failure{"too large for a schedule", ResultKind::UnknownFormat};
    const Result<std::string> bytes = readPlainFile(path, kLargestScheduleFile);
    if (!bytes)
        return bytes.error();
    return readScheduleBytes(*bytes);
}

} // namespace kavrin
