#pragma once

#include "lib/Randomizer.hpp"

#include <SFML/Graphics/Color.hpp>

#include <cstdint>

namespace bexil
{

// Every number that changes with the level: the token pace, the points of a token, the goals
// of both game modes and the background colours. Levels count from 0 (shown as 1). Up to
// maxLevel (25) the values follow formulas; above it they stay on one plateau.
class LevelProperties
{
public:
    // The values of level 0; the random background colours come from a fresh random source.
    LevelProperties();
    // The same, with a seeded source: the same random backgrounds every time.
    explicit LevelProperties(std::uint32_t seed);
    virtual ~LevelProperties() = default;

    LevelProperties(LevelProperties&&) noexcept = default;
    LevelProperties& operator=(LevelProperties&&) noexcept = default;

    void setLevel(std::uint32_t level);

    std::uint32_t level() const { return m_level; }
    std::uint32_t millisBetweenTokens() const { return m_millisBetweenTokens; }
    std::uint32_t baseScore() const { return m_baseScore; }
    // Time mode: seconds to stay in the level.
    std::uint32_t stayTime() const { return m_stayTime; }
    // Token mode: tokens to consume in the level.
    std::uint32_t stayTokens() const { return m_stayTokens; }

    // The colour of the background cell in column x, row y; center tells whether the cell
    // lies in the board's centre square. Levels 15 to 24 draw a new random colour per call.
    sf::Color getBackgroundTileColor(std::uint32_t x, std::uint32_t y, bool center);

private:
    sf::Color centerColor(std::uint32_t x) const;
    sf::Color outerColor(std::uint32_t x, std::uint32_t y);

    std::uint32_t m_maxLevel = 25;
    lib::Randomizer m_randomizer;
    std::uint32_t m_level = 0;
    std::uint32_t m_millisBetweenTokens = 2600;
    std::uint32_t m_baseScore = 10;
    std::uint32_t m_stayTime = 180;
    std::uint32_t m_stayTokens = 25;
};

} // namespace bexil
