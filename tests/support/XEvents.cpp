#include "support/XEvents.hpp"

#include <X11/Xlib.h>
#include <memory>
#include <stdexcept>

namespace bexil::test
{

namespace
{

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
    const bool alt = keysym.rfind("alt+", 0) == 0;
    XEvent event{};
    event.xkey.state = alt ? Mod1Mask : 0;
    event.xkey.type = press ? KeyPress : KeyRelease;
    event.xkey.window = window;
    event.xkey.root = DefaultRootWindow(display.get());
    event.xkey.same_screen = True;
    event.xkey.keycode =
        XKeysymToKeycode(display.get(), XStringToKeysym(keysym.c_str() + (alt ? 4 : 0)));
    XSendEvent(display.get(), window, True, press ? KeyPressMask : KeyReleaseMask, &event);
    XSync(display.get(), False);
}

void tapKey(sf::WindowHandle window, const std::string& keysym)
{
    sendKey(window, keysym, true);
    sendKey(window, keysym, false);
}

void resizeWindow(sf::WindowHandle window, unsigned int width, unsigned int height)
{
    auto display = openDisplay();
    XResizeWindow(display.get(), window, width, height);
    XSync(display.get(), False);
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

std::string windowProperty(sf::WindowHandle window, const std::string& name)
{
    auto display = openDisplay();
    Atom type = None;
    int format = 0;
    unsigned long items = 0;
    unsigned long left = 0;
    unsigned char* data = nullptr;
    std::string value;
    if (XGetWindowProperty(display.get(), window, XInternAtom(display.get(), name.c_str(), False),
                           0, 1024, False, AnyPropertyType, &type, &format, &items, &left,
                           &data) == Success &&
        data != nullptr)
    {
        // Xlib hands 32-bit items over as longs.
        value = format == 8 ? std::string(reinterpret_cast<const char*>(data), items)
                            : std::to_string(*reinterpret_cast<const long*>(data));
        XFree(data);
    }
    return value;
}

} // namespace bexil::test
