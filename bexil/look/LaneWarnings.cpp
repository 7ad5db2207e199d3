#include "bexil/look/LaneWarnings.hpp"

#include "bexil/look/AtlasQuads.hpp"
#include "bexil/look/LookAtlas.hpp"
#include "lib/Clock.hpp"
#include "lib/core/Window.hpp"
#include "lib/scn/draw/DrawBatch.hpp"

#include <algorithm>
#include <cmath>

namespace bexil::look
{

namespace
{

// The glow over a long area, even along it: the picture's two halves cap the ends, its middle
// stretches between them.
void stretchedGlow(sf::VertexArray& vertices, const sf::FloatRect& a, const sf::Color& colour)
{
    const sf::FloatRect f = AtlasQuads::texels(LookAtlas::glow());
    if (a.width >= a.height)
    {
        const float cap = a.height * 0.5f, mu = f.left + f.width * 0.5f;
        AtlasQuads::append(vertices, {a.left, a.top, cap, a.height},
                           {f.left, f.top, f.width * 0.5f, f.height}, colour);
        AtlasQuads::append(vertices, {a.left + cap, a.top, a.width - 2.f * cap, a.height},
                           {mu, f.top, 0.f, f.height}, colour);
        AtlasQuads::append(vertices, {a.left + a.width - cap, a.top, cap, a.height},
                           {mu, f.top, f.width * 0.5f, f.height}, colour);
    }
    else
    {
        const float cap = a.width * 0.5f, mv = f.top + f.height * 0.5f;
        AtlasQuads::append(vertices, {a.left, a.top, a.width, cap},
                           {f.left, f.top, f.width, f.height * 0.5f}, colour);
        AtlasQuads::append(vertices, {a.left, a.top + cap, a.width, a.height - 2.f * cap},
                           {f.left, mv, f.width, 0.f}, colour);
        AtlasQuads::append(vertices, {a.left, a.top + a.height - cap, a.width, cap},
                           {f.left, mv, f.width, f.height * 0.5f}, colour);
    }
}

sf::FloatRect grown(const sf::FloatRect& r, float by)
{
    return {r.left - r.width * by, r.top - r.height * by, r.width * (1.f + 2.f * by),
            r.height * (1.f + 2.f * by)};
}

} // namespace

LaneWarnings::LaneWarnings(const sf::Texture& atlas)
    : RenderGroup("laneWarnings")
    , m_atlas(atlas)
    , m_vertices(sf::Triangles, (4 * LaneCount + 4) * 6)
{
    m_vertices.clear();
}

sf::Color LaneWarnings::outlineColour()
{
    // A pale gold, light against every cell and of no token's hue.
    return {255, 222, 140};
}

void LaneWarnings::outline(const sf::FloatRect& centre)
{
    m_centre = centre;
}

void LaneWarnings::warn(std::size_t lane, const sf::FloatRect& area, const sf::FloatRect& inner,
                        bool warned)
{
    m_lanes[lane] = {area, inner, warned};
}

void LaneWarnings::lastFrame(DrawnParts& parts) const
{
    if (m_vertices.getVertexCount() == 0)
        return;
    sf::RenderStates states;
    states.texture = &m_atlas;
    parts.emplace_back(&m_vertices, states);
}

float LaneWarnings::pulse(std::size_t warnedLanes)
{
    const sf::Time now = lib::Clock::now();
    // A long pause between frames (a paused game) does not jump the pulse.
    const float elapsed = std::min((now - m_lastFrame).asSeconds(), 0.1f);
    m_lastFrame = now;
    const float seconds = PulseSeconds / (1.f + 0.6f * static_cast<float>(warnedLanes - 1));
    m_phase = std::fmod(m_phase + std::max(elapsed, 0.f) / seconds, 1.f);
    return 0.5f - 0.5f * std::cos(m_phase * 6.2831853f);
}

unsigned int LaneWarnings::draw(lib::core::Window* window, sf::RenderStates& states)
{
    if (!isVisible())
        return 0;
    m_vertices.clear();
    const std::size_t warnedLanes = static_cast<std::size_t>(std::count_if(
        m_lanes.begin(), m_lanes.end(), [](const Lane& lane) { return lane.warned; }));
    if (warnedLanes > 0)
    {
        // From orange to deep red and from a glow to a blaze as more lanes warn.
        const float urgency = std::min(1.f, static_cast<float>(warnedLanes - 1) / 3.f);
        const float p = pulse(warnedLanes);
        const auto green = static_cast<sf::Uint8>(110.f - 80.f * urgency);
        const sf::Color lane(
            255, green, 30,
            static_cast<sf::Uint8>(40.f + 35.f * urgency + (150.f - 35.f * urgency) * p));
        // Brightest at the token the next arrival pushes in.
        const sf::Color inner(255, green, 30, static_cast<sf::Uint8>(60.f + 195.f * p));
        for (const Lane& warning : m_lanes)
            if (warning.warned)
            {
                stretchedGlow(m_vertices, warning.area, lane);
                AtlasQuads::append(m_vertices, grown(warning.inner, 0.35f),
                                   AtlasQuads::texels(LookAtlas::glow()), inner);
            }
    }
    if (m_centre.width > 0.f)
    {
        const sf::Vector2f view = window->getView().getSize();
        const sf::Vector2u size = window->getSize();
        const float pixels =
            std::round(OutlinePixels * std::max(1.f, static_cast<float>(size.y) / 768.f));
        const float w = pixels * view.x / static_cast<float>(size.x),
                    h = pixels * view.y / static_cast<float>(size.y);
        const sf::FloatRect& c = m_centre;
        const sf::FloatRect white = AtlasQuads::texels(LookAtlas::white());
        const sf::Color colour = outlineColour();
        AtlasQuads::append(m_vertices, {c.left - w * 0.5f, c.top - h * 0.5f, c.width + w, h}, white,
                           colour);
        AtlasQuads::append(m_vertices,
                           {c.left - w * 0.5f, c.top + c.height - h * 0.5f, c.width + w, h}, white,
                           colour);
        AtlasQuads::append(m_vertices, {c.left - w * 0.5f, c.top + h * 0.5f, w, c.height - h},
                           white, colour);
        AtlasQuads::append(m_vertices,
                           {c.left + c.width - w * 0.5f, c.top + h * 0.5f, w, c.height - h}, white,
                           colour);
    }
    if (m_vertices.getVertexCount() == 0)
        return 0;
    sf::RenderStates local = states;
    local.texture = &m_atlas;
    window->batch().draw(m_vertices, local);
    return 1;
}

} // namespace bexil::look
