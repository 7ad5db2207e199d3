#include "lib/scn/draw/TextGeometry.hpp"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Glyph.hpp>
#include <SFML/Graphics/Text.hpp>

namespace lib::scn::draw
{

namespace
{

// SFML's slant for italic glyphs, 12 degrees.
constexpr float ItalicShear = 0.209f;

// One glyph's quad with the arithmetic of sf::Text, so that both put the same pixels on screen:
// a pixel of padding round the glyph's box and texture rectangle, an outlined glyph moved back
// by its thickness.
void addGlyphQuad(std::vector<sf::Vertex>& vertices, sf::Vector2f pen, const sf::Color& colour,
                  const sf::Glyph& glyph, float shear, float outlineThickness)
{
    const float padding = 1.f;
    const float left = glyph.bounds.left - padding;
    const float top = glyph.bounds.top - padding;
    const float right = glyph.bounds.left + glyph.bounds.width + padding;
    const float bottom = glyph.bounds.top + glyph.bounds.height + padding;

    const float u1 = static_cast<float>(glyph.textureRect.left) - padding;
    const float v1 = static_cast<float>(glyph.textureRect.top) - padding;
    const float u2 = static_cast<float>(glyph.textureRect.left + glyph.textureRect.width) + padding;
    const float v2 = static_cast<float>(glyph.textureRect.top + glyph.textureRect.height) + padding;

    const sf::Vertex topLeft(
        {pen.x + left - shear * top - outlineThickness, pen.y + top - outlineThickness}, colour,
        {u1, v1});
    const sf::Vertex topRight(
        {pen.x + right - shear * top - outlineThickness, pen.y + top - outlineThickness}, colour,
        {u2, v1});
    const sf::Vertex bottomLeft(
        {pen.x + left - shear * bottom - outlineThickness, pen.y + bottom - outlineThickness},
        colour, {u1, v2});
    const sf::Vertex bottomRight(
        {pen.x + right - shear * bottom - outlineThickness, pen.y + bottom - outlineThickness},
        colour, {u2, v2});
    for (const sf::Vertex* vertex :
         {&topLeft, &topRight, &bottomLeft, &bottomLeft, &topRight, &bottomRight})
        vertices.push_back(*vertex);
}

} // namespace

bool TextGeometry::canLayOut(const sf::Text& text)
{
    return (text.getStyle() & (sf::Text::Underlined | sf::Text::StrikeThrough)) == 0;
}

const std::vector<sf::Vertex>& TextGeometry::of(const sf::Text& text)
{
    if (shapeChanged(text))
        layOut(text);
    else if (text.getFillColor() != m_fill || text.getOutlineColor() != m_outline)
        recolour(text.getFillColor(), text.getOutlineColor());
    return m_vertices;
}

bool TextGeometry::shapeChanged(const sf::Text& text) const
{
    return text.getFont() != m_font || text.getCharacterSize() != m_characterSize ||
           text.getStyle() != m_style || text.getOutlineThickness() != m_outlineThickness ||
           text.getLetterSpacing() != m_letterSpacing || text.getLineSpacing() != m_lineSpacing ||
           text.getString() != m_string;
}

void TextGeometry::layOut(const sf::Text& text)
{
    m_font = text.getFont();
    m_string = text.getString();
    m_characterSize = text.getCharacterSize();
    m_style = text.getStyle();
    m_outlineThickness = text.getOutlineThickness();
    m_letterSpacing = text.getLetterSpacing();
    m_lineSpacing = text.getLineSpacing();
    m_fill = text.getFillColor();
    m_outline = text.getOutlineColor();
    m_vertices.clear();
    m_outlineVertices = 0;
    if (m_font == nullptr || m_string.isEmpty())
        return;

    const bool bold = (m_style & sf::Text::Bold) != 0;
    const float shear = (m_style & sf::Text::Italic) != 0 ? ItalicShear : 0.f;
    const sf::Font& font = *m_font;
    float whitespace = font.getGlyph(U' ', m_characterSize, bold).advance;
    const float letterSpacing = (whitespace / 3.f) * (m_letterSpacing - 1.f);
    whitespace += letterSpacing;
    const float lineSpacing = font.getLineSpacing(m_characterSize) * m_lineSpacing;

    // Two passes over the string, as SFML keeps two arrays: every outline quad lies under every
    // fill quad of the text.
    for (const bool outlinePass : {true, false})
    {
        if (outlinePass && m_outlineThickness == 0.f)
            continue;
        const float thickness = outlinePass ? m_outlineThickness : 0.f;
        const sf::Color& colour = outlinePass ? m_outline : m_fill;
        sf::Vector2f pen(0.f, static_cast<float>(m_characterSize));
        sf::Uint32 previous = 0;
        for (const sf::Uint32 character : m_string)
        {
            if (character == U'\r')
                continue;
            pen.x += font.getKerning(previous, character, m_characterSize);
            previous = character;
            switch (character)
            {
            case U' ':
                pen.x += whitespace;
                continue;
            case U'\t':
                pen.x += whitespace * 4.f;
                continue;
            case U'\n':
                pen = {0.f, pen.y + lineSpacing};
                continue;
            default:
                break;
            }
            const sf::Glyph& glyph = font.getGlyph(character, m_characterSize, bold, thickness);
            addGlyphQuad(m_vertices, pen, colour, glyph, shear, thickness);
            // The pen moves by the plain glyph's advance in both passes.
            pen.x +=
                (outlinePass ? font.getGlyph(character, m_characterSize, bold) : glyph).advance +
                letterSpacing;
        }
        if (outlinePass)
            m_outlineVertices = m_vertices.size();
    }
}

void TextGeometry::recolour(const sf::Color& fill, const sf::Color& outline)
{
    m_fill = fill;
    m_outline = outline;
    for (std::size_t i = 0; i < m_vertices.size(); ++i)
        m_vertices[i].color = i < m_outlineVertices ? outline : fill;
}

} // namespace lib::scn::draw
