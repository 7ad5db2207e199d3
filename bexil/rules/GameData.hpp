#pragma once

#include "bexil/Direction.hpp"

#include <SFML/Graphics/Rect.hpp>
#include <SFML/System/Vector2.hpp>

#include <array>
#include <cstdint>
#include <functional>

namespace bexil::rules
{

// The arithmetic of the game's board, apart from any window: the 18 × 12 grid with its 4 × 4
// centre square, the four bands of lanes the tokens come along, the cell where a token enters
// a lane, the walk along a line of cells, and where a cell lies in the game scene's view.
// Fixed once made.
class GameData
{
public:
    // One side's band of lanes, from the board's edge to the centre square.
    struct TokenZone
    {
        sf::Vector2u edgeCorner;
        sf::Vector2u centerCorner; // the opposite corner, next to the centre square
        Direction direction;       // the way its tokens move (toward the centre)
        std::uint32_t lanes;
    };

    // Where a token coming into a lane enters, and the lane's cell next to the centre square,
    // where the push of the lane starts.
    struct Arrival
    {
        sf::Vector2u cell;
        sf::Vector2u lineStart;
    };

    // Called with each cell of a line and the walking direction; false stops the walk.
    using LineAction = std::function<bool(const sf::Vector2u&, const Direction&)>;

    // The sides that tokens come from, and their lanes together.
    static constexpr std::uint32_t ZoneCount = 4;
    static constexpr std::uint32_t LaneCount = 16;

    // The board as it is laid out in a view of that size.
    explicit GameData(const sf::Vector2f& viewSize);

    const sf::Vector2u& size() const { return m_size; }
    const sf::Rect<unsigned int>& centerRect() const { return m_centerRect; }
    // 0 to 3: left, top, right, bottom, the order in which the sides take turns.
    const TokenZone& tokenZone(std::uint32_t index) const;

    // True for a cell on the board inside the centre square.
    bool pointInCenter(const sf::Vector2u& position) const;
    // Where a direction key takes the player from that cell: one cell on when that cell lies in
    // the centre square, else nowhere (the key only turns it).
    sf::Vector2u playerMove(const sf::Vector2u& from, Direction direction) const;
    // Lane 0 is the zone's lane through its edge corner; lane must be below the zone's lanes.
    Arrival arrival(std::uint32_t zone, std::uint32_t lane) const;
    // Calls the action for start, then for each next cell in the direction, until the action
    // answers false or the line leaves the board. An Invalid direction visits start only.
    void forEachTileInLine(const sf::Vector2u& start, Direction direction,
                           const LineAction& action) const;

    // The size of one cell in the view.
    sf::Vector2f tileSize() const;
    // The top-left corner of a cell in the view.
    sf::Vector2f board2Scene(const sf::Vector2u& position) const;

private:
    bool contains(const sf::Vector2u& position) const;

    sf::Vector2f m_viewSize;
    sf::Vector2u m_size;
    sf::Rect<unsigned int> m_centerRect;
    std::array<TokenZone, ZoneCount> m_tokenZones;
};

} // namespace bexil::rules
