#include "cli/ListCommand.h"

#include "cli/StationFileInput.h"
#include "cli/StationRows.h"
#include "cli/UtcMoment.h"
#include "core/list/StationList.h"

namespace kavrin::cli {

int runList(const CliOptions& options, std::ostream& out, std::ostream& err)
{
    ORVImpl base;
    if (!loadStationFile(options.file, base, err))
        return 1;
    const ClockReading moment = listingClock(options.at);

    if (options.search) {
        const SearchResult result =
            buildSearchResult(base, options.filter, *options.search, options.matchCase, moment.utc,
                              moment.localOffsetSeconds);
        printRows(result.rows, out);
        out << "Search results\n";
        if (result.matchCount == 0)
            err << "Search results list is empty\n";
        return 0;
    }

    const StationListing listing =
        buildDisplayedSet(base, options.filter, moment.utc, moment.localOffsetSeconds);
    printRows(listing.rows, out);
    printStatusLine(statusText(listing.itemsInBase, static_cast<int>(listing.rows.size())), out);
    return 0;
}

} // namespace kavrin::cli
