#pragma once

#include "bexil/KeyMapping.hpp"
#include "bexil/bmenu/MenuPage.hpp"
#include "lib/Clock.hpp"
#include "lib/input/ActionMap.hpp"

#include <memory>
#include <vector>

namespace lib::scn
{
class SceneManager;
}

namespace lib::scn::draw
{
class Renderizable;
}

namespace bexil
{
class GameScene;
}

namespace bexil::computer
{
class ComputerPlayer;
}

namespace bexil::bmenu
{

// The page "HowToPlayMenu": a few short lines on the goal, the player's own keys or pad buttons
// (as bound when the page is shown, of the device last used), launching, runs and swaps, levels and
// the two modes; beside them a small board where the computer player plays a token game, started
// afresh each time the page is shown and after each game over. "Back" returns to the main menu.
//
// The small board is a game scene of its own, run by a scene manager without a window that
// shares the menu's resources, and drawn as a child of this page. It is silent: a page of the
// menus keeps the menus' music, and effects of a game nobody plays would only distract.
class HowToPlayMenu : public MenuPage
{
public:
    HowToPlayMenu();
    ~HowToPlayMenu() override;

    void onCreate() override;
    // Names the keys as now bound and starts a new game on the small board.
    void onShow() override;
    // Steps the small board's game and its player.
    void update() override;
    void onBack() override;

    const std::shared_ptr<GameScene>& board() const { return m_board; }

private:
    void writeLines();
    void newGame();

    KeyMapping m_keys;
    lib::input::ActionMap m_actions; // the game's, for the names of its inputs
    lib::input::Device m_device = lib::input::Device::Keyboard; // the lines name its inputs
    std::vector<std::shared_ptr<lib::scn::draw::Renderizable>> m_lines;
    std::unique_ptr<lib::scn::SceneManager> m_boardManager;
    std::shared_ptr<GameScene> m_board;
    std::unique_ptr<computer::ComputerPlayer> m_computer;
    lib::Clock m_sinceGameOver;
    bool m_over = false;
};

} // namespace bexil::bmenu
