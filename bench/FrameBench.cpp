// The game's frames measured in a real window: the scene update and drawing of the engine
// against the same frame drawn by plain SFML and against the engine's own vertex arrays drawn
// again, their CPU time, heap allocations and draw calls.
// Needs a display (a virtual X server will do).
//
//   bexil_bench [--frames=N] [--size=WxH] [Google Benchmark flags]
//       the figures, N frames a case (200), in a window of W × H pixels (1024 × 768)
//   bexil_bench --check-allocations      fails when a steady frame allocates

#include "bench/AllocationCounter.hpp"
#include "bench/BareFrame.hpp"
#include "bench/BenchGame.hpp"
#include "lib/Clock.hpp"
#include "lib/core/Window.hpp"
#include "lib/scn/draw/Renderizable.hpp"

#include <SFML/Graphics/Text.hpp>
#include <SFML/Window/Event.hpp>

#include <benchmark/benchmark.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace
{

using bench::BenchGame;
using bench::FrameCase;
using bench::FrameCost;

BenchGame* game = nullptr;

constexpr FrameCase MeasuredCases[] = {FrameCase::Menu, FrameCase::LevelOne, FrameCase::BusyGame,
                                       FrameCase::LevelSixteen, FrameCase::ClassicBusy};

double median(std::vector<double>& values)
{
    if (values.empty())
        return 0.0;
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

// How many pixels of two pictures differ, and by how much at most in any channel.
struct Difference
{
    std::size_t pixels = 0;
    int most = 0;
};

Difference difference(const sf::Image& a, const sf::Image& b)
{
    if (a.getSize() != b.getSize())
        return {static_cast<std::size_t>(a.getSize().x) * a.getSize().y, 255};
    const std::size_t bytes = static_cast<std::size_t>(a.getSize().x) * a.getSize().y * 4;
    const sf::Uint8* p = a.getPixelsPtr();
    const sf::Uint8* q = b.getPixelsPtr();
    Difference found;
    for (std::size_t i = 0; i < bytes; i += 4)
    {
        if (std::memcmp(p + i, q + i, 4) == 0)
            continue;
        ++found.pixels;
        for (std::size_t c = i; c < i + 4; ++c)
            found.most = std::max(found.most, std::abs(p[c] - q[c]));
    }
    return found;
}

// One iteration is one frame of each way of drawing the same picture, in turns, so that all
// see the same machine: the engine's update and drawing; the bare loop, its SFML objects one by
// one; the arrays that the engine handed to SFML, drawn again ready made, which is what SFML and
// the driver alone cost for the engine's draw calls. The benchmark's time is the engine's, CPU
// time of the main thread.
void BM_Frame(benchmark::State& state, FrameCase frameCase)
{
    game->enter(frameCase);
    const std::unique_ptr<bench::BareFrame> bare = game->makeBareFrame();
    const BenchGame::DrawnArrays arrays = game->recordArrays();
    const sf::Image engineImage = game->captureEngineFrame();
    const Difference differing = difference(engineImage, game->captureBareFrame(*bare));
    const Difference arraysDiffering = difference(engineImage, game->captureArraysFrame(arrays));

    enum Way
    {
        Engine,
        Bare,
        Arrays,
        WayCount
    };
    const std::function<FrameCost()> ways[WayCount] = {
        [] { return game->engineFrame(); }, [&bare] { return game->bareFrame(*bare); },
        [&arrays] { return game->arraysFrame(arrays); }};
    std::vector<double> times[WayCount];
    for (std::vector<double>& list : times)
        list.reserve(static_cast<std::size_t>(state.max_iterations));
    std::size_t allocationCount[WayCount] = {};
    FrameCost last[WayCount];
    std::size_t first = 0;
    for (auto _ : state)
    {
        for (std::size_t turn = 0; turn < WayCount; ++turn)
        {
            const std::size_t way = (first + turn) % WayCount;
            last[way] = ways[way]();
            times[way].push_back(last[way].cpuSeconds);
            allocationCount[way] += last[way].allocations;
        }
        first = (first + 1) % WayCount;
        state.SetIterationTime(last[Engine].cpuSeconds);
    }

    const double engineMedian = median(times[Engine]);
    const double bareMedian = median(times[Bare]);
    const double arraysMedian = median(times[Arrays]);
    const auto perFrame = [](std::size_t total)
    { return benchmark::Counter(static_cast<double>(total), benchmark::Counter::kAvgIterations); };
    state.counters["engine_us"] = engineMedian * 1e6;
    state.counters["bare_us"] = bareMedian * 1e6;
    state.counters["arrays_us"] = arraysMedian * 1e6;
    state.counters["ratio"] = bareMedian > 0.0 ? engineMedian / bareMedian : 0.0;
    state.counters["arrays_ratio"] = arraysMedian > 0.0 ? engineMedian / arraysMedian : 0.0;
    state.counters["draws"] = static_cast<double>(last[Engine].drawCalls);
    state.counters["bare_draws"] = static_cast<double>(last[Bare].drawCalls);
    state.counters["allocs"] = perFrame(allocationCount[Engine]);
    state.counters["bare_allocs"] = perFrame(allocationCount[Bare]);
    state.counters["pixels_differ"] = static_cast<double>(differing.pixels);
    state.counters["most_differ"] = differing.most;
    // None when the arrays hold the whole frame.
    state.counters["arrays_differ"] = static_cast<double>(arraysDiffering.pixels);
}

// The window's title as the X server holds it, read through a connection of our own.
std::string windowTitle()
{
    struct DisplayCloser
    {
        void operator()(::Display* display) const { XCloseDisplay(display); }
    };
    static std::unique_ptr<::Display, DisplayCloser> display(XOpenDisplay(nullptr));
    std::string title;
    XTextProperty property{};
    if (display && XGetWMName(display.get(), game->window().getSystemHandle(), &property) &&
        property.value != nullptr)
    {
        title.assign(reinterpret_cast<const char*>(property.value), property.nitems);
        XFree(property.value);
    }
    return title;
}

// Frames of the window's own loop, title included, the time source moving by the step
// between frames. A frame that changes the title's frame count may allocate, and so may the
// next: SFML 2.5 does in setTitle, and again for each property event the change brings back,
// which may arrive a frame later. So may a frame that changes the shown number, when asked.
// Returns the number of frames that allocated otherwise.
int checkFrames(const char* what, int frames, sf::Time step, bool numberChangesMayAllocate)
{
    const sf::Text& shown = *game->gameLeaf("leveldisplay").getAsText();
    int allocating = 0;
    int titleFrames = 0;
    int numberFrames = 0;
    std::size_t most = 0;
    bool titleJustChanged = false;
    for (int i = 0; i < frames; ++i)
    {
        const std::string number = shown.getString().toAnsiString();
        const std::string title = windowTitle();
        // A frame with window events is not a steady one, and SFML allocates for each event it
        // queues; events that other windows on the display cause are taken before the frame.
        sf::Event event;
        while (game->window().pollEvent(event))
        {
        }
        lib::Clock::advanceManualTime(step);
        const std::size_t start = bench::allocations();
        game->loopStep();
        const std::size_t made = bench::allocations() - start;
        const bool titleChanged = windowTitle() != title;
        const bool afterTitleChange = titleJustChanged;
        titleJustChanged = titleChanged;
        if (made == 0)
            continue;
        if (titleChanged || afterTitleChange)
            ++titleFrames;
        else if (numberChangesMayAllocate && shown.getString().toAnsiString() != number)
            ++numberFrames;
        else
        {
            ++allocating;
            most = std::max(most, made);
        }
    }
    std::cout << "allocation check: " << what << ": " << allocating << " of " << frames
              << " frames allocated";
    if (allocating > 0)
        std::cout << " (up to " << most << " allocations in one frame)";
    if (titleFrames > 0 || numberFrames > 0)
        std::cout << "; allowed: " << titleFrames << " at title updates, " << numberFrames
                  << " changes of the shown number";
    std::cout << (allocating > 0 ? "  FAILED" : "") << '\n';
    return allocating;
}

int checkAllocations()
{
    int allocating = 0;
    for (const FrameCase frameCase : MeasuredCases)
    {
        game->enter(frameCase);
        const std::string what = std::string(bench::caseName(frameCase)) + ", steady frames";
        allocating += checkFrames(what.c_str(), 20, sf::Time::Zero, false);
    }
    // The modern feedback moving: particles, rising points and the pause's fade.
    game->enter(FrameCase::BusyGame);
    allocating += checkFrames("busy, 0.5 s in 50 ms frames", 10, sf::milliseconds(50), false);
    // Time moving: the title's frame count changes once a second.
    game->enter(FrameCase::Menu);
    allocating += checkFrames("menu, 3.5 s in 100 ms frames", 35, sf::milliseconds(100), false);
    // The game has run 0.2 s; the first token arrives after 2.6 s at level 1. Until then the
    // seconds count is the only change.
    game->enter(FrameCase::TimeMode);
    allocating += checkFrames("time mode, 2.2 s in 100 ms frames", 22, sf::milliseconds(100), true);
    std::cout << (allocating == 0 ? "allocation check passed\n" : "allocation check FAILED\n");
    return allocating == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (!lib::core::Window::displayAvailable())
    {
        std::cerr << "bexil_bench: no display available; set DISPLAY to a running X server\n";
        return 1;
    }
    const bool check = argc > 1 && std::strcmp(argv[1], "--check-allocations") == 0;
    int frames = 200;
    sf::Vector2u size(1024, 768);
    // Our own options come first; the rest are Google Benchmark's.
    while (argc > 1)
    {
        if (std::strncmp(argv[1], "--frames=", 9) == 0)
            frames = std::max(1, std::atoi(argv[1] + 9));
        else if (std::strncmp(argv[1], "--size=", 7) != 0)
            break;
        else if (std::sscanf(argv[1] + 7, "%ux%u", &size.x, &size.y) != 2 || size.x == 0 ||
                 size.y == 0)
        {
            std::cerr << "bexil_bench: --size wants WIDTHxHEIGHT, e.g. --size=3840x2160\n";
            return 1;
        }
        // The option taken out, the program's name moves up in its place.
        argv[1] = argv[0];
        --argc;
        ++argv;
    }
    if (!check)
    {
        benchmark::Initialize(&argc, argv);
        if (benchmark::ReportUnrecognizedArguments(argc, argv))
            return 1;
    }

    auto shared = std::make_unique<BenchGame>(size);
    game = shared.get();
    int status = 0;
    if (check)
    {
        status = checkAllocations();
    }
    else
    {
        for (const FrameCase frameCase : MeasuredCases)
        {
            const std::string name = std::string("Frame/") + bench::caseName(frameCase) + "/" +
                                     std::to_string(size.x) + "x" + std::to_string(size.y);
            benchmark::RegisterBenchmark(name.c_str(), BM_Frame, frameCase)
                ->UseManualTime()
                ->Iterations(frames)
                ->Unit(benchmark::kMicrosecond);
        }
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
    }
    game = nullptr;
    return status;
}
