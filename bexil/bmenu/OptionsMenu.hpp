#pragma once

#include "lib/Configuration.hpp"
#include "lib/menu/MenuStep.hpp"

#include <SFML/Window/VideoMode.hpp>

#include <memory>
#include <vector>

namespace lib::menu
{
class ChooseControl;
}

namespace bexil::bmenu
{

// The window settings read at start-up: antialiasing, resolution (one value per full-screen
// mode of the display), full screen and vertical sync, plus the way to the key redefinition
// page. Values change on screen only; "Accept" writes them to config.cfg at once (they take
// effect at the next start), "Cancel" shows what config.cfg holds again.
class OptionsMenu : public lib::menu::MenuStep, public lib::Configuration
{
public:
    OptionsMenu();
    ~OptionsMenu() override;

    void onCreate() override;
    // What Space or Return on the option of that index does.
    void chooseOption(unsigned int index, lib::menu::ChooseControl& control);
    // Shows the stored "GraphicsLevel", resolution, "Fullscreen" and "VSync". A stored value
    // that is not one of its option's values shows the option's first value.
    void updateOptionsFromConfig();

    const std::shared_ptr<lib::menu::ChooseControl>& chooseControl() const
    {
        return m_chooseControl;
    }

protected:
    // The display's full-screen modes, asked again whenever needed; the resolution values
    // follow their order.
    virtual std::vector<sf::VideoMode> fullscreenModes() const;

private:
    sf::VideoMode storedMode() const;

    std::shared_ptr<lib::menu::ChooseControl> m_chooseControl;
};

} // namespace bexil::bmenu
