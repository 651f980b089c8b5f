#include "cli/ListCommand.h"

#include "cli/StationFileInput.h"
#include "core/Clock.h"
#include "core/StationList.h"
#include "core/TextCodec.h"

namespace kavrin::cli {

namespace {

// One row is one line: tabs and line breaks inside a text (a comment may span lines) would
// split it.
std::string field(const std::u16string& text)
{
    std::string utf8 = utf16ToUtf8(text);
    for (char& c : utf8) {
        if (c == '\t' || c == '\n' || c == '\r')
            c = ' ';
    }
    return utf8;
}

void printRows(const std::vector<StationRow>& rows, std::ostream& out)
{
    for (const StationRow& row : rows)
        out << field(row.name) << '\t' << field(row.summary) << '\t' << (row.onAir ? "on" : "off")
            << '\n';
}

} // namespace

int runList(const CliOptions& options, std::ostream& out, std::ostream& err)
{
    ORVImpl base;
    if (const Result loaded = loadStationFile(options.file, base); !loaded) {
        err << "kavrin: cannot read " << options.file << ": " << loaded.reason() << '\n';
        return 1;
    }

    // Local hours use the offset in force now, also when "on the air" is judged at another moment.
    ClockReading moment = readClock();
    if (options.at)
        moment.utc = *options.at;

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
    out << field(statusText(listing.itemsInBase, static_cast<int>(listing.rows.size()))) << '\n';
    return 0;
}

} // namespace kavrin::cli
