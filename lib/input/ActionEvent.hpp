#pragma once

#include "lib/input/Action.hpp"
#include "lib/input/Input.hpp"

namespace lib::input
{

// A press as a scene hears it: the action its bindings give the input (None when they give it
// none), the input itself, for whoever binds inputs or takes any key, and whether it repeats a
// press still held (the system's key repeat, or a joystick direction held down).
struct ActionEvent
{
    Action action = Action::None;
    Input input;
    bool repeat = false;
};

} // namespace lib::input
