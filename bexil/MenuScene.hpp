#pragma once

#include "bexil/KeyMapping.hpp"
#include "lib/menu/MenuManager.hpp"

#include <memory>

namespace lib::scn::draw
{
class Renderizable;
}

namespace bexil
{

// The scene "MenuScene": a full-view background, the logo, and the game's five menu pages
// ("MainMenu", "OptionsMenu", "KeyRedefinitionMenu", "StartLevelMenu", "HighScoresMenu"),
// built once in onInit.
// Entering the scene, at start and after every game, shows the main menu.
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
};

} // namespace bexil
