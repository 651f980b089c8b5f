// Saves that go wrong: the disk fills at every possible byte, the file system is full or
// read-only, the process dies at any moment. Each time the previous station file must stay byte
// for byte as it was, and a save that did not complete must say so.

#include "core/base/ORVImpl.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <fstream>
#include <functional>
#include <iostream>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

using namespace kavrin;

namespace {

ORVImpl::FreqInfo station(int i)
{
    ORVImpl::FreqInfo r;
    r.stName = u"Station " + std::u16string(1, static_cast<char16_t>(u'A' + i % 26)) + u" Ж";
    r.stLoc = u"Site & <place>";
    r.stComment = std::u16string(static_cast<std::size_t>(40 + i % 200), u'c');
    r.freqRX[0] = 0.5 + i;
    r.freqTX[1] = 7.1;
    r.modulation = i % 8;
    r.usePattern = i % 2;
    r.fromHour = i % 24;
    return r;
}

void fill(ORVImpl& base, int count)
{
    for (int i = 0; i < count; ++i)
        base.Add(station(i));
}

// Every file in `folder` but `keep` and whole backups, which a save that failed or died may have
// left behind.
std::vector<std::filesystem::path> strays(const std::filesystem::path& folder,
                                          const std::string& keep)
{
    std::vector<std::filesystem::path> found;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().filename() == "Backups") {
            for (const auto& backup : std::filesystem::directory_iterator(entry.path())) {
                if (backup.path().extension() == ".part")
                    found.push_back(backup.path());
            }
        } else if (entry.path().filename() != keep) {
            found.push_back(entry.path());
        }
    }
    return found;
}

// While it lives, no file of this process can grow beyond `bytes`: a write past that fails with
// EFBIG, as on a disk that is full. SIGXFSZ, which would end the process instead, is ignored.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_previous);
        rlimit limit = m_previous;
        limit.rlim_cur = bytes;
        m_applied = setrlimit(RLIMIT_FSIZE, &limit) == 0;
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_handler);
    }
    bool applied() const { return m_applied; }

private:
    rlimit m_previous{};
    bool m_applied = false;
    void (*m_handler)(int) = nullptr;
};

class SaveFault : public ::testing::Test {
protected:
    // A save that fails must say why and leave the old file and nothing else.
    void expectFailedAndKept(const Result<>& saved, const std::string& situation)
    {
        EXPECT_FALSE(saved) << situation;
        EXPECT_FALSE(saved.reason().empty()) << situation;
        EXPECT_EQ(readBytes(m_path), m_original) << situation;
        EXPECT_TRUE(strays(m_folder.path(), "Stations.xml").empty()) << situation;
    }

    // The bytes of a complete save of `base`, and its size.
    std::string completeSave(const ORVImpl& base)
    {
        const auto elsewhere = m_other.file("Stations.xml");
        EXPECT_TRUE(base.Save(elsewhere));
        return readBytes(elsewhere);
    }

    TempFolder m_folder;
    TempFolder m_other;
    std::filesystem::path m_path = m_folder.file("Stations.xml");
    const std::string m_original =
        "<?xml version=\"1.0\"?>\n<FREQS_LIST>\n\t<Freq-0 StName=\"old\" StModulation=\"0\" "
        "UsePattern=\"0\"/>\n</FREQS_LIST>\n";
};

} // namespace

TEST_F(SaveFault, DiskFullAfterAnyNumberOfBytesKeepsTheOldFile)
{
    ORVImpl small;
    fill(small, 3);
    const std::string whole = completeSave(small);
    for (std::size_t limit = 0; limit <= whole.size(); ++limit) {
        writeBytes(m_path, m_original);
        Result<> saved = Result<>::success();
        {
            FileSizeLimit full(limit);
            ASSERT_TRUE(full.applied());
            saved = small.Save(m_path);
        }
        if (limit == whole.size()) {
            EXPECT_TRUE(saved) << saved.reason();
            EXPECT_EQ(readBytes(m_path), whole);
        } else {
            expectFailedAndKept(saved, "limit " + std::to_string(limit));
        }
    }
    std::cout << "[ faults   ] " << whole.size() + 1 << " byte limits over a save of "
              << whole.size() << " bytes\n";
}

