#include "core/file/StationElementNames.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

namespace kavrin {

namespace {

// A longer name is never rewritten, so no more of it needs to be seen at once.
constexpr std::size_t kLongestName = 24;

// The prolog must declare its encoding within this many bytes, or nothing is rewritten.
constexpr std::size_t kLongestDeclaration = 1024;

constexpr std::string_view kNumberedPrefix = "Freq-";

bool endsName(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '/' || c == '>';
}

bool isNumberedName(std::string_view name)
{
    return name.size() > kNumberedPrefix.size() && name.starts_with(kNumberedPrefix) &&
           std::all_of(name.begin() + kNumberedPrefix.size(), name.end(),
                       [](char c) { return c >= '0' && c <= '9'; });
}

// Blanks the digits of a numbered name at `at`.
void blankDigits(std::string& text, std::size_t at, std::size_t length)
{
    std::fill(text.begin() + static_cast<std::ptrdiff_t>(at + kNumberedPrefix.size()),
              text.begin() + static_cast<std::ptrdiff_t>(at + length), ' ');
}

// Whether the encoding an XML declaration names writes every ASCII character as its own byte and
// no other character with a byte below 0x80, so that markup can be found byte by byte.
bool isAsciiCompatible(std::string_view declaration)
{
    const std::size_t key = declaration.find("encoding");
    if (key == std::string_view::npos)
        return true; // UTF-8
    const std::size_t open = declaration.find_first_of("\"'", key);
    if (open == std::string_view::npos)
        return false;
    const std::size_t close = declaration.find(declaration[open], open + 1);
    if (close == std::string_view::npos)
        return false;
    std::string name(declaration.substr(open + 1, close - open - 1));
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    static constexpr std::array<std::string_view, 4> kNames = {"UTF-8", "UTF8", "US-ASCII",
                                                               "ASCII"};
    static constexpr std::array<std::string_view, 6> kFamilies = {
        "ISO-8859-", "ISO8859-", "WINDOWS-125", "CP125", "KOI8-", "LATIN"};
    return std::find(kNames.begin(), kNames.end(), name) != kNames.end() ||
           std::any_of(kFamilies.begin(), kFamilies.end(),
                       [&name](std::string_view family) { return name.starts_with(family); });
}

} // namespace

std::size_t StationElementNames::filter(std::string& text, bool last)
{
    std::size_t at = 0;
    if (m_state == State::Start) {
        const std::size_t first = text.starts_with("\xEF\xBB\xBF") ? 3 : 0;
        if (text.size() < first + kLongestDeclaration && !last &&
            text.find("?>") == std::string::npos)
            return 0;
        const std::string_view view(text);
        const bool ascii = view.size() > first + 1 && view[first] == '<' && view[first + 1] != '\0';
        bool known = ascii;
        if (ascii && view.substr(first).starts_with("<?xml")) {
            const std::size_t end = view.find("?>", first);
            known =
                end != std::string_view::npos && isAsciiCompatible(view.substr(first, end - first));
        }
        m_state = known ? State::Text : State::Off;
        at = first;
    }
    while (at < text.size()) {
        switch (m_state) {
        case State::Start:
        case State::Off:
            return text.size();
        case State::Text: {
            const std::size_t less = text.find('<', at);
            if (less == std::string::npos)
                return text.size();
            const std::size_t next = markup(text, less, last);
            if (next == less)
                return less;
            at = next;
            continue;
        }
        case State::Tag: {
            const std::size_t stop = text.find_first_of("\"'>", at);
            if (stop == std::string::npos) {
                m_closing = text.back() == '/' ? 1 : 0;
                return text.size();
            }
            const bool slash = stop > at ? text[stop - 1] == '/' : m_closing == 1;
            m_closing = 0;
            if (text[stop] != '>') {
                m_quote = text[stop];
                m_state = State::Quoted;
            } else if (slash) { // "/>" ends an element that has no end tag
                if (m_tagIsStation)
                    m_stationName.clear();
                m_state = State::Text;
            } else {
                ++m_depth;
                m_state = State::Text;
            }
            at = stop + 1;
            continue;
        }
        case State::Quoted: {
            const std::size_t stop = text.find(m_quote, at);
            if (stop == std::string::npos)
                return text.size();
            m_state = State::Tag;
            at = stop + 1;
            continue;
        }
        case State::EndTag: {
            const std::size_t stop = text.find('>', at);
            if (stop == std::string::npos)
                return text.size();
            m_state = State::Text;
            at = stop + 1;
            continue;
        }
        case State::Comment:
        case State::Instruction:
        case State::CData:
            closeSection(text[at]);
            break;
        }
        ++at;
    }
    return text.size();
}

void StationElementNames::closeSection(char c)
{
    // The terminators "-->", "?>" and "]]>", which may be cut between two pieces.
    const char repeated = m_state == State::Comment ? '-' : (m_state == State::CData ? ']' : '?');
    const int needed = m_state == State::Instruction ? 1 : 2;
    if (c == '>' && m_closing >= needed)
        m_state = State::Text;
    m_closing = c == repeated ? m_closing + 1 : 0;
}

std::size_t StationElementNames::markup(std::string& text, std::size_t at, bool last)
{
    const std::string_view rest = std::string_view(text).substr(at);
    // Enough of the markup to tell what it is: "<![CDATA[" is the longest opening.
    if (rest.size() < 9 && !last && rest.find('>') == std::string_view::npos)
        return at;
    m_closing = 0;
    if (rest.starts_with("<!--")) {
        m_state = State::Comment;
        return at + 4;
    }
    if (rest.starts_with("<![CDATA[")) {
        m_state = State::CData;
        return at + 9;
    }
    if (rest.starts_with("<?")) {
        m_state = State::Instruction;
        return at + 2;
    }
    const bool closing = rest.starts_with("</");
    const std::size_t nameStart = at + (closing ? 2 : 1);
    std::size_t nameEnd = nameStart;
    while (nameEnd < text.size() && !endsName(text[nameEnd]))
        ++nameEnd;
    if (nameEnd == text.size() && !last && nameEnd - nameStart <= kLongestName)
        return at; // the name goes on in the next piece
    if (nameEnd == nameStart || text[nameStart] == '!' || text[nameStart] == '<') {
        // A document type declaration, or no markup this filter follows.
        m_state = State::Off;
        return text.size();
    }
    return closing ? endTag(text, nameStart, nameEnd) : startTag(text, nameStart, nameEnd);
}

std::size_t StationElementNames::startTag(std::string& text, std::size_t name, std::size_t nameEnd)
{
    m_tagIsStation = m_depth == 1;
    if (m_tagIsStation) {
        m_stationName.clear();
        const std::string_view original = std::string_view(text).substr(name, nameEnd - name);
        if (nameEnd < text.size() && isNumberedName(original)) {
            m_stationName = original;
            blankDigits(text, name, original.size());
        }
    }
    m_state = State::Tag;
    return nameEnd;
}

std::size_t StationElementNames::endTag(std::string& text, std::size_t name, std::size_t nameEnd)
{
    const std::string_view closed = std::string_view(text).substr(name, nameEnd - name);
    if (m_depth == 2 && !m_stationName.empty()) {
        if (closed == m_stationName)
            blankDigits(text, name, closed.size());
        else if (closed == kNumberedPrefix)
            text[name + kNumberedPrefix.size() - 1] = '_'; // it did not close the element before
        m_stationName.clear();
    }
    if (m_depth > 0)
        --m_depth;
    m_state = State::EndTag;
    return nameEnd;
}

} // namespace kavrin
