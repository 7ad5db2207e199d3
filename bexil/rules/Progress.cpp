#include "bexil/rules/Progress.hpp"

namespace bexil::rules
{

void Progress::start(bool timeMode)
{
    m_timeMode = timeMode;
    m_score = 0;
}

void Progress::setLevel(std::uint32_t level)
{
    m_level.setLevel(level);
    m_consumedTokens = 0;
}

std::uint32_t Progress::consume(std::uint32_t inARow)
{
    const std::uint32_t points = inARow * m_level.baseScore();
    m_score += points;
    ++m_consumedTokens;
    return points;
}

bool Progress::tokenDue(sf::Time sinceArrival) const
{
    return sinceArrival.asMilliseconds() > static_cast<std::int64_t>(m_level.millisBetweenTokens());
}

std::uint32_t Progress::progress(sf::Time inLevel) const
{
    if (!m_timeMode)
        return m_consumedTokens;
    // Whole seconds, in 16 bits: no level lasts 18 hours.
    return static_cast<std::uint16_t>(static_cast<std::uint32_t>(inLevel.asSeconds()));
}

std::uint32_t Progress::goal() const
{
    return m_timeMode ? m_level.stayTime() : m_level.stayTokens();
}

bool Progress::goalReached(sf::Time inLevel) const
{
    if (m_timeMode)
        return inLevel.asSeconds() >= static_cast<float>(m_level.stayTime());
    return m_consumedTokens >= m_level.stayTokens();
}

} // namespace bexil::rules
