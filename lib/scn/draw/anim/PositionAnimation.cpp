#include "lib/scn/draw/anim/PositionAnimation.hpp"

#include "lib/scn/draw/Renderizable.hpp"

namespace lib::scn::draw::anim
{

bool PositionAnimation::animate()
{
    const bool running = IAnimation::animate();
    const sf::Vector2f position(m_startValue.x + (m_endValue.x - m_startValue.x) * m_delta,
                                m_startValue.y + (m_endValue.y - m_startValue.y) * m_delta);
    m_node->setPositionWithAlignment(position, Alignment::Left);
    return running;
}

} // namespace lib::scn::draw::anim
