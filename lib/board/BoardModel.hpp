#pragma once

#include "lib/board/ITile.hpp"

#include <SFML/System/Vector2.hpp>

#include <vector>

namespace lib::board
{

class ITilesController;

// A fixed grid of weak tile references, indexed by column then row. It keeps no tile alive
// (a tile whose owners let it go reads as an empty cell) and reports every change to one
// observer, after making it. The observer is not owned and must outlive the board; it may be
// null. Positions outside the board read as empty; changing one is ignored.
class BoardModel
{
public:
    BoardModel(const sf::Vector2u& size, ITilesController* controller);
    virtual ~BoardModel() = default;

    sf::Vector2u size() const;
    bool contains(const sf::Vector2u& position) const;

    WeakTile getTile(const sf::Vector2u& position) const;
    bool tileEmpty(const sf::Vector2u& position) const;
    // Replaces the cell's reference (no notice for the old one); tileAdded.
    void setTile(const sf::Vector2u& position, WeakTile tile);
    // Clears the cell; tileDeleted, also for a cell that was already empty.
    void deleteTile(const sf::Vector2u& position);
    // False (and nothing changes) when the source is empty. The destination is overwritten
    // without notice; callers test it first. tileMoved on success.
    bool moveTile(const sf::Vector2u& source, const sf::Vector2u& destination);
    // Replaces the live tile's value; tileChanged, also when the value is the same.
    void changeTileData(const sf::Vector2u& position, const int& value);

private:
    std::vector<std::vector<WeakTile>> m_cells;
    ITilesController* m_controller;
};

} // namespace lib::board
