#include "bexil/GameScene.hpp"
#include "bexil/MenuScene.hpp"
#include "bexil/Player.hpp"
#include "bexil/computer/DemoScene.hpp"
#include "bexil/look/EffectsLayer.hpp"
#include "bexil/scores/HighScores.hpp"
#include "lib/Clock.hpp"
#include "lib/menu/ChooseControl.hpp"
#include "lib/menu/MenuStep.hpp"
#include "lib/scn/SceneManager.hpp"
#include "lib/scn/draw/NodeShape.hpp"
#include "lib/scn/draw/Renderizable.hpp"
#include "support/Printers.hpp"
#include "support/TempDir.hpp"
#include "support/TestWindow.hpp"

#include <SFML/Graphics/Text.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <thread>

namespace
{

using bexil::test::capture;

bool dark(sf::Color c)
{
    return c.r + c.g + c.b <= 6;
}

sf::Color pixel(const sf::Image& image, int x, int y)
{
    return image.getPixel(static_cast<unsigned int>(x), static_cast<unsigned int>(y));
}

float fl(int value)
{
    return static_cast<float>(value);
}

// The first and the last of count points along a line that are not black, or (-1, -1).
template <class At>
sf::Vector2i litSpan(int count, At at)
{
    sf::Vector2i span(-1, -1);
    for (int i = 0; i < count; ++i)
        if (!dark(at(i)))
            span = {span.x < 0 ? i : span.x, i};
    return span;
}

// The box of the pixels of exactly that colour, in the rows from top to bottom (the whole
// image by default).
sf::IntRect boxOf(const sf::Image& image, sf::Color colour, unsigned int from = 0,
                  unsigned int to = ~0u)
{
    const sf::Vector2u size = image.getSize();
    int left = static_cast<int>(size.x), top = static_cast<int>(size.y), right = -1, bottom = -1;
    for (unsigned int y = from; y < std::min(to, size.y); ++y)
        for (unsigned int x = 0; x < size.x; ++x)
            if (image.getPixel(x, y) == colour)
            {
                left = std::min(left, static_cast<int>(x));
                top = std::min(top, static_cast<int>(y));
                right = std::max(right, static_cast<int>(x));
                bottom = std::max(bottom, static_cast<int>(y));
            }
    return {left, top, right - left + 1, bottom - top + 1};
}

// The real menu and game scenes in a window of the size given, in a fresh folder, on the manual
// time source; frames are drawn without the window's events (other tests' windows take the
// focus, and a game must not pause for that).
class LayoutTest : public ::testing::Test
{
protected:
    void open(sf::Vector2u size, std::shared_ptr<bexil::GameScene> scene,
              std::shared_ptr<lib::scn::Scene> more = nullptr)
    {
        lib::Clock::useManualTime(true);
        game = std::move(scene);
        std::vector<std::shared_ptr<lib::scn::Scene>> scenes{menu, game};
        if (more)
            scenes.push_back(more);
        controller = std::make_unique<bexil::test::TestController>(
            scenes, bexil::test::writeGameResourceList("res.cfg"), false, size);
        controller->start();
        // A window opens no larger than the screen, which may be smaller than the shapes tried
        // here: it is made that size afterwards, as a player may, and the scene hears of it.
        if (window().getSize() != size)
        {
            window().setSize(size);
            const auto resized = [this]
            {
                for (sf::Event event{}; window().pollEvent(event);)
                    if (event.type == sf::Event::Resized)
                        return true;
                return false;
            };
            for (int i = 0; i < 500 && !resized(); ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            window().sceneManager()->windowResized();
            // The software driver takes the drawable's new size at the next swap.
            window().display();
        }
        frame();
    }
    void TearDown() override
    {
        controller.reset();
        lib::Clock::useManualTime(false);
    }
    lib::core::Window& window() { return *controller->window(); }
    sf::Image frame()
    {
        for (sf::Event ignored; window().pollEvent(ignored);)
            continue;
        window().clear();
        window().sceneManager()->update();
        return capture(window());
    }
    // A token game at level 1 in the look, past its banner.
    sf::Image play(int look)
    {
        lib::Configuration("config.cfg").valueAsInt("Look", look, true);
        lib::Configuration(":NextGame").valueAsInt("StartLevel", 0, true);
        window().sceneManager()->changeScene(game->name());
        lib::Clock::advanceManualTime(sf::seconds(2.f));
        return frame();
    }

    bexil::test::TempDir dir{true};
    std::shared_ptr<bexil::MenuScene> menu = std::make_shared<bexil::MenuScene>();
    std::shared_ptr<bexil::GameScene> game;
    std::unique_ptr<bexil::test::TestController> controller;
};

// Where the modern board lies in a frame, measured from its pixels: across the window's middle
// row, then down a column half a cell in from its left edge (clear of the panels). Its cells
// must be square, and the board centred.
sf::IntRect boardIn(const sf::Image& image)
{
    const sf::Vector2i size(image.getSize());
    const sf::Vector2i across = litSpan(size.x, [&](int x) { return pixel(image, x, size.y / 2); });
    const int column = across.x + (across.y - across.x) / 36;
    const sf::Vector2i down = litSpan(size.y, [&](int y) { return pixel(image, column, y); });
    const sf::IntRect board(across.x, down.x, across.y - across.x + 1, down.y - down.x + 1);
    EXPECT_NEAR(fl(board.width) / 18.f, fl(board.height) / 12.f, 1.f) << "square cells";
    EXPECT_NEAR(board.left, size.x - board.left - board.width, 2) << "centred across";
    EXPECT_NEAR(board.top, size.y - board.top - board.height, 2) << "centred down";
    EXPECT_GT(std::max(board.width * 4 / size.x, board.height * 4 / size.y), 2)
        << "three quarters of the window at least, across or down";
    return board;
}

struct Shape
{
    sf::Vector2u size;
    bool panelsBeside; // else above and below the board
};

class WindowShapes : public LayoutTest, public ::testing::WithParamInterface<Shape>
{
};

std::string nameOf(const ::testing::TestParamInfo<Shape>& shape)
{
    return std::to_string(shape.param.size.x) + "x" + std::to_string(shape.param.size.y);
}

TEST_P(WindowShapes, ModernCellsStaySquareAsTheWindowChangesClassicStretchesMenusKeepTheirShape)
{
    const auto [size, beside] = GetParam();
    // The demo: a game that plays on without the focus, so the window's own events can run.
    open(size, std::make_shared<bexil::computer::DemoScene>());

    // The title's picture reaches every corner; the highlighted line and its cursor keep the
    // shape they have in the view's units.
    sf::Image image = frame();
    for (const sf::Vector2u corner :
         {sf::Vector2u(0, 0), {size.x - 1, 0}, {0, size.y - 1}, {size.x - 1, size.y - 1}})
        EXPECT_FALSE(dark(image.getPixel(corner.x, corner.y))) << corner.x << " " << corner.y;
    // In the band, where the lines stand, away from the red tokens of the logo and the drift.
    const sf::IntRect red = boxOf(image, sf::Color::Red, size.y * 583 / 2000, size.y * 1333 / 2000);
    const auto& line = static_cast<lib::menu::ChooseControl&>(*menu->activeStep()->controls()[0]);
    const sf::FloatRect text = line.options[0].text->getAsText()->getGlobalBounds();
    const lib::scn::draw::NodeShape& arrow = *line.cursorNode()->getAsNodeShape();
    const sf::FloatRect cursor = arrow.getTransform().transformRect(arrow.getLocalBounds());
    const float logical = (text.left + text.width - std::min(text.left, cursor.left)) /
                          (std::max(text.top + text.height, cursor.top + cursor.height) -
                           std::min(text.top, cursor.top));
    EXPECT_NEAR(logical, fl(red.width) / fl(red.height), logical * 0.06f) << "undistorted";

    // The classic look keeps the view stretched: the centre square, level 1's pink, spans
    // columns 7 to 10 and rows 4 to 7 of the window divided as the board is.
    const sf::Vector2i window(size);
    const sf::IntRect pink = boxOf(play(1), sf::Color(255, 70, 200));
    for (const auto& [at, wanted] : {std::pair(pink.left, window.x * 7 / 18),
                                     {pink.left + pink.width, window.x * 11 / 18},
                                     {pink.top, window.y * 4 / 12},
                                     {pink.top + pink.height, window.y * 8 / 12}})
        EXPECT_NEAR(at, wanted, 2);

    for (const int look : {2, 0})
    {
        image = play(look);
        const sf::IntRect board = boardIn(image);
        // A panel left of the board's top left corner, or above the board's middle.
        EXPECT_EQ(beside,
                  !dark(pixel(image, board.left - board.height / 8, board.top + board.height / 8)));
        EXPECT_EQ(!beside, !dark(pixel(image, window.x / 2, board.top / 2)));
    }

    // Made a portrait window while it plays, the board follows with its pieces in their cells.
    game->addNewToken({0, 11}, 2); // a corner no launch or arrival reaches
    this->window().setSize({size.y * 4 / 5, size.y});
    for (int i = 0; i < 50 && this->window().getView().getSize().y <= 2000.f; ++i)
        this->window().loopStep();
    this->window().loopStep(); // the token's glide to its new place
    ASSERT_GT(this->window().getView().getSize().y, 2000.f) << "the view follows the window";
    image = capture(this->window());
    const sf::IntRect board = boardIn(image);
    const auto at = [&](sf::Vector2u cell)
    {
        const sf::Vector2i c(cell);
        return pixel(image, board.left + (2 * c.x + 1) * board.width / 36,
                     board.top + (2 * c.y + 1) * board.height / 24);
    };
    const sf::Color blue = at({0, 11}), arrowRed = at(game->player()->boardPosition);
    EXPECT_GT(blue.b, 2 * (blue.r + blue.g)) << "the blue token in its cell";
    EXPECT_GT(arrowRed.r, 2 * (arrowRed.g + arrowRed.b)) << "the red arrow in its cell";
}

INSTANTIATE_TEST_SUITE_P(Sizes, WindowShapes,
                         ::testing::Values(Shape{{1024, 768}, false}, Shape{{1280, 800}, false},
                                           Shape{{1920, 1080}, true}, Shape{{2560, 1080}, true},
                                           Shape{{3840, 2160}, true}),
                         nameOf);

// The height in pixels of an "H" of the text's font, size and style drawn alone under the
// transform, as the game draws texts, read back from the window.
int capitalHeight(lib::core::Window& window, const sf::Text& text, const sf::Transform& transform)
{
    lib::scn::draw::Renderizable probe("probe", new sf::Text("H", *text.getFont()));
    sf::Text& copy = *probe.getAsText();
    copy.setCharacterSize(text.getCharacterSize());
    copy.setStyle(text.getStyle());
    sf::RenderStates states(transform * text.getTransform());
    window.clear();
    probe.draw(&window, states);
    const sf::Image image = capture(window);
    int top = -1, bottom = -1;
    for (unsigned int y = 0; y < image.getSize().y; ++y)
        for (unsigned int x = 0; x < image.getSize().x; ++x)
            if (image.getPixel(x, y).r > 127)
            {
                top = top < 0 ? static_cast<int>(y) : top;
                bottom = static_cast<int>(y);
                break;
            }
    return top < 0 ? 0 : bottom - top + 1;
}

TEST_F(LayoutTest, NoCapitalOnAnyScreenIsUnder12PixelsTallAt1280x800)
{
    bexil::scores::HighScores scores;
    scores.table(0).add({1240, 3, "2026-12-09", "Ada"});
    ASSERT_TRUE(scores.save());
    const auto demo = std::make_shared<bexil::computer::DemoScene>();
    open({1280, 800}, std::make_shared<bexil::GameScene>(), demo);
    // Every visible text with a capital of the Latin alphabets, and the effects' texts.
    std::string small, screen;
    int measured = 0;
    const auto probe = [&](const sf::Text& text, const sf::Transform& transform)
    {
        const sf::String string = text.getString();
        if (std::none_of(string.begin(), string.end(),
                         [](sf::Uint32 c)
                         { return (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE); }))
            return;
        ++measured;
        if (const int height = capitalHeight(window(), text, transform); height < 12)
            small += screen + ": " + string.toAnsiString() + " " + std::to_string(height) + "\n";
    };
    std::function<void(const lib::scn::draw::RenderGroup&, sf::Transform)> walk =
        [&](const lib::scn::draw::RenderGroup& group, sf::Transform transform)
    {
        transform *= group.getTransform();
        bexil::look::EffectsLayer::DrawnParts parts;
        if (const auto* effects = dynamic_cast<const bexil::look::EffectsLayer*>(&group))
            effects->lastFrame(parts);
        for (const auto& [part, states] : parts)
            if (const auto* text = dynamic_cast<const sf::Text*>(part))
                probe(*text, transform * states.transform);
        for (const auto& child : group.children())
            if (const auto* inner = dynamic_cast<const lib::scn::draw::RenderGroup*>(child.get());
                inner && inner->isVisible())
                walk(*inner, transform);
            else if (const auto* leaf =
                         dynamic_cast<const lib::scn::draw::Renderizable*>(child.get());
                     leaf && leaf->isVisible() && leaf->getAsText())
                probe(*leaf->getAsText(), transform);
    };
    const auto look = [&](const lib::scn::Scene& scene, const std::string& name)
    {
        frame();
        screen = name;
        walk(scene, sf::Transform());
    };
    for (const char* page : {"MainMenu", "OptionsMenu", "KeyRedefinitionMenu", "StartLevelMenu",
                             "HighScoresMenu", "HowToPlayMenu"})
    {
        menu->changeStep(page);
        look(*menu, page);
    }
    for (const int lookSetting : {1, 0})
    {
        play(lookSetting);
        lib::Clock::advanceManualTime(sf::seconds(-1.8f)); // the banner back
        look(*game, lookSetting == 0 ? "modern game" : "classic game");
    }
    const auto tap = [this](sf::Keyboard::Key key)
    {
        window().handleEvent(bexil::test::keyEvent(key));
        window().handleEvent(bexil::test::keyEvent(key, false));
    };
    // A run of three for the combo, a pause, then game over with a score that enters the table.
    for (unsigned int x = 4; x <= 6; ++x)
        game->addNewToken({x, 4}, 0);
    tap(sf::Keyboard::Left);
    tap(sf::Keyboard::Space);
    lib::Clock::advanceManualTime(sf::seconds(0.1f));
    look(*game, "combo");
    game->switchPause();
    look(*game, "pause");
    game->switchPause();
    for (unsigned int y = 0; y < 12; ++y) // every lane full
        for (unsigned int x = 0; x < 18; ++x)
            if (((y >= 4 && y < 8) != (x >= 7 && x < 11)) && !game->board()->getTile({x, y}).lock())
                game->addNewToken({x, y}, 1);
    game->generateNextToken();
    ASSERT_EQ(bexil::GameScene::GameState::GameOver, game->gameState());
    look(*game, "game over");
    lib::Clock::advanceManualTime(sf::seconds(1.1f));
    look(*game, "name entry");
    tap(sf::Keyboard::Return);
    look(*game, "table");
    window().sceneManager()->changeScene(bexil::computer::DemoScene::SceneName);
    look(*demo, "demo");
    EXPECT_GT(measured, 60);
    EXPECT_EQ("", small);
}

} // namespace
