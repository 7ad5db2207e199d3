#include "bexil/look/GameLook.hpp"

#include "bexil/GameBaseTile.hpp"
#include "bexil/look/EffectsLayer.hpp"
#include "bexil/look/LaneWarnings.hpp"
#include "bexil/rules/GameData.hpp"
#include "bexil/rules/Lane.hpp"
#include "lib/board/BoardModel.hpp"
#include "lib/scn/draw/RenderGroup.hpp"

#include <algorithm>

namespace bexil::look
{

namespace
{

sf::FloatRect cellRect(const rules::GameData& data, const sf::Vector2u& cell)
{
    return {data.board2Scene(cell), data.tileSize()};
}

} // namespace

GameLook::GameLook(const sf::Texture* atlas, const sf::Font& font)
    : m_atlas(atlas)
    , m_skin(Look::Classic, nullptr)
{
    if (atlas == nullptr)
        return;
    m_effects = std::make_shared<EffectsLayer>(*atlas, font);
    m_laneWarnings = std::make_shared<LaneWarnings>(*atlas);
}

GameLook::~GameLook() = default;

void GameLook::begin(Look look, lib::scn::draw::RenderGroup& scene,
                     lib::scn::draw::RenderGroup& board,
                     const std::shared_ptr<lib::scn::draw::RenderGroup>& overBoard,
                     const lib::scn::draw::RenderGroup& leftTexts,
                     const lib::scn::draw::RenderGroup& rightTexts, sf::Vector2u windowSize)
{
    // The window's width to height over the view's, which is square.
    const float aspect = static_cast<float>(windowSize.x) / static_cast<float>(windowSize.y);
    m_skin = PieceSkin(look, m_atlas, aspect);
    if (!isModern())
        return;
    m_effects->clear();
    m_effects->setPanelGroups(&leftTexts, &rightTexts);
    scene.addRenderGroup(m_effects, overBoard);
    m_laneWarnings->clear();
    board.addRenderGroup(m_laneWarnings);
}

void GameLook::end(lib::scn::draw::RenderGroup& scene)
{
    // The board's children, the lane warnings among them, go with the game.
    if (m_effects)
        scene.removeRenderizable(m_effects);
}

sf::Color GameLook::labelColour() const
{
    return isModern() ? sf::Color(130, 150, 255) : sf::Color::Blue;
}

void GameLook::tokenConsumed(const rules::GameData& data, const sf::Vector2u& cell,
                             std::int32_t colour, std::uint32_t points, std::uint32_t inARow)
{
    if (!isModern())
        return;
    m_effects->burst(cellRect(data, cell), GameBaseTile::colorOf(colour), points);
    if (inARow >= 3)
        m_effects->combo(cellRect(data, cell), inARow);
}

void GameLook::piecesSwapped(const rules::GameData& data, const sf::Vector2u& player,
                             const sf::Vector2u& token)
{
    if (!isModern())
        return;
    m_effects->flash(cellRect(data, player));
    m_effects->flash(cellRect(data, token));
}

void GameLook::levelBegan(std::uint32_t levelShown)
{
    if (isModern())
        m_effects->banner(levelShown);
}

void GameLook::paused(bool paused)
{
    if (isModern())
        m_effects->setPaused(paused);
}

void GameLook::gameOver(std::uint32_t score, std::uint32_t levelShown)
{
    if (isModern())
        m_effects->showGameOver(score, levelShown);
}

void GameLook::lanesChanged(const rules::GameData& data, const lib::board::BoardModel& board)
{
    if (!isModern())
        return;
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
            m_laneWarnings->warn(lane, area, rules::Lane(data, board, side, i).warns());
        }
}

} // namespace bexil::look
