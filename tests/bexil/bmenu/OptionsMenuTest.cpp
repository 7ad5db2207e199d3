#include "bexil/bmenu/OptionsMenu.hpp"

#include "support/MenuHarness.hpp"
#include "support/StubScene.hpp"

#include <SFML/Window/VideoMode.hpp>

#include <gtest/gtest.h>

#include <algorithm>

namespace
{

using sf::Keyboard;

TEST(OptionsMenu, ShowsTheFileOrDefaultsIgnoresReturnOnValuesAndAcceptWritesAtOnce)
{
    bexil::test::MenuHarness menus;
    menus.dir.write("config.cfg", "Zoom=7\n");
    menus.open();
    menus.press({Keyboard::Down, Keyboard::Down, Keyboard::Return});
    const std::vector<sf::VideoMode> modes = sf::VideoMode::getFullscreenModes();
    ASSERT_FALSE(modes.empty()) << "the test display reports its modes";
    const sf::VideoMode stored(1024, 768, 32);
    const sf::VideoMode mode =
        std::count(modes.begin(), modes.end(), stored) > 0 ? stored : modes.front();
    const std::string width = std::to_string(mode.width);
    const std::string height = std::to_string(mode.height);
    const std::string depth = std::to_string(mode.bitsPerPixel);
    std::string shown;
    for (unsigned int option = 0; option < 4; ++option)
        shown += menus.shown("OptionsMenu", option) + " ";
    EXPECT_EQ("Worst " + width + "x" + height + "x" + depth + " No No ", shown);

    menus.press({Keyboard::Left});
    EXPECT_EQ("Best", menus.shown("OptionsMenu", 0)) << "the values wrap around";
    menus.press({Keyboard::Return, Keyboard::Down, Keyboard::Return, Keyboard::Down,
                 Keyboard::Return, Keyboard::Down, Keyboard::Return});
    EXPECT_EQ("OptionsMenu", menus.activePage());
    EXPECT_EQ("Zoom=7\n", menus.dir.read("config.cfg")) << "nothing is written before Accept";

    menus.press({Keyboard::Up, Keyboard::Up, Keyboard::Up, Keyboard::Left, Keyboard::Left,
                 Keyboard::Down, Keyboard::Down, Keyboard::Right, Keyboard::Up, Keyboard::Up,
                 Keyboard::Up, Keyboard::Return});
    EXPECT_EQ("MainMenu", menus.activePage());
    EXPECT_EQ("Fullscreen=1\nGraphicsLevel=2\nResolutionX=" + width + "\nResolutionY=" + height +
                  "\nVSync=0\nZoom=7\nbpp=" + depth +
                  "\nkey0=71\nkey1=72\nkey2=73\nkey3=74\nkey_launch4=57\nkey_pause5=36\n",
              menus.dir.read("config.cfg"));
    EXPECT_EQ("Normal", menus.shown("OptionsMenu", 0));
}

TEST(OptionsMenu, ChangesSurviveTheKeyPageAndCancelShowsWhatTheFileHoldsWritingNothing)
{
    bexil::test::MenuHarness menus;
    menus.dir.write("config.cfg", "Fullscreen=0\nVSync=1\n");
    menus.open();
    menus.press({Keyboard::Down, Keyboard::Down, Keyboard::Return, Keyboard::Down, Keyboard::Down,
                 Keyboard::Right, Keyboard::Down, Keyboard::Left, Keyboard::Down,
                 Keyboard::Return});
    EXPECT_EQ("KeyRedefinitionMenu", menus.activePage());
    menus.press({Keyboard::A, Keyboard::B, Keyboard::C, Keyboard::D, Keyboard::E, Keyboard::F});
    EXPECT_EQ("Yes No", menus.shown("OptionsMenu", 2) + " " + menus.shown("OptionsMenu", 3));

    // Down from the highlight the page kept, "Redefine keyboard", is "Cancel".
    menus.press({Keyboard::Down, Keyboard::Return});
    EXPECT_EQ("MainMenu", menus.activePage());
    menus.press({Keyboard::Return});
    EXPECT_EQ("No Yes", menus.shown("OptionsMenu", 2) + " " + menus.shown("OptionsMenu", 3));
}

// The options page alone, on a display that reports no full-screen mode.
class FixedModesOptions : public bexil::bmenu::OptionsMenu
{
protected:
    std::vector<sf::VideoMode> fullscreenModes() const override { return {}; }
};

TEST(OptionsMenuModes, NoFullScreenModeShowsTheStoredResolutionAndValuesOutsideTheListsTheFirst)
{
    bexil::test::TempDir dir(true);
    dir.write(
        "config.cfg",
        "GraphicsLevel=8\nFullscreen=-1\nVSync=2\nResolutionX=800\nResolutionY=600\nbpp=16\n");
    auto menu = std::make_shared<bexil::test::StubScene<lib::menu::MenuManager>>("MenuScene");
    auto page = std::make_shared<FixedModesOptions>();
    menu->init = [&] { menu->addMenuStep(page); };
    menu->enter = [&] { menu->changeStep("OptionsMenu"); };
    auto window =
        bexil::test::openTestWindow({menu}, bexil::test::writeGameResourceList("res.cfg"));
    window->window()->loopStep();
    const auto resolution = [&page]
    { return page->chooseControl()->options[1].subOptionText->getAsText()->getString(); };
    EXPECT_EQ("800x600x16", resolution());
    for (Keyboard::Key key : {Keyboard::Down, Keyboard::Right})
        menu->onKeyPressed(bexil::test::keyEvent(key));
    EXPECT_EQ("800x600x16", resolution());
    for (Keyboard::Key key : {Keyboard::Up, Keyboard::Up, Keyboard::Return})
        menu->onKeyPressed(bexil::test::keyEvent(key));
    EXPECT_EQ("Fullscreen=0\nGraphicsLevel=0\nResolutionX=800\nResolutionY=600\nVSync=0\nbpp=16\n",
              dir.read("config.cfg"));
}

} // namespace
