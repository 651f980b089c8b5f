// A streaming (SAX) pass over the station file that copies each station's attributes as its
// element arrives, then builds the records once the parser is gone, so a large file never exists
// as a document tree in memory.

#include "core/file/StationFileReader.h"

#include "core/file/ElementCount.h"
#include "core/file/LoadProgress.h"
#include "core/file/PendingStations.h"
#include "core/file/StationElementNames.h"
#include "core/station/FreqListText.h"
#include "core/system/HugePages.h"
#include "core/system/TwoThreads.h"
#include "core/text/NumberText.h"
#include "core/text/TextCodec.h"

#include <libxml/parser.h>
#include <libxml/parserInternals.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <memory>
#include <optional>

namespace kavrin {

namespace {

constexpr std::size_t kChunkSize = 64 * 1024;

// "HH-MM--HH-MM": only a value of exactly 12 characters is read, two characters at positions
// 0, 3, 7 and 10, without range checks.
template <typename Char> void readHourGroups(FreqInfo& record, std::basic_string_view<Char> value)
{
    if (value.size() != 12) {
        record.fromHour = 0;
        record.fromMin = 0;
        record.toHour = 23;
        record.toMin = 59;
        return;
    }
    const auto group = [&](std::size_t at) { return parseIntPrefix(value.substr(at, 2)); };
    record.fromHour = group(0);
    record.fromMin = group(3);
    record.toHour = group(7);
    record.toMin = group(10);
}

void readWorkHours(FreqInfo& record, std::string_view utf8)
{
    // Characters are counted in UTF-16 units; only an ASCII value has as many of them as bytes.
    if (isAscii(utf8))
        readHourGroups(record, utf8);
    else
        readHourGroups(record, std::u16string_view(utf8ToUtf16(utf8)));
}

std::u16string text(std::string_view utf8)
{
    return utf8ToUtf16(utf8);
}

// Fills a freshly constructed record from a station's attributes.
void readStation(FreqInfo& record, const StationAttributes& a)
{
    if (a.name)
        record.stName = a.name->empty() ? u"Unknown" : text(*a.name);
    if (a.loc)
        record.stLoc = text(*a.loc);
    if (a.freq) {
        // The earlier one-frequency form wins over the lists, rounded through single precision.
        record.freqRX[0] = static_cast<float>(parseDoublePrefix(*a.freq));
    } else {
        // What ParseFreqLists gives for the same texts, without making UTF-16 copies of them.
        parseFreqListUtf8(a.freqRX.value_or(""), record.freqRX);
        parseFreqListUtf8(a.freqTX.value_or(""), record.freqTX);
    }
    if (a.modulation)
        record.modulation = parseIntPrefix(*a.modulation);
    if (a.usePattern)
        record.usePattern = parseIntPrefix(*a.usePattern) != 0 ? 1 : 0;
    if (a.comment)
        record.stComment = text(*a.comment);
    if (a.soundsFld)
        record.soundsFld = text(*a.soundsFld);
    if (a.showPropGMT)
        record.showPropGMT = parseIntPrefix(*a.showPropGMT) != 0 ? 1 : 0;
    if (record.usePattern == 1) {
        if (a.workHours)
            readWorkHours(record, *a.workHours);
        if (a.days) {
            const int mask = parseIntPrefix(*a.days);
            for (int i = 0; i < 7; ++i)
                record.days[i] = (mask >> i) & 1;
        }
    }
}

bool isBlank(std::string_view s)
{
    return std::all_of(s.begin(), s.end(),
                       [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; });
}

std::string_view view(const xmlChar* s)
{
    return reinterpret_cast<const char*>(s);
}

// Everything the SAX callbacks share during one load.
class LoadPass {
public:
    LoadPass(PendingStations& stations, ProgressStepper& progress)
        : m_stations(stations), m_progress(progress)
    {
    }

    static xmlSAXHandler handler()
    {
        // Only the callbacks below: no internal or external subset handling, no entity
        // declarations kept, so an entity other than the five predefined ones is undefined and
        // the file fails instead of expanding or fetching anything.
        xmlSAXHandler sax;
        std::memset(&sax, 0, sizeof sax);
        sax.initialized = XML_SAX2_MAGIC;
        sax.startElementNs = &LoadPass::onStart;
        sax.endElementNs = &LoadPass::onEnd;
        sax.characters = &LoadPass::onCharacters;
        sax.cdataBlock = &LoadPass::onCharacters;
        sax.comment = &LoadPass::onComment;
        sax.processingInstruction = &LoadPass::onInstruction;
        sax.serror = &LoadPass::onError;
        return sax;
    }

