#include "core/schedule/ScheduleImport.h"

#include "core/schedule/ScheduleColumns.h"
#include "core/schedule/ScheduleWindow.h"
#include "core/station/Modulation.h"
#include "core/system/PlainFile.h"
#include "core/text/LineCursor.h"
#include "core/text/NumberText.h"
#include "core/text/TextCodec.h"

#include <optional>
#include <string>
#include <string_view>

namespace kavrin {

namespace {

constexpr std::size_t kDrmAfter = 90;

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
        endOfDayAsLastMinute(toHour, toMin);
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
    setScheduleHours(record, hours.fromHour, hours.fromMin, hours.toHour, hours.toMin);
    if (fields.days) {
        for (int k = 1; k <= 7; ++k)
            record.days[k - 1] =
                fields.days->find(static_cast<char>('0' + k)) != std::string_view::npos;
    }
    return record;
}

class ScheduleParser {
public:
    ScheduleParser(const ScheduleColumns& columns, ORVImpl& base, ScheduleImportCounts& counts,
                   const ScheduleMessageSink& onMessage)
        : m_columns(columns), m_base(base), m_counts(counts), m_onMessage(onMessage)
    {
    }

    void parseLine(std::string_view line, int lineNumber)
    {
        if (line.empty() || line.front() == ';') {
            ++m_counts.linesSkipped;
            return;
        }
        const ScheduleFields fields = cutScheduleFields(line, m_columns);
        if (fields.frequency.empty()) {
            ++m_counts.linesSkipped;
            return;
        }
        const ScheduleHours hours(fields);
        if (!hours.inRange()) {
            refuse(line, lineNumber);
            return;
        }
        m_base.Add(makeStation(line, fields, hours));
        ++m_counts.stationsImported;
    }

private:
    void refuse(std::string_view line, int lineNumber)
    {
        ++m_counts.linesRefused;
        if (!m_onMessage || m_messagesDeclined)
            return;
        const ScheduleLineMessage message{lineNumber, messageTitle(lineNumber), decodeField(line)};
        m_messagesDeclined = m_onMessage(message) == ScheduleMessageReply::SkipRemaining;
    }

    const ScheduleColumns& m_columns;
    ORVImpl& m_base;
    ScheduleImportCounts& m_counts;
    const ScheduleMessageSink& m_onMessage;
    bool m_messagesDeclined = false;
};

} // namespace

Result<ScheduleImportCounts> importSchedule(const std::filesystem::path& path, ORVImpl& base,
                                            const ScheduleMessageSink& onMessage)
{
    const Result<std::string> text = readPlainFile(path);
    if (!text)
        return text.error();
    return importScheduleBytes(*text, base, onMessage);
}

Result<ScheduleImportCounts> importScheduleBytes(std::string_view bytes, ORVImpl& base,
                                                 const ScheduleMessageSink& onMessage)
{
    LineCursor lines(bytes);
    std::string_view line;
    std::optional<ScheduleColumns> columns;
    if (lines.next(line) && lines.next(line))
        columns = findScheduleColumns(line);
    if (!columns)
        return Failure{"unknown format", ResultKind::UnknownFormat};

    base.Clear();
    ScheduleImportCounts counts;
    ScheduleParser parser(*columns, base, counts, onMessage);
    while (lines.next(line))
        parser.parseLine(line, lines.number());
    return counts;
}

} // namespace kavrin
