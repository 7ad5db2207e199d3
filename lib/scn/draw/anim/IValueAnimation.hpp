#pragma once

#include "lib/scn/draw/anim/IAnimation.hpp"

#include <memory>
#include <utility>

namespace lib::scn::draw::anim
{

// An animation from a start value to an end value of one type.
template <typename T>
class IValueAnimation : public IAnimation
{
public:
    IValueAnimation(int duration, const T& start, const T& end, std::shared_ptr<Renderizable> node)
        : IAnimation(duration, std::move(node))
        , m_startValue(start)
        , m_endValue(end)
    {
    }

protected:
    T m_startValue;
    T m_endValue;
};

} // namespace lib::scn::draw::anim
