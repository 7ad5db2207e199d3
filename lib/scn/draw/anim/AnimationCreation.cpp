#include "lib/scn/draw/anim/AnimationCreation.hpp"

#include "lib/scn/draw/Renderizable.hpp"
#include "lib/scn/draw/anim/ColorAnimation.hpp"
#include "lib/scn/draw/anim/PositionAnimation.hpp"

#include <cassert>
#include <utility>

namespace lib::scn::draw::anim
{

std::shared_ptr<IAnimation> createColorAnimation(const sf::Color& start, const sf::Color& end,
                                                 std::shared_ptr<Renderizable> node)
{
    return std::make_shared<ColorAnimation>(1000, start, end, std::move(node));
}

std::shared_ptr<IAnimation> createPositionAnimation(const sf::Vector2f& start,
                                                    const sf::Vector2f& end,
                                                    std::shared_ptr<Renderizable> node)
{
    return std::make_shared<PositionAnimation>(600, start, end, std::move(node));
}

std::shared_ptr<IAnimation> createMoveAnimation(int duration, const sf::Vector2f& end,
                                                std::shared_ptr<Renderizable> node)
{
    assert(node != nullptr);
    const sf::Vector2f start = node->getPosition();
    return std::make_shared<PositionAnimation>(duration, start, end, std::move(node));
}

} // namespace lib::scn::draw::anim
