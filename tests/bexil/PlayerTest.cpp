#include "bexil/Player.hpp"

#include "lib/scn/draw/NodeShape.hpp"
#include "support/Printers.hpp"

#include <gtest/gtest.h>

namespace
{

using bexil::Direction;

TEST(Player, ATriangleThatTurnsAboutTheCentreOfItsCell)
{
    bexil::Player player({7, 4}, {120.f, 90.f});
    ASSERT_EQ(3u, player.shape().getPointCount());
    const Direction turns[] = {Direction::Up, Direction::Right, Direction::Down, Direction::Left};
    for (int quarter = 0; quarter < 4; ++quarter)
        EXPECT_EQ(90.f * static_cast<float>(quarter), bexil::Player::rotationOf(turns[quarter]));

    player.currentDirection = Direction::Left;
    player.placeInCell({1000.f, 500.f});
    const lib::scn::draw::NodeShape& shape = player.shape();
    EXPECT_EQ(sf::Vector2f(1060.f, 545.f), shape.getPosition());
    EXPECT_EQ(270.f, shape.getRotation());
    // The tip (top centre) now points left, half a cell height from the centre.
    const sf::Vector2f tip = shape.getTransform().transformPoint(shape.getPoint(0));
    EXPECT_NEAR(1015.f, tip.x, 1e-3);
    EXPECT_NEAR(545.f, tip.y, 1e-3);
}

} // namespace
