#include "bexil/GameScene.hpp"

#include "bexil/PauseMenu.hpp"
#include "bexil/Player.hpp"
#include "bexil/scores/HighScoreOverlay.hpp"
#include "bexil/scores/HighScoreTableView.hpp"
#include "lib/Clock.hpp"
#include "lib/Randomizer.hpp"
#include "lib/scn/SceneManager.hpp"
#include "lib/scn/draw/NodeShape.hpp"
#include "lib/scn/draw/Renderizable.hpp"
#include "support/HeadlessGame.hpp"
#include "support/Printers.hpp"
#include "support/StubScene.hpp"
#include "support/TempDir.hpp"
#include "support/TestWindow.hpp"
#include "support/XEvents.hpp"

#include <SFML/Graphics/Text.hpp>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace
{

using bexil::Direction;
using Leaf = lib::scn::draw::Renderizable;
using State = bexil::GameScene::GameState;
using Key = sf::Keyboard::Key;
using Texts = std::vector<std::string>;

constexpr std::uint32_t Seed = 20240607;

// The real game scene and a menu stub in a real window, with the window's random source
// seeded and a twin source that predicts its draws. Time is manual.
class GameSceneTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        lib::Clock::useManualTime(true);
        dir.write("config.cfg", "Look=1\n");
    }
    void TearDown() override { lib::Clock::useManualTime(false); }

    // Opens the window and starts a game of that mode and start level.
    void open(int mode = 0, int startLevel = 0)
    {
        scene = std::make_shared<bexil::GameScene>();
        controller = bexil::test::openTestWindow({menu, scene},
                                                 bexil::test::writeGameResourceList("res.cfg"));
        window().randomizer() = lib::Randomizer(Seed);
        newGame(mode, startLevel);
        frame();
    }
    void newGame(int mode, int startLevel)
    {
        lib::Configuration next(":NextGame");
        next.valueAsInt("GameMode", mode, true);
        next.valueAsInt("StartLevel", startLevel, true);
        window().sceneManager()->changeScene("GameScene");
    }
    lib::core::Window& window() { return *controller->window(); }
    bool inGame() { return window().sceneManager()->currentScene() == scene; }
    // The window's frame less its events: the windows that other tests open take the focus,
    // and a game must not pause for that. Keys go to the scene directly.
    void frame()
    {
        for (sf::Event ignored; window().pollEvent(ignored);)
            continue;
        window().clear();
        window().sceneManager()->update();
        window().display();
    }
    void step(int ms)
    {
        lib::Clock::advanceManualTime(sf::milliseconds(ms));
        frame();
    }
    // Taps the keys through the window's handling of its events; a key held is pressed only.
    void press(std::initializer_list<Key> keys)
    {
        for (Key key : keys)
        {
            hold(key);
            window().handleEvent(bexil::test::keyEvent(key, false));
        }
    }
    void hold(Key key) { window().handleEvent(bexil::test::keyEvent(key)); }

    // A group of the scene by its node name; the leaves of a group in their order.
    std::shared_ptr<lib::scn::draw::RenderGroup> group(const std::string& name)
    {
        for (const auto& child : scene->children())
            if (auto found = std::dynamic_pointer_cast<lib::scn::draw::RenderGroup>(child);
                found && found->name() == name)
                return found;
        return nullptr;
    }
    Leaf& leaf(const std::string& name, std::size_t index)
    {
        const auto found = group(name);
        if (!found)
            throw std::out_of_range("no group " + name);
        return dynamic_cast<Leaf&>(*found->children().at(index));
    }
    std::string text(const std::string& name, std::size_t index)
    {
        return leaf(name, index).getAsText()->getString().toAnsiString();
    }
    // Score, level, tokens or seconds, goal.
    Texts shown()
    {
        return {text("score", 2), text("score", 3), text("level", 2), text("level", 3)};
    }
    sf::Color background(unsigned int x, unsigned int y) // a rectangle and a dot per cell
    {
        return leaf("backgroundTiles", 2 * (y * 18 + x)).getAsNodeShape()->getFillColor();
    }

    // The colour and lane of the next arrival: the colour is drawn first.
    std::pair<std::int32_t, unsigned int> predictArrival()
    {
        const auto colour = static_cast<std::int32_t>(twin.getUInt(5));
        return {colour, twin.getUInt(4)};
    }
    std::shared_ptr<bexil::GameBaseTile> at(const sf::Vector2u& cell)
    {
        return std::dynamic_pointer_cast<bexil::GameBaseTile>(scene->board()->getTile(cell).lock());
    }
    // Tokens leftward from (6, y); a negative colour leaves the cell empty.
    void row(unsigned int y, const std::vector<std::int32_t>& colours)
    {
        for (unsigned int i = 0; i < colours.size(); ++i)
            if (colours[i] >= 0)
                scene->addNewToken({6 - i, y}, colours[i]);
    }

    bexil::test::TempDir dir{true};
    lib::Randomizer twin{Seed};
    std::shared_ptr<bexil::GameScene> scene;
    std::shared_ptr<lib::scn::Scene> menu = std::make_shared<bexil::test::StubScene<>>("MenuScene");
    std::unique_ptr<bexil::test::TestController> controller;
};

