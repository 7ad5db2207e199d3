#include "bexil/rules/GameData.hpp"

#include "support/Printers.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace
{

using bexil::Direction;
using Cells = std::vector<sf::Vector2u>;

const bexil::rules::GameData data({2000.f, 2000.f});

// The cells a walk visits when the action answers true that many times, then false.
Cells walk(sf::Vector2u start, Direction direction, std::size_t goOns = 99)
{
    Cells visited;
    data.forEachTileInLine(start, direction,
                           [&visited, goOns](const sf::Vector2u& cell, const Direction&)
                           {
                               visited.push_back(cell);
                               return visited.size() <= goOns;
                           });
    return visited;
}

TEST(GameDataTest, ATokenEntersItsLaneAtTheEdgeAndThePushWalksTheLaneOutFromTheCentre)
{
    // Zone, lane, the cell of entry and the lane's cell next to the centre square.
    for (const auto& [zone, lane, cell, start] :
         {std::tuple{0u, 0u, sf::Vector2u(0, 4), sf::Vector2u(6, 4)},
          {0u, 3u, {0, 7}, {6, 7}},
          {1u, 2u, {9, 0}, {9, 3}},
          {2u, 1u, {17, 5}, {11, 5}},
          {3u, 3u, {10, 11}, {10, 8}}})
    {
        EXPECT_EQ(cell, data.arrival(zone, lane).cell) << zone;
        EXPECT_EQ(start, data.arrival(zone, lane).lineStart) << zone;
        const Direction inward = data.tokenZone(zone).direction;
        EXPECT_TRUE(data.pointInCenter(inward.step(start))) << zone;
        EXPECT_EQ(zone % 2 == 0 ? 7u : 4u, walk(start, inward.negate()).size()) << zone;
    }
}

TEST(GameDataTest, LinesEndAtTheEdgesAtAFalseAnswerAndWithoutADirectionAtOnce)
{
    EXPECT_EQ((Cells{{16, 3}, {17, 3}}), walk({16, 3}, Direction::Right));
    EXPECT_EQ((Cells{{2, 1}, {2, 0}}), walk({2, 1}, Direction::Up)) << "no wrap past row 0";
    EXPECT_EQ((Cells{{3, 3}, {3, 4}}), walk({3, 3}, Direction::Down, 1));
    EXPECT_EQ((Cells{{9, 9}}), walk({9, 9}, Direction::Invalid));
}

TEST(GameDataTest, TheCentreIsColumnsSevenToTenRowsFourToSevenOfTheBoard)
{
    for (const sf::Vector2u cell : {sf::Vector2u(7, 4), {10, 7}, {6, 5}, {11, 5}, {8, 3}, {8, 8}})
        EXPECT_EQ(cell.x > 6 && cell.x < 11 && cell.y > 3 && cell.y < 8, data.pointInCenter(cell));
    EXPECT_FALSE(data.pointInCenter({~0u, 5}));
    // The player moves only inside it; a key that would take it out only turns it.
    EXPECT_EQ(sf::Vector2u(8, 4), data.playerMove({7, 4}, Direction::Right));
    EXPECT_EQ(sf::Vector2u(7, 4), data.playerMove({7, 4}, Direction::Up));
}

} // namespace
