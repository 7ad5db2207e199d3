#include "lib/core/Window.hpp"

#include "lib/Clock.hpp"
#include "lib/Randomizer.hpp"
#include "lib/core/ProgramController.hpp"
#include "lib/scn/Scene.hpp"
#include "lib/scn/SceneManager.hpp"

#include <SFML/Window/Event.hpp>

#include <X11/Xlib.h>
#include <cstdint>
#include <memory>
#include <string>

namespace lib::core
{

struct Window::Private
{
    lib::Clock clock;
    std::int32_t lastTitleUpdate = 0;
    std::uint32_t framesDone = 0;
    std::uint32_t framesRunning = 0;
    lib::Randomizer randomizer;
};

Window::Window(ProgramController* controller, const WindowCreationParams& params)
    : m_private(std::make_unique<Private>())
    , m_controller(controller)
    , m_title(params.title)
{
    const sf::Uint32 style =
        params.fullscreen ? sf::Style::Fullscreen : (sf::Style::Titlebar | sf::Style::Close);
    const sf::ContextSettings settings(0, 0, params.antialiasing, 1, 1);
    create(sf::VideoMode(params.width, params.height, params.bitsPerPixel), sf::String(m_title),
           style, settings);
    setVerticalSyncEnabled(params.vsync);
    if (!params.fullscreen)
    {
        // The windowing library centres new windows with the screen's width for both axes;
        // without a window manager that can leave the bottom of the window off screen.
        const sf::VideoMode desktop = sf::VideoMode::getDesktopMode();
        const auto centre = [](unsigned int screen, unsigned int window)
        { return screen > window ? static_cast<int>((screen - window) / 2) : 0; };
        setPosition({centre(desktop.width, params.width), centre(desktop.height, params.height)});
    }

    m_sceneManager = std::make_shared<lib::scn::SceneManager>(this, m_controller->resourceFile());
    m_sceneManager->addScenes(m_controller->scenesVector());
}

Window::~Window()
{
    // The scenes may still hold textures and fonts: release them while the window's
    // context exists, before the sf::RenderWindow part goes.
    m_title.clear();
    m_private.reset();
    m_sceneManager.reset();
}

bool Window::loopStep()
{
    Private& p = *m_private;
    const std::int32_t now = p.clock.getElapsedTime().asMilliseconds();
    if (now - p.lastTitleUpdate > 1000)
    {
        p.lastTitleUpdate = now;
        p.framesDone = p.framesRunning;
        p.framesRunning = 0;
        setTitle(sf::String(m_title + " FPS:" + std::to_string(p.framesDone)));
    }
    ++p.framesRunning;

    clear(sf::Color(0, 0, 0, 255));

    sf::Event event;
    while (pollEvent(event))
    {
        // Keys that come before the first scene is active have nobody to go to.
        const std::shared_ptr<lib::scn::Scene>& scene = m_sceneManager->currentScene();
        switch (event.type)
        {
        case sf::Event::Closed:
            return true;
        case sf::Event::KeyPressed:
            if (scene)
                scene->onKeyPressed(event.key);
            break;
        case sf::Event::KeyReleased:
            if (scene)
                scene->onKeyReleased(event.key);
            break;
        default:
            break;
        }
    }

    m_sceneManager->update();
    display();
    return m_exitRequested;
}

void Window::closeWindow()
{
    close();
}

lib::Randomizer& Window::randomizer()
{
    return m_private->randomizer;
}

bool Window::displayAvailable()
{
    // The probe's connection stays open for the whole run: closing it could leave the server
    // without clients, and a server that resets then would refuse the window's own connection.
    struct DisplayCloser
    {
        void operator()(::Display* display) const { XCloseDisplay(display); }
    };
    static std::unique_ptr<::Display, DisplayCloser> probe;
    if (!probe)
        probe.reset(XOpenDisplay(nullptr));
    return probe != nullptr;
}

} // namespace lib::core
