// Station files made to hurt the reader: each must load or fail within a time and memory bound,
// open no file but itself, and never connect anywhere. Every load runs in a child process, so a
// hang is cut off and reported instead of stopping the suite, and its peak memory is measured.

#include "core/base/ORVImpl.h"
#include "core/text/TextCodec.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/inotify.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

using namespace kavrin;

namespace {

// What a load in a child process came to.
struct LoadOutcome {
    bool finished = false; // false: still running when the time was up, or the child died
    bool loaded = false;
    int count = 0;
    std::string why;       // why it failed
    std::string firstName; // UTF-8
    long peakGrowthKb = 0; // peak resident memory during the load above that before it
    double seconds = 0;
};

LoadOutcome loadInChild(const std::filesystem::path& file, std::chrono::seconds limit)
{
    const ChildOutcome child = runInChild(
        [&file] {
            ORVImpl base;
            const Result<> loaded = base.Load(file);
            const std::string name = base.GetCount() > 0 ? utf16ToUtf8(base[0].stName) : "";
            return std::to_string(loaded.ok()) + " " + std::to_string(base.GetCount()) + "\n" +
                   loaded.reason() + "\n" + name.substr(0, 64);
        },
        limit);
    LoadOutcome outcome;
    outcome.seconds = child.seconds;
    outcome.peakGrowthKb = child.peakGrowthKb;
    std::istringstream report(child.output);
    outcome.finished = child.answered && report >> outcome.loaded >> outcome.count &&
                       report.ignore() && std::getline(report, outcome.why);
    std::getline(report, outcome.firstName, '\0');
    return outcome;
}

// Reports every file of one folder that is opened while it watches, by name.
class OpenWatch {
public:
    explicit OpenWatch(const std::filesystem::path& folder) : m_fd(inotify_init1(IN_NONBLOCK))
    {
        if (m_fd >= 0)
            inotify_add_watch(m_fd, folder.c_str(), IN_OPEN);
    }
    ~OpenWatch()
    {
        if (m_fd >= 0)
            close(m_fd);
    }
    bool works() const { return m_fd >= 0; }

    std::vector<std::string> opened()
    {
        std::vector<std::string> names;
        alignas(inotify_event) char buffer[4096];
        ssize_t n;
        while (m_fd >= 0 && (n = read(m_fd, buffer, sizeof buffer)) > 0) {
            for (char* at = buffer; at < buffer + n;) {
                const auto* event = reinterpret_cast<const inotify_event*>(at);
                if (event->len > 0)
                    names.emplace_back(event->name);
                at += sizeof(inotify_event) + event->len;
            }
        }
        return names;
    }

private:
    int m_fd;
};

// A TCP port on the loopback that nobody should ever connect to.
class Tripwire {
public:
    Tripwire() : m_fd(socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0))
    {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        if (m_fd < 0 || bind(m_fd, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
            listen(m_fd, 16) != 0 ||
            getsockname(m_fd, reinterpret_cast<sockaddr*>(&address), &size) != 0)
            return;
        m_port = ntohs(address.sin_port);
    }
    ~Tripwire()
    {
        if (m_fd >= 0)
            close(m_fd);
    }
    bool works() const { return m_port != 0; }
    std::string url(const std::string& scheme) const
    {
        return scheme + "://127.0.0.1:" + std::to_string(m_port) + "/x";
    }

    // Whether a connection arrived since the last call.
    bool tripped()
    {
        const int connection = accept(m_fd, nullptr, nullptr);
        if (connection < 0)
            return false;
        close(connection);
        return true;
    }

private:
    int m_fd;
    int m_port = 0;
};

enum class Expect { Fails, Loads, Either };

using Maker = std::function<void(const std::filesystem::path& file)>;

struct Limits {
    int seconds = 10;    // the time the load may take at most
    long megabytes = 64; // the memory the load may take at most, above what it had before
};

struct HostileCase {
    std::string name;
    Maker make; // writes the file (or makes the thing) at the given path
    Expect expect;
    int count;             // stations when it loads; -1: not checked
    std::string firstName; // UTF-8, when not empty
    Limits limits;
};

HostileCase fails(std::string name, Maker make, Limits limits = {})
{
    return {std::move(name), std::move(make), Expect::Fails, -1, "", limits};
}

HostileCase loads(std::string name, Maker make, int count, std::string firstName = "",
                  Limits limits = {})
{
    return {std::move(name), std::move(make), Expect::Loads, count, std::move(firstName), limits};
}

// Loading or refusing are both sound; only the bounds and what is read matter.
HostileCase either(std::string name, Maker make, Limits limits = {})
{
    return {std::move(name), std::move(make), Expect::Either, -1, "", limits};
}

std::string declaration()
{
    return "<?xml version=\"1.0\"?>";
}

std::string repeat(const std::string& piece, std::size_t times)
{
    std::string out;
    out.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i)
        out += piece;
    return out;
}

