#include "cli/ImportScheduleCommand.h"

#include "cli/StationFileInput.h"
#include "core/schedule/ScheduleFile.h"
#include "core/schedule/ScheduleMerge.h"
#include "core/text/TextCodec.h"

namespace kavrin::cli {

int runImportSchedule(const CliOptions& options, std::ostream& out, std::ostream& err)
{
    const Result<ScheduleFile> read = readScheduleFile(options.file);
    if (!read) {
        if (read.kind() == ResultKind::CannotOpen)
            err << "kavrin: Cannot open file " << options.file << '\n';
        else
            err << "kavrin: " << options.file << ": Cannot import data - unknown format\n";
        return 1;
    }
    const ScheduleFile& schedule = *read;
    for (const SkippedScheduleLine& line : schedule.skipped)
        err << "Cannot parse string: " << line.lineNumber << ": " << line.reason << ": "
            << utf16ToUtf8(line.text) << '\n';
    if (const auto more = schedule.skippedLines - static_cast<int>(schedule.skipped.size()))
        err << "kavrin: " << more << " more lines could not be read\n";

    ORVImpl base;
    ScheduleMergeCounts merged;
    if (options.add) {
        if (!loadStationFile(options.output, base, err))
            return 1;
        merged = mergeSchedule(base, schedule.stations);
    } else {
        replaceWithSchedule(base, schedule.stations);
    }
    if (const Result<> saved = base.Save(options.output); !saved) {
        err << "kavrin: cannot save " << options.output << ": " << saved.reason() << '\n';
        return 1;
    }
    if (options.add)
        out << merged.added << " added, " << merged.updated << " updated, " << merged.unchanged
            << " unchanged\n";
    else
        out << schedule.stations.size() << " stations imported\n";
    return 0;
}

} // namespace kavrin::cli
