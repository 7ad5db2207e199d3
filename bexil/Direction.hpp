#pragma once

#include <SFML/System/Vector2.hpp>

#include <cstdint>

namespace bexil
{

// One of the four ways along the board grid (rows grow downward: Up decreases y). The values
// 0 to 3 also index the four direction keys.
class Direction
{
public:
    enum DirectionData : std::uint8_t
    {
        Left = 0,
        Right = 1,
        Up = 2,
        Down = 3,
        Invalid = 4
    };

    constexpr Direction(DirectionData data = Invalid)
        : m_data(data)
    {
    }

    // Left, Right, Up, Down for 0 to 3; Invalid for anything else.
    static Direction fromIndex(std::uint32_t index);

    Direction negate() const;
    // The unit step; (0, 0) for Invalid. Added to an unsigned cell with wrap-around, a step
    // off column or row 0 gives a huge coordinate that every bounds test rejects.
    sf::Vector2i directionVector() const;
    // The cell one step from the given one (unsigned wrap-around, as above).
    sf::Vector2u step(const sf::Vector2u& cell) const;
    bool isHorizontal() const { return m_data == Left || m_data == Right; }

    constexpr DirectionData data() const { return m_data; }
    // Compares, switches and indexes like the plain value.
    constexpr operator DirectionData() const { return m_data; }

private:
    DirectionData m_data;
};

} // namespace bexil
