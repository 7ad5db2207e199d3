#pragma once

#include <SFML/System/Time.hpp>

namespace lib
{

// A stopwatch like sf::Clock, but every Clock of the program reads one time source, and
// tests may switch that source to a manual one they advance by hand. Game rules measured in
// seconds (level time, token pace, animations) can then be tested without waiting.
class Clock
{
public:
    Clock();

    sf::Time getElapsedTime() const;
    // Starts again from now; returns the time elapsed before the restart.
    sf::Time restart();

    // The current reading of the shared time source.
    static sf::Time now();

    // Tests only: freeze the time source at its current reading (true) or go back to real
    // time (false). Switching keeps now() continuous, so running clocks do not jump.
    static void useManualTime(bool manual);
    // Tests only: moves the manual time source forward. Ignored while time is real.
    static void advanceManualTime(sf::Time step);

private:
    sf::Time m_start;
};

} // namespace lib
