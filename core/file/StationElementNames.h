#pragma once

#include <cstddef>
#include <string>

namespace kavrin {

// Gives the station elements of a station file one name before the XML parser sees them. The
// programs write each station as an element of its own name, "Freq-0", "Freq-1", …, and the
// parser keeps every element name it meets in a dictionary whose lookups slow down as it fills:
// with a million names a load takes minutes instead of seconds. The names themselves mean
// nothing (any child of the document element is a station), so "<Freq-17" and its "</Freq-17"
// become "<Freq-  " and "</Freq-  ": the same bytes but for the digits, which become blanks, so
// lines and columns stay where they were.
//
// Only what is certain is rewritten: a name of the form "Freq-" and digits of a child of the
// document element, and its end tag only when it carries the same name. Comments, processing
// instructions, CDATA sections and attribute values are passed over. A document type declaration,
// a text that does not start with an ASCII '<' (after a UTF-8 byte-order mark), or anything the
// filter does not follow makes it leave the rest of the text as it is, so the parser sees and
// reports what it would have seen. An end tag that would now match a rewritten start tag it did
// not match before is changed so that it still does not.
class StationElementNames {
public:
    // Rewrites what it can of `text`, which continues the text fed before, and returns how many
    // bytes from its start are ready for the parser. The rest (at most a name's length) must be
    // fed again, with what follows, in the next call. With `last` set everything is ready.
    std::size_t filter(std::string& text, bool last);

private:
    enum class State {
        Start,       // nothing seen yet
        Text,        // character data or the prolog
        Tag,         // inside a start tag, past its name
        Quoted,      // inside an attribute value of a start tag
        EndTag,      // inside an end tag, past its name
        Comment,     // inside <!-- … -->
        Instruction, // inside <? … ?>
        CData,       // inside <![CDATA[ … ]]>
        Off,         // leaving everything as it is
    };

    // Handles the markup that starts with the '<' at `at`; returns where to go on, or `at` when the
    // markup is cut by the end of the text and must wait for the next call.
    std::size_t markup(std::string& text, std::size_t at, bool last);
    std::size_t startTag(std::string& text, std::size_t at, std::size_t nameEnd);
    std::size_t endTag(std::string& text, std::size_t at, std::size_t nameEnd);
    void closeSection(char c);

    State m_state = State::Start;
    int m_depth = 0;
    char m_quote = 0;
    // Characters of the current terminator seen ("-->", "?>", "]]>"), or in a tag 1 after a '/'.
    int m_closing = 0;
    bool m_tagIsStation = false; // the start tag being read is a child of the document element
    std::string m_stationName;   // the original name of the station element now open, when
                                 // it was rewritten
};

} // namespace kavrin
