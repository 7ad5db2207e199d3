#pragma once

#include "lib/scn/draw/DrawBatch.hpp"

#include <SFML/Graphics/Image.hpp>
#include <SFML/System/Time.hpp>
#include <SFML/System/Vector2.hpp>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace lib::core
{
class Window;
}

namespace lib::scn::draw
{
class RenderGroup;
class Renderizable;
} // namespace lib::scn::draw

namespace bexil
{
class GameScene;
class MenuScene;
} // namespace bexil

namespace bexil::test
{
class TestController;
} // namespace bexil::test

namespace bench
{

class BareFrame;

// The states of the game whose frames are measured.
enum class FrameCase
{
    Menu,         // the main menu, its cursor at rest
    LevelOne,     // a token game at level 1, just started
    BusyGame,     // every lane one token short of full, six tokens just consumed, PAUSE fading in
    LevelSixteen, // a token game at level 16, just started: random background colours
    TimeMode,     // a time game at level 1, just started
    ClassicBusy   // the busy game in the classic look (score dots flying); the others are modern
};

const char* caseName(FrameCase frameCase);

// What one frame's scene update and drawing cost the main thread.
struct FrameCost
{
    double cpuSeconds = 0.0;     // the thread's CPU time
    std::size_t allocations = 0; // calls of operator new
    std::uint64_t drawCalls = 0; // vertex arrays handed to SFML
};

// The real game, its menu scene and game scene, in a real window of the given size with the
// game's fonts and pictures, on the manual time source: time moves only when advanced, so a
// case's frames are all alike. Needs a display.
class BenchGame
{
public:
    explicit BenchGame(sf::Vector2u windowSize);
    ~BenchGame();

    BenchGame(const BenchGame&) = delete;
    BenchGame& operator=(const BenchGame&) = delete;

    // Leaves the current case (letting its animations end) and sets the new one up.
    void enter(FrameCase frameCase);

    // One frame as the window's loop runs it, less the title: clear, events, the scene's
    // update and drawing (measured), display.
    FrameCost engineFrame();
    // The same frame drawn from plain SFML objects (measured), between the same clear, events
    // and display.
    FrameCost bareFrame(BareFrame& frame);
    // The current frame as plain SFML objects, with the tweens of the case's animations.
    std::unique_ptr<BareFrame> makeBareFrame() const;
    // The vertex arrays that one engine frame hands to SFML, and the same frame drawn from them
    // alone, ready made (measured): what SFML and the driver cost for the engine's draw calls.
    using DrawnArrays = std::vector<lib::scn::draw::DrawBatch::Drawn>;
    DrawnArrays recordArrays();
    FrameCost arraysFrame(const DrawnArrays& arrays);
    // The pixels of one engine frame, of one bare frame and of one frame of drawn arrays.
    sf::Image captureEngineFrame();
    sf::Image captureBareFrame(BareFrame& frame);
    sf::Image captureArraysFrame(const DrawnArrays& arrays);

    // The window's own frame, title and all.
    bool loopStep();
    lib::core::Window& window() const;
    // The game scene's first leaf of that node name, searched depth first; it must exist.
    const lib::scn::draw::Renderizable& gameLeaf(const char* name) const;
    FrameCase currentCase() const { return m_case; }

private:
    void clearAndPoll();
    // The back buffer after a frame drawn so, between the clear and the display.
    template <class Draw>
    sf::Image captureFrame(Draw draw);

    std::shared_ptr<bexil::MenuScene> m_menu;
    std::shared_ptr<bexil::GameScene> m_game;
    std::unique_ptr<bexil::test::TestController> m_controller;
    FrameCase m_case = FrameCase::Menu;
    // How long the case's animations have run: the bare frame's tweens stand at that time.
    sf::Time m_animationTime;
};

} // namespace bench
