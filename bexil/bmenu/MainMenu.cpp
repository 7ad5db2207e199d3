#include "bexil/bmenu/MainMenu.hpp"

#include "bexil/GameScene.hpp"
#include "bexil/Settings.hpp"
#include "lib/core/Window.hpp"
#include "lib/menu/ChooseControl.hpp"
#include "lib/menu/CursorDescriptor.hpp"
#include "lib/menu/MenuManager.hpp"
#include "lib/menu/OptionDescriptor.hpp"
#include "lib/scn/ResourceManager.hpp"
#include "lib/scn/SceneManager.hpp"

#include <cassert>

namespace bexil::bmenu
{

namespace
{

enum Option : unsigned int
{
    PlayTokenMode = 0,
    PlayTimeMode = 1,
    Options = 2
};

std::shared_ptr<lib::menu::OptionDescriptor> plainOption(const std::string& text)
{
    auto option = std::make_shared<lib::menu::OptionDescriptor>();
    option->text = text;
    return option;
}

} // namespace

MainMenu::MainMenu()
    : MenuStep("MainMenu")
    , m_nextGameConfig(Settings::NextGameTable)
{
}

MainMenu::~MainMenu() = default;

void MainMenu::onCreate()
{
    auto* manager = dynamic_cast<lib::menu::MenuManager*>(parent());
    assert(manager != nullptr && manager->sceneManager() != nullptr && manager->view());

    auto cursor = std::make_shared<lib::menu::CursorDescriptor>();
    cursor->pointCount = 3;
    cursor->size = sf::Vector2f(90.f, 90.f);
    cursor->color = sf::Color::Red;

    std::vector<std::shared_ptr<lib::menu::OptionDescriptor>> options{
        plainOption("Play token mode"), plainOption("Play time mode"), plainOption("Options"),
        plainOption("Exit")};

    m_chooseControl = std::make_shared<lib::menu::ChooseControl>(
        "mainmenu_chooseControl", sf::Color::Blue, sf::Color::Red,
        lib::scn::draw::Alignment::Center, 90, 1.f, std::move(options),
        manager->sceneManager()->resourceManager()->getResource("game_menu.mainFont"),
        [this](unsigned int index, lib::menu::ChooseControl&) { chooseOption(index); }, cursor);
    addMenuControl(m_chooseControl);
    m_chooseControl->setPosition(manager->view()->getSize().x * 0.5f, 700.f);
}

void MainMenu::chooseOption(unsigned int index)
{
    auto* manager = dynamic_cast<lib::menu::MenuManager*>(parent());
    assert(manager != nullptr);
    switch (index)
    {
    case PlayTokenMode:
        Settings::GameMode.store(m_nextGameConfig, GameScene::TokenMode);
        manager->changeStep("StartLevelMenu");
        break;
    case PlayTimeMode:
        Settings::GameMode.store(m_nextGameConfig, GameScene::TimeMode);
        manager->changeStep("StartLevelMenu");
        break;
    case Options:
        manager->changeStep("OptionsMenu");
        break;
    default:
        manager->sceneManager()->window()->exitProgram();
        break;
    }
}

} // namespace bexil::bmenu
