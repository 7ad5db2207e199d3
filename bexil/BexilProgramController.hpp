#pragma once

#include "lib/Configuration.hpp"
#include "lib/core/ProgramController.hpp"

namespace bexil
{

// The game as the engine sees it: a 1024 × 768 window unless config.cfg says otherwise, the
// resources of res.cfg, sound at the volumes of config.cfg, texts in the language it chooses,
// and the game's scenes. It is also the
// game's view of config.cfg, and writes that file back when the program ends.
class BexilProgramController : public lib::core::ProgramController, public lib::Configuration
{
public:
    BexilProgramController();
    ~BexilProgramController() override;

    void onInit() override;
    std::vector<std::shared_ptr<lib::scn::Scene>> scenesVector() override;
    std::string resourceFile() override;
    bool usesSound() override { return true; }
    lib::core::WindowCreationParams getWindowCreationParams() override;
    // F11 and Alt+Enter change "Fullscreen" in the settings.
    void fullscreenChanged(bool fullscreen) override;
};

} // namespace bexil
