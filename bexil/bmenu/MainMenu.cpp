#include "bexil/bmenu/MainMenu.hpp"

#include "bexil/GameScene.hpp"
#include "bexil/controls/InputNames.hpp"
#include "bexil/settings/Settings.hpp"
#include "lib/Clock.hpp"
#include "lib/Configuration.hpp"
#include "lib/Translation.hpp"
#include "lib/core/Window.hpp"
#include "lib/menu/MenuManager.hpp"
#include "lib/scn/SceneManager.hpp"
#include "lib/scn/draw/Renderizable.hpp"

#include <SFML/Graphics/Text.hpp>

#include <cassert>
#include <cmath>

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

const sf::Vector2f PressEnterCentre(1000.f, 1480.f);
constexpr unsigned int PressEnterSize = 70;
// One slow breath of "Press Enter".
constexpr float PulseSeconds = 2.4f;

} // namespace

MainMenu::MainMenu()
    : MenuPage("MainMenu")
{
}

void MainMenu::onCreate()
{
    assert(manager().view() != nullptr);
    const Layout centred{
        90, lib::scn::draw::Alignment::Center, {manager().view()->getCenter().x, 700.f}};
    using lib::Translation;
    addChooseControl(
        "mainmenu_chooseControl", centred,
        {option(Translation::mark("Play token mode")), option(Translation::mark("Play time mode")),
         option(Translation::mark("High scores")), option(Translation::mark("How to play")),
         option(Translation::mark("Options")), option(Translation::mark("Exit"))},
        [this](unsigned int index) { chooseOption(index); });
    m_pressEnter = createText("pressEnter");
    sf::Text& text = *m_pressEnter->getAsText();
    text.setFont(menuFont());
    text.setCharacterSize(PressEnterSize);
    text.setOutlineColor(sf::Color(14, 10, 30));
    text.setOutlineThickness(static_cast<float>(PressEnterSize) * 0.06f);
}

void MainMenu::onShow()
{
    MenuPage::onShow();
    writePressEnter();
}

void MainMenu::writePressEnter()
{
    m_device = manager().sceneManager()->input().lastDevice();
    // TRANSLATORS: under the main menu; %s is the key or the pad's button that chooses ("Return",
    // "A").
    m_pressEnter->getAsText()->setString(lib::Translation::toScreen(lib::Translation::format(
        lib::Translation::tr("Press %s"),
        {controls::InputNames::hint(manager().actionMap(), lib::input::Action::Fire, m_device)})));
    m_pressEnter->setPositionWithAlignment(PressEnterCentre, lib::scn::draw::Alignment::Center);
}

void MainMenu::update()
{
    if (manager().sceneManager()->input().lastDevice() != m_device)
        writePressEnter();
    const float breath = std::sin(lib::Clock::now().asSeconds() / PulseSeconds * 6.2831853f);
    m_pressEnter->setColor(sf::Color(255, 255, 255, static_cast<sf::Uint8>(190.f + 65.f * breath)));
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
