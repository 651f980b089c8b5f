#include "core/base/ORVImpl.h"

#include <gtest/gtest.h>

using namespace kavrin;

namespace {

ORVImpl::FreqInfo named(const std::u16string& name)
{
    ORVImpl::FreqInfo r;
    r.stName = name;
    return r;
}

} // namespace

TEST(StationBase, AddReturnsIndexAndClearEmpties)
{
    ORVImpl base;
    const ORVImpl::FreqInfo r = named(u"A");
    EXPECT_EQ(base.Add(r), 0);
    EXPECT_EQ(base.Add(r), 1);
    EXPECT_EQ(base.GetCount(), 2);
    base.Clear();
    EXPECT_EQ(base.GetCount(), 0);
}

TEST(StationBase, DeletingByNameKeepsIndices)
{
    ORVImpl base;
    for (char16_t c : std::u16string(u"ABCDE"))
        base.Add(named(std::u16string(1, c)));
    base[2].stName.clear();
    EXPECT_EQ(base.GetCount(), 5);
    EXPECT_EQ(base[3].stName, u"D");
    EXPECT_EQ(base[4].stName, u"E");
}

TEST(StationBaseDeathTest, IndexOutsideTheBaseStops)
{
    ORVImpl base;
    base.Add({});
    EXPECT_DEATH(base[1], "internal error");
    EXPECT_DEATH(base[-1], "internal error");
}
