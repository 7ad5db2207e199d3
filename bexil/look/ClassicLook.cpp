#include "bexil/look/ClassicLook.hpp"

#include "bexil/Player.hpp"
#include "bexil/Tile.hpp"
#include "bexil/rules/GameData.hpp"
#include "lib/scn/draw/NodeShape.hpp"
#include "lib/scn/draw/RenderGroup.hpp"
#include "lib/scn/draw/Renderizable.hpp"
#include "lib/scn/draw/anim/AnimationCreation.hpp"

#include <SFML/Graphics/Text.hpp>

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
constexpr unsigned int TextSize = 90;
const sf::Vector2f LeftTexts(50.f, 50.f);
const sf::Vector2f RightTexts(1250.f, 50.f);
constexpr float SecondLineY = 200.f;

// A label and its value on one line, the value right after the label.
void line(lib::scn::draw::Renderizable& label, lib::scn::draw::Renderizable& value, float y,
          const sf::Vector2f& scale)
{
    for (lib::scn::draw::Renderizable* text : {&label, &value})
    {
        text->getAsText()->setCharacterSize(TextSize);
        text->getAsText()->setScale(scale);
        text->setColor(text == &label ? sf::Color::Blue : sf::Color::White);
    }
    label.setPositionWithAlignment({0.f, y}, Alignment::Left);
    value.setPositionWithAlignment({label.getLocalBounds().width, y}, Alignment::Left);
}

} // namespace

lib::scn::Scene::ViewFit ClassicLook::viewFit() const
{
    return lib::scn::Scene::ViewFit::Stretch;
}

sf::FloatRect ClassicLook::arrange(const Hud& hud, const sf::FloatRect& visible)
{
    const sf::Vector2f tall(1.f, 2.f), plain(1.f, 1.f);
    hud.left.setPosition(LeftTexts);
    line(hud.scoreLabel, hud.score, 0.f, tall);
    line(hud.levelLabel, hud.level, SecondLineY, plain);
    hud.right.setPosition(RightTexts);
    line(hud.progressLabel, hud.progress, 0.f, tall);
    line(hud.goalLabel, hud.goal, SecondLineY, tall);
    // The board fills the view.
    return visible;
}

int ClassicLook::scoreDigits() const
{
    return 5;
}

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
