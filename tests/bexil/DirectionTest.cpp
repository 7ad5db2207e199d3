#include "bexil/Direction.hpp"

#include "support/Printers.hpp"

#include <gtest/gtest.h>

#include <limits>

namespace
{

using bexil::Direction;

TEST(Direction, OppositesStepsAndAxesFollowTheGridWithRowsGrowingDown)
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
        SCOPED_TRACE(int(row.direction.data()));
        EXPECT_EQ(row.opposite, row.direction.negate());
        EXPECT_EQ(row.vector, row.direction.directionVector());
        EXPECT_EQ(row.horizontal, row.direction.isHorizontal());
        EXPECT_EQ(row.vertical, row.direction.isVertical());
        EXPECT_EQ(row.direction, Direction::fromIndex(row.direction.data())) << "key order";
    }
    EXPECT_EQ(Direction::Invalid, Direction::fromIndex(1000));

    // Off row or column 0 a step wraps past every bound.
    const unsigned int huge = std::numeric_limits<unsigned int>::max();
    EXPECT_EQ(sf::Vector2u(huge, 4), Direction(Direction::Left).step({0, 4}));
    EXPECT_EQ(sf::Vector2u(7, huge), Direction(Direction::Up).step({7, 0}));
}

} // namespace
