#include "bexil/bmenu/LookPreview.hpp"

#include "bexil/LevelProperties.hpp"
#include "bexil/Player.hpp"
#include "bexil/Tile.hpp"
#include "bexil/look/ILook.hpp"
#include "bexil/look/LookList.hpp"
#include "lib/scn/draw/Renderizable.hpp"

#include <array>
#include <memory>

namespace bexil::bmenu
{

namespace
{

constexpr float GapShare = 0.12f; // of a cell
// The board cells the preview's cells stand for, and the colour of the token on each (the player
// on the last, in the centre square).
const std::array<sf::Vector2u, 3> Cells{{{5, 5}, {6, 5}, {7, 5}}};
constexpr std::array<std::int32_t, 2> TokenColours{{0, 2}};

} // namespace

LookPreview::LookPreview(const lib::scn::ResourceManager& resources, const sf::Vector2f& cellSize)
    : RenderGroup("lookPreview")
    , m_resources(resources)
    , m_cellSize(cellSize)
{
}

LookPreview::~LookPreview() = default;

sf::Vector2f LookPreview::size() const
{
    const float cells = static_cast<float>(Cells.size());
    return {m_cellSize.x * (cells + GapShare * (cells - 1.f)), m_cellSize.y};
}

void LookPreview::show(int look)
{
    m_shown = look;
    removeAllChildren();
    const std::unique_ptr<look::ILook> drawing = look::LookList::make(look, m_resources);
    // The first level's colours draw nothing at random; the seed only keeps the game's own
    // random sources out of it.
    LevelProperties level(0);
    for (std::size_t i = 0; i < Cells.size(); ++i)
    {
        const sf::Vector2f corner(static_cast<float>(i) * m_cellSize.x * (1.f + GapShare), 0.f);
        const bool centre = i + 1 == Cells.size();
        const std::shared_ptr<lib::scn::draw::Renderizable> cell =
            createSpriteShape("previewCell", m_cellSize);
        cell->setPositionWithAlignment(corner, lib::scn::draw::Alignment::Left);
        drawing->decorateCell(*this, {corner, m_cellSize});
        drawing->dressCell(*cell, level.getBackgroundTileColor(Cells[i].x, Cells[i].y, centre),
                           centre);
        if (centre)
        {
            const auto player = std::make_shared<Player>(Cells[i], m_cellSize);
            drawing->dress(*player);
            player->currentDirection = Direction::Left;
            player->placeInCell(corner);
            addRenderizable(player);
        }
        else
        {
            const auto token = std::make_shared<Tile>(TokenColours[i], m_cellSize);
            drawing->dress(*token);
            token->setPositionWithAlignment(corner, lib::scn::draw::Alignment::Left);
            addRenderizable(token);
        }
    }
}

} // namespace bexil::bmenu
