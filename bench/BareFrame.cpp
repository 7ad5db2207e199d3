#include "bench/BareFrame.hpp"

#include "bexil/look/EffectsLayer.hpp"
#include "bexil/look/LaneWarnings.hpp"
#include "lib/scn/draw/NodeShape.hpp"
#include "lib/scn/draw/RenderGroup.hpp"
#include "lib/scn/draw/Renderizable.hpp"

#include <SFML/Graphics/RenderTarget.hpp>

#include <algorithm>

namespace bench
{

namespace
{

using lib::scn::draw::NodeShape;
using lib::scn::draw::RenderGroup;
using lib::scn::draw::Renderizable;
using lib::scn::draw::RenderizableType;

// SFML's own shape with the engine shape's points, colours, texture and transform: the same
// triangle fan and outline strip.
sf::ConvexShape shapeLike(const NodeShape& node)
{
    sf::ConvexShape shape(node.getPointCount());
    for (unsigned int i = 0; i < node.getPointCount(); ++i)
        shape.setPoint(i, node.getPoint(i));
    shape.setFillColor(node.getFillColor());
    shape.setOutlineColor(node.getOutlineColor());
    shape.setOutlineThickness(node.getOutlineThickness());
    if (node.getTexture() != nullptr)
    {
        shape.setTexture(node.getTexture());
        shape.setTextureRect(node.getTextureRect());
    }
    shape.setOrigin(node.getOrigin());
    shape.setPosition(node.getPosition());
    shape.setRotation(node.getRotation());
    shape.setScale(node.getScale());
    return shape;
}

sf::Uint8 mix(sf::Uint8 start, sf::Uint8 end, float progress)
{
    return static_cast<sf::Uint8>(static_cast<float>(start) +
                                  (static_cast<float>(end) - static_cast<float>(start)) * progress);
}

} // namespace

BareFrame::BareFrame(const RenderGroup& root)
{
    copy(root, sf::Transform::Identity);
}

void BareFrame::copy(const RenderGroup& group, const sf::Transform& parent)
{
    if (!group.isVisible())
        return;
    const sf::Transform transform = parent * group.getTransform();
    for (const auto& child : group.children())
    {
        std::vector<std::pair<const sf::Drawable*, sf::RenderStates>> parts;
        if (const auto* effects = dynamic_cast<const bexil::look::EffectsLayer*>(child.get()))
            effects->lastFrame(parts);
        else if (const auto* lanes = dynamic_cast<const bexil::look::LaneWarnings*>(child.get()))
            lanes->lastFrame(parts);
        if (!parts.empty())
        {
            copyParts(parts, transform);
            continue;
        }
        if (const auto* inner = dynamic_cast<const RenderGroup*>(child.get()))
        {
            copy(*inner, transform);
            continue;
        }
        const auto* leaf = dynamic_cast<const Renderizable*>(child.get());
        if (leaf == nullptr || !leaf->isVisible() || leaf->type() == RenderizableType::None)
            continue;
        const bool text = leaf->type() == RenderizableType::Text;
        Item item{text ? Kind::Text : Kind::Shape, 0, sf::RenderStates(transform), leaf};
        if (text)
        {
            item.index = m_texts.size();
            m_texts.push_back(*leaf->getAsText());
        }
        else
        {
            item.index = m_shapes.size();
            m_shapes.push_back(shapeLike(*leaf->getAsNodeShape()));
        }
        m_items.push_back(item);
    }
}

void BareFrame::copyParts(
    const std::vector<std::pair<const sf::Drawable*, sf::RenderStates>>& parts,
    const sf::Transform& transform)
{
    for (const auto& [drawable, states] : parts)
    {
        Item item{Kind::Vertices, m_arrays.size(), states, nullptr};
        item.states.transform = transform * states.transform;
        if (const auto* text = dynamic_cast<const sf::Text*>(drawable))
        {
            item.kind = Kind::Text;
            item.index = m_texts.size();
            m_texts.push_back(*text);
        }
        else
        {
            m_arrays.push_back(*dynamic_cast<const sf::VertexArray*>(drawable));
        }
        m_items.push_back(item);
    }
}

std::size_t BareFrame::findItem(const Renderizable* leaf) const
{
    const auto found = std::find_if(m_items.begin(), m_items.end(),
                                    [leaf](const Item& item) { return item.source == leaf; });
    return static_cast<std::size_t>(found - m_items.begin());
}

void BareFrame::addPositionTween(const Renderizable* leaf, const sf::Vector2f& start,
                                 const sf::Vector2f& end, int milliseconds)
{
    const std::size_t item = findItem(leaf);
    if (item < m_items.size())
        m_tweens.push_back({item, true, start, end, {}, {}, milliseconds});
}

void BareFrame::addColorTween(const Renderizable* leaf, const sf::Color& start,
                              const sf::Color& end, int milliseconds)
{
    const std::size_t item = findItem(leaf);
    if (item < m_items.size())
        m_tweens.push_back({item, false, {}, {}, start, end, milliseconds});
}

unsigned int BareFrame::draw(sf::RenderTarget& target, sf::Time tweenTime)
{
    const std::int32_t now = tweenTime.asMilliseconds();
    for (const Tween& tween : m_tweens)
    {
        const float progress =
            now >= tween.milliseconds ? 1.f : float(now) / float(tween.milliseconds);
        const Item& item = m_items[tween.item];
        sf::Transformable& object = item.kind == Kind::Text
                                        ? static_cast<sf::Transformable&>(m_texts[item.index])
                                        : static_cast<sf::Transformable&>(m_shapes[item.index]);
        if (tween.moves)
        {
            object.setPosition(tween.startPosition +
                               (tween.endPosition - tween.startPosition) * progress);
            continue;
        }
        const sf::Color color(mix(tween.startColor.r, tween.endColor.r, progress),
                              mix(tween.startColor.g, tween.endColor.g, progress),
                              mix(tween.startColor.b, tween.endColor.b, progress),
                              mix(tween.startColor.a, tween.endColor.a, progress));
        if (item.kind == Kind::Text)
            m_texts[item.index].setFillColor(color);
        else
            m_shapes[item.index].setFillColor(color);
    }

    unsigned int calls = 0;
    for (const Item& item : m_items)
    {
        if (item.kind == Kind::Text)
        {
            const sf::Text& text = m_texts[item.index];
            target.draw(text, item.states);
            if (text.getFont() != nullptr)
                calls += text.getOutlineThickness() != 0.f ? 2u : 1u;
        }
        else if (item.kind == Kind::Vertices)
        {
            target.draw(m_arrays[item.index], item.states);
            ++calls;
        }
        else
        {
            const sf::ConvexShape& shape = m_shapes[item.index];
            target.draw(shape, item.states);
            calls += shape.getOutlineThickness() != 0.f ? 2u : 1u;
        }
    }
    return calls;
}

} // namespace bench
