#include "bexil/controls/Bindings.hpp"

#include "bexil/KeyMapping.hpp"
#include "bexil/controls/PadMapping.hpp"

namespace bexil::controls
{

namespace
{

using lib::input::Action;
using lib::input::ActionMap;
using lib::input::Input;
using Key = sf::Keyboard::Key;

void bindPad(ActionMap& map, const PadMapping& pad, bool pauseChooses)
{
    for (std::size_t i = 0; i < lib::input::ActionCount; ++i)
    {
        const auto action = static_cast<Action>(i);
        for (const Input& input : pad.inputs(action))
            map.bind(action == Action::Pause && pauseChooses ? Action::Fire : action, input);
    }
}

void bindArrows(ActionMap& map)
{
    map.bind(Action::Left, Input::key(Key::Left));
    map.bind(Action::Right, Input::key(Key::Right));
    map.bind(Action::Up, Input::key(Key::Up));
    map.bind(Action::Down, Input::key(Key::Down));
}

} // namespace

ActionMap Bindings::menus(const PadMapping& pad)
{
    ActionMap map;
    bindArrows(map);
    map.bind(Action::Left, Input::key(Key::Numpad4));
    map.bind(Action::Right, Input::key(Key::Numpad6));
    map.bind(Action::Up, Input::key(Key::Numpad8));
    map.bind(Action::Down, Input::key(Key::Numpad2));
    map.bind(Action::Fire, Input::key(Key::Return));
    map.bind(Action::Fire, Input::key(Key::Space));
    map.bind(Action::Back, Input::key(Key::Escape));
    map.bind(Action::Back, Input::key(Key::BackSpace));
    map.bind(Action::Back, Input::mouseButton(sf::Mouse::Right));
    bindPad(map, pad, true);
    return map;
}

ActionMap Bindings::game(const KeyMapping& keys, const PadMapping& pad)
{
    ActionMap map;
    for (std::size_t i = 0; i < KeyMapping::KeyCount; ++i)
    {
        // The key mapping's order is the actions': four directions, launch (Fire), pause.
        static_assert(KeyMapping::LaunchIndex == static_cast<std::size_t>(Action::Fire) &&
                      KeyMapping::PauseIndex == static_cast<std::size_t>(Action::Pause));
        map.bind(static_cast<Action>(i), Input::key(static_cast<Key>(keys.getKey(i))));
    }
    bindPad(map, pad, false);
    return map;
}

ActionMap Bindings::paused(const KeyMapping& keys, const PadMapping& pad)
{
    ActionMap map = game(keys, pad);
    const ActionMap fixed = menus(pad);
    for (std::size_t i = 0; i < lib::input::ActionCount; ++i)
    {
        const auto action = static_cast<Action>(i);
        for (const Input& input : fixed.bindings(action))
        {
            if (map.actionFor(input) == Action::None)
                map.bind(action, input);
        }
    }
    return map;
}

ActionMap Bindings::naming(const PadMapping& pad)
{
    ActionMap map;
    bindArrows(map);
    map.bind(Action::Fire, Input::key(Key::Return));
    map.bind(Action::Back, Input::key(Key::Escape));
    map.bind(Action::Back, Input::mouseButton(sf::Mouse::Right));
    bindPad(map, pad, true);
    return map;
}

} // namespace bexil::controls
