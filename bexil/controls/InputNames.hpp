#pragma once

#include "lib/input/Action.hpp"
#include "lib/input/Input.hpp"

#include <string>

namespace lib::input
{
class ActionMap;
}

namespace bexil::controls
{

// The names a player knows the inputs by, for the hints on screen: the hints name the device
// last used, keys after a key, the pad's buttons after the pad.
class InputNames
{
public:
    // A key as KeyMapping names it ("Space", "Left", "F5"); a pad button by the common layout
    // ("A", "B", "X", "Y", "LB", "RB", "Back", "Start", then "Button 9" and on); an axis
    // direction ("D-pad left", "Left stick up", "Axis Z+"); a mouse button ("Right click").
    static std::string name(const lib::input::Input& input);
    // What a hint calls the action: its first input of the device (the joystick for the
    // joystick, else a key), or of any device when that one has none; "" when it has no input.
    static std::string hint(const lib::input::ActionMap& bindings, lib::input::Action action,
                            lib::input::Device device);
    // What a hint calls the four directions: "D-pad" or "Left stick" when they are that stick's
    // four, otherwise their four hints ("Left, Right, Up, Down").
    static std::string directions(const lib::input::ActionMap& bindings, lib::input::Device device);
};

} // namespace bexil::controls
