#include "lib/scn/SceneManager.hpp"

#include "lib/Randomizer.hpp"
#include "lib/core/Window.hpp"
#include "lib/input/ActionMap.hpp"
#include "lib/scn/Audio.hpp"
#include "lib/scn/ResourceManager.hpp"
#include "lib/scn/Scene.hpp"

#include <optional>
#include <utility>

namespace lib::scn
{

namespace
{

const lib::input::ActionMap& noBindings()
{
    static const lib::input::ActionMap none;
    return none;
}

} // namespace

SceneManager::SceneManager(lib::core::Window* window, const std::string& resourceFile, bool sound)
    : m_window(window)
    , m_audio(std::make_unique<Audio>(sound))
    , m_resourceManager(std::make_shared<ResourceManager>(resourceFile, m_audio->audible()))
{
}

SceneManager::SceneManager(std::shared_ptr<ResourceManager> resources, DrawnBy drawnBy)
    : m_drawnBy(drawnBy)
    , m_window(nullptr)
    , m_audio(std::make_unique<Audio>(false))
    , m_resourceManager(std::move(resources))
    , m_ownRandomizer(std::make_unique<lib::Randomizer>())
{
}

SceneManager::~SceneManager()
{
    for (const auto& scene : m_scenes)
        scene->onDeinit();
    m_scenes.clear();
    m_audio.reset();
    m_resourceManager.reset();
    m_requestedScene.reset();
    m_pendingScene.reset();
    m_activeScene.reset();
}

void SceneManager::addScenes(const std::vector<std::shared_ptr<Scene>>& scenes)
{
    for (const auto& scene : scenes)
    {
        scene->m_sceneManager = this;
        m_scenes.push_back(scene);
        scene->m_view = std::make_unique<sf::View>(m_window ? m_window->getView() : sf::View());
        fitView(*scene);
        if (m_window)
            m_window->setView(*scene->m_view);
        scene->onInit();
    }
}

std::shared_ptr<Scene> SceneManager::getSceneByName(const std::string& name) const
{
    for (const auto& scene : m_scenes)
    {
        if (scene->name() == name)
            return scene;
    }
    return nullptr;
}

void SceneManager::changeScene(const std::string& name)
{
    std::shared_ptr<Scene> scene = getSceneByName(name);
    if (!scene)
        return;
    if (m_switching)
    {
        // Asked from inside a switch: the scenes are mid-way through their hooks, so the
        // new switch waits for the next frame.
        m_pendingScene = scene;
        return;
    }
    if (m_hooksRunning > 0)
    {
        // The scene that asks goes on with its hook as the active scene; it is left after.
        m_requestedScene = scene;
        return;
    }
    switchTo(scene);
}

void SceneManager::handleEvent(const sf::Event& event)
{
    if (!m_activeScene)
    {
        // Nobody hears it, yet what the devices do counts: a pad connected now settles.
        m_input.handle(event, noBindings());
        return;
    }
    const std::optional<lib::input::ActionEvent> press =
        m_input.handle(event, m_activeScene->actionMap());
    switch (event.type)
    {
    case sf::Event::TextEntered:
        runHook([&event](Scene& scene) { scene.onTextEntered(event.text.unicode); });
        return;
    case sf::Event::LostFocus:
        runHook([](Scene& scene) { scene.onFocusLost(); });
        return;
    case sf::Event::JoystickDisconnected:
        runHook([](Scene& scene) { scene.onJoystickDisconnected(); });
        return;
    default:
        break;
    }
    const std::optional<lib::input::PointerEvent> pointer = pointerEvent(event);
    if (!pointer && !press)
        return;
    // One hook for both, so that a scene switch asked for by the first waits for the second.
    runHook(
        [&pointer, &press](Scene& scene)
        {
            if (pointer)
                scene.onPointer(*pointer);
            if (press)
                scene.onAction(*press);
        });
}

std::optional<lib::input::PointerEvent> SceneManager::pointerEvent(const sf::Event& event) const
{
    using lib::input::PointerEvent;
    PointerEvent pointer;
    sf::Vector2i pixel;
    switch (event.type)
    {
    case sf::Event::MouseMoved:
        pixel = {event.mouseMove.x, event.mouseMove.y};
        break;
    case sf::Event::MouseButtonPressed:
        pointer.kind = PointerEvent::Kind::Pressed;
        pointer.button = event.mouseButton.button;
        pixel = {event.mouseButton.x, event.mouseButton.y};
        break;
    case sf::Event::MouseWheelScrolled:
        if (event.mouseWheelScroll.wheel != sf::Mouse::VerticalWheel)
            return std::nullopt;
        pointer.kind = PointerEvent::Kind::Wheel;
        pointer.wheel = event.mouseWheelScroll.delta;
        pixel = {event.mouseWheelScroll.x, event.mouseWheelScroll.y};
        break;
    default:
        return std::nullopt;
    }
    if (!m_window)
        return std::nullopt;
    // From the window's pixels to the scene's own coordinates, through its view.
    const Scene& scene = *m_activeScene;
    pointer.position = scene.getInverseTransform().transformPoint(
        m_window->mapPixelToCoords(pixel, *scene.m_view));
    return pointer;
}

void SceneManager::update()
{
    // Taken each frame, also the first and one that switches, so a pad connected now settles.
    const std::optional<lib::input::ActionEvent> repeat =
        m_input.update(m_activeScene ? m_activeScene->actionMap() : noBindings());
    if (!m_activeScene)
    {
        if (!m_scenes.empty())
            switchTo(m_scenes.front());
    }
    else if (m_pendingScene)
    {
        // Taken out of the slot first: entering the scene may ask for another switch.
        std::shared_ptr<Scene> pending = std::move(m_pendingScene);
        m_pendingScene.reset();
        switchTo(pending);
    }
    else
    {
        if (repeat)
            runHook([&repeat](Scene& scene) { scene.onAction(*repeat); });
        runHook([](Scene& scene) { scene.update(); });
    }

    m_audio->update();
    showPointer();
    if (m_activeScene && m_window)
    {
        sf::RenderStates states;
        m_activeScene->draw(m_window, states);
    }
    else if (m_activeScene && m_drawnBy == DrawnBy::Nobody)
    {
        m_activeScene->updateAnimations();
    }
}

lib::Randomizer& SceneManager::randomizer()
{
    return m_window ? m_window->randomizer() : *m_ownRandomizer;
}

template <typename Hook>
void SceneManager::runHook(Hook hook)
{
    if (!m_activeScene)
        return;
    ++m_hooksRunning;
    hook(*m_activeScene);
    --m_hooksRunning;
    if (m_hooksRunning == 0 && m_requestedScene)
    {
        std::shared_ptr<Scene> requested = std::move(m_requestedScene);
        m_requestedScene.reset();
        switchTo(requested);
    }
}

void SceneManager::switchTo(const std::shared_ptr<Scene>& scene)
{
    m_switching = true;
    setScene(scene);
    m_switching = false;
}

void SceneManager::setScene(const std::shared_ptr<Scene>& scene)
{
    // The argument may be the active slot itself; hold the scene while the slot changes.
    std::shared_ptr<Scene> next = scene;
    if (m_activeScene)
        m_activeScene->onExitScene();
    m_activeScene = next;
    fitView(*next);
    next->onEnterScene();
}

void SceneManager::showPointer()
{
    if (!m_window || !m_activeScene)
        return;
    const bool shown = m_activeScene->usesPointer() && m_input.pointerActive();
    // Only on a change: each call is a round trip to the display.
    if (shown != m_pointerShown)
    {
        m_pointerShown = shown;
        m_window->setMouseCursorVisible(shown);
    }
}

void SceneManager::windowReplaced()
{
    m_input.forgetHeld();
}

void SceneManager::windowResized()
{
    if (!m_activeScene)
        return;
    fitView(*m_activeScene);
    runHook([](Scene& scene) { scene.onResize(); });
}

void SceneManager::fitView(Scene& scene)
{
    if (!scene.m_view)
        return;
    sf::Vector2f size = scene.getDefaultSizeView();
    const sf::Vector2f centre = size * 0.5f;
    const sf::Vector2u pixels = m_window ? m_window->getSize() : sf::Vector2u();
    if (scene.m_viewFit == Scene::ViewFit::Extend && pixels.x > 0 && pixels.y > 0 && size.x > 0.f &&
        size.y > 0.f)
    {
        // Along the window's longer side, relative to the logical shape, the view reaches on.
        const float window = static_cast<float>(pixels.x) / static_cast<float>(pixels.y);
        if (window > size.x / size.y)
            size.x = size.y * window;
        else
            size.y = size.x / window;
    }
    scene.m_view->setSize(size);
    scene.m_view->setCenter(centre);
    if (m_window && m_activeScene.get() == &scene)
        m_window->setView(*scene.m_view);
}

} // namespace lib::scn
