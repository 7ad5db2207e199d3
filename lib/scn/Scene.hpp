#pragma once

#include "lib/scn/draw/RenderGroup.hpp"

#include <SFML/Config.hpp>
#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/View.hpp>

#include <cstdint>
#include <memory>
#include <string>

namespace lib::input
{
class ActionMap;
struct ActionEvent;
struct PointerEvent;
} // namespace lib::input

namespace lib::scn
{

class SceneManager;

// One screen of the program: the root of its own render tree, with its own handling of the
// players' input and its own view of a fixed logical size fitted to the window's shape (see
// ViewFit). A scene hears actions (lib::input): every press reaches onAction with the action the
// scene's own bindings (actionMap) give it, so a scene never compares keys or buttons itself.
// The scene manager pointer is a back reference, set when the manager registers the scene.
class Scene : public draw::RenderGroup
{
public:
    // How the logical size meets the window's shape.
    enum class ViewFit : std::uint8_t
    {
        // The logical size fills the window, stretched to its shape.
        Stretch,
        // Units stay square on screen: the logical size is seen whole and centred, and the view
        // reaches further along the window's longer side (visibleArea).
        Extend
    };

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
    // A press of a key, a joystick button or direction, or a mouse button, with its action.
    virtual void onAction(const lib::input::ActionEvent& event);
    // The mouse pointer, at its place in the scene's own coordinates.
    virtual void onPointer(const lib::input::PointerEvent& event);
    // A character typed, as the keyboard layout makes it (SFML's text event; Backspace is 8).
    virtual void onTextEntered(sf::Uint32 character);
    // The window lost the keyboard focus (another window came on top, or it was hidden).
    virtual void onFocusLost();
    // A joystick went away (unplugged, or its battery empty).
    virtual void onJoystickDisconnected();
    // The bindings the scene's presses are read through; none by default.
    virtual const lib::input::ActionMap& actionMap() const;
    // Whether the mouse pointer shows over the scene while it is in use; not by default.
    virtual bool usesPointer() const;
    // The window changed its size while the scene was active; the view is fitted to it already.
    // A scene whose layout follows visibleArea lays itself out again here and on entering.
    virtual void onResize();
    // The logical size the scene draws in.
    virtual sf::Vector2f getDefaultSizeView() = 0;

    SceneManager* sceneManager() const { return m_sceneManager; }
    // A number from 0 to max - 1 from the window's random source; max must be >= 1.
    std::uint32_t getRandomNumber(std::uint32_t max);

    // Null until the scene is registered.
    sf::View* view() const { return m_view.get(); }
    ViewFit viewFit() const { return m_viewFit; }
    // Fits the view again at once (the window's too, while the scene is active). Stretch until
    // a scene asks for another.
    void setViewFit(ViewFit fit);
    // The part of the scene's coordinates the window shows; the logical size, centred on half
    // of it, before the scene is registered.
    sf::FloatRect visibleArea();
    std::int32_t sceneState() const { return m_sceneState; }
    void setSceneState(std::int32_t state) { m_sceneState = state; }

private:
    friend class SceneManager;

    std::unique_ptr<sf::View> m_view;
    ViewFit m_viewFit = ViewFit::Stretch;
    std::int32_t m_sceneState = 0; // the subclass's own
    SceneManager* m_sceneManager = nullptr;
};

} // namespace lib::scn
