#include "lib/core/Platform.hpp"

#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

#if BEXIL_X11

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <memory>
#include <unistd.h>
#include <vector>

namespace lib::core
{

namespace
{

struct DisplayCloser
{
    void operator()(::Display* display) const { XCloseDisplay(display); }
};

// The program's own connection, beside the one SFML keeps for the window; null without a
// display. It is tried once: a display that was not there at start is not waited for.
::Display* connection()
{
    static const std::unique_ptr<::Display, DisplayCloser> display(XOpenDisplay(nullptr));
    return display.get();
}

void (*lossHandler)() = nullptr;

// The numbers of a window's property of 32-bit items (CARDINAL or WINDOW); empty when the
// window has no such property.
std::vector<long> cardinals(::Display* display, ::Window window, const char* name)
{
    std::vector<long> values;
    const Atom property = XInternAtom(display, name, True);
    if (property == None)
        return values;
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, window, property, 0, 64, False, AnyPropertyType, &type, &format,
                           &count, &remaining, &data) == Success &&
        data != nullptr && format == 32)
    {
        // Xlib hands 32-bit items over as longs.
        const long* items = reinterpret_cast<const long*>(data);
        values.assign(items, items + count);
    }
    if (data != nullptr)
        XFree(data);
    return values;
}

int onIOError(::Display*)
{
    lossHandler();
    // Not reached with a handler that keeps its word; Xlib would end the process here anyway.
    return 0;
}

} // namespace

bool Platform::displayAvailable()
{
    return connection() != nullptr;
}

std::string Platform::missingForWindow()
{
    ::Display* display = connection();
    if (display == nullptr)
        return "no display available; set DISPLAY to a running X server";
    const std::string name = DisplayString(display);
    int opcode = 0;
    int firstEvent = 0;
    int firstError = 0;
    if (!XQueryExtension(display, "GLX", &opcode, &firstEvent, &firstError))
        return "the display " + name + " has no OpenGL (its X server lacks the GLX extension)";
    const int depth = DefaultDepth(display, DefaultScreen(display));
    if (depth < 24)
        return "the display " + name + " shows " + std::to_string(depth) +
               "-bit colour; the game needs a screen of 24-bit colour or more";
    return std::string();
}

void Platform::onDisplayLoss(void (*handler)())
{
    lossHandler = handler;
    XSetIOErrorHandler(onIOError);
}

void Platform::identifyWindow(sf::WindowHandle window)
{
    ::Display* display = connection();
    if (display == nullptr)
        return;
    // The desktop conventions want the machine's name beside the process id: an id alone
    // means nothing for a window of a program that runs on another host.
    char host[256] = {};
    gethostname(host, sizeof host - 1);
    char* hostList[] = {host};
    XTextProperty machine{};
    if (XStringListToTextProperty(hostList, 1, &machine))
    {
        XSetWMClientMachine(display, window, &machine);
        XFree(machine.value);
    }
    const long pid = static_cast<long>(getpid());
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_PID", False), XA_CARDINAL, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(&pid), 1);
    XFlush(display);
}

sf::Vector2u Platform::usableArea()
{
    ::Display* display = connection();
    if (display == nullptr)
        return {0, 0};
    const int screen = DefaultScreen(display);
    const ::Window root = RootWindow(display, screen);
    sf::Vector2u area(static_cast<unsigned int>(DisplayWidth(display, screen)),
                      static_cast<unsigned int>(DisplayHeight(display, screen)));
    // The work area of the first desktop: x, y, width and height.
    const std::vector<long> workArea = cardinals(display, root, "_NET_WORKAREA");
    if (workArea.size() >= 4 && workArea[2] > 0 && workArea[3] > 0)
        area = {static_cast<unsigned int>(workArea[2]), static_cast<unsigned int>(workArea[3])};
    // A window that is not there yet has no frame to ask about: where a window manager runs,
    // room for the usual title bar and borders is kept.
    if (!cardinals(display, root, "_NET_SUPPORTING_WM_CHECK").empty())
    {
        const sf::Vector2u frame(16, 48);
        area = {area.x > frame.x ? area.x - frame.x : 1, area.y > frame.y ? area.y - frame.y : 1};
    }
    return area;
}

} // namespace lib::core

#else

#include <SFML/Window/VideoMode.hpp>

namespace lib::core
{

bool Platform::displayAvailable()
{
    return true;
}

std::string Platform::missingForWindow()
{
    return std::string();
}

void Platform::onDisplayLoss(void (*)()) {}

void Platform::identifyWindow(sf::WindowHandle) {}

sf::Vector2u Platform::usableArea()
{
    const sf::VideoMode desktop = sf::VideoMode::getDesktopMode();
    return {desktop.width, desktop.height};
}

} // namespace lib::core

#endif

namespace lib::core
{

std::string Platform::loginName()
{
    // LOGNAME and USER on Unix systems, USERNAME on Windows.
    for (const char* variable : {"LOGNAME", "USER", "USERNAME"})
    {
        const char* name = std::getenv(variable);
        if (name != nullptr && *name != '\0')
            return name;
    }
    return std::string();
}

void Platform::withErrorsSilenced(const std::function<void()>& work)
{
    const int saved = fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0);
    const int nothing = open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (saved >= 0 && nothing >= 0)
        dup2(nothing, STDERR_FILENO);
    if (nothing >= 0)
        close(nothing);
    work();
    if (saved >= 0)
    {
        dup2(saved, STDERR_FILENO);
        close(saved);
    }
}

void Platform::setEnvironmentDefault(const char* name, const char* value)
{
    setenv(name, value, 0);
}

} // namespace lib::core
