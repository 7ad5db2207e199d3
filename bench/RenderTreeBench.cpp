// Frame cost and heap allocations per frame of a render tree of the game's size, drawn into a
// real window. Needs a display (a virtual X server will do).

#include "lib/core/ProgramController.hpp"
#include "lib/core/Window.hpp"
#include "lib/scn/Scene.hpp"
#include "lib/scn/draw/NodeShape.hpp"
#include "lib/scn/draw/RenderGroup.hpp"
#include "lib/scn/draw/Renderizable.hpp"
#include "lib/scn/draw/anim/ColorAnimation.hpp"
#include "lib/scn/draw/anim/PositionAnimation.hpp"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Window/GlResource.hpp>

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <new>
#include <string>

namespace
{

// Every operator new of the process counts here; nothing in this program allocates on
// another thread while a benchmark runs, but the count stays correct if something does.
std::atomic<std::size_t> allocations{0};

void* countedAllocation(std::size_t size, std::size_t alignment = 0) noexcept
{
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (alignment == 0)
        return std::malloc(size == 0 ? 1 : size);
    const std::size_t rounded = (size + alignment - 1) / alignment * alignment;
    return std::aligned_alloc(alignment, rounded == 0 ? alignment : rounded);
}

void* countedAllocationOrThrow(std::size_t size, std::size_t alignment = 0)
{
    void* memory = countedAllocation(size, alignment);
    if (memory == nullptr)
        throw std::bad_alloc();
    return memory;
}

} // namespace

