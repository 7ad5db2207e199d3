#include "lib/core/ProgramController.hpp"

#include "lib/core/Window.hpp"

namespace lib::core
{

ProgramController::~ProgramController() = default;

void ProgramController::start()
{
    const WindowCreationParams params = getWindowCreationParams();
    m_window = std::make_shared<Window>(this, params);
    onInit();
}

void ProgramController::fullscreenChanged(bool) {}

void ProgramController::stop()
{
    m_window.reset();
}

} // namespace lib::core
