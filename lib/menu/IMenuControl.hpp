#pragma once

#include "lib/scn/draw/RenderGroup.hpp"

#include <SFML/Window/Event.hpp>

#include <string>

namespace lib::menu
{

// A control on a menu page: a group of nodes that reacts to the keys its page hands it.
// Every control of the active page sees every key; there is no focus.
class IMenuControl : public lib::scn::draw::RenderGroup
{
public:
    explicit IMenuControl(const std::string& name)
        : RenderGroup(name)
    {
    }
    ~IMenuControl() override = default;

    virtual void onKeyPressed(sf::Event::KeyEvent key) = 0;
    virtual void onKeyReleased(sf::Event::KeyEvent key) = 0;
};

} // namespace lib::menu
