#include "bexil/BexilProgramController.hpp"
#include "lib/Configuration.hpp"
#include "lib/scn/draw/NodeShape.hpp"
#include "support/MenuHarness.hpp"
#include "support/Printers.hpp"

#include <gtest/gtest.h>

namespace
{

using sf::Keyboard;

// How many pixels of the logical rectangle (view of 2000 × 2000 stretched over the window)
// are plainly red, and plainly blue.
struct Inks
{
    int red = 0;
    int blue = 0;
};

Inks inksIn(const sf::Image& image, const sf::FloatRect& logical)
{
    const float sx = static_cast<float>(image.getSize().x) / 2000.f;
    const float sy = static_cast<float>(image.getSize().y) / 2000.f;
    Inks inks;
    for (auto y = static_cast<unsigned>(logical.top * sy);
         y < static_cast<unsigned>((logical.top + logical.height) * sy); ++y)
    {
        for (auto x = static_cast<unsigned>(logical.left * sx);
             x < static_cast<unsigned>((logical.left + logical.width) * sx); ++x)
        {
            const sf::Color c = image.getPixel(x, y);
            inks.red += c.r > 180 && c.g < 80 && c.b < 80;
            inks.blue += c.b > 180 && c.r < 80 && c.g < 80;
        }
    }
    return inks;
}

class MenuSceneTest : public ::testing::Test
{
protected:
    void SetUp() override { menus.open(); }

