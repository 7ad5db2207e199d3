#include "lib/scn/draw/RenderGroup.hpp"

#include "lib/core/Window.hpp"
#include "lib/scn/draw/DrawBatch.hpp"
#include "lib/scn/draw/NodeShape.hpp"
#include "lib/scn/draw/Renderizable.hpp"

#include <SFML/Graphics/Text.hpp>

#include <algorithm>
#include <cassert>
#include <utility>

namespace lib::scn::draw
{

RenderGroup::RenderGroup(std::string name)
    : HasName(std::move(name))
{
}

RenderGroup::~RenderGroup() = default;

unsigned int RenderGroup::draw(lib::core::Window* window, sf::RenderStates& states)
{
    if (!isVisible())
        return 0;

    // Before the children: a finish hook may change this group's children safely here.
    updateAnimations();

    // The leaves' vertices gather in the window's batch; the outermost walk's end draws them.
    assert(window != nullptr);
    DrawBatch& batch = window->batch();
    batch.beginWalk();
    const sf::Transform saved = states.transform;
    states.transform *= getTransform();
    unsigned int drawn = 0;
    // By index, and each child held for its call: a child's own hooks may change an
    // ancestor's list without invalidating this walk or freeing the child being drawn.
    for (std::size_t i = 0; i < m_children.size(); ++i)
    {
        const std::shared_ptr<IDrawable> child = m_children[i];
        drawn += child->draw(window, states);
    }
    states.transform = saved;
    batch.endWalk();
    return drawn;
}

std::shared_ptr<Renderizable> RenderGroup::createText(const std::string& name)
{
    return addRenderizable(std::make_shared<Renderizable>(name, new sf::Text()));
}

std::shared_ptr<Renderizable> RenderGroup::createShape(const std::string& name,
                                                       const sf::Vector2f& size)
{
    return addRenderizable(
        std::make_shared<Renderizable>(name, new NodeShape(size, 30, NodeShapeType::Ellipse)));
}

std::shared_ptr<Renderizable> RenderGroup::createSpriteShape(const std::string& name,
                                                             const sf::Vector2f& size)
{
    return addRenderizable(
        std::make_shared<Renderizable>(name, new NodeShape(size, 4, NodeShapeType::Rectangle)));
}

const std::shared_ptr<Renderizable>&
RenderGroup::addRenderizable(const std::shared_ptr<Renderizable>& leaf)
{
    assert(leaf != nullptr);
    m_children.push_back(leaf);
    return leaf;
}

bool RenderGroup::removeRenderizable(const std::shared_ptr<IDrawable>& node)
{
    const auto found = std::find(m_children.begin(), m_children.end(), node);
    if (found == m_children.end())
        return false;
    m_children.erase(found);
    return true;
}

void RenderGroup::removeAllChildren()
{
    m_children.clear();
}

std::shared_ptr<RenderGroup>
RenderGroup::createNewRenderGroup(const std::string& name,
                                  const std::shared_ptr<IDrawable>& positionNode)
{
    auto group = std::make_shared<RenderGroup>(name);
    addRenderGroup(group, positionNode);
    return group;
}

void RenderGroup::addRenderGroup(const std::shared_ptr<RenderGroup>& group,
                                 const std::shared_ptr<IDrawable>& positionNode)
{
    assert(group != nullptr && group.get() != this);
    // A position node that is not a child of this group places the group last, as none does.
    auto position = m_children.end();
    if (positionNode != nullptr)
        position = std::find(m_children.begin(), m_children.end(), positionNode);
    m_children.insert(position, group);
}

} // namespace lib::scn::draw
