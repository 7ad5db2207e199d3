#include "bexil/Direction.hpp"

#include "support/Printers.hpp"

#include <gtest/gtest.h>

#include <limits>

using bexil::Direction;

TEST(Direction, KeyOrderIndexesOppositesCancelAxesFollowTheVectorAndRowsGrowDown)
{
    for (std::uint32_t index = 0; index <= Direction::Invalid; ++index)
    {
        const Direction direction = Direction::fromIndex(index);
        const sf::Vector2i vector = direction.directionVector();
        SCOPED_TRACE(index);
        EXPECT_EQ(index, direction.data());
        EXPECT_EQ(-vector, direction.negate().directionVector());
        EXPECT_EQ(vector.x != 0, direction.isHorizontal());
        EXPECT_EQ(vector.y != 0, direction.isVertical());
    }
    EXPECT_EQ(Direction::Invalid, Direction::fromIndex(1000));
    EXPECT_EQ(sf::Vector2i(-1, 0), Direction(Direction::Left).directionVector());
    EXPECT_EQ(sf::Vector2i(0, -1), Direction(Direction::Up).directionVector());

    // Off row or column 0 a step wraps past every bound.
    const unsigned int huge = std::numeric_limits<unsigned int>::max();
    EXPECT_EQ(sf::Vector2u(huge, 4), Direction(Direction::Left).step({0, 4}));
    EXPECT_EQ(sf::Vector2u(7, huge), Direction(Direction::Up).step({7, 0}));
}
