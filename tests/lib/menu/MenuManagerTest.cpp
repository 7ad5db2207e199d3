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

// Writes "name+code" for a press and "name-code" for a release, then runs onPress.
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
        if (onPress)
            onPress();
    }
    void onKeyReleased(sf::Event::KeyEvent key) override
    {
        log.push_back(name() + "-" + std::to_string(key.code));
    }

    Journal& log;
    std::function<void()> onPress;
};

class JournalPage : public lib::menu::MenuStep
{
public:
    using MenuStep::MenuStep;
    void onCreate() override
    {
        ++created;
        for (const auto& control : pending)
            addMenuControl(control);
    }

    std::vector<std::shared_ptr<JournalControl>> pending;
    int created = 0;
};

class MenuManagerTest : public ::testing::Test
{
protected:
    std::shared_ptr<JournalPage> add(const std::string& name, std::vector<std::string> controls)
    {
        auto page = std::make_shared<JournalPage>(name);
        for (const std::string& control : controls)
            page->pending.push_back(std::make_shared<JournalControl>(control, journal));
        menu.addMenuStep(page);
        return page;
    }
    std::vector<bool> visibility() const
    {
        std::vector<bool> flags;
        for (const auto& page : menu.steps())
            flags.push_back(page->isVisible());
        return flags;
    }
    void press(sf::Keyboard::Key code) { menu.onKeyPressed(bexil::test::keyEvent(code)); }

    Journal journal;
    bexil::test::StubScene<lib::menu::MenuManager> menu{"TestMenu"};
};

TEST_F(MenuManagerTest, PagesAreBuiltOnceAndShownOneAtATimeByName)
{
    auto mainPage = add("MainMenu", {"a"});
    auto options = add("OptionsMenu", {});
    add("Twin", {});
    auto twin = add("Twin", {});
    EXPECT_EQ((std::vector<bool>{true, true, true, true}), visibility()) << "before any change";
    press(sf::Keyboard::Down);
    EXPECT_TRUE(journal.empty()) << "no page is active yet";

    menu.changeStep("OptionsMenu");
    EXPECT_EQ(options, menu.activeStep());
    EXPECT_EQ((std::vector<bool>{false, true, false, false}), visibility());
    menu.changeStep("optionsmenu");
    EXPECT_EQ(options, menu.activeStep()) << "unknown names change nothing";
    menu.changeStep("Twin");
    EXPECT_EQ(twin, menu.activeStep()) << "of two pages with one name, the later";
    EXPECT_EQ((std::vector<bool>{false, false, false, true}), visibility());
    EXPECT_EQ(1, mainPage->created) << "built when added, never again";
}

TEST_F(MenuManagerTest, KeysGoToEveryControlOfTheActivePageWhichFinishesAKeyThatChangesIt)
{
    auto mainPage = add("MainMenu", {"first", "second"});
    add("OptionsMenu", {"other"});
    menu.changeStep("MainMenu");
    menu.onKeyReleased(bexil::test::keyEvent(sf::Keyboard::Up));
    EXPECT_EQ((Journal{"first-73", "second-73"}), journal);

    journal.clear();
    mainPage->pending[0]->onPress = [this] { menu.changeStep("OptionsMenu"); };
    press(sf::Keyboard::Return);
    EXPECT_EQ((Journal{"first+58", "second+58"}), journal) << "the new page misses that key";
    press(sf::Keyboard::Down);
    EXPECT_EQ("other+74", journal.back());
}

} // namespace
