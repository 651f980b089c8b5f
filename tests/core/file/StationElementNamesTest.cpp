#include "core/file/StationElementNames.h"

#include <gtest/gtest.h>

#include <string>

using namespace kavrin;

namespace {

// `text` through a fresh filter, fed in pieces of `piece` bytes as a load reads a file.
std::string filtered(const std::string& text, std::size_t piece)
{
    StationElementNames names;
    std::string out;
    std::string pending;
    for (std::size_t at = 0; at < text.size() || !pending.empty();) {
        pending += text.substr(at, piece);
        at = std::min(text.size(), at + piece);
        const bool last = at == text.size();
        const std::size_t ready = names.filter(pending, last);
        out += pending.substr(0, ready);
        pending.erase(0, ready);
        if (last && !pending.empty())
            ADD_FAILURE() << "the last piece held bytes back";
        if (last)
            break;
    }
    return out;
}

} // namespace

TEST(StationElementNames, RewritesOnlyTheNumberedNamesOfStationElements)
{
    struct Case {
        const char* what;
        std::string text;
        std::string expected; // empty: unchanged
    };
    const std::string head = "<?xml version=\"1.0\"?>\n<FREQS_LIST>\n";
    const std::string tail = "</FREQS_LIST>\n";
    const Case cases[] = {
        {"as the programs write it",
         head + "\t<Freq-0 StName=\"A\"/>\n\t<Freq-12 StName=\"B\"></Freq-12 >\n" + tail,
         head + "\t<Freq-  StName=\"A\"/>\n\t<Freq-   StName=\"B\"></Freq-   >\n" + tail},
        {"markup inside attribute values, comments, instructions and CDATA",
         head +
             "<Freq-1 a='<Freq-2 >' b=\"/>\"><!-- <Freq-3> --><?p <Freq-4 ?>"
             "<![CDATA[</Freq-1>]]></Freq-1>" +
             tail,
         head +
             "<Freq-  a='<Freq-2 >' b=\"/>\"><!-- <Freq-3> --><?p <Freq-4 ?>"
             "<![CDATA[</Freq-1>]]></Freq- >" +
             tail},
        {"elements inside a station and the document element keep their names",
         "<Freq-1><Freq-2><Freq-3/></Freq-2></Freq-1>",
         "<Freq-1><Freq- ><Freq-3/></Freq- ></Freq-1>"},
        {"other names", head + "<Freq-1a/><Freq-/><Station-1/><freq-1/>" + tail, ""},
        {"an end tag of another name still does not match",
         head + "<Freq-7></Freq-8><Freq-9></Freq->" + tail,
         head + "<Freq- ></Freq-8><Freq- ></Freq_>" + tail},
        {"ASCII-compatible encodings",
         "<?xml version='1.0' encoding='iso-8859-1'?><L><Freq-5/></L>",
         "<?xml version='1.0' encoding='iso-8859-1'?><L><Freq- /></L>"},
        {"other encodings", "<?xml version=\"1.0\" encoding=\"ISO-2022-JP\"?><L><Freq-5/></L>", ""},
        {"UTF-16", std::string("<\0F\0", 4) + "<L><Freq-5/></L>", ""},
        {"a document type declaration stops it", "<!DOCTYPE L [<!ENTITY e \"x\">]><L><Freq-5/></L>",
         ""},
        {"a byte-order mark", "\xEF\xBB\xBF<L><Freq-5/></L>", "\xEF\xBB\xBF<L><Freq- /></L>"},
    };
    for (const Case& c : cases) {
        const std::string& expected = c.expected.empty() ? c.text : c.expected;
        for (std::size_t piece : {std::size_t{1}, std::size_t{3}, std::size_t{7}, c.text.size()})
            EXPECT_EQ(filtered(c.text, piece), expected) << c.what << ", pieces of " << piece;
    }
}
