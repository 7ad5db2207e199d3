#include "lib/scn/draw/RenderGroup.hpp"

#include "lib/Clock.hpp"
#include "lib/scn/draw/NodeShape.hpp"
#include "lib/scn/draw/Renderizable.hpp"
#include "lib/scn/draw/anim/AnimationCreation.hpp"
#include "lib/scn/draw/anim/IAnimation.hpp"
#include "support/Printers.hpp"
#include "support/TestWindow.hpp"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Text.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

using lib::scn::draw::Alignment;
using lib::scn::draw::IDrawable;
using lib::scn::draw::NodeShapeType;
using lib::scn::draw::RenderGroup;
using lib::scn::draw::Renderizable;
using lib::scn::draw::RenderizableType;

namespace
{

// A leaf that draws nothing but counts its draws and keeps the transform it was given.
class CountingLeaf : public Renderizable
{
public:
    using Renderizable::Renderizable;
    unsigned int draw(lib::core::Window*, sf::RenderStates& states) override
    {
        if (!isVisible())
            return 0;
        ++draws;
        seen = states.transform;
        return 1;
    }

    int draws = 0;
    sf::Transform seen;
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

std::shared_ptr<Renderizable> rectangleLeaf(const sf::Vector2f& size)
{
    return std::make_shared<Renderizable>(
        "rectangle", new lib::scn::draw::NodeShape(size, 4, NodeShapeType::Rectangle));
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

std::vector<const IDrawable*> childList(const RenderGroup& group)
{
    std::vector<const IDrawable*> list;
    for (const auto& child : group.children())
        list.push_back(child.get());
    return list;
}

} // namespace

TEST(RenderGroupDraw, CountsVisibleLeavesAtEveryDepthAndHiddenGroupsStepNothing)
{
    lib::Clock::useManualTime(true);
    RenderGroup root("root");
    auto shown = addCounting(root);
    auto hiddenLeaf = addCounting(root);
    hiddenLeaf->setVisible(false);
    auto group = root.createNewRenderGroup("group");
    auto deep = addCounting(*group->createNewRenderGroup("deep"));
    auto dot = rectangleLeaf({10.f, 10.f});
    group->addAnimation(lib::scn::draw::anim::createColorAnimation(
        sf::Color(255, 255, 255, 0), sf::Color(10, 20, 30, 255), dot));
    EXPECT_EQ(2u, drawTree(root));
    EXPECT_EQ(1, deep->draws);
    EXPECT_EQ(0, hiddenLeaf->draws);

    group->setVisible(false);
    lib::Clock::advanceManualTime(sf::milliseconds(1500));
    EXPECT_EQ(1u, drawTree(root));
    EXPECT_EQ(1, deep->draws);
    EXPECT_EQ(1u, group->runningAnimations());
    EXPECT_EQ(sf::Color(255, 255, 255, 0), dot->getAsNodeShape()->getFillColor());

    group->setVisible(true);
    EXPECT_EQ(2u, drawTree(root));
    EXPECT_EQ(0u, group->runningAnimations());
    EXPECT_EQ(sf::Color(10, 20, 30, 255), dot->getAsNodeShape()->getFillColor());
    EXPECT_EQ(3, shown->draws);
}

TEST(RenderGroupDraw, TransformsComposeDownwardAndAreRestored)
{
    RenderGroup root("root");
    root.setPosition(100.f, 50.f);
    auto inner = root.createNewRenderGroup("inner");
    inner->setPosition(10.f, 0.f);
    inner->setRotation(90.f);
    auto deep = addCounting(*inner);
    auto after = addCounting(root);

    sf::RenderStates states;
    states.transform.translate(7.f, 9.f).scale(2.f, 2.f);
    states.blendMode = sf::BlendAdd;
    const sf::Transform before = states.transform;
    EXPECT_EQ(2u, root.draw(nullptr, states));
    EXPECT_TRUE(
        std::equal(before.getMatrix(), before.getMatrix() + 16, states.transform.getMatrix()));
    EXPECT_EQ(sf::BlendAdd, states.blendMode);

    // (0, 5) turns to (-5, 0), moves by (110, 50), then the caller's scale and offset apply.
    const sf::Vector2f turned = deep->seen.transformPoint(0.f, 5.f);
    EXPECT_NEAR(7.f + 2 * 105.f, turned.x, 1e-3f);
    EXPECT_NEAR(9.f + 2 * 50.f, turned.y, 1e-3f);
    EXPECT_EQ(sf::Vector2f(7.f + 2 * 100.f, 9.f + 2 * 50.f), after->seen.transformPoint(0.f, 0.f))
        << "a sibling after the inner group sees only its parent's transform";
}

TEST(RenderGroupDraw, FinishHooksRunBeforeTheChildrenAreDrawn)
{
    lib::Clock::useManualTime(true);
    DroppingGroup group("dropping");
    auto flying = addCounting(group);
    auto staying = addCounting(group);
    group.addAnimation(lib::scn::draw::anim::createMoveAnimation(100, {50.f, 0.f}, flying));

    lib::Clock::advanceManualTime(sf::milliseconds(101));
    EXPECT_EQ(1u, drawTree(group));
    EXPECT_EQ(0, flying->draws);
    EXPECT_EQ(std::vector<const IDrawable*>{staying.get()}, childList(group));
}

TEST(RenderGroupChildren, CreatedLeavesAreAppendedInOrder)
{
    RenderGroup group("group");
    auto text = group.createText("label");
    auto ellipse = group.createShape("cursor", {40.f, 20.f});
    auto sprite = group.createSpriteShape("background", {200.f, 100.f});
    EXPECT_EQ((std::vector<const IDrawable*>{text.get(), ellipse.get(), sprite.get()}),
              childList(group));

    EXPECT_EQ("label", text->name());
    ASSERT_EQ(RenderizableType::Text, text->type());
    EXPECT_EQ(nullptr, text->getAsNodeShape());
    ASSERT_EQ(RenderizableType::Shape, ellipse->type());
    EXPECT_EQ(nullptr, ellipse->getAsText());
    EXPECT_EQ(NodeShapeType::Ellipse, ellipse->getAsNodeShape()->type());
    EXPECT_EQ(30u, ellipse->getAsNodeShape()->getPointCount());
    EXPECT_EQ(sf::Vector2f(40.f, 20.f), ellipse->getAsNodeShape()->getSize());
    ASSERT_EQ(RenderizableType::Shape, sprite->type());
    EXPECT_EQ(NodeShapeType::Rectangle, sprite->getAsNodeShape()->type());
    EXPECT_EQ(4u, sprite->getAsNodeShape()->getPointCount());
}

TEST(RenderGroupChildren, GroupsGoBeforeTheirPositionNodeOrLast)
{
    RenderGroup root("root");
    auto first = addCounting(root);
    auto second = addCounting(root);
    auto front = std::make_shared<RenderGroup>("front");
    root.addRenderGroup(front, first);
    auto back = std::make_shared<RenderGroup>("back");
    root.addRenderGroup(back);
    auto middle = root.createNewRenderGroup("middle", second);
    // A position node that is not a child of this group places the group last.
    auto last = std::make_shared<RenderGroup>("last");
    root.addRenderGroup(last, std::make_shared<CountingLeaf>("stranger"));

    EXPECT_EQ((std::vector<const IDrawable*>{front.get(), first.get(), middle.get(), second.get(),
                                             back.get(), last.get()}),
              childList(root));
    for (const auto& group : {front, back, middle, last})
        EXPECT_EQ(&root, group->parent()) << group->name();
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
    EXPECT_EQ((std::vector<const IDrawable*>{other.get(), twice.get()}), childList(root));

    root.removeAllChildren();
    EXPECT_EQ(0u, drawTree(root));
}

TEST(Renderizable, LeafWithoutAnObjectIsInert)
{
    Renderizable empty("empty");
    EXPECT_EQ(RenderizableType::None, empty.type());
    EXPECT_EQ(sf::FloatRect(0.f, 0.f, 0.f, 0.f), empty.getLocalBounds());
    EXPECT_EQ(nullptr, empty.transformable());
    empty.setColor(sf::Color::Red);
    empty.setPositionWithAlignment({5.f, 5.f}, Alignment::Center);
    EXPECT_EQ(sf::Vector2f(0.f, 0.f), empty.getPosition());
    sf::RenderStates states;
    EXPECT_EQ(0u, empty.draw(nullptr, states));
}

TEST(Renderizable, AlignmentUsesOnlyTheWidthAndHeightOfTheBoundsOfShapesAndTexts)
{
    auto leaf = rectangleLeaf({100.f, 20.f});
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
    leaf->setPositionX(1000.f, Alignment::Left);
    EXPECT_EQ(sf::Vector2f(1000.f, 285.f), leaf->getPosition());

    sf::Font font;
    ASSERT_TRUE(font.loadFromFile(BEXIL_DATA_DIR "fonts/DejaVuSans-Bold.ttf"));
    RenderGroup root("root");
    auto text = root.createText("label");
    text->getAsText()->setFont(font);
    text->getAsText()->setString("MMM");
    text->getAsText()->setCharacterSize(80);
    const sf::FloatRect bounds = text->getLocalBounds();
    ASSERT_NE(0.f, bounds.top);
    text->setPositionWithAlignment({400.f, 300.f}, Alignment::Center);
    EXPECT_EQ(sf::Vector2f(400.f - bounds.width * 0.5f, 300.f - bounds.height * 0.5f),
              text->getPosition());
    text->setPositionWithAlignment({400.f, 300.f}, Alignment::Right);
    EXPECT_EQ(sf::Vector2f(400.f - bounds.width, 300.f - bounds.height), text->getPosition());
    text->setColor(sf::Color::Yellow);
    EXPECT_EQ(sf::Color::Yellow, text->getAsText()->getFillColor());
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
    EXPECT_EQ(sf::Color::Red, image.getPixel(111, 51));
    EXPECT_EQ(sf::Color::Red, image.getPixel(128, 68));
    EXPECT_EQ(sf::Color::Black, image.getPixel(108, 60));
    EXPECT_EQ(sf::Color::Black, image.getPixel(120, 48));
    EXPECT_EQ(sf::Color::Black, image.getPixel(11, 1));
    EXPECT_EQ(sf::Color::Green, image.getPixel(320, 120));
    EXPECT_EQ(sf::Color::Blue, image.getPixel(375, 175));
    EXPECT_EQ(sf::Color::Blue, image.getPixel(425, 225));
}
