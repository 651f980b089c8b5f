#include "Modulation.h"
#include "NumberText.h"
#include "ORVImpl.h"
#include "Tokenizer.h"

#include <algorithm>

namespace {

int countUsable(const double (&slots)[10])
{
    return static_cast<int>(std::count_if(std::begin(slots), std::end(slots), isUsableFreq));
}

std::u16string formatList(const double (&slots)[10])
{
    std::string text;
    for (double v : slots) {
        if (v != 0) {
            text += formatG9(v);
            text += "; ";
        }
    }
    while (!text.empty() && (text.back() == ';' || text.back() == ' '))
        text.pop_back();
    return widenAscii(text);
}

// Parses one list into its slots and returns how many values it stored.
int parseList(const std::u16string& text, double (&slots)[10])
{
    CTokenizer tokens(text, u" ;");
    int stored = 0;
    for (std::u16string token = tokens.NextToken(); !token.empty() && stored < 10;
         token = tokens.NextToken()) {
        const double value = parseDoublePrefix(token);
        if (value >= 0 && value <= kFreqLimit)
            slots[stored++] = value;
    }
    std::sort(slots, slots + stored);
    return stored;
}

}  // namespace

void ORVImpl::FreqInfo::Reset()
{
    stName.clear();
    std::fill(std::begin(freqRX), std::end(freqRX), 0.0);
    std::fill(std::begin(freqTX), std::end(freqTX), 0.0);
    modulation = MOD_UNKNOWN;
    soundsFld.clear();
    stLoc.clear();
    stComment.clear();
    usePattern = 0;
    showPropGMT = 1;
    fromHour = 0;
    fromMin = 0;
    toHour = 23;
    toMin = 59;
    std::fill(std::begin(days), std::end(days), 1);
}

int ORVImpl::FreqInfo::CountRX() const { return countUsable(freqRX); }

int ORVImpl::FreqInfo::CountTX() const { return countUsable(freqTX); }

double ORVImpl::FreqInfo::LowestFreq() const
{
    double lowest = freqRX[0] != 0 ? freqRX[0] : freqTX[0];
    if (freqTX[0] != 0 && freqTX[0] < lowest)
        lowest = freqTX[0];
    return lowest;
}

void ORVImpl::FreqInfo::FormatFreqLists(std::u16string& rxText, std::u16string& txText) const
{
    rxText = formatList(freqRX);
    txText = formatList(freqTX);
}

int ORVImpl::FreqInfo::ParseFreqLists(const std::u16string& rxText, const std::u16string& txText)
{
    parseList(rxText, freqRX);
    return parseList(txText, freqTX);
}
