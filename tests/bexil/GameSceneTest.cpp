#include "bexil/GameScene.hpp"

#include "bexil/Player.hpp"
#include "bexil/Tile.hpp"
#include "lib/Clock.hpp"
#include "lib/Randomizer.hpp"
#include "lib/scn/SceneManager.hpp"
#include "lib/scn/draw/NodeShape.hpp"
#include "lib/scn/draw/Renderizable.hpp"
#include "support/Printers.hpp"
#include "support/StubScene.hpp"
#include "support/TempDir.hpp"
#include "support/TestWindow.hpp"

#include <SFML/Graphics/Text.hpp>

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace
{

using bexil::Direction;
using State = bexil::GameScene::GameState;
using Key = sf::Keyboard::Key;
using Texts = std::vector<std::string>;

constexpr std::uint32_t Seed = 20240607;

// The cells of a lane of a zone (0 left, 1 top, 2 right, 3 bottom), from the edge inward.
std::vector<sf::Vector2u> laneCells(unsigned int zone, unsigned int lane)
{
    std::vector<sf::Vector2u> cells;
    for (unsigned int i = 0; i < (zone % 2 == 0 ? 7u : 4u); ++i)
        cells.push_back(std::array<sf::Vector2u, 4>{
            {{i, 4 + lane}, {7 + lane, i}, {17 - i, 4 + lane}, {7 + lane, 11 - i}}}[zone]);
    return cells;
}

std::string str(const std::shared_ptr<lib::scn::draw::Renderizable>& text)
{
    return text->getAsText()->getString().toAnsiString();
}

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

    // Opens the window; the first frame starts a game of that mode and start level.
    void open(int mode = 0, int startLevel = 0)
    {
        setNextGame(mode, startLevel);
        scene = std::make_shared<bexil::GameScene>();
        controller = bexil::test::openTestWindow({scene, menu},
                                                 bexil::test::writeGameResourceList("res.cfg"));
        window().randomizer() = lib::Randomizer(Seed);
        frame();
    }
    static void setNextGame(int mode, int startLevel)
    {
        lib::Configuration next(":NextGame");
        next.valueAsInt("GameMode", mode, true);
        next.valueAsInt("StartLevel", startLevel, true);
    }
    lib::core::Window& window() { return *controller->window(); }
    void changeScene(const char* name) { window().sceneManager()->changeScene(name); }
    void frame() { window().loopStep(); }
    void step(int ms)
    {
        lib::Clock::advanceManualTime(sf::milliseconds(ms));
        frame();
    }
    void press(std::initializer_list<Key> keys)
    {
        for (Key key : keys)
            scene->onKeyPressed(bexil::test::keyEvent(key));
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
    // Score, level, tokens or seconds, goal.
    Texts shown() const
    {
        return {str(scene->scoreDisplay()), str(scene->levelDisplay()),
                str(scene->currentDisplay()), str(scene->goalDisplay())};
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
    press({Key::Up});
    EXPECT_EQ(sf::Vector2u(7, 4), player->boardPosition) << "(7, 3) is outside the centre";
    press({Key::Space});
    EXPECT_EQ(sf::Vector2u(8, 4), player->boardPosition) << "Space is Right first";
    EXPECT_EQ(90.f, player->shape().getRotation());
    press({Key::Space, Key::Space, Key::Space});
    EXPECT_EQ(sf::Vector2u(10, 4), player->boardPosition);
    press({Key::Down, Key::Left});
    EXPECT_EQ(sf::Vector2u(9, 5), player->boardPosition);
    EXPECT_EQ(player, at({9, 5}));

    scene->addNewToken({6, 5}, 2);
    press({Key::Escape});
    EXPECT_EQ(State::Playing, scene->gameState()) << "Escape launches rather than pauses";
    EXPECT_EQ(2, player->data) << "the launch swapped colours";
}

TEST_F(GameSceneTest, TheArrivalAfterAFullLaneEndsTheGameAndStillCompletesOnEverySide)
{
    open();
    for (unsigned int zone = 0; zone < 4; ++zone)
    {
        for (bool full : {false, true})
        {
            SCOPED_TRACE("zone " + std::to_string(zone) + (full ? ", full" : ", one free"));
            changeScene("MenuScene");
            changeScene("GameScene");
            for (unsigned int i = 0; i < zone; ++i)
            {
                predictArrival();
                scene->generateNextToken();
            }
            const std::vector<sf::Vector2u> cells = laneCells(zone, predictArrival().second);
            for (std::size_t i = 0; i < cells.size() - (full ? 0 : 1); ++i)
                scene->addNewToken(cells[i], 1);
            const auto innermost = at(cells.back());

            scene->generateNextToken();
            EXPECT_EQ(full ? State::GameOver : State::Playing, scene->gameState());
            EXPECT_EQ(full, scene->gameOverScreen()->isVisible());
            for (const sf::Vector2u& cell : cells)
                EXPECT_NE(nullptr, at(cell)) << "every cell of the lane is full";
            if (full) // the innermost token went one cell further, into the centre
            {
                EXPECT_EQ(innermost,
                          at(scene->gameData().tokenZones[zone].direction.step(cells.back())));
            }
            EXPECT_EQ((zone + 1) % 4, scene->nextTokenPart());
        }
    }
}

TEST_F(GameSceneTest, ATokenPushedOntoThePlayerEndsTheGameAndNothingTouchesThePlayerAfter)
{
    open();
    const unsigned int lane = predictArrival().second;
    for (unsigned int i = 0; i < lane; ++i)
        press({Key::Down});
    press({Key::Left});
    for (const sf::Vector2u& cell : laneCells(0, lane))
        scene->addNewToken(cell, 2);
    step(2601);
    ASSERT_EQ(State::GameOver, scene->gameState());
    const auto token = at({7, 4 + lane});
    EXPECT_NE(nullptr, std::dynamic_pointer_cast<bexil::Tile>(token)) << "the token took the cell";

    // The board no longer refers to the player: moves and launches must leave both alone.
    scene->launchPlayer();
    scene->movePlayer(Direction::Right);
    EXPECT_EQ(2, token->data);
    EXPECT_EQ(0, scene->player()->data);
    EXPECT_EQ(sf::Vector2u(7, 4 + lane), scene->player()->boardPosition);
    EXPECT_TRUE(scene->board()->tileEmpty({8, 4 + lane}));

    const std::size_t pieces = scene->mainBoard()->children().size();
    step(10000);
    frame();
    EXPECT_EQ(pieces, scene->mainBoard()->children().size()) << "no arrival after game over";
}

TEST_F(GameSceneTest, LaunchesConsumeTheNearestRunWithRisingPointsAndSwapAtAnotherColour)
{
    open(0, 9);
    press({Key::Left});
    row(4, {-1, 0, 0, 0, 1, 0});
    press({Key::Space});
    EXPECT_EQ((Texts{"00114", "10", "3", "115"}), shown()) << "19 + 38 + 57, in five digits";
    EXPECT_EQ(sf::Color::Green, scene->player()->shape().getFillColor());
    EXPECT_EQ(sf::Color::Red, at({2, 4})->shape().getFillColor());
    EXPECT_EQ(0, at({1, 4})->data) << "behind the swap nothing changes";
    EXPECT_EQ(3u, scene->mainBoard()->children().size()) << "player and two tokens";
    EXPECT_EQ(6u + 3u, scene->children().size()) << "the six groups and three dots";
    frame();
    step(601);
    EXPECT_EQ(6u, scene->children().size()) << "the dots go when they land";

    press({Key::Down, Key::Space});
    EXPECT_EQ(114u, scene->score()) << "an empty line changes nothing";
    // Down from (7, 5): over the centre and an empty cell, then a run of two and a swap.
    scene->addNewToken({7, 9}, 1);
    scene->addNewToken({7, 10}, 1);
    scene->addNewToken({7, 11}, 4);
    press({Key::Space});
    EXPECT_EQ(114u + 57u, scene->score());
    EXPECT_EQ(4, scene->player()->data);
    // A run to the edge.
    row(5, {4, 4, 4, 4, 4, 4, 4});
    press({Key::Left, Key::Space});
    EXPECT_EQ(171u + 19u * 28u, scene->score());
    EXPECT_EQ(4u, scene->mainBoard()->children().size()) << "the player and the swapped tokens";
    scene->increaseScore(123456 - 703);
    EXPECT_EQ("123456", str(scene->scoreDisplay())) << "longer scores in full";

    std::vector<sf::Vector2u> visited;
    scene->forEachTileInLine({9, 9}, Direction::Invalid,
                             [&visited](const sf::Vector2u& cell, const Direction&)
                             {
                                 visited.push_back(cell);
                                 return visited.size() < 3;
                             });
    EXPECT_EQ(std::vector<sf::Vector2u>{sf::Vector2u(9, 9)}, visited)
        << "a line without a direction is its start cell alone";
}

TEST_F(GameSceneTest, TokenModeLevelsUpAfterTheLaunchThatReachesTheGoalAndDropsTheSurplus)
{
    open();
    press({Key::Left});
    for (int launch = 1; launch <= 4; ++launch)
    {
        EXPECT_EQ(0u, scene->levelProperties().level()) << "launch " << launch;
        row(4, {0, 0, 0, 0, 0, 0, 0});
        press({Key::Space});
    }
    EXPECT_EQ((Texts{"01120", "2", "0", "35"}), shown()) << "28 of 25: the surplus is lost";
    EXPECT_EQ(sf::Color(10, 200, 50),
              scene->backgroundTile(8, 6)->getAsNodeShape()->getFillColor());
}

TEST_F(GameSceneTest, TimeModeCountsWholeSecondsThroughPausesThatStopArrivalsAndKeys)
{
    open(1);
    step(999);
    EXPECT_EQ("0", str(scene->currentDisplay()));
    step(1);
    EXPECT_EQ("1", str(scene->currentDisplay()));
    press({Key::Escape});
    step(10500);
    EXPECT_TRUE(scene->pauseGroup()->isVisible());
    press({Key::Left, Key::Space});
    EXPECT_EQ(Direction::Up, scene->player()->currentDirection) << "only the pause key works";
    EXPECT_EQ("1", str(scene->currentDisplay()));

    press({Key::Escape});
    EXPECT_FALSE(scene->pauseGroup()->isVisible());
    step(1599);
    EXPECT_EQ("13", str(scene->currentDisplay())) << "the pause counts toward the level";
    EXPECT_EQ(1u, scene->mainBoard()->children().size()) << "2599 ms of play so far";
    step(2);
    EXPECT_EQ(2u, scene->mainBoard()->children().size());

    // Resumed before its fade ends, "PAUSE" does not come back when the fade does.
    press({Key::Escape});
    frame();
    press({Key::Escape});
    step(1001);
    EXPECT_FALSE(scene->pauseGroup()->isVisible());
    EXPECT_EQ(sf::Color::White, scene->pauseText()->getAsText()->getFillColor());

    step(180000 - 14103);
    EXPECT_EQ((Texts{"00000", "1", "179", "180"}), shown());
    step(1);
    EXPECT_EQ((Texts{"00000", "2", "0", "210"}), shown());
}

TEST_F(GameSceneTest, EachGameStartsCleanInItsOwnModeAndLevelAnUnknownModeMeaningTokens)
{
    open();
    row(4, {0, 0, 3});
    press({Key::Left, Key::Space, Key::Down});
    scene->generateNextToken();
    for (const sf::Vector2u& cell : laneCells(0, 0))
        scene->addNewToken(cell, 1);
    step(601);

    setNextGame(1, 3);
    changeScene("MenuScene");
    changeScene("GameScene");
    EXPECT_EQ((Texts{"00000", "4", "0", "270"}), shown());
    EXPECT_EQ("Time: ", str(scene->currentText()));
    EXPECT_EQ(0, scene->nextTokenPart());
    EXPECT_EQ(sf::Vector2u(7, 4), scene->player()->boardPosition);
    EXPECT_EQ(0, scene->player()->data);
    EXPECT_EQ(1u, scene->mainBoard()->children().size());
    EXPECT_EQ(6u, scene->children().size()) << "one background, not two";
    EXPECT_EQ(sf::Color(100, 128, 255),
              scene->backgroundTile(0, 0)->getAsNodeShape()->getFillColor());

    setNextGame(7, -3);
    changeScene("MenuScene");
    changeScene("GameScene");
    EXPECT_EQ((Texts{"00000", "1", "0", "25"}), shown());
    EXPECT_EQ((Texts{"Score: ", "Level: ", "Tokens: ", "Goal: ", "GAME", "OVER", "PAUSE"}),
              (Texts{str(scene->scoreText()), str(scene->levelText()), str(scene->currentText()),
                     str(scene->goalText()), str(scene->gameText()), str(scene->overText()),
                     str(scene->pauseText())}));
}

TEST_F(GameSceneTest, ASeededGameDrawsItsBoardAndItsFirstArrivalPushesTheLaneKeepingGaps)
{
    open();
    const auto [colour, lane] = predictArrival();
    const unsigned int y = 4 + lane;
    scene->addNewToken({0, y}, 3);
    scene->addNewToken({2, y}, 4);
    const auto first = at({0, y});
    frame();
    // 1024 × 768 pixels show 2000 × 2000 units: a cell is about 57 × 64 pixels.
    const auto pixel = [this](const sf::Image& image, sf::Vector2u cell, float fx, float fy)
    {
        const sf::Vector2f corner = scene->board2Scene(cell);
        const sf::Vector2f size = scene->tileSize();
        return image.getPixel(static_cast<unsigned int>((corner.x + size.x * fx) * 1024 / 2000),
                              static_cast<unsigned int>((corner.y + size.y * fy) * 768 / 2000));
    };
    sf::Image image = bexil::test::capture(window());
    EXPECT_EQ(sf::Color::White, pixel(image, {3, 9}, 0.5f, 0.5f)) << "the cell's dot";
    EXPECT_EQ(sf::Color::Red, pixel(image, {7, 4}, 0.5f, 0.5f));
    EXPECT_EQ(sf::Color(255, 70, 200), pixel(image, {7, 4}, 0.1f, 0.1f)) << "beside the tip";

    step(2600);
    EXPECT_EQ(first, at({0, y})) << "equal is not enough";
    step(1);
    EXPECT_EQ(first, at({1, y}));
    EXPECT_TRUE(scene->board()->tileEmpty({2, y}));
    step(650);
    EXPECT_NEAR(scene->board2Scene({1, y}).x / 2, first->getPosition().x, 0.01);
    step(651);
    EXPECT_EQ(scene->board2Scene({1, y}), first->getPosition()) << "half of 2600 ms";
    image = bexil::test::capture(window());
    for (const auto& [x, value] : {std::pair{0u, colour}, {1u, 3}, {3u, 4}})
        EXPECT_EQ(bexil::GameBaseTile::colorOf(value), pixel(image, {x, y}, 0.5f, 0.25f)) << x;
}

} // namespace
