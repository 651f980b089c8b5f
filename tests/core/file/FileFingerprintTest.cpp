#include "core/file/FileFingerprint.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <functional>

using namespace kavrin;

TEST(FileFingerprint, TellsWhetherAnotherProcessChangedTheFile)
{
    const std::string first = "<?xml version=\"1.0\"?><FREQS_LIST><F StName=\"A\"/></FREQS_LIST>";
    const std::string other = "<?xml version=\"1.0\"?><FREQS_LIST><F StName=\"B\"/></FREQS_LIST>";
    using Change = std::function<void(const std::filesystem::path&, const FileFingerprint&)>;
    // The file system may keep times to the second or coarser: putting the old time back stands
    // for a change that its clock does not show.
    const auto oldTimeBack = [](const std::filesystem::path& file, const FileFingerprint& seen) {
        std::filesystem::last_write_time(file, seen.modified);
    };
    struct Case {
        const char* what;
        bool fileBefore;
        Change change;
        bool changed;
    };
    const Case cases[] = {
        {"nothing", true, [](auto&, auto&) {}, false},
        {"other bytes, same size and time", true,
         [&](auto& file, auto& seen) {
             writeBytes(file, other);
             oldTimeBack(file, seen);
         },
         true},
        {"same bytes written again later", true,
         [&](auto& file, auto& seen) {
             writeBytes(file, first);
             std::filesystem::last_write_time(file, seen.modified + std::chrono::hours(1));
         },
         false},
        {"removed", true, [](auto& file, auto&) { std::filesystem::remove(file); }, true},
        {"created where there was none", false, [&](auto& file, auto&) { writeBytes(file, first); },
         true},
        {"replaced by a folder", true,
         [](auto& file, auto&) {
             std::filesystem::remove(file);
             std::filesystem::create_directory(file);
         },
         true},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        const auto file = folder.file("Stations.xml");
        if (c.fileBefore)
            writeBytes(file, first);
        const FileFingerprint seen = takeFingerprint(file);
        const ChildOutcome child = runInChild(
            [&] {
                c.change(file, seen);
                return std::string("done");
            },
            std::chrono::seconds(20));
        ASSERT_EQ(child.output, "done") << c.what;
        const FileFingerprint now = takeFingerprint(file);
        EXPECT_EQ(changedSince(seen, now), c.changed) << c.what;
        if (now.state != FileFingerprint::State::Unreadable) {
            EXPECT_FALSE(changedSince(now, takeFingerprint(file))) << c.what << ", taken again";
        }
    }
}

TEST(FileFingerprint, ModifiedTextIsLocalTime)
{
    TempFolder folder;
    const auto file = folder.file("Stations.xml");
    writeBytes(file, "x");
    std::filesystem::last_write_time(
        file, std::chrono::file_clock::from_sys(std::chrono::sys_seconds(
                  std::chrono::seconds(1796765400)))); // 2026-12-08 21:30:00 UTC
    const char* const previous = std::getenv("TZ");
    const std::string kept = previous ? previous : "";
    setenv("TZ", "EET-2", 1); // two hours east, no daylight saving
    tzset();
    const FileFingerprint print = takeFingerprint(file);
    EXPECT_EQ(modifiedUtc(print), 1796765400);
    EXPECT_EQ(modifiedText(print), "2026-12-08 23:30:00");
    EXPECT_EQ(modifiedText(takeFingerprint(folder.file("none"))), "");
    if (previous)
        setenv("TZ", kept.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
}

TEST(FileFingerprint, BytesInPiecesGiveTheFilesFingerprint)
{
    std::string bytes(100000, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i * 7 % 253);
    TempFolder folder;
    const auto file = folder.file("Stations.xml");
    for (const std::size_t piece :
         {std::size_t{1}, std::size_t{5}, std::size_t{16384}, bytes.size()}) {
        for (const std::size_t size : {std::size_t{0}, std::size_t{3}, bytes.size()}) {
            writeBytes(file, bytes.substr(0, size));
            const FileFingerprint onDisk = takeFingerprint(file);
            FingerprintBuilder builder;
            for (std::size_t at = 0; at < size; at += piece)
                builder.add(std::string_view(bytes).substr(at, std::min(piece, size - at)));
            EXPECT_EQ(builder.fingerprint(onDisk.modified), onDisk) << piece << " " << size;
        }
    }
}
