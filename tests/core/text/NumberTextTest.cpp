#include "core/text/NumberText.h"
#include "core/text/TextCodec.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>

using namespace kavrin;

TEST(NumberText, DoublePrefixFollowsTheStandardRule)
{
    struct Case {
        std::string text;
        double value;
    };
    const Case cases[] = {
        {"7.1", 7.1},  {"  +2.5x", 2.5}, {"-3", -3}, {"1,5", 1},    {"abc", 0},    {"", 0},
        {"1e3", 1000}, {".5", 0.5},      {"+-1", 0}, {"1e-400", 0}, {"\t\n 4", 4}, {"5.", 5},
    };
    for (const Case& c : cases)
        EXPECT_EQ(parseDoublePrefix(c.text), c.value) << c.text;
    EXPECT_TRUE(std::isinf(parseDoublePrefix(std::string("1e400"))));
}

TEST(NumberText, IntPrefixFollowsTheStandardRuleAndClamps)
{
    struct Case {
        std::string text;
        int value;
    };
    const Case cases[] = {
        {"62", 62},
        {" -7z", -7},
        {"x", 0},
        {"+12", 12},
        {"", 0},
        {"99999999999", 2147483647},
        {"-99999999999", -2147483648},
    };
    for (const Case& c : cases)
        EXPECT_EQ(parseIntPrefix(c.text), c.value) << c.text;
    EXPECT_EQ(parseIntPrefix(std::u16string_view(u"\u0661")), 0); // Arabic-Indic digit is no digit
}

TEST(NumberText, FormattingIgnoresTheUserLocale)
{
    const char* previous = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    EXPECT_EQ(formatG9(7.099999904632568), "7.0999999");
    EXPECT_EQ(formatG9(123456789.5), "123456790");
    EXPECT_EQ(formatFixed(7.0, 3), "7.000");
    EXPECT_EQ(parseDoublePrefix(std::string("7.5")), 7.5);
    if (previous)
        std::setlocale(LC_NUMERIC, "C");
}

TEST(TextCodec, RoundTripsAndRepairsInvalidInput)
{
    const std::u16string text = u"Радио \U0001F4FB ok";
    EXPECT_EQ(utf8ToUtf16(utf16ToUtf8(text)), text);
    EXPECT_TRUE(isValidUtf8(utf16ToUtf8(text)));
    EXPECT_FALSE(isValidUtf8("\xC3"));
    EXPECT_FALSE(isValidUtf8("\xC0\x80"));     // overlong
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80")); // surrogate
    EXPECT_EQ(utf8ToUtf16("a\xFF"
                          "b"),
              u"a\uFFFDb");
    EXPECT_EQ(utf16ToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
    EXPECT_EQ(latin1ToUtf16("\xE9"), u"\u00e9");
}
