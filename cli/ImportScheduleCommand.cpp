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
    const ScheduleImportResult result = importSchedule(options.file, base, report);
    switch (result.status) {
    case ScheduleImportStatus::CannotOpen:
        err << "kavrin: Cannot open file " << options.file << '\n';
        return 1;
    case ScheduleImportStatus::UnknownFormat:
        err << "kavrin: " << options.file << ": Cannot import data - unknown format\n";
        return 1;
    case ScheduleImportStatus::Imported:
        break;
    }
    if (const Result saved = base.Save(options.output); !saved) {
        err << "kavrin: cannot save " << options.output << ": " << saved.reason() << '\n';
        return 1;
    }
    out << result.stationsImported << " stations imported\n";
    return 0;
}

} // namespace kavrin::cli
