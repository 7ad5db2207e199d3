#include "bexil/bmenu/StartLevelMenu.hpp"

#include "bexil/Settings.hpp"
#include "lib/menu/ChooseControl.hpp"
#include "lib/menu/CursorDescriptor.hpp"
#include "lib/menu/MenuManager.hpp"
#include "lib/menu/OptionDescriptor.hpp"
#include "lib/scn/ResourceManager.hpp"
#include "lib/scn/SceneManager.hpp"

#include <cassert>
#include <string>

namespace bexil::bmenu
{

namespace
{

constexpr unsigned int LevelCount = 20;
constexpr unsigned int StartLevelOption = 0;

} // namespace

StartLevelMenu::StartLevelMenu()
    : MenuStep("StartLevelMenu")
    , lib::Configuration(Settings::ConfigFile)
    , m_nextGameConfig(Settings::NextGameTable)
{
}

StartLevelMenu::~StartLevelMenu() = default;

void StartLevelMenu::onCreate()
{
    auto* manager = dynamic_cast<lib::menu::MenuManager*>(parent());
    assert(manager != nullptr && manager->sceneManager() != nullptr);

    auto cursor = std::make_shared<lib::menu::CursorDescriptor>();
    cursor->pointCount = 3;
    cursor->size = sf::Vector2f(70.f, 70.f);
    cursor->color = sf::Color::Red;

    auto level = std::make_shared<lib::menu::OptionDescriptor>();
    level->text = "Start level: ";
    for (unsigned int number = 1; number <= LevelCount; ++number)
        level->subOptions.push_back(std::to_string(number));
    auto back = std::make_shared<lib::menu::OptionDescriptor>();
    back->text = "Back";

    m_chooseControl = std::make_shared<lib::menu::ChooseControl>(
        "optionsmenu_chooseControl", sf::Color::Blue, sf::Color::Red,
        lib::scn::draw::Alignment::Left, 70, 1.f,
        std::vector<std::shared_ptr<lib::menu::OptionDescriptor>>{level, back},
        manager->sceneManager()->resourceManager()->getResource("game_menu.mainFont"),
        [this](unsigned int index, lib::menu::ChooseControl& control)
        { chooseOption(index, control); },
        cursor);
    addMenuControl(m_chooseControl);
    m_chooseControl->setPosition(100.f, 700.f);
}

void StartLevelMenu::chooseOption(unsigned int index, lib::menu::ChooseControl& control)
{
    auto* manager = dynamic_cast<lib::menu::MenuManager*>(parent());
    assert(manager != nullptr);
    if (index == StartLevelOption)
    {
        lib::menu::ChooseControl::OptionModel& level = control.options[StartLevelOption];
        Settings::StartLevel.store(m_nextGameConfig, static_cast<int>(level.selectedSubOption));
        // The next visit offers level 1 again.
        level.selectedSubOption = 0;
        control.updateSubOptionText(StartLevelOption);
        manager->sceneManager()->changeScene("GameScene");
    }
    else
    {
        manager->changeStep("MainMenu");
    }
}

} // namespace bexil::bmenu
