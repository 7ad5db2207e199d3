#pragma once

#include "lib/scn/draw/TextGeometry.hpp"

#include <SFML/Graphics/RenderStates.hpp>
#include <SFML/Graphics/Text.hpp>

namespace sf
{
class RenderTarget;
}

namespace lib::scn::draw
{

class DrawBatch;

// Draws a text at the size it has on screen. SFML renders a text's glyphs at its character size
// in units; a view that maps a unit to more or fewer than a pixel then enlarges or shrinks
// those glyphs, and they blur. This keeps a copy of the text at the character size that its
// height takes in pixels, drawn scaled back to the text's own size with its first glyph on a
// whole pixel, so that a text is as sharp in a 4K window as at its own size. The copy follows
// the text each time it is drawn and lays its glyphs out again only when something of it
// changed, so a steady frame costs a comparison of the string.
class SharpText
{
public:
    // The copy to draw in place of the text on that target with those states, which become
    // the copy's (the text's own transform is in them then); the text itself, and the states
    // unchanged, when it has no size on screen.
    const sf::Text& follow(const sf::Text& text, const sf::RenderTarget& target,
                           sf::RenderStates& states);
    // The text as it looks on the target, through the batch that draws into it.
    void draw(DrawBatch& batch, const sf::RenderTarget& target, const sf::Text& text,
              sf::RenderStates states);

private:
    sf::Text m_copy;
    TextGeometry m_geometry; // the copy's glyphs as the batch last drew them
};

} // namespace lib::scn::draw
