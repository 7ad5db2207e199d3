#pragma once

#include "lib/scn/draw/RenderGroup.hpp"

#include <SFML/System/Vector2.hpp>

namespace lib::scn
{
class ResourceManager;
}

namespace bexil::bmenu
{

// A glimpse of a look for the options page: three cells of the first level, two with a token
// and the one of the centre square with the player's piece, drawn as that look draws a game.
// The group's origin is the top left of the first cell. The resources must outlive the group.
class LookPreview : public lib::scn::draw::RenderGroup
{
public:
    // Cells of that size, side by side with a small gap.
    LookPreview(const lib::scn::ResourceManager& resources, const sf::Vector2f& cellSize);
    ~LookPreview() override;

    // Draws the pieces again in the look of that "Look" value (any number: as a game would).
    void show(int look);
    int shown() const { return m_shown; }
    // The whole preview's size.
    sf::Vector2f size() const;

private:
    const lib::scn::ResourceManager& m_resources;
    sf::Vector2f m_cellSize;
    int m_shown = -1;
};

} // namespace bexil::bmenu
