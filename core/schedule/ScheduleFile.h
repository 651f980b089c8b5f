#pragma once

#include "core/base/ORVImpl.h"
#include "core/system/Result.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace kavrin {

// Broadcast schedules in the three layouts a listener meets, read into a value without touching
// any station base, so that the user can be told what a file holds before anything changes
// (see ScheduleMerge.h for putting the stations into a base).

enum class ScheduleFormat {
    Columns, // the older column-aligned text file that importSchedule reads
    Csv,     // ';'-separated: "kHz:75;Time(UTC):93;Days:59;ITU:49;Station:201;…" and data lines
    Text,    // title lines, a header of kHz, Time(UTC), Days, ITU, Station, Lang., Target and
             // Remarks, a rule of '=', and data lines aligned under the titles
};

// A data line that gave no station.
struct SkippedScheduleLine {
    int lineNumber = 0;  // from 1, counting every line of the file
    std::string reason;  // short, in plain words: "time out of range"
    std::u16string text; // the line as read, cut after kShownScheduleLineLength characters
};

inline constexpr std::size_t kShownScheduleLineLength = 200;
// A CSV or text data line longer than this (in bytes) is skipped unread.
inline constexpr std::size_t kLongestScheduleLine = 4096;
// A file larger than this (in bytes) is no schedule; real ones hold a few megabytes. It bounds
// the memory a read takes: a station per line of some twenty bytes.
inline constexpr std::uintmax_t kLargestScheduleFile = 32 * 1024 * 1024;
// Skipped lines listed one by one; the others are only counted, so that a file of junk after a
// header costs no more memory than the file.
inline constexpr std::size_t kListedSkippedLines = 1000;

struct ScheduleFile {
    ScheduleFormat format = ScheduleFormat::Csv;
    std::vector<ORVImpl::FreqInfo> stations;  // one per data line read, in file order
    int skippedLines = 0;                     // data lines that gave no station
    std::vector<SkippedScheduleLine> skipped; // the first kListedSkippedLines of them, in order
    int firstDataLine = 0;                    // the number of the first line after the header
};

// The schedule at `path`, its format recognised from the content: a CSV header as the first line
// (isCsvScheduleHeader); a text header line directly followed by a rule of '=' anywhere in the file
// (TextScheduleColumns); or the column titles of the older layout on line 2 (findScheduleColumns).
//
// CSV and text: a UTF-8 byte order mark is dropped; the file is UTF-8 when all of it is valid
// UTF-8, windows-1252 otherwise. Every line after the header that is not blank is a data line, and
// each data line gives either a station (makeScheduleStation) or a skipped line: one with the wrong
// number of fields, one longer than kLongestScheduleLine, or one makeScheduleStation refuses,
// with its reason. Blank lines (an empty last line, a stray carriage return) are no data lines.
// So stations + skippedLines = data lines.
//
// Columns: the stations importSchedule makes, and as skipped lines the ones it refuses ("hour out
// of range"); the lines it skips silently are not listed.
//
// Fails with Kind::CannotOpen when the file cannot be opened or read or is no plain file (a
// device, a pipe), with the path and the system's reason, and with Kind::UnknownFormat when it is
// none of the three or larger than kLargestScheduleFile.
Result<ScheduleFile> readScheduleFile(const std::filesystem::path& path);

} // namespace kavrin
