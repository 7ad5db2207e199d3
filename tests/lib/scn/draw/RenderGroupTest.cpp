#include "lib/scn/draw/RenderGroup.hpp"

#include "lib/Clock.hpp"
#include "lib/scn/draw/NodeShape.hpp"
#include "lib/scn/draw/Renderizable.hpp"
#include "lib/scn/draw/anim/AnimationCreation.hpp"
#include "support/Printers.hpp"
#include "support/TestWindow.hpp"

#include <SFML/Graphics/Texture.hpp>

#include <gtest/gtest.h>

namespace draw = lib::scn::draw;
using draw::RenderGroup;
using Leaf = std::shared_ptr<draw::Renderizable>;

namespace
{

// A group whose finish hook drops the animated leaf, as the game does with its flying dots.
class DroppingGroup : public RenderGroup
{
public:
    using RenderGroup::RenderGroup;
    void onAnimationFinished(std::shared_ptr<draw::anim::IAnimation>, Leaf node) override
    {
        removeRenderizable(node);
    }
};

Leaf box(RenderGroup& group, sf::Vector2f corner, sf::Vector2f size)
{
    Leaf leaf = group.createSpriteShape("box", size);
    leaf->setPositionWithAlignment(corner, draw::Alignment::Left);
    return leaf;
}

} // namespace

TEST(RenderTreeDrawing, AFrameShowsEachVisibleLeafWhereItsGroupsPutItOverEarlierOnes)
{
    lib::Clock::useManualTime(true);
    auto controller = bexil::test::openTestWindow({});
    lib::core::Window& window = *controller->window();
    const sf::Uint8 redThenBlue[] = {255, 0, 0, 255, 0, 0, 255, 255};
    sf::Texture texture;
    ASSERT_TRUE(texture.create(2, 1));
    texture.update(redThenBlue);

    RenderGroup root("root");
    auto outer = root.createNewRenderGroup("outer");
    outer->setPosition(100.f, 50.f);
    auto inner = outer->createNewRenderGroup("inner");
    inner->setPosition(10.f, 0.f);
    inner->setRotation(90.f);
    box(*inner, {0.f, 0.f}, {20.f, 20.f})->setColor(sf::Color::Red);
    box(root, {100.f, 300.f}, {200.f, 100.f})->getAsNodeShape()->setTexture(&texture);
    box(root, {0.f, 0.f}, {1000.f, 1000.f})->setVisible(false);
    root.addRenderizable(std::make_shared<draw::Renderizable>("empty"));
    auto dots = std::make_shared<DroppingGroup>("dots");
    root.addRenderGroup(dots);
    box(*dots, {600.f, 200.f}, {50.f, 50.f});
    auto flying = box(*dots, {600.f, 100.f}, {50.f, 50.f});
    auto dot = box(root, {280.f, 380.f}, {50.f, 50.f});
    // The hook meets the recolouring first: dropping a leaf it does not hold must drop nothing.
    dots->addAnimation(draw::anim::createColorAnimation(sf::Color::White, {10, 20, 30}, dot));
    dots->addAnimation(draw::anim::createMoveAnimation(100, {700.f, 100.f}, flying));

    sf::RenderStates states;
    window.clear(sf::Color::Black);
    dots->setVisible(false);
    lib::Clock::advanceManualTime(sf::milliseconds(1500));
    EXPECT_EQ(3u, root.draw(&window, states)) << "the red, textured and recoloured boxes";
    EXPECT_EQ(2u, dots->runningAnimations()) << "a hidden group steps nothing";
    dots->setVisible(true);
    EXPECT_EQ(4u, root.draw(&window, states)) << "the flying box goes before the children draw";
    const sf::Image image = bexil::test::capture(window);
    // Turned a quarter about the inner group's origin, then moved by (110, 50), the red box covers
    // (90, 50) to (110, 70); a turn or a move alone, or both in the wrong order, miss it.
    EXPECT_EQ(sf::Color::Red, image.getPixel(91, 51));
    EXPECT_EQ(sf::Color::Red, image.getPixel(108, 68));
    // The siblings after a group see only the root's transform; a first texture shows whole.
    EXPECT_EQ(sf::Color::Red, image.getPixel(150, 320));
    EXPECT_EQ(sf::Color::Blue, image.getPixel(250, 320));
    EXPECT_EQ(sf::Color(10, 20, 30), image.getPixel(290, 390))
        << "on top, stepped by another group";
}
