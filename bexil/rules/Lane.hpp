#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>

namespace lib::board
{
class BoardModel;
}

namespace bexil::rules
{

class GameData;

// One lane of a side's band as the colours of its cells, from the cell next to the centre
// square out to the board's edge, Launch::Empty where no token stands: what the board holds, or
// a plan of it. It tells how near the lane is to ending the game, and what a launch along it
// consumes and swaps, by the rules the game runs.
class Lane
{
public:
    static constexpr std::size_t MaxLength = 7;

    // What a launch along the lane did.
    struct Launched
    {
        std::uint32_t consumed;
        std::int32_t colour; // the player's colour afterwards
    };

    // The colours from the centre outward; at most MaxLength of them.
    Lane(std::initializer_list<std::int32_t> colours = {});
    // Lane `lane` of token zone `zone` as the board holds it now.
    Lane(const GameData& data, const lib::board::BoardModel& board, std::uint32_t zone,
         std::uint32_t lane);

    std::size_t length() const { return m_length; }
    // The colour `k` cells out from the centre square (0 next to it); k below length().
    std::int32_t operator[](std::size_t k) const;

    // How near the lane is to ending the game: the arrivals in it that push its innermost token
    // into the centre square (1: the next one does); 0 for a lane without a token.
    std::uint32_t pushesToCentre() const;
    // The lane warning: the next arrival in this lane ends the game.
    bool warns() const { return pushesToCentre() == 1; }
    // How many lanes of the board warn now.
    static std::uint32_t warningLanes(const GameData& data, const lib::board::BoardModel& board);

    // A launch along the lane by a player of that colour, facing it from the centre square.
    Launched launch(std::int32_t colour);

private:
    void append(std::int32_t colour);

    std::array<std::int32_t, MaxLength> m_colours{};
    std::size_t m_length = 0;
};

} // namespace bexil::rules
