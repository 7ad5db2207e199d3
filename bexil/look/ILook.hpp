#pragma once

#include "bexil/rules/Launch.hpp"
#include "lib/scn/Scene.hpp"

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
// Dressing touches colours, textures and point counts, never a position: the look decides where
// the board and the score texts stand (arrange), the scene puts the pieces in their cells. The
// event hooks are empty by default, for a look that shows nothing there.
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
        // The board's cells and lanes in the scene, placed where arrange puts the board.
        const rules::GameData& data;
        // False for a board shown small, whose feedback texts would be too small to read.
        bool texts = true;
    };

    // The score texts, with their strings set: the left group's score and level, the right
    // group's progress (tokens, or time left) and goal, each a label and its value.
    struct Hud
    {
        lib::scn::draw::RenderGroup& left;
        lib::scn::draw::RenderGroup& right;
        lib::scn::draw::Renderizable& scoreLabel;
        lib::scn::draw::Renderizable& score;
        lib::scn::draw::Renderizable& levelLabel;
        lib::scn::draw::Renderizable& level;
        lib::scn::draw::Renderizable& progressLabel;
        lib::scn::draw::Renderizable& progress;
        lib::scn::draw::Renderizable& goalLabel;
        lib::scn::draw::Renderizable& goal;
        // False when the scene hides them: the board then has the whole area.
        bool shown = true;
    };

    virtual ~ILook();

    // A game begins, before its cells and pieces are made; end takes back what begin added to
    // the scene (what it added to the board goes with the board's children).
    virtual void begin(const Nodes& nodes) = 0;
    virtual void end() = 0;

    // How the scene's view meets the window's shape.
    virtual lib::scn::Scene::ViewFit viewFit() const = 0;
    // Sizes, colours and places the score texts for a view that shows the visible area, and
    // returns the area of the view the board takes. After begin, at the start of a game and
    // whenever the window's shape or the texts' strings change; values may change in between
    // without it.
    virtual sf::FloatRect arrange(const Hud& hud, const sf::FloatRect& visible) = 0;
    // The score is shown with at least this many digits.
    virtual int scoreDigits() const = 0;

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
    // At the start of a game, after arrivals and launches and when the board moved, for a look
    // that shows which lanes are in danger.
    virtual void lanesChanged(const rules::GameData& data, const lib::board::BoardModel& board);
};

} // namespace bexil::look
