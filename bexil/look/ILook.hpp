#pragma once

#include "bexil/rules/Launch.hpp"

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Rect.hpp>
#include <SFML/System/Vector2.hpp>

#include <cstdint>
#include <memory>

namespace lib::board
{
class BoardModel;
}

namespace lib::scn::draw
{
class RenderGroup;
class Renderizable;
} // namespace lib::scn::draw

namespace bexil
{
class Player;
class Tile;
} // namespace bexil

namespace bexil::rules
{
class GameData;
}

namespace bexil::look
{

// How a game is drawn, apart from its rules, which are the same in every look. The game scene
// makes the look of the "Look" setting for each game (LookList), has it dress the nodes the
// scene makes anyway (pieces, cells, score labels) and tells it what happens; the look decides
// what it adds to the scene's tree for that (decorations, feedback, warnings), nothing included.
// Dressing touches colours, textures and point counts, never a position: the board's geometry
// is the scene's. The event hooks are empty by default, for a look that shows nothing there.
class ILook
{
public:
    // The score dots a look may send flying to the score; the scene removes one when it lands.
    static constexpr const char* ScoreDotName = "pointIncrementScore";

    // The game scene's nodes a look may add to; all of them outlive the game.
    struct Nodes
    {
        lib::scn::draw::RenderGroup& scene;
        lib::scn::draw::RenderGroup& board; // the pieces' group
        // The first group drawn over the board (GAME OVER): feedback goes just before it.
        std::shared_ptr<lib::scn::draw::RenderGroup> overBoard;
        // The score texts, top left and top right.
        const lib::scn::draw::RenderGroup& leftTexts;
        const lib::scn::draw::RenderGroup& rightTexts;
        // In pixels: the view is square and stretched over it.
        sf::Vector2u windowSize;
        // The board's cells and lanes in the scene.
        const rules::GameData& data;
    };

    virtual ~ILook();

    // A game begins, before its cells and pieces are made; end takes back what begin added to
    // the scene (what it added to the board goes with the board's children).
    virtual void begin(const Nodes& nodes) = 0;
    virtual void end() = 0;

    // A piece on creation and after each change of its colour.
    virtual void dress(Tile& token) const = 0;
    virtual void dress(Player& player) const = 0;
    // A background cell, at each level, in that level's colour for it; centre tells whether it
    // lies in the centre square.
    virtual void dressCell(lib::scn::draw::Renderizable& cell, const sf::Color& levelColour,
                           bool centre) const = 0;
    // Once per game and cell, just after its tile: what the look draws on the cell besides,
    // into the cells' group.
    virtual void decorateCell(lib::scn::draw::RenderGroup& cells, const sf::FloatRect& cell) const;
    // The score texts' labels ("Score: ", "Level: ", ...).
    virtual sf::Color labelColour() const = 0;

    // What happens in a game. The cells are the board's; the data gives their place in the
    // scene.
    virtual void tokenConsumed(const rules::GameData& data, const sf::Vector2u& cell,
                               std::int32_t colour, std::uint32_t points, std::uint32_t inARow);
    // A launch of a player of that colour from its cell along its line, to the cell where the
    // walk stopped (the token it swapped with, else the last cell before the board's edge), told
    // after what it consumed and swapped.
    virtual void launched(const rules::GameData& data, const sf::Vector2u& from,
                          const sf::Vector2u& to, std::int32_t colour, rules::Launch::End end);
    // The colours are the pieces' before the swap.
    virtual void piecesSwapped(const rules::GameData& data, const sf::Vector2u& player,
                               const sf::Vector2u& token, std::int32_t playerColour,
                               std::int32_t tokenColour);
    virtual void levelBegan(std::uint32_t levelShown);
    virtual void paused(bool paused);
    // Whether the board is hidden while the game is paused, so that a pause cannot be used to
    // study it, rather than left in sight under PAUSE. No by default.
    virtual bool hidesBoardInPause() const;
    virtual void gameOver(std::uint32_t score, std::uint32_t levelShown);
    // After arrivals and launches, for a look that shows which lanes are in danger.
    virtual void lanesChanged(const rules::GameData& data, const lib::board::BoardModel& board);
};

} // namespace bexil::look
