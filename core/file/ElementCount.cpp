#include "core/file/ElementCount.h"

#include <cstring>

namespace kavrin {

namespace {

bool isNameStart(char32_t c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == ':' || c >= 0x80;
}

} // namespace

void ElementCounter::feed(std::string_view bytes)
{
    std::size_t i = 0;
    // The first two bytes tell the unit width: a byte-order mark, or '<' with a zero byte.
    while (m_width == Width::Unknown && i < bytes.size()) {
        m_head[m_headSize++] = static_cast<unsigned char>(bytes[i++]);
        if (m_headSize < 2)
            continue;
        const unsigned a = m_head[0], b = m_head[1];
        if ((a == 0xFF && b == 0xFE) || (a == '<' && b == 0)) {
            m_width = Width::Utf16LE;
        } else if ((a == 0xFE && b == 0xFF) || (a == 0 && b == '<')) {
            m_width = Width::Utf16BE;
        } else {
            m_width = Width::Bytes;
            take(a);
            take(b);
        }
        if (m_width != Width::Bytes && !((a == 0xFF && b == 0xFE) || (a == 0xFE && b == 0xFF)))
            take('<');
    }
    if (m_width == Width::Bytes) {
        feedNarrow(bytes.substr(i));
        return;
    }
    for (; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (m_pendingByte < 0) {
            m_pendingByte = byte;
            continue;
        }
        const char32_t unit = m_width == Width::Utf16LE
                                  ? static_cast<char32_t>(m_pendingByte | (byte << 8))
                                  : static_cast<char32_t>((m_pendingByte << 8) | byte);
        m_pendingByte = -1;
        take(unit);
    }
}

// Only a '<' and the byte after it count, so memchr can skip everything else: this scan runs over
// the whole file before every load.
void ElementCounter::feedNarrow(std::string_view bytes)
{
    const char* at = bytes.data();
    const char* const end = at + bytes.size();
    if (at == end)
        return;
    if (m_afterLess) { // the previous piece ended in '<'
        m_afterLess = false;
        if (isNameStart(static_cast<unsigned char>(*at)))
            ++m_starts;
    }
    for (;;) {
        at = static_cast<const char*>(std::memchr(at, '<', static_cast<std::size_t>(end - at)));
        if (at == nullptr)
            return;
        if (++at == end) {
            m_afterLess = true;
            return;
        }
        if (isNameStart(static_cast<unsigned char>(*at)))
            ++m_starts;
    }
}

void ElementCounter::take(char32_t unit)
{
    if (m_afterLess && isNameStart(unit))
        ++m_starts;
    m_afterLess = unit == '<';
}

} // namespace kavrin
