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
    CountingLeaf()
        : Renderizable("counting")
    {
    }

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
    auto leaf = std::make_shared<CountingLeaf>();
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
    DroppingGroup()
        : RenderGroup("dropping")
    {
    }

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

TEST(RenderGroupDraw, CountsVisibleLeavesAtEveryDepth)
{
    RenderGroup root("root");
    std::vector<std::shared_ptr<CountingLeaf>> leaves;
    for (int i = 0; i < 3; ++i)
        leaves.push_back(addCounting(root));
    auto inner = root.createNewRenderGroup("inner");
    leaves.push_back(addCounting(*inner));
    leaves.push_back(addCounting(*inner));

    EXPECT_EQ(5u, drawTree(root));
    for (const auto& leaf : leaves)
        EXPECT_EQ(1, leaf->draws);

    for (const auto& leaf : leaves)
        leaf->setVisible(false);
    EXPECT_EQ(0u, drawTree(root));
    EXPECT_EQ(1, leaves[4]->draws);
}

TEST(RenderGroupDraw, HiddenGroupNeitherDrawsNorStepsButItsClocksRun)
{
    lib::Clock::useManualTime(true);
    RenderGroup root("root");
    auto hidden = root.createNewRenderGroup("hidden");
    auto counted = addCounting(*hidden->createNewRenderGroup("deep"));
    auto dot = std::make_shared<Renderizable>(
        "dot", new lib::scn::draw::NodeShape({10.f, 10.f}, 4, NodeShapeType::Rectangle));
    hidden->addAnimation(lib::scn::draw::anim::createColorAnimation(
        sf::Color(255, 255, 255, 0), sf::Color(10, 20, 30, 255), dot));
    hidden->setVisible(false);

    lib::Clock::advanceManualTime(sf::milliseconds(1500));
    EXPECT_EQ(0u, drawTree(root));
    EXPECT_EQ(0, counted->draws);
    EXPECT_EQ(1u, hidden->runningAnimations());
    EXPECT_EQ(sf::Color::White, dot->getAsNodeShape()->getFillColor());

    // Shown again after more than the duration: the first step ends it at the end value.
    hidden->setVisible(true);
    EXPECT_EQ(1u, drawTree(root));
    EXPECT_EQ(0u, hidden->runningAnimations());
    EXPECT_EQ(sf::Color(10, 20, 30, 255), dot->getAsNodeShape()->getFillColor());
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

    const float* expected = before.getMatrix();
    const float* actual = states.transform.getMatrix();
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(expected[i], actual[i]) << "matrix element " << i;
    EXPECT_EQ(sf::BlendAdd, states.blendMode);

    // (0, 5) turns to (-5, 0), moves by (110, 50), then the caller's scale and offset apply.
    const sf::Vector2f turned = deep->seen.transformPoint(0.f, 5.f);
    EXPECT_NEAR(7.f + 2 * 105.f, turned.x, 1e-3f);
    EXPECT_NEAR(9.f + 2 * 50.f, turned.y, 1e-3f);
    // A sibling after the inner group sees only its parent's transform again.
    EXPECT_EQ(sf::Vector2f(7.f + 2 * 100.f, 9.f + 2 * 50.f), after->seen.transformPoint(0.f, 0.f));
}

