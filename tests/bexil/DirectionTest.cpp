#include "bexil/Direction.hpp"

#include "support/Printers.hpp"

#include <gtest/gtest.h>

#include <limits>

namespace
{

using bexil::Direction;

TEST(Direction, OppositesUnitVectorsAndAxesFollowTheGridWithRowsGrowingDown)
{
    const struct
    {
        Direction direction, opposite;
        sf::Vector2i vector;
        bool horizontal, vertical;
    } table[] = {{Direction::Left, Direction::Right, {-1, 0}, true, false},
                 {Direction::Right, Direction::Left, {1, 0}, true, false},
                 {Direction::Up, Direction::Down, {0, -1}, false, true},
                 {Direction::Down, Direction::Up, {0, 1}, false, true},
                 {Direction::Invalid, Direction::Invalid, {0, 0}, false, false}};
    for (const auto& row : table)
    {
        EXPECT_EQ(row.opposite, row.direction.negate()) << int(row.direction.data());
        EXPECT_EQ(row.vector, row.direction.directionVector()) << int(row.direction.data());
        EXPECT_EQ(row.horizontal, row.direction.isHorizontal()) << int(row.direction.data());
        EXPECT_EQ(row.vertical, row.direction.isVertical()) << int(row.direction.data());
        EXPECT_EQ(row.direction, Direction::fromIndex(row.direction.data())) << "key order";
    }
    EXPECT_EQ(Direction::Invalid, Direction::fromIndex(1000));
}

TEST(Direction, SteppingOffRowOrColumnZeroWrapsPastEveryBound)
{
    const unsigned int huge = std::numeric_limits<unsigned int>::max();
    EXPECT_EQ(sf::Vector2u(huge, 4), Direction(Direction::Left).step({0, 4}));
    EXPECT_EQ(sf::Vector2u(7, huge), Direction(Direction::Up).step({7, 0}));
    EXPECT_EQ(sf::Vector2u(7, 5), Direction(Direction::Down).step({7, 4}));
    EXPECT_EQ(sf::Vector2u(7, 4), Direction(Direction::Invalid).step({7, 4}));
}

} // namespace
