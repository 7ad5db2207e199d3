#include "lib/scn/draw/DrawBatch.hpp"

#include "lib/scn/draw/TextGeometry.hpp"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/VertexArray.hpp>

#include <cassert>

namespace lib::scn::draw
{

namespace
{

// Room for a busy frame of the modern looks from the first frame on.
constexpr std::size_t FirstRoom = 16384;

} // namespace

DrawBatch::DrawBatch(sf::RenderTarget& target)
    : m_target(target)
{
    m_vertices.reserve(FirstRoom);
}

void DrawBatch::endWalk()
{
    assert(m_walks > 0);
    if (--m_walks == 0)
        flush();
}

void DrawBatch::draw(const sf::Vertex* vertices, std::size_t count, sf::PrimitiveType type,
                     const sf::RenderStates& states)
{
    // SFML draws nothing of an empty array either.
    if (count == 0)
        return;
    if (type != sf::Triangles && type != sf::TriangleStrip && type != sf::TriangleFan)
    {
        drawNow(vertices, count, type, states);
        return;
    }
    joinStates(states);
    // The transform applied as sf::Transform::transformPoint does; each vertex is moved once.
    const float* m = states.transform.getMatrix();
    const auto moved = [m](const sf::Vertex& v)
    {
        // A copy, then the new place: SFML's constructors are not inline.
        sf::Vertex out = v;
        out.position = {m[0] * v.position.x + m[4] * v.position.y + m[12],
                        m[1] * v.position.x + m[5] * v.position.y + m[13]};
        return out;
    };
    if (type == sf::Triangles)
    {
        // As in OpenGL, vertices short of a whole triangle are left out.
        for (std::size_t i = 0; i + 2 < count; i += 3)
            for (std::size_t j = i; j < i + 3; ++j)
                m_vertices.push_back(moved(vertices[j]));
    }
    else if (count >= 3)
    {
        // The same triangles as the strip or the fan: each new vertex with the two before it,
        // or with the fan's first and the one before it.
        sf::Vertex first = moved(vertices[0]);
        sf::Vertex previous = moved(vertices[1]);
        for (std::size_t i = 2; i < count; ++i)
        {
            const sf::Vertex next = moved(vertices[i]);
            m_vertices.push_back(first);
            m_vertices.push_back(previous);
            m_vertices.push_back(next);
            if (type == sf::TriangleStrip)
                first = previous;
            previous = next;
        }
    }
    flushOutsideWalks();
}

void DrawBatch::draw(const sf::VertexArray& vertices, const sf::RenderStates& states)
{
    if (vertices.getVertexCount() > 0)
        draw(&vertices[0], vertices.getVertexCount(), vertices.getPrimitiveType(), states);
}

void DrawBatch::draw(const sf::Text& text, const sf::RenderStates& states, TextGeometry& geometry)
{
    const sf::Font* font = text.getFont();
    if (font == nullptr)
        return;
    if (!TextGeometry::canLayOut(text))
    {
        flush();
        m_target.draw(text, states);
        m_drawCalls += text.getOutlineThickness() != 0.f ? 2u : 1u;
        return;
    }
    const std::vector<sf::Vertex>& quads = geometry.of(text);
    if (quads.empty())
        return;
    sf::RenderStates local = states;
    local.transform *= text.getTransform();
    // After the layout, which may have made the page of this size.
    local.texture = &font->getTexture(text.getCharacterSize());
    draw(quads.data(), quads.size(), sf::Triangles, local);
}

void DrawBatch::drawNow(const sf::Drawable& drawable, const sf::RenderStates& states)
{
    flush();
    m_target.draw(drawable, states);
    ++m_drawCalls;
}

void DrawBatch::drawNow(const sf::Vertex* vertices, std::size_t count, sf::PrimitiveType type,
                        const sf::RenderStates& states)
{
    flush();
    m_target.draw(vertices, count, type, states);
    ++m_drawCalls;
}

void DrawBatch::flush()
{
    if (m_vertices.empty())
        return;
    const sf::RenderStates states(m_blendMode, sf::Transform::Identity, m_texture, m_shader);
    m_target.draw(m_vertices.data(), m_vertices.size(), sf::Triangles, states);
    ++m_drawCalls;
    if (m_record != nullptr)
        m_record->push_back({m_vertices, states});
    m_vertices.clear();
}

void DrawBatch::joinStates(const sf::RenderStates& states)
{
    if (states.texture != m_texture || states.blendMode != m_blendMode || states.shader != m_shader)
        flush();
    m_texture = states.texture;
    m_blendMode = states.blendMode;
    m_shader = states.shader;
}

void DrawBatch::flushOutsideWalks()
{
    if (m_walks == 0)
        flush();
}

} // namespace lib::scn::draw
