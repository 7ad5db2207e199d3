#pragma once

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Vertex.hpp>
#include <SFML/System/String.hpp>

#include <cstddef>
#include <vector>

namespace sf
{
class Font;
class Text;
} // namespace sf

namespace lib::scn::draw
{

// The glyph quads of one text in its local coordinates, as SFML lays them out: the outline's
// quads first, then the fill's, two triangles each, textured from the font's page for the text's
// size. Kept from frame to frame and laid out again only when the font, string, size, style,
// outline or spacing changed (a change of colour only recolours), so that a text drawn through
// the batch costs no more than SFML's own, which caches its geometry the same way.
class TextGeometry
{
public:
    // False for what only SFML can draw: underlined or struck through texts.
    static bool canLayOut(const sf::Text& text);

    // The quads of the text as it is now; empty without a font or a string.
    const std::vector<sf::Vertex>& of(const sf::Text& text);

private:
    bool shapeChanged(const sf::Text& text) const;
    void layOut(const sf::Text& text);
    void recolour(const sf::Color& fill, const sf::Color& outline);

    const sf::Font* m_font = nullptr;
    sf::String m_string;
    unsigned int m_characterSize = 0;
    sf::Uint32 m_style = 0;
    float m_outlineThickness = 0.f;
    float m_letterSpacing = 1.f;
    float m_lineSpacing = 1.f;
    sf::Color m_fill;
    sf::Color m_outline;
    std::size_t m_outlineVertices = 0; // the outline's quads come first
    std::vector<sf::Vertex> m_vertices;
};

} // namespace lib::scn::draw
