#include "core/base/ORVImpl.h"
#include "core/station/Modulation.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace kavrin;

namespace {

const std::filesystem::path kExampleFile =
    std::filesystem::path(KAVRIN_EXAMPLES_DIR) / "Stations.xml";

class ExampleStations : public ::testing::Test {
protected:
    void SetUp() override
    {
        const Result<> loaded = m_base.Load(kExampleFile);
        ASSERT_TRUE(loaded) << loaded.reason();
    }

    template <typename Predicate> bool anyStation(Predicate predicate) const
    {
        for (int i = 0; i < m_base.GetCount(); ++i) {
            if (predicate(m_base[i]))
                return true;
        }
        return false;
    }

    ORVImpl m_base;
};

} // namespace

TEST_F(ExampleStations, LoadsEveryStationWithANameAndAFrequency)
{
    ASSERT_EQ(m_base.GetCount(), 39);
    for (int i = 0; i < m_base.GetCount(); ++i) {
        EXPECT_FALSE(m_base[i].stName.empty()) << i;
        EXPECT_GT(m_base[i].CountRX() + m_base[i].CountTX(), 0) << i;
    }
}

TEST_F(ExampleStations, ShowsEveryModulation)
{
    std::set<int> codes;
    for (int i = 0; i < m_base.GetCount(); ++i)
        codes.insert(m_base[i].modulation);
    std::set<int> expected(kDialogModulationOrder.begin(), kDialogModulationOrder.end());
    EXPECT_EQ(codes, expected);
}

TEST_F(ExampleStations, ShowsEveryKindOfField)
{
    EXPECT_TRUE(anyStation([](const FreqInfo& r) { return r.CountRX() > 0 && r.CountTX() > 0; }));
    EXPECT_TRUE(
        anyStation([](const FreqInfo& r) { return r.usePattern && r.fromHour > r.toHour; }));
    EXPECT_TRUE(anyStation([](const FreqInfo& r) {
        return r.usePattern && std::count(std::begin(r.days), std::end(r.days), 1) < 7;
    }));
    EXPECT_TRUE(anyStation([](const FreqInfo& r) { return !r.stLoc.empty(); }));
    EXPECT_TRUE(anyStation([](const FreqInfo& r) { return !r.stComment.empty(); }));
    EXPECT_TRUE(anyStation([](const FreqInfo& r) {
        return std::any_of(r.stName.begin(), r.stName.end(),
                           [](char16_t c) { return c >= 0x400 && c <= 0x4FF; });
    }));
}

// The example is kept in exactly the form the program writes, so that saving it changes nothing.
TEST_F(ExampleStations, IsInTheWrittenForm)
{
    TempFolder folder;
    const std::filesystem::path copy = folder.file("Stations.xml");
    ASSERT_TRUE(m_base.Save(copy));
    EXPECT_EQ(readBytes(copy), readBytes(kExampleFile));
}
