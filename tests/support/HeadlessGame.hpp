#pragma once

#include "bexil/GameScene.hpp"
#include "bexil/scores/HighScoreOverlay.hpp"
#include "bexil/settings/Settings.hpp"
#include "lib/Clock.hpp"
#include "lib/Configuration.hpp"
#include "lib/scn/ResourceManager.hpp"
#include "lib/scn/SceneManager.hpp"

#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

namespace bexil::test
{

// Scenes run by a scene manager without a window, on the manual time source, one 16 ms frame at
// a time: the game's rules as the game runs them. Texts still need a display for their glyphs.
struct Headless
{
    explicit Headless(std::vector<std::shared_ptr<lib::scn::Scene>> scenes)
    {
        lib::Clock::useManualTime(true);
        manager.addScenes(scenes);
        manager.update();
    }
    ~Headless() { lib::Clock::useManualTime(false); }

    // Frames for that long, calling eachFrame after each.
    void run(sf::Time time, const std::function<void()>& eachFrame = nullptr)
    {
        for (sf::Time done; done < time; done += sf::milliseconds(16))
        {
            lib::Clock::advanceManualTime(sf::milliseconds(16));
            manager.update();
            if (eachFrame)
                eachFrame();
        }
    }
    const std::shared_ptr<lib::scn::Scene>& current() const { return manager.currentScene(); }

    lib::scn::SceneManager manager{std::make_shared<lib::scn::ResourceManager>("")};
};

// A game scene of that mode and start level (from 0), started.
inline std::shared_ptr<GameScene> headlessGame(int mode = 0, int startLevel = 0)
{
    lib::Configuration table(":HeadlessGame");
    settings::Settings::GameMode.store(table, mode);
    settings::Settings::StartLevel.store(table, startLevel);
    return std::make_shared<GameScene>("GameScene", ":HeadlessGame");
}

// Ends the game: every lane full, then one more arrival.
inline void endGame(GameScene& game)
{
    for (unsigned int x = 0; x < 18; ++x)
        for (unsigned int y = 0; y < 12; ++y)
            if ((x >= 7 && x <= 10) != (y >= 4 && y <= 7) && game.board()->tileEmpty({x, y}))
                game.addNewToken({x, y}, 4);
    game.generateNextToken();
}

// Whether the scene shows a new high score's name entry or table.
inline bool showsHighScore(const GameScene& game)
{
    for (const auto& child : game.children())
        if (dynamic_cast<const scores::HighScoreOverlay*>(child.get()) != nullptr)
            return child->isVisible();
    throw std::logic_error("no high score overlay");
}

} // namespace bexil::test
