#include "bexil/Tile.hpp"

#include "lib/scn/draw/NodeShape.hpp"
#include "support/Printers.hpp"

#include <gtest/gtest.h>

#include <string>

namespace
{

using bexil::Tile;

TEST(Tile, NamesCountUpAcrossTheWholeProgram)
{
    const std::uint32_t first = Tile::madeCount();
    Tile a(0, {10.f, 10.f});
    {
        Tile b(1, {10.f, 10.f});
        EXPECT_EQ("tile" + std::to_string(first + 1), b.name());
    }
    Tile c(2, {10.f, 10.f});
    EXPECT_EQ("tile" + std::to_string(first), a.name());
    EXPECT_EQ("tile" + std::to_string(first + 2), c.name()) << "a freed name is not reused";
    EXPECT_EQ(first + 3, Tile::madeCount());
}

TEST(Tile, IsFilledWithTheColourOfItsValue)
{
    Tile blue(2, {111.f, 166.f});
    const lib::scn::draw::NodeShape& shape = blue.shape();
    EXPECT_EQ(sf::Color::Blue, shape.getFillColor());
    for (std::size_t i = 0; i < shape.fillVertices().getVertexCount(); ++i)
        EXPECT_EQ(sf::Color::Blue, shape.fillVertices()[i].color) << "vertex " << i;

    Tile odd(7, {10.f, 10.f});
    EXPECT_EQ(sf::Color::White, odd.shape().getFillColor());
}

} // namespace
