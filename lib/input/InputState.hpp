#pragma once

#include "lib/Clock.hpp"
#include "lib/input/ActionEvent.hpp"

#include <SFML/System/Time.hpp>
#include <SFML/Window/Event.hpp>
#include <SFML/Window/Joystick.hpp>
#include <SFML/Window/Keyboard.hpp>
#include <SFML/Window/Mouse.hpp>

#include <array>
#include <bitset>
#include <cstdint>
#include <optional>

namespace lib::input
{

class ActionMap;

// What the devices are doing, followed from the window's events: the keys, joystick buttons,
// joystick axis directions and mouse buttons held down, the device last used and when the
// pointer last moved. It turns each event into the press a scene hears, with the action the
// scene's bindings give it, and makes the repeats of a joystick direction held down (the
// keyboard's come from the system). Nothing here allocates: it runs on every event.
class InputState
{
public:
    // An axis pushed past a third of its travel presses its direction.
    static constexpr float DeadZone = 100.f / 3.f;
    // A joystick direction held down repeats after RepeatDelay, then every RepeatInterval.
    static const sf::Time RepeatDelay;
    static const sf::Time RepeatInterval;
    // The pointer counts as in use for this long after it last moved or clicked.
    static const sf::Time PointerRest;

    // The press the event makes, read through the bindings; none for an event that presses
    // nothing (a release, an axis within its dead zone or still in the same direction). The
    // axes a joystick reports in the frame it is connected are where it rests, not presses: a
    // pad's triggers rest at one end of their travel.
    std::optional<ActionEvent> handle(const sf::Event& event, const ActionMap& bindings);
    // Once a frame, after the frame's events: the repeat of a held joystick direction, when one
    // is due.
    std::optional<ActionEvent> update(const ActionMap& bindings);

    // The keyboard or the joystick, whichever made the last press (the keyboard at first); the
    // mouse leaves it as it is.
    Device lastDevice() const { return m_lastDevice; }
    bool pointerActive() const;
    // The keys and mouse buttons held down are let go of where this window no longer hears
    // them (it lost the focus, or a new native window took its place).
    void forgetHeld();

private:
    struct Repeat
    {
        unsigned int joystick = 0;
        Input input;
        lib::Clock held;
        sf::Time next;
    };

    std::optional<ActionEvent> joystickPress(unsigned int joystick, const Input& input, bool held,
                                             const ActionMap& bindings);
    void stopRepeat(unsigned int joystick, const Input& input);
    void forget(unsigned int joystick);
    void pointerUsed();

    // Indexed by key code + 1, so that Unknown (-1) has a place too.
    std::bitset<sf::Keyboard::KeyCount + 1> m_keys;
    std::bitset<sf::Mouse::ButtonCount> m_mouseButtons;
    std::array<std::bitset<sf::Joystick::ButtonCount>, sf::Joystick::Count> m_buttons{};
    // Per joystick and axis: -1, 0 or 1, the direction the axis is pushed past its dead zone.
    std::array<std::array<std::int8_t, sf::Joystick::AxisCount>, sf::Joystick::Count> m_axes{};
    std::bitset<sf::Joystick::Count> m_settling; // connected in this frame
    std::optional<Repeat> m_repeat;
    Device m_lastDevice = Device::Keyboard;
    bool m_pointerUsed = false;
    lib::Clock m_sincePointer;
};

} // namespace lib::input
