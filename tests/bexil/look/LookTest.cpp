#include "bexil/GameScene.hpp"
#include "bexil/Player.hpp"
#include "bexil/look/EffectsLayer.hpp"
#include "bexil/rules/GameData.hpp"
#include "lib/Clock.hpp"
#include "lib/scn/SceneManager.hpp"
#include "lib/scn/draw/NodeShape.hpp"
#include "support/Printers.hpp"
#include "support/StubScene.hpp"
#include "support/TempDir.hpp"
#include "support/TestWindow.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace
{

using Key = sf::Keyboard::Key;
const sf::Color TokenColours[5] = {sf::Color::Red, sf::Color::Green, sf::Color::Blue,
                                   sf::Color::Yellow, sf::Color::Magenta};

int distance(sf::Color a, sf::Color b)
{
    return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b);
}

// The token colour a shaded pixel shows: the nearest of the five once scaled to its brightness.
int colourOf(sf::Color pixel)
{
    const int top = std::max({pixel.r, pixel.g, pixel.b});
    int best = 0;
    for (int i = 1; i < 5; ++i)
    {
        const auto scaled = [&](const sf::Color& c)
        {
            return sf::Color(static_cast<sf::Uint8>(c.r * top / 255),
                             static_cast<sf::Uint8>(c.g * top / 255),
                             static_cast<sf::Uint8>(c.b * top / 255));
        };
        if (distance(pixel, scaled(TokenColours[i])) < distance(pixel, scaled(TokenColours[best])))
            best = i;
    }
    return best;
}

// The game scene in a real window at 1024 × 768 in a look, with manual time.
class LookTest : public ::testing::Test
{
protected:
    void SetUp() override { lib::Clock::useManualTime(true); }
    void TearDown() override { lib::Clock::useManualTime(false); }

    // With withAtlas false, the resource list lacks the looks' atlas.
    void open(int look, int startLevel, bool withAtlas = true)
    {
        dir.write("config.cfg", "Look=" + std::to_string(look) + "\n");
        lib::Configuration(":NextGame").valueAsInt("StartLevel", startLevel, true);
        scene = std::make_shared<bexil::GameScene>();
        std::istringstream list(dir.read(bexil::test::writeGameResourceList("res.cfg")));
        std::string kept;
        for (std::string line; std::getline(list, line);)
            kept +=
                withAtlas || line.find("game_scene.look") == std::string::npos ? line + "\n" : "";
        dir.write("res.cfg", kept);
        controller = bexil::test::openTestWindow({scene, menu}, "res.cfg");
        frame();
    }
    void restart(int startLevel)
    {
        lib::Configuration(":NextGame").valueAsInt("StartLevel", startLevel, true);
        window().sceneManager()->changeScene("MenuScene");
        window().sceneManager()->changeScene("GameScene");
        frame();
    }
    lib::core::Window& window() { return *controller->window(); }
    // The window's frame less its events: the windows of other tests take the focus, and a
    // game must not pause for that.
    void frame()
    {
        for (sf::Event ignored; window().pollEvent(ignored);)
            continue;
        window().clear();
        window().sceneManager()->update();
        window().display();
    }
    void step(float seconds)
    {
        lib::Clock::advanceManualTime(sf::seconds(seconds));
        frame();
    }
    bexil::look::EffectsLayer& effects()
    {
        for (const auto& child : scene->children())
            if (const auto layer = std::dynamic_pointer_cast<bexil::look::EffectsLayer>(child))
                return *layer;
        throw std::runtime_error("no effects layer");
    }
    // Where a point of the scene's view lands in the window.
    sf::Vector2u onScreen(sf::Vector2f point)
    {
        const sf::Vector2i at = window().mapCoordsToPixel(point, *scene->view());
        return {static_cast<unsigned int>(at.x), static_cast<unsigned int>(at.y)};
    }
    // A point of a cell given as fractions of its size, in the last captured frame or another.
    sf::Color pixel(sf::Vector2u cell, float fx, float fy, const sf::Image* in = nullptr)
    {
        const bexil::rules::GameData& board = scene->gameData();
        const sf::Vector2f corner = board.board2Scene(cell), size = board.tileSize();
        const sf::Vector2u at = onScreen({corner.x + size.x * fx, corner.y + size.y * fy});
        return (in ? *in : image).getPixel(at.x, at.y);
    }
    void press(Key key)
    {
        window().handleEvent(bexil::test::keyEvent(key));
        window().handleEvent(bexil::test::keyEvent(key, false));
    }
    void capture() { image = bexil::test::capture(window()); }
    // The colour a cell's tile is tinted with (the modern looks have no dots between tiles).
    sf::Color cellColour(unsigned int x, unsigned int y) const
    {
        for (const auto& child : scene->children())
            if (const auto tiles = std::dynamic_pointer_cast<lib::scn::draw::RenderGroup>(child);
                tiles && tiles->name() == "backgroundTiles")
                return std::dynamic_pointer_cast<lib::scn::draw::Renderizable>(
                           tiles->children()[y * 18 + x])
                    ->getAsNodeShape()
                    ->getFillColor();
        throw std::runtime_error("no background tiles");
    }

