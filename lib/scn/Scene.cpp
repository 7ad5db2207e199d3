#include "lib/scn/Scene.hpp"

#include "lib/Randomizer.hpp"
#include "lib/scn/SceneManager.hpp"

namespace lib::scn
{

Scene::Scene(const std::string& name)
    : draw::RenderGroup(name)
{
}

Scene::~Scene() = default;

void Scene::onKeyPressed(sf::Event::KeyEvent) {}

void Scene::onKeyReleased(sf::Event::KeyEvent) {}

void Scene::onTextEntered(sf::Uint32) {}

void Scene::onFocusLost() {}

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
