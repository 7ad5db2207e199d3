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

std::uint32_t Scene::getRandomNumber(std::uint32_t max)
{
    return m_sceneManager->randomizer().getUInt(max);
}

} // namespace lib::scn
