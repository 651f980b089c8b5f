#pragma once

#include "core/base/ORVImpl.h"
#include "core/system/Result.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace kavrin {

// Import of a broadcast schedule text file: one station per schedule line, with one receive
// frequency, its working hours (GMT), its days and a comment of power and language.

// What an import found, line by line.
struct ScheduleImportCounts {
    int stationsImported = 0; // records appended to the base
    int linesSkipped = 0;     // empty lines, ';' comments, lines with a blank frequency
    int linesRefused = 0;     // lines with a start or end hour beyond 24, reported or not
};

// One line the import refused, for the user.
struct ScheduleLineMessage {
    int lineNumber = 0;   // from 1, counting the first line and the header
    std::u16string title; // "Cannot parse string: %d" with lineNumber
    std::u16string text;  // the whole line, without its line end
};

// What the message callback wants next.
enum class ScheduleMessageReply {
    Continue,      // deliver the next message too
    SkipRemaining, // deliver no more messages in this import; the import itself goes on
};

// Called on the importing thread for each refused line until it answers SkipRemaining. It must
// not touch the base being imported into. An empty function receives nothing.
using ScheduleMessageSink = std::function<ScheduleMessageReply(const ScheduleLineMessage&)>;

// Reads the schedule at `path` and, when its header is recognised, replaces every station of
// `base` with the stations of its lines, in file order, and gives what it found.
//
// The file is bytes: columns count bytes, lines end at a line feed and a carriage return ending a
// line is dropped. Line 1 is ignored; line 2 is the header (see findScheduleColumns). Each
// following line is skipped silently when it is empty, starts with ';' or has a blank frequency
// field, and refused with a message when its start or end hour, taken as unsigned, is beyond 24
// (an end of 24:00 is first made 23:59). Every other line becomes a record:
// - stName, stLoc: the name and location fields; text fields are decoded as UTF-8 when their
//   bytes are valid UTF-8 and as ISO-8859-1 otherwise;
// - freqRX[0]: the frequency field as a whole number × 0.001 (MHz); text that is no number gives 0
//   and the record is still added;
// - stComment: "PWR: <power>; <language>";
// - modulation: DRM when "DRM" first occurs in the line past byte 90, AM otherwise;
// - fromHour, fromMin, toHour, toMin from the time column, without range checks on minutes;
//   usePattern 1, showPropGMT 1;
// - days[k − 1] set exactly when the digit k (1 Sunday … 7 Saturday) is in the days field, so an
//   empty field sets no day; a header without "Su-W" says nothing of days and sets every day.
// All other fields keep their defaults.
//
// Fails with Kind::CannotOpen when the file cannot be opened or read, or is no plain file (a
// device, a pipe), with the path and the system's reason, and with Kind::UnknownFormat when
// line 2 is missing or lacks a required column title. The base is cleared only once the whole
// file has been read and its header recognised, so on failure it is exactly as it was.
Result<ScheduleImportCounts> importSchedule(const std::filesystem::path& path, ORVImpl& base,
                                            const ScheduleMessageSink& onMessage = {});

// The same import over the bytes of a whole file already read; fails only with
// Kind::UnknownFormat.
Result<ScheduleImportCounts> importScheduleBytes(std::string_view bytes, ORVImpl& base,
                                                 const ScheduleMessageSink& onMessage = {});

} // namespace kavrin
