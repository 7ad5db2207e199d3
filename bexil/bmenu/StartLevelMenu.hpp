#pragma once

#include "bexil/bmenu/MenuPage.hpp"
#include "lib/Configuration.hpp"

namespace bexil::bmenu
{

// The page shown after a game mode is picked: "Start level: " with the levels "1" to "20"
// records the chosen level in ":NextGame" and starts the game scene; "Back" returns to the
// main menu, as Back does.
class StartLevelMenu : public MenuPage, public lib::Configuration
{
public:
    StartLevelMenu();
    ~StartLevelMenu() override;

    void onCreate() override;
    // As "Back".
    void onBack() override;

private:
    void chooseOption(unsigned int index);

    lib::Configuration m_nextGameConfig;
};

} // namespace bexil::bmenu
