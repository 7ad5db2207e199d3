#pragma once

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/ConvexShape.hpp>
#include <SFML/Graphics/RenderStates.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/VertexArray.hpp>
#include <SFML/System/Time.hpp>
#include <SFML/System/Vector2.hpp>

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace sf
{
class RenderTarget;
}

namespace lib::scn::draw
{
class RenderGroup;
class Renderizable;
} // namespace lib::scn::draw

namespace bench
{

// The frame a render tree draws, redrawn by plain SFML as a game written without the engine
// would draw it: a flat list of SFML shapes and texts, each with its world transform, drawn
// in the tree's order with the same vertices and textures, each object in its own draw calls as
// SFML makes them (the engine gathers them into far fewer). Leaves that the engine
// animates get the same per-frame work here: a tween recomputed from the time and applied. The
// modern looks' effects and lane warnings are copied as the vertex arrays and texts they drew
// last (the frames measured stand still, so those do not change).
// Fonts and textures are borrowed from the tree's objects and must outlive the frame.
class BareFrame
{
public:
    // Copies every leaf that the tree would draw now. The tree is not kept.
    explicit BareFrame(const lib::scn::draw::RenderGroup& root);

    // The copy of that leaf moves from start to end (or changes colour) over the duration, as
    // the engine's position and colour animations do, with the same arithmetic. Leaves not in
    // the frame are ignored.
    void addPositionTween(const lib::scn::draw::Renderizable* leaf, const sf::Vector2f& start,
                          const sf::Vector2f& end, int milliseconds);
    void addColorTween(const lib::scn::draw::Renderizable* leaf, const sf::Color& start,
                       const sf::Color& end, int milliseconds);

    // Sets the tweens to the time since they started and draws the frame; returns the draw
    // calls handed to SFML.
    unsigned int draw(sf::RenderTarget& target, sf::Time tweenTime);

    std::size_t itemCount() const { return m_items.size(); }

private:
    enum class Kind
    {
        Text,
        Shape,
        Vertices
    };
    struct Item
    {
        Kind kind;
        std::size_t index; // into m_texts, m_shapes or m_arrays
        sf::RenderStates states;
        const lib::scn::draw::Renderizable* source;
    };
    struct Tween
    {
        std::size_t item;
        bool moves; // position when true, colour otherwise
        sf::Vector2f startPosition, endPosition;
        sf::Color startColor, endColor;
        std::int32_t milliseconds;
    };

    void copy(const lib::scn::draw::RenderGroup& group, const sf::Transform& parent);
    // The parts a group drew itself, as EffectsLayer::lastFrame gives them.
    void copyParts(const std::vector<std::pair<const sf::Drawable*, sf::RenderStates>>& parts,
                   const sf::Transform& transform);
    std::size_t findItem(const lib::scn::draw::Renderizable* leaf) const;

    std::vector<sf::Text> m_texts;
    std::vector<sf::ConvexShape> m_shapes;
    std::vector<sf::VertexArray> m_arrays;
    std::vector<Item> m_items;
    std::vector<Tween> m_tweens;
};

} // namespace bench
