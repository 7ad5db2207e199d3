#pragma once

#include "lib/scn/draw/anim/IValueAnimation.hpp"

#include <SFML/System/Vector2.hpp>

namespace lib::scn::draw::anim
{

// Moves a leaf's object in a straight line from start to end.
class PositionAnimation : public IValueAnimation<sf::Vector2f>
{
public:
    using IValueAnimation<sf::Vector2f>::IValueAnimation;

    std::string animationType() const override { return "PositionAnimation"; }
    bool animate() override;
};

} // namespace lib::scn::draw::anim
