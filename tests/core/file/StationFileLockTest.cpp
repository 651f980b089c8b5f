#include "core/file/StationFileLock.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <unistd.h>

using namespace kavrin;

namespace {

// What another process gets when it tries to take the lock for `file`; with `dieHolding` it then
// ends without releasing it, as a crashed program would.
std::string otherProcessTries(const std::filesystem::path& file, bool dieHolding = false)
{
    const ChildOutcome child = runInChild(
        [&] {
            auto* lock = new StationFileLock; // never released by this process
            const Result<> held = lock->acquire(file);
            if (held && dieHolding)
                return std::string("held");
            delete lock;
            if (held)
                return std::string("held");
            return std::string(held.kind() == ResultKind::InUse ? "in use" : "unavailable");
        },
        std::chrono::seconds(20));
    return child.answered ? child.output : "no answer";
}

} // namespace

TEST(StationFileLock, OneHolderPerStationFileUntilItReleasesOrDies)
{
    TempFolder folder;
    std::filesystem::create_directory(folder.file("real"));
    const auto file = folder.file("real") / "Stations.xml";
    const auto link = folder.file("Stations.xml");
    std::filesystem::create_symlink("real/Stations.xml", link);

    StationFileLock first;
    ASSERT_TRUE(first.acquire(link));
    EXPECT_TRUE(std::filesystem::exists(folder.file("real") / "Stations.xml.lock"));
    EXPECT_EQ(otherProcessTries(file), "in use") << "the same file by its own path";
    EXPECT_EQ(otherProcessTries(link), "in use");
    EXPECT_EQ(otherProcessTries(folder.file("Other.xml")), "held") << "another station file";

    first.release();
    EXPECT_FALSE(std::filesystem::exists(folder.file("real") / "Stations.xml.lock"));
    EXPECT_EQ(otherProcessTries(file, true), "held");
    EXPECT_TRUE(std::filesystem::exists(folder.file("real") / "Stations.xml.lock"));
    EXPECT_TRUE(first.acquire(file)) << "a lock file left by a process that died";

    TempFolder readOnly;
    std::filesystem::permissions(readOnly.path(), std::filesystem::perms::owner_read |
                                                      std::filesystem::perms::owner_exec);
    if (geteuid() != 0) { // root writes through permission bits
        const Result<> unavailable = StationFileLock().acquire(readOnly.file("Stations.xml"));
        EXPECT_EQ(unavailable.kind(), ResultKind::Failed);
        EXPECT_NE(unavailable.reason().find("Stations.xml.lock: Permission denied"),
                  std::string::npos)
            << unavailable.reason();
    }
}
