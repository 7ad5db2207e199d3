#include "bexil/BexilProgramController.hpp"

#include "bexil/GameScene.hpp"
#include "bexil/MenuScene.hpp"

#include <cstdint>

namespace bexil
{

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
    params.width = static_cast<std::uint32_t>(valueAsInt("ResolutionX", 1024));
    params.height = static_cast<std::uint32_t>(valueAsInt("ResolutionY", 768));
    params.vsync = valueAsInt("VSync", 0) != 0;
    params.bitsPerPixel = static_cast<std::uint8_t>(valueAsInt("bpp", 32));
    params.fullscreen = valueAsInt("Fullscreen", 0) != 0;
    return params;
}

} // namespace bexil
