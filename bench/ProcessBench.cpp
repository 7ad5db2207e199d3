// Whole-process figures of the real game, started from a copy of its run folder:
// - start-up: from the moment the process is started to its first displayed frame, which the
//   game reports when BEXIL_TRACE_STARTUP is set; the median of several runs;
// - peak resident memory of a whole run, from the menu through a game at level 20 to game
//   over, back to the menu and out through "Exit", driven by key events as a player would;
//   and that of the bare SFML loop, which loads the same fonts and pictures.
// Needs a display (a virtual X server will do).
//
//   bexil_process_bench RUN_DIR BARE_LOOP [--runs N] [--no-memory]

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <iostream>
#include <optional>
#include <poll.h>
#include <signal.h>
#include <string>
#include <sys/resource.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace
{

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr const char* TraceLine = "bexil: first frame displayed at steady clock ";

// A copy of the run folder without settings, removed at the end.
class RunFolder
{
public:
    explicit RunFolder(const fs::path& source)
    {
        char pattern[] = "/tmp/bexil-process-bench-XXXXXX";
        if (mkdtemp(pattern) == nullptr)
            throw std::runtime_error("cannot make a temporary folder");
        m_path = pattern;
        fs::copy(source, m_path, fs::copy_options::recursive);
        fs::remove(m_path / "config.cfg");
    }
    ~RunFolder()
    {
        std::error_code ignored;
        fs::remove_all(m_path, ignored);
    }
    RunFolder(const RunFolder&) = delete;
    RunFolder& operator=(const RunFolder&) = delete;

    const fs::path& path() const { return m_path; }

private:
    fs::path m_path;
};

// A child process started in a folder; when traced, its standard error comes through a pipe.
struct Child
{
    pid_t pid = -1;
    int errorPipe = -1;
};

Child start(const fs::path& folder, const std::vector<std::string>& command, bool traceStartup)
{
    int pipeEnds[2] = {-1, -1};
    if (pipe(pipeEnds) != 0)
        throw std::runtime_error("cannot make a pipe");
    const pid_t pid = fork();
    if (pid == 0)
    {
        // Only the traced start-up is read; otherwise nobody empties the pipe.
        const int devNull = open("/dev/null", O_WRONLY);
        dup2(traceStartup ? pipeEnds[1] : devNull, STDERR_FILENO);
        dup2(devNull, STDOUT_FILENO);
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        if (traceStartup)
            setenv("BEXIL_TRACE_STARTUP", "1", 1);
        else
            unsetenv("BEXIL_TRACE_STARTUP");
        if (chdir(folder.c_str()) != 0)
            _exit(127);
        std::vector<char*> arguments;
        for (const std::string& argument : command)
            arguments.push_back(const_cast<char*>(argument.c_str()));
        arguments.push_back(nullptr);
        execv(arguments[0], arguments.data());
        _exit(127);
    }
    close(pipeEnds[1]);
    if (pid < 0)
    {
        close(pipeEnds[0]);
        throw std::runtime_error("cannot start a process");
    }
    return {pid, pipeEnds[0]};
}

// Waits for the child's end; its peak resident memory in KiB, or nothing if it failed.
std::optional<long> finish(Child& child)
{
    int status = 0;
    rusage usage{};
    wait4(child.pid, &status, 0, &usage);
    close(child.errorPipe);
    child.pid = -1;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return usage.ru_maxrss;
}

void stop(Child& child)
{
    if (child.pid <= 0)
        return;
    kill(child.pid, SIGTERM);
    waitpid(child.pid, nullptr, 0);
    close(child.errorPipe);
    child.pid = -1;
}

// The steady clock reading the game writes after its first frame, in nanoseconds.
std::optional<long long> readFirstFrameTime(const Child& child, std::chrono::seconds timeout)
{
    std::string received;
    const auto end = Clock::now() + timeout;
    while (Clock::now() < end)
    {
        pollfd readable{child.errorPipe, POLLIN, 0};
        if (poll(&readable, 1, 100) <= 0)
            continue;
        char buffer[512];
        const ssize_t count = read(child.errorPipe, buffer, sizeof buffer);
        if (count <= 0)
            return std::nullopt;
        received.append(buffer, static_cast<std::size_t>(count));
        const auto at = received.find(TraceLine);
        if (at != std::string::npos && received.find('\n', at) != std::string::npos)
            return std::stoll(received.substr(at + std::strlen(TraceLine)));
    }
    return std::nullopt;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

int measureStartup(const RunFolder& folder, int runs)
{
    std::vector<double> milliseconds;
    for (int i = 0; i < runs; ++i)
    {
        const long long started =
            std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch())
                .count();
        Child game = start(folder.path(), {"./bexil"}, true);
        const std::optional<long long> shown = readFirstFrameTime(game, std::chrono::seconds(30));
        stop(game);
        if (!shown)
        {
            std::cerr << "process bench: the game did not report its first frame\n";
            return 1;
        }
        milliseconds.push_back(static_cast<double>(*shown - started) / 1e6);
    }
    std::printf("start-up to first frame: median %.1f ms (min %.1f, max %.1f, %d runs)\n",
                median(milliseconds), *std::min_element(milliseconds.begin(), milliseconds.end()),
                *std::max_element(milliseconds.begin(), milliseconds.end()), runs);
    std::fflush(stdout);
    return 0;
}

// The X side: find the game's window, read its pixels, send it keys.
class XSession
{
public:
    XSession()
        : m_display(XOpenDisplay(nullptr))
    {
        if (m_display == nullptr)
            throw std::runtime_error("no X display; set DISPLAY");
        // A window that goes away between two requests is not an error here.
        XSetErrorHandler([](::Display*, XErrorEvent*) { return 0; });
    }
    ~XSession() { XCloseDisplay(m_display); }
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    // The top-level windows that exist now.
    std::vector<::Window> topLevelWindows()
    {
        ::Window root = 0;
        ::Window parent = 0;
        ::Window* children = nullptr;
        unsigned int count = 0;
        std::vector<::Window> windows;
        if (XQueryTree(m_display, DefaultRootWindow(m_display), &root, &parent, &children,
                       &count) != 0 &&
            children != nullptr)
        {
            windows.assign(children, children + count);
            XFree(children);
        }
        return windows;
    }

    // A top-level window titled "Bexil..." that is not one of the given ones, or 0. SFML 2.5
    // does not set _NET_WM_PID, so the game's window is told by its title and its newness.
    ::Window newGameWindow(const std::vector<::Window>& before)
    {
        for (const ::Window window : topLevelWindows())
        {
            if (std::find(before.begin(), before.end(), window) != before.end())
                continue;
            char* name = nullptr;
            if (XFetchName(m_display, window, &name) == 0 || name == nullptr)
                continue;
            const bool game = std::strncmp(name, "Bexil", 5) == 0;
            XFree(name);
            if (game)
                return window;
        }
        return 0;
    }

    // The share of the pixels of a region of the window that match the test (0 to 1).
    double share(::Window window, int x, int y, unsigned int width, unsigned int height,
                 const std::function<bool(int, int, int)>& test)
    {
        XImage* image = XGetImage(m_display, window, x, y, width, height, AllPlanes, ZPixmap);
        if (image == nullptr)
            return 0.0;
        std::size_t matching = 0;
        for (unsigned int row = 0; row < height; ++row)
        {
            for (unsigned int column = 0; column < width; ++column)
            {
                const unsigned long pixel =
                    XGetPixel(image, static_cast<int>(column), static_cast<int>(row));
                matching +=
                    test(static_cast<int>((pixel >> 16) & 0xff),
                         static_cast<int>((pixel >> 8) & 0xff), static_cast<int>(pixel & 0xff))
                        ? 1u
                        : 0u;
            }
        }
        XDestroyImage(image);
        return static_cast<double>(matching) / (static_cast<double>(width) * height);
    }

    void tap(::Window window, const char* keysym)
    {
        for (const bool press : {true, false})
        {
            XEvent event{};
            event.xkey.type = press ? KeyPress : KeyRelease;
            event.xkey.display = m_display;
            event.xkey.window = window;
            event.xkey.root = DefaultRootWindow(m_display);
            event.xkey.time = CurrentTime;
            event.xkey.same_screen = True;
            event.xkey.keycode = XKeysymToKeycode(m_display, XStringToKeysym(keysym));
            XSendEvent(m_display, window, True, press ? KeyPressMask : KeyReleaseMask, &event);
        }
        XSync(m_display, False);
        std::this_thread::sleep_for(std::chrono::milliseconds(80));
    }

private:
    ::Display* m_display;
};

bool waitUntil(const std::function<bool()>& condition, std::chrono::seconds timeout)
{
    const auto end = Clock::now() + timeout;
    while (Clock::now() < end)
    {
        if (condition())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    return false;
}

// The game, from its main menu through a game at level 20 to game over, back to the menu and
// out. Its window is 1024 × 768 and shows the logical 2000 × 2000 view.
std::optional<long> gamePeakMemory(const RunFolder& folder)
{
    XSession display;
    const std::vector<::Window> before = display.topLevelWindows();
    Child game = start(folder.path(), {"./bexil"}, false);
    ::Window window = 0;
    waitUntil([&] { return (window = display.newGameWindow(before)) != 0; },
              std::chrono::seconds(20));
    const auto red = [](int r, int g, int b) { return r > 178 && g < 77 && b < 77; };
    const auto white = [](int r, int g, int b) { return r > 252 && g > 252 && b > 252; };
    // The first main menu line, red while it is highlighted; the middle, where GAME OVER is.
    const auto menuShown = [&] { return display.share(window, 333, 278, 358, 22, red) > 0.1; };
    const auto gameOver = [&] { return display.share(window, 330, 320, 360, 200, white) > 0.3; };

    const char* failure = nullptr;
    if (window == 0)
        failure = "the game's window did not appear";
    else if (!waitUntil(menuShown, std::chrono::seconds(20)))
        failure = "the main menu did not appear";
    if (failure == nullptr)
    {
        display.tap(window, "Return"); // Play token mode
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        display.tap(window, "Left"); // start level 1 -> 20
        display.tap(window, "Return");
        if (!waitUntil(gameOver, std::chrono::seconds(150)))
            failure = "the game did not end";
    }
    if (failure == nullptr)
    {
        display.tap(window, "a");
        if (!waitUntil(menuShown, std::chrono::seconds(20)))
            failure = "the main menu did not come back after game over";
    }
    if (failure != nullptr)
    {
        std::cerr << "process bench: " << failure << '\n';
        stop(game);
        return std::nullopt;
    }
    display.tap(window, "Up"); // Exit
    display.tap(window, "Return");
    return finish(game);
}

int measureMemory(const RunFolder& folder, const std::string& bareLoop)
{
    const std::optional<long> gameKiB = gamePeakMemory(folder);
    Child bare = start(folder.path(), {bareLoop, "res.cfg"}, false);
    const std::optional<long> bareKiB = finish(bare);
    if (!gameKiB || !bareKiB)
    {
        std::cerr << "process bench: " << (gameKiB ? "the bare loop" : "the game")
                  << " did not run to its end\n";
        return 1;
    }
    const auto mebibytes = [](long kibibytes) { return static_cast<double>(kibibytes) / 1024.0; };
    std::printf("peak resident memory, menu -> game -> game over -> menu -> exit: %.1f MiB\n",
                mebibytes(*gameKiB));
    std::printf("peak resident memory, bare SFML loop with the same fonts and pictures: %.1f MiB\n",
                mebibytes(*bareKiB));
    std::printf("engine's extra peak resident memory: %+.1f MiB\n", mebibytes(*gameKiB - *bareKiB));
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
    {
        std::cerr << "usage: bexil_process_bench RUN_DIR BARE_LOOP [--runs N] [--no-memory]\n";
        return 2;
    }
    int runs = 9;
    bool memory = true;
    for (int i = 3; i < argc; ++i)
    {
        const std::string argument = argv[i];
        if (argument == "--runs" && i + 1 < argc)
            runs = std::max(1, std::atoi(argv[++i]));
        else if (argument == "--no-memory")
            memory = false;
    }
    try
    {
        const RunFolder folder(argv[1]);
        const std::string bareLoop = fs::absolute(argv[2]).string();
        int status = measureStartup(folder, runs);
        if (status == 0 && memory)
            status = measureMemory(folder, bareLoop);
        return status;
    }
    catch (const std::exception& error)
    {
        std::cerr << "process bench: " << error.what() << '\n';
        return 1;
    }
}
