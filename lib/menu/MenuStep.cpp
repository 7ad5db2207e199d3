#include "lib/menu/MenuStep.hpp"

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

void MenuStep::onKeyPressed(sf::Event::KeyEvent key)
{
    // By index, holding each control for its call: a control's action may reach back into the
    // page (or the menu) while the walk is running.
    for (std::size_t i = 0; i < m_controls.size(); ++i)
    {
        const std::shared_ptr<IMenuControl> control = m_controls[i];
        control->onKeyPressed(key);
    }
}

void MenuStep::onKeyReleased(sf::Event::KeyEvent key)
{
    for (std::size_t i = 0; i < m_controls.size(); ++i)
    {
        const std::shared_ptr<IMenuControl> control = m_controls[i];
        control->onKeyReleased(key);
    }
}

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
