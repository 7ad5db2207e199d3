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

// The menu scene's first page: "Play token mode" and "Play time mode" record the game mode in
// ":NextGame" and open the start level page, "Options" opens the options page, "Exit" ends the
// program after the current frame.
class MainMenu : public lib::menu::MenuStep
{
public:
    MainMenu();
    ~MainMenu() override;

    void onCreate() override;

    const std::shared_ptr<lib::menu::ChooseControl>& chooseControl() const
    {
        return m_chooseControl;
    }

private:
    void chooseOption(unsigned int index);

    lib::Configuration m_nextGameConfig;
    std::shared_ptr<lib::menu::ChooseControl> m_chooseControl;
};

} // namespace bexil::bmenu
