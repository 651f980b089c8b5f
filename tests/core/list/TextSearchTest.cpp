#include "core/list/TextSearch.h"
#include "core/text/CaseMap.h"

#include <gtest/gtest.h>

using namespace kavrin;

namespace {

// A stand-in for a platform lower-case function: ASCII, É and the Cyrillic Ђ (which folding
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

} // namespace

TEST(CaseMap, MapsEveryUnitAndKeepsTheLength)
{
    const CaseMap lower(&testLower);
    EXPECT_EQ(lower.apply(u"ALPHA \u00C9\u0402x\xD83D"), u"alpha \u00E9\u0452x\xD83D");
    EXPECT_EQ(lower.apply(u""), u"");
    // Folding reaches ASCII and Cyrillic capitals only.
    EXPECT_EQ(CaseMap::folding().apply(u"ALPHA \u00C9\u0402\u0401\u0410"),
              u"alpha \u00C9\u0402\u0451\u0430");
}

TEST(TextSearch, MatchesNameLocationAndCommentThroughTheMap)
{
    struct Case {
        const char16_t* text; // as typed
        bool matchCase;
        bool lowered; // through testLower, else through folding
        bool expected;
    };
    FreqInfo r;
    r.stName = u"ALPHA ONE";
    r.stLoc = u"\u00C9cole";
    r.stComment = u"\u0402akovica relay";
    const Case cases[] = {
        {u"alpha", false, true, true},
        {u"alpha", false, false, true},
        {u"alpha", true, false, false},
        {u"ALPHA", true, false, true},
        {u"PHA O", false, false, true},
        {u"\u00E9cole", false, true, true},
        {u"\u00E9cole", false, false, false},
        {u"\u00E9cole", true, true, false},
        {u"\u0402AKO", false, true, true},
        {u"\u0402AKO", false, false, true},
        {u"relay", false, false, true},
        {u"bravo", false, true, false},
        {u"", true, false, true},
        {u"ONE!", false, false, false},
    };
    const CaseMap lower(&testLower);
    for (const Case& c : cases) {
        const CaseMap& map = c.lowered ? lower : CaseMap::folding();
        const std::u16string text = c.matchCase ? std::u16string(c.text) : map.apply(c.text);
        EXPECT_EQ(matchesText(r, text, c.matchCase, map), c.expected)
            << std::string(text.begin(), text.end()) << " matchCase " << c.matchCase << " lowered "
            << c.lowered;
    }
    // The sounds folder is not searched.
    FreqInfo withSounds;
    withSounds.stName = u"Quiet";
    withSounds.soundsFld = u"alpha";
    EXPECT_FALSE(matchesText(withSounds, u"alpha", false, lower));
}
