#include "support/XEvents.hpp"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <memory>
#include <stdexcept>

namespace bexil::test
{

namespace
{

// A connection of our own: the events then come from another client, as they would from the
// desktop, and reach the window's own connection through the server.
std::unique_ptr<::Display, int (*)(::Display*)> openDisplay()
{
    std::unique_ptr<::Display, int (*)(::Display*)> display(XOpenDisplay(nullptr), XCloseDisplay);
    if (!display)
        throw std::runtime_error("no X display for the test");
    return display;
}

} // namespace

void sendKey(sf::WindowHandle window, const std::string& keysym, bool press)
{
    auto display = openDisplay();
    XEvent event{};
    event.xkey.type = press ? KeyPress : KeyRelease;
    event.xkey.display = display.get();
    event.xkey.window = window;
    event.xkey.root = DefaultRootWindow(display.get());
    event.xkey.same_screen = True;
    event.xkey.keycode = XKeysymToKeycode(display.get(), XStringToKeysym(keysym.c_str()));
    XSendEvent(display.get(), window, True, press ? KeyPressMask : KeyReleaseMask, &event);
    XSync(display.get(), False);
}

void tapKey(sf::WindowHandle window, const std::string& keysym)
{
    sendKey(window, keysym, true);
    sendKey(window, keysym, false);
}

void sendFocusOut(sf::WindowHandle window)
{
    auto display = openDisplay();
    XEvent event{};
    event.xfocus.type = FocusOut;
    event.xfocus.window = window;
    XSendEvent(display.get(), window, False, FocusChangeMask, &event);
    XSync(display.get(), False);
}

void sendCloseRequest(sf::WindowHandle window)
{
    auto display = openDisplay();
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display.get(), "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] =
        static_cast<long>(XInternAtom(display.get(), "WM_DELETE_WINDOW", False));
    XSendEvent(display.get(), window, False, NoEventMask, &event);
    XSync(display.get(), False);
}

std::string windowTitle(sf::WindowHandle window)
{
    auto display = openDisplay();
    std::string title;
    XTextProperty property{};
    if (XGetWMName(display.get(), window, &property) && property.value)
    {
        title.assign(reinterpret_cast<const char*>(property.value), property.nitems);
        XFree(property.value);
    }
    return title;
}

} // namespace bexil::test
