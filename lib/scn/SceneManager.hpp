#pragma once

#include <memory>
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

// Owns the scenes, the resources and the sound, keeps one scene active, and forwards the frame's
// update and drawing to it. Scenes switch by name; a switch requested while a switch is running
// waits for the next frame. The window must outlive the manager (it owns it).
class SceneManager
{
public:
    // With `sound`, the sound device is opened first, and the list's sounds are loaded if there
    // is one; without, everything stays silent.
    SceneManager(lib::core::Window* window, const std::string& resourceFile, bool sound = false);
    // Without a window: nothing is shown or drawn here, update steps the active scene and its
    // animations, the scenes are silent and draw from a random source of the manager's own. A
    // page can show such a scene inside its own tree; a benchmark can play without a window.
    explicit SceneManager(std::shared_ptr<ResourceManager> resources);
    virtual ~SceneManager();

    SceneManager(const SceneManager&) = delete;
    SceneManager& operator=(const SceneManager&) = delete;

    // Registers each scene in order: back reference, view, onInit.
    void addScenes(const std::vector<std::shared_ptr<Scene>>& scenes);
    // The first scene with exactly that name; empty when none.
    std::shared_ptr<Scene> getSceneByName(const std::string& name) const;
    // Unknown names are ignored.
    void changeScene(const std::string& name);
    // The per-frame step: activate, switch or update, then draw the active scene; the sound's
    // own step too.
    void update();
    // The window has a new size: the active scene's view is fitted to it, and the scene hears
    // of it (onResize). Other scenes are fitted when they are entered.
    void windowResized();
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
    const std::shared_ptr<Scene>& currentScene() const { return m_activeScene; }

private:
    void setScene(const std::shared_ptr<Scene>& scene);

    std::vector<std::shared_ptr<Scene>> m_scenes;
    std::shared_ptr<Scene> m_activeScene;
    bool m_switching = false;
    std::shared_ptr<Scene> m_pendingScene;
    lib::core::Window* m_window;
    // Before the resources: it decides whether they load sounds, and goes first, as it plays
    // their tracks.
    std::unique_ptr<Audio> m_audio;
    std::shared_ptr<ResourceManager> m_resourceManager;
    std::unique_ptr<lib::Randomizer> m_ownRandomizer; // only without a window
};

} // namespace lib::scn
