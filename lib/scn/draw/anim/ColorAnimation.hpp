#pragma once

#include "lib/scn/draw/anim/IValueAnimation.hpp"

#include <SFML/Graphics/Color.hpp>

namespace lib::scn::draw::anim
{

// Fades a leaf's colour (text colour, or shape fill) from start to end, component by component.
class ColorAnimation : public IValueAnimation<sf::Color>
{
public:
    using IValueAnimation<sf::Color>::IValueAnimation;

    std::string animationType() const override { return "ColorAnimation"; }
    bool animate() override;
};

} // namespace lib::scn::draw::anim
