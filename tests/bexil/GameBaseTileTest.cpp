#include "bexil/GameBaseTile.hpp"

#include "lib/scn/draw/NodeShape.hpp"
#include "support/Printers.hpp"

#include <gtest/gtest.h>

namespace
{

TEST(GameBaseTile, AnEllipseLeafWhoseColourFollowsTheValueFiveColoursThenWhite)
{
    const sf::Color byValue[] = {sf::Color::White, sf::Color::Red,    sf::Color::Green,
                                 sf::Color::Blue,  sf::Color::Yellow, sf::Color::Magenta,
                                 sf::Color::White};
    for (int value = -1; value <= 5; ++value)
        EXPECT_EQ(byValue[value + 1], bexil::GameBaseTile::colorOf(value)) << "value " << value;

    bexil::GameBaseTile piece(3, {100.f, 50.f}, "piece");
    EXPECT_EQ(sf::Color::Yellow, piece.getColor());
    piece.data = 9;
    EXPECT_EQ(sf::Color::White, piece.getColor());
}

} // namespace
