#include "bexil/rules/Lane.hpp"

#include "bexil/rules/GameData.hpp"
#include "bexil/rules/Launch.hpp"
#include "lib/board/BoardModel.hpp"

#include <cassert>

namespace bexil::rules
{

Lane::Lane(std::initializer_list<std::int32_t> colours)
{
    for (const std::int32_t colour : colours)
        append(colour);
}

Lane::Lane(const GameData& data, const lib::board::BoardModel& board, std::uint32_t zone,
           std::uint32_t lane)
{
    const auto read = [this, &board](const sf::Vector2u& cell, const Direction&)
    {
        const lib::board::SharedTile token = board.getTile(cell).lock();
        append(token ? token->data : Launch::Empty);
        return true;
    };
    data.forEachTileInLine(data.arrival(zone, lane).lineStart,
                           data.tokenZone(zone).direction.negate(), read);
}

void Lane::append(std::int32_t colour)
{
    assert(m_length < MaxLength);
    m_colours[m_length++] = colour;
}

std::int32_t Lane::operator[](std::size_t k) const
{
    assert(k < m_length);
    return m_colours[k];
}

std::uint32_t Lane::pushesToCentre() const
{
    for (std::size_t k = 0; k < m_length; ++k)
        if (m_colours[k] != Launch::Empty)
            return static_cast<std::uint32_t>(k + 1);
    return 0;
}

std::uint32_t Lane::warningLanes(const GameData& data, const lib::board::BoardModel& board)
{
    std::uint32_t count = 0;
    for (std::uint32_t zone = 0; zone < GameData::ZoneCount; ++zone)
        for (std::uint32_t lane = 0; lane < data.tokenZone(zone).lanes; ++lane)
            count += Lane(data, board, zone, lane).warns() ? 1u : 0u;
    return count;
}

Lane::Launched Lane::launch(std::int32_t colour)
{
    Launch walk(colour);
    for (std::size_t k = 0; k < m_length; ++k)
    {
        switch (walk.next(m_colours[k]))
        {
        case Launch::Step::Pass:
            break;
        case Launch::Step::Consume:
            m_colours[k] = Launch::Empty;
            break;
        case Launch::Step::Swap:
        {
            const std::int32_t taken = m_colours[k];
            m_colours[k] = colour;
            return {walk.inARow(), taken};
        }
        }
    }
    return {walk.inARow(), colour};
}

} // namespace bexil::rules
