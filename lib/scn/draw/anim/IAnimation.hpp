#pragma once

#include "lib/Clock.hpp"

#include <cstdint>
#include <memory>
#include <string>

namespace lib::scn::draw
{
class Renderizable;
}

namespace lib::scn::draw::anim
{

// One timed change of one leaf. Its time runs on its own clock from its creation; each step
// (animate) computes the progress and applies the value, and the step after the duration has
// passed applies the end value exactly and reports the end.
class IAnimation
{
public:
    IAnimation(std::int32_t duration, std::shared_ptr<Renderizable> node);
    virtual ~IAnimation() = default;

    // The concrete class's name; the game tells animations apart by it.
    virtual std::string animationType() const = 0;
    // Advances to the present. True while running; false on the step at which it has ended.
    virtual bool animate();

    const std::shared_ptr<Renderizable>& node() const { return m_node; }
    std::int32_t duration() const { return m_duration; }

protected:
    std::int32_t m_duration;
    float m_delta = 0.f;
    std::shared_ptr<Renderizable> m_node; // kept alive while the animation exists
    lib::Clock m_clock;
};

} // namespace lib::scn::draw::anim
