#pragma once

#include "lib/core/WindowCreationParams.hpp"

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Window/Event.hpp>

#include <cstdint>
#include <memory>

namespace lib
{
class Randomizer;
}

namespace lib::scn
{
class SceneManager;
}

namespace lib::scn::draw
{
class DrawBatch;
}

namespace lib::core
{

class ProgramController;

// The program's one window, and the owner of what lives as long as it: the scene manager, the
// program's random source and the frames-per-second count shown in the title. The window can be
// resized and maximised, and F11 or Alt+Enter turn full screen on and off; the active scene hears
// of each new size (Scene::onResize). A windowed size that the screen cannot hold, with its title
// bar, opens at the largest size that fits (usableArea).
// The controller must outlive the window (it owns it).
class Window : public sf::RenderWindow
{
public:
    // Opens the native window, creates the scene manager (loading the controller's resources)
    // and registers the controller's scenes.
    Window(ProgramController* controller, const WindowCreationParams& params);
    ~Window() override;

    // One frame: title, clear, events, scene update and drawing, display. True when the
    // program is to end (a close request, which skips the rest of the frame, or exitProgram()
    // during this frame).
    bool loopStep();
    // One event as the frame's dispatch takes it from the window's queue: a close request
    // (true; the frame ends there), or the active scene's, through the scene manager. Events
    // from devices this machine lacks can be handed over here.
    bool handleEvent(const sf::Event& event);
    // Ends the program after the current frame.
    void exitProgram() { m_exitRequested = true; }
    // Closes the native window. Use this rather than close(): it first lets go of the SFML
    // context lock the window holds while open, so textures freed later still get a context.
    void closeWindow();

    // Full screen, or back to a window, as F11 and Alt+Enter do; the controller hears of it
    // (ProgramController::fullscreenChanged).
    void toggleFullscreen();
    // Asks the controller for the window's parameters again and applies what changed: the size,
    // full screen, vertical sync, antialiasing. The scenes, the resources and what the scenes
    // show stay as they are. Both changes are made after the frame's events, before its drawing
    // (asked for later in a frame, in the next one), and the active scene hears of the size.
    void applySettings();
    // The parameters the window was last asked for (its size as asked, before any fitting or
    // resizing).
    const WindowCreationParams& params() const;

    const std::shared_ptr<lib::scn::SceneManager>& sceneManager() const { return m_sceneManager; }
    lib::Randomizer& randomizer();

    // How the render tree reaches the window: its leaves' vertices, gathered into few draws.
    lib::scn::draw::DrawBatch& batch();
    // Drawn at once, after what the batch has gathered, so that a node that draws by itself
    // keeps its place in the tree's order. Each counts as one draw call.
    void draw(const sf::Drawable& drawable,
              const sf::RenderStates& states = sf::RenderStates::Default);
    void draw(const sf::Vertex* vertices, std::size_t count, sf::PrimitiveType type,
              const sf::RenderStates& states = sf::RenderStates::Default);
    // What the batch has gathered is drawn in the view it was gathered in.
    void setView(const sf::View& view);
    // The draw calls handed to SFML since the last reset (see DrawBatch::drawCalls). Counted
    // for the benchmarks.
    std::uint64_t drawCalls() const;
    void resetDrawCalls();

    // True when a display can be reached (see Platform). Opening a window without one aborts
    // the process inside the windowing library, so the program asks first.
    static bool displayAvailable();
    // The largest content a window can have on this screen: the desktop's work area (the screen
    // less its panels) less a title bar where a window manager draws one; (0, 0) when unknown.
    static sf::Vector2u usableArea();

private:
    struct Private;

    // Opens the native window for the parameters (at the size given when it is no full-screen
    // window), or opens it again in their place.
    void open(const WindowCreationParams& params, const sf::Vector2u& windowed);
    void centre(const sf::Vector2u& size);
    void makeRequestedChanges();
    void changeSettings();
    // Counts the frame; once a second the title shows the count of the last second.
    void updateTitle();
    // Handles every pending event; true on a close request, which leaves the rest queued.
    bool dispatchEvents();

    std::shared_ptr<lib::scn::SceneManager> m_sceneManager;
    std::unique_ptr<Private> m_private;
    bool m_exitRequested = false;
};

} // namespace lib::core
