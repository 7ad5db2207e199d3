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

TEST(NodeShape, NewFillVerticesTakeTheFillColourAndTheirShareOfTheTextureRectangle)
{
    // Built without points, so that the rebuild makes every vertex anew.
    NodeShape shape({100.f, 50.f}, 0, NodeShapeType::Rectangle);
    shape.setFillColor(sf::Color(10, 20, 30, 40));
    shape.setTextureRect({10, 20, 64, 32});
    shape.setPointCount(4);
    const sf::VertexArray& fill = shape.fillVertices();
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
    // Each point, then the point pushed out along both its edges' normals (a mitre).
    const Points strip = {{0, 0},    {-5, -5}, {100, 0}, {105, -5}, {100, 50},
                          {105, 55}, {0, 50},  {-5, 55}, {0, 0},    {-5, -5}};
    EXPECT_EQ(strip, each(shape.outlineVertices(), &sf::Vertex::position));
    EXPECT_EQ(sf::FloatRect(-5.f, -5.f, 110.f, 60.f), shape.getLocalBounds());
    EXPECT_EQ(std::vector<sf::Color>(10, sf::Color::Green),
              each(shape.outlineVertices(), &sf::Vertex::color));

    // A flat ellipse folds back on itself at the ends, where a plain mitre divides by zero.
    NodeShape flat({100.f, 0.f}, 4, NodeShapeType::Ellipse);
    flat.setOutlineThickness(2.f);
    for (const sf::Vector2f& point : each(flat.outlineVertices(), &sf::Vertex::position))
        EXPECT_TRUE(std::isfinite(point.x) && std::isfinite(point.y));
}
