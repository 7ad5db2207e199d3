#pragma once

#include "bexil/bmenu/MenuPage.hpp"

namespace bexil::bmenu
{

// The menu scene's first page: "Play token mode" and "Play time mode" record the game mode in
// ":NextGame" and open the start level page, "High scores", "How to play" and "Options" open
// their pages, "Exit" ends the program after the current frame.
class MainMenu : public MenuPage
{
public:
    MainMenu();

    void onCreate() override;

private:
    void chooseOption(unsigned int index);
};

} // namespace bexil::bmenu
