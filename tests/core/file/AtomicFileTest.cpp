#include "core/file/AtomicFile.h"
#include "core/base/ORVImpl.h"
#include "core/file/StationBackups.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <csignal>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

using namespace kavrin;

namespace {

ORVImpl::FreqInfo station(int i)
{
    ORVImpl::FreqInfo r;
    r.stName = u"Station " + std::u16string(1, char16_t(u'A' + i % 26));
    r.stComment = std::u16string(200, u'c');
    r.freqRX[0] = 1 + i;
    return r;
}

std::size_t filesIn(const std::filesystem::path& folder)
{
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder))
        ++n;
    return n;
}

class SafeSave : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeBytes(m_path, m_original);
        m_base.Add(station(1));
    }

    TempFolder m_folder;
    std::filesystem::path m_path = m_folder.file("Stations.xml");
    const std::string m_original =
        "<?xml version=\"1.0\"?><FREQS_LIST><F StName=\"old\"/></FREQS_LIST>";
    ORVImpl m_base;
};

} // namespace

TEST_F(SafeSave, ReplacesTheFileAndLeavesNoTemporaryBehind)
{
    ASSERT_TRUE(m_base.Save(m_path));
    EXPECT_NE(readBytes(m_path), m_original);
    EXPECT_EQ(filesIn(m_folder.path()), 2u); // the file and its backups
    EXPECT_EQ(filesIn(m_folder.file("Backups")), 1u);
}

TEST_F(SafeSave, TheWriterKeepsTheReplacedBytesWhenTheCallerAsks)
{
    // The transfer copies station files through the writer byte for byte.
    for (const ReplacedVersion replaced :
         {ReplacedVersion::KeptInBackups, ReplacedVersion::Dropped}) {
        writeBytes(m_path, m_original);
        AtomicFileWriter writer(m_path, replaced);
        ASSERT_TRUE(writer.open());
        ASSERT_TRUE(writer.write("received"));
        ASSERT_TRUE(writer.commit());
        EXPECT_EQ(readBytes(m_path), "received");
        const std::vector<StationBackup> kept = listBackups(m_path);
        if (replaced == ReplacedVersion::KeptInBackups) {
            ASSERT_EQ(kept.size(), 1u);
            EXPECT_EQ(readBytes(kept[0].path), m_original);
        } else {
            EXPECT_EQ(kept.size(), 1u) << "only the earlier replacement's backup";
        }
    }
}

TEST_F(SafeSave, FolderThatCannotBeWrittenFailsAndKeepsTheOldFile)
{
    std::string why;
    // A "folder" that is a file cannot take a new file, even for root.
    const auto notAFolder = m_folder.file("plain");
    writeBytes(notAFolder, "x");
    const Result<> intoAFile = m_base.Save(notAFolder / "Stations.xml");
    EXPECT_FALSE(intoAFile);
    EXPECT_FALSE(intoAFile.reason().empty());

    if (geteuid() != 0) { // root writes through permission bits
        std::filesystem::permissions(m_folder.path(), std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::remove);
        EXPECT_FALSE(m_base.Save(m_path));
        std::filesystem::permissions(m_folder.path(), std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::add);
    }
    EXPECT_EQ(readBytes(m_path), m_original);
}

TEST_F(SafeSave, ReadOnlyFileIsRespected)
{
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_read |
                                             std::filesystem::perms::group_read);
    const Result<> saved = m_base.Save(m_path);
    EXPECT_FALSE(saved);
    EXPECT_NE(saved.reason().find("read-only"), std::string::npos) << saved.reason();
    EXPECT_EQ(readBytes(m_path), m_original);
    EXPECT_EQ(filesIn(m_folder.path()), 1u);
}

TEST_F(SafeSave, KeepsThePermissionsOfTheFileItReplaces)
{
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_read |
                                             std::filesystem::perms::owner_write);
    ASSERT_TRUE(m_base.Save(m_path));
    EXPECT_EQ(std::filesystem::status(m_path).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

TEST_F(SafeSave, SaveKilledAtAnyMomentLeavesTheOldFileWhole)
{
    for (int i = 0; i < 20000; ++i)
        m_base.Add(station(i));
    std::mt19937 random(7);
    for (int attempt = 0; attempt < 12; ++attempt) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            _exit(m_base.Save(m_path) ? 0 : 1);
        }
        usleep(std::uniform_int_distribution<int>(0, 40000)(random));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        const std::string now = readBytes(m_path);
        if (now != m_original) {
            // The save got to its end before the kill: the new file must then be complete.
            ORVImpl check;
            ASSERT_TRUE(check.Load(m_path));
            EXPECT_EQ(check.GetCount(), m_base.GetCount());
            writeBytes(m_path, m_original);
        }
    }
}
