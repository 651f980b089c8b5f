#include "cli/StationRows.h"

#include "core/text/TextCodec.h"

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

} // namespace

void printRows(const std::vector<StationRow>& rows, std::ostream& out)
{
    for (const StationRow& row : rows)
        out << field(row.name) << '\t' << field(row.summary) << '\t' << (row.onAir ? "on" : "off")
            << '\n';
}

void printStatusLine(const std::u16string& status, std::ostream& out)
{
    out << field(status) << '\n';
}

} // namespace kavrin::cli
