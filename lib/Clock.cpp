#include "lib/Clock.hpp"

#include <SFML/System/Clock.hpp>

namespace lib
{

namespace
{

struct TimeSource
{
    sf::Clock real;
    bool manual = false;
    sf::Time manualNow;
    // Real time minus reported time, so switching sources keeps now() continuous.
    sf::Time offset;
};

TimeSource& source()
{
    static TimeSource instance;
    return instance;
}

} // namespace

Clock::Clock()
    : m_start(now())
{
}

sf::Time Clock::getElapsedTime() const
{
    return now() - m_start;
}

sf::Time Clock::restart()
{
    const sf::Time current = now();
    const sf::Time elapsed = current - m_start;
    m_start = current;
    return elapsed;
}

sf::Time Clock::now()
{
    TimeSource& s = source();
    return s.manual ? s.manualNow : s.real.getElapsedTime() - s.offset;
}

void Clock::useManualTime(bool manual)
{
    TimeSource& s = source();
    if (manual == s.manual)
        return;
    const sf::Time current = now();
    s.manual = manual;
    if (manual)
        s.manualNow = current;
    else
        s.offset = s.real.getElapsedTime() - current;
}

void Clock::advanceManualTime(sf::Time step)
{
    TimeSource& s = source();
    if (s.manual)
        s.manualNow += step;
}

} // namespace lib
