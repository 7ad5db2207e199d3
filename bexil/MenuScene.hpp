#pragma once

#include "bexil/KeyMapping.hpp"
#include "lib/menu/MenuManager.hpp"

#include <memory>

namespace sf
{
class Music;
}

namespace lib::scn::draw
{
class Renderizable;
}

namespace bexil
{

// The scene "MenuScene": a full-view background, the logo, and the game's five menu pages
// ("MainMenu", "OptionsMenu", "KeyRedefinitionMenu", "StartLevelMenu", "HighScoresMenu"),
// built once in onInit, with the menus' sounds. Entering the scene, at start and after every
// game, shows the main menu and starts the menus' music from its beginning.
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
    sf::Vector2f getDefaultSizeView() override;

private:
    std::shared_ptr<lib::scn::draw::Renderizable> m_logo;
    std::shared_ptr<lib::scn::draw::Renderizable> m_background;
    sf::Music* m_music = nullptr;
};

} // namespace bexil
