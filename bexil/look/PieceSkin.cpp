#include "bexil/look/PieceSkin.hpp"

#include "bexil/Player.hpp"
#include "bexil/Tile.hpp"
#include "bexil/look/LookAtlas.hpp"
#include "lib/scn/draw/NodeShape.hpp"
#include "lib/scn/draw/Renderizable.hpp"

#include <SFML/Graphics/Rect.hpp>

namespace bexil::look
{

namespace
{

constexpr unsigned int EllipsePoints = 30;

sf::IntRect rectOf(const AtlasFrame& frame)
{
    return {frame.left, frame.top, frame.width, frame.height};
}

// Colours the atlas has frames for; a piece of any other value keeps the red frame, which
// never happens in play.
int frameColour(std::int32_t value)
{
    return value >= 0 && value < 5 ? static_cast<int>(value) : 0;
}

void texture(lib::scn::draw::NodeShape& shape, const sf::Texture* atlas, const AtlasFrame& frame)
{
    shape.setTexture(atlas);
    shape.setTextureRect(rectOf(frame));
    shape.setFillColor(sf::Color::White);
}

} // namespace

PieceSkin::PieceSkin(Look look, const sf::Texture* atlas, float aspect)
    : m_look(atlas != nullptr ? look : Look::Classic)
    , m_atlas(atlas)
    , m_aspect(aspect)
{
}

void PieceSkin::dress(Tile& token) const
{
    if (!isModern())
    {
        token.shape().setFillColor(token.getColor());
        return;
    }
    const int colour = frameColour(token.data);
    texture(token.shape(), m_atlas,
            m_look == Look::ColourBlind ? LookAtlas::markedToken(colour)
                                        : LookAtlas::token(colour));
}

void PieceSkin::dress(Player& player) const
{
    if (!isModern())
    {
        player.shape().setFillColor(player.getColor());
        return;
    }
    player.turnAspect = m_aspect;
    const int colour = frameColour(player.data);
    // The arrow keeps inside the ellipse that the tokens use, not the classic triangle.
    if (player.shape().getPointCount() != EllipsePoints)
        player.shape().setPointCount(EllipsePoints);
    texture(player.shape(), m_atlas,
            m_look == Look::ColourBlind ? LookAtlas::markedArrow(colour)
                                        : LookAtlas::arrow(colour));
}

void PieceSkin::dressCell(lib::scn::draw::Renderizable& cell, const sf::Color& levelColour) const
{
    if (!isModern())
    {
        cell.setColor(levelColour);
        return;
    }
    lib::scn::draw::NodeShape& shape = *cell.getAsNodeShape();
    if (shape.getTexture() != m_atlas)
        texture(shape, m_atlas, LookAtlas::tile());
    cell.setColor(toneDown(levelColour));
}

sf::Color PieceSkin::toneDown(const sf::Color& colour)
{
    // Chosen by measure: CIEDE2000 between each token's body and the tile's face in the toned
    // colour, over every cell colour of every level (the random ones over their whole cube),
    // is at least 12 (blue on a toned teal) where the flat drawing went down to 0.3.
    constexpr float Keep = 0.4f, Saturation = 0.6f;
    constexpr float Night[3] = {20.f, 18.f, 48.f};
    const float c[3] = {static_cast<float>(colour.r), static_cast<float>(colour.g),
                        static_cast<float>(colour.b)};
    const float grey = 0.299f * c[0] + 0.587f * c[1] + 0.114f * c[2];
    sf::Uint8 out[3];
    for (int i = 0; i < 3; ++i)
    {
        const float desaturated = grey + Saturation * (c[i] - grey);
        out[i] = static_cast<sf::Uint8>(Night[i] + Keep * (desaturated - Night[i]) + 0.5f);
    }
    return {out[0], out[1], out[2]};
}

} // namespace bexil::look
