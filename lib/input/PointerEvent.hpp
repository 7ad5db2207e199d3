#pragma once

#include <SFML/System/Vector2.hpp>
#include <SFML/Window/Mouse.hpp>

#include <cstdint>

namespace lib::input
{

// The mouse pointer moved, a mouse button went down, or the wheel turned, at a position given in
// the coordinates of whoever receives the event: each node hands its children the position in
// their own coordinates.
struct PointerEvent
{
    enum class Kind : std::uint8_t
    {
        Moved,
        Pressed,
        Wheel
    };

    Kind kind = Kind::Moved;
    sf::Vector2f position;
    sf::Mouse::Button button = sf::Mouse::Left; // of a press
    float wheel = 0.f;                          // steps turned, positive away from the player

    PointerEvent at(const sf::Vector2f& where) const
    {
        PointerEvent moved = *this;
        moved.position = where;
        return moved;
    }
};

} // namespace lib::input
