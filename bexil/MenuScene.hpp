#pragma once

#include "bexil/KeyMapping.hpp"
#include "lib/Clock.hpp"
#include "lib/menu/MenuManager.hpp"

#include <memory>

namespace lib::scn
{
class Resource;
}

namespace lib::scn::draw
{
class Renderizable;
}

namespace bexil::bmenu
{
class DriftingTokens;
}

namespace bexil
{

// The scene "MenuScene": the title screen's picture covering the window undistorted (cropped to
// its shape), tokens drifting over it, the band the lines stand on, the logo, and the game's menu
// pages ("MainMenu", "OptionsMenu", "KeyRedefinitionMenu", "ControllerRedefinitionMenu",
// "StartLevelMenu", "HighScoresMenu", "HowToPlayMenu"), built once in onInit, with the menus'
// sounds. Its units stay square: the pages keep their proportions in the middle of any window,
// and the picture, the tokens and the band reach its edges. With the main menu the title shows
// the version in a corner. Entering the scene, at start and after every game, shows the main
// menu and starts the menus' music from its beginning. Each frame steps the active page. The
// menus hear the fixed menu keys, the pad and the mouse (controls::Bindings::menus), read again
// each time the scene is entered. After IdleBeforeDemo on the main menu without a press or a
// move of the pointer, the demo ("DemoScene") starts.
class MenuScene : public lib::menu::MenuManager, public KeyMapping
{
public:
    MenuScene();
    ~MenuScene() override;

    void onInit() override;
    void onDeinit() override;
    void onEnterScene() override;
    void onExitScene() override;
    void update() override;
    void onAction(const lib::input::ActionEvent& event) override;
    void onPointer(const lib::input::PointerEvent& event) override;
    void onResize() override;
    sf::Vector2f getDefaultSizeView() override;

    static constexpr float IdleBeforeDemo = 30.f; // seconds

private:
    // The picture, the tokens, the band and the title's texts over the part of the view the
    // window shows.
    void layout();

    lib::Clock m_sinceKey;
    std::shared_ptr<lib::scn::draw::Renderizable> m_logo;
    std::shared_ptr<lib::scn::draw::Renderizable> m_background;
    std::shared_ptr<lib::scn::draw::Renderizable> m_band;
    std::shared_ptr<bmenu::DriftingTokens> m_tokens;
    std::shared_ptr<lib::scn::draw::Renderizable> m_version; // shown with the main menu
    lib::scn::Resource* m_music = nullptr;                   // a track of the resources
};

} // namespace bexil
