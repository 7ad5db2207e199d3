#pragma once

#include "lib/scn/draw/RenderGroup.hpp"

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/VertexArray.hpp>
#include <SFML/System/Time.hpp>

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

// The modern looks' marks of the danger zone, drawn between the cells and the pieces so that the
// tokens keep their own colours: the centre square's outline, and a red pulsing glow under each
// lane that warns (rules::Lane: its next arrival pushes a token into the centre). The more lanes
// warn, the quicker and the stronger they pulse. The atlas is borrowed and must outlive the
// group. Frames allocate nothing.
class LaneWarnings : public lib::scn::draw::RenderGroup
{
public:
    static constexpr std::size_t LaneCount = 16;
    // One pulse of a single warning lane; with more lanes each pulse is shorter.
    static constexpr float PulseSeconds = 0.8f;
    // The outline's width on screen, in pixels at 768 pixels high, in proportion above that.
    static constexpr float OutlinePixels = 4.f;

    explicit LaneWarnings(const sf::Texture& atlas);

    // The outline's colour, opaque.
    static sf::Color outlineColour();
    // The centre square to outline, in the view.
    void outline(const sf::FloatRect& centre);
    // Lanes are counted zone by zone (left, top, right, bottom), each from its edge corner; the
    // inner cell is the lane's next to the centre square, whose token the next arrival pushes in.
    void warn(std::size_t lane, const sf::FloatRect& area, const sf::FloatRect& inner, bool warned);
    bool warned(std::size_t lane) const { return m_lanes[lane].warned; }

    // What the last frame drew (one vertex array), as EffectsLayer::lastFrame.
    using DrawnParts = std::vector<std::pair<const sf::Drawable*, sf::RenderStates>>;
    void lastFrame(DrawnParts& parts) const;

    unsigned int draw(lib::core::Window* window, sf::RenderStates& states) override;

private:
    struct Lane
    {
        sf::FloatRect area, inner;
        bool warned = false;
    };

    // The pulse goes on from where it was when the number of lanes changes its pace.
    float pulse(std::size_t warnedLanes);

    const sf::Texture& m_atlas;
    std::array<Lane, LaneCount> m_lanes;
    sf::FloatRect m_centre;
    sf::VertexArray m_vertices;
    float m_phase = 0.f;
    sf::Time m_lastFrame;
};

} // namespace bexil::look