    bexil::test::MenuHarness menus;
};

TEST_F(MenuSceneTest, StartsOnTheMainMenuBetweenBackgroundAndLogo)
{
    std::vector<std::string> names;
    for (const auto& child : menus.menu->children())
        names.push_back(dynamic_cast<lib::core::HasName&>(*child).name());
    EXPECT_EQ((std::vector<std::string>{"background", "MainMenu", "OptionsMenu",
                                        "KeyRedefinitionMenu", "StartLevelMenu", "mainLogo"}),
              names);
    for (const auto& step : menus.menu->steps())
        EXPECT_EQ(step->name() == "MainMenu", step->isVisible()) << step->name();
    const auto& logo = dynamic_cast<lib::scn::draw::Renderizable&>(*menus.menu->children().back());
    EXPECT_EQ(sf::Vector2f(600, 100), logo.getPosition());
    EXPECT_EQ(sf::Vector2f(800, 400), logo.getAsNodeShape()->getSize());

    const lib::menu::ChooseControl& main = menus.control("MainMenu");
    ASSERT_EQ(4u, main.options.size());
    for (unsigned int i = 0; i < 4; ++i)
    {
        const auto& label = *main.options[i].text;
        EXPECT_FLOAT_EQ(-label.getLocalBounds().width / 2, label.getPosition().x) << i;
        EXPECT_FLOAT_EQ(91.f * static_cast<float>(i), label.getPosition().y) << i;
    }
}

TEST_F(MenuSceneTest, HighlightAndCursorAreDrawnWhereExpectedWrapAndTheCursorSlidesIn120Ms)
{
    menus.advance(200);
    menus.frame();
    menus.frame();
    // Control at (1000, 700): the capitals of line i stand at about y = 725 + 91 i to 780 + 91 i,
    // clear of the descenders of the line above.
    const sf::Image first = bexil::test::capture(*menus.controller->window());
    const Inks line0 = inksIn(first, {650, 725, 700, 55});
    const Inks line1 = inksIn(first, {650, 820, 700, 55});
    EXPECT_GT(line0.red, 200) << "the highlighted line is red";
    EXPECT_EQ(0, line0.blue);
    EXPECT_GT(line1.blue, 200) << "the other lines are blue";
    EXPECT_EQ(0, line1.red);
    const lib::menu::ChooseControl& main = menus.control("MainMenu");
    const float labelLeft = 1000.f + main.options[0].text->getPosition().x;
    // The triangle fills the 90 × 90 box left of the label, pointing at it.
    EXPECT_GT(inksIn(first, {labelLeft - 85, 705, 80, 80}).red, 100) << "the cursor";
    EXPECT_EQ(0, inksIn(first, {labelLeft - 180, 705, 85, 80}).red) << "nothing further left";

    menus.press({Keyboard::Down, Keyboard::Down, Keyboard::Numpad2});
    EXPECT_EQ(3u, main.selectedOption());
    menus.press({Keyboard::Down});
    EXPECT_EQ(0u, main.selectedOption()) << "wraps down";
    menus.press({Keyboard::Up, Keyboard::Numpad8, Keyboard::Left, Keyboard::Numpad6, Keyboard::A});
    EXPECT_EQ(2u, main.selectedOption()) << "wraps up; other keys do nothing";
    menus.press({Keyboard::Up});
    const sf::Vector2f label = main.options[1].text->getPosition();
    menus.advance(121);
    menus.frame();
    EXPECT_EQ(sf::Vector2f(label.x - 90, label.y), main.cursorNode()->getPosition()) << "slid";
    EXPECT_EQ(90.f, main.cursorNode()->transformable()->getRotation());
    menus.frame();
    const sf::Image second = bexil::test::capture(*menus.controller->window());
    EXPECT_EQ(0, inksIn(second, {650, 725, 700, 55}).red);
    EXPECT_GT(inksIn(second, {650, 820, 700, 55}).red, 200);
    EXPECT_EQ("MainMenu", menus.activePage());
}

TEST_F(MenuSceneTest, ModeAndLevelReachTheGameAndTheGameReturnsToTheMainMenu)
{
    lib::Configuration nextGame(":NextGame");
    menus.press({Keyboard::Down, Keyboard::Return});
    EXPECT_EQ("StartLevelMenu", menus.activePage());
    EXPECT_EQ(1, nextGame.getAsInt("GameMode", -1));
    EXPECT_EQ("1", menus.shown("StartLevelMenu", 0));

    menus.press({Keyboard::Left});
    EXPECT_EQ("20", menus.shown("StartLevelMenu", 0));
    menus.press({Keyboard::Right, Keyboard::Right});
    EXPECT_EQ("2", menus.shown("StartLevelMenu", 0));
    EXPECT_EQ("", nextGame.getValue("StartLevel")) << "moving through the levels writes nothing";
    const auto& level = *menus.control("StartLevelMenu").options[0].subOptionText;
    EXPECT_FLOAT_EQ(1800.f, level.getPosition().x + level.getLocalBounds().width);

    menus.press(
        {Keyboard::Right, Keyboard::Right, Keyboard::Right, Keyboard::Right, Keyboard::Right});
    menus.press({Keyboard::Return});
    EXPECT_EQ(6, nextGame.getAsInt("StartLevel", -1)) << "level 7 is index 6";
    EXPECT_EQ(menus.game, menus.currentScene());
    EXPECT_EQ(1, menus.game->entered);
    EXPECT_FALSE(menus.frame());

    menus.press({Keyboard::Space});
    EXPECT_EQ(menus.menu, menus.currentScene());
    EXPECT_EQ("MainMenu", menus.activePage());
    EXPECT_EQ(1u, menus.control("MainMenu").selectedOption()) << "the page kept its highlight";
    menus.press({Keyboard::Up, Keyboard::Space});
    EXPECT_EQ(0, nextGame.getAsInt("GameMode", -1));
    EXPECT_EQ("1", menus.shown("StartLevelMenu", 0)) << "a new visit offers level 1";
}

TEST_F(MenuSceneTest, BackReturnsToTheMainMenuAndExitEndsTheLoopAfterTheFrame)
{
    menus.press({Keyboard::Return, Keyboard::Down, Keyboard::Left, Keyboard::Return});
    EXPECT_EQ("MainMenu", menus.activePage());
    EXPECT_EQ("", lib::Configuration(":NextGame").getValue("StartLevel"));
    EXPECT_EQ(0, menus.game->entered);
    EXPECT_FALSE(menus.frame());
    menus.press({Keyboard::Up, Keyboard::Return});
    EXPECT_EQ("MainMenu", menus.activePage());
    EXPECT_TRUE(menus.frame());
}

TEST(ProgramScenes, TheMenuSceneComesFirstThenTheGame)
{
    bexil::test::TempDir dir(true);
    bexil::BexilProgramController controller;
    std::vector<std::string> names;
    for (const auto& scene : controller.scenesVector())
        names.push_back(scene->name());
    EXPECT_EQ((std::vector<std::string>{"MenuScene", "GameScene"}), names);
}

} // namespace
