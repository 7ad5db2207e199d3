#include "bexil/Player.hpp"

#include "lib/scn/draw/NodeShape.hpp"

#include <gtest/gtest.h>

TEST(Player, ATriangleWhoseTipFacesItsDirectionHalfACellHeightFromTheCentreOfItsCell)
{
    bexil::Player player({7, 4}, {120.f, 90.f});
    const lib::scn::draw::NodeShape& shape = player.shape();
    ASSERT_EQ(3u, shape.getPointCount());
    // Left, Right, Up and Down, in the order of the direction keys; rows grow downward.
    const sf::Vector2f facing[] = {{-1.f, 0.f}, {1.f, 0.f}, {0.f, -1.f}, {0.f, 1.f}};
    for (std::uint32_t index = 0; index < 4; ++index)
    {
        player.currentDirection = bexil::Direction::fromIndex(index);
        player.placeInCell({1000.f, 500.f});
        const sf::Vector2f tip = shape.getTransform().transformPoint(shape.getPoint(0));
        EXPECT_NEAR(1060.f + 45.f * facing[index].x, tip.x, 1e-3) << "direction " << index;
        EXPECT_NEAR(545.f + 45.f * facing[index].y, tip.y, 1e-3) << "direction " << index;
    }
}
