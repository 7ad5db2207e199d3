#include "lib/scn/draw/NodeShape.hpp"

#include "lib/scn/draw/DrawBatch.hpp"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <cassert>
#include <cmath>

namespace lib::scn::draw
{

namespace
{

constexpr double Pi = 3.141592653589793;
constexpr double HalfPi = 1.5707963267948966;

// The unit normal of the segment a->b; (0, 0) for a segment of no length.
sf::Vector2f unitNormal(const sf::Vector2f& a, const sf::Vector2f& b)
{
    sf::Vector2f normal(a.y - b.y, b.x - a.x);
    const double length =
        std::sqrt(double(normal.x) * double(normal.x) + double(normal.y) * double(normal.y));
    if (length != 0.0)
        normal /= static_cast<float>(length);
    return normal;
}

float dot(const sf::Vector2f& a, const sf::Vector2f& b)
{
    return a.x * b.x + a.y * b.y;
}

} // namespace

NodeShape::NodeShape(const sf::Vector2f& size, unsigned int pointCount, NodeShapeType type)
    : m_type(type)
    , m_size(size)
    , m_pointCount(pointCount)
    , m_vertices(sf::TrianglesFan)
    , m_outlineVertices(sf::TrianglesStrip)
{
    update();
}

sf::Vector2f NodeShape::getPoint(unsigned int index) const
{
    if (m_type == NodeShapeType::Rectangle)
    {
        switch (index)
        {
        case 1:
            return {m_size.x, 0.f};
        case 2:
            return {m_size.x, m_size.y};
        case 3:
            return {0.f, m_size.y};
        default:
            return {0.f, 0.f};
        }
    }
    assert(m_pointCount > 0);
    const double rx = static_cast<double>(m_size.x) * 0.5;
    const double ry = static_cast<double>(m_size.y) * 0.5;
    const double angle = index * 2.0 * Pi / m_pointCount - HalfPi;
    return {static_cast<float>(rx + std::cos(angle) * rx),
            static_cast<float>(ry + std::sin(angle) * ry)};
}

void NodeShape::update()
{
    const unsigned int count = m_pointCount;
    if (count < 3)
    {
        m_vertices.resize(0);
        m_outlineVertices.resize(0);
        return;
    }

    m_vertices.resize(count + 2);
    for (unsigned int i = 0; i < count; ++i)
        m_vertices[i + 1].position = getPoint(i);
    m_vertices[count + 1].position = m_vertices[1].position;

    // The centre starts on a point so that it cannot stretch the bounds.
    m_vertices[0] = m_vertices[1];
    m_insideBounds = m_vertices.getBounds();
    m_vertices[0].position = {m_insideBounds.left + m_insideBounds.width / 2.f,
                              m_insideBounds.top + m_insideBounds.height / 2.f};

    updateFillColors();
    updateTexCoords();
    updateOutline();
}

void NodeShape::setSize(const sf::Vector2f& size)
{
    m_size = size;
    update();
}

void NodeShape::setPointCount(unsigned int count)
{
    m_pointCount = count;
    update();
}

void NodeShape::setFillColor(const sf::Color& color)
{
    m_fillColor = color;
    updateFillColors();
}

void NodeShape::setOutlineColor(const sf::Color& color)
{
    m_outlineColor = color;
    for (std::size_t i = 0; i < m_outlineVertices.getVertexCount(); ++i)
        m_outlineVertices[i].color = m_outlineColor;
}

void NodeShape::setOutlineThickness(float thickness)
{
    m_outlineThickness = thickness;
    updateOutline();
}

void NodeShape::setTexture(const sf::Texture* texture, bool resetRect)
{
    if (texture != nullptr &&
        (resetRect || (m_texture == nullptr && m_textureRect == sf::IntRect())))
    {
        const sf::Vector2u size = texture->getSize();
        m_textureRect = sf::IntRect(0, 0, static_cast<int>(size.x), static_cast<int>(size.y));
        updateTexCoords();
    }
    m_texture = texture;
}

void NodeShape::setTextureRect(const sf::IntRect& rect)
{
    m_textureRect = rect;
    updateTexCoords();
}

void NodeShape::updateFillColors()
{
    for (std::size_t i = 0; i < m_vertices.getVertexCount(); ++i)
        m_vertices[i].color = m_fillColor;
}

void NodeShape::updateTexCoords()
{
    const sf::FloatRect& inside = m_insideBounds;
    for (std::size_t i = 0; i < m_vertices.getVertexCount(); ++i)
    {
        const sf::Vector2f& position = m_vertices[i].position;
        const float rx = inside.width > 0.f ? (position.x - inside.left) / inside.width : 0.f;
        const float ry = inside.height > 0.f ? (position.y - inside.top) / inside.height : 0.f;
        const sf::FloatRect texture(m_textureRect);
        m_vertices[i].texCoords = {texture.left + texture.width * rx,
                                   texture.top + texture.height * ry};
    }
}

void NodeShape::updateOutline()
{
    // An empty fill (fewer than three points) has no outline either.
    if (m_vertices.getVertexCount() < 5)
    {
        m_outlineVertices.resize(0);
        return;
    }
    const std::size_t count = m_vertices.getVertexCount() - 2;
    m_outlineVertices.resize(2 * count + 2);

    const sf::Vector2f centre = m_vertices[0].position;
    for (std::size_t i = 0; i < count; ++i)
    {
        const sf::Vector2f p0 = (i == 0) ? m_vertices[count].position : m_vertices[i].position;
        const sf::Vector2f p1 = m_vertices[i + 1].position;
        const sf::Vector2f p2 = m_vertices[i + 2].position;

        sf::Vector2f normalA = unitNormal(p0, p1);
        sf::Vector2f normalB = unitNormal(p1, p2);
        if (dot(normalA, centre - p1) > 0.f)
            normalA = -normalA;
        if (dot(normalB, centre - p1) > 0.f)
            normalB = -normalB;

        // Where the two edges fold back onto each other (a flat shape) the mitre has no
        // length: extrude along the first edge's normal instead of dividing by zero.
        const float factor = 1.f + dot(normalA, normalB);
        const sf::Vector2f direction = factor != 0.f ? (normalA + normalB) / factor : normalA;

        m_outlineVertices[2 * i].position = p1;
        m_outlineVertices[2 * i + 1].position = p1 + direction * m_outlineThickness;
    }
    m_outlineVertices[2 * count].position = m_outlineVertices[0].position;
    m_outlineVertices[2 * count + 1].position = m_outlineVertices[1].position;

    for (std::size_t i = 0; i < m_outlineVertices.getVertexCount(); ++i)
        m_outlineVertices[i].color = m_outlineColor;

    m_bounds = m_outlineVertices.getBounds();
}

template <class Target>
void NodeShape::drawOn(Target& target, sf::RenderStates states) const
{
    states.transform *= getTransform();
    states.texture = m_texture;
    target.draw(m_vertices, states);
    if (hasOutlinePass())
    {
        states.texture = nullptr;
        target.draw(m_outlineVertices, states);
    }
}

void NodeShape::drawInto(DrawBatch& batch, sf::RenderStates states) const
{
    drawOn(batch, states);
}

void NodeShape::draw(sf::RenderTarget& target, sf::RenderStates states) const
{
    drawOn(target, states);
}

} // namespace lib::scn::draw
