#pragma once

#include <cstddef>
#include <string_view>

namespace kavrin {

// Estimates how many child elements the document element of an XML text has by counting element
// start tags in the raw bytes, without parsing: exact for a station file as the programs write it,
// an estimate for others (comments or nested elements holding '<'). Understands 8-bit encodings
// and UTF-16 in either byte order. Fed in pieces of any size.
class ElementCounter {
public:
    void feed(std::string_view bytes);

    // Start tags seen after the document element's.
    std::size_t childElements() const { return m_starts > 0 ? m_starts - 1 : 0; }

private:
    void feedNarrow(std::string_view bytes);
    void take(char32_t unit);

    enum class Width { Unknown, Bytes, Utf16LE, Utf16BE };
    Width m_width = Width::Unknown;
    unsigned char m_head[2] = {};
    int m_headSize = 0;
    int m_pendingByte = -1; // first byte of a UTF-16 unit split across pieces
    bool m_afterLess = false;
    std::size_t m_starts = 0;
};

} // namespace kavrin
