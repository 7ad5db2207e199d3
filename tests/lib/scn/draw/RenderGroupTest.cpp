#include "lib/scn/draw/RenderGroup.hpp"

#include "lib/Clock.hpp"
#include "lib/scn/draw/NodeShape.hpp"
#include "lib/scn/draw/Renderizable.hpp"
#include "lib/scn/draw/anim/AnimationCreation.hpp"
#include "support/Printers.hpp"
#include "support/TestWindow.hpp"

#include <SFML/Graphics/Image.hpp>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using lib::scn::draw::Alignment;
using lib::scn::draw::IDrawable;
using lib::scn::draw::NodeShapeType;
using lib::scn::draw::RenderGroup;
using lib::scn::draw::Renderizable;

namespace
{

// A leaf that draws nothing, needs no window and counts as drawn.
class CountingLeaf : public Renderizable
{
public:
    using Renderizable::Renderizable;
    unsigned int draw(lib::core::Window*, sf::RenderStates&) override { return 1; }
};

std::shared_ptr<CountingLeaf> addCounting(RenderGroup& group)
{
    auto leaf = std::make_shared<CountingLeaf>("counting");
    group.addRenderizable(leaf);
    return leaf;
}

unsigned int drawTree(RenderGroup& root, lib::core::Window* window = nullptr)
{
    sf::RenderStates states;
    return root.draw(window, states);
}

// A group whose finish hook drops the animated leaf, as the game does with its flying dots.
class DroppingGroup : public RenderGroup
{
public:
    using RenderGroup::RenderGroup;
    void onAnimationFinished(std::shared_ptr<lib::scn::draw::anim::IAnimation>,
                             std::shared_ptr<Renderizable> node) override
    {
        removeRenderizable(node);
    }
};

} // namespace

TEST(RenderGroupDraw, HiddenGroupsStepNothingAndFinishHooksRunBeforeTheChildrenAreDrawn)
{
    lib::Clock::useManualTime(true);
    RenderGroup root("root");
    addCounting(root);
    // Neither counts, and without a window either would assert if it tried to draw.
    root.createSpriteShape("hidden", {10.f, 10.f})->setVisible(false);
    root.addRenderizable(std::make_shared<Renderizable>("empty"));
    auto group = std::make_shared<DroppingGroup>("group");
    root.addRenderGroup(group);
    addCounting(*group->createNewRenderGroup("deep"));
    auto flying = addCounting(*group);
    group->addAnimation(lib::scn::draw::anim::createMoveAnimation(100, {50.f, 0.f}, flying));
    auto dot = RenderGroup("spare").createSpriteShape("dot", {10.f, 10.f});
    group->addAnimation(lib::scn::draw::anim::createColorAnimation(
        sf::Color(255, 255, 255, 0), sf::Color(10, 20, 30, 255), dot));
    EXPECT_EQ(3u, drawTree(root));

    group->setVisible(false);
    lib::Clock::advanceManualTime(sf::milliseconds(1500));
    EXPECT_EQ(1u, drawTree(root));
    EXPECT_EQ(2u, group->runningAnimations());

    group->setVisible(true);
    EXPECT_EQ(2u, drawTree(root)) << "the flying leaf is dropped before the children are drawn";
    EXPECT_EQ(0u, group->runningAnimations());
    EXPECT_EQ(sf::Color(10, 20, 30, 255), dot->getAsNodeShape()->getFillColor());
}

TEST(RenderGroupChildren, LeavesAreAppendedAndGroupsGoBeforeTheirPositionNodeOrLast)
{
    RenderGroup root("root");
    auto text = root.createText("label");
    auto ellipse = root.createShape("cursor", {40.f, 20.f});
    auto front = std::make_shared<RenderGroup>("front");
    root.addRenderGroup(front, text);
    auto back = std::make_shared<RenderGroup>("back");
    root.addRenderGroup(back);
    auto middle = root.createNewRenderGroup("middle", ellipse);
    // A position node that is not a child of this group places the group last.
    auto last = std::make_shared<RenderGroup>("last");
    root.addRenderGroup(last, std::make_shared<CountingLeaf>("stranger"));
    auto sprite = root.createSpriteShape("background", {200.f, 100.f});

    EXPECT_EQ(
        (std::vector<std::shared_ptr<IDrawable>>{front, text, middle, ellipse, back, last, sprite}),
        root.children());
    EXPECT_EQ(NodeShapeType::Ellipse, ellipse->getAsNodeShape()->type());
    EXPECT_EQ(30u, ellipse->getAsNodeShape()->getPointCount());
}

