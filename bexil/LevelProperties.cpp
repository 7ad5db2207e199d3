#include "bexil/LevelProperties.hpp"

namespace bexil
{

LevelProperties::LevelProperties() = default;

LevelProperties::LevelProperties(std::uint32_t seed)
    : m_randomizer(seed)
{
}

void LevelProperties::setLevel(std::uint32_t level)
{
    m_level = level;
    m_baseScore = level + 10;
    if (level <= m_maxLevel)
    {
        m_millisBetweenTokens = (26 - level) * 100;
        m_stayTime = (level + 6) * 30;
        m_stayTokens = level * 10 + 25;
    }
    else
    {
        m_millisBetweenTokens = 250;
        m_stayTime = 1200;
        m_stayTokens = 400;
    }
}

sf::Color LevelProperties::getBackgroundTileColor(std::uint32_t x, std::uint32_t y, bool center)
{
    if (m_level > m_maxLevel)
        return sf::Color::Black;
    return center ? centerColor(x) : outerColor(x, y);
}

sf::Color LevelProperties::centerColor(std::uint32_t x) const
{
    const bool xOdd = (x & 1u) != 0;
    if (m_level <= 8)
    {
        if (m_level % 2 == 1)
            return {10, 200, 50};
        return m_level % 3 == 0 ? sf::Color(255, 70, 200) : sf::Color(255, 100, 100);
    }
    if (m_level < 15)
        return xOdd ? sf::Color(225, 255, 255) : sf::Color(128, 128, 128);
    return xOdd ? sf::Color(100, 200, 200) : sf::Color(255, 100, 100);
}

sf::Color LevelProperties::outerColor(std::uint32_t x, std::uint32_t y)
{
    const bool xOdd = (x & 1u) != 0;
    const bool yOdd = (y & 1u) != 0;
    const bool levelOdd = m_level % 2 == 1;
    if (m_level <= 1)
        return sf::Color::Black;
    if (m_level == 2)
        return {255, 128, 0};
    if (m_level <= 4)
        return {100, 128, 255};
    if (m_level <= 9)
    {
        // Odd levels stripe the columns, even levels the rows.
        const bool second = levelOdd ? xOdd : yOdd;
        return second ? sf::Color(0, 255, 255) : sf::Color(255, 100, 200);
    }
    if (m_level <= 14)
    {
        if (levelOdd)
        {
            if (xOdd)
                return yOdd ? sf::Color(255, 255, 255) : sf::Color(100, 100, 100);
            return yOdd ? sf::Color(0, 128, 255) : sf::Color(10, 250, 100);
        }
        if (xOdd)
            return yOdd ? sf::Color(25, 25, 25) : sf::Color(10, 12, 250);
        return yOdd ? sf::Color(250, 50, 10) : sf::Color(10, 200, 10);
    }
    if (m_level <= 24)
    {
        // Three separate statements: the draws are taken in the order blue, green, red.
        const auto blue = static_cast<sf::Uint8>(m_randomizer.getUInt(255));
        const auto green = static_cast<sf::Uint8>(m_randomizer.getUInt(255));
        const auto red = static_cast<sf::Uint8>(m_randomizer.getUInt(255));
        return {red, green, blue};
    }
    return sf::Color::Black;
}

} // namespace bexil
