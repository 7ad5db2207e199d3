#pragma once

#include "bexil/GameScene.hpp"
#include "bexil/computer/ComputerPlayer.hpp"
#include "lib/Clock.hpp"
#include "lib/input/Input.hpp"

#include <memory>

namespace bexil::computer
{

// The scene "DemoScene": a token game from the first level that the computer player plays,
// with "DEMO" over the board, and a hint of the key that brings the menu back. The menu scene
// starts it after a while without a key; any key or button returns to "MenuScene" at once, and so
// does the end of the game, a few seconds after GAME OVER. It sounds like any game: the game's
// effects and music, at the player's volumes. A demo reads its game from a table of its own and
// writes nothing: neither the player's settings nor a high score, which it never enters.
class DemoScene : public GameScene
{
public:
    DemoScene();
    ~DemoScene() override;

    void onInit() override;
    void onEnterScene() override;
    void update() override;
    void onAction(const lib::input::ActionEvent& event) override;
    // A demo plays on while nobody is looking, and without a pad.
    void onFocusLost() override;
    void onResize() override;
    void onJoystickDisconnected() override;

    static constexpr const char* SceneName = "DemoScene";

private:
    // "DEMO" in the board's bottom-left corner, which never holds a token.
    void placeDemoText();
    // "Press Space for the menu", in the names of the device last used (any key does).
    void showHint();

    ComputerPlayer m_computer;
    std::shared_ptr<lib::scn::draw::Renderizable> m_demoText;
    std::shared_ptr<lib::scn::draw::Renderizable> m_hint;
    lib::input::Device m_hintDevice = lib::input::Device::Keyboard;
    lib::Clock m_sinceGameOver;
    bool m_over = false;
};

} // namespace bexil::computer
