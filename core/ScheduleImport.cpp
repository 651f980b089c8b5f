#include "core/ScheduleImport.h"

#include "core/Modulation.h"
#include "core/NumberText.h"
#include "core/ScheduleColumns.h"
#include "core/TextCodec.h"

#include <fstream>
#include <optional>
#include <string>
#include <string_view>

namespace kavrin {

namespace {

constexpr std::size_t kDrmAfter = 90;

// The whole file, or nothing when it cannot be opened or a read fails. Reading it all before
// parsing means a read error can never leave the base half replaced.
std::optional<std::string> readFile(const std::filesystem::path& path)
{
    // Only a plain file has an end: a device or a pipe would be read until memory runs out, or
    // waited on for ever.
    std::error_code kindUnknown;
    if (!std::filesystem::is_regular_file(path, kindUnknown))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string bytes;
    std::error_code sizeUnknown;
    if (const auto size = std::filesystem::file_size(path, sizeUnknown); !sizeUnknown)
        bytes.reserve(size);
    char chunk[64 * 1024];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0)
        bytes.append(chunk, static_cast<std::size_t>(in.gcount()));
    if (in.bad())
        return std::nullopt;
    return bytes;
}

// Hands out the lines of a text one by one, the way they were written: a final line without a
// line feed is still a line, a line feed ending the text opens no further one.
class LineCursor {
public:
    explicit LineCursor(std::string_view text) : m_rest(text) {}

    bool next(std::string_view& line)
    {
        if (m_rest.empty())
            return false;
        const auto end = m_rest.find('\n');
        line = m_rest.substr(0, end);
        m_rest.remove_prefix(end == std::string_view::npos ? m_rest.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        ++m_number;
        return true;
    }

    int number() const { return m_number; }

private:
    std::string_view m_rest;
    int m_number = 0;
};

// Schedules come both as UTF-8 and in a single-byte code page; a field that is not valid UTF-8
// is read one byte one character, so no input turns into replacement characters.
std::u16string decodeField(std::string_view bytes)
{
    return isValidUtf8(bytes) ? utf8ToUtf16(bytes) : latin1ToUtf16(bytes);
}

std::u16string messageTitle(int lineNumber)
{
    return u"Cannot parse string: " + widenAscii(std::to_string(lineNumber));
}

// The time column, with an end of 24:00 read as 23:59, the last minute of the day.
struct ScheduleHours {
    int fromHour, fromMin, toHour, toMin;

    explicit ScheduleHours(const ScheduleFields& fields)
        : fromHour(parseIntPrefix(fields.fromHour)), fromMin(parseIntPrefix(fields.fromMin)),
          toHour(parseIntPrefix(fields.toHour)), toMin(parseIntPrefix(fields.toMin))
    {
        if (toHour == 24 && toMin == 0) {
            toHour = 23;
            toMin = 59;
        }
    }

    // Taken as unsigned, so a negative hour is out of range too. Minutes are not checked.
    bool inRange() const
    {
        return static_cast<unsigned>(fromHour) <= 24 && static_cast<unsigned>(toHour) <= 24;
    }
};

ORVImpl::FreqInfo makeStation(std::string_view line, const ScheduleFields& fields,
                              const ScheduleHours& hours)
{
    ORVImpl::FreqInfo record;
    record.stName = decodeField(fields.name);
    record.freqRX[0] = parseIntPrefix(fields.frequency) * 0.001;
    record.stLoc = decodeField(fields.location);
    record.stComment = u"PWR: " + decodeField(fields.power) + u"; " + decodeField(fields.language);
    const auto drm = line.find("DRM");
    record.modulation = drm != std::string_view::npos && drm > kDrmAfter ? MOD_DRM : MOD_AM;
    record.usePattern = 1;
    record.showPropGMT = 1;
    record.fromHour = hours.fromHour;
    record.fromMin = hours.fromMin;
    record.toHour = hours.toHour;
    record.toMin = hours.toMin;
    if (fields.days) {
        for (int k = 1; k <= 7; ++k)
            record.days[k - 1] =
                fields.days->find(static_cast<char>('0' + k)) != std::string_view::npos;
    }
    return record;
}

class ScheduleParser {
public:
    ScheduleParser(const ScheduleColumns& columns, ORVImpl& base,
                   const ScheduleMessageSink& onMessage)
        : m_columns(columns), m_base(base), m_onMessage(onMessage)
    {
    }

    void parseLine(std::string_view line, int lineNumber)
    {
        if (line.empty() || line.front() == ';') {
            ++m_result.linesSkipped;
            return;
        }
        const ScheduleFields fields = cutScheduleFields(line, m_columns);
        if (fields.frequency.empty()) {
            ++m_result.linesSkipped;
            return;
        }
        const ScheduleHours hours(fields);
        if (!hours.inRange()) {
            refuse(line, lineNumber);
            return;
        }
        m_base.Add(makeStation(line, fields, hours));
        ++m_result.stationsImported;
    }

    ScheduleImportResult result() const { return m_result; }

private:
    void refuse(std::string_view line, int lineNumber)
    {
        ++m_result.linesRefused;
        if (!m_onMessage || m_messagesDeclined)
            return;
        const ScheduleLineMessage message{lineNumber, messageTitle(lineNumber), decodeField(line)};
        m_messagesDeclined = m_onMessage(message) == ScheduleMessageReply::SkipRemaining;
    }

    const ScheduleColumns& m_columns;
    ORVImpl& m_base;
    const ScheduleMessageSink& m_onMessage;
    bool m_messagesDeclined = false;
    ScheduleImportResult m_result{ScheduleImportStatus::Imported};
};

} // namespace

ScheduleImportResult importSchedule(const std::filesystem::path& path, ORVImpl& base,
                                    const ScheduleMessageSink& onMessage)
{
    const std::optional<std::string> text = readFile(path);
    if (!text)
        return {ScheduleImportStatus::CannotOpen};

    LineCursor lines(*text);
    std::string_view line;
    std::optional<ScheduleColumns> columns;
    if (lines.next(line) && lines.next(line))
        columns = findScheduleColumns(line);
    if (!columns)
        return {ScheduleImportStatus::UnknownFormat};

    base.Clear();
    ScheduleParser parser(*columns, base, onMessage);
    while (lines.next(line))
        parser.parseLine(line, lines.number());
    return parser.result();
}

} // namespace kavrin
