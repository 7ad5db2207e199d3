#include "bexil/MenuScene.hpp"

#include "bexil/GameScene.hpp"
#include "bexil/Player.hpp"
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

TEST_F(MenuSceneTest, ThePointerHighlightsChoosesStepsValuesAndGoesBackAndHidesWhenItRests)
{
    using E = sf::Event;
    const lib::scn::SceneManager& scenes = *menus.controller->window()->sceneManager();
    EXPECT_FALSE(scenes.pointerShown()) << "not yet moved";
    menus.point(E::MouseMoved, 1000.f, 836.f); // over "Play time mode"
    menus.frame();
    EXPECT_EQ(1u, menus.control("MainMenu").selectedOption());
    EXPECT_TRUE(scenes.pointerShown());
    menus.point(E::MouseButtonPressed, 1000.f, 1109.f); // "Options"
    ASSERT_EQ("OptionsMenu", menus.activePage());
    // "Sound volume" from 8: the right half forward, the left half back thrice, the wheel forward.
    for (const float x : {1500.f, 300.f, 300.f, 300.f})
        menus.point(E::MouseButtonPressed, x, 903.f);
    EXPECT_EQ("6 ", menus.shown("OptionsMenu", {5}));
    menus.point(E::MouseWheelScrolled, 0.f, 0.f, sf::Mouse::Left, 1.f);
    EXPECT_EQ("7 ", menus.shown("OptionsMenu", {5}));
    menus.point(E::MouseButtonPressed, 5.f, 5.f, sf::Mouse::Right);
    EXPECT_EQ("MainMenu", menus.activePage()) << "back, as Cancel";
    EXPECT_EQ("8 ", menus.shown("OptionsMenu", {5}));
    lib::Clock::advanceManualTime(sf::seconds(2));
    menus.frame();
    EXPECT_FALSE(scenes.pointerShown()) << "two seconds at rest";
}

TEST_F(MenuSceneTest, BackGoesOnePageBackFromEveryPageAndNowhereFromTheMainMenu)
{
    menus.press({Keyboard::Return, Keyboard::Escape}); // the start level page
    EXPECT_EQ("MainMenu", menus.activePage());
    menus.press({Keyboard::Down, Keyboard::Down, Keyboard::Return, Keyboard::BackSpace});
    EXPECT_EQ("MainMenu", menus.activePage()) << "from the high scores";
    menus.press({Keyboard::Down, Keyboard::Return});
    menus.point(sf::Event::MouseButtonPressed, 10.f, 10.f, sf::Mouse::Right);
    EXPECT_EQ("MainMenu", menus.activePage()) << "from How to play";
    menus.press({Keyboard::Down, Keyboard::Return, Keyboard::Right});
    menus.tap(1);
    EXPECT_EQ("MainMenu", menus.activePage()) << "from the options";
    EXPECT_EQ("Worst ", menus.shown("OptionsMenu", {0})) << "as Cancel";
    menus.press({Keyboard::Escape, Keyboard::BackSpace});
    menus.tap(1);
    EXPECT_EQ("MainMenu", menus.activePage());
    EXPECT_FALSE(menus.frame()) << "no way out of the program";
}

TEST(PadAlone, PlaysFromTheMainMenuThroughAGameItsPauseMenuAndAPickedNameToTheTableAndBack)
{
    bexil::test::MenuHarness menus;
    menus.dir.write("config.cfg", "PlayerName=Bo\n");
    const auto game = std::make_shared<bexil::GameScene>();
    menus.open(std::make_shared<bexil::MenuScene>(), game);
    const auto& scenes = *menus.controller->window()->sceneManager();
    menus.tap(0); // "Play token mode"
    menus.push(sf::Joystick::PovX, 100.f);
    menus.tap(0); // at level 2
    ASSERT_EQ(game, scenes.currentScene());
    EXPECT_EQ(1u, game->level());
    menus.push(sf::Joystick::X, -100.f);
    menus.push(sf::Joystick::Y, -100.f);
    EXPECT_EQ(bexil::Direction::Up, game->player()->currentDirection) << "turned left, then up";
    game->addNewToken({7, 3}, game->player()->data);
    menus.tap(0);
    EXPECT_GT(game->score(), 0u);
    menus.tap(7);
    EXPECT_EQ(bexil::GameScene::GameState::Pause, game->gameState());
    menus.tap(1); // B resumes
    EXPECT_EQ(bexil::GameScene::GameState::Playing, game->gameState());
    // Start, then "Quit to menu": the name is asked for at once.
    menus.tap(7);
    menus.push(sf::Joystick::PovY, 100.f);
    menus.push(sf::Joystick::PovY, 100.f);
    menus.tap(0);
    menus.frame();
    ASSERT_EQ(bexil::GameScene::GameState::GameOver, game->gameState());
    // Onto the "o" of "Bo", a letter on, then the name kept and the table left.
    menus.push(sf::Joystick::PovX, -100.f);
    menus.push(sf::Joystick::PovY, -100.f);
    menus.tap(0);
    EXPECT_NE(std::string::npos, menus.dir.read("highscores.cfg").find(" 2 ")) << "level 2";
    EXPECT_NE(std::string::npos, menus.dir.read("highscores.cfg").find(" Bp\n"));
    menus.tap(0);
    EXPECT_EQ("MainMenu", menus.activePage());
    EXPECT_EQ(menus.menu, scenes.currentScene());
}

} // namespace
