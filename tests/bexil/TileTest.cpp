#include "bexil/Tile.hpp"

#include <gtest/gtest.h>

#include <string>

namespace
{

TEST(Tile, NamesCountUpAcrossTheWholeProgramAndAreNeverReused)
{
    const std::uint32_t first = bexil::Tile::madeCount();
    bexil::Tile a(0, {10.f, 10.f});
    {
        bexil::Tile b(1, {10.f, 10.f});
        EXPECT_EQ("tile" + std::to_string(first + 1), b.name());
    }
    bexil::Tile c(2, {10.f, 10.f});
    EXPECT_EQ("tile" + std::to_string(first), a.name());
    EXPECT_EQ("tile" + std::to_string(first + 2), c.name()) << "a freed name is not reused";
    EXPECT_EQ(first + 3, bexil::Tile::madeCount());
}

} // namespace