    void setContext(xmlParserCtxtPtr context) { m_context = context; }
    bool foundList() const { return m_foundList; }
    const std::string& failure() const { return m_failure; }

private:
    static LoadPass& self(void* user) { return *static_cast<LoadPass*>(user); }

    static void onStart(void* user, const xmlChar* localName, const xmlChar* prefix, const xmlChar*,
                        int, const xmlChar**, int attributeCount, int, const xmlChar** attributes)
    {
        LoadPass& pass = self(user);
        ++pass.m_depth;
        if (pass.m_depth == 1) {
            if (prefix != nullptr || view(localName) != "FREQS_LIST")
                pass.fail("the document element is not FREQS_LIST");
            else
                pass.m_foundList = true;
            return;
        }
        if (pass.m_depth != 2)
            return;
        pass.nextChild();
        pass.m_stations.beginStation();
        for (int i = 0; i < attributeCount; ++i) {
            const xmlChar* const* a = attributes + 5 * i; // name, prefix, URI, value, end
            if (a[1] != nullptr)
                continue;
            const std::size_t known = StationAttributes::indexOf(view(a[0]));
            if (known < StationAttributes::kCount)
                pass.m_stations.add(known, std::string_view(reinterpret_cast<const char*>(a[3]),
                                                            static_cast<std::size_t>(a[4] - a[3])));
        }
    }

    static void onEnd(void* user, const xmlChar*, const xmlChar*, const xmlChar*)
    {
        LoadPass& pass = self(user);
        --pass.m_depth;
        pass.m_inText = false;
    }

    // A run of non-blank text directly in FREQS_LIST is one child node that adds no station.
    static void onCharacters(void* user, const xmlChar* chars, int length)
    {
        LoadPass& pass = self(user);
        if (pass.m_depth != 1 || pass.m_inText ||
            isBlank(std::string_view(reinterpret_cast<const char*>(chars),
                                     static_cast<std::size_t>(length))))
            return;
        pass.m_inText = true;
        pass.nextChild();
    }

    static void onComment(void* user, const xmlChar*) { self(user).otherNode(); }
    static void onInstruction(void* user, const xmlChar*, const xmlChar*)
    {
        self(user).otherNode();
    }

    static void onError(void* user, xmlErrorPtr error)
    {
        LoadPass& pass = self(user);
        if (error == nullptr || error->level < XML_ERR_ERROR || !pass.m_failure.empty())
            return;
        std::string message = error->message ? error->message : "unreadable XML";
        while (!message.empty() && (message.back() == '\n' || message.back() == ' '))
            message.pop_back();
        pass.m_failure =
            error->line > 0 ? "line " + std::to_string(error->line) + ": " + message : message;
    }

    void otherNode()
    {
        if (m_depth == 1) {
            m_inText = false;
            nextChild();
        }
    }

    void nextChild() { m_progress.beforeItem(m_children++); }

    void fail(const std::string& why)
    {
        if (m_failure.empty())
            m_failure = why;
        xmlStopParser(m_context);
    }

