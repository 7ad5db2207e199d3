#include "lib/menu/MenuStep.hpp"

#include "lib/input/ActionEvent.hpp"
#include "lib/input/PointerEvent.hpp"
#include "lib/menu/IMenuControl.hpp"
#include "lib/menu/MenuManager.hpp"
#include "lib/scn/Resource.hpp"
#include "lib/scn/ResourceManager.hpp"
#include "lib/scn/SceneManager.hpp"

#include <cassert>

namespace lib::menu
{

MenuStep::MenuStep(const std::string& name)
    : RenderGroup(name)
{
}

MenuStep::~MenuStep() = default;

void MenuStep::onShow() {}

void MenuStep::update() {}

void MenuStep::onAction(const lib::input::ActionEvent& event)
{
    if (event.action == lib::input::Action::Back)
    {
        // A held Back would walk on through page after page.
        if (!event.repeat)
            onBack();
        return;
    }
    // By index, holding each control for its call: a control's action may reach back into the
    // page (or the menu) while the walk is running.
    for (std::size_t i = 0; i < m_controls.size(); ++i)
    {
        const std::shared_ptr<IMenuControl> control = m_controls[i];
        control->onAction(event);
    }
}

void MenuStep::onPointer(const lib::input::PointerEvent& event)
{
    for (std::size_t i = 0; i < m_controls.size(); ++i)
    {
        const std::shared_ptr<IMenuControl> control = m_controls[i];
        control->onPointer(event.at(control->getInverseTransform().transformPoint(event.position)));
    }
}

void MenuStep::onBack() {}

void MenuStep::addMenuControl(const std::shared_ptr<IMenuControl>& control)
{
    addRenderGroup(control);
    m_controls.push_back(control);
}

MenuManager& MenuStep::manager() const
{
    assert(m_manager != nullptr);
    return *m_manager;
}

const sf::Font& MenuStep::font(const std::string& name) const
{
    assert(manager().sceneManager() != nullptr);
    return *manager().sceneManager()->resourceManager()->getResource(name)->getAsFont();
}

} // namespace lib::menu
