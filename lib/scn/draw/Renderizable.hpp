#pragma once

#include "lib/core/HasName.hpp"
#include "lib/scn/draw/Alignment.hpp"
#include "lib/scn/draw/IDrawable.hpp"

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Rect.hpp>
#include <SFML/System/Vector2.hpp>

#include <cstdint>
#include <memory>
#include <string>

namespace sf
{
class Drawable;
class Text;
class Transformable;
} // namespace sf

namespace lib::scn::draw
{

class NodeShape;
class TextGeometry;

enum class RenderizableType : std::uint8_t
{
    None = 0,
    Text = 1,
    Shape = 2
};

// A leaf of the render tree. It owns exactly one SFML object (a text or a NodeShape) and has
// no transform of its own: its place, rotation and scale are those of the owned object.
class Renderizable : public lib::core::HasName, public IDrawable
{
public:
    // A leaf with nothing to draw (kind None).
    explicit Renderizable(std::string name);
    // Takes ownership of the text (kind Text).
    Renderizable(std::string name, sf::Text* text);
    // Takes ownership of the shape (kind Shape).
    Renderizable(std::string name, NodeShape* shape);
    ~Renderizable() override;

    Renderizable(const Renderizable&) = delete;
    Renderizable& operator=(const Renderizable&) = delete;

    // Hands the owned object to the window's batch.
    unsigned int draw(lib::core::Window* window, sf::RenderStates& states) override;

    RenderizableType type() const { return m_type; }
    // Valid only when type() is Text; null otherwise.
    sf::Text* getAsText() const;
    // Valid only when type() is Shape; null otherwise.
    NodeShape* getAsNodeShape() const;
    // The owned object's transform; null for kind None.
    sf::Transformable* transformable() const { return m_transformable; }

    // Text: the text's local bounds; Shape: the shape's bounds; None: (0, 0, 0, 0).
    sf::FloatRect getLocalBounds() const;
    // Text: the text colour; Shape: the fill colour of every fill vertex. None: nothing.
    void setColor(const sf::Color& color);
    // Left: the point; Center: the point minus half the size; Right: minus the whole size.
    void setPositionWithAlignment(const sf::Vector2f& point, Alignment alignment);
    // Sets x as setPositionWithAlignment does, keeping y.
    void setPositionX(float x, Alignment alignment);
    sf::Vector2f getPosition() const;

private:
    std::unique_ptr<sf::Drawable> m_object;
    // A text's glyphs as last laid out for the batch; null for other kinds.
    std::unique_ptr<TextGeometry> m_textGeometry;
    sf::Transformable* m_transformable = nullptr;
    RenderizableType m_type = RenderizableType::None;
};

} // namespace lib::scn::draw
