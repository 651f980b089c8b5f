// A failure the system explains passes the system's own words on, with the path they are about,
// so that a message can say more than "cannot save".

#include "core/base/ORVImpl.h"
#include "core/file/StationFileLock.h"
#include "core/schedule/ScheduleImport.h"
#include "core/system/DiskSync.h"
#include "core/system/LinkTarget.h"
#include "core/system/PlainFile.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

using namespace kavrin;

TEST(FailureReasons, NameThePathAndTheSystemsReason)
{
    TempFolder folder;
    const auto file = folder.file("file");
    writeBytes(file, "x");
    const auto missing = folder.file("missing");
    const auto loop = folder.file("loop");
    std::filesystem::create_symlink("loop", loop);

    const struct {
        const char* what;
        std::function<std::string()> reason; // empty: the call succeeded
        std::filesystem::path path;
        std::string system;
    } cases[] = {
        {"read a missing file", [&] { return readPlainFile(missing).reason(); }, missing,
         "No such file or directory"},
        {"read below a file", [&] { return readPlainFile(file / "below").reason(); },
         file / "below", "Not a directory"},
        {"import a missing schedule",
         [&] {
             ORVImpl base;
             return importSchedule(missing, base).reason();
         },
         missing, "No such file or directory"},
        {"save into a missing folder",
         [&] { return ORVImpl().Save(missing / "Stations.xml").reason(); }, missing,
         "No such file or directory"},
        {"follow a loop of links", [&] { return followLinks(loop).reason(); }, loop,
         "Too many levels of symbolic links"},
        {"copy a missing file",
         [&] {
             return copyFile(missing, folder.file("copy"), std::filesystem::copy_options::none)
                 .reason();
         },
         missing, "No such file or directory"},
        {"sync a missing file", [&] { return syncFileToDisk(missing).reason(); }, missing,
         "No such file or directory"},
        {"lock in a missing folder",
         [&] { return StationFileLock().acquire(missing / "Stations.xml").reason(); },
         missing / "Stations.xml.lock", "No such file or directory"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string reason = c.reason();
        EXPECT_NE(reason.find(c.path.string()), std::string::npos) << reason;
        EXPECT_NE(reason.find(c.system), std::string::npos) << reason;
    }
}
