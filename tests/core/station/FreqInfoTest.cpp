#include "core/base/ORVImpl.h"
#include "core/station/Modulation.h"
#include "core/text/Tokenizer.h"

#include <gtest/gtest.h>

using namespace kavrin;

namespace {

FreqInfo parsed(const std::u16string& rx, const std::u16string& tx = {})
{
    FreqInfo r;
    r.ParseFreqLists(rx, tx);
    return r;
}

std::u16string rxText(const FreqInfo& r)
{
    std::u16string rx, tx;
    r.FormatFreqLists(rx, tx);
    return rx;
}

} // namespace

TEST(FreqInfo, ResetRestoresEveryDefault)
{
    FreqInfo r;
    r.stName = u"x";
    r.freqRX[3] = 1;
    r.freqTX[9] = 2;
    r.modulation = 4;
    r.soundsFld = r.stLoc = r.stComment = u"y";
    r.usePattern = 1;
    r.showPropGMT = 0;
    r.fromHour = r.fromMin = r.toHour = r.toMin = 5;
    r.days[6] = 0;
    r.Reset();
    EXPECT_TRUE(r.stName.empty() && r.soundsFld.empty() && r.stLoc.empty() && r.stComment.empty());
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(r.freqRX[i], 0);
        EXPECT_EQ(r.freqTX[i], 0);
    }
    EXPECT_EQ(r.modulation, 1024);
    EXPECT_EQ(r.usePattern, 0);
    EXPECT_EQ(r.showPropGMT, 1);
    EXPECT_EQ(r.fromHour, 0);
    EXPECT_EQ(r.fromMin, 0);
    EXPECT_EQ(r.toHour, 23);
    EXPECT_EQ(r.toMin, 59);
    for (int d : r.days)
        EXPECT_EQ(d, 1);
}

TEST(FreqInfo, UsableFrequencyBoundIsSinglePrecision)
{
    EXPECT_FALSE(isUsableFreq(0));
    EXPECT_FALSE(isUsableFreq(-1));
    EXPECT_FALSE(isUsableFreq(99999.8984375));
    EXPECT_FALSE(isUsableFreq(100000));
    EXPECT_TRUE(isUsableFreq(99999.8));
    EXPECT_TRUE(isUsableFreq(0.000001));
}

TEST(FreqInfo, CountsUsableValuesAnywhereInTheSlots)
{
    FreqInfo r;
    r.freqRX[0] = 100000;
    r.freqRX[4] = 7.1;
    r.freqRX[9] = 9.5;
    r.freqTX[2] = -3;
    EXPECT_EQ(r.CountRX(), 2);
    EXPECT_EQ(r.CountTX(), 0);
}

TEST(FreqInfo, LowestFreqLooksAtSlotZeroOfBothLists)
{
    struct Case {
        double rx, tx, lowest;
    };
    for (const Case& c : {Case{9.5, 7.2, 7.2}, Case{0, 7.2, 7.2}, Case{9.5, 0, 9.5},
                          Case{7.0, 5.0, 5.0}, Case{0, 0, 0}}) {
        FreqInfo r;
        r.freqRX[0] = c.rx;
        r.freqTX[0] = c.tx;
        r.freqRX[1] = 1.0; // later slots play no part
        EXPECT_EQ(r.LowestFreq(), c.lowest) << c.rx << " / " << c.tx;
    }
}

TEST(FreqInfo, ParsesListsByTheTokenRules)
{
    struct Case {
        std::u16string text;
        std::vector<double> slots;
    };
    const Case cases[] = {
        {u"1; 1.2; 3", {1, 1.2, 3}},
        {u"3 1.2;;1", {1, 1.2, 3}},
        {u"5; -2; 100000; 4", {4, 5}},
        {u"0; 7", {0, 7}},
        {u"1,5", {1}},
        {u"abc", {0}},
        {u";; ;", {}},
        {u"99999.8984375", {99999.8984375}},
        {u"12 11 10 9 8 7 6 5 4 3 2 1", {3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
        {u"\u00a0 7", {0, 7}},
    };
    for (const Case& c : cases) {
        FreqInfo r = parsed(c.text);
        for (std::size_t i = 0; i < 10; ++i)
            EXPECT_EQ(r.freqRX[i], i < c.slots.size() ? c.slots[i] : 0.0)
                << "slot " << i << " of '" << std::string(c.text.begin(), c.text.end()) << "'";
    }
}

TEST(FreqInfo, ParseReturnsTransmitCountAndLeavesLaterSlots)
{
    FreqInfo r;
    r.freqTX[5] = 42;
    EXPECT_EQ(r.ParseFreqLists(u"1", u"3 2"), 2);
    EXPECT_EQ(r.freqTX[0], 2);
    EXPECT_EQ(r.freqTX[1], 3);
    EXPECT_EQ(r.freqTX[5], 42);
}

TEST(FreqInfo, FormatsListsWithNineSignificantDigits)
{
    FreqInfo r;
    r.freqRX[0] = 1.5;
    r.freqRX[2] = 2;
    r.freqRX[3] = 7.099999904632568;
    r.freqTX[1] = 123456.789123;
    std::u16string rx, tx;
    r.FormatFreqLists(rx, tx);
    EXPECT_EQ(rx, u"1.5; 2; 7.0999999");
    EXPECT_EQ(tx, u"123456.789");
    EXPECT_EQ(rxText(parsed(u"0; 7")), u"7");
    EXPECT_EQ(parsed(u"0; 7").CountRX(), 1);
    EXPECT_EQ(rxText(FreqInfo{}), u"");
    EXPECT_EQ(parsed(u"99999.8984375").CountRX(), 0);
}

TEST(Tokenizer, HandsOutTokensThenEmptyTexts)
{
    CTokenizer tokens(u"; a;;b c ;", u" ;");
    EXPECT_EQ(tokens.NextToken(), u"a");
    EXPECT_EQ(tokens.NextToken(), u"b");
    EXPECT_EQ(tokens.NextToken(), u"c");
    EXPECT_EQ(tokens.NextToken(), u"");
    EXPECT_EQ(tokens.NextToken(), u"");
}

TEST(Modulation, NamesAndTokensFollowTheCodeTable)
{
    EXPECT_EQ(modulationName(5), u"Digital");
    EXPECT_EQ(modulationToken(5), u"Dig; ");
    EXPECT_EQ(modulationName(6), u"NFM");
    EXPECT_EQ(modulationToken(7), u"DRM; ");
    for (int code : {1024, 8, -1}) {
        EXPECT_EQ(modulationName(code), u"Unknown");
        EXPECT_EQ(modulationToken(code), u"");
    }
}
