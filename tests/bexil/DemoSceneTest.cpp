#include "bexil/DemoScene.hpp"

#include "bexil/MenuScene.hpp"
#include "lib/Randomizer.hpp"
#include "lib/menu/MenuStep.hpp"
#include "support/HeadlessGame.hpp"
#include "support/TempDir.hpp"
#include "support/TestWindow.hpp"

#include <gtest/gtest.h>

#include <filesystem>

namespace
{

TEST(DemoScene, StartsAfterThirtySecondsWithoutAKeyPlaysStopsAtAnyKeyAndWritesNothing)
{
    const bexil::test::TempDir folder(true);
    lib::Randomizer::seedProgram(1);
    const auto menu = std::make_shared<bexil::MenuScene>();
    const auto demo = std::make_shared<bexil::DemoScene>();
    bexil::test::Headless run({menu, demo});
    run.run(sf::seconds(20));
    menu->onKeyPressed(bexil::test::keyEvent(sf::Keyboard::Down)); // a key: the wait starts over
    run.run(sf::seconds(29));
    EXPECT_EQ(run.current(), menu);
    run.run(sf::seconds(1.1f));
    ASSERT_EQ(run.current(), demo);

    run.run(sf::seconds(60));
    EXPECT_GT(demo->score(), 0u) << "the computer plays";
    demo->onKeyPressed(bexil::test::keyEvent(sf::Keyboard::Z));
    EXPECT_EQ(run.current(), menu);
    EXPECT_EQ(menu->activeStep()->name(), "MainMenu");
    EXPECT_TRUE(std::filesystem::is_empty(folder.file(""))) << "no settings file, no scores";
    EXPECT_EQ(lib::Configuration(bexil::Settings::NextGameTable).getValue("GameMode"), "");
}

} // namespace
