#pragma once

#include "lib/Configuration.hpp"
#include "lib/menu/MenuStep.hpp"

#include <memory>

namespace lib::menu
{
class ChooseControl;
}

namespace bexil::bmenu
{

// The page shown after a game mode is picked: "Start level: " with the levels "1" to "20"
// records the chosen level in ":NextGame" and starts the game scene; "Back" returns to the
// main menu.
class StartLevelMenu : public lib::menu::MenuStep, public lib::Configuration
{
public:
    StartLevelMenu();
    ~StartLevelMenu() override;

    void onCreate() override;

    const std::shared_ptr<lib::menu::ChooseControl>& chooseControl() const
    {
        return m_chooseControl;
    }

private:
    void chooseOption(unsigned int index, lib::menu::ChooseControl& control);

    lib::Configuration m_nextGameConfig;
    std::shared_ptr<lib::menu::ChooseControl> m_chooseControl;
};

} // namespace bexil::bmenu