TEST_F(GameSceneTest, DirectionKeysAlwaysTurnMoveInsideTheCentreAndComeFirstWhenBoundTwice)
{
    // Space is Right too, and Escape both launches and pauses.
    dir.write("config.cfg", "Look=1\nkey1=57\nkey_launch4=36\nkey_pause5=36\n");
    open();
    const auto player = scene->player();
    press({Key::Space});
    EXPECT_EQ(sf::Vector2u(8, 4), player->boardPosition) << "Space is Right first";
    EXPECT_EQ(90.f, player->shape().getRotation());
    press({Key::Down, Key::Left});
    EXPECT_EQ(sf::Vector2u(7, 5), player->boardPosition);
    EXPECT_EQ(player, at({7, 5}));

    scene->addNewToken({6, 5}, 2);
    press({Key::Escape});
    EXPECT_EQ(State::Playing, scene->gameState()) << "Escape launches rather than pauses";
    EXPECT_EQ(2, player->data) << "the launch swapped colours";
}

TEST_F(GameSceneTest, ArrivalsComeAtTheLevelsPaceFromEachSideInTurnPushingTheirLaneKeepingGaps)
{
    open();
    const auto [colour, lane] = predictArrival();
    const unsigned int y = 4 + lane;
    scene->addNewToken({0, y}, 3);
    scene->addNewToken({2, y}, 4);
    const auto first = at({0, y});
    step(2601);
    EXPECT_EQ(first, at({1, y}));
    EXPECT_EQ(colour, at({0, y})->data) << "the colour drawn first";
    step(650);
    EXPECT_NEAR(2000.f / 36, first->getPosition().x, 0.01);
    step(651);
    EXPECT_EQ(sf::Vector2f(2000.f / 18, static_cast<float>(y) * 2000.f / 12), first->getPosition())
        << "a glide of half of 2600 ms";
}

TEST_F(GameSceneTest,
       ATokenOverrunningThePlayerEndsTheGameAndItsScreenWaitsForANewPressAfterASecond)
{
    open();
    const unsigned int lane = predictArrival().second;
    hold(Key::Space); // fire, held through the end
    for (unsigned int i = 0; i < lane; ++i)
        press({Key::Down});
    press({Key::Left});
    for (unsigned int x = 0; x < 7; ++x) // a full lane
        scene->addNewToken({x, 4 + lane}, 2);
    const auto innermost = at({6, 4 + lane});
    step(2601);
    ASSERT_EQ(State::GameOver, scene->gameState());
    EXPECT_TRUE(group("gameOverScreen")->isVisible());
    EXPECT_EQ(innermost, at({7, 4 + lane})) << "it took the player's cell";

    // The board no longer refers to the player: moves and launches must leave both alone.
    scene->launchPlayer();
    scene->movePlayer(Direction::Right);
    EXPECT_EQ(2, innermost->data);
    EXPECT_EQ(0, scene->player()->data);
    EXPECT_EQ(sf::Vector2u(7, 4 + lane), scene->player()->boardPosition);
    EXPECT_TRUE(scene->board()->tileEmpty({8, 4 + lane}));

    hold(Key::Space); // fire repeating, and a new key
    press({Key::A});
    const std::size_t pieces = group("mainBoard")->children().size();
    step(999);
    press({Key::B});
    EXPECT_TRUE(inGame()) << "keys in the first second are ignored";
    step(10000);
    EXPECT_EQ(pieces, group("mainBoard")->children().size()) << "no arrival after game over";
    hold(Key::Space);
    EXPECT_TRUE(inGame()) << "a held key repeating is no new press";
    press({Key::A});
    EXPECT_FALSE(inGame());
}