TEST(RenderGroupDraw, FinishHooksRunBeforeTheChildrenAreDrawn)
{
    lib::Clock::useManualTime(true);
    DroppingGroup group;
    auto flying = addCounting(group);
    auto staying = addCounting(group);
    group.addAnimation(lib::scn::draw::anim::createMoveAnimation(100, {50.f, 0.f}, flying));

    lib::Clock::advanceManualTime(sf::milliseconds(101));
    EXPECT_EQ(1u, drawTree(group));
    EXPECT_EQ(0, flying->draws);
    EXPECT_EQ(1, staying->draws);
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
    EXPECT_EQ(nullptr, text->getAsText()->getFont());
    EXPECT_TRUE(text->getAsText()->getString().isEmpty());
    EXPECT_EQ(nullptr, text->getAsNodeShape());

    ASSERT_EQ(RenderizableType::Shape, ellipse->type());
    EXPECT_EQ(nullptr, ellipse->getAsText());
    EXPECT_EQ(NodeShapeType::Ellipse, ellipse->getAsNodeShape()->type());
    EXPECT_EQ(30u, ellipse->getAsNodeShape()->getPointCount());
    EXPECT_EQ(sf::Vector2f(40.f, 20.f), ellipse->getAsNodeShape()->getSize());

    ASSERT_EQ(RenderizableType::Shape, sprite->type());
    EXPECT_EQ(NodeShapeType::Rectangle, sprite->getAsNodeShape()->type());
    EXPECT_EQ(4u, sprite->getAsNodeShape()->getPointCount());
    EXPECT_EQ(sf::FloatRect(0.f, 0.f, 200.f, 100.f), sprite->getLocalBounds());
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
    auto stranger = std::make_shared<CountingLeaf>();
    auto last = std::make_shared<RenderGroup>("last");
    root.addRenderGroup(last, stranger);

    EXPECT_EQ((std::vector<const IDrawable*>{front.get(), first.get(), middle.get(), second.get(),
                                             back.get(), last.get()}),
              childList(root));
    EXPECT_EQ("middle", middle->name());
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

    EXPECT_FALSE(root.removeRenderizable(std::make_shared<CountingLeaf>()));
    EXPECT_FALSE(root.removeRenderizable(nullptr));
    EXPECT_EQ(4u, root.children().size());

    EXPECT_TRUE(root.removeRenderizable(twice));
    EXPECT_EQ((std::vector<const IDrawable*>{other.get(), twice.get(), inner.get()}),
              childList(root));
    EXPECT_TRUE(root.removeRenderizable(inner));
    EXPECT_EQ((std::vector<const IDrawable*>{other.get(), twice.get()}), childList(root));

    root.removeAllChildren();
    EXPECT_TRUE(root.children().empty());
    EXPECT_EQ(0u, drawTree(root));
}

TEST(Renderizable, LeafWithoutAnObjectIsInert)
{
    Renderizable empty("empty");
    EXPECT_EQ(RenderizableType::None, empty.type());
    EXPECT_EQ(sf::FloatRect(0.f, 0.f, 0.f, 0.f), empty.getLocalBounds());
    EXPECT_EQ(nullptr, empty.transformable());
    EXPECT_EQ(nullptr, empty.getAsText());
    EXPECT_EQ(nullptr, empty.getAsNodeShape());
    empty.setColor(sf::Color::Red);
    empty.setPositionWithAlignment({5.f, 5.f}, Alignment::Center);
    EXPECT_EQ(sf::Vector2f(0.f, 0.f), empty.getPosition());
    sf::RenderStates states;
    EXPECT_EQ(0u, empty.draw(nullptr, states));
}

TEST(Renderizable, AlignmentUsesOnlyTheWidthAndHeightOfTheBounds)
{
    Renderizable leaf("bar",
                      new lib::scn::draw::NodeShape({100.f, 20.f}, 4, NodeShapeType::Rectangle));
    leaf.setPositionWithAlignment({400.f, 300.f}, Alignment::Center);
    EXPECT_EQ(sf::Vector2f(350.f, 290.f), leaf.getPosition());
    leaf.setPositionWithAlignment({400.f, 300.f}, Alignment::Right);
    EXPECT_EQ(sf::Vector2f(300.f, 280.f), leaf.getPosition());
    leaf.setPositionWithAlignment({400.f, 300.f}, static_cast<Alignment>(7));
    EXPECT_EQ(sf::Vector2f(400.f, 300.f), leaf.getPosition());

    // The outline makes the bounds (-5, -5, 110, 30): their left and top are not used.
    leaf.getAsNodeShape()->setOutlineThickness(5.f);
    leaf.setPositionWithAlignment({400.f, 300.f}, Alignment::Center);
    EXPECT_EQ(sf::Vector2f(345.f, 285.f), leaf.getPosition());

    leaf.setPositionX(1000.f, Alignment::Right);
    EXPECT_EQ(sf::Vector2f(890.f, 285.f), leaf.getPosition());
    leaf.setPositionX(1000.f, Alignment::Center);
    EXPECT_EQ(sf::Vector2f(945.f, 285.f), leaf.getPosition());
    leaf.setPositionX(1000.f, Alignment::Left);
    EXPECT_EQ(sf::Vector2f(1000.f, 285.f), leaf.getPosition());
}

// Text bounds need a font, and drawing needs the display.
class RenderTreeDrawing : public ::testing::Test
{
protected:
    void SetUp() override
    {
        controller = bexil::test::openTestWindow({});
        ASSERT_TRUE(font.loadFromFile(BEXIL_DATA_DIR "fonts/DejaVuSans-Bold.ttf"));
    }

    lib::core::Window* window() { return controller->window().get(); }

    sf::Image drawn(RenderGroup& root, unsigned int expectedLeaves)
    {
        window()->clear(sf::Color::Black);
        EXPECT_EQ(expectedLeaves, drawTree(root, window()));
        return bexil::test::capture(*window());
    }

