#include "lib/scn/SceneManager.hpp"

#include "lib/core/Window.hpp"
#include "support/Printers.hpp"
#include "support/StubScene.hpp"
#include "support/TestWindow.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace
{

using Journal = std::vector<std::string>;

class SceneManagerTest : public ::testing::Test
{
protected:
    std::shared_ptr<bexil::test::StubScene<>> make(const std::string& name,
                                                   sf::Vector2f view = {2000, 2000})
    {
        return std::make_shared<bexil::test::StubScene<>>(name, &journal, view);
    }
    lib::scn::SceneManager& manager() { return *controller->window()->sceneManager(); }
    void frame() { controller->window()->loopStep(); }

    Journal journal;
    std::unique_ptr<bexil::test::TestController> controller;
};

TEST_F(SceneManagerTest, InitialisesInOrderEntersTheFirstOnTheFirstFrameAndDeinitialisesAll)
{
    auto menu = make("Menu");
    auto game = make("Game");
    controller = bexil::test::openTestWindow({menu, game});
    EXPECT_EQ((Journal{"Menu.init", "Game.init"}), journal);
    ASSERT_NE(nullptr, menu->view());
    EXPECT_EQ(sf::Vector2f(1000, 1000), menu->view()->getCenter());

    journal.clear();
    frame();
    frame();
    EXPECT_EQ((Journal{"Menu.enter", "Menu.update"}), journal);

    journal.clear();
    controller.reset();
    EXPECT_EQ((Journal{"Menu.deinit", "Game.deinit"}), journal);
    EXPECT_EQ(1, menu.use_count()) << "the manager let go of its scenes";
}

TEST_F(SceneManagerTest, ChangeSwitchesAtOnceToTheNewViewButDuringASwitchWaitsForTheNextFrame)
{
    auto menu = make("Menu");
    auto game = make("Game", {400, 100});
    auto over = make("Over");
    controller = bexil::test::openTestWindow({menu, game, over});
    frame();
    EXPECT_EQ(sf::Vector2f(2000, 2000), controller->window()->getView().getSize());
    journal.clear();

    menu->onKey = [this] { manager().changeScene("Game"); };
    game->enter = [this] { manager().changeScene("Over"); };
    menu->onKeyPressed({});
    EXPECT_EQ((Journal{"Menu.key", "Menu.exit", "Game.enter"}), journal);
    EXPECT_EQ(game, manager().currentScene());
    const sf::View& view = controller->window()->getView();
    EXPECT_EQ(sf::Vector2f(400, 100), view.getSize());
    EXPECT_EQ(sf::Vector2f(200, 50), view.getCenter());

    journal.clear();
    frame();
    EXPECT_EQ((Journal{"Game.exit", "Over.enter"}), journal) << "no scene updates that frame";
    EXPECT_EQ(over, manager().currentScene());
    frame();
    EXPECT_EQ("Over.update", journal.back());
}

TEST_F(SceneManagerTest, UnknownNamesAndDuplicatesAndSelfSwitches)
{
    auto first = make("Same");
    auto second = make("Same");
    controller = bexil::test::openTestWindow({first, second});
    frame();
    EXPECT_EQ(first, manager().getSceneByName("Same"));
    EXPECT_EQ(nullptr, manager().getSceneByName("same"));

    journal.clear();
    manager().changeScene("Nowhere");
    EXPECT_TRUE(journal.empty());
    manager().changeScene("Same");
    EXPECT_EQ((Journal{"Same.exit", "Same.enter"}), journal);
    EXPECT_EQ(first, manager().currentScene()) << "always the scene added first";
}

} // namespace
