#include "bexil/BexilProgramController.hpp"

#include "bexil/GameScene.hpp"
#include "bexil/MenuScene.hpp"
#include "lib/core/Window.hpp"

#include <SFML/Window/VideoMode.hpp>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace bexil
{

namespace
{

constexpr int DefaultWidth = 1024;
constexpr int DefaultHeight = 768;
constexpr int DefaultBitsPerPixel = 32;

// The widest and the tallest of the display's modes; zero when no display answers.
sf::Vector2u largestMode()
{
    sf::Vector2u largest(0, 0);
    if (!lib::core::Window::displayAvailable())
        return largest;
    std::vector<sf::VideoMode> modes = sf::VideoMode::getFullscreenModes();
    modes.push_back(sf::VideoMode::getDesktopMode());
    for (const sf::VideoMode& mode : modes)
    {
        largest.x = std::max(largest.x, mode.width);
        largest.y = std::max(largest.y, mode.height);
    }
    return largest;
}

bool usableDepth(std::uint8_t bitsPerPixel)
{
    return bitsPerPixel == 8 || bitsPerPixel == 16 || bitsPerPixel == 24 || bitsPerPixel == 32;
}

} // namespace

BexilProgramController::BexilProgramController()
    : lib::Configuration("config.cfg")
{
}

BexilProgramController::~BexilProgramController()
{
    saveConfig();
}

void BexilProgramController::onInit() {}

std::vector<std::shared_ptr<lib::scn::Scene>> BexilProgramController::scenesVector()
{
    return {std::make_shared<MenuScene>(), std::make_shared<GameScene>()};
}

std::string BexilProgramController::resourceFile()
{
    return "res.cfg";
}

lib::core::WindowCreationParams BexilProgramController::getWindowCreationParams()
{
    lib::core::WindowCreationParams params;
    params.title = "Bexil";
    // Every key is added with its default when missing, so config.cfg always lists all six.
    params.antialiasing = static_cast<std::uint32_t>(valueAsInt("GraphicsLevel", 0));
    const int width = valueAsInt("ResolutionX", DefaultWidth);
    const int height = valueAsInt("ResolutionY", DefaultHeight);
    params.vsync = valueAsInt("VSync", 0) != 0;
    params.bitsPerPixel = static_cast<std::uint8_t>(valueAsInt("bpp", DefaultBitsPerPixel));
    params.fullscreen = valueAsInt("Fullscreen", 0) != 0;

    // A hand-edited size that no window can have would end the program before its first frame
    // (a zero size is an X error) or open a window wider than any screen that draws at a
    // crawl; the default size is used instead and written back at exit. A usable size is kept
    // as the file says, even one that is not a full-screen mode.
    const sf::Vector2u largest = largestMode();
    const bool positive = width > 0 && height > 0;
    const bool fits = largest.x == 0 || (static_cast<unsigned int>(width) <= largest.x &&
                                         static_cast<unsigned int>(height) <= largest.y);
    if (positive && fits)
    {
        params.width = static_cast<std::uint32_t>(width);
        params.height = static_cast<std::uint32_t>(height);
    }
    else
    {
        params.width = static_cast<std::uint32_t>(valueAsInt("ResolutionX", DefaultWidth, true));
        params.height = static_cast<std::uint32_t>(valueAsInt("ResolutionY", DefaultHeight, true));
    }
    if (!usableDepth(params.bitsPerPixel))
        params.bitsPerPixel =
            static_cast<std::uint8_t>(valueAsInt("bpp", DefaultBitsPerPixel, true));
    return params;
}

} // namespace bexil
