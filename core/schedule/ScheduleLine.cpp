#include "core/schedule/ScheduleLine.h"

#include "core/schedule/ScheduleDays.h"
#include "core/schedule/ScheduleWindow.h"
#include "core/station/Modulation.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string>

namespace kavrin {

namespace {

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

bool allDigits(std::u16string_view text)
{
    return std::all_of(text.begin(), text.end(), isDigit);
}

// A decimal number of kHz in MHz. The decimal point is moved three places in the text before
// the text is converted, so 16.4 kHz becomes the double nearest to 0.0164, the very value a
// station file reads back from "0.0164"; dividing the double 16.4 by 1000 could miss it by one
// unit in the last place.
std::optional<double> megahertzOf(std::u16string_view khz)
{
    const std::size_t dot = khz.find(u'.');
    const std::u16string_view whole = khz.substr(0, dot);
    const std::u16string_view fraction =
        dot == std::u16string_view::npos ? std::u16string_view() : khz.substr(dot + 1);
    constexpr std::size_t kMostDigits = 24;
    if (whole.empty() || whole.size() + fraction.size() > kMostDigits || !allDigits(whole) ||
        !allDigits(fraction))
        return std::nullopt;
    std::string text;
    const auto append = [&text](std::u16string_view digits) {
        for (char16_t c : digits)
            text.push_back(static_cast<char>(c));
    };
    if (whole.size() > 3) {
        append(whole.substr(0, whole.size() - 3));
        text += '.';
        append(whole.substr(whole.size() - 3));
    } else {
        text = "0." + std::string(3 - whole.size(), '0');
        append(whole);
    }
    append(fraction);
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

int twoDigits(std::u16string_view text, std::size_t at)
{
    return (text[at] - u'0') * 10 + (text[at + 1] - u'0');
}

struct Window {
    int fromHour, fromMin, toHour, toMin;
};

Result<Window> readWindow(std::u16string_view time)
{
    if (time.size() != 9 || time[4] != u'-' || !allDigits(time.substr(0, 4)) ||
        !allDigits(time.substr(5)))
        return Failure{"time is not HHMM-HHMM"};
    Window window = {twoDigits(time, 0), twoDigits(time, 2), twoDigits(time, 5),
                     twoDigits(time, 7)};
    endOfDayAsLastMinute(window.toHour, window.toMin);
    if (window.fromHour > 23 || window.fromMin > 59 || window.toHour > 23 || window.toMin > 59)
        return Failure{"time out of range"};
    return window;
}

// What a mode marker in the language field stands for, and the modulation it implies.
struct ModeMarker {
    std::u16string_view marker;
    std::u16string_view meaning;
    int modulation; // MOD_AM: the marker says nothing of the modulation
};

constexpr ModeMarker kModeMarkers[] = {
    {u"-CW", u"Morse", MOD_CW},        {u"-TY", u"teletype", MOD_DIGITAL},
    {u"-HF", u"HF data", MOD_DIGITAL}, {u"-TS", u"time signal", MOD_AM},
    {u"-MX", u"music", MOD_AM},
};

const ModeMarker* modeMarker(std::u16string_view language)
{
    const auto* found = std::find_if(std::begin(kModeMarkers), std::end(kModeMarkers),
                                     [&](const ModeMarker& m) { return m.marker == language; });
    return found == std::end(kModeMarkers) ? nullptr : found;
}

std::optional<int> sideband(std::u16string_view days)
{
    if (days == u"LSB")
        return MOD_LSB;
    if (days == u"USB")
        return MOD_USB;
    return std::nullopt;
}

int modulationOf(const ScheduleLineFields& f)
{
    if (const std::optional<int> band = sideband(f.days))
        return *band;
    if (const ModeMarker* mode = modeMarker(f.language); mode && mode->modulation != MOD_AM)
        return mode->modulation;
    if (f.station.find(u"DRM") != std::u16string_view::npos ||
        f.remarks.find(u"DRM") != std::u16string_view::npos)
        return MOD_DRM;
    return MOD_AM;
}

bool isSiteCode(std::u16string_view word)
{
    const auto alphanumeric = [](char16_t c) {
        return isDigit(c) || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
    };
    return !word.empty() && word.size() <= 4 && word != u"DRM" &&
           std::all_of(word.begin(), word.end(), alphanumeric);
}

std::u16string locationOf(const ScheduleLineFields& f)
{
    std::u16string location(f.itu);
    const std::u16string_view place = f.remarks.substr(0, f.remarks.find(u' '));
    if (!place.empty() && place[0] == u'/')
        location += place;
    else if (isSiteCode(place))
        location += u"-" + std::u16string(place);
    return location;
}

// The parts of the comment, each left out when empty.
class CommentParts {
public:
    void add(std::u16string_view label, std::u16string_view text)
    {
        if (text.empty())
            return;
        if (!m_text.empty())
            m_text += u"; ";
        m_text += label;
        m_text += text;
    }

    std::u16string take() { return std::move(m_text); }

private:
    std::u16string m_text;
};

std::u16string commentOf(const ScheduleLineFields& f, bool dayFormKept)
{
    CommentParts parts;
    if (const ModeMarker* mode = modeMarker(f.language))
        parts.add(u"Mode: ", mode->meaning);
    else
        parts.add(u"Lng: ", f.language);
    parts.add(u"Target: ", f.target);
    if (dayFormKept)
        parts.add(u"Days: ", f.days);
    parts.add(u"", f.remarks);

    std::u16string_view stop = f.stop;
    std::u16string_view lastLogged;
    if (const std::size_t bracket = stop.find(u'['); bracket != std::u16string_view::npos) {
        lastLogged = stop.substr(bracket + 1);
        lastLogged = lastLogged.substr(0, lastLogged.find(u']'));
        stop = stop.substr(0, bracket);
        while (!stop.empty() && stop.back() == u' ')
            stop.remove_suffix(1);
    }
    if (!f.start.empty() && !stop.empty())
        parts.add(u"valid ", std::u16string(f.start) + u"-" + std::u16string(stop));
    else if (!f.start.empty())
        parts.add(u"valid from ", f.start);
    else
        parts.add(u"valid until ", stop);
    parts.add(u"last logged ", lastLogged);
    return parts.take();
}

// As saving stores it: a column cut of a UTF-8 line can split a surrogate pair, and the writer
// turns a lone surrogate into U+FFFD like the characters XML cannot hold.
std::u16string storable(std::u16string text)
{
    const auto isHigh = [](char16_t c) { return c >= 0xD800 && c <= 0xDBFF; };
    const auto isLow = [](char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (isHigh(c) && i + 1 < text.size() && isLow(text[i + 1]))
            ++i;
        else if ((c < 0x20 && c != u'\t' && c != u'\n' && c != u'\r') || c == 0xFFFE ||
                 c == 0xFFFF || isHigh(c) || isLow(c))
            text[i] = 0xFFFD;
    }
    return text;
}

} // namespace

Result<ORVImpl::FreqInfo> makeScheduleStation(const ScheduleLineFields& fields)
{
    if (fields.khz.empty())
        return Failure{"no frequency"};
    const std::optional<double> mhz = megahertzOf(fields.khz);
    if (!mhz)
        return Failure{"frequency is not a number of kHz"};
    if (!isUsableFreq(*mhz))
        return Failure{"frequency out of range"};
    const Result<Window> read = readWindow(fields.time);
    if (!read)
        return read.error();
    const Window& window = *read;
    if (fields.station.empty())
        return Failure{"no station name"};

    ORVImpl::FreqInfo station;
    station.stName = storable(std::u16string(fields.station));
    station.freqRX[0] = *mhz;
    station.modulation = modulationOf(fields);
    setScheduleHours(station, window.fromHour, window.fromMin, window.toHour, window.toMin);
    const std::optional<std::array<bool, 7>> days = parseScheduleDays(fields.days);
    for (int day = 0; day < 7; ++day)
        station.days[day] = !days || (*days)[day];
    station.stLoc = storable(locationOf(fields));
    station.stComment = storable(commentOf(fields, !days && !sideband(fields.days)));
    return station;
}

} // namespace kavrin