TEST_F(GameSceneTest, AScoreThatEntersTakesTheNameTypedAfterANewPressSavesItAndShowsTheTable)
{
    using Step = bexil::scores::HighScoreOverlay::Step;
    dir.write("highscores.cfg", "token1=100 3 2026-01-01 Ada\ntoken2=50 1 2026-01-02 Cy\n");
    dir.write("config.cfg", "PlayerName=Bo\n");
    open(0, 9);
    const auto& overlay =
        dynamic_cast<bexil::scores::HighScoreOverlay&>(*group("highScoreOverlay"));
    // Pixels of the letters of OVER across their lower half, where no line of the high scores
    // falls; and whether a lane cell shows the panel's own colour and a corner the backdrop's,
    // nothing of the game.
    const auto overShown = [this]
    {
        const sf::Image shot = bexil::test::capture(window());
        int white = 0;
        for (unsigned int x = 300; x < 724; ++x)
            white += shot.getPixel(x, 500) == sf::Color::White;
        return white;
    };
    const auto onPanel = [this]
    {
        const sf::Image shot = bexil::test::capture(window());
        const sf::Vector2i lane = window().mapCoordsToPixel({195.f, 1562.f}, *scene->view());
        return shot.getPixel(static_cast<unsigned int>(lane.x),
                             static_cast<unsigned int>(lane.y)) == sf::Color(20, 19, 46) &&
               shot.getPixel(20, 740) == sf::Color(6, 6, 16);
    };
    const auto scoreThenEnd = [&](const char* rank)
    {
        press({Key::Up});
        scene->addNewToken({7, 3}, 0);
        scene->addNewToken({7, 2}, 0);
        press({Key::Space}); // 19 + 38 points at level 10
        const unsigned int lane = predictArrival().second;
        for (unsigned int x = 0; x < 7; ++x)
            scene->addNewToken({x, 4 + lane}, 2);
        step(2601);
        scene->onTextEntered('x');
        step(999);
        EXPECT_FALSE(overlay.isVisible()) << "GAME OVER alone for its second";
        EXPECT_GT(overShown(), 40);
        step(1);
        ASSERT_EQ(Step::Naming, overlay.step());
        EXPECT_EQ(0, overShown()) << "GAME OVER once, not behind the name";
        EXPECT_TRUE(onPanel());
        EXPECT_EQ(rank, text("highScoreOverlay", 3));
        scene->onTextEntered('y'); // a key held as the game ended, repeating
    };
    scoreThenEnd("Rank 2 in token mode");
    press({Key::A});
    for (const char32_t character : std::u32string(U"\b\bZoë\r"))
        scene->onTextEntered(character);
    press({Key::Return});
    frame();
    EXPECT_EQ(0, overShown()) << "nor behind the table";
    EXPECT_TRUE(onPanel());
    const std::string saved = dir.read("highscores.cfg");
    EXPECT_EQ(0u, saved.find("token1=100 3 2026-01-01 Ada\ntoken2=57 10 2")) << saved;
    EXPECT_NE(std::string::npos, saved.find(u8" Zoë\ntoken3=50 1 2026-01-02 Cy\n")) << saved;
    EXPECT_EQ(u8"Zoë", overlay.tableView().cellText(2, 1));
    EXPECT_EQ(sf::Color(255, 215, 0), overlay.tableView().cellColour(2, 1)) << "the new line";
    press({Key::B});
    EXPECT_FALSE(inGame());

    lib::Configuration("config.cfg").valueAsInt("Look", 1, true); // the same in the classic look
    newGame(0, 9);
    frame();
    scoreThenEnd("Rank 3 in token mode"); // an equal score goes below
    press({Key::Q, Key::Escape});
    EXPECT_EQ(u8"Zoë", overlay.tableView().cellText(3, 1)) << "Escape keeps the last name";
    EXPECT_EQ(sf::Color(255, 215, 0), overlay.tableView().cellColour(3, 1));
}

