#include "lib/menu/MenuManager.hpp"

#include "lib/input/ActionEvent.hpp"
#include "lib/menu/IMenuControl.hpp"
#include "lib/menu/MenuStep.hpp"
#include "support/StubScene.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace
{

using Journal = std::vector<std::string>;

using lib::input::Action;

// Notes "name+action" for an action, then runs its function.
class JournalControl : public lib::menu::IMenuControl
{
public:
    JournalControl(const std::string& name, Journal& journal)
        : IMenuControl(name)
        , log(journal)
    {
    }
    void onAction(const lib::input::ActionEvent& event) override
    {
        log.push_back(name() + "+" + std::to_string(static_cast<int>(event.action)));
        action();
    }

    Journal& log;
    std::function<void()> action = [] {};
};

// Notes "name back" for Back.
class Page : public lib::menu::MenuStep
{
public:
    Page(const std::string& name, Journal& journal)
        : MenuStep(name)
        , log(journal)
    {
    }
    void onCreate() override {}
    void onBack() override { log.push_back(name() + " back"); }

    Journal& log;
};

lib::input::ActionEvent press(Action action, bool repeat = false)
{
    return {action, lib::input::Input::key(sf::Keyboard::A), repeat};
}

TEST(MenuManager, ShowsOnePageByNameWhoseControlsAllHearEveryActionButBackWhichGoesToThePage)
{
    Journal journal;
    bexil::test::StubScene<lib::menu::MenuManager> menu("TestMenu");
    const auto first = std::make_shared<Page>("MainMenu", journal);
    const auto second = std::make_shared<Page>("OptionsMenu", journal);
    const auto opener = std::make_shared<JournalControl>("opener", journal);
    menu.addMenuStep(first);
    menu.addMenuStep(second);
    first->addMenuControl(opener);
    first->addMenuControl(std::make_shared<JournalControl>("next", journal));
    second->addMenuControl(std::make_shared<JournalControl>("other", journal));
    menu.changeStep("MainMenu");
    EXPECT_TRUE(first->isVisible() && !second->isVisible());

    opener->action = [&menu] { menu.changeStep("OptionsMenu"); };
    menu.onAction(press(Action::Fire));
    menu.onAction(press(Action::Down));
    menu.onAction(press(Action::Back));
    menu.onAction(press(Action::Back, true));
    EXPECT_EQ((Journal{"opener+4", "next+4", "other+3", "OptionsMenu back"}), journal)
        << "the page that changes the page finishes the press, the new page misses it; a held "
           "Back goes back once";
    EXPECT_TRUE(!first->isVisible() && second->isVisible());
    menu.changeStep("optionsmenu");
    EXPECT_EQ(second, menu.activeStep()) << "unknown names change nothing";
    EXPECT_EQ(&menu, &second->manager());
}

} // namespace