    bexil::test::TempDir dir{true};
    std::shared_ptr<bexil::GameScene> scene;
    std::shared_ptr<lib::scn::Scene> menu = std::make_shared<bexil::test::StubScene<>>("MenuScene");
    std::unique_ptr<bexil::test::TestController> controller;
    sf::Image image;
    float launched = 0.f; // when the last launch was pressed, in seconds of the manual clock
};

TEST_F(LookTest, EveryTokenShowsItsColourAndStandsOffTheCellsOfEveryLevelBand)
{
    open(0, 0);
    for (const int level : {0, 5, 10, 15, 19})
    {
        restart(level);
        step(2.f); // past the banner
        // Rows 8 and 9 of columns 0 to 5, clear of the panels: both parities of every stripe
        // and checkerboard.
        for (int colour = 0; colour < 5; ++colour)
        {
            for (unsigned int x = 0; x < 6; ++x)
                for (unsigned int y = 8; y < 10; ++y)
                {
                    scene->board()->deleteTile({x, y});
                    scene->addNewToken({x, y}, colour);
                }
            frame();
            capture();
            for (unsigned int x = 0; x < 6; ++x)
                for (unsigned int y = 8; y < 10; ++y)
                {
                    const sf::Color body = pixel({x, y}, 0.5f, 0.72f);
                    const sf::Color cell = cellColour(x, y);
                    EXPECT_EQ(colour, colourOf(body)) << "level " << level + 1 << " " << x << y;
                    EXPECT_GT(distance(body, cell), 80) << "level " << level + 1 << " " << x << y;
                }
        }
    }
}

TEST_F(LookTest, ThePlayersArrowShowsItsColourAndALightEdgeOnEveryCentreColour)
{
    open(0, 0);
    // The centre's colours: pink, green, salmon, white and grey, teal and salmon.
    for (const int level : {0, 1, 2, 10, 15})
    {
        restart(level);
        const auto player = scene->player();
        for (const sf::Vector2u cell : {sf::Vector2u(7, 4), sf::Vector2u(8, 4)})
        {
            scene->board()->moveTile(player->boardPosition, cell);
            player->boardPosition = cell;
            for (int colour = 0; colour < 5; ++colour)
            {
                scene->board()->changeTileData(cell, colour);
                step(0.4f); // past the swap flash
                capture();
                EXPECT_EQ(colour, colourOf(pixel(cell, 0.5f, 0.55f))) << level << " " << colour;
                int brightest = 0;
                for (float fy = 0.f; fy < 0.15f; fy += 0.01f)
                    for (float fx = 0.4f; fx < 0.6f; fx += 0.01f)
                    {
                        const sf::Color edge = pixel(cell, fx, fy);
                        brightest = std::max(brightest,
                                             static_cast<int>(std::min({edge.r, edge.g, edge.b})));
                    }
                EXPECT_GT(brightest, 200) << "the tip's light edge, level " << level + 1;
            }
        }
    }
}

