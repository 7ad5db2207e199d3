#include "bexil/bmenu/KeyRedefinitionMenu.hpp"

#include "support/MenuHarness.hpp"

#include <gtest/gtest.h>

namespace
{

using sf::Keyboard;

// The options page around it keeps its unsaved values, and its "Cancel" gives back the values of
// the file and the keys the page was opened with.
TEST(KeyRedefinitionMenu, TakesSixDifferentKeysIntoTheSharedTableUntilTheOptionsAreCancelled)
{
    bexil::test::MenuHarness menus;
    menus.dir.write("config.cfg", "Fullscreen=0\nVSync=1\nkey0=3\n");
    menus.open();
    // Main menu "Options"; "Fullscreen" and "VSync" changed, then past the look and the volumes to
    // "Redefine keyboard".
    menus.press({Keyboard::Up, Keyboard::Up, Keyboard::Return, Keyboard::Down, Keyboard::Down,
                 Keyboard::Right, Keyboard::Down, Keyboard::Left, Keyboard::Down, Keyboard::Down,
                 Keyboard::Down, Keyboard::Down, Keyboard::Return});
    const auto page =
        std::dynamic_pointer_cast<bexil::bmenu::KeyRedefinitionMenu>(menus.menu->activeStep());
    ASSERT_NE(nullptr, page);
    const auto prompt = [&page] { return page->prompt()->getAsText()->getString(); };
    EXPECT_EQ("Press key for Left", prompt());
    menus.press({Keyboard::W});
    EXPECT_EQ("Press key for Right", prompt());
    menus.press({Keyboard::W, Keyboard::Unknown});
    EXPECT_EQ("Press key for Right", prompt()) << "repeats and unknown keys are no keys";
    const sf::FloatRect bounds = page->prompt()->getLocalBounds();
    const sf::Vector2f corner = page->prompt()->getPosition();
    EXPECT_NEAR(1000.f, corner.x + bounds.width / 2, 0.01f);
    EXPECT_NEAR(1000.f, corner.y + bounds.height / 2, 0.01f);

    menus.press({Keyboard::E, Keyboard::Return, Keyboard::Escape, Keyboard::W});
    EXPECT_EQ("Press key for Launch", prompt()) << "W was taken for Left";
    menus.press({Keyboard::Numpad0});
    EXPECT_EQ("Press key for Pause", prompt());
    menus.press({Keyboard::LShift});
    EXPECT_EQ("OptionsMenu", menus.activePage());
    EXPECT_EQ("Press key for Left", prompt()) << "the next visit starts again";
    EXPECT_EQ("22 4 58 36 75 38 ", menus.storedKeys()) << "the shared settings table holds them";
    EXPECT_EQ("Yes No ", menus.shown("OptionsMenu", {2, 3}));

    // Down from the highlight the options page kept, "Redefine keyboard", is "Cancel".
    menus.press({Keyboard::Down, Keyboard::Return});
    EXPECT_EQ("MainMenu", menus.activePage());
    EXPECT_EQ("3 72 73 74 57 36 ", menus.storedKeys());
    EXPECT_EQ("No Yes ", menus.shown("OptionsMenu", {2, 3}));
    EXPECT_EQ("Fullscreen=0\nVSync=1\nkey0=3\n", menus.dir.read("config.cfg"));
}

} // namespace
