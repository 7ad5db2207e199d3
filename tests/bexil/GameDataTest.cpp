#include "bexil/GameData.hpp"

#include "support/Printers.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace
{

using bexil::Direction;
using Cells = std::vector<sf::Vector2u>;

const bexil::GameData data({2000.f, 2000.f});

// The cells a walk visits when the action answers true that many times, then false.
Cells walk(sf::Vector2u start, Direction direction, std::size_t goOns = 100)
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

TEST(GameDataTest, EachSideEntersAtItsEdgeAndItsPushWalksTheWholeLaneFromTheCentre)
{
    struct Case
    {
        std::uint32_t zone, lane;
        sf::Vector2u cell, lineStart;
    };
    for (const Case& c :
         {Case{0, 0, {0, 4}, {6, 4}}, Case{0, 3, {0, 7}, {6, 7}}, Case{1, 2, {9, 0}, {9, 3}},
          Case{2, 1, {17, 5}, {11, 5}}, Case{3, 3, {10, 11}, {10, 8}}})
    {
        SCOPED_TRACE(::testing::Message() << "zone " << c.zone << ", lane " << c.lane);
        const bexil::GameData::Arrival arrival = data.arrival(c.zone, c.lane);
        EXPECT_EQ(c.cell, arrival.cell);
        EXPECT_EQ(c.lineStart, arrival.lineStart);
        const Direction inward = data.tokenZone(c.zone).direction;
        EXPECT_TRUE(data.pointInCenter(inward.step(arrival.lineStart)));
        const Cells lane = walk(arrival.lineStart, inward.negate());
        EXPECT_EQ(c.zone % 2 == 0 ? 7u : 4u, lane.size());
        EXPECT_EQ(arrival.cell, lane.back());
    }
}

TEST(GameDataTest, LinesEndAtEveryEdgeAtAFalseAnswerAndWithoutADirectionAtOnce)
{
    EXPECT_EQ((Cells{{16, 3}, {17, 3}}), walk({16, 3}, Direction::Right));
    EXPECT_EQ((Cells{{2, 1}, {2, 0}}), walk({2, 1}, Direction::Up)) << "no wrap past row 0";
    EXPECT_EQ((Cells{{1, 9}, {0, 9}}), walk({1, 9}, Direction::Left));
    EXPECT_EQ((Cells{{5, 10}, {5, 11}}), walk({5, 10}, Direction::Down));
    EXPECT_EQ((Cells{{3, 3}, {3, 4}}), walk({3, 3}, Direction::Down, 1));
    EXPECT_EQ((Cells{{9, 9}}), walk({9, 9}, Direction::Invalid));
}

TEST(GameDataTest, TheCentreSquareIsColumnsSevenToTenRowsFourToSevenOnTheBoard)
{
    for (const sf::Vector2u cell : {sf::Vector2u(7, 4), {10, 4}, {7, 7}, {10, 7}})
        EXPECT_TRUE(data.pointInCenter(cell)) << cell.x << ", " << cell.y;
    for (const sf::Vector2u cell : {sf::Vector2u(6, 5), {11, 5}, {8, 3}, {8, 8}, {~0u, 5}})
        EXPECT_FALSE(data.pointInCenter(cell)) << cell.x << ", " << cell.y;
}

TEST(GameDataTest, CellsDivideTheViewIntoEighteenColumnsAndTwelveRows)
{
    EXPECT_EQ(sf::Vector2f(2000.f / 18, 2000.f / 12), data.tileSize());
    EXPECT_EQ(sf::Vector2f(1000.f, 1000.f), data.board2Scene({9, 6}));
    EXPECT_EQ(sf::Vector2f(0.f, 0.f), data.board2Scene({0, 0}));
    EXPECT_FLOAT_EQ(2000.f, data.board2Scene({17, 11}).x + data.tileSize().x);
}

} // namespace
