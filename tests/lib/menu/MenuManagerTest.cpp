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
        note("+", key);
        action();
    }
    void onKeyReleased(sf::Event::KeyEvent key) override { note("-", key); }
    void note(const char* kind, sf::Event::KeyEvent key)
    {
        log.push_back(name() + kind + std::to_string(key.code));
    }

    Journal& log;
    std::function<void()> action = [] {};
};

class CountingPage : public lib::menu::MenuStep
{
public:
    using MenuStep::MenuStep;
    void onCreate() override { ++created; }

    int created = 0;
};

class MenuManagerTest : public ::testing::Test
{
protected:
    std::shared_ptr<CountingPage> add(const std::string& name, std::vector<std::string> controls)
    {
        auto page = std::make_shared<CountingPage>(name);
        menu.addMenuStep(page);
        for (const std::string& control : controls)
            page->addMenuControl(std::make_shared<JournalControl>(control, journal));
        return page;
    }
    // "1" for a visible page, "0" for a hidden one, in the order they were added.
    std::string visibility() const
    {
        std::string flags;
        for (const auto& page : menu.steps())
            flags += page->isVisible() ? "1" : "0";
        return flags;
    }
    void press(sf::Keyboard::Key code) { menu.onKeyPressed(bexil::test::keyEvent(code)); }

    Journal journal;
    bexil::test::StubScene<lib::menu::MenuManager> menu{"TestMenu"};
};

TEST_F(MenuManagerTest, PagesAreBuiltOnceKnowTheirManagerAndAreShownOneAtATimeByName)
{
    auto mainPage = add("MainMenu", {"a"});
    auto options = add("OptionsMenu", {});
    add("Twin", {});
    auto twin = add("Twin", {});
    EXPECT_EQ("1111", visibility()) << "before any change";
    press(sf::Keyboard::Down);
    EXPECT_TRUE(journal.empty()) << "no page is active yet";

    menu.changeStep("OptionsMenu");
    EXPECT_EQ(options, menu.activeStep());
    EXPECT_EQ("0100", visibility());
    menu.changeStep("optionsmenu");
    EXPECT_EQ(options, menu.activeStep()) << "unknown names change nothing";
    menu.changeStep("Twin");
    EXPECT_EQ(twin, menu.activeStep()) << "of two pages with one name, the later";
    EXPECT_EQ("0001", visibility());
    EXPECT_EQ(1, mainPage->created) << "built when added, never again";
    EXPECT_EQ(&menu, &twin->manager());
}

TEST_F(MenuManagerTest, KeysGoToEveryControlOfTheActivePageWhichFinishesAKeyThatChangesIt)
{
    auto mainPage = add("MainMenu", {"first", "second"});
    add("OptionsMenu", {"other"});
    menu.changeStep("MainMenu");
    menu.onKeyReleased(bexil::test::keyEvent(sf::Keyboard::Up));
    EXPECT_EQ((Journal{"first-73", "second-73"}), journal);

    journal.clear();
    static_cast<JournalControl&>(*mainPage->controls()[0]).action = [this]
    { menu.changeStep("OptionsMenu"); };
    press(sf::Keyboard::Return);
    EXPECT_EQ((Journal{"first+58", "second+58"}), journal) << "the new page misses that key";
    press(sf::Keyboard::Down);
    EXPECT_EQ("other+74", journal.back());
}

} // namespace