TEST(RenderGroupChildren, RemovalIsByIdentityAndFirstOccurrenceOnly)
{
    RenderGroup root("root");
    auto twice = addCounting(root);
    auto other = addCounting(root);
    root.addRenderizable(twice);
    auto inner = root.createNewRenderGroup("inner");

    EXPECT_FALSE(root.removeRenderizable(std::make_shared<CountingLeaf>("stranger")));
    EXPECT_FALSE(root.removeRenderizable(nullptr));
    EXPECT_TRUE(root.removeRenderizable(twice));
    EXPECT_TRUE(root.removeRenderizable(inner));
    EXPECT_EQ((std::vector<std::shared_ptr<IDrawable>>{other, twice}), root.children());
}

TEST(Renderizable, AlignmentUsesOnlyTheWidthAndHeightOfTheBounds)
{
    auto leaf = RenderGroup("spare").createSpriteShape("box", {100.f, 20.f});
    leaf->setPositionWithAlignment({400.f, 300.f}, Alignment::Center);
    EXPECT_EQ(sf::Vector2f(350.f, 290.f), leaf->getPosition());
    leaf->setPositionWithAlignment({400.f, 300.f}, Alignment::Right);
    EXPECT_EQ(sf::Vector2f(300.f, 280.f), leaf->getPosition());
    leaf->setPositionWithAlignment({400.f, 300.f}, static_cast<Alignment>(7));
    EXPECT_EQ(sf::Vector2f(400.f, 300.f), leaf->getPosition());

    // The outline makes the bounds (-5, -5, 110, 30): their left and top are not used.
    leaf->getAsNodeShape()->setOutlineThickness(5.f);
    leaf->setPositionWithAlignment({400.f, 300.f}, Alignment::Center);
    EXPECT_EQ(sf::Vector2f(345.f, 285.f), leaf->getPosition());
    leaf->setPositionX(1000.f, Alignment::Right);
    EXPECT_EQ(sf::Vector2f(890.f, 285.f), leaf->getPosition());
    leaf->setPositionX(1000.f, Alignment::Center);
    EXPECT_EQ(sf::Vector2f(945.f, 285.f), leaf->getPosition());

    Renderizable empty("empty");
    empty.setPositionWithAlignment({5.f, 5.f}, Alignment::Center);
    EXPECT_EQ(sf::Vector2f(0.f, 0.f), empty.getPosition());
}

TEST(RenderTreeDrawing, GroupsPlaceTheirLeavesAndLaterLeavesLieOnTop)
{
    auto controller = bexil::test::openTestWindow({});
    lib::core::Window& window = *controller->window();
    RenderGroup root("root");
    auto outer = root.createNewRenderGroup("outer");
    outer->setPosition(100.f, 50.f);
    auto inner = outer->createNewRenderGroup("inner");
    inner->setPosition(10.f, 0.f);
    inner->setRotation(90.f);
    const auto square = [](RenderGroup& group, float x, float y, float side, sf::Color colour)
    {
        auto leaf = group.createSpriteShape("square", {side, side});
        leaf->setColor(colour);
        leaf->setPositionWithAlignment({x, y}, Alignment::Left);
    };
    square(*inner, 0.f, 0.f, 20.f, sf::Color::Red);
    square(root, 300.f, 100.f, 100.f, sf::Color::Green);
    square(root, 350.f, 150.f, 100.f, sf::Color::Blue);
    window.clear(sf::Color::Black);
    EXPECT_EQ(3u, drawTree(root, &window));
    const sf::Image image = bexil::test::capture(window);
    // Turned a quarter about the inner group's origin, then moved by (110, 50), the red square
    // covers (90, 50) to (110, 70); either turn or move alone, or both in the wrong order,
    // would put it elsewhere.
    EXPECT_EQ(sf::Color::Red, image.getPixel(91, 51));
    EXPECT_EQ(sf::Color::Red, image.getPixel(108, 68));
    EXPECT_EQ(sf::Color::Black, image.getPixel(115, 60));
    EXPECT_EQ(sf::Color::Black, image.getPixel(100, 48));
    // The siblings after the group see only the root's transform.
    EXPECT_EQ(sf::Color::Green, image.getPixel(320, 120));
    EXPECT_EQ(sf::Color::Blue, image.getPixel(375, 175));
}
