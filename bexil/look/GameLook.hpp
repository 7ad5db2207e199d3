#pragma once

#include "bexil/look/Look.hpp"
#include "bexil/look/PieceSkin.hpp"

#include <SFML/Graphics/Color.hpp>
#include <SFML/System/Vector2.hpp>

#include <cstdint>
#include <memory>

namespace sf
{
class Font;
class Texture;
} // namespace sf

namespace lib::board
{
class BoardModel;
}

namespace lib::scn::draw
{
class RenderGroup;
}

namespace bexil::rules
{
class GameData;
}

namespace bexil::look
{

class EffectsLayer;
class LaneWarnings;

// How the game scene's game is drawn, apart from its rules: the look's skin for the pieces and
// cells, and in the modern looks the effects over the board and the lane warnings under the
// pieces. The scene tells it what happens; in the classic look that changes nothing. The atlas
// and the font are the scene manager's resources and must outlive this object; without the
// atlas only the classic look can be drawn.
class GameLook
{
public:
    GameLook(const sf::Texture* atlas, const sf::Font& font);
    ~GameLook();

    // A game begins in that look. The modern looks put their effects into the scene just
    // before overBoard (the first group drawn over the board) and their lane warnings first into
    // the board, under the pieces; the score panels fit the texts of the two groups, which must
    // outlive the game. The window's size keeps the player's arrow in shape when it turns.
    void begin(Look look, lib::scn::draw::RenderGroup& scene, lib::scn::draw::RenderGroup& board,
               const std::shared_ptr<lib::scn::draw::RenderGroup>& overBoard,
               const lib::scn::draw::RenderGroup& leftTexts,
               const lib::scn::draw::RenderGroup& rightTexts, sf::Vector2u windowSize);
    void end(lib::scn::draw::RenderGroup& scene);

    const PieceSkin& skin() const { return m_skin; }
    bool isModern() const { return m_skin.isModern(); }
    // The score texts' labels: blue, lighter on the modern looks' dark panels.
    sf::Color labelColour() const;

    // What happens in a game, for the feedback of the modern looks.
    void tokenConsumed(const rules::GameData& data, const sf::Vector2u& cell, std::int32_t colour,
                       std::uint32_t points, std::uint32_t inARow);
    void piecesSwapped(const rules::GameData& data, const sf::Vector2u& player,
                       const sf::Vector2u& token);
    void levelBegan(std::uint32_t levelShown);
    void paused(bool paused);
    void gameOver(std::uint32_t score, std::uint32_t levelShown);
    // After arrivals and launches: the lanes whose next push ends the game glow.
    void lanesChanged(const rules::GameData& data, const lib::board::BoardModel& board);

private:
    const sf::Texture* m_atlas;
    PieceSkin m_skin;
    std::shared_ptr<EffectsLayer> m_effects;
    std::shared_ptr<LaneWarnings> m_laneWarnings;
};

} // namespace bexil::look
