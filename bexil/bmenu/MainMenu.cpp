#include "bexil/bmenu/MainMenu.hpp"

#include "bexil/GameScene.hpp"
#include "bexil/settings/Settings.hpp"
#include "lib/Configuration.hpp"
#include "lib/Translation.hpp"
#include "lib/core/Window.hpp"
#include "lib/menu/MenuManager.hpp"
#include "lib/scn/SceneManager.hpp"

#include <cassert>

namespace bexil::bmenu
{

namespace
{

// The lines in their order on screen; Exit is the last.
enum Option : unsigned int
{
    PlayTokenMode,
    PlayTimeMode,
    HighScores,
    HowToPlay,
    Options,
    Exit
};

} // namespace

MainMenu::MainMenu()
    : MenuPage("MainMenu")
{
}

void MainMenu::onCreate()
{
    assert(manager().view() != nullptr);
    const Layout centred{
        90, lib::scn::draw::Alignment::Center, {manager().view()->getSize().x * 0.5f, 700.f}};
    using lib::Translation;
    addChooseControl(
        "mainmenu_chooseControl", centred,
        {option(Translation::mark("Play token mode")), option(Translation::mark("Play time mode")),
         option(Translation::mark("High scores")), option(Translation::mark("How to play")),
         option(Translation::mark("Options")), option(Translation::mark("Exit"))},
        [this](unsigned int index) { chooseOption(index); });
}

void MainMenu::chooseOption(unsigned int index)
{
    lib::Configuration nextGame(settings::Settings::NextGameTable);
    switch (index)
    {
    case PlayTokenMode:
        settings::Settings::GameMode.store(nextGame, GameScene::TokenMode);
        manager().changeStep("StartLevelMenu");
        break;
    case PlayTimeMode:
        settings::Settings::GameMode.store(nextGame, GameScene::TimeMode);
        manager().changeStep("StartLevelMenu");
        break;
    case HighScores:
        manager().changeStep("HighScoresMenu");
        break;
    case HowToPlay:
        manager().changeStep("HowToPlayMenu");
        break;
    case Options:
        manager().changeStep("OptionsMenu");
        break;
    default:
        manager().sceneManager()->window()->exitProgram();
        break;
    }
}

} // namespace bexil::bmenu
