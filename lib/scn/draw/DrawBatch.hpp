#pragma once

#include <SFML/Graphics/BlendMode.hpp>
#include <SFML/Graphics/PrimitiveType.hpp>
#include <SFML/Graphics/RenderStates.hpp>
#include <SFML/Graphics/Vertex.hpp>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace sf
{
class Drawable;
class RenderTarget;
class Text;
class VertexArray;
} // namespace sf

namespace lib::scn::draw
{

class TextGeometry;

// How the render tree hands its leaves to SFML. Consecutive draws that share a texture, a blend
// mode and a shader are gathered here, their vertices moved by their transforms, and go to the
// target as one array of triangles: when a draw with other states comes, when something must be
// drawn by SFML itself, and when the outermost walk of a tree ends. So the picture and its order
// are the tree's, in far fewer draw calls. A draw outside any walk goes to the target at once.
// Textures and shaders of gathered vertices must live until they are drawn (the end of the walk
// at the latest). The buffer keeps its room, so frames allocate nothing once it has grown to the
// largest batch.
class DrawBatch
{
public:
    explicit DrawBatch(sf::RenderTarget& target);

    // A group's walk begins or ends; the end of the outermost draws what is gathered.
    void beginWalk() { ++m_walks; }
    void endWalk();

    // Triangles, strips and fans are gathered; points, lines and quads are drawn at once.
    void draw(const sf::Vertex* vertices, std::size_t count, sf::PrimitiveType type,
              const sf::RenderStates& states);
    void draw(const sf::VertexArray& vertices, const sf::RenderStates& states);
    // The text's glyphs as SFML draws them (its outline under its fill), laid out by the geometry
    // kept for it; a text that only SFML can draw goes to the target at once.
    void draw(const sf::Text& text, const sf::RenderStates& states, TextGeometry& geometry);
    // What is gathered, then the drawable, drawn by SFML itself (one draw call as counted here).
    void drawNow(const sf::Drawable& drawable, const sf::RenderStates& states);
    void drawNow(const sf::Vertex* vertices, std::size_t count, sf::PrimitiveType type,
                 const sf::RenderStates& states);

    // Draws what is gathered as one vertex array.
    void flush();

    // The draw calls handed to the target since the last reset: one per array, one per text or
    // drawable drawn at once (two for an outlined text). Counted for the benchmarks.
    std::uint64_t drawCalls() const { return m_drawCalls; }
    void resetDrawCalls() { m_drawCalls = 0; }

    // An array as the batch drew it: for the benchmarks, which draw a frame's arrays again.
    struct Drawn
    {
        std::vector<sf::Vertex> vertices;
        sf::RenderStates states;
    };
    // From now on each array drawn is also copied there (null: no longer).
    void recordInto(std::vector<Drawn>* record) { m_record = record; }

private:
    // Makes way for vertices drawn with these states: flushes when they differ from the
    // gathered ones.
    void joinStates(const sf::RenderStates& states);
    // Draws at once when no walk is on.
    void flushOutsideWalks();

    sf::RenderTarget& m_target;
    std::vector<sf::Vertex> m_vertices;
    sf::BlendMode m_blendMode;
    const sf::Texture* m_texture = nullptr;
    const sf::Shader* m_shader = nullptr;
    unsigned int m_walks = 0;
    std::uint64_t m_drawCalls = 0;
    std::vector<Drawn>* m_record = nullptr;
};

} // namespace lib::scn::draw
