#include "lib/scn/draw/NodeShape.hpp"

#include "support/Printers.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using lib::scn::draw::NodeShape;
using lib::scn::draw::NodeShapeType;
using Points = std::vector<sf::Vector2f>;

namespace
{

// One field of every vertex, in order.
template <typename T>
std::vector<T> each(const sf::VertexArray& vertices, T sf::Vertex::*field)
{
    std::vector<T> values;
    for (std::size_t i = 0; i < vertices.getVertexCount(); ++i)
        values.push_back(vertices[i].*field);
    return values;
}

} // namespace

TEST(NodeShape, AFanIsTheBoundsCentreThenThePointsClockwiseFromTheTopThenTheFirstAgain)
{
    const NodeShape box({100.f, 50.f}, 4, NodeShapeType::Rectangle);
    EXPECT_EQ((Points{{50, 25}, {0, 0}, {100, 0}, {100, 50}, {0, 50}, {0, 0}}),
              each(box.fillVertices(), &sf::Vertex::position));
    const NodeShape diamond({100.f, 50.f}, 4, NodeShapeType::Ellipse);
    EXPECT_EQ((Points{{50, 25}, {50, 0}, {100, 25}, {50, 50}, {0, 25}, {50, 0}}),
              each(diamond.fillVertices(), &sf::Vertex::position));
    // A triangle's points reach y 0 to 67.5 and x 8 to 112: the mean of the points (60, 45), or
    // bounds stretched to a centre left at (0, 0), would be elsewhere.
    const sf::Vector2f centre =
        NodeShape({120.f, 90.f}, 3, NodeShapeType::Ellipse).fillVertices()[0].position;
    EXPECT_NEAR(60.f, centre.x, 1e-3f);
    EXPECT_NEAR(33.75f, centre.y, 1e-3f);
}

TEST(NodeShape, FillVerticesTakeTheFillColourAndTheirShareOfTheTextureRectangleThroughRebuilds)
{
    NodeShape shape({80.f, 20.f}, 4, NodeShapeType::Rectangle);
    shape.setFillColor(sf::Color(10, 20, 30, 40));
    shape.setTextureRect({10, 20, 64, 32});
    shape.setSize({100.f, 50.f});
    const sf::VertexArray& fill = shape.fillVertices();
    EXPECT_EQ(sf::Vector2f(100.f, 50.f), fill[3].position);
    EXPECT_EQ((Points{{42, 36}, {10, 20}, {74, 20}, {74, 52}, {10, 52}, {10, 20}}),
              each(fill, &sf::Vertex::texCoords));
    EXPECT_EQ(std::vector<sf::Color>(6, sf::Color(10, 20, 30, 40)), each(fill, &sf::Vertex::color));
}

TEST(NodeShape, AnOutlineIsAClosedStripPushedOutByItsThicknessAndStaysFiniteOnAFlatShape)
{
    NodeShape shape({100.f, 50.f}, 4, NodeShapeType::Rectangle);
    EXPECT_EQ(shape.insideBounds(), shape.getLocalBounds()) << "without a thickness, on the points";
    shape.setOutlineColor(sf::Color::Green);
    shape.setOutlineThickness(5.f);
    const sf::VertexArray& outline = shape.outlineVertices();
    EXPECT_EQ(sf::FloatRect(-5.f, -5.f, 110.f, 60.f), shape.getLocalBounds()) << "mitred corners";
    EXPECT_EQ(std::vector<sf::Color>(10, sf::Color::Green), each(outline, &sf::Vertex::color));
    EXPECT_EQ(outline[0].position, outline[8].position);
    EXPECT_EQ(outline[1].position, outline[9].position);

    // A flat ellipse's edges fold back onto each other at the ends, where a plain mitre
    // divides by zero.
    NodeShape flat({100.f, 0.f}, 4, NodeShapeType::Ellipse);
    flat.setOutlineThickness(2.f);
    const sf::FloatRect folded = flat.getLocalBounds();
    EXPECT_TRUE(std::isfinite(folded.left + folded.width + folded.top + folded.height));
}
