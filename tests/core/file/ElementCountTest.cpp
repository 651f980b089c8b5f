#include "core/file/ElementCount.h"

#include <gtest/gtest.h>

#include <string>

using namespace kavrin;

namespace {

std::string utf16(const std::string& ascii, bool bigEndian, bool bom)
{
    std::string out = bom ? (bigEndian ? "\xFE\xFF" : "\xFF\xFE") : "";
    for (char c : ascii)
        out += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
    return out;
}

std::size_t countWhole(const std::string& bytes)
{
    ElementCounter counter;
    counter.feed(bytes);
    return counter.childElements();
}

} // namespace

TEST(ElementCount, CountsTheSameHoweverTheBytesArePieced)
{
    const std::string file =
        "<?xml version=\"1.0\"?>\n<!-- x -->\n<FREQS_LIST>\n\t<Freq-0 StName=\"a\"/>"
        "<<F/>< x/><_a/><:b/><\xC3\xA9/></c>text<d><e/></d></FREQS_LIST><";
    struct Case {
        std::string name;
        std::string bytes;
        std::size_t children;
    };
    const Case cases[] = {
        {"empty", "", 0},
        {"only a '<'", "<", 0},
        {"no children", "<FREQS_LIST/>", 0},
        {"8-bit", file, 7},
        {"UTF-8 with BOM", "\xEF\xBB\xBF" + file, 7},
        {"UTF-16LE with BOM", utf16(file, false, true), 7},
        {"UTF-16BE with BOM", utf16(file, true, true), 7},
        {"UTF-16LE without BOM", utf16(file, false, false), 7},
        {"UTF-16BE without BOM", utf16(file, true, false), 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(countWhole(c.bytes), c.children);
        for (std::size_t at = 0; at <= c.bytes.size(); ++at) {
            ElementCounter counter;
            counter.feed(std::string_view(c.bytes).substr(0, at));
            counter.feed(std::string_view(c.bytes).substr(at));
            EXPECT_EQ(counter.childElements(), c.children) << "split at " << at;
        }
        ElementCounter byByte;
        for (char byte : c.bytes)
            byByte.feed(std::string_view(&byte, 1));
        EXPECT_EQ(byByte.childElements(), c.children);
    }
}
