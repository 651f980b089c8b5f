#include "bench/StationGenerator.h"
#include "core/base/ORVImpl.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>
#include <sstream>

using namespace kavrin;

namespace {

std::string savedBytes(const ORVImpl& base, const std::filesystem::path& path)
{
    EXPECT_TRUE(base.Save(path));
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::string generatedFile(std::uint32_t seed, int count, const std::filesystem::path& path)
{
    ORVImpl base;
    StationGenerator(seed).fill(base, count);
    return savedBytes(base, path);
}

} // namespace

TEST(StationGenerator, SameSeedGivesTheSameFileAndAnotherSeedAnother)
{
    TempFolder folder;
    const std::string first = generatedFile(StationGenerator::kDefaultSeed, 2000, folder.file("a"));
    EXPECT_EQ(generatedFile(StationGenerator::kDefaultSeed, 2000, folder.file("b")), first);
    EXPECT_NE(generatedFile(7, 2000, folder.file("c")), first);
}

TEST(StationGenerator, StationsSurviveASaveAndALoadUnchanged)
{
    TempFolder folder;
    const std::string saved = generatedFile(StationGenerator::kDefaultSeed, 5000, folder.file("a"));
    ORVImpl loaded;
    ASSERT_TRUE(loaded.Load(folder.file("a")));
    ASSERT_EQ(loaded.GetCount(), 5000);
    EXPECT_EQ(savedBytes(loaded, folder.file("b")), saved);
}

TEST(StationGenerator, SavedSizeIsAbout170BytesAStation)
{
    TempFolder folder;
    const std::size_t size =
        generatedFile(StationGenerator::kDefaultSeed, 10'000, folder.file("a")).size();
    EXPECT_GT(size, 1'550'000u);
    EXPECT_LT(size, 1'850'000u);
}

TEST(StationGenerator, CoversTheShapesOfRealStations)
{
    StationGenerator generator;
    constexpr int kCount = 20'000;
    std::set<int> modulations;
    std::set<int> bands; // 0 LF, 1 MW, 2 SW, 3 VHF, 4 UHF
    int patterns = 0, acrossMidnight = 0, weekdaysOnly = 0, cyrillicNames = 0, transmitLists = 0,
        comments = 0, locations = 0;
    for (int i = 0; i < kCount; ++i) {
        const ORVImpl::FreqInfo r = generator.next();
        ASSERT_FALSE(r.stName.empty());
        const int received = r.CountRX();
        ASSERT_GE(received, 1);
        ASSERT_LE(received, 3);
        ASSERT_TRUE(std::is_sorted(r.freqRX, r.freqRX + received));
        ASSERT_EQ(std::adjacent_find(r.freqRX, r.freqRX + received), r.freqRX + received);
        for (int k = 0; k < received; ++k) {
            const double f = r.freqRX[k];
            bands.insert(f < 0.3 ? 0 : f < 3 ? 1 : f < 30 ? 2 : f < 300 ? 3 : 4);
        }
        modulations.insert(r.modulation);
        patterns += r.usePattern;
        acrossMidnight += r.usePattern == 1 && r.fromHour > r.toHour;
        weekdaysOnly += r.usePattern == 1 && r.days[0] == 0 && r.days[1] == 1 && r.days[6] == 0;
        cyrillicNames += std::any_of(r.stName.begin(), r.stName.end(),
                                     [](char16_t c) { return c >= 0x400 && c <= 0x4FF; });
        transmitLists += r.CountTX() > 0;
        comments += !r.stComment.empty();
        locations += !r.stLoc.empty();
    }
    EXPECT_EQ(modulations, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7, 1024}));
    EXPECT_EQ(bands, (std::set<int>{0, 1, 2, 3, 4}));
    EXPECT_NEAR(patterns, kCount / 3, kCount / 20);
    EXPECT_GT(acrossMidnight, kCount / 20);
    EXPECT_GT(weekdaysOnly, kCount / 50);
    EXPECT_GT(cyrillicNames, kCount / 50);
    EXPECT_GT(transmitLists, kCount / 10);
    EXPECT_GT(comments, kCount / 5);
    EXPECT_GT(locations, kCount / 2);
}
