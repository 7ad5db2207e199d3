#pragma once

#include <SFML/Graphics/Color.hpp>
#include <SFML/System/Vector2.hpp>

#include <memory>

namespace lib::scn::draw
{
class Renderizable;
}

namespace lib::scn::draw::anim
{

class IAnimation;

// A 1000 ms colour animation from start to end.
std::shared_ptr<IAnimation> createColorAnimation(const sf::Color& start, const sf::Color& end,
                                                 std::shared_ptr<Renderizable> node);
// A 600 ms position animation from start to end.
std::shared_ptr<IAnimation> createPositionAnimation(const sf::Vector2f& start,
                                                    const sf::Vector2f& end,
                                                    std::shared_ptr<Renderizable> node);
// A position animation of the given duration from where the node is now to the end point.
std::shared_ptr<IAnimation> createMoveAnimation(int duration, const sf::Vector2f& end,
                                                std::shared_ptr<Renderizable> node);

} // namespace lib::scn::draw::anim
