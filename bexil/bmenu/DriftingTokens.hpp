#pragma once

#include "lib/scn/draw/RenderGroup.hpp"

#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/VertexArray.hpp>

namespace sf
{
class Texture;
}

namespace bexil::bmenu
{

// Tokens drifting slowly up over the menu's background, swaying a little, each at a depth of its
// own: the further, the smaller, dimmer and slower, and drawn first. Where each is depends on the
// time alone (lib::Clock), so a moment always looks the same; they are drawn from the modern
// looks' atlas as one vertex array made once, so frames allocate nothing. The atlas is borrowed
// and must outlive the group; without one (an empty texture) nothing is drawn.
class DriftingTokens : public lib::scn::draw::RenderGroup
{
public:
    static constexpr std::size_t Count = 28;

    explicit DriftingTokens(const sf::Texture& atlas);

    // The part of the view the tokens drift across, bottom to top.
    void setArea(const sf::FloatRect& area) { m_area = area; }
    // The box of token i at the current time (i below Count).
    sf::FloatRect tokenBox(std::size_t i) const;

    unsigned int draw(lib::core::Window* window, sf::RenderStates& states) override;

private:
    const sf::Texture& m_atlas;
    sf::VertexArray m_vertices;
    sf::FloatRect m_area;
};

} // namespace bexil::bmenu