// Writes `head`, then `piece` `times` times, then `tail`, without building it all in memory.
void writeRepeated(const std::filesystem::path& file, const std::string& head,
                   const std::string& piece, std::size_t times, const std::string& tail)
{
    std::ofstream out(file, std::ios::binary);
    out << head;
    const std::string block = repeat(piece, std::max<std::size_t>(1, (1 << 16) / piece.size()));
    const std::size_t perBlock = block.size() / piece.size();
    std::size_t left = times;
    for (; left >= perBlock; left -= perBlock)
        out << block;
    out << repeat(piece, left) << tail;
}

std::string utf16(const std::u16string& text, bool bigEndian)
{
    std::string out;
    for (char16_t c : text) {
        const char high = static_cast<char>(c >> 8), low = static_cast<char>(c & 0xFF);
        out += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return out;
}

class HostileXml : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeBytes(m_secret, "SECRET");
        writeBytes(m_dtd, "<!ENTITY y \"FROM-DTD\"><!ENTITY % q SYSTEM \"file://" +
                              m_secret.string() + "\">%q;");
    }

    void run(const std::vector<HostileCase>& cases)
    {
        for (const HostileCase& c : cases) {
            SCOPED_TRACE(c.name);
            const auto file = m_folder.file("Stations.xml");
            std::error_code ignored;
            std::filesystem::remove_all(file, ignored);
            c.make(file);
            m_watch.opened(); // what making the file opened does not count
            const LoadOutcome outcome = loadInChild(file, std::chrono::seconds(c.limits.seconds));
            if (!outcome.finished) {
                ADD_FAILURE() << "no result within " << c.limits.seconds << " s";
                continue;
            }
            if (c.expect != Expect::Either) {
                EXPECT_EQ(outcome.loaded, c.expect == Expect::Loads);
            }
            if (!outcome.loaded) {
                EXPECT_EQ(outcome.count, 0);
            } else {
                EXPECT_TRUE(c.count < 0 || outcome.count == c.count)
                    << outcome.count << " stations";
                EXPECT_TRUE(c.firstName.empty() || outcome.firstName == c.firstName)
                    << outcome.firstName;
            }
            EXPECT_EQ(outcome.firstName.find("SECRET"), std::string::npos);
            EXPECT_EQ(outcome.firstName.find("FROM-DTD"), std::string::npos);
            EXPECT_LE(outcome.peakGrowthKb, c.limits.megabytes * 1024);
            for (const std::string& opened : m_watch.opened()) {
                EXPECT_EQ(opened, "Stations.xml");
            }
            EXPECT_FALSE(m_tripwire.tripped()) << "connected to the network";
            std::cout << "[ case     ] " << c.name << ": "
                      << (outcome.loaded ? "loads" : "fails (" + outcome.why + ")") << ", "
                      << outcome.seconds << " s, +" << outcome.peakGrowthKb / 1024 << " MB\n";
        }
    }

    TempFolder m_folder;
    std::filesystem::path m_secret = m_folder.file("secret.txt");
    std::filesystem::path m_dtd = m_folder.file("evil.dtd");
    OpenWatch m_watch{m_folder.path()};
    Tripwire m_tripwire;
};

Maker bytes(const std::string& content)
{
    return [content](const std::filesystem::path& file) { writeBytes(file, content); };
}

