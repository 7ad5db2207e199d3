#include "bexil/Player.hpp"

#include "lib/scn/draw/NodeShape.hpp"
#include "support/Printers.hpp"

#include <gtest/gtest.h>

namespace
{

using bexil::Direction;
using bexil::Player;

TEST(Player, ARedTriangleFacingUpThatTurnsAboutTheCentreOfItsCell)
{
    Player player({7, 4}, {120.f, 90.f});
    EXPECT_EQ(Direction::Up, player.currentDirection);
    EXPECT_EQ(sf::Color::Red, player.shape().getFillColor());
    ASSERT_EQ(3u, player.shape().getPointCount());
    EXPECT_EQ(0.f, Player::rotationOf(Direction::Up));
    EXPECT_EQ(90.f, Player::rotationOf(Direction::Right));
    EXPECT_EQ(180.f, Player::rotationOf(Direction::Down));
    EXPECT_EQ(270.f, Player::rotationOf(Direction::Left));

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
