#include "bexil/MenuScene.hpp"

#include "bexil/bmenu/HighScoresMenu.hpp"
#include "bexil/scores/HighScoreTableView.hpp"
#include "bexil/scores/HighScores.hpp"
#include "lib/Clock.hpp"
#include "lib/Configuration.hpp"
#include "support/MenuHarness.hpp"
#include "support/Printers.hpp"

#include <gtest/gtest.h>

namespace
{

using sf::Keyboard;

class MenuSceneTest : public ::testing::Test
{
protected:
    void SetUp() override { menus.open(); }

    bexil::test::MenuHarness menus;
};

TEST_F(MenuSceneTest, KeysWrapAndTheCursorSlidesIn120Ms)
{
    const lib::menu::ChooseControl& main = menus.control("MainMenu");
    menus.press({Keyboard::Up, Keyboard::Numpad8, Keyboard::Left, Keyboard::Numpad6, Keyboard::A});
    EXPECT_EQ(4u, main.selectedOption()) << "wraps up; other keys do nothing";
    menus.press({Keyboard::Down, Keyboard::Down, Keyboard::Numpad2});
    EXPECT_EQ(1u, main.selectedOption()) << "wraps down";
    const sf::Vector2f label = main.options[1].text->getPosition();
    lib::Clock::advanceManualTime(sf::milliseconds(121));
    menus.frame();
    EXPECT_EQ(sf::Vector2f(label.x - 90, label.y), main.cursorNode()->getPosition()) << "slid";
    EXPECT_EQ(90.f, main.cursorNode()->transformable()->getRotation());
}

TEST_F(MenuSceneTest, ModeAndLevelReachTheGameWhichReturnsToTheMainMenuThenBackWritesNothing)
{
    lib::Configuration nextGame(":NextGame");
    menus.press({Keyboard::Down, Keyboard::Return});
    EXPECT_EQ(1, nextGame.getAsInt("GameMode", -1));
    EXPECT_EQ("1 ", menus.shown("StartLevelMenu", {0}));

    menus.press({Keyboard::Left});
    EXPECT_EQ("20 ", menus.shown("StartLevelMenu", {0}));
    menus.press({Keyboard::Right, Keyboard::Right});
    EXPECT_EQ("2 ", menus.shown("StartLevelMenu", {0}));
    EXPECT_EQ("", nextGame.getValue("StartLevel")) << "moving through the levels writes nothing";
    const auto& level = *menus.control("StartLevelMenu").options[0].subOptionText;
    EXPECT_FLOAT_EQ(1800.f, level.getPosition().x + level.getLocalBounds().width);

    menus.press({Keyboard::Right, Keyboard::Right, Keyboard::Right, Keyboard::Right,
                 Keyboard::Right, Keyboard::Return});
    EXPECT_EQ(6, nextGame.getAsInt("StartLevel", -1)) << "level 7 is index 6";
    EXPECT_EQ(1, menus.game->entered);
    EXPECT_FALSE(menus.frame());

    menus.press({Keyboard::Space});
    EXPECT_EQ(1u, menus.control("MainMenu").selectedOption()) << "the page kept its highlight";
    menus.press({Keyboard::Up, Keyboard::Space});
    EXPECT_EQ(0, nextGame.getAsInt("GameMode", -1));
    EXPECT_EQ("1 ", menus.shown("StartLevelMenu", {0})) << "a new visit offers level 1";

    menus.press({Keyboard::Down, Keyboard::Left, Keyboard::Return});
    EXPECT_EQ("MainMenu", menus.activePage()) << "Back";
    EXPECT_EQ(6, nextGame.getAsInt("StartLevel", -1));
    EXPECT_EQ(1, menus.game->entered);
    EXPECT_FALSE(menus.frame());
}

TEST_F(MenuSceneTest, HighScoresShowOneModeAtATimeAsLastSavedAndBackReturns)
{
    bexil::scores::HighScores scores;
    scores.table(1).add({70, 2, "2026-03-04", "Ada"});
    ASSERT_TRUE(scores.save());
    menus.press({Keyboard::Down, Keyboard::Down, Keyboard::Return});
    ASSERT_EQ("HighScoresMenu", menus.activePage());
    const auto& table =
        dynamic_cast<bexil::bmenu::HighScoresMenu&>(*menus.menu->activeStep()).tableView();
    EXPECT_TRUE(table.emptyLine()->isVisible()) << "token mode first, with no entry";
    menus.press({Keyboard::Right});
    EXPECT_FALSE(table.emptyLine()->isVisible());
    EXPECT_EQ("1 Ada 70 2 2026-03-04", table.cellText(1, 0) + " " + table.cellText(1, 1) + " " +
                                           table.cellText(1, 2) + " " + table.cellText(1, 3) + " " +
                                           table.cellText(1, 4));
    menus.press({Keyboard::Return});
    EXPECT_EQ("MainMenu", menus.activePage());
}

} // namespace
