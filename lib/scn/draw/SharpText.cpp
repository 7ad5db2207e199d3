#include "lib/scn/draw/SharpText.hpp"

#include "lib/scn/draw/DrawBatch.hpp"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/View.hpp>

#include <algorithm>
#include <cmath>

namespace lib::scn::draw
{

namespace
{

// Past this many pixels glyphs gain nothing but texture memory.
constexpr float LargestSize = 1024.f;

} // namespace

const sf::Text& SharpText::follow(const sf::Text& text, const sf::RenderTarget& target,
                                  sf::RenderStates& states)
{
    const unsigned int size = text.getCharacterSize();
    const sf::View& view = target.getView();
    const sf::FloatRect viewport = view.getViewport();
    const sf::Vector2f pixels(static_cast<float>(target.getSize().x) * viewport.width,
                              static_cast<float>(target.getSize().y) * viewport.height);
    const sf::Vector2f perUnit(pixels.x / view.getSize().x, pixels.y / view.getSize().y);
    sf::Transform transform = states.transform * text.getTransform();
    // The text's height runs along its own y axis: that axis's length on screen.
    const float* m = transform.getMatrix();
    const float along = std::hypot(m[4] * perUnit.x, m[5] * perUnit.y);
    const float onScreen = static_cast<float>(size) * along;
    if (size == 0 || text.getFont() == nullptr || !(onScreen > 0.f))
        return text;
    const float sharpSize = std::clamp(std::round(onScreen), 1.f, LargestSize);
    const float factor = static_cast<float>(size) / sharpSize;
    transform.scale(factor, factor);

    // SFML lays glyphs out on whole units of their size from the text's origin: that origin on
    // a whole pixel keeps every glyph's texels on pixels.
    const sf::Vector2f origin = transform.transformPoint(0.f, 0.f);
    const sf::Vector2f corner = view.getCenter() - view.getSize() * 0.5f;
    const sf::Vector2f at((origin.x - corner.x) * perUnit.x, (origin.y - corner.y) * perUnit.y);
    const sf::Vector2f snap((std::round(at.x) - at.x) / perUnit.x,
                            (std::round(at.y) - at.y) / perUnit.y);
    states.transform = sf::Transform().translate(snap) * transform;

    m_copy.setFont(*text.getFont());
    m_copy.setString(text.getString());
    m_copy.setCharacterSize(static_cast<unsigned int>(sharpSize));
    m_copy.setStyle(text.getStyle());
    m_copy.setLetterSpacing(text.getLetterSpacing());
    m_copy.setLineSpacing(text.getLineSpacing());
    m_copy.setFillColor(text.getFillColor());
    m_copy.setOutlineColor(text.getOutlineColor());
    m_copy.setOutlineThickness(text.getOutlineThickness() / factor);
    return m_copy;
}

void SharpText::draw(DrawBatch& batch, const sf::RenderTarget& target, const sf::Text& text,
                     sf::RenderStates states)
{
    if (text.getFont() == nullptr)
        return;
    const sf::Text& shown = follow(text, target, states);
    batch.draw(shown, states, m_geometry);
}

} // namespace lib::scn::draw
