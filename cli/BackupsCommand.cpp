#include "cli/BackupsCommand.h"

#include "core/file/StationBackups.h"
#include "core/text/LocalTimeText.h"

namespace kavrin::cli {

int runBackups(const CliOptions& options, std::ostream& out, std::ostream& err)
{
    const std::vector<StationBackup> backups = listBackups(options.file);
    if (backups.empty()) {
        err << "kavrin: no backups of " << options.file << " in " << backupFolderOf(options.file)
            << '\n';
        return 0;
    }
    for (const StationBackup& backup : backups) {
        std::error_code unknown;
        const std::uintmax_t size = std::filesystem::file_size(backup.path, unknown);
        out << localDateTimeText(backup.replacedUtc) << '\t'
            << (unknown ? std::string("?") : std::to_string(size)) << '\t' << backup.path.string()
            << '\n';
    }
    return 0;
}

} // namespace kavrin::cli
