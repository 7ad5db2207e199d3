#include "lib/core/Window.hpp"

#include "lib/Clock.hpp"
#include "lib/Randomizer.hpp"
#include "lib/core/Platform.hpp"
#include "lib/core/ProgramController.hpp"
#include "lib/scn/SceneManager.hpp"
#include "lib/scn/draw/DrawBatch.hpp"

#include <SFML/System/String.hpp>
#include <SFML/Window/GlResource.hpp>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>
#include <memory>
#include <string>

namespace lib::core
{

namespace
{

// SFML 2.5 takes a transient context lock in every texture bind (each change of texture while
// drawing, and every clear). When no other such lock is held on the thread, each one creates
// and deletes SFML's transient context record: a heap allocation per texture change, several
// per frame. Holding one lock for the window's life keeps that record alive. It is taken while
// the window's own context is active, so it never activates a context of its own, and it is
// released before the window closes, so that resources freed later still get a context.
class HeldContextLock : sf::GlResource
{
    TransientContextLock m_lock;
};

// The size asked for, as much of it as the screen can hold.
sf::Vector2u windowedSize(const WindowCreationParams& params)
{
    const sf::Vector2u area = Window::usableArea();
    if (area.x == 0 || area.y == 0)
        return {params.width, params.height};
    return {std::min(params.width, area.x), std::min(params.height, area.y)};
}

} // namespace

struct Window::Private
{
    explicit Private(sf::RenderTarget& target)
        : batch(target)
    {
    }

