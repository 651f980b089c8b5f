#include "core/file/StationFilePlace.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

using namespace kavrin;

// Copies of a program laid out in a temporary folder; each either counts as installed and keeps
// its file in the data folder, or keeps it beside itself.
TEST(StationFilePlace, InstalledOnlyInTheLayoutOfAnInstallTree)
{
    TempFolder folder;
    const InstallLayout layout = installLayout();
    const std::filesystem::path data = folder.file("home-data");
    const auto made = [&](const std::filesystem::path& relative) {
        std::filesystem::create_directories(folder.path() / relative);
        return folder.path() / relative;
    };
    // The tree as this build installs it, but below another prefix.
    const std::filesystem::path bin = made("tree" / layout.executables.relative_path());
    made("tree" / layout.data.relative_path());
    // A build folder that an install tree was put into.
    const std::filesystem::path desktop = made("build/desktop");
    made("build/share/kavrin");
    // An unpacked copy in a folder of the same name as the folder of executables, with no data
    // folder of Kavrin beside it.
    const std::filesystem::path unpacked = made("unpacked" / layout.executables.filename());

    const struct {
        std::filesystem::path executable;
        bool installed;
    } cases[] = {
        {bin / "Orvale", true},
        {desktop / "Orvale", false},
        {unpacked / "Orvale", false},
        {folder.file("Orvale"), false},
    };
    for (const auto& c : cases) {
        const StationFilePlace place = stationFilePlace(c.executable, data);
        EXPECT_EQ(place.installed, c.installed) << c.executable;
        EXPECT_EQ(place.file, (c.installed ? data : c.executable.parent_path()) / "Stations.xml")
            << c.executable;
    }
    EXPECT_FALSE(std::filesystem::exists(data)) << "the rule only looks";
}
