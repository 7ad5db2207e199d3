#include "bexil/look/LaneWarnings.hpp"

#include "bexil/look/LookAtlas.hpp"
#include "lib/Clock.hpp"
#include "lib/core/Window.hpp"
#include "lib/scn/draw/DrawBatch.hpp"

#include <cmath>

namespace bexil::look
{

LaneWarnings::LaneWarnings(const sf::Texture& atlas)
    : RenderGroup("laneWarnings")
    , m_atlas(atlas)
    , m_vertices(sf::Triangles, LaneCount * 6)
{
    m_vertices.clear();
}

void LaneWarnings::warn(std::size_t lane, const sf::FloatRect& area, bool warned)
{
    m_lanes[lane] = {area, warned};
}

void LaneWarnings::lastFrame(DrawnParts& parts) const
{
    if (m_vertices.getVertexCount() == 0)
        return;
    sf::RenderStates states;
    states.texture = &m_atlas;
    parts.emplace_back(&m_vertices, states);
}

unsigned int LaneWarnings::draw(lib::core::Window* window, sf::RenderStates& states)
{
    if (!isVisible())
        return 0;
    m_vertices.clear();
    const float phase = lib::Clock::now().asSeconds() / PulseSeconds * 6.2831853f;
    const sf::Color colour(255, 60, 30, static_cast<sf::Uint8>(150.f + 80.f * std::sin(phase)));
    const AtlasFrame f = LookAtlas::glow();
    const sf::Vector2f t[4] = {
        {static_cast<float>(f.left), static_cast<float>(f.top)},
        {static_cast<float>(f.left + f.width), static_cast<float>(f.top)},
        {static_cast<float>(f.left + f.width), static_cast<float>(f.top + f.height)},
        {static_cast<float>(f.left), static_cast<float>(f.top + f.height)}};
    for (const Lane& lane : m_lanes)
    {
        if (!lane.warned)
            continue;
        const sf::FloatRect& a = lane.area;
        const sf::Vector2f p[4] = {{a.left, a.top},
                                   {a.left + a.width, a.top},
                                   {a.left + a.width, a.top + a.height},
                                   {a.left, a.top + a.height}};
        for (const int i : {0, 1, 2, 0, 2, 3})
            m_vertices.append({p[i], colour, t[i]});
    }
    if (m_vertices.getVertexCount() == 0)
        return 0;
    sf::RenderStates local = states;
    local.texture = &m_atlas;
    window->batch().draw(m_vertices, local);
    return 1;
}

} // namespace bexil::look