TEST_F(SaveFault, DiskFullAnywhereInALargeSaveKeepsTheOldFile)
{
    // Large enough to be written in several pieces; limits around each piece's end and between.
    ORVImpl large;
    fill(large, 2000);
    const std::string whole = completeSave(large);
    std::vector<std::size_t> limits;
    for (std::size_t at = 0; at < whole.size(); at += 4093)
        limits.push_back(at);
    for (std::size_t piece = 1 << 16; piece < whole.size(); piece += 1 << 16) {
        for (std::size_t around : {piece - 4097, piece - 1, piece, piece + 1, piece + 4096})
            limits.push_back(around);
    }
    limits.push_back(whole.size() - 1);
    for (std::size_t limit : limits) {
        writeBytes(m_path, m_original);
        Result<> saved = Result<>::success();
        {
            FileSizeLimit full(limit);
            saved = large.Save(m_path);
        }
        expectFailedAndKept(saved, "limit " + std::to_string(limit));
    }
    // The same when there was no file before: none is left behind.
    std::filesystem::remove(m_path);
    Result<> saved = Result<>::success();
    {
        FileSizeLimit full(whole.size() / 2);
        saved = large.Save(m_path);
    }
    EXPECT_FALSE(saved);
    EXPECT_TRUE(std::filesystem::is_empty(m_folder.path()));
    std::cout << "[ faults   ] " << limits.size() + 1 << " byte limits over a save of "
              << whole.size() << " bytes\n";
}

