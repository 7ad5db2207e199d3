#include "bexil/GameBaseTile.hpp"

#include "support/Printers.hpp"

#include <gtest/gtest.h>

TEST(GameBaseTile, TheColourFollowsTheValueFiveColoursThenWhite)
{
    const sf::Color byValue[] = {sf::Color::White, sf::Color::Red,    sf::Color::Green,
                                 sf::Color::Blue,  sf::Color::Yellow, sf::Color::Magenta,
                                 sf::Color::White};
    bexil::GameBaseTile piece(0, {100.f, 50.f}, "piece");
    for (int value = -1; value <= 5; ++value)
    {
        piece.data = value;
        EXPECT_EQ(byValue[value + 1], piece.getColor()) << "value " << value;
    }
}
