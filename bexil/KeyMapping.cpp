#include "bexil/KeyMapping.hpp"

#include "bexil/Settings.hpp"

#include <SFML/Window/Keyboard.hpp>

#include <cassert>

namespace bexil
{

static_assert(KeyMapping::KeyCount == Settings::KeyCount);
static_assert(Settings::Keys[0].defaultValue == sf::Keyboard::Left &&
                  Settings::Keys[1].defaultValue == sf::Keyboard::Right &&
                  Settings::Keys[2].defaultValue == sf::Keyboard::Up &&
                  Settings::Keys[3].defaultValue == sf::Keyboard::Down &&
                  Settings::Keys[4].defaultValue == sf::Keyboard::Space &&
                  Settings::Keys[5].defaultValue == sf::Keyboard::Escape,
              "the default keys are the arrows, Space and Escape");

KeyMapping::KeyMapping()
    : lib::Configuration(Settings::ConfigFile)
{
    readKeys();
}

void KeyMapping::readKeys()
{
    for (std::size_t i = 0; i < KeyCount; ++i)
        m_keys[i] = Settings::Keys[i].read(*this);
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
        Settings::Keys[i].store(*this, m_keys[i]);
}

std::string KeyMapping::settingsKey(std::size_t index)
{
    assert(index < KeyCount);
    return Settings::Keys[index].key;
}

} // namespace bexil
