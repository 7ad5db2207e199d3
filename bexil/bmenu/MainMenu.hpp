#pragma once

#include "bexil/bmenu/MenuPage.hpp"

#include <memory>

namespace lib::scn::draw
{
class Renderizable;
}

namespace bexil::bmenu
{

// The menu scene's first page: "Play token mode" and "Play time mode" record the game mode in
// ":NextGame" and open the start level page, "High scores", "How to play" and "Options" open
// their pages, "Exit" ends the program after the current frame. Under the lines the title
// screen's "Press Enter" breathes slowly.
class MainMenu : public MenuPage
{
public:
    MainMenu();

    void onCreate() override;
    void onShow() override;
    void update() override;

private:
    void chooseOption(unsigned int index);

    std::shared_ptr<lib::scn::draw::Renderizable> m_pressEnter;
};

} // namespace bexil::bmenu
