#include "core/station/FreqInfo.h"
#include "core/station/FreqListText.h"
#include "core/station/Modulation.h"

#include <algorithm>

namespace kavrin {

namespace {

int countUsable(const double (&slots)[10])
{
    return static_cast<int>(std::count_if(std::begin(slots), std::end(slots), isUsableFreq));
}

} // namespace

void FreqInfo::Reset()
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

int FreqInfo::CountRX() const
{
    return countUsable(freqRX);
}

int FreqInfo::CountTX() const
{
    return countUsable(freqTX);
}

double FreqInfo::LowestFreq() const
{
    double lowest = freqRX[0] != 0 ? freqRX[0] : freqTX[0];
    if (freqTX[0] != 0 && freqTX[0] < lowest)
        lowest = freqTX[0];
    return lowest;
}

void FreqInfo::FormatFreqLists(std::u16string& rxText, std::u16string& txText) const
{
    rxText = formatFreqList(freqRX);
    txText = formatFreqList(freqTX);
}

int FreqInfo::ParseFreqLists(const std::u16string& rxText, const std::u16string& txText)
{
    parseFreqList(rxText, freqRX);
    return parseFreqList(txText, freqTX);
}

} // namespace kavrin
