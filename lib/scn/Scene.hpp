#pragma once

#include "lib/scn/draw/RenderGroup.hpp"

#include <SFML/Graphics/View.hpp>
#include <SFML/Window/Event.hpp>

#include <cstdint>
#include <memory>
#include <string>

namespace lib::scn
{

class SceneManager;

// One screen of the program: the root of its own render tree, with its own handling of the
// keyboard and its own view of a fixed logical size that fills the window.
// The scene manager pointer is a back reference, set when the manager registers the scene.
class Scene : public draw::RenderGroup
{
public:
    explicit Scene(const std::string& name);
    ~Scene() override;

    // Once, when the scene manager registers the scene.
    virtual void onInit() = 0;
    // Once, when the scene manager is destroyed.
    virtual void onDeinit() = 0;
    virtual void onEnterScene() = 0;
    virtual void onExitScene() = 0;
    // Once per frame while the scene is active.
    virtual void update() = 0;
    virtual void onKeyPressed(sf::Event::KeyEvent key);
    virtual void onKeyReleased(sf::Event::KeyEvent key);
    // A character typed, as the keyboard layout makes it (SFML's text event; Backspace is 8).
    virtual void onTextEntered(sf::Uint32 character);
    // The window lost the keyboard focus (another window came on top, or it was hidden).
    virtual void onFocusLost();
    // The window changed its size while the scene was active; the view is set on it already.
    virtual void onResize();
    // The logical size the scene draws in.
    virtual sf::Vector2f getDefaultSizeView() = 0;

    SceneManager* sceneManager() const { return m_sceneManager; }
    // A number from 0 to max - 1 from the window's random source; max must be >= 1.
    std::uint32_t getRandomNumber(std::uint32_t max);

    // Null until the scene is registered.
    sf::View* view() const { return m_view.get(); }
    std::int32_t sceneState() const { return m_sceneState; }
    void setSceneState(std::int32_t state) { m_sceneState = state; }

private:
    friend class SceneManager;

    std::unique_ptr<sf::View> m_view;
    std::int32_t m_sceneState = 0; // the subclass's own
    SceneManager* m_sceneManager = nullptr;
};

} // namespace lib::scn