TEST_F(LookTest, AConsumedTokenBurstsAndANewLevelShowsItsBannerAndBothGo)
{
    open(0, 0);
    step(0.3f); // faded in
    EXPECT_TRUE(effects().bannerShowing());
    // The banner's white letters across the middle of the board, between its top and centre.
    const sf::FloatRect area = scene->gameData().area();
    const float y = area.top + area.height * 0.2f;
    const sf::Vector2u from = onScreen({area.left + area.width * 0.4f, y});
    const sf::Vector2u to = onScreen({area.left + area.width * 0.6f, y});
    const auto lettersShown = [&]
    {
        capture();
        int white = 0;
        for (unsigned int x = from.x; x < to.x; ++x)
            white += distance(image.getPixel(x, from.y), sf::Color::White) < 60;
        return white;
    };
    EXPECT_GT(lettersShown(), 10);
    step(1.6f);
    EXPECT_FALSE(effects().bannerShowing());
    EXPECT_EQ(0, lettersShown());

    scene->addNewToken({6, 4}, 0);
    scene->movePlayer(bexil::Direction::Left);
    scene->launchPlayer();
    step(0.05f);
    capture();
    EXPECT_EQ(8u, effects().liveParticles());
    EXPECT_EQ("+10", effects().popupText(0).getString().toAnsiString());
    const sf::Color flash = pixel({6, 4}, 0.5f, 0.5f);
    step(0.5f);
    capture();
    EXPECT_EQ(0u, effects().liveParticles());
    const sf::Color calm = pixel({6, 4}, 0.5f, 0.5f);
    EXPECT_GT(distance(flash, calm), 150);
    EXPECT_LT(distance(calm, cellColour(6, 4)), 60);
}

TEST_F(LookTest, TheColourBlindLookMarksEachColourWithItsOwnShape)
{
    // What the colour-blind look adds to each token, as a mask of changed pixels.
    std::vector<std::vector<bool>> marks(5);
    open(0, 0);
    for (const int look : {0, 2})
    {
        lib::Configuration("config.cfg").valueAsInt("Look", look, true);
        restart(0);
        for (int colour = 0; colour < 5; ++colour)
            scene->addNewToken({static_cast<unsigned int>(colour), 9}, colour);
        frame();
        const sf::Image before = image;
        capture();
        for (unsigned int colour = 0; look == 2 && colour < 5; ++colour)
        {
            const bexil::rules::GameData& board = scene->gameData();
            const sf::Vector2u corner = onScreen(board.board2Scene({colour, 9}));
            const sf::Vector2u end = onScreen(board.board2Scene({colour + 1, 10}));
            for (unsigned int y = corner.y; y < end.y; ++y)
                for (unsigned int x = corner.x; x < end.x; ++x)
                    marks[colour].push_back(distance(before.getPixel(x, y), image.getPixel(x, y)) >
                                            120);
        }
    }
    for (std::size_t a = 0; a < 5; ++a)
    {
        EXPECT_GT(std::count(marks[a].begin(), marks[a].end(), true), 60) << "mark " << a;
        for (std::size_t b = a + 1; b < 5; ++b)
        {
            int differ = 0;
            for (std::size_t i = 0; i < marks[a].size(); ++i)
                differ += marks[a][i] != marks[b][i];
            EXPECT_GT(differ, 40) << "marks " << a << " and " << b;
        }
    }
}

TEST_F(LookTest, AModernGameWhoseAtlasDidNotLoadIsDrawnFlatSoThatThePiecesKeepTheirColours)
{
    open(0, 0, false);
    scene->addNewToken({2, 9}, 2);
    frame();
    capture();
    EXPECT_EQ(sf::Color::Blue, pixel({2, 9}, 0.5f, 0.5f));
    EXPECT_EQ(sf::Color::Red, pixel({7, 4}, 0.5f, 0.6f)) << "the player";
}

