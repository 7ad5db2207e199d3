#include "bexil/bmenu/OptionsMenu.hpp"

#include "bexil/controls/Bindings.hpp"
#include "bexil/controls/PadMapping.hpp"
#include "lib/scn/Audio.hpp"
#include "support/MenuHarness.hpp"
#include "support/StubScene.hpp"

#include <SFML/Window/VideoMode.hpp>

#include <gtest/gtest.h>

namespace
{

using sf::Keyboard;

const std::string DefaultKeys =
    "key0=71\nkey1=72\nkey2=73\nkey3=74\nkey_launch4=57\nkey_pause5=36\npad0=PovX-,X-\n"
    "pad1=PovX+,X+\npad2=PovY-,Y-\npad3=PovY+,Y+\npad_back6=B1\npad_launch4=B0\npad_pause5=B7\n";

TEST(OptionsMenu, ShowsTheFileOrDefaultsIgnoresReturnOnValuesAndAcceptWritesAtOnce)
{
    bexil::test::MenuHarness menus;
    menus.dir.write("config.cfg", "Zoom=7\n");
    menus.open();
    menus.press({Keyboard::Up, Keyboard::Up, Keyboard::Return}); // Options, above Exit
    // 1024 x 768 is offered even where the display of the tests lacks it.
    EXPECT_EQ("Worst 1024x768 No No Modern 8 6 ",
              menus.shown("OptionsMenu", {0, 1, 2, 3, 4, 5, 6}));

    // Left from "Worst" wraps to "Best"; Return on a value does nothing.
    menus.press({Keyboard::Left, Keyboard::Return, Keyboard::Down, Keyboard::Return, Keyboard::Down,
                 Keyboard::Return, Keyboard::Down, Keyboard::Return});
    EXPECT_EQ("OptionsMenu", menus.activePage());
    EXPECT_EQ("Zoom=7\n", menus.dir.read("config.cfg")) << "nothing is written before Accept";

    // "Normal", full screen, "Colour-blind" (Left from "Modern" wraps) and the volumes, which are
    // set as they change; then down to "Accept".
    const lib::scn::Audio& audio = menus.controller->window()->sceneManager()->audio();
    menus.press({Keyboard::Up, Keyboard::Up, Keyboard::Up, Keyboard::Left, Keyboard::Left,
                 Keyboard::Down, Keyboard::Down, Keyboard::Right, Keyboard::Down, Keyboard::Down,
                 Keyboard::Left, Keyboard::Down, Keyboard::Left, Keyboard::Down, Keyboard::Right,
                 Keyboard::Right});
    EXPECT_EQ("7 8 ", std::to_string(audio.soundVolume()) + " " +
                          std::to_string(audio.musicVolume()) + " ");
    menus.press({Keyboard::Down, Keyboard::Down, Keyboard::Down, Keyboard::Down, Keyboard::Down,
                 Keyboard::Return});
    EXPECT_EQ("MainMenu", menus.activePage());
    EXPECT_EQ("Fullscreen=1\nGraphicsLevel=2\nLook=2\nMusicVolume=8\nResolutionX=1024\n"
              "ResolutionY=768\nSoundVolume=7\nVSync=0\nZoom=7\nbpp=32\n" +
                  DefaultKeys,
              menus.dir.read("config.cfg"));
    EXPECT_EQ("Normal ", menus.shown("OptionsMenu", {0}));
}

// The options page alone, on a display that has two sizes, each at two depths, and whose
// desktop is at 32 bits.
class TwoSizeOptions : public bexil::bmenu::OptionsMenu
{
protected:
    std::vector<sf::VideoMode> fullscreenModes() const override
    {
        return {{1280, 1024, 16}, {1280, 1024, 32}, {1024, 768, 32}, {1024, 768, 24}};
    }
    unsigned int desktopDepth() const override { return 32; }
};

TEST(OptionsMenuModes, EachSizeOnceAtTheDesktopsDepthAStoredOneTooVolumesStopOddValuesShowSafely)
{
    bexil::test::MenuHarness menus;
    menus.dir.write("config.cfg", "GraphicsLevel=8\nFullscreen=-1\nVSync=2\nLook=5\n"
                                  "ResolutionX=800\nResolutionY=600\nbpp=16\nSoundVolume=11\n"
                                  "MusicVolume=0\n");
    auto menu = std::make_shared<bexil::test::StubScene<lib::menu::MenuManager>>("MenuScene");
    menu->init = [&] { menu->addMenuStep(std::make_shared<TwoSizeOptions>()); };
    menu->enter = [&] { menu->changeStep("OptionsMenu"); };
    menu->bindings = bexil::controls::Bindings::menus(bexil::controls::PadMapping());
    menus.open(menu);
    EXPECT_EQ("Worst 800x600 Yes Yes Modern 8 0 ",
              menus.shown("OptionsMenu", {0, 1, 2, 3, 4, 5, 6}));
    std::string sizes;
    menus.press({Keyboard::Down});
    for (int i = 0; i < 4; ++i)
    {
        menus.press({Keyboard::Right});
        sizes += menus.shown("OptionsMenu", {1});
    }
    EXPECT_EQ("1280x1024 1024x768 800x600 1280x1024 ", sizes);
    // The sound turned up past 10 and the music down past 0; then "Accept".
    menus.press({Keyboard::Down, Keyboard::Down, Keyboard::Down, Keyboard::Down, Keyboard::Right,
                 Keyboard::Right, Keyboard::Right, Keyboard::Down, Keyboard::Left, Keyboard::Down,
                 Keyboard::Down, Keyboard::Down, Keyboard::Down, Keyboard::Down, Keyboard::Return});
    EXPECT_EQ("Fullscreen=1\nGraphicsLevel=0\nLook=0\nMusicVolume=0\nResolutionX=1280\n"
              "ResolutionY=1024\nSoundVolume=10\nVSync=1\nbpp=32\n" +
                  DefaultKeys,
              menus.dir.read("config.cfg"));
}

} // namespace
