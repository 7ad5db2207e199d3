#include "lib/Randomizer.hpp"

#include <gtest/gtest.h>

#include <set>
#include <vector>

TEST(RandomizerTest, SeedsRepeatDevicesDifferAndDrawsCoverZeroToBelowTheMaximum)
{
    const auto draw = [](lib::Randomizer& random, std::uint32_t max, int count = 20)
    {
        std::vector<std::uint32_t> values;
        for (int i = 0; i < count; ++i)
            values.push_back(random.getUInt(max));
        return values;
    };
    lib::Randomizer first(1234), second(1234), other(4321), device, otherDevice;
    const auto expected = draw(first, 1000000);
    EXPECT_EQ(draw(second, 1000000), expected);
    EXPECT_NE(draw(other, 1000000), expected);
    EXPECT_NE(draw(device, 1000000), draw(otherDevice, 1000000));

    const auto colours = draw(first, 255, 5000);
    const std::set<std::uint32_t> seen(colours.begin(), colours.end());
    EXPECT_EQ(255u, seen.size());
    EXPECT_EQ(254u, *seen.rbegin());
}
