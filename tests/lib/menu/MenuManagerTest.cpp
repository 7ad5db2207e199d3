#include "lib/menu/MenuManager.hpp"

#include "lib/menu/IMenuControl.hpp"
#include "lib/menu/MenuStep.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace
{

using Journal = std::vector<std::string>;

// Writes "control.pressed:code" or "control.released:code" and may act on a press.
class JournalControl : public lib::menu::IMenuControl
{
public:
    JournalControl(const std::string& name, Journal& journal)
        : IMenuControl(name)
        , m_journal(journal)
    {
    }

    void onKeyPressed(sf::Event::KeyEvent key) override
    {
        m_journal.push_back(name() + ".pressed:" + std::to_string(key.code));
        if (onPress)
            onPress();
    }
    void onKeyReleased(sf::Event::KeyEvent key) override
    {
        m_journal.push_back(name() + ".released:" + std::to_string(key.code));
    }

    std::function<void()> onPress;

private:
    Journal& m_journal;
};

// A page whose onCreate adds the named controls.
class JournalPage : public lib::menu::MenuStep
{
public:
    JournalPage(const std::string& name, Journal& journal, std::vector<std::string> controls)
        : MenuStep(name)
        , m_journal(journal)
        , m_controlNames(std::move(controls))
    {
    }

    void onCreate() override
    {
        ++created;
        for (const std::string& control : m_controlNames)
            addMenuControl(std::make_shared<JournalControl>(control, m_journal));
    }

    JournalControl& control(std::size_t index)
    {
        return static_cast<JournalControl&>(*controls().at(index));
    }

    int created = 0;

private:
    Journal& m_journal;
    std::vector<std::string> m_controlNames;
};

class TestMenu : public lib::menu::MenuManager
{
public:
    TestMenu()
        : MenuManager("TestMenu")
    {
    }
    void onInit() override {}
    void onDeinit() override {}
    void onEnterScene() override {}
    void onExitScene() override {}
    void update() override {}
    sf::Vector2f getDefaultSizeView() override { return {2000, 2000}; }
};

sf::Event::KeyEvent key(sf::Keyboard::Key code)
{
    sf::Event::KeyEvent event{};
    event.code = code;
    return event;
}

class MenuManagerTest : public ::testing::Test
{
protected:
    std::shared_ptr<JournalPage> add(const std::string& name, std::vector<std::string> controls)
    {
        auto page = std::make_shared<JournalPage>(name, journal, std::move(controls));
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

    Journal journal;
    TestMenu menu;
};

TEST_F(MenuManagerTest, AddingBuildsThePageOnceAndLeavesEveryPageVisible)
{
    auto mainPage = add("MainMenu", {"a"});
    EXPECT_EQ(1, mainPage->created);
    EXPECT_EQ(&menu, mainPage->parent());
    EXPECT_EQ(mainPage.get(), mainPage->control(0).parent());
    auto options = add("OptionsMenu", {});
    EXPECT_EQ(1, mainPage->created);
    EXPECT_EQ(nullptr, menu.activeStep());
    EXPECT_EQ((std::vector<bool>{true, true}), visibility());
    ASSERT_EQ(2u, menu.children().size());
    EXPECT_EQ(options, menu.children().back());

    menu.onKeyPressed(key(sf::Keyboard::Down));
    EXPECT_TRUE(journal.empty()) << "no page is active yet";
}

TEST_F(MenuManagerTest, ChangeStepShowsOnlyTheNamedPageAndIgnoresUnknownNames)
{
    add("MainMenu", {});
    auto options = add("OptionsMenu", {});
    add("KeyRedefinitionMenu", {});
    add("StartLevelMenu", {});

    menu.changeStep("OptionsMenu");
    EXPECT_EQ(options, menu.activeStep());
    EXPECT_EQ((std::vector<bool>{false, true, false, false}), visibility());

    menu.changeStep("optionsmenu");
    menu.changeStep("Nowhere");
    EXPECT_EQ(options, menu.activeStep());
    EXPECT_EQ((std::vector<bool>{false, true, false, false}), visibility());

    menu.changeStep("OptionsMenu");
    EXPECT_EQ(options, menu.activeStep());
    EXPECT_TRUE(options->isVisible());
    EXPECT_EQ(1, options->created) << "showing a page builds nothing again";
}

TEST_F(MenuManagerTest, OfTwoPagesWithOneNameTheLaterWins)
{
    add("Twin", {});
    auto later = add("Twin", {});
    menu.changeStep("Twin");
    EXPECT_EQ(later, menu.activeStep());
    EXPECT_EQ((std::vector<bool>{false, true}), visibility());
}

TEST_F(MenuManagerTest, KeysReachEveryControlOfTheActivePageInOrder)
{
    add("MainMenu", {"first", "second"});
    add("OptionsMenu", {"other"});
    menu.changeStep("MainMenu");

    menu.onKeyPressed(key(sf::Keyboard::Down));
    menu.onKeyReleased(key(sf::Keyboard::Down));
    EXPECT_EQ((Journal{"first.pressed:74", "second.pressed:74", "first.released:74",
                       "second.released:74"}),
              journal);
}

TEST_F(MenuManagerTest, AControlThatChangesThePageLetsItsPageFinishTheKey)
{
    auto mainPage = add("MainMenu", {"first", "second"});
    auto options = add("OptionsMenu", {"other"});
    menu.changeStep("MainMenu");
    mainPage->control(0).onPress = [this] { menu.changeStep("OptionsMenu"); };

    menu.onKeyPressed(key(sf::Keyboard::Return));
    EXPECT_EQ((Journal{"first.pressed:58", "second.pressed:58"}), journal);
    EXPECT_EQ(options, menu.activeStep());

    journal.clear();
    menu.onKeyPressed(key(sf::Keyboard::Up));
    EXPECT_EQ((Journal{"other.pressed:73"}), journal);
}

} // namespace
