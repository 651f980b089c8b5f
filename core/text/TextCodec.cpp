#include "core/text/TextCodec.h"

#include <cstdint>
#include <cstring>

namespace kavrin {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Decodes one UTF-8 sequence at `i` into `cp` and advances `i` past it. A malformed sequence
// gives kReplacement, advances one byte and returns false.
bool decodeUtf8(std::string_view s, std::size_t& i, char32_t& cp)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char lead = byte(i);
    const auto malformed = [&] {
        ++i;
        cp = kReplacement;
        return false;
    };
    if (lead < 0x80) {
        ++i;
        cp = lead;
        return true;
    }
    int length = 0;
    char32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        cp = lead & 0x1F;
        minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        cp = lead & 0x0F;
        minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        cp = lead & 0x07;
        minimum = 0x10000;
    } else {
        return malformed();
    }
    if (i + length > s.size())
        return malformed();
    for (int k = 1; k < length; ++k) {
        const unsigned char next = byte(i + k);
        if ((next & 0xC0) != 0x80)
            return malformed();
        cp = (cp << 6) | (next & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return malformed();
    i += length;
    return true;
}

} // namespace

std::u16string utf8ToUtf16(std::string_view text)
{
    // Most station texts are all ASCII: one pass widens them into a string of their exact size.
    if (isAscii(text))
        return std::u16string(text.begin(), text.end());
    // No UTF-8 text takes more UTF-16 units than it has bytes, so the string is sized once and
    // written through a pointer.
    std::u16string out(text.size(), u'\0');
    char16_t* next = out.data();
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            *next++ = c;
            ++i;
            continue;
        }
        char32_t cp = 0;
        decodeUtf8(text, i, cp);
        if (cp >= 0x10000) {
            *next++ = static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
            *next++ = static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            *next++ = static_cast<char16_t>(cp);
        }
    }
    out.resize(static_cast<std::size_t>(next - out.data()));
    return out;
}

std::string utf16ToUtf8(std::u16string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t cp = text[i];
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
            continue;
        }
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = kReplacement;
        }
        if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        } else if (cp < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        }
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
    return out;
}

// Eight bytes at a time: the loader asks this of every text in a station file.
bool isAscii(std::string_view bytes)
{
    constexpr std::uint64_t kHighBits = 0x8080808080808080;
    std::size_t i = 0;
    for (; i + 8 <= bytes.size(); i += 8) {
        std::uint64_t block;
        std::memcpy(&block, bytes.data() + i, 8);
        if (block & kHighBits)
            return false;
    }
    for (; i < bytes.size(); ++i) {
        if (static_cast<unsigned char>(bytes[i]) >= 0x80)
            return false;
    }
    return true;
}

bool isValidUtf8(std::string_view bytes)
{
    std::size_t i = 0;
    while (i < bytes.size()) {
        char32_t cp = 0;
        if (!decodeUtf8(bytes, i, cp))
            return false;
    }
    return true;
}

std::u16string latin1ToUtf16(std::string_view bytes)
{
    std::u16string out(bytes.size(), u'\0');
    for (std::size_t i = 0; i < bytes.size(); ++i)
        out[i] = static_cast<unsigned char>(bytes[i]);
    return out;
}

std::u16string windows1252ToUtf16(std::string_view bytes)
{
    static constexpr char16_t kHigh[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    std::u16string out = latin1ToUtf16(bytes);
    for (char16_t& c : out) {
        if (c >= 0x80 && c < 0xA0)
            c = kHigh[c - 0x80];
    }
    return out;
}

} // namespace kavrin