void* operator new(std::size_t size)
{
    return countedAllocationOrThrow(size);
}
void* operator new[](std::size_t size)
{
    return countedAllocationOrThrow(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    return countedAllocation(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    return countedAllocation(size);
}
void* operator new(std::size_t size, std::align_val_t alignment)
{
    return countedAllocationOrThrow(size, static_cast<std::size_t>(alignment));
}
void* operator new[](std::size_t size, std::align_val_t alignment)
{
    return countedAllocationOrThrow(size, static_cast<std::size_t>(alignment));
}
void* operator new(std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept
{
    return countedAllocation(size, static_cast<std::size_t>(alignment));
}
void* operator new[](std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept
{
    return countedAllocation(size, static_cast<std::size_t>(alignment));
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
void operator delete(void* memory, std::align_val_t) noexcept
{
    std::free(memory);
}
void operator delete[](void* memory, std::align_val_t) noexcept
{
    std::free(memory);
}
void operator delete(void* memory, std::size_t, std::align_val_t) noexcept
{
    std::free(memory);
}
void operator delete[](void* memory, std::size_t, std::align_val_t) noexcept
{
    std::free(memory);
}
void operator delete(void* memory, const std::nothrow_t&) noexcept
{
    std::free(memory);
}
void operator delete[](void* memory, const std::nothrow_t&) noexcept
{
    std::free(memory);
}
void operator delete(void* memory, std::align_val_t, const std::nothrow_t&) noexcept
{
    std::free(memory);
}
void operator delete[](void* memory, std::align_val_t, const std::nothrow_t&) noexcept
{
    std::free(memory);
}

namespace
{

using lib::scn::draw::Alignment;
using lib::scn::draw::RenderGroup;
using lib::scn::draw::Renderizable;
using lib::scn::draw::anim::ColorAnimation;
using lib::scn::draw::anim::PositionAnimation;

constexpr int Columns = 18;
constexpr int Rows = 12;
constexpr float Cell = 100.f;
// Long enough never to end while measuring, so every frame steps the same animations.
constexpr int Endless = 1000 * 1000 * 1000;

// Stands in for a drawn leaf when only the walk itself is measured.
class WalkLeaf : public Renderizable
{
public:
    WalkLeaf()
        : Renderizable("walk")
    {
    }

    unsigned int draw(lib::core::Window*, sf::RenderStates& states) override
    {
        benchmark::DoNotOptimize(states.transform.getMatrix()[12]);
        return isVisible() ? 1 : 0;
    }
};

// The board (a row group per line, a cell and a token per square), the player, level
// markers, a textured background and the score texts: 449 shapes and 12 texts, with a few
// animations running as during a game.
void buildGameTree(RenderGroup& root, const sf::Font& font, const sf::Texture& background,
                   bool drawnLeaves)
{
    auto leaf = [drawnLeaves](RenderGroup& group, bool ellipse, const sf::Vector2f& size)
    {
        if (!drawnLeaves)
            return group.addRenderizable(std::make_shared<WalkLeaf>());
        return ellipse ? group.createShape("token", size) : group.createSpriteShape("cell", size);
    };

    auto back = leaf(root, false, {2000.f, 2000.f});
    if (drawnLeaves)
        back->getAsNodeShape()->setTexture(&background);

    auto board = root.createNewRenderGroup("mainBoard");
    board->setPosition(100.f, 300.f);
    for (int row = 0; row < Rows; ++row)
    {
        auto line = board->createNewRenderGroup("row");
        line->setPosition(0.f, row * Cell);
        for (int column = 0; column < Columns; ++column)
        {
            auto cell = leaf(*line, false, {Cell - 4.f, Cell - 4.f});
            cell->setColor(sf::Color(40, 40, 60));
            cell->setPositionWithAlignment({column * Cell + 2.f, 2.f}, Alignment::Left);
            auto token = leaf(*line, true, {Cell - 20.f, Cell - 20.f});
            token->setColor(sf::Color(50 * (column % 5), 255 - 40 * (row % 5), 120));
            token->setPositionWithAlignment({column * Cell + 10.f, 10.f}, Alignment::Left);
            if (row == column % Rows)
                board->addAnimation(std::make_shared<ColorAnimation>(
                    Endless, sf::Color(255, 255, 255, 0), sf::Color::White, token));
        }
    }

    auto player = root.createNewRenderGroup("player");
    player->setPosition(800.f, 700.f);
    for (int part = 0; part < 4; ++part)
    {
        auto piece = leaf(*player, part % 2 == 0, {Cell, Cell});
        if (drawnLeaves)
            piece->getAsNodeShape()->setOutlineThickness(3.f);
        const sf::Vector2f from((part % 2) * Cell, (part / 2) * Cell);
        player->addAnimation(std::make_shared<PositionAnimation>(
            Endless, from, from + sf::Vector2f(5.f, 5.f), piece));
    }

    auto markers = root.createNewRenderGroup("levelMarkers");
    for (int level = 0; level < 12; ++level)
        leaf(*markers, true, {40.f, 40.f})
            ->setPositionWithAlignment({100.f + level * 60.f, 1600.f}, Alignment::Left);

    auto hud = root.createNewRenderGroup("hud");
    const char* const labels[] = {"Score", "0012345", "Level", "7",     "Tokens", "42",
                                  "Mode",  "Tokens",  "Best",  "99999", "Next",   "PAUSE"};
    for (int i = 0; i < 12; ++i)
    {
        if (!drawnLeaves)
        {
            leaf(*hud, false, {});
            continue;
        }
        auto text = hud->createText("label");
        text->getAsText()->setFont(font);
        text->getAsText()->setCharacterSize(i % 2 == 0 ? 48 : 64);
        text->getAsText()->setString(labels[i]);
        text->setPositionWithAlignment({1900.f, 100.f + i * 80.f}, Alignment::Right);
    }
}

// The scene that holds the measured tree; its hooks have nothing to do.
class BenchScene : public lib::scn::Scene
{
public:
    BenchScene()
        : Scene("BenchScene")
    {
    }

    void onInit() override {}
    void onDeinit() override {}
    void onEnterScene() override {}
    void onExitScene() override {}
    void update() override {}
    sf::Vector2f getDefaultSizeView() override { return {2000.f, 2000.f}; }
};

class BenchController : public lib::core::ProgramController
{
public:
    explicit BenchController(std::shared_ptr<lib::scn::Scene> scene)
        : m_scene(std::move(scene))
    {
    }

    void onInit() override {}
    std::vector<std::shared_ptr<lib::scn::Scene>> scenesVector() override { return {m_scene}; }
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
};

// The window and the trees the benchmarks share; the font and texture outlive the trees.
struct BenchProgram
{
    BenchProgram()
    {
        controller = std::make_unique<BenchController>(scene);
        controller->start();
        if (!font.loadFromFile(BEXIL_DATA_DIR "fonts/DejaVuSans-Bold.ttf"))
            std::cerr << "bexil_bench: cannot load the font; texts will be empty\n";
        sf::Image picture;
        picture.create(256, 256, sf::Color(20, 30, 90));
        background.loadFromImage(picture);
        buildGameTree(*scene, font, background, true);
        buildGameTree(walkTree, font, background, false);
    }

    ~BenchProgram()
    {
        scene->removeAllChildren();
        controller.reset();
    }

    lib::core::Window& window() { return *controller->window(); }

    sf::Font font;
    sf::Texture background;
    std::shared_ptr<BenchScene> scene = std::make_shared<BenchScene>();
    RenderGroup walkTree{"walk"};
    std::unique_ptr<BenchController> controller;
};

BenchProgram* program = nullptr;

// SFML 2.5 takes a transient context lock in every texture bind (each change of texture,
// and clear). When no other such lock is held it creates and deletes the thread's transient
// context record: one heap allocation per texture change. Holding one lock across frames,
// taken while the window's context is active, keeps that record alive. It must be released
// before the window closes, or later GL resources would be freed without a context.
class HeldContextLock : sf::GlResource
{
    TransientContextLock m_lock;
};

// The tree walk alone: transforms, reference counts and animation steps, no SFML drawing.
void BM_WalkTree(benchmark::State& state)
{
    sf::RenderStates states;
    program->walkTree.draw(nullptr, states);
    const std::size_t before = allocations.load();
    unsigned int leaves = 0;
    for (auto _ : state)
        leaves = program->walkTree.draw(nullptr, states);
    state.counters["allocs_per_frame"] = benchmark::Counter(
        static_cast<double>(allocations.load() - before), benchmark::Counter::kAvgIterations);
    state.counters["leaves"] = leaves;
}
BENCHMARK(BM_WalkTree);

// The scene's tree drawn into the window: clear, walk and draw, display. With the argument 1,
// a transient context lock is held across the frames (see HeldContextLock).
void BM_DrawTree(benchmark::State& state)
{
    lib::core::Window& window = program->window();
    window.setActive(true);
    window.setView(*program->scene->view());
    std::unique_ptr<HeldContextLock> held;
    if (state.range(0) != 0)
        held = std::make_unique<HeldContextLock>();

    // The first frames load the glyphs and fill SFML's caches.
    for (int i = 0; i < 3; ++i)
    {
        window.clear();
        sf::RenderStates states;
        program->scene->draw(&window, states);
        window.display();
    }

    std::size_t drawAllocations = 0;
    const std::size_t before = allocations.load();
    unsigned int leaves = 0;
    for (auto _ : state)
    {
        window.clear();
        sf::RenderStates states;
        const std::size_t drawStart = allocations.load();
        leaves = program->scene->draw(&window, states);
        drawAllocations += allocations.load() - drawStart;
        window.display();
    }
    state.counters["allocs_per_frame"] = benchmark::Counter(
        static_cast<double>(allocations.load() - before), benchmark::Counter::kAvgIterations);
    state.counters["draw_allocs_per_frame"] = benchmark::Counter(
        static_cast<double>(drawAllocations), benchmark::Counter::kAvgIterations);
    state.counters["leaves"] = leaves;
}
BENCHMARK(BM_DrawTree)->ArgName("context_held")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The program's whole frame (title, events, scene update and drawing, display).
void BM_LoopStep(benchmark::State& state)
{
    lib::core::Window& window = program->window();
    for (int i = 0; i < 3; ++i)
        window.loopStep();
    const std::size_t before = allocations.load();
    for (auto _ : state)
        window.loopStep();
    state.counters["allocs_per_frame"] = benchmark::Counter(
        static_cast<double>(allocations.load() - before), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_LoopStep)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (!lib::core::Window::displayAvailable())
    {
        std::cerr << "bexil_bench: no display available; set DISPLAY to a running X server\n";
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    auto shared = std::make_unique<BenchProgram>();
    program = shared.get();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    program = nullptr;
    return 0;
}
