#include "lib/menu/MenuManager.hpp"

#include "lib/menu/IMenuControl.hpp"
#include "lib/menu/MenuStep.hpp"
#include "support/StubScene.hpp"
#include "support/TestWindow.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace
{

using Journal = std::vector<std::string>;

// Notes "name+code" for a press, then runs its action, and "name-code" for a release.
class JournalControl : public lib::menu::IMenuControl
{
public:
    JournalControl(const std::string& name, Journal& journal)
        : IMenuControl(name)
        , log(journal)
    {
    }
    void onKeyPressed(sf::Event::KeyEvent key) override
    {
        log.push_back(name() + "+" + std::to_string(key.code));
        action();
    }
    void onKeyReleased(sf::Event::KeyEvent key) override
    {
        log.push_back(name() + "-" + std::to_string(key.code));
    }

    Journal& log;
    std::function<void()> action = [] {};
};

class Page : public lib::menu::MenuStep
{
public:
    using MenuStep::MenuStep;
    void onCreate() override {}
};

TEST(MenuManager, ShowsOnePageByNameWhoseControlsAllGetEveryKeyTheyDoNotChangeThePageWith)
{
    Journal journal;
    bexil::test::StubScene<lib::menu::MenuManager> menu("TestMenu");
    const auto first = std::make_shared<Page>("MainMenu");
    const auto second = std::make_shared<Page>("OptionsMenu");
    const auto opener = std::make_shared<JournalControl>("opener", journal);
    menu.addMenuStep(first);
    menu.addMenuStep(second);
    first->addMenuControl(opener);
    first->addMenuControl(std::make_shared<JournalControl>("next", journal));
    second->addMenuControl(std::make_shared<JournalControl>("other", journal));
    menu.changeStep("MainMenu");
    EXPECT_TRUE(first->isVisible() && !second->isVisible());

    opener->action = [&menu] { menu.changeStep("OptionsMenu"); };
    menu.onKeyReleased(bexil::test::keyEvent(sf::Keyboard::Up));
    menu.onKeyPressed(bexil::test::keyEvent(sf::Keyboard::Return));
    menu.onKeyPressed(bexil::test::keyEvent(sf::Keyboard::Down));
    EXPECT_EQ((Journal{"opener-73", "next-73", "opener+58", "next+58", "other+74"}), journal)
        << "the page that changes the page finishes the key, the new page misses it";
    EXPECT_TRUE(!first->isVisible() && second->isVisible());
    menu.changeStep("optionsmenu");
    EXPECT_EQ(second, menu.activeStep()) << "unknown names change nothing";
    EXPECT_EQ(&menu, &second->manager());
}

} // namespace