    static std::shared_ptr<Renderizable> square(RenderGroup& group, const sf::Vector2f& at,
                                                float side, const sf::Color& color)
    {
        auto leaf = group.createSpriteShape("square", {side, side});
        leaf->setColor(color);
        leaf->setPositionWithAlignment(at, Alignment::Left);
        return leaf;
    }

    std::unique_ptr<bexil::test::TestController> controller;
    sf::Font font;
};

TEST_F(RenderTreeDrawing, TextAlignsOnItsOwnBounds)
{
    RenderGroup root("root");
    auto text = root.createText("title");
    text->getAsText()->setFont(font);
    text->getAsText()->setString("Bexil");
    text->getAsText()->setCharacterSize(40);
    const sf::FloatRect bounds = text->getLocalBounds();
    ASSERT_GT(bounds.width, 0.f);
    ASSERT_NE(0.f, bounds.top);

    text->setPositionWithAlignment({400.f, 300.f}, Alignment::Center);
    EXPECT_EQ(sf::Vector2f(400.f - bounds.width * 0.5f, 300.f - bounds.height * 0.5f),
              text->getPosition());
    text->setPositionWithAlignment({400.f, 300.f}, Alignment::Right);
    EXPECT_EQ(sf::Vector2f(400.f - bounds.width, 300.f - bounds.height), text->getPosition());
    text->setColor(sf::Color::Yellow);
    EXPECT_EQ(sf::Color::Yellow, text->getAsText()->getFillColor());
}

TEST_F(RenderTreeDrawing, NestedGroupsPlaceTheirLeaves)
{
    RenderGroup root("root");
    auto outer = root.createNewRenderGroup("outer");
    outer->setPosition(100.f, 50.f);
    auto inner = outer->createNewRenderGroup("inner");
    inner->setPosition(10.f, 0.f);
    square(*inner, {0.f, 0.f}, 20.f, sf::Color::Red);

    const sf::Image image = drawn(root, 1);
    EXPECT_EQ(sf::Color::Red, image.getPixel(111, 51));
    EXPECT_EQ(sf::Color::Red, image.getPixel(128, 68));
    EXPECT_EQ(sf::Color::Black, image.getPixel(108, 60));
    EXPECT_EQ(sf::Color::Black, image.getPixel(120, 48));
    EXPECT_EQ(sf::Color::Black, image.getPixel(11, 1));
}

TEST_F(RenderTreeDrawing, LaterChildrenLieOnTopAndHiddenOnesVanish)
{
    RenderGroup root("root");
    square(root, {100.f, 100.f}, 100.f, sf::Color::Green);
    square(root, {150.f, 150.f}, 100.f, sf::Color::Blue);
    auto hidden = root.createNewRenderGroup("hidden");
    square(*hidden, {0.f, 0.f}, 400.f, sf::Color::White);
    hidden->setVisible(false);

    sf::Image image = drawn(root, 2);
    EXPECT_EQ(sf::Color::Green, image.getPixel(120, 120));
    EXPECT_EQ(sf::Color::Blue, image.getPixel(175, 175));
    EXPECT_EQ(sf::Color::Blue, image.getPixel(225, 225));
    EXPECT_EQ(sf::Color::Black, image.getPixel(50, 50));

    hidden->setVisible(true);
    image = drawn(root, 3);
    EXPECT_EQ(sf::Color::White, image.getPixel(50, 50));
    EXPECT_EQ(sf::Color::White, image.getPixel(175, 175));
}

TEST_F(RenderTreeDrawing, ShapeCreatedAfterATextCoversIt)
{
    RenderGroup root("root");
    auto text = root.createText("label");
    text->getAsText()->setFont(font);
    text->getAsText()->setString("MMM");
    text->getAsText()->setCharacterSize(80);
    text->setPositionWithAlignment({100.f, 100.f}, Alignment::Left);
    const sf::FloatRect area = text->getAsText()->getGlobalBounds();

    auto countLit = [&area](const sf::Image& image)
    {
        int lit = 0;
        for (auto x = unsigned(area.left); x < unsigned(area.left + area.width); ++x)
            for (auto y = unsigned(area.top); y < unsigned(area.top + area.height); ++y)
                lit += image.getPixel(x, y) == sf::Color::White ? 1 : 0;
        return lit;
    };
    EXPECT_GT(countLit(drawn(root, 1)), 100);

    auto cover = root.createSpriteShape("cover", {area.width + 20.f, area.height + 20.f});
    cover->setColor(sf::Color::Red);
    cover->setPositionWithAlignment({area.left - 10.f, area.top - 10.f}, Alignment::Left);
    EXPECT_EQ(0, countLit(drawn(root, 2)));
}
