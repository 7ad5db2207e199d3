#include "bexil/controls/InputNames.hpp"

#include "bexil/KeyMapping.hpp"
#include "lib/Translation.hpp"
#include "lib/input/ActionMap.hpp"

#include <array>
#include <optional>

namespace bexil::controls
{

namespace
{

using lib::Translation;
using lib::input::Action;
using lib::input::Device;
using lib::input::Input;

// The common layout's buttons, in the order Linux numbers them.
constexpr std::array<const char*, 9> ButtonNames{"A",  "B",    "X",     "Y",    "LB",
                                                 "RB", "Back", "Start", "Guide"};

std::optional<Input> firstOf(const lib::input::ActionMap& bindings, Action action, Device device)
{
    const std::vector<Input>& inputs = bindings.bindings(action);
    for (const Input& input : inputs)
    {
        if (input.device() == device)
            return input;
    }
    if (device != Device::Keyboard)
        return firstOf(bindings, action, Device::Keyboard);
    if (!inputs.empty())
        return inputs.front();
    return std::nullopt;
}

} // namespace

std::string InputNames::name(const Input& input)
{
    switch (input.kind)
    {
    case Input::Kind::Key:
        return KeyMapping::keyName(input.code);
    case Input::Kind::JoystickButton:
        if (static_cast<std::size_t>(input.code) < ButtonNames.size())
            return ButtonNames[static_cast<std::size_t>(input.code)];
        return Translation::format(Translation::tr("Button %u"), {std::to_string(input.code)});
    case Input::Kind::JoystickAxis:
        switch (input.code)
        {
        case sf::Joystick::X:
            return Translation::tr(input.positive ? Translation::mark("Left stick right")
                                                  : Translation::mark("Left stick left"));
        case sf::Joystick::Y:
            return Translation::tr(input.positive ? Translation::mark("Left stick down")
                                                  : Translation::mark("Left stick up"));
        case sf::Joystick::PovX:
            return Translation::tr(input.positive ? Translation::mark("D-pad right")
                                                  : Translation::mark("D-pad left"));
        case sf::Joystick::PovY:
            return Translation::tr(input.positive ? Translation::mark("D-pad down")
                                                  : Translation::mark("D-pad up"));
        default:
            return Translation::format(
                Translation::tr("Axis %s"),
                {std::string(1, "XYZRUV"[input.code]) + (input.positive ? "+" : "-")});
        }
    case Input::Kind::MouseButton:
        return Translation::tr(input.code == sf::Mouse::Right ? Translation::mark("Right click")
                                                              : Translation::mark("Click"));
    }
    return std::string();
}

std::string InputNames::hint(const lib::input::ActionMap& bindings, Action action, Device device)
{
    const std::optional<Input> input = firstOf(bindings, action, device);
    return input ? name(*input) : std::string();
}

std::string InputNames::directions(const lib::input::ActionMap& bindings, Device device)
{
    std::array<std::optional<Input>, 4> first;
    for (std::size_t i = 0; i < first.size(); ++i)
        first[i] = firstOf(bindings, static_cast<Action>(i), device);
    const auto stick = [&first](sf::Joystick::Axis across, sf::Joystick::Axis along)
    {
        return first[0] == Input::joystickAxis(across, false) &&
               first[1] == Input::joystickAxis(across, true) &&
               first[2] == Input::joystickAxis(along, false) &&
               first[3] == Input::joystickAxis(along, true);
    };
    if (stick(sf::Joystick::PovX, sf::Joystick::PovY))
        return Translation::tr("D-pad");
    if (stick(sf::Joystick::X, sf::Joystick::Y))
        return Translation::tr("Left stick");
    std::string names;
    for (const std::optional<Input>& input : first)
        names += (names.empty() ? "" : ", ") + (input ? name(*input) : std::string("-"));
    return names;
}

} // namespace bexil::controls
