#include "lib/PClock.hpp"

namespace lib
{

void PClock::pause()
{
    if (m_paused)
        return;
    m_paused = true;
    m_pauseClock.restart();
}

void PClock::resume()
{
    if (!m_paused)
        return;
    m_paused = false;
    m_pausedTime += m_pauseClock.getElapsedTime();
}

sf::Time PClock::getElapsedTime() const
{
    // A pause still running is not subtracted yet: it counts once it ends.
    return m_clock.getElapsedTime() - m_pausedTime;
}

sf::Time PClock::restart()
{
    const sf::Time elapsed = getElapsedTime();
    m_pausedTime = sf::Time::Zero;
    m_paused = false;
    m_clock.restart();
    return elapsed;
}

} // namespace lib
