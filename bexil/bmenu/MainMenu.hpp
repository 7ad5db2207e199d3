#pragma once

#include "bexil/bmenu/MenuPage.hpp"
#include "lib/input/Input.hpp"

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
// screen's "Press Return" breathes slowly, naming the key or the pad's button that chooses.
class MainMenu : public MenuPage
{
public:
    MainMenu();

    void onCreate() override;
    void onShow() override;
    void update() override;

private:
    void chooseOption(unsigned int index);
    // "Press Return", or the button of the pad when it was used last.
    void writePressEnter();

    std::shared_ptr<lib::scn::draw::Renderizable> m_pressEnter;
    lib::input::Device m_device{};
};

} // namespace bexil::bmenu
