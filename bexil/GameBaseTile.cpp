#include "bexil/GameBaseTile.hpp"

#include "lib/scn/draw/NodeShape.hpp"

namespace bexil
{

GameBaseTile::GameBaseTile(std::int32_t value, const sf::Vector2f& size, const std::string& name)
    : ITile(value)
    , Renderizable(name,
                   new lib::scn::draw::NodeShape(size, 30, lib::scn::draw::NodeShapeType::Ellipse))
{
}

sf::Color GameBaseTile::colorOf(std::int32_t value)
{
    switch (value)
    {
    case 0:
        return sf::Color::Red;
    case 1:
        return sf::Color::Green;
    case 2:
        return sf::Color::Blue;
    case 3:
        return sf::Color::Yellow;
    case 4:
        return sf::Color::Magenta;
    default:
        return sf::Color::White;
    }
}

} // namespace bexil
