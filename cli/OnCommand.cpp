#include "cli/OnCommand.h"

#include "cli/StationFileInput.h"
#include "cli/StationRows.h"
#include "cli/UtcMoment.h"
#include "core/list/StationList.h"
#include "core/tuning/StationsOnFrequency.h"

namespace kavrin::cli {

int runOn(const CliOptions& options, std::ostream& out, std::ostream& err)
{
    ORVImpl base;
    if (!loadStationFile(options.file, base, err))
        return 1;
    const ClockReading moment = listingClock(options.at);
    const std::vector<FrequencyMatch> matches = stationsOnFrequency(
        base, options.mhz, options.toleranceKhz.value_or(defaultToleranceKhz(options.mhz)),
        moment.utc);
    std::vector<StationRow> rows;
    for (const FrequencyMatch& match : matches)
        rows.push_back(makeRow(base[match.index], match.index, match.onAir,
                               options.filter.useLocalTime != 0, moment.localOffsetSeconds));
    printRows(rows, out);
    printStatusLine(statusText(usedStationCount(base), static_cast<int>(rows.size())), out);
    return 0;
}

} // namespace kavrin::cli