namespace {

constexpr std::string_view kNoNamespace = "no private mount namespace";

// Runs `body` in a child process that has a mount namespace of its own (entered as root, or
// through a user namespace otherwise), so that it can mount file systems no one else sees.
// Returns the problems it reported, or nothing when no such namespace can be had here.
std::optional<std::string> inPrivateMounts(const std::function<std::string()>& body)
{
    const ChildOutcome child = runInChild(
        [&body] {
            const uid_t uid = geteuid();
            const gid_t gid = getegid();
            bool entered = unshare(CLONE_NEWNS) == 0;
            if (!entered && unshare(CLONE_NEWUSER | CLONE_NEWNS) == 0) {
                std::ofstream("/proc/self/setgroups") << "deny";
                std::ofstream("/proc/self/uid_map") << "0 " << uid << " 1";
                std::ofstream("/proc/self/gid_map") << "0 " << gid << " 1";
                entered = true;
            }
            if (!entered || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
                return std::string(kNoNamespace);
            return body();
        },
        std::chrono::seconds(60));
    if (!child.answered)
        return "the child process gave no answer";
    if (child.output == kNoNamespace)
        return std::nullopt;
    return child.output;
}

// Collects what went wrong in a child process, where gtest's assertions would not be seen.
struct Problems {
    std::string text;
    void check(bool good, const std::string& what)
    {
        if (!good)
            text += what + "\n";
    }
};

} // namespace

TEST_F(SaveFault, FullFileSystemKeepsTheOldFile)
{
    ORVImpl base;
    fill(base, 40);
    const std::string whole = completeSave(base);
    const std::filesystem::path disk = m_folder.path();
    const auto problems = inPrivateMounts([&]() {
        Problems p;
        int attempts = 0;
        if (mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=256k") != 0)
            return std::string("cannot mount a tmpfs: ") + std::strerror(errno);
        writeBytes(m_path, m_original);
        // Fill every page but the old file's.
        const auto filler = disk / "filler";
        {
            std::ofstream out(filler, std::ios::binary);
            const std::string page(4096, 'f');
            while (out.write(page.data(), static_cast<std::streamsize>(page.size())) &&
                   out.flush()) {
            }
        }
        const auto filled = std::filesystem::file_size(filler);
        // Give back one page after another until the save fits.
        bool saved = false;
        for (std::uintmax_t pages = 0; !saved && pages * 4096 <= whole.size() + 8192; ++pages) {
            std::filesystem::resize_file(filler, filled - std::min(filled, pages * 4096));
            const Result<> attempt = base.Save(m_path);
            saved = attempt.ok();
            const std::string& why = attempt.reason();
            ++attempts;
            const std::string situation = std::to_string(pages) + " pages free: ";
            if (saved) {
                p.check(readBytes(m_path) == whole, situation + "saved, but not the whole base");
            } else {
                p.check(why.find("No space left on device") != std::string::npos,
                        situation + "the reason does not say the disk is full: " + why);
                p.check(readBytes(m_path) == m_original, situation + "the old file changed");
            }
            p.check(strays(disk, "Stations.xml").size() == 1, situation + "left a file behind");
        }
        p.check(saved, "no save succeeded even with room for it");
        p.check(attempts > 1, "the first save already fitted: the disk was not full");
        std::cout << "[ faults   ] " << attempts << " saves onto a full tmpfs, one more page free "
                  << "each time, over a save of " << whole.size() << " bytes" << std::endl;
        return p.text;
    });
    if (!problems)
        GTEST_SKIP()
            << "no private mount namespace here; DiskFullAfterAnyNumberOfBytes covers the disk";
    EXPECT_EQ(*problems, "");
}

TEST_F(SaveFault, ReadOnlyFolderKeepsTheOldFile)
{
    ORVImpl base;
    fill(base, 3);
    writeBytes(m_path, m_original);
    const std::filesystem::path folder = m_folder.path();
    const auto problems = inPrivateMounts([&]() {
        Problems p;
        // A read-only view of the folder: stops root too, which permission bits do not.
        if (mount(folder.c_str(), folder.c_str(), nullptr, MS_BIND, nullptr) != 0 ||
            mount(nullptr, folder.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0)
            return std::string("cannot make a read-only bind mount: ") + std::strerror(errno);
        const Result<> saved = base.Save(m_path);
        p.check(!saved, "saved into a read-only folder");
        p.check(saved.reason().find("Read-only file system") != std::string::npos,
                "the reason does not say the folder is read-only: " + saved.reason());
        p.check(readBytes(m_path) == m_original, "the old file changed");
        p.check(strays(folder, "Stations.xml").empty(), "left a file behind");
        return p.text;
    });
    if (!problems) {
        if (geteuid() == 0)
            GTEST_SKIP() << "no private mount namespace, and permission bits do not stop root";
        std::filesystem::permissions(folder, std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::remove);
        const Result<> saved = base.Save(m_path);
        std::filesystem::permissions(folder, std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::add);
        expectFailedAndKept(saved, "folder without write permission");
        return;
    }
    EXPECT_EQ(*problems, "");
}

TEST_F(SaveFault, TargetThatCannotBeReplacedIsLeftAlone)
{
    // Everything is written and synced before the rename fails: the last step must clean up too.
    ORVImpl base;
    fill(base, 3);
    std::filesystem::remove(m_path);
    std::filesystem::create_directory(m_path);
    writeBytes(m_path / "inside", "x");
    const Result<> saved = base.Save(m_path);
    EXPECT_FALSE(saved);
    EXPECT_FALSE(saved.reason().empty());
    EXPECT_EQ(readBytes(m_path / "inside"), "x");
    EXPECT_TRUE(strays(m_folder.path(), "Stations.xml").empty());
}

TEST_F(SaveFault, ProcessKilledAtAnyMomentOfASaveKeepsAWholeFile)
{
    ORVImpl base;
    fill(base, 3000);
    // How long a save over the file takes here, so that the kills spread over all of it, the
    // backup, the final sync and rename included.
    writeBytes(m_path, m_original);
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(base.Save(m_path));
    const auto duration = std::chrono::steady_clock::now() - start;
    const std::string whole = readBytes(m_path);
    const auto longest = std::chrono::duration_cast<std::chrono::microseconds>(duration * 5 / 4);

    std::mt19937 random(20240611);
    std::uniform_int_distribution<long> moment(0, longest.count());
    constexpr int kKills = 200;
    int keptOld = 0, foundNew = 0, leftovers = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        writeBytes(m_path, m_original);
        int started[2];
        ASSERT_EQ(pipe(started), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(started[0]);
            const char go = 1;
            const bool saved = write(started[1], &go, 1) == 1 && base.Save(m_path);
            _exit(saved ? 0 : 1);
        }
        close(started[1]);
        char go;
        ASSERT_EQ(read(started[0], &go, 1), 1);
        close(started[0]);
        std::this_thread::sleep_for(std::chrono::microseconds(moment(random)));
        ::kill(child, SIGKILL);
        waitpid(child, nullptr, 0);

        const std::string now = readBytes(m_path);
        if (now == m_original)
            ++keptOld;
        else if (now == whole)
            ++foundNew;
        else
            ADD_FAILURE() << "kill " << kill << " left a file of " << now.size() << " bytes";
        for (const auto& stray : strays(m_folder.path(), "Stations.xml")) {
            ++leftovers;
            std::filesystem::remove(stray);
        }
    }
    EXPECT_EQ(keptOld + foundNew, kKills);
    std::cout << "[ faults   ] " << kKills << " kills over a save of "
              << std::chrono::duration_cast<std::chrono::milliseconds>(duration).count()
              << " ms: " << keptOld << " kept the old file, " << foundNew << " found the new one, "
              << leftovers << " left a temporary file\n";
}
