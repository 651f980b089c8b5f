// Any text as the two frequency lists of a record (receive list up to the first line feed,
// transmit list after it, as UTF-8). What the parser keeps must be in range and sorted, the
// UTF-8 parser must agree with the UTF-16 one, and formatting then parsing again must be stable.

#include "core/base/ORVImpl.h"
#include "core/station/FreqListText.h"
#include "core/text/TextCodec.h"
#include "fuzz/FuzzFiles.h"

#include <algorithm>
#include <string>
#include <string_view>

using namespace kavrin;

namespace {

void checkParsed(const double (&slots)[10], int stored)
{
    if (stored < 0 || stored > 10)
        propertyBroken("stored count out of 0..10");
    for (int i = 0; i < stored; ++i) {
        if (!(slots[i] >= 0 && slots[i] <= kFreqLimit))
            propertyBroken("a stored value is out of range");
    }
    for (int i = stored; i < 10; ++i) {
        if (slots[i] != 0)
            propertyBroken("a slot past the stored values was touched");
    }
    if (!std::is_sorted(slots, slots + stored))
        propertyBroken("stored values are not sorted");
}

void checkUtf8Agrees(std::string_view utf8, const std::u16string& text)
{
    double wide[10] = {};
    double narrow[10] = {};
    const int wideCount = parseFreqList(text, wide);
    const int narrowCount = parseFreqListUtf8(utf8, narrow);
    if (wideCount != narrowCount || !std::equal(wide, wide + 10, narrow))
        propertyBroken("parseFreqListUtf8 differs from parseFreqList");
    checkParsed(wide, wideCount);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = std::min(input.find('\n'), input.size());
    const std::string_view rxUtf8 = input.substr(0, split);
    const std::string_view txUtf8 = input.substr(std::min(split + 1, input.size()));
    const std::u16string rx = utf8ToUtf16(rxUtf8);
    const std::u16string tx = utf8ToUtf16(txUtf8);
    checkUtf8Agrees(rxUtf8, rx);
    checkUtf8Agrees(txUtf8, tx);

    ORVImpl::FreqInfo record;
    record.ParseFreqLists(rx, tx);
    std::u16string rxText, txText;
    record.FormatFreqLists(rxText, txText);

    // One cycle rounds every value to nine digits; from then on the texts stay as they are.
    ORVImpl::FreqInfo again;
    again.ParseFreqLists(rxText, txText);
    std::u16string rxAgain, txAgain;
    again.FormatFreqLists(rxAgain, txAgain);
    if (rxAgain != rxText || txAgain != txText)
        propertyBroken("format, parse, format is not stable");
    return 0;
}