// A document element with one station named `nameAttribute`.
std::string listWithName(const std::string& nameAttribute)
{
    return "<FREQS_LIST><F StName=\"" + nameAttribute + "\"/></FREQS_LIST>";
}

std::string stationsWithName(const std::string& nameAttribute)
{
    return declaration() + listWithName(nameAttribute);
}

std::string withDoctype(const std::string& doctype, const std::string& rest)
{
    return declaration() + "<!DOCTYPE FREQS_LIST " + doctype + ">" + rest;
}

} // namespace

TEST_F(HostileXml, ReferencesToOutsideAreNeverFollowed)
{
    ASSERT_TRUE(m_watch.works());
    ASSERT_TRUE(m_tripwire.works());
    const std::string secretUrl = "file://" + m_secret.string();
    const std::string dtdUrl = "file://" + m_dtd.string();
    const std::string httpUrl = m_tripwire.url("http");
    const std::string ftpUrl = m_tripwire.url("ftp");
    const std::string inName = "<FREQS_LIST><F StName=\"&x;\"/></FREQS_LIST>";
    const std::string inContent = "<FREQS_LIST><F StName=\"A\">&x;</F></FREQS_LIST>";
    const auto entity = [](const std::string& url) {
        return "[<!ENTITY x SYSTEM \"" + url + "\">]";
    };
    run({
        fails("external entity, file", bytes(withDoctype(entity(secretUrl), inName))),
        fails("external entity, plain path, in content",
              bytes(withDoctype(entity(m_secret.string()), inContent))),
        fails("external entity, http", bytes(withDoctype(entity(httpUrl), inName))),
        fails("external entity, ftp", bytes(withDoctype(entity(ftpUrl), inContent))),
        either(
            "external parameter entity",
            bytes(withDoctype("[<!ENTITY % p SYSTEM \"" + dtdUrl + "\"> %p;]", listWithName("A")))),
        fails("external DTD, file",
              bytes(withDoctype("SYSTEM \"" + dtdUrl + "\"",
                                "<FREQS_LIST><F StName=\"&y;\"/></FREQS_LIST>"))),
        loads(
            "external DTD, file, unused",
            bytes(withDoctype("PUBLIC \"-//K//D\" \"" + m_dtd.string() + "\"", listWithName("A"))),
            1, "A"),
        loads("external DTD, http",
              bytes(withDoctype("SYSTEM \"" + httpUrl + "\"", listWithName("A"))), 1, "A"),
        loads("XInclude",
              bytes(declaration() +
                    "<FREQS_LIST xmlns:xi=\"http://www.w3.org/2001/XInclude\">"
                    "<xi:include href=\"" +
                    m_secret.string() + "\" parse=\"text\"/></FREQS_LIST>"),
              1),
        loads("xml-stylesheet",
              bytes(declaration() + "<?xml-stylesheet href=\"" + httpUrl + "\"?>" +
                    listWithName("A")),
              1, "A"),
    });
}

TEST_F(HostileXml, ExpansionBombsFailQuickly)
{
    std::string laughs = "[<!ENTITY l0 \"haha\">";
    for (int i = 1; i < 10; ++i)
        laughs += "<!ENTITY l" + std::to_string(i) + " \"" +
                  repeat("&l" + std::to_string(i - 1) + ";", 10) + "\">";
    laughs += "]";
    const std::string big = "[<!ENTITY a \"" + std::string(100000, 'a') + "\">]";
    // Expanded, each would take gigabytes; refused, they take what parsing their text takes.
    const Limits quick{5, 256};
    run({
        fails("billion laughs in an attribute", bytes(withDoctype(laughs, listWithName("&l9;"))),
              quick),
        fails("billion laughs in content",
              bytes(withDoctype(laughs, "<FREQS_LIST><F StName=\"A\">&l9;</F></FREQS_LIST>")),
              quick),
        fails("quadratic blowup", bytes(withDoctype(big, listWithName(repeat("&a;", 50000)))),
              quick),
    });
}

