#include "lib/scn/SceneManager.hpp"

#include "lib/core/Window.hpp"
#include "support/Printers.hpp"
#include "support/StubScene.hpp"
#include "support/TestWindow.hpp"
#include "support/XEvents.hpp"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using Journal = std::vector<std::string>;

namespace
{

class SceneManagerTest : public ::testing::Test
{
protected:
    void open(const std::vector<std::pair<std::string, sf::Vector2f>>& namesAndViews)
    {
        for (const auto& [name, view] : namesAndViews)
            scenes.push_back(std::make_shared<bexil::test::StubScene<>>(name, &journal, view));
        controller = bexil::test::openTestWindow({scenes.begin(), scenes.end()});
    }
    lib::scn::SceneManager& manager() { return *controller->window()->sceneManager(); }
    // Runs that many frames and returns what the scenes did since the last look.
    Journal happened(int count = 0)
    {
        for (int i = 0; i < count; ++i)
            controller->window()->loopStep();
        return std::exchange(journal, {});
    }

    Journal journal;
    std::vector<std::shared_ptr<bexil::test::StubScene<>>> scenes;
    std::unique_ptr<bexil::test::TestController> controller;
};

} // namespace

TEST_F(SceneManagerTest, ScenesInitEnterOnTheFirstFrameSwitchAfterTheirHookOrASwitchAndDeinit)
{
    open({{"Menu", {2000, 2000}}, {"Game", {400, 100}}, {"Over", {2000, 2000}}});
    EXPECT_EQ((Journal{"Menu.init", "Game.init", "Over.init", "Menu.enter", "Menu.update"}),
              happened(2));
    scenes[1]->enter = [this] { manager().changeScene("Over"); };
    manager().changeScene("Game");
    EXPECT_EQ((Journal{"Menu.exit", "Game.enter"}), happened());
    EXPECT_EQ(scenes[1], manager().currentScene());
    const sf::View& view = controller->window()->getView();
    EXPECT_EQ(sf::Vector2f(400, 100), view.getSize());
    EXPECT_EQ(sf::Vector2f(200, 50), view.getCenter());
    EXPECT_EQ((Journal{"Game.exit", "Over.enter"}), happened(1)) << "no scene updates that frame";
    EXPECT_EQ((Journal{"Over.update"}), happened(1));
    // From a key hook, the switch waits until the hook has returned and comes before the update.
    scenes[2]->onKey = [this]
    {
        manager().changeScene("Menu");
        journal.push_back(manager().currentScene() == scenes[2] ? "Over active" : "Over left");
    };
    bexil::test::tapKey(controller->window()->getSystemHandle(), "a");
    EXPECT_EQ((Journal{"Over.key", "Over active", "Over.exit", "Menu.enter", "Menu.update"}),
              happened(1));

    controller.reset();
    EXPECT_EQ((Journal{"Menu.deinit", "Game.deinit", "Over.deinit"}), journal);
    EXPECT_EQ(1, scenes[0].use_count()) << "the manager let go of its scenes";
}
