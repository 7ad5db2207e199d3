#include "lib/scn/draw/anim/ColorAnimation.hpp"

#include "lib/scn/draw/Renderizable.hpp"

namespace lib::scn::draw::anim
{

namespace
{

// Truncating the scaled difference toward zero keeps the value between start and end, and
// a delta of exactly 1 lands on the end value whichever way the component moves.
sf::Uint8 step(sf::Uint8 start, sf::Uint8 end, float delta)
{
    const int difference = int(end) - int(start);
    return static_cast<sf::Uint8>(int(start) + static_cast<int>(float(difference) * delta));
}

} // namespace

bool ColorAnimation::animate()
{
    const bool running = IAnimation::animate();
    m_node->setColor(sf::Color(
        step(m_startValue.r, m_endValue.r, m_delta), step(m_startValue.g, m_endValue.g, m_delta),
        step(m_startValue.b, m_endValue.b, m_delta), step(m_startValue.a, m_endValue.a, m_delta)));
    return running;
}

} // namespace lib::scn::draw::anim
