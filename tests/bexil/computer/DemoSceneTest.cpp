#include "bexil/computer/DemoScene.hpp"

#include "bexil/MenuScene.hpp"
#include "lib/Randomizer.hpp"
#include "lib/menu/MenuStep.hpp"
#include "lib/scn/Resource.hpp"
#include "lib/scn/ResourceManager.hpp"
#include "lib/scn/SceneManager.hpp"
#include "support/HeadlessGame.hpp"
#include "support/TempDir.hpp"
#include "support/TestWindow.hpp"

#include <SFML/Audio/Music.hpp>

#include <gtest/gtest.h>

#include <filesystem>

namespace
{

TEST(DemoScene, StartsAfterThirtySecondsWithoutAKeyStopsAtAnyKeyAndEntersNoHighScore)
{
    const bexil::test::TempDir folder(true);
    lib::Randomizer::seedProgram(1);
    const auto menu = std::make_shared<bexil::MenuScene>();
    const auto demo = std::make_shared<bexil::computer::DemoScene>();
    bexil::test::Headless run({menu, demo});
    run.run(sf::seconds(20));
    run.manager.handleEvent(bexil::test::keyEvent(sf::Keyboard::Down)); // the wait starts over
    run.run(sf::seconds(29));
    EXPECT_EQ(run.current(), menu);
    run.run(sf::seconds(1.1f));
    ASSERT_EQ(run.current(), demo);

    run.run(sf::seconds(60));
    EXPECT_GT(demo->score(), 0u) << "the computer plays";
    bexil::test::endGame(*demo);
    run.run(sf::seconds(2));
    EXPECT_FALSE(bexil::test::showsHighScore(*demo)) << "no name to enter";
    run.manager.handleEvent(bexil::test::buttonEvent(3)); // any button
    EXPECT_EQ(run.current(), menu);
    EXPECT_EQ(menu->activeStep()->name(), "MainMenu");
    EXPECT_TRUE(std::filesystem::is_empty(folder.file(""))) << "no settings, no high scores";
    EXPECT_EQ(lib::Configuration(bexil::settings::Settings::NextGameTable).getValue("GameMode"),
              "");
}

TEST(DemoScene, PlaysTheGamesMusicWhereTheHowToPlayBoardLeavesTheMenusOn)
{
    setenv("ALSOFT_DRIVERS", "null", 1); // OpenAL's device that plays nothing
    const bexil::test::TempDir folder(true);
    lib::Clock::useManualTime(true);
    const auto menu = std::make_shared<bexil::MenuScene>();
    const auto demo = std::make_shared<bexil::computer::DemoScene>();
    bexil::test::TestController game(
        {menu, demo}, bexil::test::writeGameResourceList("res.cfg", BEXIL_RUN_DIR "/data/"), true);
    game.start();
    const lib::scn::SceneManager& scenes = *game.window()->sceneManager();
    const auto music = [&scenes](const char* name)
    {
        const sf::Music* track = scenes.resourceManager()->getResource(name)->getAsMusic();
        return track ? track->getStatus() : sf::Music::Stopped; // a track is open only to play
    };
    menu->changeStep("HowToPlayMenu");
    for (int frame = 0; frame < 360; ++frame, lib::Clock::advanceManualTime(sf::seconds(0.1f)))
    {
        game.window()->loopStep();
        if (frame != 50)
            continue;
        EXPECT_EQ(sf::Music::Playing, music("game_menu.music"));
        EXPECT_EQ(sf::Music::Stopped, music("game_scene.music")) << "the small board is silent";
        menu->changeStep("MainMenu"); // and no key for 31 s
    }
    ASSERT_EQ(demo, scenes.currentScene());
    EXPECT_EQ(sf::Music::Stopped, music("game_menu.music"));
    EXPECT_EQ(sf::Music::Playing, music("game_scene.music"));
}

} // namespace
