#include "core/station/Summary.h"

#include "core/station/Modulation.h"
#include "core/station/OnAir.h"
#include "core/system/Clock.h"
#include "core/text/HourText.h"
#include "core/text/NumberText.h"

namespace kavrin {

namespace {

constexpr std::size_t kLargestKeptBuffer = 4096;

// Every non-zero slot as "%.9g, ", then every trailing comma and space of the line is stripped,
// which also takes the blank of an "RX: " prefix whose list is empty.
void appendSlotList(std::u16string& line, const double (&slots)[10])
{
    for (double v : slots) {
        if (v != 0) {
            const std::string number = formatG9(v);
            line.append(number.begin(), number.end());
            line += u", ";
        }
    }
    while (!line.empty() && (line.back() == u',' || line.back() == u' '))
        line.pop_back();
}

void appendFrequencies(std::u16string& line, const FreqInfo& r)
{
    const bool hasRX = r.CountRX() > 0;
    const bool hasTX = r.CountTX() > 0;
    if (hasRX && !hasTX) {
        appendSlotList(line, r.freqRX);
        line += u" MHz, ";
    } else if (hasTX && !hasRX) {
        line += u"TX: ";
        appendSlotList(line, r.freqTX);
        line += u" MHz, ";
    } else {
        line += u"RX: ";
        appendSlotList(line, r.freqRX);
        line += u" MHz; TX: ";
        appendSlotList(line, r.freqTX);
        line += u" MHz ";
    }
}

void appendHours(std::u16string& line, const FreqInfo& r, bool localTime, int localOffsetSeconds)
{
    if (worksAllDay(r)) {
        line += u"24h; ";
        return;
    }
    line += FormatHourTextAt(r.fromHour, r.fromMin, localTime, localOffsetSeconds);
    line += u'-';
    line += FormatHourTextAt(r.toHour, r.toMin, localTime, localOffsetSeconds);
    line += localTime ? u"; " : u" GMT; ";
}

void appendPart(std::u16string& line, const std::u16string& text)
{
    if (!text.empty()) {
        line += text;
        line += u"; ";
    }
}

bool isWhiteSpace(char16_t c)
{
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}

} // namespace

void MakeSummaryAt(const FreqInfo& record, std::u16string& nameOut, std::u16string& summaryOut,
                   bool localTime, int localOffsetSeconds)
{
    nameOut = record.stName;

    // The line is put together in a buffer that lives as long as the thread, then copied out at
    // its exact size: a list keeps 100,000 of these lines, and allocating each one once, no
    // larger than it is, makes both the refill and the freeing of the previous list cheaper.
    thread_local std::u16string line;
    line.clear();
    appendFrequencies(line, record);
    line += modulationToken(record.modulation);
    appendHours(line, record, localTime, localOffsetSeconds);
    appendPart(line, record.stLoc);
    appendPart(line, record.stComment);
    while (!line.empty() && isWhiteSpace(line.back()))
        line.pop_back();
    summaryOut.assign(line);
    if (line.capacity() > kLargestKeptBuffer)
        line = std::u16string(); // a huge comment does not keep its memory for the thread's life
}

void makeSummary(const FreqInfo& record, std::u16string& nameOut, std::u16string& summaryOut,
                 bool localTime)
{
    // The clock is only worth reading when the line shows hours in local time.
    const bool needsOffset = localTime && !worksAllDay(record);
    MakeSummaryAt(record, nameOut, summaryOut, localTime,
                  needsOffset ? readClock().localOffsetSeconds : 0);
}

} // namespace kavrin
