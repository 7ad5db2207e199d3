#include "bexil/rules/Arrivals.hpp"

#include "bexil/rules/Lane.hpp"
#include "lib/board/BoardModel.hpp"

namespace bexil::rules
{

Arrivals::Arrivals(const GameData& data)
    : m_data(data)
{
}

Arrivals::Pushed Arrivals::push(lib::board::BoardModel& board, std::uint32_t lane)
{
    const std::uint32_t side = m_side;
    const GameData::Arrival arrival = m_data.arrival(side, lane);
    // Captured as one reference: a bigger capture would make the line's action allocate.
    struct
    {
        lib::board::BoardModel& board;
        bool endsGame = false;
    } push{board};
    m_data.forEachTileInLine(arrival.lineStart, m_data.tokenZone(side).direction.negate(),
                             [this, &push](const sf::Vector2u& cell, const Direction& walking)
                             {
                                 if (push.board.tileEmpty(cell))
                                     return true;
                                 const sf::Vector2u destination = walking.negate().step(cell);
                                 push.board.moveTile(cell, destination);
                                 push.endsGame = push.endsGame || m_data.pointInCenter(destination);
                                 return true;
                             });
    m_side = (m_side + 1) % GameData::ZoneCount;
    // The new token enters at the edge, never next to the centre: the push alone decides.
    const bool warns = !push.endsGame && Lane(m_data, board, side, lane).warns();
    return {arrival.cell, push.endsGame, warns};
}

} // namespace bexil::rules
