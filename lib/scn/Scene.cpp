#include "lib/scn/Scene.hpp"

#include "lib/Randomizer.hpp"
#include "lib/input/ActionMap.hpp"
#include "lib/scn/SceneManager.hpp"

namespace lib::scn
{

Scene::Scene(const std::string& name)
    : draw::RenderGroup(name)
{
}

Scene::~Scene() = default;

void Scene::onAction(const lib::input::ActionEvent&) {}

void Scene::onPointer(const lib::input::PointerEvent&) {}

void Scene::onTextEntered(sf::Uint32) {}

void Scene::onFocusLost() {}

void Scene::onJoystickDisconnected() {}

const lib::input::ActionMap& Scene::actionMap() const
{
    static const lib::input::ActionMap none;
    return none;
}

bool Scene::usesPointer() const
{
    return false;
}

void Scene::onResize() {}

void Scene::setViewFit(ViewFit fit)
{
    m_viewFit = fit;
    if (m_sceneManager != nullptr)
        m_sceneManager->fitView(*this);
}

sf::FloatRect Scene::visibleArea()
{
    if (!m_view)
        return {{0.f, 0.f}, getDefaultSizeView()};
    const sf::Vector2f size = m_view->getSize();
    return {m_view->getCenter() - size * 0.5f, size};
}

std::uint32_t Scene::getRandomNumber(std::uint32_t max)
{
    return m_sceneManager->randomizer().getUInt(max);
}

} // namespace lib::scn
