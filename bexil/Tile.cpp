#include "bexil/Tile.hpp"

#include "lib/scn/draw/NodeShape.hpp"

#include <string>

namespace bexil
{

std::uint32_t Tile::s_count = 0;

Tile::Tile(std::int32_t value, const sf::Vector2f& size)
    : GameBaseTile(value, size, "tile" + std::to_string(s_count++))
{
    shape().setFillColor(getColor());
}

} // namespace bexil
