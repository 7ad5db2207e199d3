#pragma once

#include "lib/input/ActionMap.hpp"
#include "lib/menu/MenuSounds.hpp"
#include "lib/scn/Scene.hpp"

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace lib::menu
{

class MenuStep;

// A scene made of menu pages, of which exactly one (the active page) is shown and hears the
// actions, read through the bindings the menu is given, and the pointer. Pages are switched by name
// and keep their state while hidden. Pages must be added from onInit or later: their onCreate
// reaches the scene manager, which is set only when the scene is registered.
class MenuManager : public lib::scn::Scene
{
public:
    explicit MenuManager(const std::string& name);
    ~MenuManager() override;

    // The page becomes the last child and knows this manager as its own, then builds itself.
    void addMenuStep(const std::shared_ptr<MenuStep>& step);
    // Shows the page of that name and hides the others; when two pages bear the name the one
    // added later wins. An unknown name changes nothing.
    void changeStep(const std::string& name);

    // To the active page only (the pointer in its coordinates); ignored while no page is active.
    void onAction(const lib::input::ActionEvent& event) override;
    void onPointer(const lib::input::PointerEvent& event) override;
    // The menus' bindings: none until set.
    const lib::input::ActionMap& actionMap() const override { return m_actionMap; }
    void setActionMap(lib::input::ActionMap actionMap) { m_actionMap = std::move(actionMap); }
    bool usesPointer() const override;

    const std::vector<std::shared_ptr<MenuStep>>& steps() const { return m_steps; }
    // Empty until the first changeStep that finds its name.
    const std::shared_ptr<MenuStep>& activeStep() const { return m_activeStep; }
    // What the pages' controls play; set before the pages are added, which copy it. Silent
    // until set.
    MenuSounds& sounds() { return m_sounds; }

private:
    void setActiveStep(const std::shared_ptr<MenuStep>& step);

    std::vector<std::shared_ptr<MenuStep>> m_steps;
    std::shared_ptr<MenuStep> m_activeStep;
    MenuSounds m_sounds;
    lib::input::ActionMap m_actionMap;
};

} // namespace lib::menu
