#include "lib/scn/draw/anim/IAnimation.hpp"

#include <cassert>
#include <utility>

namespace lib::scn::draw::anim
{

IAnimation::IAnimation(std::int32_t duration, std::shared_ptr<Renderizable> node)
    : m_duration(duration)
    , m_node(std::move(node))
{
    assert(m_node != nullptr);
}

bool IAnimation::animate()
{
    const std::int32_t currentTime = m_clock.getElapsedTime().asMilliseconds();
    // An animation without length has nothing to run through: it ends at its first step.
    if (m_duration > 0 && currentTime <= m_duration)
    {
        m_delta = static_cast<float>(currentTime) / static_cast<float>(m_duration);
        return true;
    }
    m_delta = 1.f;
    return false;
}

} // namespace lib::scn::draw::anim
