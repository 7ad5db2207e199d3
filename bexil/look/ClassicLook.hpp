#pragma once

#include "bexil/look/ILook.hpp"

namespace bexil::look
{

// The game as it was always drawn: flat ellipses and a flat triangle in the pieces' colours,
// flat cells in the level's colours with a white dot on each, blue labels, and a small square
// flying from each consumed token to the score. It needs no pictures.
class ClassicLook : public ILook
{
public:
    void begin(const Nodes& nodes) override;
    void end() override;

    void dress(Tile& token) const override;
    void dress(Player& player) const override;
    void dressCell(lib::scn::draw::Renderizable& cell, const sf::Color& levelColour,
                   bool centre) const override;
    void decorateCell(lib::scn::draw::RenderGroup& cells, const sf::FloatRect& cell) const override;
    sf::Color labelColour() const override;

    void tokenConsumed(const rules::GameData& data, const sf::Vector2u& cell, std::int32_t colour,
                       std::uint32_t points, std::uint32_t inARow) override;

private:
    // Where the score dots fly, in the scene's animations; set by begin.
    lib::scn::draw::RenderGroup* m_scene = nullptr;
};

} // namespace bexil::look
