#include "lib/scn/draw/NodeShape.hpp"

#include "support/Printers.hpp"
#include "support/TestWindow.hpp"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <gtest/gtest.h>

#include <cmath>

using lib::scn::draw::NodeShape;
using lib::scn::draw::NodeShapeType;

namespace
{

void expectNear(const sf::Vector2f& expected, const sf::Vector2f& actual)
{
    EXPECT_NEAR(expected.x, actual.x, 1e-4f) << "x of " << actual.x << ", " << actual.y;
    EXPECT_NEAR(expected.y, actual.y, 1e-4f) << "y of " << actual.x << ", " << actual.y;
}

// A triangle, to check that rebuilding asks the virtual point operation.
class TriangleShape : public NodeShape
{
public:
    using NodeShape::NodeShape;
    sf::Vector2f getPoint(unsigned int i) const override
    {
        return {i == 1 ? 30.f : 0.f, static_cast<float>(i) * 30.f};
    }
};

} // namespace

TEST(NodeShapeGeometry, RectangleHasItsCornersACentreAClosingVertexAndStretchedTexture)
{
    NodeShape shape({100.f, 50.f}, 4, NodeShapeType::Rectangle);
    const sf::VertexArray& fill = shape.fillVertices();
    ASSERT_EQ(6u, fill.getVertexCount());
    EXPECT_EQ(sf::TrianglesFan, fill.getPrimitiveType());
    const sf::Vector2f corners[] = {{50, 25}, {0, 0}, {100, 0}, {100, 50}, {0, 50}, {0, 0}};
    for (std::size_t i = 0; i < 6; ++i)
        EXPECT_EQ(corners[i], fill[i].position) << "vertex " << i;
    EXPECT_EQ(sf::FloatRect(0.f, 0.f, 100.f, 50.f), shape.insideBounds());

    shape.setTextureRect({10, 20, 64, 32});
    const sf::Vector2f stretched[] = {{42, 36}, {10, 20}, {74, 20}, {74, 52}, {10, 52}};
    for (std::size_t i = 0; i < 5; ++i)
        EXPECT_EQ(stretched[i], fill[i].texCoords) << "vertex " << i;

    // The fill colour reaches every vertex and outlives a rebuild.
    shape.setFillColor(sf::Color(10, 20, 30, 40));
    shape.setSize({80.f, 20.f});
    for (std::size_t i = 0; i < 6; ++i)
        EXPECT_EQ(sf::Color(10, 20, 30, 40), fill[i].color) << "vertex " << i;
    EXPECT_EQ(sf::Vector2f(80.f, 20.f), fill[3].position);

    // Fewer than three points leave nothing to draw, even with an outline, and keep the bounds.
    shape.setPointCount(2);
    shape.setOutlineThickness(3.f);
    EXPECT_EQ(0u, fill.getVertexCount());
    EXPECT_EQ(0u, shape.outlineVertices().getVertexCount());
    EXPECT_EQ(sf::FloatRect(0.f, 0.f, 80.f, 20.f), shape.getLocalBounds());

    TriangleShape triangle({0.f, 0.f}, 3, NodeShapeType::Ellipse);
    triangle.setPointCount(3);
    EXPECT_EQ(sf::Vector2f(15.f, 30.f), triangle.fillVertices()[0].position);
}

TEST(NodeShapeGeometry, EllipseStartsAtTheTopRunsClockwiseAndMissesTheSides)
{
    NodeShape shape({100.f, 100.f}, 30, NodeShapeType::Ellipse);
    const float inset = 50.f - 50.f * static_cast<float>(std::cos(6.0 * 3.141592653589793 / 180));
    const sf::FloatRect inside = shape.insideBounds();
    EXPECT_NEAR(inset, inside.left, 1e-3f);
    EXPECT_NEAR(100.f - 2 * inset, inside.width, 1e-3f);
    // The centre comes from the bounds, not from the first point it was copied from.
    expectNear({50.f, 50.f}, shape.fillVertices()[0].position);
    // Without a thickness the outline lies on the points.
    EXPECT_EQ(shape.insideBounds(), shape.getLocalBounds());
    const sf::VertexArray& outline = shape.outlineVertices();
    ASSERT_EQ(62u, outline.getVertexCount());
    EXPECT_EQ(outline[0].position, outline[60].position);
    EXPECT_EQ(outline[1].position, outline[61].position);

    const NodeShape four({100.f, 50.f}, 4, NodeShapeType::Ellipse);
    const sf::Vector2f clockwise[] = {{50, 0}, {100, 25}, {50, 50}, {0, 25}};
    for (unsigned int i = 0; i < 4; ++i)
        expectNear(clockwise[i], four.getPoint(i));
}

