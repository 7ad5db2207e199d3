#include "lib/menu/MenuManager.hpp"

#include "lib/input/PointerEvent.hpp"
#include "lib/menu/MenuStep.hpp"

#include <cassert>

namespace lib::menu
{

MenuManager::MenuManager(const std::string& name)
    : Scene(name)
{
}

MenuManager::~MenuManager() = default;

void MenuManager::addMenuStep(const std::shared_ptr<MenuStep>& step)
{
    assert(step != nullptr);
    addRenderGroup(step);
    step->m_manager = this;
    m_steps.push_back(step);
    step->onCreate();
}

void MenuManager::changeStep(const std::string& name)
{
    // The walk goes on past a match on purpose: of two pages with one name, the later wins.
    for (std::size_t i = 0; i < m_steps.size(); ++i)
    {
        if (m_steps[i]->name() == name)
            setActiveStep(m_steps[i]);
    }
}

void MenuManager::setActiveStep(const std::shared_ptr<MenuStep>& step)
{
    m_activeStep = step;
    for (const std::shared_ptr<MenuStep>& each : m_steps)
        each->setVisible(each == m_activeStep);
    m_activeStep->onShow();
}

void MenuManager::onAction(const lib::input::ActionEvent& event)
{
    // Held for the whole call: if a control changes the page, the page that took the press
    // finishes with it and the new page does not hear it.
    const std::shared_ptr<MenuStep> step = m_activeStep;
    if (step)
        step->onAction(event);
}

void MenuManager::onPointer(const lib::input::PointerEvent& event)
{
    const std::shared_ptr<MenuStep> step = m_activeStep;
    if (step)
        step->onPointer(event.at(step->getInverseTransform().transformPoint(event.position)));
}

bool MenuManager::usesPointer() const
{
    return true;
}

} // namespace lib::menu
