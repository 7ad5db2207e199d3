#pragma once

#include "bexil/look/Look.hpp"

#include <SFML/Graphics/Color.hpp>

namespace sf
{
class Texture;
}

namespace lib::scn::draw
{
class Renderizable;
}

namespace bexil
{
class Player;
class Tile;
} // namespace bexil

namespace bexil::look
{

// How a look dresses the pieces and the cells, on the nodes the game scene makes anyway. The
// classic look keeps today's flat shapes; the modern looks texture the same shapes from the
// atlas (glossy tokens, the arrow, bevelled cells toned down), and the colour-blind look takes
// the frames that carry each colour's mark. The atlas is borrowed: it must outlive every node
// dressed with it. Dressing touches only colours, texture and point count, never a position.
class PieceSkin
{
public:
    // The aspect is the window's width to height over the view's: the modern looks keep the
    // player's arrow in shape on screen when it faces sideways.
    PieceSkin(Look look, const sf::Texture* atlas, float aspect = 1.f);

    Look look() const { return m_look; }
    bool isModern() const { return m_look != Look::Classic; }

    // On creation and after each change of colour.
    void dress(Tile& token) const;
    void dress(Player& player) const;
    // A background cell in the level's colour. (The modern looks have no centre dots.)
    void dressCell(lib::scn::draw::Renderizable& cell, const sf::Color& levelColour) const;

    // The modern cell colour of a level colour: desaturated and taken most of the way toward
    // the title screen's night blue, so that every token colour stands out on it.
    static sf::Color toneDown(const sf::Color& colour);

private:
    Look m_look;
    const sf::Texture* m_atlas;
    float m_aspect;
};

} // namespace bexil::look