TEST_F(LookTest, ALaunchIsTracedToWhereItStopsTheSwappedColoursCrossAndADudEndsInDust)
{
    open(0, 0);
    step(2.f);
    scene->addNewToken({2, 4}, 1);
    press(Key::Left);
    frame();
    capture();
    const sf::Image calm = image;
    // Lit: far from the calm frame's colour at that point.
    const auto lit = [&](sf::Vector2u cell, float fx, float fy)
    { return distance(pixel(cell, fx, fy), pixel(cell, fx, fy, &calm)) > 120; };
    press(Key::Space); // red, at the green token five cells to the left
    // The times after the launch, and what each frame shows.
    const auto at = [&](float seconds)
    {
        step(seconds - lib::Clock::now().asSeconds() + launched);
        capture();
    };
    launched = lib::Clock::now().asSeconds();
    at(0.05f);
    EXPECT_TRUE(lit({5, 4}, 0.8f, 0.5f)) << "the tracer half way";
    EXPECT_FALSE(lit({4, 4}, 0.2f, 0.5f));
    at(0.0625f);
    EXPECT_EQ(0, colourOf(pixel({6, 4}, 0.72f, 0.7f))) << "red leaving the player";
    EXPECT_EQ(1, colourOf(pixel({3, 4}, 0.28f, 0.7f))) << "green leaving the token";
    at(0.1f);
    EXPECT_TRUE(lit({3, 4}, 0.5f, 0.5f));
    EXPECT_FALSE(lit({1, 4}, 0.5f, 0.5f)) << "the tracer stops at the token";
    at(0.1875f);
    EXPECT_EQ(1, colourOf(pixel({6, 4}, 0.72f, 0.7f))) << "the colours crossed";
    EXPECT_EQ(0, colourOf(pixel({3, 4}, 0.28f, 0.7f)));
    at(0.45f);
    EXPECT_FALSE(lit({5, 4}, 0.8f, 0.5f));

    press(Key::Up);
    press(Key::Space); // up an empty column
    launched = lib::Clock::now().asSeconds();
    at(0.2f);
    const sf::Color dust = pixel({7, 0}, 0.2f, 0.45f);
    EXPECT_TRUE(lit({7, 0}, 0.2f, 0.45f)) << "dust beside the line where it leaves the board";
    EXPECT_LT(std::max({dust.r, dust.g, dust.b}) - std::min({dust.r, dust.g, dust.b}), 70);
    at(0.8f);
    EXPECT_FALSE(lit({7, 0}, 0.2f, 0.45f));
}

TEST_F(LookTest, ComboStandsBesideItsRunWhereNoRisingPointsReach)
{
    open(0, 0);
    std::size_t slot = 0;
    for (const auto& [face, cells] :
         {std::pair{Key::Left, std::vector<sf::Vector2u>{{6, 4}, {5, 4}, {4, 4}}},
          {Key::Up, {{7, 3}, {7, 2}, {7, 1}}}})
    {
        for (const sf::Vector2u& cell : cells)
            scene->addNewToken(cell, 0);
        press(face);
        press(Key::Space);
        for (int i = 0; i < 10; ++i, step(0.085f))
            for (std::size_t k = slot; k < slot + 3; ++k)
                EXPECT_FALSE(effects().comboText().getGlobalBounds().intersects(
                    effects().popupText(k).getGlobalBounds()))
                    << "+N " << k << " frame " << i;
        slot += 3;
    }
}

TEST_F(LookTest, ALaneOneArrivalFromTheEndPulsesQuickerTheMoreLanesAreThere)
{
    open(0, 0);
    // Pulses seen in 1.6 s on an empty cell of the right side's first lane, which no arrival
    // reaches in the first 7.8 s of a game.
    const auto pulses = [this](unsigned int lanes)
    {
        for (unsigned int y = 4; y < 4 + lanes; ++y)
            if (scene->board()->tileEmpty({11, y}))
                scene->addNewToken({11, y}, 3);
        scene->launchPlayer(); // the warnings follow each launch
        std::vector<int> red;
        for (int i = 0; i < 40; ++i)
        {
            step(0.04f);
            capture();
            red.push_back(pixel({14, 4}, 0.5f, 0.5f).r);
        }
        const int middle = (*std::min_element(red.begin(), red.end()) +
                            *std::max_element(red.begin(), red.end())) /
                           2;
        int rises = 0;
        for (std::size_t i = 1; i < red.size(); ++i)
            rises += red[i - 1] < middle && red[i] >= middle;
        return rises;
    };
    const int one = pulses(1);
    EXPECT_GE(one, 1);
    EXPECT_GE(pulses(3), one + 2);
}

} // namespace
