#include "lib/input/InputState.hpp"

#include "lib/input/ActionMap.hpp"

namespace lib::input
{

const sf::Time InputState::RepeatDelay = sf::milliseconds(400);
const sf::Time InputState::RepeatInterval = sf::milliseconds(120);
const sf::Time InputState::PointerRest = sf::seconds(2.f);

namespace
{

ActionEvent pressOf(const Input& input, bool held, const ActionMap& bindings)
{
    return {bindings.actionFor(input), input, held};
}

// Sets the bit and tells whether it was set already; out of range, nothing is held.
template <std::size_t N>
bool hold(std::bitset<N>& bits, long index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= N)
        return false;
    const bool held = bits.test(static_cast<std::size_t>(index));
    bits.set(static_cast<std::size_t>(index));
    return held;
}

template <std::size_t N>
void letGo(std::bitset<N>& bits, long index)
{
    if (index >= 0 && static_cast<std::size_t>(index) < N)
        bits.reset(static_cast<std::size_t>(index));
}

} // namespace

std::optional<ActionEvent> InputState::handle(const sf::Event& event, const ActionMap& bindings)
{
    switch (event.type)
    {
    case sf::Event::KeyPressed:
        m_lastDevice = Device::Keyboard;
        return pressOf(Input::key(event.key.code), hold(m_keys, event.key.code + 1L), bindings);
    case sf::Event::KeyReleased:
        letGo(m_keys, event.key.code + 1L);
        break;
    case sf::Event::MouseButtonPressed:
        pointerUsed();
        return pressOf(Input::mouseButton(event.mouseButton.button),
                       hold(m_mouseButtons, event.mouseButton.button), bindings);
    case sf::Event::MouseButtonReleased:
        letGo(m_mouseButtons, event.mouseButton.button);
        break;
    case sf::Event::MouseMoved:
    case sf::Event::MouseWheelScrolled:
        pointerUsed();
        break;
    case sf::Event::JoystickButtonPressed:
    {
        const unsigned int joystick = event.joystickButton.joystickId;
        if (joystick >= sf::Joystick::Count)
            break;
        m_lastDevice = Device::Joystick;
        const Input input = Input::joystickButton(event.joystickButton.button);
        return joystickPress(joystick, input, hold(m_buttons[joystick], input.code), bindings);
    }
    case sf::Event::JoystickButtonReleased:
    {
        const unsigned int joystick = event.joystickButton.joystickId;
        if (joystick >= sf::Joystick::Count)
            break;
        letGo(m_buttons[joystick], event.joystickButton.button);
        stopRepeat(joystick, Input::joystickButton(event.joystickButton.button));
        break;
    }
    case sf::Event::JoystickMoved:
    {
        const unsigned int joystick = event.joystickMove.joystickId;
        const sf::Joystick::Axis axis = event.joystickMove.axis;
        if (joystick >= sf::Joystick::Count ||
            static_cast<unsigned int>(axis) >= sf::Joystick::AxisCount)
            break;
        const float position = event.joystickMove.position;
        const std::int8_t direction = position >= DeadZone ? 1 : position <= -DeadZone ? -1 : 0;
        std::int8_t& pushed = m_axes[joystick][axis];
        if (direction == pushed)
            break;
        if (pushed != 0)
            stopRepeat(joystick, Input::joystickAxis(axis, pushed > 0));
        pushed = direction;
        if (direction == 0 || m_settling.test(joystick))
            break;
        m_lastDevice = Device::Joystick;
        return joystickPress(joystick, Input::joystickAxis(axis, direction > 0), false, bindings);
    }
    case sf::Event::JoystickConnected:
        if (event.joystickConnect.joystickId < sf::Joystick::Count)
        {
            forget(event.joystickConnect.joystickId);
            m_settling.set(event.joystickConnect.joystickId);
        }
        break;
    case sf::Event::JoystickDisconnected:
        if (event.joystickConnect.joystickId < sf::Joystick::Count)
            forget(event.joystickConnect.joystickId);
        break;
    case sf::Event::LostFocus:
        // Keys and mouse buttons let go of elsewhere send no release here.
        forgetHeld();
        break;
    default:
        break;
    }
    return std::nullopt;
}

void InputState::forgetHeld()
{
    m_keys.reset();
    m_mouseButtons.reset();
}

std::optional<ActionEvent> InputState::joystickPress(unsigned int joystick, const Input& input,
                                                     bool held, const ActionMap& bindings)
{
    const ActionEvent press = pressOf(input, held, bindings);
    if (isDirection(press.action) && !held)
    {
        m_repeat = Repeat{joystick, input, lib::Clock(), RepeatDelay};
    }
    return press;
}

std::optional<ActionEvent> InputState::update(const ActionMap& bindings)
{
    m_settling.reset();
    if (!m_repeat)
        return std::nullopt;
    const Action action = bindings.actionFor(m_repeat->input);
    const sf::Time held = m_repeat->held.getElapsedTime();
    if (!isDirection(action) || held < m_repeat->next)
        return std::nullopt;
    // One repeat a frame: a slow frame skips the repeats it missed rather than piling them up.
    m_repeat->next += RepeatInterval;
    if (m_repeat->next <= held)
        m_repeat->next = held + RepeatInterval;
    return ActionEvent{action, m_repeat->input, true};
}

void InputState::stopRepeat(unsigned int joystick, const Input& input)
{
    if (m_repeat && m_repeat->joystick == joystick && m_repeat->input == input)
        m_repeat.reset();
}

void InputState::forget(unsigned int joystick)
{
    m_buttons[joystick].reset();
    m_axes[joystick].fill(0);
    if (m_repeat && m_repeat->joystick == joystick)
        m_repeat.reset();
}

void InputState::pointerUsed()
{
    m_pointerUsed = true;
    m_sincePointer.restart();
}

bool InputState::pointerActive() const
{
    return m_pointerUsed && m_sincePointer.getElapsedTime() < PointerRest;
}

} // namespace lib::input