TEST_F(HostileXml, HugeAndDeepDocumentsStayWithinBounds)
{
    constexpr std::size_t kHundredMegabytes = 100u << 20;
    const std::string open = declaration() + "<FREQS_LIST><F StName=\"";
    const std::string close = "\"/></FREQS_LIST>";
    const Limits huge{20, 400};
    const Limits deep{10, 200};
    run({
        either(
            "100 MB attribute value",
            [&](const auto& file) { writeRepeated(file, open, "x", kHundredMegabytes, close); },
            huge),
        either(
            "100 MB attribute value of '>'",
            [&](const auto& file) { writeRepeated(file, open, ">", kHundredMegabytes, close); },
            huge),
        either(
            "100 MB comment",
            [&](const auto& file) {
                writeRepeated(file, declaration() + "<FREQS_LIST><!--", "-x", kHundredMegabytes / 2,
                              "--><F StName=\"A\"/></FREQS_LIST>");
            },
            huge),
        either("100,000 attributes on one station",
               [&](const auto& file) {
                   std::string attributes;
                   for (int i = 0; i < 100000; ++i)
                       attributes += " a" + std::to_string(i) + "=\"\"";
                   writeBytes(file, declaration() + "<FREQS_LIST><F StName=\"A\"" + attributes +
                                        "/></FREQS_LIST>");
               },
               // libxml2 checks each attribute against all before it: seconds, not a hang.
               {15, 64}),
        loads("1,000,000 stations",
              [&](const auto& file) {
                  writeRepeated(file, declaration() + "<FREQS_LIST>\n", "<F StName=\"S\"/>\n",
                                1000000, "</FREQS_LIST>\n");
              },
              1000000, "S", {20, 1024}),
        either(
            "1,000,000 levels inside a station",
            [&](const auto& file) {
                writeRepeated(file, declaration() + "<FREQS_LIST><F StName=\"A\">", "<a>", 1000000,
                              repeat("</a>", 1000000) + "</F></FREQS_LIST>");
            },
            deep),
        fails(
            "1,000,000 levels at the top",
            [&](const auto& file) {
                writeRepeated(file, declaration(), "<a>", 1000000, repeat("</a>", 1000000));
            },
            deep),
    });
}

TEST_F(HostileXml, BadEncodingsFailAndGoodOnesLoad)
{
    const std::u16string doc = u"<?xml version=\"1.0\"?><FREQS_LIST><F StName=\"Ж\"/></FREQS_LIST>";
    const std::u16string unpaired =
        u"<?xml version=\"1.0\"?><FREQS_LIST><F StName=\"\xD800\"/></FREQS_LIST>";
    run({
        fails("overlong UTF-8", bytes(stationsWithName("\xC0\xAF"))),
        fails("UTF-8 surrogate", bytes(stationsWithName("\xED\xA0\x80"))),
        fails("stray continuation byte", bytes(stationsWithName("a\x80z"))),
        fails("UTF-8 cut off at the end", bytes(stationsWithName("A") + "\xE2\x82")),
        fails("beyond U+10FFFF", bytes(stationsWithName("\xF4\x90\x80\x80"))),
        fails("NUL byte", bytes(stationsWithName(std::string("A\0B", 3)))),
        loads("UTF-16LE without BOM", bytes(utf16(doc, false)), 1, "\xD0\x96"),
        loads("UTF-16BE without BOM", bytes(utf16(doc, true)), 1, "\xD0\x96"),
        either("UTF-16 cut off in a unit", bytes(utf16(doc, false) + "<")),
        fails("UTF-16 unpaired surrogate", bytes(utf16(unpaired, false))),
        fails("unknown encoding",
              bytes("<?xml version=\"1.0\" encoding=\"x-no-such\"?><FREQS_LIST/>")),
    });
}

TEST_F(HostileXml, StationFileThatIsNoPlainFileFailsQuickly)
{
    const Limits quick{5};
    run({
        fails(
            "endless device",
            [](const auto& file) { std::filesystem::create_symlink("/dev/zero", file); }, quick),
        fails(
            "named pipe nobody writes to", [](const auto& file) { mkfifo(file.c_str(), 0600); },
            quick),
        fails(
            "folder", [](const auto& file) { std::filesystem::create_directory(file); }, quick),
    });
}
