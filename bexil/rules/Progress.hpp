#pragma once

#include "bexil/LevelProperties.hpp"

#include <SFML/System/Time.hpp>

#include <cstdint>

namespace bexil::rules
{

// The score and the level of one game, and how a level is won: in token mode by consuming the
// level's tokens (tested after each launch), in time mode by playing the level's seconds
// (tested every frame). A level won moves one level on whatever the surplus, which is lost. It
// holds the level's values; the clocks are the caller's, which gives the time they measure.
class Progress
{
public:
    // A new game in that mode, score 0; its start level is entered next.
    void start(bool timeMode);
    // Enters the level (from 0): its values, and nothing consumed in it yet.
    void setLevel(std::uint32_t level);

    // Scores a consumed token, the inARow-th of its launch's run (1 for the first): inARow times
    // the level's base score. Returns the points.
    std::uint32_t consume(std::uint32_t inARow);
    // The level's pace: a token is due once more than its interval has passed since the last.
    bool tokenDue(sf::Time sinceArrival) const;

    // What the progress display shows after that long in the level: the tokens consumed in it,
    // or in time mode its whole seconds.
    std::uint32_t progress(sf::Time inLevel) const;
    // The level's goal in the game's mode: tokens, or seconds.
    std::uint32_t goal() const;
    bool goalReached(sf::Time inLevel) const;

    bool timeMode() const { return m_timeMode; }
    std::uint32_t score() const { return m_score; }
    std::uint32_t consumedTokens() const { return m_consumedTokens; }
    const LevelProperties& levelProperties() const { return m_level; }
    // Not const: the background colours of levels 15 to 24 are drawn at random.
    LevelProperties& levelProperties() { return m_level; }

private:
    LevelProperties m_level;
    bool m_timeMode = false;
    std::uint32_t m_score = 0;
    std::uint32_t m_consumedTokens = 0;
};

} // namespace bexil::rules
