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

// What every control below noted; emptied for each test.
Journal journal;

// Notes "name+code" for a press, then runs its action, and "name-code" for a release.
class JournalControl : public lib::menu::IMenuControl
{
public:
    using IMenuControl::IMenuControl;
    void onKeyPressed(sf::Event::KeyEvent key) override
    {
        journal.push_back(name() + "+" + std::to_string(key.code));
        action();
    }
    void onKeyReleased(sf::Event::KeyEvent key) override
    {
        journal.push_back(name() + "-" + std::to_string(key.code));
    }

    std::function<void()> action = [] {};
};

class CountingPage : public lib::menu::MenuStep
{
public:
    using MenuStep::MenuStep;
    void onCreate() override { ++created; }

    int created = 0;
};

// Pages "MainMenu" (controls "first" and "second"), "OptionsMenu" ("other"), "Twin", "Twin".
class MenuManagerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        journal.clear();
        for (const char* name : {"MainMenu", "OptionsMenu", "Twin", "Twin"})
        {
            pages.push_back(std::make_shared<CountingPage>(name));
            menu.addMenuStep(pages.back());
        }
        for (const auto& [page, name] : {std::pair(0, "first"), {0, "second"}, {1, "other"}})
        {
            controls.push_back(std::make_shared<JournalControl>(name));
            pages[static_cast<std::size_t>(page)]->addMenuControl(controls.back());
        }
    }
    // "1" for a visible page, "0" for a hidden one, in the order they were added.
    std::string visibility() const
    {
        std::string flags;
        for (const auto& page : pages)
            flags += page->isVisible() ? "1" : "0";
        return flags;
    }
    void press(sf::Keyboard::Key code) { menu.onKeyPressed(bexil::test::keyEvent(code)); }

    bexil::test::StubScene<lib::menu::MenuManager> menu{"TestMenu"};
    std::vector<std::shared_ptr<CountingPage>> pages;
    std::vector<std::shared_ptr<JournalControl>> controls;
};

TEST_F(MenuManagerTest, PagesAreBuiltOnceKnowTheirManagerAndAreShownOneAtATimeByName)
{
    EXPECT_EQ("1111", visibility()) << "before any change";
    press(sf::Keyboard::Down);
    EXPECT_TRUE(journal.empty()) << "no page is active yet";

    menu.changeStep("OptionsMenu");
    EXPECT_EQ("0100", visibility());
    menu.changeStep("optionsmenu");
    EXPECT_EQ(pages[1], menu.activeStep()) << "unknown names change nothing";
    menu.changeStep("Twin");
    EXPECT_EQ("0001", visibility()) << "of two pages with one name, the later";
    EXPECT_EQ(pages[3], menu.activeStep());
    EXPECT_EQ(1, pages[0]->created) << "built when added, never again";
    EXPECT_EQ(&menu, &pages[3]->manager());
}

TEST_F(MenuManagerTest, KeysGoToEveryControlOfTheActivePageWhichFinishesAKeyThatChangesIt)
{
    menu.changeStep("MainMenu");
    menu.onKeyReleased(bexil::test::keyEvent(sf::Keyboard::Up));
    controls[0]->action = [this] { menu.changeStep("OptionsMenu"); };
    press(sf::Keyboard::Return);
    press(sf::Keyboard::Down);
    EXPECT_EQ((Journal{"first-73", "second-73", "first+58", "second+58", "other+74"}), journal)
        << "the new page misses the key that opened it";
}

} // namespace
