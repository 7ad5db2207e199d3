// bexil_xtool key|press|release WINDOW KEYSYM..., close WINDOW, shot WINDOW: keys, the close
// button and screenshots for the end-to-end tests, without the server's keyboard or a grab of
// the server (README.md tells why). Exit status 0, or 1 with one line on stderr.
#include "support/XEvents.hpp"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <thread>

namespace
{

int reportXError(::Display* display, XErrorEvent* error)
{
    char text[256] = {};
    XGetErrorText(display, error->error_code, text, sizeof text);
    std::fprintf(stderr, "bexil_xtool: X error: %s\n", text);
    std::exit(1);
}

// The channel's bits of a pixel scaled to 0..255, whatever the visual's depth.
int channel(unsigned long pixel, unsigned long mask)
{
    if (mask == 0)
        return 0;
    const int shift = __builtin_ctzl(mask);
    return static_cast<int>(((pixel & mask) >> shift) * 255UL / (mask >> shift));
}

void shot(Window window)
{
    ::Display* display = XOpenDisplay(nullptr);
    XWindowAttributes size{};
    if (display == nullptr || XGetWindowAttributes(display, window, &size) == 0)
        throw std::runtime_error("the window cannot be read");
    XImage* image = XGetImage(display, window, 0, 0, static_cast<unsigned int>(size.width),
                              static_cast<unsigned int>(size.height), AllPlanes, ZPixmap);
    std::printf("P6\n%d %d\n255\n", size.width, size.height);
    for (int y = 0; y < size.height; ++y)
    {
        for (int x = 0; x < size.width; ++x)
        {
            const unsigned long pixel = XGetPixel(image, x, y);
            for (const unsigned long mask : {image->red_mask, image->green_mask, image->blue_mask})
                std::putchar(channel(pixel, mask));
        }
    }
    XDestroyImage(image);
    XCloseDisplay(display);
}

} // namespace

int main(int argc, char** argv)
{
    const std::string command = argc >= 3 ? argv[1] : "";
    const Window window = argc >= 3 ? std::strtoul(argv[2], nullptr, 10) : 0;
    const bool keys = command == "key" || command == "press" || command == "release";
    XSetErrorHandler(reportXError);
    try
    {
        if (window == 0 || (!keys && (argc != 3 || (command != "close" && command != "shot"))))
            throw std::runtime_error(
                "usage: key|press|release WINDOW KEYSYM..., close|shot WINDOW");
        if (command == "shot")
            shot(window);
        if (command == "close")
            bexil::test::sendCloseRequest(window);
        for (int i = 3; i < argc; ++i)
        {
            if (XStringToKeysym(argv[i]) == NoSymbol)
                throw std::runtime_error(std::string("no such key: ") + argv[i]);
            for (const bool press : {true, false})
            {
                if (command == "key" || command == (press ? "press" : "release"))
                {
                    bexil::test::sendKey(window, argv[i], press);
                    std::this_thread::sleep_for(std::chrono::milliseconds(30));
                }
            }
        }
    }
    catch (const std::exception& error)
    {
        std::fprintf(stderr, "bexil_xtool: %s\n", error.what());
        return 1;
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}
