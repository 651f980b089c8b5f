// A schedule "file" that is no plain file must be refused at once, leaving the base as it was:
// read to its end, a device would take all memory, and a pipe nobody writes to would never end.

#include "core/base/ORVImpl.h"
#include "core/schedule/ScheduleFile.h"
#include "core/schedule/ScheduleImport.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <functional>
#include <random>
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
                const Result<ScheduleImportCounts> imported = importSchedule(path, base);
                const bool untouched = base.GetCount() == 1 && base[0].stName == u"kept";
                const Result<ScheduleFile> read = readScheduleFile(path);
                return std::string(imported.kind() == ResultKind::CannotOpen ? "refused" : "read") +
                       (untouched ? ", base untouched" : ", base changed") +
                       (read.kind() == ResultKind::CannotOpen ? ", reader refused"
                                                              : ", reader read");
            },
            std::chrono::seconds(5));
        ASSERT_TRUE(outcome.answered) << "no answer within 5 s";
        EXPECT_EQ(outcome.output, "refused, base untouched, reader refused");
        EXPECT_LT(outcome.peakGrowthKb, 64 * 1024);
    }
}

// AddressSanitizer keeps freed blocks in quarantine, so there the peak says nothing of what a
// read keeps.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kPeakMemoryMeans = false;
#elif defined(__has_feature)
constexpr bool kPeakMemoryMeans = !__has_feature(address_sanitizer);
#else
constexpr bool kPeakMemoryMeans = true;
#endif

// Junk after a schedule header is read line by line and every line is counted, but only a bounded
// number of them are kept for the user, so memory stays near the size of the file.
TEST(HostileSchedule, JunkAfterAHeaderCostsMemoryNearTheFileSize)
{
    TempFolder folder;
    const auto path = folder.file("schedule");
    const std::string csvHeader =
        "kHz;Time(UTC);Days;ITU;Station;Lng;Target;Remarks;P;Start;Stop\n";
    const std::string textHeader = "kHz Time(UTC) Days ITU Station Lang. Target Remarks\n===\n";
    constexpr std::size_t kSize = 8 * 1024 * 1024;
    std::string shortLines;
    for (std::size_t i = 0; i < kSize / 2; ++i)
        shortLines += "x\n";
    std::string binary(kSize, '\0');
    std::mt19937 random(7);
    for (char& c : binary)
        c = static_cast<char>(random());
    const std::string lineCount = std::to_string(kSize / 2);
    const struct {
        const char* name;
        std::string bytes;
        std::string counts; // stations/skipped/listed; empty: not checked
    } cases[] = {
        {"short lines", csvHeader + shortLines, "0/" + lineCount + "/1000"},
        {"short lines of a text schedule", textHeader + shortLines, "0/" + lineCount + "/1000"},
        {"one long line", csvHeader + std::string(kSize, ';'), "0/1/1"},
        {"binary", csvHeader + binary, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeBytes(path, c.bytes);
        const ChildOutcome outcome = runInChild(
            [&] {
                const Result<ScheduleFile> schedule = readScheduleFile(path);
                if (!schedule)
                    return std::string("not read");
                return std::to_string(schedule->stations.size()) + "/" +
                       std::to_string(schedule->skippedLines) + "/" +
                       std::to_string(schedule->skipped.size());
            },
            std::chrono::seconds(30));
        ASSERT_TRUE(outcome.answered) << "no answer within 30 s";
        if (!c.counts.empty()) {
            EXPECT_EQ(outcome.output, c.counts);
        }
        if (kPeakMemoryMeans) {
            EXPECT_LT(outcome.peakGrowthKb, 3 * static_cast<long>(kSize / 1024));
        }
    }
}
