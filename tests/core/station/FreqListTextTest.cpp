// The loader reads frequency lists and numbers from UTF-8 bytes; the properties dialogs read them
// from UTF-16 text. Both must give the same values for the same text, whatever it holds.

#include "core/station/FreqListText.h"
#include "core/text/NumberText.h"
#include "core/text/TextCodec.h"
#include "core/text/Tokenizer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using namespace kavrin;

namespace {

bool sameDouble(double a, double b)
{
    return (std::isnan(a) && std::isnan(b)) || (a == b && std::signbit(a) == std::signbit(b));
}

std::string printable(const std::string& bytes)
{
    return bytes.size() > 40 ? bytes.substr(0, 40) + "…" : bytes;
}

// Numbers near the 513-character cap, which the conversions keep so that hostile input stays cheap.
std::string zeros(std::size_t count, const std::string& tail)
{
    return std::string(count, '0') + tail;
}

const std::vector<std::string> kNumberTexts = {
    "",
    " ",
    "7.1",
    "  +2.5x",
    "-3",
    "1,5",
    "abc",
    "1e3",
    ".5",
    "5.",
    "+-1",
    "--1",
    "-0",
    "1e-400",
    "1e400",
    "\t\n 4",
    "\v\f\r8",
    "inf",
    "-infinity",
    "nan",
    "nan(12)",
    "0x1A",
    "1e",
    "1e+",
    "1é",
    "é1",
    "\xFF"
    "1",
    "1\xC3",
    "1\xC3\xA9"
    "2",
    std::string("1\0"
                "2",
                3),
    "\xC2\xA0"
    "7",
    "2147483647",
    "2147483648",
    "-2147483649",
    "99999999999",
    "99999.8984375",
    zeros(512, "5"),
    zeros(513, "5"),
    "-" + zeros(511, "7"),
    "-" + zeros(512, "7"),
    std::string(600, ' ') + "9",
    zeros(512, ".5"),
    "0." + zeros(510, "1"),
};

} // namespace

TEST(FreqListText, NumbersReadTheSameFromBytesAndFromUtf16)
{
    for (const std::string& bytes : kNumberTexts) {
        SCOPED_TRACE(printable(bytes));
        const std::u16string wide = utf8ToUtf16(bytes);
        EXPECT_TRUE(sameDouble(parseDoublePrefix(bytes), parseDoublePrefix(wide)));
        EXPECT_EQ(parseIntPrefix(bytes), parseIntPrefix(wide));
    }
}

TEST(FreqListText, NumbersKeepTheirCapAndStopAtOtherCharacters)
{
    EXPECT_EQ(parseIntPrefix(zeros(512, "5")), 5);
    EXPECT_EQ(parseIntPrefix(zeros(513, "5")), 0);
    EXPECT_EQ(parseIntPrefix("-" + zeros(511, "7")), -7);
    EXPECT_EQ(parseIntPrefix(std::string(600, ' ') + "9"), 9);
    EXPECT_EQ(parseDoublePrefix(zeros(512, ".5")), 0);
    // Narrowing U+0131 or U+0132 to a byte would make a digit of it.
    EXPECT_EQ(parseIntPrefix(std::u16string_view(u"\u0131")), 0);
    EXPECT_EQ(parseIntPrefix(std::u16string_view(u"5\u0132")), 5);
    EXPECT_EQ(parseDoublePrefix(std::u16string_view(u"2.\u0135")), 2);
    EXPECT_EQ(parseDoublePrefix(std::string("1\xC3\xA9"
                                            "2")),
              1);
}

TEST(FreqListText, TokensAreTheSameFromEveryTokenizer)
{
    const std::vector<std::string> texts = {
        "", ";", " ; ;", "a", "; a;;b c ;", "1,5 2;3", " \xC3\xA9;x\xFF;\xE2\x80\x83 y", "\t1 \n2",
    };
    for (const std::string& bytes : texts) {
        SCOPED_TRACE(bytes);
        const std::u16string wide = utf8ToUtf16(bytes);
        CTokenizer owned(wide, u" ;");
        TokenScanner<char16_t> wideViews(wide, u" ;");
        TokenScanner<char> byteViews(bytes, " ;");
        for (;;) {
            const std::u16string token = owned.NextToken();
            EXPECT_EQ(wideViews.NextToken(), token);
            EXPECT_EQ(utf8ToUtf16(byteViews.NextToken()), token);
            if (token.empty())
                break;
        }
        EXPECT_TRUE(wideViews.NextToken().empty());
        EXPECT_TRUE(byteViews.NextToken().empty());
    }
}

TEST(FreqListText, ListsReadTheSameFromBytesAndFromUtf16)
{
    std::vector<std::string> lists = {
        "",
        ";; ;",
        "1; 1.2; 3",
        "3 1.2;;1",
        "5; -2; 100000; 4",
        "0; 7",
        "1,5",
        "abc",
        "99999.8984375",
        "99999.9",
        "12 11 10 9 8 7 6 5 4 3 2 1",
        "1 2 3 4 5 6 7 8 9 10 -1 0.5",
        "\xC2\xA0 7",
        "7\xC2\xA0"
        "8",
        "1;\xC3;2",
        "\xFF"
        "3 4",
        "1\xC3\xA9"
        "2 5",
        "\xE2\x80\x83"
        "5",
        "1e400 2",
        "1e-400 2",
        "nan 3",
        "inf 3",
        "-0 1",
        "\t4;\n5",
        zeros(513, "5") + " 6",
    };
    for (std::size_t i = 0; i < kNumberTexts.size(); ++i)
        lists.push_back(kNumberTexts[i] + ";" + kNumberTexts[kNumberTexts.size() - 1 - i]);
    for (const std::string& bytes : lists) {
        SCOPED_TRACE(printable(bytes));
        double fromBytes[10], fromWide[10];
        for (int i = 0; i < 10; ++i)
            fromBytes[i] = fromWide[i] = 40 + i; // slots past the parsed values stay as they are
        EXPECT_EQ(parseFreqListUtf8(bytes, fromBytes), parseFreqList(utf8ToUtf16(bytes), fromWide));
        for (int i = 0; i < 10; ++i)
            EXPECT_TRUE(sameDouble(fromBytes[i], fromWide[i])) << "slot " << i;
    }
}

TEST(FreqListText, ListFromBytesFollowsTheListRule)
{
    double slots[10] = {};
    EXPECT_EQ(parseFreqListUtf8("5; -2; 100000; 4", slots), 2);
    EXPECT_EQ(slots[0], 4);
    EXPECT_EQ(slots[1], 5);
    EXPECT_EQ(parseFreqListUtf8("12 11 10 9 8 7 6 5 4 3 2 1", slots), 10);
    EXPECT_EQ(slots[0], 3);
    EXPECT_EQ(slots[9], 12);
}
