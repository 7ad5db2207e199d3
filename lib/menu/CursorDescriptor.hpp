#pragma once

#include <SFML/Graphics/Color.hpp>
#include <SFML/System/Vector2.hpp>

namespace lib::menu
{

// The cursor of a choose control: a filled polygon of pointCount points in a box of size.
struct CursorDescriptor
{
    unsigned int pointCount = 3;
    sf::Vector2f size;
    sf::Color color;
};

} // namespace lib::menu