TEST(NodeShapeOutline, ThicknessPushesTheOuterEdgeOutwardAndFlatShapesStayFinite)
{
    NodeShape shape({100.f, 50.f}, 4, NodeShapeType::Rectangle);
    shape.setOutlineColor(sf::Color::Green);
    shape.setOutlineThickness(5.f);
    // Mitred corners: each corner moves out by the thickness along both axes.
    const sf::FloatRect bounds = shape.getLocalBounds();
    expectNear({-5.f, -5.f}, {bounds.left, bounds.top});
    expectNear({110.f, 60.f}, {bounds.width, bounds.height});
    EXPECT_EQ(sf::FloatRect(0.f, 0.f, 100.f, 50.f), shape.insideBounds());
    EXPECT_EQ(sf::Color::Green, shape.outlineVertices()[9].color);

    // A flat ellipse's edges fold back onto each other at the ends, where a plain mitre
    // divides by zero.
    NodeShape flat({100.f, 0.f}, 4, NodeShapeType::Ellipse);
    flat.setOutlineThickness(2.f);
    const sf::FloatRect folded = flat.getLocalBounds();
    EXPECT_TRUE(std::isfinite(folded.left + folded.width + folded.top + folded.height));
}

TEST(NodeShapeDrawing, ShowsTheRectangleTheFirstTextureOrAResetSetsAndAnOutlineOnlyWithAThickness)
{
    auto controller = bexil::test::openTestWindow({});
    lib::core::Window& window = *controller->window();
    sf::Image picture;
    picture.create(2, 1, sf::Color::Red);
    picture.setPixel(1, 0, sf::Color::Blue);
    sf::Texture texture;
    ASSERT_TRUE(texture.loadFromImage(picture));

    // The first texture takes the whole picture, unless a rectangle was chosen before.
    NodeShape whole({200.f, 100.f}, 4, NodeShapeType::Rectangle);
    whole.setPosition(100.f, 100.f);
    NodeShape framed({200.f, 100.f}, 4, NodeShapeType::Rectangle);
    framed.setPosition(500.f, 100.f);
    framed.setTextureRect({1, 0, 1, 1});
    framed.setOutlineThickness(10.f);
    for (NodeShape* shape : {&whole, &framed})
    {
        shape->setOutlineColor(sf::Color::Green);
        shape->setTexture(&texture);
    }
    window.clear(sf::Color::Black);
    window.draw(whole);
    window.draw(framed);
    const sf::Image image = bexil::test::capture(window);
    EXPECT_EQ(sf::Color::Red, image.getPixel(150, 150));
    EXPECT_EQ(sf::Color::Blue, image.getPixel(250, 150));
    EXPECT_EQ(sf::Color::Black, image.getPixel(95, 150)) << "no outline without a thickness";
    EXPECT_EQ(sf::Color::Blue, image.getPixel(510, 110));
    // The outline ignores the fill's texture, which would turn the green black.
    EXPECT_EQ(sf::Color::Green, image.getPixel(495, 150));
    EXPECT_EQ(sf::Color::Green, image.getPixel(705, 205));
    EXPECT_EQ(sf::Color::Black, image.getPixel(485, 150));

    sf::Texture small;
    ASSERT_TRUE(small.create(16, 8));
    whole.setTexture(&small);
    EXPECT_EQ(sf::IntRect(0, 0, 2, 1), whole.getTextureRect()) << "a later texture keeps it";
    whole.setTexture(&small, true);
    EXPECT_EQ(sf::Vector2f(16.f, 8.f), whole.fillVertices()[3].texCoords);
    whole.setTexture(nullptr, true);
    EXPECT_EQ(sf::IntRect(0, 0, 16, 8), whole.getTextureRect()) << "no texture, nothing to take";
}
