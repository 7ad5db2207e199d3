#include "lib/board/BoardModel.hpp"

#include "lib/board/ITilesController.hpp"

namespace lib::board
{

BoardModel::BoardModel(const sf::Vector2u& size, ITilesController* controller)
    : m_cells(size.x, std::vector<WeakTile>(size.y))
    , m_controller(controller)
{
}

sf::Vector2u BoardModel::size() const
{
    const auto width = static_cast<unsigned>(m_cells.size());
    const auto height = m_cells.empty() ? 0u : static_cast<unsigned>(m_cells.front().size());
    return {width, height};
}

bool BoardModel::contains(const sf::Vector2u& position) const
{
    return position.x < m_cells.size() && position.y < m_cells[position.x].size();
}

WeakTile BoardModel::getTile(const sf::Vector2u& position) const
{
    if (!contains(position))
        return WeakTile();
    return m_cells[position.x][position.y];
}

bool BoardModel::tileEmpty(const sf::Vector2u& position) const
{
    return getTile(position).expired();
}

void BoardModel::setTile(const sf::Vector2u& position, WeakTile tile)
{
    if (!contains(position))
        return;
    m_cells[position.x][position.y] = tile;
    if (m_controller)
        m_controller->tileAdded(position, std::move(tile));
}

void BoardModel::deleteTile(const sf::Vector2u& position)
{
    if (!contains(position))
        return;
    WeakTile old;
    old.swap(m_cells[position.x][position.y]);
    if (m_controller)
        m_controller->tileDeleted(position, std::move(old));
}

bool BoardModel::moveTile(const sf::Vector2u& source, const sf::Vector2u& destination)
{
    const SharedTile tile = getTile(source).lock();
    if (!tile || !contains(destination))
        return false;
    // Writing the destination before clearing the source would lose a tile moved onto itself.
    if (source != destination)
    {
        m_cells[destination.x][destination.y] = tile;
        m_cells[source.x][source.y].reset();
    }
    if (m_controller)
        m_controller->tileMoved(source, destination, tile);
    return true;
}

void BoardModel::changeTileData(const sf::Vector2u& position, const int& value)
{
    const SharedTile tile = getTile(position).lock();
    if (!tile)
        return;
    const int oldValue = tile->data;
    tile->data = value;
    if (m_controller)
        m_controller->tileChanged(position, tile, oldValue, value);
}

} // namespace lib::board
