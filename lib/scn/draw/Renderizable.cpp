#include "lib/scn/draw/Renderizable.hpp"

#include "lib/core/Window.hpp"
#include "lib/scn/draw/DrawBatch.hpp"
#include "lib/scn/draw/NodeShape.hpp"
#include "lib/scn/draw/TextGeometry.hpp"

#include <SFML/Graphics/Text.hpp>

#include <cassert>
#include <utility>

namespace lib::scn::draw
{

Renderizable::Renderizable(std::string name)
    : HasName(std::move(name))
{
}

Renderizable::Renderizable(std::string name, sf::Text* text)
    : HasName(std::move(name))
    , m_object(text)
    , m_textGeometry(text != nullptr ? std::make_unique<TextGeometry>() : nullptr)
    , m_transformable(text)
    , m_type(text != nullptr ? RenderizableType::Text : RenderizableType::None)
{
}

Renderizable::Renderizable(std::string name, NodeShape* shape)
    : HasName(std::move(name))
    , m_object(shape)
    , m_transformable(shape)
    , m_type(shape != nullptr ? RenderizableType::Shape : RenderizableType::None)
{
}

Renderizable::~Renderizable() = default;

unsigned int Renderizable::draw(lib::core::Window* window, sf::RenderStates& states)
{
    // A leaf without an object has nothing to draw and does not count as drawn.
    if (!isVisible() || !m_object)
        return 0;
    assert(window != nullptr);
    DrawBatch& batch = window->batch();
    if (m_type == RenderizableType::Text)
        batch.draw(*getAsText(), states, *m_textGeometry);
    else
        getAsNodeShape()->drawInto(batch, states);
    return 1;
}

sf::Text* Renderizable::getAsText() const
{
    return m_type == RenderizableType::Text ? static_cast<sf::Text*>(m_object.get()) : nullptr;
}

NodeShape* Renderizable::getAsNodeShape() const
{
    return m_type == RenderizableType::Shape ? static_cast<NodeShape*>(m_object.get()) : nullptr;
}

sf::FloatRect Renderizable::getLocalBounds() const
{
    switch (m_type)
    {
    case RenderizableType::Text:
        return getAsText()->getLocalBounds();
    case RenderizableType::Shape:
        return getAsNodeShape()->getLocalBounds();
    default:
        return {};
    }
}

void Renderizable::setColor(const sf::Color& color)
{
    switch (m_type)
    {
    case RenderizableType::Text:
        getAsText()->setFillColor(color);
        break;
    case RenderizableType::Shape:
        getAsNodeShape()->setFillColor(color);
        break;
    default:
        break;
    }
}

void Renderizable::setPositionWithAlignment(const sf::Vector2f& point, Alignment alignment)
{
    if (m_transformable == nullptr)
        return;
    // Left needs no bounds, and a text would otherwise rebuild its geometry to give them.
    if (alignment != Alignment::Center && alignment != Alignment::Right)
    {
        m_transformable->setPosition(point);
        return;
    }
    const sf::FloatRect bounds = getLocalBounds();
    const float share = alignment == Alignment::Center ? 0.5f : 1.f;
    m_transformable->setPosition(point.x - bounds.width * share, point.y - bounds.height * share);
}

void Renderizable::setPositionX(float x, Alignment alignment)
{
    if (m_transformable == nullptr)
        return;
    const float y = m_transformable->getPosition().y;
    if (alignment != Alignment::Center && alignment != Alignment::Right)
    {
        m_transformable->setPosition(x, y);
        return;
    }
    const float share = alignment == Alignment::Center ? 0.5f : 1.f;
    m_transformable->setPosition(x - getLocalBounds().width * share, y);
}

sf::Vector2f Renderizable::getPosition() const
{
    return m_transformable != nullptr ? m_transformable->getPosition() : sf::Vector2f();
}

} // namespace lib::scn::draw