    lib::Clock clock;
    std::int32_t lastTitleUpdate = 0;
    std::uint32_t framesDone = 0;
    std::uint32_t framesRunning = 0;
    lib::Randomizer randomizer;
    std::unique_ptr<HeldContextLock> contextLock;
    // The title with its " FPS:" suffix, made once with room for the longest count, so that
    // the update once a second rewrites only the digits and allocates nothing.
    sf::String fpsTitle;
    std::size_t fpsPrefixLength = 0;
    std::int64_t shownFrameCount = -1; // none yet
    ProgramController* controller = nullptr;
    WindowCreationParams params;
    // Asked for during the frame's events (F11, Alt+Enter, a scene's key), made after them:
    // the events still queued belong to the native window that would go.
    bool toggleRequested = false;
    bool applyRequested = false;
    // Opened again in place of another, and without the focus since.
    bool reopened = false;
    // The size the window had when last a window (resized by the player, perhaps), which it
    // gets back when full screen ends.
    sf::Vector2u windowed;
    lib::scn::draw::DrawBatch batch;
};

Window::Window(ProgramController* controller, const WindowCreationParams& params)
    : m_private(std::make_unique<Private>(*this))
{
    m_private->controller = controller;
    const std::string fpsPrefix = params.title + " FPS:";
    m_private->fpsTitle =
        sf::String(fpsPrefix + std::to_string(std::numeric_limits<std::uint32_t>::max()));
    m_private->fpsPrefixLength = sf::String(fpsPrefix).getSize();
    open(params, windowedSize(params));

    m_sceneManager = std::make_shared<lib::scn::SceneManager>(this, controller->resourceFile(),
                                                              controller->usesSound());
    m_sceneManager->addScenes(controller->scenesVector());
    // Frames are counted from the end of construction: loading the resources on a busy machine
    // can outlast the first counting period, whose title would then show no frame at all.
    m_private->clock.restart();
}

void Window::open(const WindowCreationParams& params, const sf::Vector2u& windowed)
{
    Private& p = *m_private;
    // Taken in the context that is about to go; see HeldContextLock.
    p.contextLock.reset();
    p.reopened = isOpen();
    if (p.reopened && m_sceneManager)
        m_sceneManager->windowReplaced();
    p.params = params;
    sf::VideoMode mode(params.width, params.height, params.bitsPerPixel);
    if (!params.fullscreen)
        mode = sf::VideoMode(windowed.x, windowed.y, params.bitsPerPixel);
    else if (!mode.isValid())
        // Full screen in a size the display has no mode for (F11 from any window size) covers
        // the screen as it is, rather than the first mode the windowing library would pick.
        mode = sf::VideoMode::getDesktopMode();
    const sf::Uint32 style = params.fullscreen ? sf::Style::Fullscreen : sf::Style::Default;
    const sf::ContextSettings settings(0, 0, params.antialiasing, 1, 1);
    create(mode, p.shownFrameCount < 0 ? sf::String(params.title) : p.fpsTitle, style, settings);
    Platform::identifyWindow(getSystemHandle());
    setVerticalSyncEnabled(params.vsync);
    if (setActive(true))
        p.contextLock = std::make_unique<HeldContextLock>();
    if (!params.fullscreen)
    {
        p.windowed = windowed;
        centre(windowed);
    }
}

void Window::centre(const sf::Vector2u& size)
{
    // The windowing library centres new windows with the screen's width for both axes; without
    // a window manager that can leave the bottom of the window off screen.
    const sf::VideoMode desktop = sf::VideoMode::getDesktopMode();
    const auto middle = [](unsigned int screen, unsigned int window)
    { return screen > window ? static_cast<int>((screen - window) / 2) : 0; };
    setPosition({middle(desktop.width, size.x), middle(desktop.height, size.y)});
}

void Window::toggleFullscreen()
{
    m_private->toggleRequested = true;
}

void Window::applySettings()
{
    m_private->applyRequested = true;
}

void Window::makeRequestedChanges()
{
    Private& p = *m_private;
    if (!p.toggleRequested && !p.applyRequested)
        return;
    if (p.applyRequested)
        changeSettings();
    if (p.toggleRequested)
    {
        WindowCreationParams params = p.params;
        params.fullscreen = !params.fullscreen;
        open(params, p.windowed.x > 0 ? p.windowed : windowedSize(params));
        p.controller->fullscreenChanged(params.fullscreen);
    }
    p.toggleRequested = p.applyRequested = false;
    m_sceneManager->windowResized();
    // A new native window starts with whatever its buffer held.
    clear(sf::Color(0, 0, 0, 255));
}

void Window::changeSettings()
{
    Private& p = *m_private;
    WindowCreationParams next = p.controller->getWindowCreationParams();
    const WindowCreationParams now = p.params;
    next.title = now.title;
    const bool sizeChanged = next.width != now.width || next.height != now.height;
    if (next.fullscreen != now.fullscreen || next.antialiasing != now.antialiasing ||
        (next.fullscreen && (sizeChanged || next.bitsPerPixel != now.bitsPerPixel)))
    {
        // A new context or a new video mode: only a new native window has them. The window keeps
        // the size the player gave it unless another is asked for.
        open(next, sizeChanged || p.windowed.x == 0 ? windowedSize(next) : p.windowed);
    }
    else
    {
        p.params = next;
        if (sizeChanged)
        {
            p.windowed = windowedSize(next);
            setSize(p.windowed);
            centre(p.windowed);
        }
        if (next.vsync != now.vsync)
            setVerticalSyncEnabled(next.vsync);
    }
}

const WindowCreationParams& Window::params() const
{
    return m_private->params;
}

Window::~Window()
{
    // The scenes may still hold textures and fonts: release them while the window's
    // context exists, before the sf::RenderWindow part goes.
    m_private.reset();
    m_sceneManager.reset();
}

bool Window::loopStep()
{
    updateTitle();
    clear(sf::Color(0, 0, 0, 255));
    if (dispatchEvents())
        return true;
    m_sceneManager->update();
    display();
    return m_exitRequested;
}

void Window::updateTitle()
{
    Private& p = *m_private;
    const std::int32_t now = p.clock.getElapsedTime().asMilliseconds();
    if (now - p.lastTitleUpdate > 1000)
    {
        p.lastTitleUpdate = now;
        p.framesDone = p.framesRunning;
        p.framesRunning = 0;
        // The same count again leaves the title as it is: setting it costs a round of X
        // property events, and SFML allocates for them.
        if (static_cast<std::int64_t>(p.framesDone) != p.shownFrameCount)
        {
            p.shownFrameCount = p.framesDone;
            char digits[std::numeric_limits<std::uint32_t>::digits10 + 1];
            const std::to_chars_result written =
                std::to_chars(digits, digits + sizeof digits, p.framesDone);
            p.fpsTitle.erase(p.fpsPrefixLength, p.fpsTitle.getSize() - p.fpsPrefixLength);
            for (const char* digit = digits; digit != written.ptr; ++digit)
                p.fpsTitle += sf::String(static_cast<sf::Uint32>(*digit));
            setTitle(p.fpsTitle);
        }
    }
    ++p.framesRunning;
}

bool Window::dispatchEvents()
{
    sf::Event event;
    while (pollEvent(event))
    {
        if (handleEvent(event))
            return true;
    }
    makeRequestedChanges();
    return false;
}

bool Window::handleEvent(const sf::Event& event)
{
    switch (event.type)
    {
    case sf::Event::Closed:
        return true;
    case sf::Event::KeyPressed:
        // The window's own keys, which no scene hears.
        if (event.key.code == sf::Keyboard::F11 ||
            (event.key.code == sf::Keyboard::Return && event.key.alt))
        {
            toggleFullscreen();
            return false;
        }
        break;
    case sf::Event::LostFocus:
        // A window opened anew is told of a loss of the focus it never had, before it gets it:
        // that is no reason for a game to pause.
        if (m_private->reopened)
            return false;
        break;
    case sf::Event::GainedFocus:
        m_private->reopened = false;
        break;
    case sf::Event::Resized:
        if (!m_private->params.fullscreen)
            m_private->windowed = {event.size.width, event.size.height};
        m_sceneManager->windowResized();
        return false;
    default:
        break;
    }
    m_sceneManager->handleEvent(event);
    return false;
}

void Window::closeWindow()
{
    m_private->contextLock.reset();
    close();
}

lib::Randomizer& Window::randomizer()
{
    return m_private->randomizer;
}

lib::scn::draw::DrawBatch& Window::batch()
{
    return m_private->batch;
}

void Window::draw(const sf::Drawable& drawable, const sf::RenderStates& states)
{
    m_private->batch.drawNow(drawable, states);
}

void Window::draw(const sf::Vertex* vertices, std::size_t count, sf::PrimitiveType type,
                  const sf::RenderStates& states)
{
    m_private->batch.drawNow(vertices, count, type, states);
}

void Window::setView(const sf::View& view)
{
    m_private->batch.flush();
    sf::RenderWindow::setView(view);
}

std::uint64_t Window::drawCalls() const
{
    return m_private->batch.drawCalls();
}

void Window::resetDrawCalls()
{
    m_private->batch.resetDrawCalls();
}

bool Window::displayAvailable()
{
    return Platform::displayAvailable();
}

sf::Vector2u Window::usableArea()
{
    return Platform::usableArea();
}

} // namespace lib::core
