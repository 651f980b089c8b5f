// The station file is written as text by hand rather than through libxml2's writer, which turns
// every non-ASCII character into a character reference and lets control characters through
// unescaped (a file it could not read back).

#include "core/file/StationFileWriter.h"

#include "core/file/AtomicFile.h"
#include "core/file/LoadProgress.h"
#include "core/text/NumberText.h"
#include "core/text/TextCodec.h"

namespace kavrin {

namespace {

constexpr std::size_t kFlushSize = 64 * 1024;
constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";

// Appends a UTF-8 text as an attribute value: markup characters and the white space that
// attribute normalisation would flatten become references; characters XML 1.0 cannot hold at
// all (other control characters, U+FFFE, U+FFFF) become U+FFFD so the file stays readable.
void appendEscaped(std::string& out, std::string_view utf8)
{
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        switch (c) {
        case '&':
            out += "&amp;";
            continue;
        case '<':
            out += "&lt;";
            continue;
        case '>':
            out += "&gt;";
            continue;
        case '"':
            out += "&quot;";
            continue;
        case '\t':
            out += "&#9;";
            continue;
        case '\n':
            out += "&#10;";
            continue;
        case '\r':
            out += "&#13;";
            continue;
        default:
            break;
        }
        if (c < 0x20) {
            out += kReplacementUtf8;
        } else if (c == 0xEF && i + 2 < utf8.size() &&
                   static_cast<unsigned char>(utf8[i + 1]) == 0xBF &&
                   (static_cast<unsigned char>(utf8[i + 2]) & 0xFE) == 0xBE) {
            out += kReplacementUtf8;
            i += 2;
        } else {
            out.push_back(static_cast<char>(c));
        }
    }
}

void appendAttribute(std::string& out, std::string_view name, std::string_view utf8Value)
{
    out += ' ';
    out += name;
    out += "=\"";
    appendEscaped(out, utf8Value);
    out += '"';
}

void appendAttribute(std::string& out, std::string_view name, const std::u16string& value)
{
    appendAttribute(out, name, utf16ToUtf8(value));
}

void appendAttribute(std::string& out, std::string_view name, int value)
{
    appendAttribute(out, name, std::to_string(value));
}

std::string twoDigits(int value)
{
    std::string digits = std::to_string(value);
    if (value >= 0 && digits.size() < 2)
        digits.insert(0, 1, '0');
    else if (value < 0 && digits.size() < 3)
        digits.insert(1, 1, '0');
    return digits;
}

// One station element, attributes in the file's fixed order and under its written-when rules.
void appendStation(std::string& out, const FreqInfo& r, int number)
{
    out += "\t<Freq-";
    out += std::to_string(number);
    appendAttribute(out, "StName", r.stName);
    if (!r.stComment.empty())
        appendAttribute(out, "StComment", r.stComment);
    if (!r.stLoc.empty())
        appendAttribute(out, "StLoc", r.stLoc);
    std::u16string rx, tx;
    r.FormatFreqLists(rx, tx);
    if (!rx.empty())
        appendAttribute(out, "StFreqRX", rx);
    if (!tx.empty())
        appendAttribute(out, "StFreqTX", tx);
    appendAttribute(out, "StModulation", r.modulation);
    if (!r.soundsFld.empty())
        appendAttribute(out, "SoundsFld", r.soundsFld);
    appendAttribute(out, "UsePattern", r.usePattern);
    if (r.usePattern == 1) {
        appendAttribute(out, "ShowPropGMT", r.showPropGMT);
        appendAttribute(out, "WorkHours",
                        twoDigits(r.fromHour) + "-" + twoDigits(r.fromMin) + "--" +
                            twoDigits(r.toHour) + "-" + twoDigits(r.toMin));
        int mask = 0;
        for (int i = 0; i < 7; ++i)
            mask |= (r.days[i] != 0 ? 1 : 0) << i;
        appendAttribute(out, "Days", mask);
    }
    out += "/>\n";
}

} // namespace

Result<> writeStationFile(const std::filesystem::path& path, std::span<const FreqInfo> records,
                          const ProgressNotify& notify, int notifyCommand)
{
    AtomicFileWriter file(path);
    Result<> result = file.open();

    ProgressStepper progress(records.size(), notify, notifyCommand);
    std::string out = "<?xml version=\"1.0\"?>\n<FREQS_LIST>\n";
    int written = 0;
    for (std::size_t i = 0; result && i < records.size(); ++i) {
        progress.beforeItem(i);
        if (records[i].stName.empty())
            continue;
        appendStation(out, records[i], written++);
        if (out.size() >= kFlushSize) {
            result = file.write(out);
            out.clear();
        }
    }
    out += "</FREQS_LIST>\n";
    if (result)
        result = file.write(out);
    if (result)
        result = file.commit();
    progress.finish();
    return result;
}

} // namespace kavrin
