#include "bexil/KeyMapping.hpp"

#include "bexil/settings/Settings.hpp"
#include "lib/Translation.hpp"

#include <SFML/Window/Keyboard.hpp>

#include <array>
#include <cassert>

namespace bexil
{

namespace
{

using lib::Translation;

// SFML's keys from Escape to Down, in its order, by the English names of their keycaps; the
// letters, digits, numpad digits and function keys around them are named by rule.
// TRANSLATORS: the names of keys, as the keycaps of the language's keyboards say them, short.
constexpr std::array<const char*, sf::Keyboard::Numpad0 - sf::Keyboard::Escape> NamedKeys{
    {Translation::mark("Escape"),
     Translation::mark("Left Ctrl"),
     Translation::mark("Left Shift"),
     Translation::mark("Left Alt"),
     Translation::mark("Left System"),
     Translation::mark("Right Ctrl"),
     Translation::mark("Right Shift"),
     Translation::mark("Right Alt"),
     Translation::mark("Right System"),
     Translation::mark("Menu"),
     "[",
     "]",
     ";",
     ",",
     ".",
     "'",
     "/",
     "\\",
     "~",
     "=",
     "-",
     Translation::mark("Space"),
     Translation::mark("Return"),
     Translation::mark("Backspace"),
     Translation::mark("Tab"),
     Translation::mark("Page Up"),
     Translation::mark("Page Down"),
     Translation::mark("End"),
     Translation::mark("Home"),
     Translation::mark("Insert"),
     Translation::mark("Delete"),
     Translation::mark("Numpad +"),
     Translation::mark("Numpad -"),
     Translation::mark("Numpad *"),
     Translation::mark("Numpad /"),
     Translation::mark("Left"),
     Translation::mark("Right"),
     Translation::mark("Up"),
     Translation::mark("Down")}};

} // namespace

static_assert(KeyMapping::KeyCount == settings::Settings::KeyCount);
static_assert(settings::Settings::Keys[0].defaultValue == sf::Keyboard::Left &&
                  settings::Settings::Keys[1].defaultValue == sf::Keyboard::Right &&
                  settings::Settings::Keys[2].defaultValue == sf::Keyboard::Up &&
                  settings::Settings::Keys[3].defaultValue == sf::Keyboard::Down &&
                  settings::Settings::Keys[4].defaultValue == sf::Keyboard::Space &&
                  settings::Settings::Keys[5].defaultValue == sf::Keyboard::Escape,
              "the default keys are the arrows, Space and Escape");

KeyMapping::KeyMapping()
    : lib::Configuration(settings::Settings::ConfigFile)
{
    readKeys();
}

void KeyMapping::readKeys()
{
    for (std::size_t i = 0; i < KeyCount; ++i)
        m_keys[i] = settings::Settings::Keys[i].read(*this);
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
        settings::Settings::Keys[i].store(*this, m_keys[i]);
}

std::string KeyMapping::keyName(std::int32_t code)
{
    if (code >= sf::Keyboard::A && code <= sf::Keyboard::Z)
        return std::string(1, static_cast<char>('A' + code - sf::Keyboard::A));
    if (code >= sf::Keyboard::Num0 && code <= sf::Keyboard::Num9)
        return std::string(1, static_cast<char>('0' + code - sf::Keyboard::Num0));
    if (code >= sf::Keyboard::Escape && code < sf::Keyboard::Numpad0)
        return Translation::tr(NamedKeys[static_cast<std::size_t>(code - sf::Keyboard::Escape)]);
    if (code >= sf::Keyboard::Numpad0 && code <= sf::Keyboard::Numpad9)
        return Translation::format(Translation::tr("Numpad %s"),
                                   {std::to_string(code - sf::Keyboard::Numpad0)});
    if (code >= sf::Keyboard::F1 && code <= sf::Keyboard::F15)
        return "F" + std::to_string(code - sf::Keyboard::F1 + 1);
    if (code == sf::Keyboard::Pause)
        return Translation::tr("Pause");
    // TRANSLATORS: a key the keyboard library has no name for, by its number.
    return Translation::format(Translation::tr("key %s"), {std::to_string(code)});
}

} // namespace bexil
