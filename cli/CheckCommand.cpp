#include "cli/CheckCommand.h"

#include "cli/StationFileInput.h"
#include "core/list/StationList.h"

namespace kavrin::cli {

int runCheck(const CliOptions& options, std::ostream& out, std::ostream& err)
{
    ORVImpl base;
    if (!loadStationFile(options.file, base, err))
        return 1;
    out << usedStationCount(base) << '\n';
    return 0;
}

} // namespace kavrin::cli
