#pragma once

#include "core/base/ORVImpl.h"
#include "core/system/Result.h"

#include <string_view>

namespace kavrin {

// The fields of one line of a CSV or text broadcast schedule, decoded and trimmed of blanks. The
// text schedule has no persistence or validity columns; those stay empty.
struct ScheduleLineFields {
    std::u16string_view khz;         // a decimal number: "16.4", "5955", "11780.5"
    std::u16string_view time;        // "HHMM-HHMM", UTC; the end may be "2400"
    std::u16string_view days;        // see parseScheduleDays; a sideband "LSB"/"USB" in utilities
    std::u16string_view itu;         // the station's country code: "G", "USA"
    std::u16string_view station;     // the name
    std::u16string_view language;    // language codes ("E", "A,F") or a mode marker ("-CW")
    std::u16string_view target;      // the target area: "ME", "SAs"
    std::u16string_view remarks;     // a site code, "/XYZ" or "/XYZ-s" for a relay, other notes
    std::u16string_view persistence; // one digit; not kept
    std::u16string_view start;       // validity, "DDMM" or empty
    std::u16string_view stop;        // validity, "DDMM" or empty, maybe followed by "[DDMM]", the
                                     // date it was last logged
};

// The record of one schedule line:
// - stName: the name; freqRX[0]: kHz / 1000 as written (the double nearest to that decimal);
// - modulation: LSB or USB when the days field is that sideband, CW for "-CW", Digital for "-TY"
//   or "-HF", DRM when "DRM" is in the name or the remarks, AM otherwise;
// - fromHour … toMin: the time, an end of 2400 made 23:59 (a window may cross midnight);
//   usePattern 1, showPropGMT 1 (the hours are GMT);
// - days: those of parseScheduleDays; a form that names no plain weekday sets every day;
// - stLoc: the country code followed by the place of the first word of the remarks: a relay as
//   written ("G/CYP", "G/CYP-s"), a site code (one to four letters or digits, "DRM" excepted)
//   after a dash ("G-w");
// - stComment: "; "-separated "Lng: <codes>" (or "Mode: <what>" for a mode marker, "Mode: Morse"),
//   "Target: <area>", "Days: <form>" for a form that names no plain weekday (a sideband excepted),
//   the remarks, "valid <start>-<stop>" ("valid from <start>", "valid until <stop>"), and
//   "last logged <date>"; empty parts are left out.
// Characters a station file cannot hold (control characters other than tab, line feed and
// carriage return; U+FFFE, U+FFFF; a surrogate out of its pair) become U+FFFD, as saving would
// make them, so that a saved station reads back equal. Other fields keep their defaults.
//
// Fails, with a short reason for the user, when the frequency is missing, is no decimal number or
// is not a usable frequency, when the time is not HHMM-HHMM with hours 00–23 and minutes 00–59
// (the end may be 2400), or when the name is empty.
Result<ORVImpl::FreqInfo> makeScheduleStation(const ScheduleLineFields& fields);

} // namespace kavrin