TEST_F(GameSceneTest, LaunchesConsumeTheNearestRunWithRisingPointsAndSwapAtAnotherColour)
{
    open(0, 9);
    press({Key::Left});
    row(4, {-1, 0, 0, 0, 1, 0});
    const std::size_t nodes = scene->children().size();
    press({Key::Space});
    EXPECT_EQ((Texts{"00114", "10", "3", "115"}), shown()) << "19 + 38 + 57, in five digits";
    EXPECT_EQ(sf::Color::Green, scene->player()->shape().getFillColor());
    EXPECT_EQ(sf::Color::Red, at({2, 4})->shape().getFillColor());
    EXPECT_EQ(nodes + 3, scene->children().size()) << "a dot flies to the score per token";
    step(601);
    EXPECT_EQ(nodes, scene->children().size()) << "the dots go when they land";
}

TEST_F(GameSceneTest, TokenModeLevelsUpAfterTheLaunchThatReachesTheGoalAndDropsTheSurplus)
{
    open();
    press({Key::Left});
    for (int launch = 1; launch <= 4; ++launch)
    {
        EXPECT_EQ("1", shown()[1]) << "launch " << launch;
        row(4, {0, 0, 0, 0, 0, 0, 0});
        press({Key::Space});
    }
    EXPECT_EQ((Texts{"01120", "2", "0", "35"}), shown()) << "28 of 25: the surplus is lost";
    EXPECT_EQ(sf::Color(10, 200, 50), background(8, 6));
}

TEST_F(GameSceneTest, PausesByKeyFocusOrPadLossStopPlayedTimeArrivalsAndTheGameKeys)
{
    open(1);
    const sf::Vector2u arrival(0, 4 + predictArrival().second);
    EXPECT_EQ("180", shown()[2]) << "the time left, counting down";
    step(999);
    EXPECT_EQ("180", shown()[2]);
    step(1);
    EXPECT_EQ("179", shown()[2]);
    bexil::test::sendFocusOut(window().getSystemHandle());
    window().loopStep();
    step(10500);
    EXPECT_TRUE(group("pause")->isVisible());
    bexil::test::sendFocusOut(window().getSystemHandle());
    window().loopStep();
    press({Key::Left, Key::Down});
    EXPECT_EQ(Direction::Up, scene->player()->currentDirection) << "still paused, keys ignored";
    EXPECT_EQ("179", shown()[2]);
    EXPECT_TRUE(group("mainBoard")->isVisible()) << "the classic look keeps the board in sight";

    press({Key::Escape});
    EXPECT_FALSE(group("pause")->isVisible());
    step(999);
    EXPECT_EQ("179", shown()[2]) << "paused time is not played time";
    step(1);
    EXPECT_EQ("178", shown()[2]);
    step(600);
    EXPECT_EQ(nullptr, at(arrival)) << "2600 ms of play so far";
    step(1);
    EXPECT_NE(nullptr, at(arrival));

    // Resumed before its fade ends, "PAUSE" does not come back when the fade does.
    press({Key::Escape});
    frame();
    press({Key::Escape});
    step(1001);
    EXPECT_FALSE(group("pause")->isVisible());
    EXPECT_EQ(sf::Color::White, leaf("pause", 1).getAsText()->getFillColor());

    step(180000 - 3603);
    EXPECT_EQ((Texts{"00000", "1", "1", "180"}), shown()) << "the pause did not count";
    step(1);
    EXPECT_EQ((Texts{"00000", "2", "210", "210"}), shown());

    window().handleEvent(bexil::test::mouseEvent(sf::Event::MouseMoved, 10, 10));
    frame();
    EXPECT_FALSE(window().sceneManager()->pointerShown()) << "no pointer in play";
    sf::Event lost{};
    lost.type = sf::Event::JoystickDisconnected;
    window().handleEvent(lost);
    EXPECT_EQ(State::Pause, scene->gameState()) << "a pad lost pauses";
    frame();
    EXPECT_TRUE(window().sceneManager()->pointerShown()) << "paused, a pointer moved shows";
}

