#include "bexil/BexilProgramController.hpp"

#include "bexil/GameScene.hpp"
#include "bexil/MenuScene.hpp"
#include "bexil/computer/DemoScene.hpp"
#include "bexil/look/LookList.hpp"
#include "bexil/settings/Folders.hpp"
#include "bexil/settings/Languages.hpp"
#include "bexil/settings/Settings.hpp"
#include "bexil/sound/GameSounds.hpp"
#include "lib/core/Window.hpp"
#include "lib/scn/ResourceManager.hpp"
#include "lib/scn/SceneManager.hpp"

#include <cstdint>
#include <iostream>

namespace bexil
{

namespace
{

bool usableDepth(std::uint8_t bitsPerPixel)
{
    return bitsPerPixel == 8 || bitsPerPixel == 16 || bitsPerPixel == 24 || bitsPerPixel == 32;
}

} // namespace

BexilProgramController::BexilProgramController()
    : lib::Configuration(settings::Settings::ConfigFile)
{
}

BexilProgramController::~BexilProgramController()
{
    // The scenes first: a high score whose name was being entered is saved as the game ends,
    // and the name goes into the settings.
    stop();
    if (!saveConfig())
        std::cerr << "bexil: could not write " << configName()
                  << "; the settings of this run are lost\n";
}

void BexilProgramController::onInit()
{
    sound::GameSounds::applyVolumes(window()->sceneManager()->audio(), *this);
    // Before the first frame, which shows every text; the scenes wrote theirs in English and
    // write them again when they are shown.
    settings::Languages::open(*window()->sceneManager()->resourceManager(), *this);
}

void BexilProgramController::fullscreenChanged(bool fullscreen)
{
    settings::Settings::Fullscreen.store(*this, fullscreen ? 1 : 0);
}

std::vector<std::shared_ptr<lib::scn::Scene>> BexilProgramController::scenesVector()
{
    return {std::make_shared<MenuScene>(), std::make_shared<GameScene>(),
            std::make_shared<computer::DemoScene>()};
}

std::string BexilProgramController::resourceFile()
{
    return settings::Folders::resourceList();
}

lib::core::WindowCreationParams BexilProgramController::getWindowCreationParams()
{
    lib::core::WindowCreationParams params;
    params.title = "Bexil";
    // Every key is added with its default when missing, so config.cfg always lists all six.
    params.antialiasing = static_cast<std::uint32_t>(settings::Settings::GraphicsLevel.read(*this));
    const int width = settings::Settings::ResolutionX.read(*this);
    const int height = settings::Settings::ResolutionY.read(*this);
    params.vsync = settings::Settings::VSync.read(*this) != 0;
    params.bitsPerPixel = static_cast<std::uint8_t>(settings::Settings::BitsPerPixel.read(*this));
    params.fullscreen = settings::Settings::Fullscreen.read(*this) != 0;
    // Not the window's, but read here with the rest: a number that names no look plays as the
    // modern one, and the file gets 0 back at exit.
    if (!look::LookList::contains(settings::Settings::Look.read(*this)))
        settings::Settings::Look.reset(*this);

    // A size that no window can have (a zero size is an X error) is repaired to the default.
    // Any other is kept as the file says, even one that is not a full-screen mode: a window too
    // large for this screen opens at the largest size that fits (the window sees to that), and
    // the file keeps its size for a bigger screen.
    if (width <= 0 || height <= 0)
    {
        params.width = static_cast<std::uint32_t>(settings::Settings::ResolutionX.reset(*this));
        params.height = static_cast<std::uint32_t>(settings::Settings::ResolutionY.reset(*this));
    }
    else
    {
        params.width = static_cast<std::uint32_t>(width);
        params.height = static_cast<std::uint32_t>(height);
    }
    if (!usableDepth(params.bitsPerPixel))
        params.bitsPerPixel =
            static_cast<std::uint8_t>(settings::Settings::BitsPerPixel.reset(*this));
    return params;
}

} // namespace bexil
