#pragma once

#include <cstdint>

namespace bexil::rules
{

// A launch's walk along the line the player faces, one cell at a time from the player outward:
// it passes over empty cells and the centre square, consumes every token of the player's colour
// and, at the first token of another colour, swaps colours with it and ends. The game runs it on
// the board, the computer player on its plan of the lanes; each applies the steps to its own.
class Launch
{
public:
    enum class Step
    {
        Pass,
        Consume,
        Swap // the player takes the token's colour, the token colour(); the walk ends
    };

    // How the walk ended, once it has: at the token it swapped with, off the board's edge after
    // consuming, or off the edge having met no token at all.
    enum class End
    {
        Swap,
        Edge,
        Nothing
    };

    // A cell without a token, or one inside the centre square, which the walk passes over.
    static constexpr std::int32_t Empty = -1;

    // A launch of a player of that colour (0 to 4).
    explicit Launch(std::int32_t colour);

    // What the launch does at the next cell of its line, which shows that colour (or Empty).
    Step next(std::int32_t cell);

    // The player's colour when the launch began.
    std::int32_t colour() const { return m_colour; }
    // Tokens consumed so far: the one just consumed is the inARow-th of the run.
    std::uint32_t inARow() const { return m_inARow; }
    End end() const { return m_swapped ? End::Swap : m_inARow > 0 ? End::Edge : End::Nothing; }

private:
    std::int32_t m_colour;
    std::uint32_t m_inARow = 0;
    bool m_swapped = false;
};

} // namespace bexil::rules
