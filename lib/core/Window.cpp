#include "lib/core/Window.hpp"

#include "lib/Clock.hpp"
#include "lib/Randomizer.hpp"
#include "lib/core/Platform.hpp"
#include "lib/core/ProgramController.hpp"
#include "lib/scn/SceneManager.hpp"
#include "lib/scn/draw/DrawBatch.hpp"

#include <SFML/System/String.hpp>
#include <SFML/Window/GlResource.hpp>

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
    lib::scn::draw::DrawBatch batch;
};

Window::Window(ProgramController* controller, const WindowCreationParams& params)
    : m_private(std::make_unique<Private>(*this))
{
    const sf::Uint32 style =
        params.fullscreen ? sf::Style::Fullscreen : (sf::Style::Titlebar | sf::Style::Close);
    const sf::ContextSettings settings(0, 0, params.antialiasing, 1, 1);
    create(sf::VideoMode(params.width, params.height, params.bitsPerPixel),
           sf::String(params.title), style, settings);
    Platform::identifyWindow(getSystemHandle());
    setVerticalSyncEnabled(params.vsync);
    if (setActive(true))
        m_private->contextLock = std::make_unique<HeldContextLock>();

    const std::string fpsPrefix = params.title + " FPS:";
    m_private->fpsTitle =
        sf::String(fpsPrefix + std::to_string(std::numeric_limits<std::uint32_t>::max()));
    m_private->fpsPrefixLength = sf::String(fpsPrefix).getSize();
    if (!params.fullscreen)
    {
        // The windowing library centres new windows with the screen's width for both axes;
        // without a window manager that can leave the bottom of the window off screen.
        const sf::VideoMode desktop = sf::VideoMode::getDesktopMode();
        const auto centre = [](unsigned int screen, unsigned int window)
        { return screen > window ? static_cast<int>((screen - window) / 2) : 0; };
        setPosition({centre(desktop.width, params.width), centre(desktop.height, params.height)});
    }

    m_sceneManager = std::make_shared<lib::scn::SceneManager>(this, controller->resourceFile(),
                                                              controller->usesSound());
    m_sceneManager->addScenes(controller->scenesVector());
    // Frames are counted from the end of construction: loading the resources on a busy machine
    // can outlast the first counting period, whose title would then show no frame at all.
    m_private->clock.restart();
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
    return false;
}

bool Window::handleEvent(const sf::Event& event)
{
    if (event.type == sf::Event::Closed)
        return true;
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

} // namespace lib::core
