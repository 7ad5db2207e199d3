#include "bench/BenchGame.hpp"

#include "bench/AllocationCounter.hpp"
#include "bench/BareFrame.hpp"
#include "bexil/GameScene.hpp"
#include "bexil/MenuScene.hpp"
#include "bexil/Player.hpp"
#include "bexil/look/ILook.hpp"
#include "bexil/settings/Settings.hpp"
#include "lib/Clock.hpp"
#include "lib/Configuration.hpp"
#include "lib/core/Window.hpp"
#include "lib/scn/SceneManager.hpp"
#include "lib/scn/draw/Renderizable.hpp"
#include "support/TestController.hpp"

#include <SFML/Graphics/Texture.hpp>
#include <SFML/Window/Event.hpp>

#include <cassert>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>

namespace bench
{

namespace
{

constexpr std::uint32_t LanesOneShortOfFull = 4;

double threadCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// The game's resource list with its folder made absolute, so the benchmark runs anywhere.
std::string writeResourceList()
{
    const auto path = std::filesystem::temp_directory_path() / "bexil-bench-res.cfg";
    std::ifstream list(BEXIL_RUN_DIR "/res.cfg");
    std::ofstream out(path);
    std::string line;
    while (std::getline(list, line))
    {
        if (line.rfind("resources_directory=", 0) == 0)
            line = "resources_directory=" BEXIL_RUN_DIR "/data/";
        out << line << '\n';
    }
    return path.string();
}

void startGame(int mode, int startLevel)
{
    lib::Configuration nextGame(":NextGame");
    nextGame.valueAsInt("GameMode", mode, true);
    nextGame.valueAsInt("StartLevel", startLevel, true);
}

const lib::scn::draw::Renderizable* findLeaf(const lib::scn::draw::RenderGroup& group,
                                             const char* name)
{
    for (const auto& child : group.children())
    {
        if (const auto* leaf = dynamic_cast<const lib::scn::draw::Renderizable*>(child.get()))
        {
            if (leaf->name() == name)
                return leaf;
        }
        else if (const auto* inner = dynamic_cast<const lib::scn::draw::RenderGroup*>(child.get()))
        {
            if (const lib::scn::draw::Renderizable* found = findLeaf(*inner, name))
                return found;
        }
    }
    return nullptr;
}

// Plain SFML: the window's own draw would pass through the engine's batch.
void drawArrays(sf::RenderTarget& target, const BenchGame::DrawnArrays& arrays)
{
    for (const lib::scn::draw::DrawBatch::Drawn& drawn : arrays)
        target.draw(drawn.vertices.data(), drawn.vertices.size(), sf::Triangles, drawn.states);
}

} // namespace

const char* caseName(FrameCase frameCase)
{
    switch (frameCase)
    {
    case FrameCase::Menu:
        return "menu";
    case FrameCase::LevelOne:
        return "level1";
    case FrameCase::BusyGame:
        return "busy";
    case FrameCase::LevelSixteen:
        return "level16";
    case FrameCase::TimeMode:
        return "time_mode";
    case FrameCase::ClassicBusy:
        return "busy_classic";
    }
    return "";
}

BenchGame::BenchGame(sf::Vector2u windowSize)
    : m_menu(std::make_shared<bexil::MenuScene>())
    , m_game(std::make_shared<bexil::GameScene>())
{
    lib::Clock::useManualTime(true);
    m_controller = std::make_unique<bexil::test::TestController>(
        std::vector<std::shared_ptr<lib::scn::Scene>>{m_menu, m_game}, writeResourceList(), true,
        windowSize);
    m_controller->start();
    // The first frame enters the menu.
    loopStep();
    enter(FrameCase::Menu);
}

BenchGame::~BenchGame()
{
    window().closeWindow();
    m_controller.reset();
}

lib::core::Window& BenchGame::window() const
{
    return *m_controller->window();
}

bool BenchGame::loopStep()
{
    return window().loopStep();
}

void BenchGame::enter(FrameCase frameCase)
{
    // Every animation of the case being left ends (score dots are removed, fades land).
    lib::Clock::advanceManualTime(sf::seconds(2));
    loopStep();
    loopStep();

    m_case = frameCase;
    m_animationTime = sf::Time::Zero;
    lib::scn::SceneManager& scenes = *window().sceneManager();
    const bool busy = frameCase == FrameCase::BusyGame || frameCase == FrameCase::ClassicBusy;
    lib::Configuration settings(bexil::settings::Settings::ConfigFile);
    bexil::settings::Settings::Look.store(settings, frameCase == FrameCase::ClassicBusy ? 1 : 0);
    switch (frameCase)
    {
    case FrameCase::Menu:
        scenes.changeScene("MenuScene");
        break;
    case FrameCase::LevelOne:
    case FrameCase::BusyGame:
    case FrameCase::ClassicBusy:
        startGame(bexil::GameScene::TokenMode, 0);
        scenes.changeScene("GameScene");
        break;
    case FrameCase::LevelSixteen:
        startGame(bexil::GameScene::TokenMode, 15);
        scenes.changeScene("GameScene");
        break;
    case FrameCase::TimeMode:
        startGame(bexil::GameScene::TimeMode, 0);
        scenes.changeScene("GameScene");
        break;
    }
    // The menu's cursor slides in on entry.
    lib::Clock::advanceManualTime(sf::milliseconds(200));
    loopStep();

    if (busy)
    {
        bexil::GameScene& game = *m_game;
        // Six tokens of the player's colour in its line, consumed by one launch: six dots (six
        // bursts and "+N" in the modern look).
        game.movePlayer(bexil::Direction::Left);
        for (unsigned int x = 1; x <= 6; ++x)
            game.addNewToken({x, 4}, game.player()->data);
        game.launchPlayer();
        // Each lane of each side one token short of reaching the centre.
        for (std::uint32_t lane = 0; lane < LanesOneShortOfFull; ++lane)
        {
            for (unsigned int i = 1; i < 7; ++i)
            {
                game.addNewToken({i, 4 + lane}, static_cast<std::int32_t>((i + lane) % 5));
                game.addNewToken({17 - i, 4 + lane}, static_cast<std::int32_t>((i * 3) % 5));
            }
            for (unsigned int i = 1; i < 4; ++i)
            {
                game.addNewToken({7 + lane, i}, static_cast<std::int32_t>((i + 1) % 5));
                game.addNewToken({7 + lane, 11 - i}, static_cast<std::int32_t>(i % 5));
            }
        }
        game.switchPause();
        // Mid-way: the dots half-way to the score, the bursts' particles in flight, the PAUSE
        // text a third faded in.
        m_animationTime = sf::milliseconds(300);
        lib::Clock::advanceManualTime(m_animationTime);
    }
    // Fills SFML's caches (glyphs, the driver's shaders) before anything is measured.
    for (int i = 0; i < 3; ++i)
        loopStep();
}

void BenchGame::clearAndPoll()
{
    lib::core::Window& target = window();
    target.clear(sf::Color(0, 0, 0, 255));
    sf::Event event;
    while (target.pollEvent(event))
    {
    }
}

FrameCost BenchGame::engineFrame()
{
    lib::core::Window& target = window();
    clearAndPoll();
    target.resetDrawCalls();
    FrameCost cost;
    const std::size_t allocationsBefore = allocations();
    const double start = threadCpuSeconds();
    target.sceneManager()->update();
    cost.cpuSeconds = threadCpuSeconds() - start;
    cost.allocations = allocations() - allocationsBefore;
    cost.drawCalls = target.drawCalls();
    target.display();
    return cost;
}

FrameCost BenchGame::bareFrame(BareFrame& frame)
{
    lib::core::Window& target = window();
    clearAndPoll();
    FrameCost cost;
    const std::size_t allocationsBefore = allocations();
    const double start = threadCpuSeconds();
    cost.drawCalls = frame.draw(target, m_animationTime);
    cost.cpuSeconds = threadCpuSeconds() - start;
    cost.allocations = allocations() - allocationsBefore;
    target.display();
    return cost;
}

std::unique_ptr<BareFrame> BenchGame::makeBareFrame() const
{
    lib::scn::Scene& scene = *window().sceneManager()->currentScene();
    auto frame = std::make_unique<BareFrame>(scene);
    if (m_case != FrameCase::BusyGame && m_case != FrameCase::ClassicBusy)
        return frame;
    // The animations the engine steps in this case: the dots' flight and the PAUSE fade. A
    // dot's start is found back from where it stands now, at this point of its flight.
    const sf::Vector2f target(450.f, 100.f);
    const float progress = static_cast<float>(m_animationTime.asMilliseconds()) / 600.f;
    for (const auto& child : scene.children())
    {
        const auto* dot = dynamic_cast<const lib::scn::draw::Renderizable*>(child.get());
        if (dot == nullptr || dot->name() != bexil::look::ILook::ScoreDotName)
            continue;
        const sf::Vector2f start = (dot->getPosition() - target * progress) / (1.f - progress);
        frame->addPositionTween(dot, start, target, 600);
    }
    frame->addColorTween(&gameLeaf("pausetext"), sf::Color(255, 255, 255, 0), sf::Color::White,
                         1000);
    return frame;
}

const lib::scn::draw::Renderizable& BenchGame::gameLeaf(const char* name) const
{
    const lib::scn::draw::Renderizable* found = findLeaf(*m_game, name);
    assert(found != nullptr);
    return *found;
}

BenchGame::DrawnArrays BenchGame::recordArrays()
{
    DrawnArrays arrays;
    window().batch().recordInto(&arrays);
    engineFrame();
    window().batch().recordInto(nullptr);
    return arrays;
}

FrameCost BenchGame::arraysFrame(const DrawnArrays& arrays)
{
    clearAndPoll();
    FrameCost cost;
    const std::size_t allocationsBefore = allocations();
    const double start = threadCpuSeconds();
    drawArrays(window(), arrays);
    cost.cpuSeconds = threadCpuSeconds() - start;
    cost.allocations = allocations() - allocationsBefore;
    cost.drawCalls = arrays.size();
    window().display();
    return cost;
}

template <class Draw>
sf::Image BenchGame::captureFrame(Draw draw)
{
    lib::core::Window& target = window();
    clearAndPoll();
    draw();
    sf::Texture shot;
    shot.create(target.getSize().x, target.getSize().y);
    shot.update(target);
    target.display();
    return shot.copyToImage();
}

sf::Image BenchGame::captureEngineFrame()
{
    return captureFrame([this] { window().sceneManager()->update(); });
}

sf::Image BenchGame::captureBareFrame(BareFrame& frame)
{
    return captureFrame([this, &frame] { frame.draw(window(), m_animationTime); });
}

sf::Image BenchGame::captureArraysFrame(const DrawnArrays& arrays)
{
    return captureFrame([this, &arrays] { drawArrays(window(), arrays); });
}

} // namespace bench
