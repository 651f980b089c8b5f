// A schedule "file" that is no plain file must be refused at once, leaving the base as it was:
// read to its end, a device would take all memory, and a pipe nobody writes to would never end.

#include "core/ORVImpl.h"
#include "core/ScheduleFile.h"
#include "core/ScheduleImport.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <functional>
#include <string>

using namespace kavrin;

TEST(HostileSchedule, ScheduleThatIsNoPlainFileIsRefusedQuickly)
{
    TempFolder folder;
    const auto path = folder.file("schedule.txt");
    const struct {
        const char* name;
        std::function<void()> make;
    } cases[] = {
        {"endless device", [&] { std::filesystem::create_symlink("/dev/zero", path); }},
        {"named pipe nobody writes to", [&] { mkfifo(path.c_str(), 0600); }},
        {"folder", [&] { std::filesystem::create_directory(path); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(path);
        c.make();
        const ChildOutcome outcome = runInChild(
            [&] {
                ORVImpl base;
                ORVImpl::FreqInfo kept;
                kept.stName = u"kept";
                base.Add(kept);
                ScheduleImportCounts counts;
                const Result imported = importSchedule(path, base, counts);
                const bool untouched = base.GetCount() == 1 && base[0].stName == u"kept";
                ScheduleFile schedule;
                const Result read = readScheduleFile(path, schedule);
                return std::string(imported.kind() == Result::Kind::CannotOpen ? "refused"
                                                                               : "read") +
                       (untouched ? ", base untouched" : ", base changed") +
                       (read.kind() == Result::Kind::CannotOpen ? ", reader refused"
                                                                : ", reader read");
            },
            std::chrono::seconds(5));
        ASSERT_TRUE(outcome.answered) << "no answer within 5 s";
        EXPECT_EQ(outcome.output, "refused, base untouched, reader refused");
        EXPECT_LT(outcome.peakGrowthKb, 64 * 1024);
    }
}
