#pragma once

#include "bexil/rules/GameData.hpp"

#include <SFML/System/Vector2.hpp>

#include <cstdint>

namespace lib::board
{
class BoardModel;
}

namespace bexil::rules
{

// How tokens come onto the board. The sides take turns, left, top, right, bottom, from the left
// at the start of a game; the colour is drawn before the lane. An arrival first pushes its lane
// one cell toward the centre square, from the centre outward so that every token moves into the
// cell its neighbour has just left, gaps and all; then the new token enters at the board's edge.
// A token pushed into the centre square ends the game, and the rest of the lane still moves.
// The game data must outlive this object.
class Arrivals
{
public:
    // Tokens take the colours 0 to Colours - 1.
    static constexpr std::uint32_t Colours = 5;

    // What an arrival's push did.
    struct Pushed
    {
        sf::Vector2u cell; // where the new token enters
        bool endsGame;     // a token went into the centre square
        bool warns;        // the game goes on, and the lane's next arrival will end it
    };

    explicit Arrivals(const GameData& data);

    // A new game: the first token comes from the left.
    void restart() { m_side = 0; }
    // The token zone whose turn it is.
    std::uint32_t side() const { return m_side; }
    std::uint32_t lanes() const { return m_data.tokenZone(m_side).lanes; }

    // Pushes that lane (below lanes()) of the side whose turn it is through the board, which
    // tells its observer of every move, and hands the turn to the next side.
    Pushed push(lib::board::BoardModel& board, std::uint32_t lane);

private:
    const GameData& m_data;
    std::uint32_t m_side = 0;
};

} // namespace bexil::rules
