#pragma once

#include "lib/Clock.hpp"

#include <SFML/System/Time.hpp>

namespace lib
{

// A clock that can be paused: the length of a pause is subtracted once the pause ends.
// While paused, getElapsedTime keeps advancing; after resume it drops back by the pause.
class PClock
{
public:
    PClock() = default;
    virtual ~PClock() = default;

    void pause();
    void resume();
    sf::Time getElapsedTime() const;
    // Returns getElapsedTime(), then starts again running, with nothing paused.
    sf::Time restart();

private:
    bool m_paused = false;
    Clock m_clock;
    Clock m_pauseClock;
    sf::Time m_pausedTime;
};

} // namespace lib
