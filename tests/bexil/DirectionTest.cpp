#include "bexil/Direction.hpp"

#include "support/Printers.hpp"

#include <gtest/gtest.h>

#include <limits>

namespace
{

using bexil::Direction;

TEST(Direction, OppositesAndUnitVectorsFollowTheGridWithRowsGrowingDown)
{
    EXPECT_EQ(Direction::Right, Direction(Direction::Left).negate());
    EXPECT_EQ(Direction::Left, Direction(Direction::Right).negate());
    EXPECT_EQ(Direction::Down, Direction(Direction::Up).negate());
    EXPECT_EQ(Direction::Up, Direction(Direction::Down).negate());
    EXPECT_EQ(Direction::Invalid, Direction(Direction::Invalid).negate());

    EXPECT_EQ(sf::Vector2i(-1, 0), Direction(Direction::Left).directionVector());
    EXPECT_EQ(sf::Vector2i(1, 0), Direction(Direction::Right).directionVector());
    EXPECT_EQ(sf::Vector2i(0, -1), Direction(Direction::Up).directionVector());
    EXPECT_EQ(sf::Vector2i(0, 1), Direction(Direction::Down).directionVector());
    EXPECT_EQ(sf::Vector2i(0, 0), Direction(Direction::Invalid).directionVector());
}

TEST(Direction, AxesAndIndicesMatchTheKeyOrder)
{
    EXPECT_TRUE(Direction(Direction::Left).isHorizontal());
    EXPECT_TRUE(Direction(Direction::Right).isHorizontal());
    EXPECT_FALSE(Direction(Direction::Up).isHorizontal());
    EXPECT_TRUE(Direction(Direction::Up).isVertical());
    EXPECT_TRUE(Direction(Direction::Down).isVertical());
    EXPECT_FALSE(Direction(Direction::Invalid).isHorizontal());
    EXPECT_FALSE(Direction(Direction::Invalid).isVertical());

    EXPECT_EQ(Direction::Left, Direction::fromIndex(0));
    EXPECT_EQ(Direction::Right, Direction::fromIndex(1));
    EXPECT_EQ(Direction::Up, Direction::fromIndex(2));
    EXPECT_EQ(Direction::Down, Direction::fromIndex(3));
    EXPECT_EQ(Direction::Invalid, Direction::fromIndex(4));
    EXPECT_EQ(Direction::Invalid, Direction::fromIndex(1000));
    EXPECT_EQ(3, Direction(Direction::Down).data());
}

TEST(Direction, SteppingOffRowOrColumnZeroWrapsPastEveryBound)
{
    const unsigned int huge = std::numeric_limits<unsigned int>::max();
    EXPECT_EQ(sf::Vector2u(huge, 4), Direction(Direction::Left).step({0, 4}));
    EXPECT_EQ(sf::Vector2u(7, huge), Direction(Direction::Up).step({7, 0}));
    EXPECT_EQ(sf::Vector2u(0, 4), Direction(Direction::Right).step({huge, 4}));
    EXPECT_EQ(sf::Vector2u(7, 5), Direction(Direction::Down).step({7, 4}));
    EXPECT_EQ(sf::Vector2u(7, 4), Direction(Direction::Invalid).step({7, 4}));
}

} // namespace
