#include "bexil/look/ClassicLook.hpp"

#include "bexil/Player.hpp"
#include "bexil/Tile.hpp"
#include "bexil/rules/GameData.hpp"
#include "lib/scn/draw/NodeShape.hpp"
#include "lib/scn/draw/RenderGroup.hpp"
#include "lib/scn/draw/Renderizable.hpp"
#include "lib/scn/draw/anim/AnimationCreation.hpp"

#include <cassert>

namespace bexil::look
{

namespace
{

using lib::scn::draw::Alignment;

const sf::Vector2f CellDotSize(10.f, 10.f);
const sf::Vector2f ScoreDotSize(15.f, 15.f);
// Just under the score's digits.
const sf::Vector2f ScoreDotTarget(450.f, 100.f);

} // namespace

void ClassicLook::begin(const Nodes& nodes)
{
    m_scene = &nodes.scene;
}

void ClassicLook::end()
{
    // Dots still in flight stay in the scene and go when they land.
    m_scene = nullptr;
}

void ClassicLook::dress(Tile& token) const
{
    token.shape().setFillColor(token.getColor());
}

void ClassicLook::dress(Player& player) const
{
    player.shape().setFillColor(player.getColor());
}

void ClassicLook::dressCell(lib::scn::draw::Renderizable& cell, const sf::Color& levelColour,
                            bool) const
{
    cell.setColor(levelColour);
}

void ClassicLook::decorateCell(lib::scn::draw::RenderGroup& cells, const sf::FloatRect& cell) const
{
    const std::shared_ptr<lib::scn::draw::Renderizable> dot =
        cells.createShape("backgroundTilePoint", CellDotSize);
    dot->setPositionWithAlignment({cell.left + cell.width * 0.5f, cell.top + cell.height * 0.5f},
                                  Alignment::Center);
}

sf::Color ClassicLook::labelColour() const
{
    return sf::Color::Blue;
}

void ClassicLook::tokenConsumed(const rules::GameData& data, const sf::Vector2u& cell, std::int32_t,
                                std::uint32_t, std::uint32_t)
{
    assert(m_scene != nullptr);
    const sf::Vector2f from = data.board2Scene(cell);
    const std::shared_ptr<lib::scn::draw::Renderizable> dot =
        m_scene->createShape(ScoreDotName, ScoreDotSize);
    dot->setPositionWithAlignment(from, Alignment::Left);
    m_scene->addAnimation(lib::scn::draw::anim::createPositionAnimation(from, ScoreDotTarget, dot));
}

} // namespace bexil::look
