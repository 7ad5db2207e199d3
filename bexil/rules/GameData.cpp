#include "bexil/rules/GameData.hpp"

#include <cassert>

namespace bexil::rules
{

GameData::GameData(const sf::Vector2f& viewSize)
    : m_viewSize(viewSize)
    , m_size(18, 12)
    , m_centerRect(7, 4, 4, 4)
{
    const sf::Rect<unsigned int>& c = m_centerRect;
    m_tokenZones = {{
        {{0, c.top}, {c.left - 1, c.top + c.height - 1}, Direction::Right, c.height},
        {{c.left, 0}, {c.left + c.width - 1, c.top - 1}, Direction::Down, c.width},
        {{m_size.x - 1, c.top},
         {c.left + c.width, c.top + c.height - 1},
         Direction::Left,
         c.height},
        {{c.left, m_size.y - 1}, {c.left + c.width - 1, c.top + c.height}, Direction::Up, c.width},
    }};
}

const GameData::TokenZone& GameData::tokenZone(std::uint32_t index) const
{
    assert(index < m_tokenZones.size());
    return m_tokenZones[index];
}

bool GameData::contains(const sf::Vector2u& position) const
{
    return position.x < m_size.x && position.y < m_size.y;
}

bool GameData::pointInCenter(const sf::Vector2u& position) const
{
    const sf::Rect<unsigned int>& c = m_centerRect;
    return contains(position) && position.x >= c.left && position.x < c.left + c.width &&
           position.y >= c.top && position.y < c.top + c.height;
}

sf::Vector2u GameData::playerMove(const sf::Vector2u& from, Direction direction) const
{
    const sf::Vector2u target = direction.step(from);
    return pointInCenter(target) ? target : from;
}

GameData::Arrival GameData::arrival(std::uint32_t zone, std::uint32_t lane) const
{
    const TokenZone& z = tokenZone(zone);
    assert(lane < z.lanes);
    if (z.direction.isHorizontal())
        return {{z.edgeCorner.x, z.edgeCorner.y + lane}, {z.centerCorner.x, z.edgeCorner.y + lane}};
    return {{z.edgeCorner.x + lane, z.edgeCorner.y}, {z.edgeCorner.x + lane, z.centerCorner.y}};
}

void GameData::forEachTileInLine(const sf::Vector2u& start, Direction direction,
                                 const LineAction& action) const
{
    // An Invalid direction does not move: walking on would visit the same cell for ever.
    const bool moves = direction != Direction::Invalid;
    sf::Vector2u p = start;
    bool goOn = true;
    while (goOn)
    {
        const bool result = action(p, direction);
        p = direction.step(p);
        goOn = result && moves && contains(p);
    }
}

sf::Vector2f GameData::tileSize() const
{
    return {m_viewSize.x / static_cast<float>(m_size.x),
            m_viewSize.y / static_cast<float>(m_size.y)};
}

sf::Vector2f GameData::board2Scene(const sf::Vector2u& position) const
{
    return {static_cast<float>(position.x) * m_viewSize.x / static_cast<float>(m_size.x),
            static_cast<float>(position.y) * m_viewSize.y / static_cast<float>(m_size.y)};
}

} // namespace bexil::rules
