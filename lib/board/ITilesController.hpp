#pragma once

#include "lib/board/ITile.hpp"

#include <SFML/System/Vector2.hpp>

namespace lib::board
{

// The one observer of a board: told of every change, after the board has made it.
class ITilesController
{
public:
    virtual ~ITilesController() = default;

    virtual void tileAdded(const sf::Vector2u& position, WeakTile tile) = 0;
    virtual void tileDeleted(const sf::Vector2u& position, WeakTile tile) = 0;
    virtual void tileMoved(const sf::Vector2u& source, const sf::Vector2u& destination,
                           WeakTile tile) = 0;
    virtual void tileChanged(const sf::Vector2u& position, WeakTile tile, const int& oldValue,
                             const int& newValue) = 0;
};

} // namespace lib::board
