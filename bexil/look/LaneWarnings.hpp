#pragma once

#include "lib/scn/draw/RenderGroup.hpp"

#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/VertexArray.hpp>

#include <array>
#include <cstddef>
#include <utility>
#include <vector>

namespace sf
{
class Texture;
}

namespace bexil::look
{

// The modern looks' warning under the tokens: a lane that warns (rules::Lane: its next arrival
// pushes a token into the centre) glows red, pulsing. Drawn between the cells and the pieces,
// so that the tokens keep their own colours. The atlas is borrowed and must outlive the group.
// Frames allocate nothing.
class LaneWarnings : public lib::scn::draw::RenderGroup
{
public:
    static constexpr std::size_t LaneCount = 16;
    static constexpr float PulseSeconds = 0.8f;

    explicit LaneWarnings(const sf::Texture& atlas);

    // Lanes are counted zone by zone (left, top, right, bottom), each from its edge corner.
    void warn(std::size_t lane, const sf::FloatRect& area, bool warned);
    bool warned(std::size_t lane) const { return m_lanes[lane].warned; }

    // What the last frame drew (nothing, or one vertex array), as EffectsLayer::lastFrame.
    using DrawnParts = std::vector<std::pair<const sf::Drawable*, sf::RenderStates>>;
    void lastFrame(DrawnParts& parts) const;

    unsigned int draw(lib::core::Window* window, sf::RenderStates& states) override;

private:
    struct Lane
    {
        sf::FloatRect area;
        bool warned = false;
    };

    const sf::Texture& m_atlas;
    std::array<Lane, LaneCount> m_lanes;
    sf::VertexArray m_vertices;
};

} // namespace bexil::look
