#pragma once

#include "lib/input/ActionMap.hpp"

namespace bexil
{
class KeyMapping;
}

namespace bexil::controls
{

class PadMapping;

// The game's binding tables, one for each way the game is played; the pad's bindings are in
// every one of them.
class Bindings
{
public:
    // The menus: the arrows and the numpad's 8, 2, 4 and 6 move, Return and Space choose, Escape,
    // Backspace and the right mouse button go back. The pad's pause chooses too.
    static lib::input::ActionMap menus(const PadMapping& pad);
    // A game: the player's six keys (the directions, launch as Fire, pause).
    static lib::input::ActionMap game(const KeyMapping& keys, const PadMapping& pad);
    // A paused game: the game's, and the menus' fixed keys where the player's leave them free.
    static lib::input::ActionMap paused(const KeyMapping& keys, const PadMapping& pad);
    // A name being typed: only keys that type nothing, the arrows, Return (Fire) and Escape
    // (Back), and the right mouse button (Back). The pad's pause accepts too.
    static lib::input::ActionMap naming(const PadMapping& pad);
};

} // namespace bexil::controls
