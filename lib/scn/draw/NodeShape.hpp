#pragma once

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Drawable.hpp>
#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/Transformable.hpp>
#include <SFML/Graphics/VertexArray.hpp>
#include <SFML/System/Vector2.hpp>

#include <cstdint>

namespace sf
{
class Texture;
}

namespace lib::scn::draw
{

class DrawBatch;

enum class NodeShapeType : std::uint8_t
{
    Ellipse = 0,
    Rectangle = 1
};

// The engine's filled shape: a convex polygon whose points lie on the ellipse inscribed in a
// box (any count) or on the box's four corners, drawn as a triangle fan, optionally textured
// and outlined. The texture is borrowed: it must outlive the shape's use of it.
class NodeShape : public sf::Drawable, public sf::Transformable
{
public:
    NodeShape(const sf::Vector2f& size, unsigned int pointCount, NodeShapeType type);
    ~NodeShape() override = default;

    sf::Vector2f getPoint(unsigned int index) const;

    // Rebuilds the vertices, texture coordinates, outline and bounds from the points.
    void update();
    void setSize(const sf::Vector2f& size);
    void setPointCount(unsigned int count);
    void setFillColor(const sf::Color& color);
    void setOutlineColor(const sf::Color& color);
    void setOutlineThickness(float thickness);
    // With resetRect, or when the shape had neither texture nor rectangle, the rectangle
    // becomes the whole texture.
    void setTexture(const sf::Texture* texture, bool resetRect = false);
    void setTextureRect(const sf::IntRect& rect);
    void updateFillColors();

    NodeShapeType type() const { return m_type; }
    const sf::Vector2f& getSize() const { return m_size; }
    unsigned int getPointCount() const { return m_pointCount; }
    const sf::Texture* getTexture() const { return m_texture; }
    const sf::IntRect& getTextureRect() const { return m_textureRect; }
    const sf::Color& getFillColor() const { return m_fillColor; }
    const sf::Color& getOutlineColor() const { return m_outlineColor; }
    float getOutlineThickness() const { return m_outlineThickness; }
    const sf::VertexArray& fillVertices() const { return m_vertices; }
    const sf::VertexArray& outlineVertices() const { return m_outlineVertices; }
    // Bounds of the fill vertices.
    const sf::FloatRect& insideBounds() const { return m_insideBounds; }
    // Bounds of the outline vertices: the shape's local bounds.
    const sf::FloatRect& getLocalBounds() const { return m_bounds; }
    // The fill, then the outline if any, through the render tree's batch.
    void drawInto(DrawBatch& batch, sf::RenderStates states) const;

protected:
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

private:
    bool hasOutlinePass() const { return m_outlineThickness != 0.f; }
    // The one way both draws go: a render target or the batch.
    template <class Target>
    void drawOn(Target& target, sf::RenderStates states) const;
    void updateTexCoords();
    void updateOutline();

    NodeShapeType m_type;
    sf::Vector2f m_size;
    unsigned int m_pointCount;
    const sf::Texture* m_texture = nullptr;
    sf::IntRect m_textureRect;
    sf::Color m_fillColor = sf::Color::White;
    sf::Color m_outlineColor = sf::Color::White;
    float m_outlineThickness = 0.f;
    sf::VertexArray m_vertices;
    sf::VertexArray m_outlineVertices;
    sf::FloatRect m_insideBounds;
    sf::FloatRect m_bounds;
};

} // namespace lib::scn::draw
