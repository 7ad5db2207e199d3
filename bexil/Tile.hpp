#pragma once

#include "bexil/GameBaseTile.hpp"

#include <cstdint>

namespace bexil
{

// A coloured token. Tokens are named "tile0", "tile1", ... by a counter of the whole program
// that is never reset, so names stay unique across games.
class Tile : public GameBaseTile
{
public:
    Tile(std::int32_t value, const sf::Vector2f& size);

private:
    static std::uint32_t s_count;
};

} // namespace bexil
