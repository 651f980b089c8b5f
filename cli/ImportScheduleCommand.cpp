#include "cli/ImportScheduleCommand.h"

#include "core/ScheduleImport.h"
#include "core/TextCodec.h"

namespace kavrin::cli {

int runImportSchedule(const CliOptions& options, std::ostream& out, std::ostream& err)
{
    ORVImpl base;
    const auto report = [&err](const ScheduleLineMessage& message) {
        err << utf16ToUtf8(message.title) << ": " << utf16ToUtf8(message.text) << '\n';
        return ScheduleMessageReply::Continue;
    };
    ScheduleImportCounts counts;
    if (const Result imported = importSchedule(options.file, base, counts, report); !imported) {
        if (imported.kind() == Result::Kind::CannotOpen)
            err << "kavrin: Cannot open file " << options.file << '\n';
        else
            err << "kavrin: " << options.file << ": Cannot import data - unknown format\n";
        return 1;
    }
    if (const Result saved = base.Save(options.output); !saved) {
        err << "kavrin: cannot save " << options.output << ": " << saved.reason() << '\n';
        return 1;
    }
    out << counts.stationsImported << " stations imported\n";
    return 0;
}

} // namespace kavrin::cli
