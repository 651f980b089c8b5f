#include "core/file/StationBackups.h"
#include "core/base/ORVImpl.h"
#include "core/system/Clock.h"
#include "core/text/TextCodec.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/time.h>

using namespace kavrin;

namespace {

// Tuesday 2026-12-08 21:30:00 UTC.
constexpr std::time_t kEvening = 1796765400;
std::time_t g_now = kEvening;

ClockReading fixedClock()
{
    return {g_now, 0};
}

class FixedClock {
public:
    FixedClock() { setClockSource(&fixedClock); }
    ~FixedClock() { setClockSource(nullptr); }
};

// A base holding one station named `name`.
void holdOnly(ORVImpl& base, const std::u16string& name)
{
    ORVImpl::FreqInfo r;
    r.stName = name;
    r.freqRX[0] = 9.5;
    base.Clear();
    base.Add(r);
}

std::u16string version(int v)
{
    return u"v" + utf8ToUtf16(std::to_string(v));
}

std::u16string onlyName(const std::filesystem::path& file)
{
    ORVImpl base;
    if (!base.Load(file) || base.GetCount() != 1)
        return u"(unreadable)";
    return base[0].stName;
}

} // namespace

TEST(StationBackups, EachSaveKeepsTheVersionItReplacesAndTheTenNewestStay)
{
    g_now = kEvening;
    FixedClock clock;
    TempFolder folder;
    const auto file = folder.file("Stations.xml");
    const auto backups = folder.file("Backups");
    ORVImpl base;
    holdOnly(base, version(1));
    ASSERT_TRUE(base.Save(file));
    EXPECT_FALSE(std::filesystem::exists(backups)) << "nothing to keep before the first file";
    std::filesystem::permissions(file, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::owner_write);
    // What the user put there, and another station file's backup, are not touched.
    std::filesystem::create_directory(backups);
    writeBytes(backups / "notes.txt", "mine");
    writeBytes(backups / "Other-2026-12-08T21-30-00Z-001.xml", "other");

    // Thirteen saves, up to four within one second.
    const std::time_t start = kEvening;
    for (int v = 2; v <= 14; ++v) {
        g_now = start + v / 4;
        holdOnly(base, version(v));
        ASSERT_TRUE(base.Save(file));
    }

    const std::vector<StationBackup> kept = listBackups(file);
    ASSERT_EQ(kept.size(), std::size_t{kBackupsKept});
    // Newest first: the version the last save replaced (v13), then the one before, …
    for (std::size_t i = 0; i < kept.size(); ++i) {
        EXPECT_EQ(onlyName(kept[i].path), version(int(13 - i))) << i;
        EXPECT_EQ(kept[i].replacedUtc, start + (14 - int(i)) / 4) << i;
    }
    EXPECT_EQ(kept[0].path.filename(), "Stations-2026-12-08T21-30-03Z-003.xml");
    EXPECT_EQ(std::filesystem::status(kept[0].path).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    EXPECT_EQ(readBytes(backups / "notes.txt"), "mine");
    EXPECT_EQ(readBytes(backups / "Other-2026-12-08T21-30-00Z-001.xml"), "other");
}

TEST(StationBackups, ASaveThatCannotKeepTheOldVersionLeavesItInPlace)
{
    TempFolder folder;
    const auto file = folder.file("Stations.xml");
    writeBytes(file, "<?xml version=\"1.0\"?><FREQS_LIST/>");
    writeBytes(folder.file("Backups"), "a file where the folder would go");
    ORVImpl base;
    holdOnly(base, u"new");
    const Result<> saved = base.Save(file);
    EXPECT_FALSE(saved);
    EXPECT_NE(saved.reason().find("backup"), std::string::npos) << saved.reason();
    EXPECT_EQ(readBytes(file), "<?xml version=\"1.0\"?><FREQS_LIST/>");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 2);
}

TEST(StationBackups, SavingThroughALinkReplacesTheFileItPointsTo)
{
    struct Case {
        const char* what;
        std::vector<std::pair<const char*, const char*>> links; // link → what it names
        bool fileBefore;
        bool saves;
    };
    const Case cases[] = {
        {"a link into another folder", {{"Stations.xml", "real/Stations.xml"}}, true, true},
        {"a chain of two links",
         {{"Stations.xml", "second.xml"}, {"second.xml", "real/Stations.xml"}},
         true,
         true},
        {"a dangling link", {{"Stations.xml", "real/Stations.xml"}}, false, true},
        {"a link into a missing folder", {{"Stations.xml", "gone/Stations.xml"}}, false, false},
        {"a loop of links",
         {{"Stations.xml", "second.xml"}, {"second.xml", "Stations.xml"}},
         false,
         false},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        std::filesystem::create_directory(folder.file("real"));
        const auto real = folder.file("real") / "Stations.xml";
        ORVImpl base;
        holdOnly(base, u"old");
        if (c.fileBefore) {
            ASSERT_TRUE(base.Save(real));
        }
        for (const auto& [link, target] : c.links)
            std::filesystem::create_symlink(target, folder.file(link));

        holdOnly(base, u"new");
        const auto through = folder.file("Stations.xml");
        const Result<> saved = base.Save(through);
        EXPECT_EQ(saved.ok(), c.saves) << c.what << ": " << saved.reason();
        for (const auto& [link, target] : c.links) {
            EXPECT_TRUE(std::filesystem::is_symlink(folder.file(link))) << c.what;
            EXPECT_EQ(std::filesystem::read_symlink(folder.file(link)), target) << c.what;
        }
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}),
                  std::ptrdiff_t(c.links.size() + 1))
            << c.what << ": a temporary file or backup beside the link";
        if (c.saves) {
            EXPECT_EQ(onlyName(real), u"new") << c.what;
            const std::vector<StationBackup> kept = listBackups(through);
            ASSERT_EQ(kept.size(), c.fileBefore ? 1u : 0u) << c.what;
            if (c.fileBefore) {
                EXPECT_EQ(kept[0].path.parent_path(), folder.file("real") / "Backups") << c.what;
                EXPECT_EQ(onlyName(kept[0].path), u"old") << c.what;
            }
        }
    }
}

// Signals arrive while a program copies (timers, the end of a child process); one that interrupts
// the copy or its flush must not fail the save.
TEST(StationBackups, ASignalDuringTheCopyDoesNotFailIt)
{
    TempFolder folder;
    const auto file = folder.file("Stations.xml");
    writeBytes(file, std::string(32 << 20, 'x'));
    struct sigaction quiet = {};
    quiet.sa_handler = [](int) {};
    struct sigaction before = {};
    sigaction(SIGALRM, &quiet, &before); // without SA_RESTART: calls return EINTR
    const itimerval often = {{0, 100}, {0, 100}};
    itimerval timerBefore = {};
    setitimer(ITIMER_REAL, &often, &timerBefore);
    for (int i = 0; i < 5; ++i) {
        const Result<std::filesystem::path> backup = keepBackup(file);
        EXPECT_TRUE(backup) << backup.reason();
    }
    setitimer(ITIMER_REAL, &timerBefore, nullptr);
    sigaction(SIGALRM, &before, nullptr);
}
