#pragma once

#include "bexil/look/LookAtlas.hpp"

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/VertexArray.hpp>

namespace bexil::look
{

// The modern looks' layers draw every picture as textured quads from the atlas into one vertex
// array per layer, so a layer is one draw call.
class AtlasQuads
{
public:
    // Two triangles covering `to` on screen with the atlas texels of `from`, tinted by `colour`.
    static void append(sf::VertexArray& vertices, const sf::FloatRect& to,
                       const sf::FloatRect& from, const sf::Color& colour);
    static sf::FloatRect texels(const AtlasFrame& frame);
};

} // namespace bexil::look
