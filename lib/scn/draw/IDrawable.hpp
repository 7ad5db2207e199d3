#pragma once

#include <SFML/Graphics/RenderStates.hpp>

namespace lib::core
{
class Window;
}

namespace lib::scn::draw
{

// What a group draws without knowing its kind: a leaf or another group.
class IDrawable
{
public:
    virtual ~IDrawable() = default;

    // Draws into the window with the given states (the same object all the way down the
    // tree; a group restores it before returning). Returns the number of leaves drawn.
    virtual unsigned int draw(lib::core::Window* window, sf::RenderStates& states) = 0;

    bool isVisible() const { return m_visible; }
    void setVisible(bool visible) { m_visible = visible; }

private:
    bool m_visible = true;
};

} // namespace lib::scn::draw
