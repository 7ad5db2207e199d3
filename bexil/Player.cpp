#include "bexil/Player.hpp"

#include "lib/scn/draw/NodeShape.hpp"

namespace bexil
{

Player::Player(const sf::Vector2u& position, const sf::Vector2f& size)
    : GameBaseTile(0, size, "player")
    , boardPosition(position)
{
    shape().setPointCount(3);
    shape().setFillColor(getColor());
}

void Player::placeInCell(const sf::Vector2f& cellCorner)
{
    lib::scn::draw::NodeShape& triangle = shape();
    const sf::Vector2f half = triangle.getSize() * 0.5f;
    triangle.setOrigin(half);
    triangle.setPosition(cellCorner + half);
    triangle.setRotation(rotationOf(currentDirection));
}

float Player::rotationOf(Direction direction)
{
    switch (direction)
    {
    case Direction::Right:
        return 90.f;
    case Direction::Down:
        return 180.f;
    case Direction::Left:
        return 270.f;
    default:
        return 0.f;
    }
}

} // namespace bexil
