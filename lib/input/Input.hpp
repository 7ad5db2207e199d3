#pragma once

#include <SFML/Window/Joystick.hpp>
#include <SFML/Window/Keyboard.hpp>
#include <SFML/Window/Mouse.hpp>

#include <cstdint>

namespace lib::input
{

enum class Device : std::uint8_t
{
    Keyboard,
    Joystick,
    Mouse
};

// One thing a player presses: a key, a joystick button, one direction of a joystick axis (pushed
// past the dead zone) or a mouse button. The buttons and axes of every joystick count alike, so
// a pad plugged in later plays at once.
struct Input
{
    enum class Kind : std::uint8_t
    {
        Key,
        JoystickButton,
        JoystickAxis,
        MouseButton
    };

    Kind kind = Kind::Key;
    // The sf::Keyboard::Key, the button's number, the sf::Joystick::Axis or the sf::Mouse::Button.
    std::int32_t code = sf::Keyboard::Unknown;
    // Of an axis: toward +100 (right, or down) rather than toward -100.
    bool positive = false;

    static constexpr Input key(sf::Keyboard::Key key) { return {Kind::Key, key, false}; }
    static constexpr Input joystickButton(unsigned int button)
    {
        return {Kind::JoystickButton, static_cast<std::int32_t>(button), false};
    }
    static constexpr Input joystickAxis(sf::Joystick::Axis axis, bool positive)
    {
        return {Kind::JoystickAxis, axis, positive};
    }
    static constexpr Input mouseButton(sf::Mouse::Button button)
    {
        return {Kind::MouseButton, button, false};
    }

    constexpr Device device() const
    {
        return kind == Kind::Key           ? Device::Keyboard
               : kind == Kind::MouseButton ? Device::Mouse
                                           : Device::Joystick;
    }
    constexpr bool operator==(const Input& other) const
    {
        return kind == other.kind && code == other.code && positive == other.positive;
    }
    constexpr bool operator!=(const Input& other) const { return !(*this == other); }
};

} // namespace lib::input
