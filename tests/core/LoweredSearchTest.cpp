#include "core/LoweredSearch.h"
#include "core/Modulation.h"

#include <gtest/gtest.h>

using namespace kavrin;

using FreqInfo = ORVImpl::FreqInfo;

namespace {

constexpr std::time_t kNoon = 1704628800; // 2024-01-07 12:00:00 UTC

// A stand-in for a platform lower-case function: ASCII, É and the Cyrillic Ђ (which foldCase
// leaves alone).
char16_t testLower(char16_t c)
{
    if (c >= u'A' && c <= u'Z')
        return static_cast<char16_t>(c + 32);
    if (c == u'\u00C9')
        return u'\u00E9';
    if (c == u'\u0402')
        return u'\u0452';
    return c;
}

FreqInfo station(const std::u16string& name, const std::u16string& loc,
                 const std::u16string& comment, int modulation = MOD_AM, double mhz = 7.0)
{
    FreqInfo r;
    r.stName = name;
    r.stLoc = loc;
    r.stComment = comment;
    r.modulation = modulation;
    r.freqRX[0] = mhz;
    return r;
}

std::vector<std::u16string> names(const SearchResult& result)
{
    std::vector<std::u16string> out;
    for (const StationRow& row : result.rows)
        out.push_back(row.name);
    return out;
}

} // namespace

TEST(LoweredSearch, LowersEveryUnitAndKeepsTheLength)
{
    EXPECT_EQ(lowerEach(u"ALPHA \u00C9\u0402x\xD83D", &testLower), u"alpha \u00E9\u0452x\xD83D");
    EXPECT_EQ(lowerEach(u"", &testLower), u"");
}

TEST(LoweredSearch, MatchesNameLocationAndComment)
{
    struct Case {
        const char16_t* text;
        bool matchCase;
        bool expected;
    };
    const FreqInfo r = station(u"ALPHA ONE", u"\u00C9cole", u"\u0402akovica relay");
    FreqInfo withSounds = station(u"Quiet", u"", u"");
    const std::u16string sounds = u"alpha";
    withSounds.soundsFld = sounds;
    const Case cases[] = {
        {u"alpha", false, true},     {u"alpha", true, false},      {u"ALPHA", true, true},
        {u"PHA O", false, true},     {u"\u00E9cole", false, true}, {u"\u00E9cole", true, false},
        {u"\u0452ako", false, true}, {u"relay", false, true},      {u"bravo", false, false},
        {u"", true, true},
    };
    for (const Case& c : cases) {
        const std::u16string text =
            c.matchCase ? std::u16string(c.text) : lowerEach(c.text, &testLower);
        EXPECT_EQ(matchesLowered(r, text, c.matchCase, &testLower), c.expected)
            << std::string(text.begin(), text.end()) << " matchCase " << c.matchCase;
    }
    EXPECT_FALSE(matchesLowered(withSounds, u"alpha", false, &testLower));
}

TEST(LoweredSearch, CountsMatchesTheFilterHoldsBack)
{
    ORVImpl base;
    base.Add(station(u"Zulu ALPHA", u"", u"", MOD_FM, 100.0));
    base.Add(station(u"Alpha one", u"", u"", MOD_AM, 0.2));
    base.Add(station(u"", u"alpha", u"")); // deleted: never searched
    base.Add(station(u"Bravo", u"Alphaville", u"", MOD_AM, 0.1));
    base.Add(station(u"Charlie", u"", u"", MOD_AM, 3.0));

    StationFilter all;
    const SearchResult found =
        buildLoweredSearchResult(base, all, u"ALPHA", false, &testLower, kNoon, 0);
    EXPECT_EQ(found.matchCount, 3);
    EXPECT_EQ(names(found), (std::vector<std::u16string>{u"Bravo", u"Alpha one", u"Zulu ALPHA"}));
    EXPECT_EQ(found.rows[0].index, 3);

    StationFilter fmOnly;
    fmOnly.toggleModulation(MOD_FM);
    const SearchResult held =
        buildLoweredSearchResult(base, fmOnly, u"alpha o", false, &testLower, kNoon, 0);
    EXPECT_EQ(held.matchCount, 1);
    EXPECT_TRUE(held.rows.empty());

    const SearchResult none =
        buildLoweredSearchResult(base, all, u"delta", false, &testLower, kNoon, 0);
    EXPECT_EQ(none.matchCount, 0);
}
