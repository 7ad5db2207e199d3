#include "bexil/Direction.hpp"

namespace bexil
{

Direction Direction::fromIndex(std::uint32_t index)
{
    return index < Invalid ? Direction(static_cast<DirectionData>(index)) : Direction(Invalid);
}

Direction Direction::negate() const
{
    switch (m_data)
    {
    case Left:
        return Right;
    case Right:
        return Left;
    case Up:
        return Down;
    case Down:
        return Up;
    default:
        return Invalid;
    }
}

sf::Vector2i Direction::directionVector() const
{
    switch (m_data)
    {
    case Left:
        return {-1, 0};
    case Right:
        return {1, 0};
    case Up:
        return {0, -1};
    case Down:
        return {0, 1};
    default:
        return {0, 0};
    }
}

sf::Vector2u Direction::step(const sf::Vector2u& cell) const
{
    const sf::Vector2i delta = directionVector();
    // Unsigned arithmetic wraps by definition: one step left of 0 is the largest value.
    return {cell.x + static_cast<unsigned int>(delta.x),
            cell.y + static_cast<unsigned int>(delta.y)};
}

} // namespace bexil
