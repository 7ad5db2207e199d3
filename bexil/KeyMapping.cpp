#include "bexil/KeyMapping.hpp"

#include <SFML/Window/Keyboard.hpp>

#include <cassert>

namespace bexil
{

KeyMapping::KeyMapping()
    : lib::Configuration("config.cfg")
{
    for (std::size_t i = 0; i < KeyCount; ++i)
        m_keys[i] = valueAsInt(settingsKey(i), defaultKey(i));
}

std::int32_t KeyMapping::getDirectionKey(Direction direction) const
{
    assert(direction != Direction::Invalid);
    return m_keys[direction.data()];
}

std::int32_t KeyMapping::getKey(std::size_t index) const
{
    assert(index < KeyCount);
    return m_keys[index];
}

void KeyMapping::setKey(std::size_t index, std::int32_t code)
{
    assert(index < KeyCount);
    m_keys[index] = code;
}

void KeyMapping::storeKeys()
{
    for (std::size_t i = 0; i < KeyCount; ++i)
        valueAsInt(settingsKey(i), m_keys[i], true);
}

std::string KeyMapping::settingsKey(std::size_t index)
{
    assert(index < KeyCount);
    const std::string number = std::to_string(index);
    if (index == LaunchIndex)
        return "key_launch" + number;
    if (index == PauseIndex)
        return "key_pause" + number;
    return "key" + number;
}

std::int32_t KeyMapping::defaultKey(std::size_t index)
{
    static constexpr std::array<std::int32_t, KeyCount> defaults = {
        sf::Keyboard::Left, sf::Keyboard::Right, sf::Keyboard::Up,
        sf::Keyboard::Down, sf::Keyboard::Space, sf::Keyboard::Escape};
    assert(index < KeyCount);
    return defaults[index];
}

} // namespace bexil
