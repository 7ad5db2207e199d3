#pragma once

#include "bexil/bmenu/MenuPage.hpp"
#include "lib/Configuration.hpp"

namespace bexil::bmenu
{

// The menu scene's first page: "Play token mode" and "Play time mode" record the game mode in
// ":NextGame" and open the start level page, "Options" opens the options page, "Exit" ends the
// program after the current frame.
class MainMenu : public MenuPage
{
public:
    MainMenu();
    ~MainMenu() override;

    void onCreate() override;

private:
    void chooseOption(unsigned int index);

    lib::Configuration m_nextGameConfig;
};

} // namespace bexil::bmenu
