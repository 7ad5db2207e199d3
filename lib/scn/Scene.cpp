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

std::uint32_t Scene::getRandomNumber(std::uint32_t max)
{
    return m_sceneManager->randomizer().getUInt(max);
}

} // namespace lib::scn
