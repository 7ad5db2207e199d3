#pragma once

#include "lib/core/HasName.hpp"
#include "lib/scn/draw/IDrawable.hpp"
#include "lib/scn/draw/anim/AnimationManager.hpp"

#include <SFML/Graphics/Transformable.hpp>
#include <SFML/System/Vector2.hpp>

#include <memory>
#include <string>
#include <vector>

namespace lib::scn::draw
{

class Renderizable;

// An inner node of the render tree: an ordered list of children drawn first to last (later
// ones on top), a transform applied to all of them, and the animations it steps when drawn.
// Children are shared with whoever else holds them.
class RenderGroup : public lib::core::HasName,
                    public IDrawable,
                    public anim::AnimationManager,
                    public sf::Transformable
{
public:
    explicit RenderGroup(std::string name);
    ~RenderGroup() override;

    // Hidden: 0, nothing stepped or drawn. Otherwise steps the animations, then draws the
    // children under this group's transform; states.transform is restored before returning.
    unsigned int draw(lib::core::Window* window, sf::RenderStates& states) override;

    // A leaf with an empty text (no font yet), appended.
    std::shared_ptr<Renderizable> createText(const std::string& name);
    // A leaf with a 30-point ellipse of that size, appended.
    std::shared_ptr<Renderizable> createShape(const std::string& name, const sf::Vector2f& size);
    // A leaf with a 4-point rectangle of that size (images), appended.
    std::shared_ptr<Renderizable> createSpriteShape(const std::string& name,
                                                    const sf::Vector2f& size);
    const std::shared_ptr<Renderizable>& addRenderizable(const std::shared_ptr<Renderizable>& leaf);
    // Removes the first child that is this very node (leaf or group); false when none is.
    bool removeRenderizable(const std::shared_ptr<IDrawable>& node);
    // Removes every child.
    void removeAllChildren();
    // A new group, inserted before positionNode (or appended).
    std::shared_ptr<RenderGroup>
    createNewRenderGroup(const std::string& name,
                         const std::shared_ptr<IDrawable>& positionNode = nullptr);
    // Inserts the group just before positionNode when that is a child, else appends it.
    void addRenderGroup(const std::shared_ptr<RenderGroup>& group,
                        const std::shared_ptr<IDrawable>& positionNode = nullptr);

    const std::vector<std::shared_ptr<IDrawable>>& children() const { return m_children; }

private:
    std::vector<std::shared_ptr<IDrawable>> m_children;
};

} // namespace lib::scn::draw
