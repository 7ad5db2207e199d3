#pragma once

#include "bexil/Direction.hpp"
#include "bexil/GameBaseTile.hpp"

#include <SFML/System/Vector2.hpp>

namespace bexil
{

// The player's piece: a triangle inscribed in its cell, red at first, pointing up when not
// rotated. The game scene reads and writes its cell and facing directly.
class Player : public GameBaseTile
{
public:
    Player(const sf::Vector2u& boardPosition, const sf::Vector2f& size);

    // Turns the triangle about the centre of its cell to face the direction (Up 0°, Right 90°,
    // Down 180°, Left 270°) and puts that centre on the cell whose top-left corner is given.
    void placeInCell(const sf::Vector2f& cellCorner);

    // The rotation in degrees that faces the direction (Invalid: 0).
    static float rotationOf(Direction direction);

    sf::Vector2u boardPosition;
    Direction currentDirection = Direction::Up;
};

} // namespace bexil
