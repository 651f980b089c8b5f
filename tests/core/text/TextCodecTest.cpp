#include "core/text/TextCodec.h"

#include <gtest/gtest.h>

#include <string>

using namespace kavrin;

TEST(TextCodec, Utf8ToUtf16ReplacesEachBadByte)
{
    struct Case {
        std::string bytes;
        std::u16string text;
    };
    const Case cases[] = {
        {"", u""},
        {"\x80", u"\uFFFD"},
        {"\xC3", u"\uFFFD"},
        {"\xC3(", u"\uFFFD("},
        {"\xC0\x80", u"\uFFFD\uFFFD"},                     // overlong
        {"\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD"},           // overlong
        {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},           // surrogate
        {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"}, // beyond U+10FFFF
        {"\xE2\x82", u"\uFFFD\uFFFD"},                     // cut off
        {"\xF0\x9F\x93\xBB", u"\U0001F4FB"},
        {"\xEF\xBF\xBD", u"\uFFFD"},
        {"a\xFF"
         "b\xD0\x96",
         u"a\uFFFDb\u0416"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(utf8ToUtf16(c.bytes), c.text) << c.bytes;
}

TEST(TextCodec, NonAsciiAndBadBytesAnywhereInALongText)
{
    const std::string ascii = "Radio Meridian Nord 1";
    for (std::size_t at = 0; at <= ascii.size(); ++at) {
        SCOPED_TRACE(at);
        const std::u16string head(ascii.begin(), ascii.begin() + static_cast<long>(at));
        const std::u16string tail(ascii.begin() + static_cast<long>(at), ascii.end());
        EXPECT_EQ(utf8ToUtf16(ascii.substr(0, at) + "\xC3\xB8" + ascii.substr(at)),
                  head + u"\u00F8" + tail);
        EXPECT_EQ(utf8ToUtf16(ascii.substr(0, at) + "\xFF" + ascii.substr(at)),
                  head + u"\uFFFD" + tail);
        EXPECT_EQ(utf8ToUtf16(ascii.substr(0, at)), head);
    }
}

TEST(TextCodec, IsAsciiLooksAtEveryByte)
{
    EXPECT_TRUE(isAscii(""));
    for (std::size_t size : {1, 7, 8, 9, 16, 17, 23}) {
        std::string text(size, '\x7F');
        EXPECT_TRUE(isAscii(text)) << size;
        for (std::size_t at = 0; at < size; ++at) {
            text[at] = '\x80';
            EXPECT_FALSE(isAscii(text)) << size << " " << at;
            text[at] = '\x7F';
        }
    }
}

TEST(TextCodec, Windows1252DiffersFromLatin1OnlyIn0x80To0x9F)
{
    EXPECT_EQ(windows1252ToUtf16("a\x80\x92\x96\x9F\x81\x9D\xA0\xE1\xFF"),
              u"a\u20AC\u2019\u2013\u0178\u0081\u009D\u00A0\u00E1\u00FF");
}
