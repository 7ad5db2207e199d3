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
// program's random source and the frames-per-second count shown in the title.
// The controller must outlive the constructor call only.
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

private:
    struct Private;

    // Counts the frame; once a second the title shows the count of the last second.
    void updateTitle();
    // Handles every pending event; true on a close request, which leaves the rest queued.
    bool dispatchEvents();

    std::shared_ptr<lib::scn::SceneManager> m_sceneManager;
    std::unique_ptr<Private> m_private;
    bool m_exitRequested = false;
};

} // namespace lib::core
