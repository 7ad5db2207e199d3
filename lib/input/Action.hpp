#pragma once

#include <cstddef>
#include <cstdint>

namespace lib::input
{

// What a player means by a press, whatever the device: the four directions (in the order of the
// game's directions), Fire (launch in a game, choose in the menus), Pause and Back. None is the
// action of an input that is bound to nothing.
enum class Action : std::uint8_t
{
    Left,
    Right,
    Up,
    Down,
    Fire,
    Pause,
    Back,
    None
};

constexpr std::size_t ActionCount = static_cast<std::size_t>(Action::None);

constexpr bool isDirection(Action action)
{
    return action <= Action::Down;
}

} // namespace lib::input
