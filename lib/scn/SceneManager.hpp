#pragma once

#include "lib/input/InputState.hpp"
#include "lib/input/PointerEvent.hpp"

#include <SFML/Window/Event.hpp>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace lib
{
class Randomizer;
}

namespace lib::core
{
class Window;
}

namespace lib::scn
{

class Audio;
class ResourceManager;
class Scene;

// Owns the scenes, the resources, the sound and the state of the input devices, keeps one scene
// active, and forwards the frame's events (turned into actions and pointer events), update and
// drawing to it. The mouse pointer shows while the active scene uses it and it is in use. Scenes
// switch by name. A scene never switches away under its own hook: a switch asked for in an event
// hook or in update is made when the hook has returned, and one asked for while a switch is running
// (from onExitScene or onEnterScene) waits for the next frame. The window must outlive the manager
// (it owns it).
class SceneManager
{
public:
    // With `sound`, the sound device is opened first, and the list's sounds are loaded if there
    // is one; without, everything stays silent.
    SceneManager(lib::core::Window* window, const std::string& resourceFile, bool sound = false);
    // Who draws the scenes of a manager without a window, and so steps their animations.
    enum class DrawnBy
    {
        Nobody,     // update steps the active scene's animations itself
        AnotherTree // a tree that holds the scene draws it, and its drawing steps them
    };
    // Without a window: nothing is shown or drawn here, update steps the active scene, the
    // scenes are silent and draw from a random source of the manager's own. A page can show
    // such a scene inside its own tree; a benchmark can play without a window.
    explicit SceneManager(std::shared_ptr<ResourceManager> resources,
                          DrawnBy drawnBy = DrawnBy::Nobody);
    virtual ~SceneManager();

    SceneManager(const SceneManager&) = delete;
    SceneManager& operator=(const SceneManager&) = delete;

    // Registers each scene in order: back reference, view, onInit.
    void addScenes(const std::vector<std::shared_ptr<Scene>>& scenes);
    // The first scene with exactly that name; empty when none.
    std::shared_ptr<Scene> getSceneByName(const std::string& name) const;
    // Unknown names are ignored. Outside the scenes' hooks the switch is made at once.
    void changeScene(const std::string& name);
    // A window event for the active scene: presses become actions through the scene's bindings,
    // the pointer's events come in the scene's coordinates, and text, the loss of the focus and
    // of a joystick reach their hooks. Dropped while no scene is active.
    void handleEvent(const sf::Event& event);
    // The per-frame step: activate, switch or update (after a held joystick direction's repeat),
    // then draw the active scene; the sound's own step, and the pointer shown or hidden.
    void update();
    // The window has a new size (or a new native window): the active scene's view is fitted to
    // it, and the scene hears of it (onResize). Other scenes are fitted when they are entered.
    void windowResized();
    // A new native window took the place of the old one, where the keys held down are let go
    // of: they count as released.
    void windowReplaced();
    // Fits the scene's view to the window's shape as the scene asks (Scene::ViewFit) and, for
    // the active scene, makes it the window's view. Without a window the view shows exactly the
    // logical size.
    void fitView(Scene& scene);

    // Null for a manager without a window.
    lib::core::Window* window() const { return m_window; }
    // The window's random source, or the manager's own when it has no window.
    lib::Randomizer& randomizer();
    const std::shared_ptr<ResourceManager>& resourceManager() const { return m_resourceManager; }
    Audio& audio() const { return *m_audio; }
    const lib::input::InputState& input() const { return m_input; }
    bool pointerShown() const { return m_pointerShown; }
    const std::shared_ptr<Scene>& currentScene() const { return m_activeScene; }

private:
    // Runs hook(scene) on the active scene, then makes the switch it asked for, if any.
    template <typename Hook>
    void runHook(Hook hook);
    // Exits the active scene and enters this one; switches asked for meanwhile wait.
    void switchTo(const std::shared_ptr<Scene>& scene);
    void setScene(const std::shared_ptr<Scene>& scene);
    // The pointer's event in the active scene's coordinates; none for other events.
    std::optional<lib::input::PointerEvent> pointerEvent(const sf::Event& event) const;
    void showPointer();

    std::vector<std::shared_ptr<Scene>> m_scenes;
    std::shared_ptr<Scene> m_activeScene;
    bool m_switching = false;
    std::shared_ptr<Scene> m_pendingScene; // for the next frame
    int m_hooksRunning = 0;
    std::shared_ptr<Scene> m_requestedScene; // for when the running hook returns
    DrawnBy m_drawnBy = DrawnBy::Nobody;
    lib::core::Window* m_window;
    lib::input::InputState m_input;
    bool m_pointerShown = true; // as a new window has it
    // Before the resources: it decides whether they load sounds, and goes first, as it plays
    // their tracks.
    std::unique_ptr<Audio> m_audio;
    std::shared_ptr<ResourceManager> m_resourceManager;
    std::unique_ptr<lib::Randomizer> m_ownRandomizer; // only without a window
};

} // namespace lib::scn