TEST_F(GameSceneTest, ThePauseMenuResumesRestartsTheSameGameAndQuitsToTheNameEntryAtOnce)
{
    dir.write("config.cfg", "key2=22\n"); // the modern look, W for Up
    open(1, 4);
    const auto keys = [this](std::initializer_list<Key> codes)
    {
        for (Key code : codes)
        {
            window().handleEvent(bexil::test::keyEvent(code));
            window().handleEvent(bexil::test::keyEvent(code, false));
        }
    };
    const auto score = [this, &keys]
    {
        row(4, {0, 0});
        keys({Key::Left, Key::Space});
    };
    score();
    keys({Key::Escape});
    EXPECT_FALSE(group("mainBoard")->isVisible() || group("backgroundTiles")->isVisible())
        << "the modern look hides the board";
    const auto& pauseMenu = dynamic_cast<bexil::PauseMenu&>(*group("pause")->children().at(0));
    EXPECT_EQ("W, Down: choose    Space: confirm    Escape: resume",
              pauseMenu.hint()->getAsText()->getString().toAnsiString());
    keys({Key::Down, Key::Down, Key::Down, Key::W, Key::Numpad8, Key::Up, Key::Return});
    EXPECT_EQ(State::Playing, scene->gameState()) << "round and back to Resume";
    EXPECT_TRUE(group("mainBoard")->isVisible() && group("backgroundTiles")->isVisible());
    keys({Key::Escape, Key::BackSpace});
    EXPECT_EQ(State::Playing, scene->gameState()) << "Back resumes";

    keys({Key::Escape, Key::Down, Key::Space});
    EXPECT_EQ((Texts{"000000", "5", "300", "300"}), shown()) << "restarted: time mode, level 5";
    EXPECT_EQ(State::Playing, scene->gameState());
    EXPECT_TRUE(inGame());

    score();
    keys({Key::Escape, Key::Up, Key::Return});
    ASSERT_TRUE(bexil::test::showsHighScore(*scene)) << "the name entry at once";
    keys({Key::Return, Key::Return});
    const std::string saved = dir.read("highscores.cfg");
    EXPECT_EQ(0u, saved.find("time1=42 5 ")) << saved;
    EXPECT_FALSE(inGame());

    newGame(0, 0);
    keys({Key::Escape, Key::Up, Key::Return});
    EXPECT_FALSE(inGame()) << "a score that enters no table goes to the menu";
}

TEST_F(GameSceneTest, EachGameStartsCleanInItsOwnModeAndLevelAnUnknownModeMeaningTokens)
{
    open(0, 33333);
    row(4, {0, 0, 3});
    press({Key::Left, Key::Space, Key::Down});
    EXPECT_EQ("100029", shown()[0]) << "longer scores in full";
    predictArrival();
    step(601); // an arrival, at the top levels' pace

    newGame(1, 3);
    EXPECT_EQ((Texts{"00000", "4", "270", "270"}), shown());
    EXPECT_EQ("Time left: ", text("level", 0));
    EXPECT_EQ(sf::Vector2u(7, 4), scene->player()->boardPosition);
    EXPECT_EQ(0, scene->player()->data);
    EXPECT_EQ(1u, group("mainBoard")->children().size()) << "the player alone";
    EXPECT_EQ(sf::Color(100, 128, 255), background(0, 0));
    const unsigned int lane = predictArrival().second;
    scene->generateNextToken();
    EXPECT_NE(nullptr, at({0, 4 + lane})) << "the first arrival comes from the left";

    newGame(7, -3);
    EXPECT_EQ((Texts{"00000", "1", "0", "25"}), shown());
    EXPECT_EQ("Tokens: ", text("level", 0));
}

} // namespace

TEST_F(GameSceneTest, OneProgramSeedPlaysOneGameItsArrivalsColoursAndLevelColoursAlike)
{
    const auto play = [this](std::uint32_t seed)
    {
        lib::Randomizer::seedProgram(seed);
        scene = bexil::test::headlessGame(0, 15); // level 16 draws its background at random
        bexil::test::Headless run({scene});
        run.run(sf::seconds(20));
        std::vector<std::uint32_t> seen;
        for (unsigned int x = 0; x < 18; ++x)
            for (unsigned int y = 0; y < 12; ++y)
            {
                const auto piece = at({x, y});
                seen.push_back(piece ? static_cast<std::uint32_t>(piece->data) : 99u);
                seen.push_back(background(x, y).toInteger());
            }
        return seen;
    };
    const auto first = play(7);
    EXPECT_EQ(play(7), first);
    EXPECT_NE(play(8), first);
}
