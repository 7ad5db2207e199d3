#include "bexil/bmenu/KeyRedefinitionMenu.hpp"

#include "bexil/controls/PadMapping.hpp"
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
    // Main menu "Options"; "Fullscreen" and "VSync" changed, then past the look, the volumes and
    // the language to "Redefine keyboard".
    menus.press({Keyboard::Up, Keyboard::Up, Keyboard::Return, Keyboard::Down, Keyboard::Down,
                 Keyboard::Right, Keyboard::Down, Keyboard::Left, Keyboard::Down, Keyboard::Down,
                 Keyboard::Down, Keyboard::Down, Keyboard::Down, Keyboard::Return});
    const auto page =
        std::dynamic_pointer_cast<bexil::bmenu::KeyRedefinitionMenu>(menus.menu->activeStep());
    ASSERT_NE(nullptr, page);
    const auto prompt = [&page] { return page->prompt()->getAsText()->getString(); };
    const auto keys = [&page]
    {
        std::string names;
        for (std::size_t role = 0; role < 6; ++role)
            names += page->keyShown(role)->getAsText()->getString().toAnsiString() + " ";
        return names;
    };
    EXPECT_EQ("Press key for Left", prompt());
    EXPECT_EQ("D Right Up Down Space Escape ", keys()) << "the keys as they stand";
    menus.press({Keyboard::W});
    EXPECT_EQ("Press key for Right", prompt());
    menus.press({Keyboard::W, Keyboard::Unknown});
    EXPECT_EQ("Press key for Right", prompt()) << "repeats and unknown keys are no keys";
    const sf::FloatRect bounds = page->prompt()->getLocalBounds();
    const sf::Vector2f corner = page->prompt()->getPosition();
    EXPECT_NEAR(1000.f, corner.x + bounds.width / 2, 0.01f);
    EXPECT_NEAR(650.f, corner.y + bounds.height / 2, 0.01f);

    menus.press({Keyboard::E, Keyboard::Return, Keyboard::Escape, Keyboard::W});
    EXPECT_EQ("Press key for Launch", prompt()) << "W was taken for Left";
    EXPECT_TRUE(page->refusal()->isVisible());
    EXPECT_EQ("W is already the key for Left", page->refusal()->getAsText()->getString());
    EXPECT_EQ("W E Return Escape Space Escape ", keys());
    menus.press({Keyboard::Numpad0});
    EXPECT_EQ("Press key for Pause", prompt());
    EXPECT_FALSE(page->refusal()->isVisible()) << "a key taken clears the refusal";
    menus.press({Keyboard::LShift});
    EXPECT_EQ("OptionsMenu", menus.activePage());
    EXPECT_EQ("Press key for Left", prompt()) << "the next visit starts again";
    EXPECT_EQ("22 4 58 36 75 38 ", menus.storedKeys()) << "the shared settings table holds them";
    EXPECT_EQ("Yes No ", menus.shown("OptionsMenu", {2, 3}));

    // Two down from the highlight the options page kept, "Redefine keyboard", is "Cancel".
    menus.press({Keyboard::Down, Keyboard::Down, Keyboard::Return});
    EXPECT_EQ("MainMenu", menus.activePage());
    EXPECT_EQ("3 72 73 74 57 36 ", menus.storedKeys());
    EXPECT_EQ("No Yes ", menus.shown("OptionsMenu", {2, 3}));
    EXPECT_EQ("Fullscreen=0\nVSync=1\nkey0=3\n", menus.dir.read("config.cfg"));
}

TEST(ControllerRedefinitionMenu, TakesSevenPadInputsTheMenusHearAtOnceAndBackLeavesEitherPage)
{
    using bexil::test::axisEvent;
    bexil::test::MenuHarness menus;
    menus.open();
    // Options, "Redefine keyboard": a key taken, then the pad's Back leaves with none stored.
    menus.press({Keyboard::Up, Keyboard::Up, Keyboard::Return, Keyboard::Up, Keyboard::Up,
                 Keyboard::Up, Keyboard::Up, Keyboard::Return, Keyboard::W});
    menus.tap(1);
    EXPECT_EQ("OptionsMenu", menus.activePage());
    EXPECT_EQ("71 72 73 74 57 36 ", menus.storedKeys());

    // "Redefine controller": a button taken, then the keyboard's Back leaves with none stored.
    menus.press({Keyboard::Down, Keyboard::Return});
    ASSERT_EQ("ControllerRedefinitionMenu", menus.activePage());
    menus.tap(2);
    menus.press({Keyboard::BackSpace});
    EXPECT_EQ("OptionsMenu", menus.activePage());
    lib::Configuration table("config.cfg");
    EXPECT_EQ("B0", table.getValue("pad_launch4"));

    menus.press({Keyboard::Return});
    menus.send(axisEvent(sf::Joystick::PovX, -100.f)); // Left
    menus.send(axisEvent(sf::Joystick::PovX, 0.f));
    for (const unsigned int button : {10u, 10u, 11u, 12u, 13u, 14u})
        menus.tap(button); // the second 10 is taken already: Right, Up, Down, Launch, Pause
    EXPECT_EQ("ControllerRedefinitionMenu", menus.activePage());
    menus.send(axisEvent(sf::Joystick::Z, 50.f)); // Back
    EXPECT_EQ("OptionsMenu", menus.activePage());
    EXPECT_EQ("PovX- B10 B11 B12 B13 B14 Z+ ",
              table.getValue("pad0") + " " + table.getValue("pad1") + " " + table.getValue("pad2") +
                  " " + table.getValue("pad3") + " " + table.getValue("pad_launch4") + " " +
                  table.getValue("pad_pause5") + " " + table.getValue("pad_back6") + " ");
    EXPECT_EQ((bexil::controls::PadMapping::Inputs{lib::input::Input::joystickButton(12)}),
              bexil::controls::PadMapping().inputs(lib::input::Action::Down))
        << "read back";

    // The new Down and Fire reach "Cancel", which gives back the pad's bindings of the opening.
    menus.tap(12);
    menus.tap(13);
    EXPECT_EQ("MainMenu", menus.activePage());
    EXPECT_EQ("B0", table.getValue("pad_launch4"));
}

} // namespace
