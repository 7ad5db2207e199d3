// What the end-to-end tests need from the X server that the usual tools do not give safely:
//   bexil_xtool close WINDOW  sends the close button's WM_DELETE_WINDOW request (xdotool's
//                             windowclose destroys the window instead);
//   bexil_xtool key WINDOW KEYSYM...
//                             taps each key (press and release, 60 ms apart) with events sent
//                             to the window. xdotool uses the XTEST keyboard for a window that
//                             has the focus, and a window that closes on a key's press then
//                             leaves that key held down and repeating into the next window;
//   bexil_xtool shot WINDOW   writes the window's pixels to stdout as a binary PPM. Unlike
//                             ImageMagick's import it never grabs the server, so a window that
//                             goes away during the shot cannot leave the display frozen.
// WINDOW is a decimal X window id, as xdotool prints it. Exit status 0 on success, 1 with one
// line on stderr otherwise.
#include "support/XEvents.hpp"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace
{

struct DisplayCloser
{
    void operator()(::Display* display) const { XCloseDisplay(display); }
};

int reportXError(::Display* display, XErrorEvent* error)
{
    char text[256] = {};
    XGetErrorText(display, error->error_code, text, sizeof text);
    std::fprintf(stderr, "bexil_xtool: X error: %s\n", text);
    std::exit(1);
}

// The channel's bits of a pixel scaled to 0..255 whatever the visual's depth.
unsigned char channel(unsigned long pixel, unsigned long mask)
{
    if (mask == 0)
        return 0;
    int shift = 0;
    while (((mask >> shift) & 1UL) == 0)
        ++shift;
    const unsigned long maximum = mask >> shift;
    return static_cast<unsigned char>(((pixel & mask) >> shift) * 255UL / maximum);
}

int shot(Window window)
{
    std::unique_ptr<::Display, DisplayCloser> display(XOpenDisplay(nullptr));
    if (!display)
    {
        std::fprintf(stderr, "bexil_xtool: no X display\n");
        return 1;
    }
    XSetErrorHandler(reportXError);
    XWindowAttributes attributes{};
    XGetWindowAttributes(display.get(), window, &attributes);
    XImage* image =
        XGetImage(display.get(), window, 0, 0, static_cast<unsigned int>(attributes.width),
                  static_cast<unsigned int>(attributes.height), AllPlanes, ZPixmap);
    if (image == nullptr)
    {
        std::fprintf(stderr, "bexil_xtool: the window's pixels could not be read\n");
        return 1;
    }
    const std::size_t width = static_cast<std::size_t>(image->width);
    const std::size_t height = static_cast<std::size_t>(image->height);
    std::vector<unsigned char> rgb(width * height * 3);
    std::size_t at = 0;
    for (int y = 0; y < image->height; ++y)
    {
        for (int x = 0; x < image->width; ++x)
        {
            const unsigned long pixel = XGetPixel(image, x, y);
            rgb[at++] = channel(pixel, image->red_mask);
            rgb[at++] = channel(pixel, image->green_mask);
            rgb[at++] = channel(pixel, image->blue_mask);
        }
    }
    XDestroyImage(image);
    std::printf("P6\n%zu %zu\n255\n", width, height);
    std::fwrite(rgb.data(), 1, rgb.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    const bool keys = argc >= 4 && std::strcmp(argv[1], "key") == 0;
    if (!keys &&
        (argc != 3 || (std::strcmp(argv[1], "close") != 0 && std::strcmp(argv[1], "shot") != 0)))
    {
        std::fprintf(stderr, "usage: bexil_xtool close|shot WINDOW, or key WINDOW KEYSYM...\n");
        return 1;
    }
    char* end = nullptr;
    const unsigned long window = std::strtoul(argv[2], &end, 10);
    if (end == argv[2] || *end != '\0' || window == 0)
    {
        std::fprintf(stderr, "bexil_xtool: not a window id: %s\n", argv[2]);
        return 1;
    }
    if (std::strcmp(argv[1], "shot") == 0)
        return shot(window);
    XSetErrorHandler(reportXError);
    try
    {
        if (!keys)
            bexil::test::sendCloseRequest(window);
        for (int i = 3; keys && i < argc; ++i)
        {
            if (XStringToKeysym(argv[i]) == NoSymbol)
            {
                std::fprintf(stderr, "bexil_xtool: no such key: %s\n", argv[i]);
                return 1;
            }
            bexil::test::sendKey(window, argv[i], true);
            std::this_thread::sleep_for(std::chrono::milliseconds(30));
            bexil::test::sendKey(window, argv[i], false);
            std::this_thread::sleep_for(std::chrono::milliseconds(30));
        }
    }
    catch (const std::exception& error)
    {
        std::fprintf(stderr, "bexil_xtool: %s\n", error.what());
        return 1;
    }
    return 0;
}
