#include "bexil/Tile.hpp"

#include <gtest/gtest.h>

#include <string>

TEST(Tile, NamedByACountOfTheWholeProgramThatFreedTokensDoNotGiveBack)
{
    const std::uint32_t first = bexil::Tile::madeCount();
    EXPECT_EQ("tile" + std::to_string(first), bexil::Tile(4, {10.f, 10.f}).name());
    EXPECT_EQ("tile" + std::to_string(first + 1), bexil::Tile(0, {10.f, 10.f}).name());
}
