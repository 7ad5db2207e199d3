#include "bexil/bmenu/StartLevelMenu.hpp"

#include "bexil/settings/Settings.hpp"
#include "lib/Translation.hpp"
#include "lib/menu/ChooseControl.hpp"
#include "lib/menu/MenuManager.hpp"
#include "lib/scn/SceneManager.hpp"

#include <string>
#include <vector>

namespace bexil::bmenu
{

namespace
{

constexpr unsigned int LevelCount = 20;
constexpr unsigned int StartLevelOption = 0;

} // namespace

StartLevelMenu::StartLevelMenu()
    : MenuPage("StartLevelMenu")
    , lib::Configuration(settings::Settings::ConfigFile)
    , m_nextGameConfig(settings::Settings::NextGameTable)
{
}

StartLevelMenu::~StartLevelMenu() = default;

void StartLevelMenu::onCreate()
{
    std::vector<std::string> levels;
    for (unsigned int number = 1; number <= LevelCount; ++number)
        levels.push_back(std::to_string(number));
    addChooseControl("optionsmenu_chooseControl", SideList,
                     {option(lib::Translation::mark("Start level: "), std::move(levels)),
                      option(lib::Translation::mark("Back"))},
                     [this](unsigned int index) { chooseOption(index); });
}

void StartLevelMenu::onBack()
{
    manager().changeStep("MainMenu");
}

void StartLevelMenu::chooseOption(unsigned int index)
{
    if (index != StartLevelOption)
    {
        onBack();
        return;
    }
    lib::menu::ChooseControl& control = *chooseControl();
    lib::menu::ChooseControl::OptionModel& level = control.options[StartLevelOption];
    settings::Settings::StartLevel.store(m_nextGameConfig,
                                         static_cast<int>(level.selectedSubOption));
    // The next visit offers level 1 again.
    level.selectedSubOption = 0;
    control.updateSubOptionText(StartLevelOption);
    manager().sceneManager()->changeScene("GameScene");
}

} // namespace bexil::bmenu
