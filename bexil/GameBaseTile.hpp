#pragma once

#include "lib/board/ITile.hpp"
#include "lib/scn/draw/Renderizable.hpp"

#include <SFML/Graphics/Color.hpp>
#include <SFML/System/Vector2.hpp>

#include <cstdint>
#include <string>

namespace lib::scn::draw
{
class NodeShape;
}

namespace bexil
{

// A piece of the game: a board tile whose value is its colour index, and at the same time a
// drawable leaf owning a 30-point ellipse that fills the given size.
class GameBaseTile : public lib::board::ITile, public lib::scn::draw::Renderizable
{
public:
    GameBaseTile(std::int32_t value, const sf::Vector2f& size, const std::string& name);
    ~GameBaseTile() override = default;

    // The colour of this piece's value.
    sf::Color getColor() const { return colorOf(data); }
    lib::scn::draw::NodeShape& shape() const { return *getAsNodeShape(); }

    // 0 red, 1 green, 2 blue, 3 yellow, 4 magenta; any other value white.
    static sf::Color colorOf(std::int32_t value);
};

} // namespace bexil
