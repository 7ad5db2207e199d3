#pragma once

#include <cstdint>
#include <string>

namespace lib::core
{

// What the program controller asks of the window it is to open.
struct WindowCreationParams
{
    std::string title;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint8_t bitsPerPixel = 32;
    std::uint32_t antialiasing = 0;
    bool vsync = false;
    bool fullscreen = false;
};

} // namespace lib::core
