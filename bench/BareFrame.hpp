#pragma once

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/ConvexShape.hpp>
#include <SFML/Graphics/RenderStates.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/System/Time.hpp>
#include <SFML/System/Vector2.hpp>

#include <cstddef>
#include <cstdint>
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
// in the tree's order with the same vertices, textures and draw calls. Leaves that the engine
// animates get the same per-frame work here: a tween recomputed from the time and applied.
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
    struct Item
    {
        bool isText;
        std::size_t index; // into m_texts or m_shapes
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
    std::size_t findItem(const lib::scn::draw::Renderizable* leaf) const;

    std::vector<sf::Text> m_texts;
    std::vector<sf::ConvexShape> m_shapes;
    std::vector<Item> m_items;
    std::vector<Tween> m_tweens;
};

} // namespace bench