    PendingStations& m_stations;
    ProgressStepper& m_progress;
    xmlParserCtxtPtr m_context = nullptr;
    int m_depth = 0;
    std::size_t m_children = 0;
    bool m_inText = false;
    bool m_foundList = false;
    std::string m_failure;
};

struct ContextDeleter {
    void operator()(xmlParserCtxtPtr context) const
    {
        xmlFreeDoc(context->myDoc);
        xmlFreeParserCtxt(context);
    }
};

// The children of FREQS_LIST, counted from the raw bytes before the parse.
std::size_t countChildren(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    ElementCounter counter;
    std::string chunk(kChunkSize, '\0');
    while (in.read(chunk.data(), static_cast<std::streamsize>(chunk.size())) || in.gcount() > 0)
        counter.feed(std::string_view(chunk.data(), static_cast<std::size_t>(in.gcount())));
    return counter.childElements();
}

} // namespace

Result<std::vector<FreqInfo>> readStationFile(const std::filesystem::path& path,
                                              const ProgressNotify& notify, int notifyCommand)
{

    // Only a plain file has an end: counting the stations of a device or a pipe nobody writes to
    // would never finish.
    std::error_code kindUnknown;
    const auto kind = std::filesystem::status(path, kindUnknown).type();
    const bool openingTells = kind == std::filesystem::file_type::regular ||
                              kind == std::filesystem::file_type::not_found ||
                              kind == std::filesystem::file_type::none;
    if (!openingTells)
        return Failure{"not a plain file"};
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return Failure{std::string("cannot open the file: ") + std::strerror(errno)};

    const std::size_t expected = countChildren(path);
    std::error_code sizeError;
    const auto fileSize = std::filesystem::file_size(path, sizeError);
    PendingStations stations;
    // An element takes at least a few bytes, so the file size bounds what is worth reserving; the
    // values and their short headers take no more bytes than the file spends on them, unless an
    // 8-bit encoding other than ASCII widens them (the store then grows).
    stations.reserve(sizeError ? 0 : std::min<std::size_t>(expected, fileSize / 4),
                     sizeError ? 0 : fileSize);

    ProgressStepper progress(expected, notify, notifyCommand);
    LoadPass pass(stations, progress);
    xmlSAXHandler sax = LoadPass::handler();

    // The parser sees the text with one name for every station element (StationElementNames).
    StationElementNames names;
    std::string text;
    bool last = false;
    const auto readOn = [&] {
        const std::size_t held = text.size();
        text.resize(held + kChunkSize);
        in.read(text.data() + held, static_cast<std::streamsize>(kChunkSize));
        text.resize(held + static_cast<std::size_t>(in.gcount()));
        last = !in;
        return names.filter(text, last);
    };
    std::size_t ready = readOn();
    // The first bytes tell the parser the encoding.
    const std::size_t head = std::min<std::size_t>(ready, 4);
    const std::string name = path.string();
    std::unique_ptr<xmlParserCtxt, ContextDeleter> context(
        xmlCreatePushParserCtxt(&sax, &pass, text.data(), static_cast<int>(head), name.c_str()));
    if (!context)
        return Failure{"the XML parser could not be started"};
    pass.setContext(context.get());
    // NOENT only makes the parser hand over "&amp;" as "&": with no entity declarations kept by
    // the handler, the five predefined entities and character references are all there is.
    xmlCtxtUseOptions(context.get(),
                      XML_PARSE_NOENT | XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);

    bool parsed = xmlParseChunk(context.get(), text.data() + head, static_cast<int>(ready - head),
                                0) == XML_ERR_OK;
    text.erase(0, ready);
    while (parsed && !last) {
        ready = readOn();
        parsed =
            xmlParseChunk(context.get(), text.data(), static_cast<int>(ready), 0) == XML_ERR_OK;
        text.erase(0, ready);
    }
    if (parsed)
        parsed = xmlParseChunk(context.get(), nullptr, 0, 1) == XML_ERR_OK;
    const bool wellFormed = parsed && context->wellFormed && !in.bad();
    if (!wellFormed || !pass.foundList() || !pass.failure().empty()) {
        std::string why = pass.failure();
        if (why.empty())
            why = in.bad()
                      ? "the file could not be read"
                      : (wellFormed ? "the file holds no FREQS_LIST element" : "malformed XML");
        return Failure{why};
    }
    context.reset(); // before the records are made, for the reason PendingStations gives
    // Room for more than the file holds: the first station added to a large base would otherwise
    // move every record there is, which for a million stations takes a second.
    std::vector<FreqInfo> records;
    reserveFresh(records, stations.size() + stations.size() / 32 + 64);
    records.resize(stations.size());
    // The records of a large file are made in two halves on two threads.
    const auto make = [&](std::size_t first, std::size_t last) {
        std::size_t next = first;
        stations.forEach(first, last, [&](const StationAttributes& station) {
            readStation(records[next++], station);
        });
    };
    if (stations.size() < kItemsWorthAThread)
        make(0, stations.size());
    else
        runBoth([&] { make(0, stations.middle()); },
                [&] { make(stations.middle(), stations.size()); });
    progress.finish();
    return records;
}

} // namespace kavrin
