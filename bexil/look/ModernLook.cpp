#include "bexil/look/ModernLook.hpp"

#include "bexil/GameBaseTile.hpp"
#include "bexil/Player.hpp"
#include "bexil/Tile.hpp"
#include "bexil/look/EffectsLayer.hpp"
#include "bexil/look/LaneWarnings.hpp"
#include "bexil/rules/GameData.hpp"
#include "bexil/rules/Lane.hpp"
#include "lib/board/BoardModel.hpp"
#include "lib/scn/draw/NodeShape.hpp"
#include "lib/scn/draw/RenderGroup.hpp"
#include "lib/scn/draw/Renderizable.hpp"

#include <algorithm>

namespace bexil::look
{

namespace
{

constexpr unsigned int EllipsePoints = 30;

sf::FloatRect cellRect(const rules::GameData& data, const sf::Vector2u& cell)
{
    return {data.board2Scene(cell), data.tileSize()};
}

// Colours the atlas has frames for; a piece of any other value keeps the red frame, which
// never happens in play.
int frameColour(std::int32_t value)
{
    return value >= 0 && value < 5 ? static_cast<int>(value) : 0;
}

void texture(lib::scn::draw::NodeShape& shape, const sf::Texture& atlas, const AtlasFrame& frame)
{
    shape.setTexture(&atlas);
    shape.setTextureRect({frame.left, frame.top, frame.width, frame.height});
    shape.setFillColor(sf::Color::White);
}

} // namespace

ModernLook::ModernLook(const sf::Texture& atlas, const sf::Font& font)
    : m_atlas(atlas)
    , m_effects(std::make_shared<EffectsLayer>(atlas, font))
    , m_laneWarnings(std::make_shared<LaneWarnings>(atlas))
{
}

ModernLook::~ModernLook() = default;

void ModernLook::begin(const Nodes& nodes)
{
    m_aspect = static_cast<float>(nodes.windowSize.x) / static_cast<float>(nodes.windowSize.y);
    m_effects->setPanelGroups(&nodes.leftTexts, &nodes.rightTexts);
    nodes.scene.addRenderGroup(m_effects, nodes.overBoard);
    nodes.board.addRenderGroup(m_laneWarnings);
    const sf::Rect<unsigned int> centre = nodes.data.centerRect();
    const sf::Vector2f corner = nodes.data.board2Scene({centre.left, centre.top});
    const sf::Vector2f end =
        nodes.data.board2Scene({centre.left + centre.width, centre.top + centre.height});
    m_laneWarnings->outline({corner, end - corner});
    m_scene = &nodes.scene;
}

void ModernLook::end()
{
    if (m_scene != nullptr)
        m_scene->removeRenderizable(m_effects);
    m_scene = nullptr;
}

void ModernLook::dress(Tile& token) const
{
    texture(token.shape(), m_atlas, tokenFrame(frameColour(token.data)));
}

void ModernLook::dress(Player& player) const
{
    player.turnAspect = m_aspect;
    // The arrow keeps inside the ellipse that the tokens use, not the classic triangle.
    if (player.shape().getPointCount() != EllipsePoints)
        player.shape().setPointCount(EllipsePoints);
    texture(player.shape(), m_atlas, arrowFrame(frameColour(player.data)));
}

void ModernLook::dressCell(lib::scn::draw::Renderizable& cell, const sf::Color& levelColour,
                           bool centre) const
{
    lib::scn::draw::NodeShape& shape = *cell.getAsNodeShape();
    if (shape.getTexture() != &m_atlas)
        texture(shape, m_atlas, LookAtlas::tile());
    cell.setColor(tint(levelColour, centre));
}

sf::Color ModernLook::labelColour() const
{
    // Lighter than the classic blue, on the dark panels.
    return {130, 150, 255};
}

AtlasFrame ModernLook::tokenFrame(int colour) const
{
    return LookAtlas::token(colour);
}

AtlasFrame ModernLook::arrowFrame(int colour) const
{
    return LookAtlas::arrow(colour);
}

void ModernLook::tokenConsumed(const rules::GameData& data, const sf::Vector2u& cell,
                               std::int32_t colour, std::uint32_t points, std::uint32_t inARow)
{
    m_effects->burst(cellRect(data, cell), GameBaseTile::colorOf(colour), points);
    if (inARow < 3)
        return;
    // A row's run has the cue under it. A column's has it beside the lane's cell next to the
    // centre square, toward the board's nearer side, clear of the score panels in the corners.
    const sf::Rect<unsigned int> centre = data.centerRect();
    if (cell.x < centre.left || cell.x >= centre.left + centre.width)
    {
        m_effects->combo(cellRect(data, cell), inARow, {0, 1});
        return;
    }
    const bool leftHalf = 2 * cell.x + 1 < 2 * centre.left + centre.width;
    const sf::Vector2u beside(cell.x,
                              cell.y < centre.top ? centre.top - 1 : centre.top + centre.height);
    m_effects->combo(cellRect(data, beside), inARow, {leftHalf ? -1 : 1, 0});
}

void ModernLook::launched(const rules::GameData& data, const sf::Vector2u& from,
                          const sf::Vector2u& to, std::int32_t colour, rules::Launch::End end)
{
    const sf::FloatRect a = cellRect(data, from), b = cellRect(data, to);
    const sf::Vector2f middle(a.width * 0.5f, a.height * 0.5f);
    sf::Vector2f stop(b.left + middle.x, b.top + middle.y);
    // A launch that went off the board is traced to the board's edge.
    if (end != rules::Launch::End::Swap)
    {
        const sf::Vector2f way = stop - sf::Vector2f(a.left + middle.x, a.top + middle.y);
        stop.x += way.x > 0.f ? middle.x : way.x < 0.f ? -middle.x : 0.f;
        stop.y += way.y > 0.f ? middle.y : way.y < 0.f ? -middle.y : 0.f;
    }
    const float across = from.y == to.y ? a.height : a.width;
    m_effects->tracer({a.left + middle.x, a.top + middle.y}, stop, across * 0.45f,
                      GameBaseTile::colorOf(colour), end == rules::Launch::End::Nothing);
}

void ModernLook::piecesSwapped(const rules::GameData& data, const sf::Vector2u& player,
                               const sf::Vector2u& token, std::int32_t playerColour,
                               std::int32_t tokenColour)
{
    m_effects->cross(cellRect(data, player), tokenFrame(frameColour(playerColour)),
                     cellRect(data, token), tokenFrame(frameColour(tokenColour)));
}

void ModernLook::levelBegan(std::uint32_t levelShown)
{
    m_effects->banner(levelShown);
}

void ModernLook::paused(bool paused)
{
    m_effects->setPaused(paused);
}

void ModernLook::gameOver(std::uint32_t score, std::uint32_t levelShown)
{
    m_effects->showGameOver(score, levelShown);
}

void ModernLook::lanesChanged(const rules::GameData& data, const lib::board::BoardModel& board)
{
    std::size_t lane = 0;
    for (std::uint32_t side = 0; side < 4; ++side)
        for (std::uint32_t i = 0; i < data.tokenZone(side).lanes; ++i, ++lane)
        {
            const rules::GameData::Arrival arrival = data.arrival(side, i);
            // The lane runs from the arrival cell to the cell next to the centre square.
            const sf::FloatRect a = cellRect(data, arrival.cell);
            const sf::FloatRect b = cellRect(data, arrival.lineStart);
            const float left = std::min(a.left, b.left), top = std::min(a.top, b.top);
            // A little wider than the lane, so that the glow shows beside its tokens.
            const sf::FloatRect area(left - a.width * 0.2f, top - a.height * 0.2f,
                                     std::max(a.left, b.left) + a.width * 1.4f - left,
                                     std::max(a.top, b.top) + a.height * 1.4f - top);
            m_laneWarnings->warn(lane, area, b, rules::Lane(data, board, side, i).warns());
        }
}

sf::Color ModernLook::tint(const sf::Color& levelColour, bool centre)
{
    // Chosen by measure (bexil_looks, docs/looks.md): a tenth of the level colour's lightness and
    // a little more of its hue, on a night a little deeper than the title screen's, so that every
    // token stands off every cell by more than the level's two colours stand off each other.
    constexpr float Lightness = 0.1f, Hue = 0.15f, CentreDepth = 0.65f;
    constexpr float Night[3] = {18.f, 16.f, 34.f};
    const float c[3] = {static_cast<float>(levelColour.r), static_cast<float>(levelColour.g),
                        static_cast<float>(levelColour.b)};
    const float grey = 0.299f * c[0] + 0.587f * c[1] + 0.114f * c[2];
    const float depth = centre ? CentreDepth : 1.f;
    sf::Uint8 out[3];
    for (int i = 0; i < 3; ++i)
    {
        const float v = depth * (Night[i] + Lightness * grey + Hue * (c[i] - grey));
        out[i] = static_cast<sf::Uint8>(std::clamp(v, 0.f, 255.f) + 0.5f);
    }
    return {out[0], out[1], out[2]};
}

} // namespace bexil::look
