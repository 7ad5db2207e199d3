#include "bexil/GameBaseTile.hpp"

#include "lib/scn/draw/NodeShape.hpp"
#include "support/Printers.hpp"

#include <gtest/gtest.h>

namespace
{

using bexil::GameBaseTile;

TEST(GameBaseTile, ColourTableGivesFiveColoursAndWhiteForAnythingElse)
{
    EXPECT_EQ(sf::Color::Red, GameBaseTile::colorOf(0));
    EXPECT_EQ(sf::Color::Green, GameBaseTile::colorOf(1));
    EXPECT_EQ(sf::Color::Blue, GameBaseTile::colorOf(2));
    EXPECT_EQ(sf::Color::Yellow, GameBaseTile::colorOf(3));
    EXPECT_EQ(sf::Color::Magenta, GameBaseTile::colorOf(4));
    EXPECT_EQ(sf::Color::White, GameBaseTile::colorOf(5));
    EXPECT_EQ(sf::Color::White, GameBaseTile::colorOf(-1));
}

TEST(GameBaseTile, IsABoardTileAndAnEllipseLeafOfItsSize)
{
    GameBaseTile piece(3, {100.f, 50.f}, "piece");
    EXPECT_EQ("piece", piece.name());
    EXPECT_EQ(3, piece.data);
    EXPECT_EQ(sf::Color::Yellow, piece.getColor());
    ASSERT_EQ(lib::scn::draw::RenderizableType::Shape, piece.type());
    EXPECT_EQ(30u, piece.shape().getPointCount());
    EXPECT_EQ(sf::Vector2f(100.f, 50.f), piece.shape().getSize());

    piece.data = 9;
    EXPECT_EQ(sf::Color::White, piece.getColor()) << "the colour follows the value";
}

} // namespace
