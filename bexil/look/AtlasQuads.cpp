#include "bexil/look/AtlasQuads.hpp"

namespace bexil::look
{

void AtlasQuads::append(sf::VertexArray& vertices, const sf::FloatRect& to,
                        const sf::FloatRect& from, const sf::Color& colour)
{
    const sf::Vector2f p[4] = {{to.left, to.top},
                               {to.left + to.width, to.top},
                               {to.left + to.width, to.top + to.height},
                               {to.left, to.top + to.height}};
    const sf::Vector2f t[4] = {{from.left, from.top},
                               {from.left + from.width, from.top},
                               {from.left + from.width, from.top + from.height},
                               {from.left, from.top + from.height}};
    for (const int i : {0, 1, 2, 0, 2, 3})
        vertices.append({p[i], colour, t[i]});
}

sf::FloatRect AtlasQuads::texels(const AtlasFrame& frame)
{
    return {static_cast<float>(frame.left), static_cast<float>(frame.top),
            static_cast<float>(frame.width), static_cast<float>(frame.height)};
}

} // namespace bexil::look
