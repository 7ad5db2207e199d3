#include "lib/Randomizer.hpp"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace
{

std::vector<std::uint32_t> draw(lib::Randomizer& random, std::uint32_t max, int count)
{
    std::vector<std::uint32_t> values;
    for (int i = 0; i < count; ++i)
        values.push_back(random.getUInt(max));
    return values;
}

TEST(RandomizerTest, SeedsRepeatDevicesDifferAndDrawsStayInRange)
{
    lib::Randomizer first(1234), second(1234), other(4321), device, otherDevice;
    const auto expected = draw(first, 1000000, 20);
    EXPECT_EQ(draw(second, 1000000, 20), expected);
    EXPECT_NE(draw(other, 1000000, 20), expected);
    EXPECT_NE(draw(device, 1000000, 20), draw(otherDevice, 1000000, 20));

    EXPECT_EQ(draw(device, 1, 50), std::vector<std::uint32_t>(50, 0));
    const auto colours = draw(first, 255, 5000);
    const std::set<std::uint32_t> seen(colours.begin(), colours.end());
    EXPECT_EQ(seen.size(), 255u);
    EXPECT_EQ(*seen.rbegin(), 254u);
}

} // namespace
