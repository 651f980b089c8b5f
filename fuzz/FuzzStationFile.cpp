// Any bytes as a station file: the load either reads it or fails with a reason and an empty base,
// announcing a progress that never goes back and never passes 100. What it reads is checked
// against a document tree that libxml2 builds from the same bytes: one station per child element
// of FREQS_LIST, each with the name its StName attribute gives.

#include "core/base/ORVImpl.h"
#include "core/file/LoadProgress.h"
#include "core/text/TextCodec.h"
#include "fuzz/FuzzFiles.h"

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <memory>
#include <string>

using namespace kavrin;

namespace {

struct DocDeleter {
    void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
};

struct XmlFree {
    void operator()(xmlChar* text) const { xmlFree(text); }
};

// The stations the tree holds must be those the load read, in order, with the same names.
void compareWithTree(const ORVImpl& base, const std::uint8_t* data, std::size_t size)
{
    // No entity substitution and no network: the loader expands nothing either, so a document
    // whose tree still holds entity references is not comparable and is left out. Attribute
    // defaults of the internal subset apply, as they do for the loader's parser.
    const std::unique_ptr<xmlDoc, DocDeleter> doc(xmlReadMemory(
        reinterpret_cast<const char*>(data), static_cast<int>(size), nullptr, nullptr,
        XML_PARSE_NONET | XML_PARSE_DTDATTR | XML_PARSE_NOERROR | XML_PARSE_NOWARNING));
    if (!doc)
        propertyBroken("the load read a file that libxml2 finds malformed");
    const xmlNode* list = xmlDocGetRootElement(doc.get());
    if (list == nullptr || list->ns != nullptr ||
        std::string(reinterpret_cast<const char*>(list->name)) != "FREQS_LIST")
        propertyBroken("the load read a file without FREQS_LIST as its document element");
    int index = 0;
    for (const xmlNode* child = list->children; child != nullptr; child = child->next) {
        if (child->type == XML_ENTITY_REF_NODE)
            return;
        if (child->type != XML_ELEMENT_NODE)
            continue;
        if (index >= base.GetCount())
            propertyBroken("the tree has more stations than the load read");
        std::string expected;
        if (const xmlAttr* name = xmlHasNsProp(child, BAD_CAST "StName", nullptr)) {
            if (name->children != nullptr && name->children->type == XML_ENTITY_REF_NODE)
                return;
            const std::unique_ptr<xmlChar, XmlFree> value(
                xmlNodeListGetString(doc.get(), name->children, 1));
            expected = value ? reinterpret_cast<const char*>(value.get()) : "";
            if (expected.empty())
                expected = "Unknown";
        }
        if (utf16ToUtf8(base[index].stName) != expected)
            propertyBroken("a station's name differs from its StName attribute");
        ++index;
    }
    if (index != base.GetCount())
        propertyBroken("the load read more stations than the tree has");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static MemoryFile file;
    file.fill(data, size);

    ORVImpl base;
    base.Add(ORVImpl::FreqInfo());
    int last = 0;
    const ProgressNotify notify = [&last](int command) {
        const int percent = g_loadProgress;
        if (command != 130 || percent < last || percent > 100)
            propertyBroken("progress out of order");
        last = percent;
    };
    const Result<> loaded = base.Load(file.path(), notify, 130);
    if (loaded) {
        if (last != 100)
            propertyBroken("a load that succeeded did not announce 100");
        compareWithTree(base, data, size);
    } else if (base.GetCount() != 0 || loaded.reason().empty()) {
        propertyBroken("a failed load left records or no reason");
    }
    return 0;
}
