// Frame cost and heap allocations per frame of a busy game: every lane one token short of
// full, score dots in flight, drawn into a real window. Needs a display (a virtual X server
// will do). Time is frozen mid-flight, so every measured frame is a steady one.

#include "bexil/GameScene.hpp"
#include "bexil/Player.hpp"
#include "lib/Clock.hpp"
#include "lib/core/ProgramController.hpp"
#include "lib/core/Window.hpp"

#include <SFML/Window/GlResource.hpp>

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <new>

namespace
{

std::atomic<std::size_t> allocations{0};

void* countedAllocation(std::size_t size)
{
    allocations.fetch_add(1, std::memory_order_relaxed);
    void* memory = std::malloc(size == 0 ? 1 : size);
    if (memory == nullptr)
        throw std::bad_alloc();
    return memory;
}

} // namespace

// The other forms of new (nothrow, arrays) go through these in the standard library.
void* operator new(std::size_t size)
{
    return countedAllocation(size);
}
void* operator new[](std::size_t size)
{
    return countedAllocation(size);
}
void operator delete(void* memory) noexcept
{
    std::free(memory);
}
void operator delete[](void* memory) noexcept
{
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept
{
    std::free(memory);
}
void operator delete[](void* memory, std::size_t) noexcept
{
    std::free(memory);
}

namespace
{

class BenchController : public lib::core::ProgramController
{
public:
    BenchController(std::shared_ptr<lib::scn::Scene> scene, std::string resources)
        : m_scene(std::move(scene))
        , m_resources(std::move(resources))
    {
    }

    void onInit() override {}
    std::vector<std::shared_ptr<lib::scn::Scene>> scenesVector() override { return {m_scene}; }
    std::string resourceFile() override { return m_resources; }
    lib::core::WindowCreationParams getWindowCreationParams() override
    {
        lib::core::WindowCreationParams params;
        params.title = "Bexil";
        params.width = 1024;
        params.height = 768;
        return params;
    }

private:
    std::shared_ptr<lib::scn::Scene> m_scene;
    std::string m_resources;
};

// The game's resource list, pointing into the source tree.
std::string writeResourceList()
{
    const auto path = std::filesystem::temp_directory_path() / "bexil-bench-res.cfg";
    std::ofstream(path) << "resources_directory=" BEXIL_DATA_DIR "\n"
                        << "font@game_scene.scoreFont=fonts/DejaVuSansMono-Bold.ttf\n";
    return path.string();
}

// SFML 2.5 creates and deletes a transient context record at every texture change unless a
// lock is held (the score texts and the untextured shapes alternate); the argument 1 holds
// one across the frames, which takes SFML's own allocations out of the count.
class HeldContextLock : sf::GlResource
{
    TransientContextLock m_lock;
};

// A game of the given mode in a window: six score dots launched, then every lane filled to
// one token short of full (72 tokens), and time moved 300 ms into the dots' flight.
struct BusyGame
{
    explicit BusyGame(int mode)
    {
        lib::Configuration(":NextGame").valueAsInt("GameMode", mode, true);
        controller = std::make_unique<BenchController>(scene, writeResourceList());
        controller->start();
        window().loopStep();

        scene->onKeyPressed(key(sf::Keyboard::Left));
        for (unsigned int x = 1; x <= 6; ++x)
            scene->addNewToken({x, 4}, 0);
        scene->onKeyPressed(key(sf::Keyboard::Space));

        for (unsigned int lane = 0; lane < 4; ++lane)
        {
            for (unsigned int i = 1; i < 7; ++i)
            {
                scene->addNewToken({i, 4 + lane}, static_cast<std::int32_t>((i + lane) % 5));
                scene->addNewToken({17 - i, 4 + lane}, static_cast<std::int32_t>((i * 3) % 5));
            }
            for (unsigned int i = 1; i < 4; ++i)
            {
                scene->addNewToken({7 + lane, i}, static_cast<std::int32_t>((i + 1) % 5));
                scene->addNewToken({7 + lane, 11 - i}, static_cast<std::int32_t>(i % 5));
            }
        }
        lib::Clock::advanceManualTime(sf::milliseconds(300));
        for (int i = 0; i < 3; ++i)
            window().loopStep();
    }

    ~BusyGame() { controller.reset(); }

    static sf::Event::KeyEvent key(sf::Keyboard::Key code)
    {
        sf::Event::KeyEvent event{};
        event.code = code;
        return event;
    }
    lib::core::Window& window() { return *controller->window(); }

    std::shared_ptr<bexil::GameScene> scene = std::make_shared<bexil::GameScene>();
    std::unique_ptr<BenchController> controller;
};

void reportAllocations(benchmark::State& state, std::size_t before)
{
    state.counters["allocs_per_frame"] = benchmark::Counter(
        static_cast<double>(allocations.load() - before), benchmark::Counter::kAvgIterations);
}

// The scene's update and the drawing of its tree (arguments: game mode, context lock held).
void BM_BusyGameUpdateAndDraw(benchmark::State& state)
{
    BusyGame game(static_cast<int>(state.range(0)));
    lib::core::Window& window = game.window();
    window.setActive(true);
    std::unique_ptr<HeldContextLock> held;
    if (state.range(1) != 0)
        held = std::make_unique<HeldContextLock>();

    unsigned int leaves = 0;
    const std::size_t before = allocations.load();
    for (auto _ : state)
    {
        game.scene->update();
        sf::RenderStates states;
        leaves = game.scene->draw(&window, states);
    }
    reportAllocations(state, before);
    state.counters["leaves"] = leaves;
    state.counters["animations"] = static_cast<double>(game.scene->runningAnimations());
    window.clear();
    window.display();
}
BENCHMARK(BM_BusyGameUpdateAndDraw)
    ->ArgNames({"time_mode", "context_held"})
    ->Args({0, 0})
    ->Args({0, 1})
    ->Args({1, 1})
    ->Unit(benchmark::kMicrosecond);

// The program's whole frame in token mode: events, update, drawing, display.
void BM_BusyGameLoopStep(benchmark::State& state)
{
    BusyGame game(0);
    const std::size_t before = allocations.load();
    for (auto _ : state)
        game.window().loopStep();
    reportAllocations(state, before);
}
BENCHMARK(BM_BusyGameLoopStep)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (!lib::core::Window::displayAvailable())
    {
        std::cerr << "bexil_game_bench: no display available; set DISPLAY to an X server\n";
        return 1;
    }
    lib::Clock::useManualTime(true);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
