// The whole game for 100,000 frames, driven by seeded random keys through menus, games, pauses,
// options, key redefinition and game overs: for the sanitizers, and to check that the heap does
// not grow from game to game and that every config.cfg written holds its fifteen settings as
// plain numbers, the pad's seven as lists of inputs (with the language's code, and the name last
// entered for a high score).
#include "bexil/BexilProgramController.hpp"
#include "bexil/GameScene.hpp"
#include "bexil/controls/PadMapping.hpp"
#include "bexil/settings/Languages.hpp"
#include "bexil/settings/Settings.hpp"
#include "lib/Clock.hpp"
#include "lib/Configuration.hpp"
#include "lib/Randomizer.hpp"
#include "lib/core/Window.hpp"
#include "lib/menu/MenuManager.hpp"
#include "lib/menu/MenuStep.hpp"
#include "lib/scn/SceneManager.hpp"
#include "support/TempDir.hpp"
#include "support/TestWindow.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <malloc.h>
#include <memory>
#include <set>
#include <string>
#include <vector>

// The sanitizer's count of live heap bytes, where it is linked in (its quarantine of freed blocks
// is in the allocator's figures).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes() __attribute__((weak));

namespace
{

std::size_t heapInUse()
{
    if (__sanitizer_get_current_allocated_bytes != nullptr)
        return __sanitizer_get_current_allocated_bytes();
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// The same keys and tokens every run, a sequence that reaches every page of the menus;
// BEXIL_SOAK_SEED plays another.
const std::uint32_t Seed = static_cast<std::uint32_t>(
    std::getenv("BEXIL_SOAK_SEED") ? std::strtoul(std::getenv("BEXIL_SOAK_SEED"), nullptr, 10)
                                   : 1u);
// Keys a player might press, weighted by repetition: the menus' and the game's keys, the
// numpad, two letters and a key the system could not name.
using K = sf::Keyboard;
const std::vector<K::Key> Keys = {K::Left,    K::Right,  K::Up,      K::Down,    K::Left,
                                  K::Right,   K::Up,     K::Down,    K::Space,   K::Space,
                                  K::Return,  K::Escape, K::Numpad2, K::Numpad4, K::Numpad6,
                                  K::Numpad8, K::A,      K::Z,       K::Unknown};
// Every start has a small window in the modern look, whatever the options chose: cheap to draw,
// and the same heap (the looks' pictures and the languages' glyphs differ in size).
const std::pair<const char*, int> StartSettings[] = {
    {"Fullscreen", 0},    {"GraphicsLevel", 0}, {"Look", 0}, {"ResolutionX", 320},
    {"ResolutionY", 240}, {"VSync", 0},         {"bpp", 32}};

TEST(GameSoak, HundredThousandFramesOfRandomKeysKeepTheHeapAndTheSettings)
{
    bexil::test::TempDir dir(true);
    bexil::test::writeGameResourceList("res.cfg");
    lib::Clock::useManualTime(true);
    lib::Randomizer random(Seed);
    std::unique_ptr<bexil::BexilProgramController> controller;
    std::vector<sf::Keyboard::Key> held;
    std::vector<std::size_t> heap; // after each game, back in the menus
    std::set<std::string> visited;
    std::string lastScene;
    int programs = 0;
    const auto start = [&]
    {
        lib::Configuration::reload(":NextGame");
        lib::Configuration settings("config.cfg");
        for (const auto& [key, value] : StartSettings)
            settings.valueAsInt(key, value, true);
        settings.value(bexil::settings::Settings::Language, "en", true);
        controller = std::make_unique<bexil::BexilProgramController>();
        controller->start();
        controller->window()->randomizer() =
            lib::Randomizer(Seed + static_cast<unsigned>(programs++));
        held.clear();
    };
    // Ends the program as main() does (the window closes, the controller writes config.cfg),
    // then reads that file: fifteen keys, each a number in plain decimal, the pad's seven, the
    // language and the name of the last high score once one was entered.
    const auto stop = [&](const std::string& when)
    {
        controller->window()->closeWindow();
        controller.reset();
        lib::Configuration::reload("config.cfg");
        std::set<std::string> keys;
        lib::Configuration("config.cfg")
            .forEach(
                [&](const auto& entry)
                {
                    if (entry.first == bexil::settings::Settings::PlayerName)
                    {
                        EXPECT_FALSE(entry.second.empty()) << when;
                        return;
                    }
                    if (entry.first == bexil::settings::Settings::Language)
                    {
                        const auto& offered = bexil::settings::Languages::Offered;
                        EXPECT_TRUE(entry.second == bexil::settings::Languages::Auto ||
                                    std::any_of(offered.begin(), offered.end(),
                                                [&](const auto& language)
                                                { return entry.second == language.code; }))
                            << when << ": " << entry.second;
                        return;
                    }
                    keys.insert(entry.first);
                    const auto& pads = bexil::settings::Settings::Pads;
                    if (std::any_of(pads.begin(), pads.end(),
                                    [&](const auto& pad) { return entry.first == pad.key; }))
                    {
                        // A list of inputs, written as the pad's mapping writes it.
                        const auto inputs = bexil::controls::PadMapping::parse(entry.second);
                        EXPECT_TRUE(inputs &&
                                    bexil::controls::PadMapping::text(*inputs) == entry.second)
                            << when << ": " << entry.first << "=" << entry.second;
                        return;
                    }
                    int number = 0;
                    EXPECT_TRUE(lib::Configuration::toInt(entry.second, number) &&
                                entry.second == std::to_string(number))
                        << when << ": " << entry.first << "=" << entry.second;
                });
        EXPECT_EQ(keys.size(), 22u) << when;
    };

    start();
    for (int frame = 0; frame < 100000; ++frame)
    {
        // Now and then a long wait, so tokens keep coming, time goals pass and games end.
        const bool wait = random.getUInt(40) == 0;
        lib::Clock::advanceManualTime(
            sf::milliseconds(wait ? 1000 + static_cast<int>(random.getUInt(4000)) : 16));
        if (controller->window()->loopStep()) // "Exit": the player starts the game again
        {
            stop("exit at frame " + std::to_string(frame));
            start();
            continue;
        }
        // Where the keys have led. Back in the menus after a game, its board and pieces are gone,
        // so the heap compares between games.
        const std::shared_ptr<lib::scn::Scene> scene =
            controller->window()->sceneManager()->currentScene();
        const std::string current = scene ? scene->name() : "";
        if (lastScene == "GameScene" && current == "MenuScene")
            heap.push_back(heapInUse());
        lastScene = current;
        const auto* menu = dynamic_cast<const lib::menu::MenuManager*>(scene.get());
        if (menu && menu->activeStep())
            visited.insert(menu->activeStep()->name());
        if (const auto* game = dynamic_cast<const bexil::GameScene*>(scene.get()))
            visited.insert("GameState" + std::to_string(static_cast<int>(game->gameState())));

        if (scene && !held.empty() && random.getUInt(3) == 0)
        {
            const auto key = held.begin() + random.getUInt(static_cast<std::uint32_t>(held.size()));
            controller->window()->handleEvent(bexil::test::keyEvent(*key, false));
            held.erase(key);
        }
        if (scene && random.getUInt(6) == 0)
        {
            held.push_back(Keys[random.getUInt(static_cast<std::uint32_t>(Keys.size()))]);
            controller->window()->handleEvent(bexil::test::keyEvent(held.back()));
        }
    }
    stop("the end");
    lib::Clock::useManualTime(false);

    ASSERT_GE(heap.size(), 5u) << "the keys should play and end several games";
    ASSERT_GE(programs, 2) << "the keys should reach Exit";
    EXPECT_EQ(visited, (std::set<std::string>{"MainMenu", "StartLevelMenu", "OptionsMenu",
                                              "KeyRedefinitionMenu", "ControllerRedefinitionMenu",
                                              "HighScoresMenu", "HowToPlayMenu", "GameState0",
                                              "GameState1", "GameState2"})); // play, over, pause
    // A program's caches fill as its games meet what earlier ones did not (glyphs of a size or a
    // character not drawn before, the OpenGL driver's variants of a new drawing state; some MB
    // in software rendering, where textures live in the heap), and empty when it ends. So the
    // heap of each program's first game is the floor, the same at every start: a game's board
    // and pieces that outlive the program raise it with every game.
    const auto floor = [&](std::size_t from, std::size_t to)
    {
        return *std::min_element(heap.begin() + static_cast<std::ptrdiff_t>(from),
                                 heap.begin() + static_cast<std::ptrdiff_t>(to));
    };
    const std::size_t third = heap.size() / 3;
    std::cout << "soak: seed " << Seed << ", " << heap.size() << " games, " << programs
              << " starts; the heap after a game at least " << floor(0, third)
              << " bytes in the first third of the games, "
              << floor(heap.size() - third, heap.size()) << " in the last\n";
    // The margin holds the 4 KB or so per start that the windowing libraries keep of each
    // closed window (the game opens one per process, the soak one per start).
    EXPECT_LE(floor(heap.size() - third, heap.size()), floor(0, third) + 512 * 1024);
}

} // namespace
