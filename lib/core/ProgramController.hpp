#pragma once

#include "lib/core/WindowCreationParams.hpp"

#include <memory>
#include <string>
#include <vector>

namespace lib::scn
{
class Scene;
}

namespace lib::core
{

class Window;

// How a game tells the engine what it needs: the window to open, the resource list to load, the
// sound and the scenes to run. The controller is the window's only owner.
class ProgramController
{
public:
    ProgramController() = default;
    virtual ~ProgramController();

    ProgramController(const ProgramController&) = delete;
    ProgramController& operator=(const ProgramController&) = delete;

    // Opens the window (which loads the resources and registers the scenes), then onInit().
    void start();
    // Releases the window, its scenes (each one's onDeinit runs) and the resources, so that a
    // game can write its settings after the scenes had their last word. The destructor does it
    // otherwise.
    void stop();

    // Called once at the end of start(), when window, resources and scenes exist.
    virtual void onInit() = 0;
    // The program's scenes; the first is shown first.
    virtual std::vector<std::shared_ptr<lib::scn::Scene>> scenesVector() = 0;
    // The resource list file; none by default.
    virtual std::string resourceFile() { return std::string(); }
    // Whether the program opens the sound device; no by default.
    virtual bool usesSound() { return false; }
    // Asked when the window opens, and again when the program asks the window to apply its
    // settings (Window::applySettings).
    virtual WindowCreationParams getWindowCreationParams() = 0;
    // The player turned full screen on or off (F11, Alt+Enter): a controller that keeps the
    // window's settings keeps the choice. Nothing by default.
    virtual void fullscreenChanged(bool fullscreen);

    const std::shared_ptr<Window>& window() const { return m_window; }

private:
    std::shared_ptr<Window> m_window;
};

} // namespace lib::core
