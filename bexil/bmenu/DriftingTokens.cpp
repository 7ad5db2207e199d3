#include "bexil/bmenu/DriftingTokens.hpp"

#include "bexil/look/AtlasQuads.hpp"
#include "bexil/look/LookAtlas.hpp"
#include "lib/Clock.hpp"
#include "lib/core/Window.hpp"
#include "lib/scn/draw/DrawBatch.hpp"

#include <SFML/Graphics/Texture.hpp>

#include <cmath>
#include <cstdint>

namespace bexil::bmenu
{

namespace
{

constexpr float TwoPi = 6.2831853f;

// A fixed scatter in [0, 1) for token i and a purpose: the same on every run.
float scatter(std::size_t i, std::uint32_t purpose)
{
    std::uint32_t h = static_cast<std::uint32_t>(i) * 2654435761u + purpose * 40503u + 12345u;
    h ^= h >> 15;
    h *= 2246822519u;
    h ^= h >> 13;
    return static_cast<float>(h & 0xffffu) / 65536.f;
}

// How near token i is, from 0 (the furthest) to 1.
float depthOf(std::size_t i)
{
    return static_cast<float>(i) / static_cast<float>(DriftingTokens::Count - 1);
}

} // namespace

DriftingTokens::DriftingTokens(const sf::Texture& atlas)
    : RenderGroup("driftingTokens")
    , m_atlas(atlas)
    , m_vertices(sf::Triangles, Count * 6)
{
    m_vertices.clear();
}

sf::FloatRect DriftingTokens::tokenBox(std::size_t i) const
{
    const float depth = depthOf(i);
    const float size = 70.f + 120.f * depth;
    const float speed = 18.f + 42.f * depth; // view units a second
    const float seconds = lib::Clock::now().asSeconds();
    // Up from just below the area to just above it, then round again.
    const float run = m_area.height + 2.f * size;
    const float travelled = std::fmod(seconds * speed + scatter(i, 1) * run, run);
    const float sway =
        40.f * std::sin(TwoPi * (seconds / (7.f + 5.f * scatter(i, 2)) + scatter(i, 3)));
    const float x = m_area.left + scatter(i, 4) * m_area.width + sway;
    const float y = m_area.top + m_area.height + size - travelled;
    return {x - size * 0.5f, y - size * 0.5f, size, size};
}

unsigned int DriftingTokens::draw(lib::core::Window* window, sf::RenderStates& states)
{
    if (!isVisible() || m_atlas.getSize().x == 0)
        return 0;
    m_vertices.clear();
    for (std::size_t i = 0; i < Count; ++i)
    {
        const sf::FloatRect box = tokenBox(i);
        const look::AtlasFrame f = look::LookAtlas::token(static_cast<int>(i % 5));
        const auto alpha = static_cast<sf::Uint8>(90.f + 150.f * depthOf(i));
        look::AtlasQuads::append(m_vertices, box, look::AtlasQuads::texels(f),
                                 sf::Color(255, 255, 255, alpha));
    }
    sf::RenderStates local = states;
    local.texture = &m_atlas;
    window->batch().draw(m_vertices, local);
    return 1;
}

} // namespace bexil::bmenu
