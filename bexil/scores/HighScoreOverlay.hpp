#pragma once

#include "bexil/scores/HighScores.hpp"
#include "bexil/scores/NameEntry.hpp"
#include "lib/Configuration.hpp"
#include "lib/scn/draw/RenderGroup.hpp"

#include <SFML/Graphics/Color.hpp>
#include <SFML/System/String.hpp>
#include <SFML/System/Vector2.hpp>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace sf
{
class Font;
}

namespace lib::input
{
struct ActionEvent;
}

namespace lib::scn::draw
{
class Renderizable;
}

namespace bexil::scores
{

class HighScoreTableView;

// What follows GAME OVER when the game's score enters its mode's high score table, on a panel
// that hides the game: "NEW HIGH SCORE" with the rank and a name field, then the table with the
// new line highlighted. The
// field starts with the last name entered ("PlayerName" in config.cfg), or the login name the
// first time. It takes what is typed, and letters picked without a keyboard: Up and Down change
// the letter at the cursor (marked above and below), Left and Right move it. Fire (Return) keeps
// the name, Back (Escape) the name the field started with; the hints below say so in the names
// of the device last used. The entry is saved as soon as the name is confirmed.
//
// The game scene holds it as its top group, tells it when a game ends and when GAME OVER has
// been up long enough, and hands it the presses (read through the naming bindings: Fire is
// Return, Back is Escape) and the text typed from then on.
class HighScoreOverlay : public lib::scn::draw::RenderGroup
{
public:
    enum class Step
    {
        Closed,  // nothing to show: the game did not enter the table
        Waiting, // the game entered; GAME OVER is still up alone
        Naming,  // "NEW HIGH SCORE" and the name field
        Showing  // the table with the new line
    };

    // The font must outlive the overlay.
    HighScoreOverlay(const sf::Font& font, const sf::Vector2f& viewSize);
    ~HighScoreOverlay() override;

    // A game ended with that score, the level shown as the player saw it. True when it enters
    // its mode's table; nothing is shown before open().
    bool gameEnded(std::size_t gameMode, std::uint32_t score, std::uint32_t level);
    // GAME OVER has been up long enough: a game that entered asks for the name. Cheap when
    // there is nothing to do, so it may be called every frame.
    void open();
    // A press once GAME OVER has been up long enough. False when the overlay has nothing more to
    // show, and a new press may leave the game; repeats of a held press go no further.
    bool onAction(const lib::input::ActionEvent& event);
    // Typing counts only after a new press: a key held down as the game ended, repeating, must
    // not fill the field.
    void onTextEntered(sf::Uint32 character);
    // Hidden and ready for the next game.
    void close();
    // The backdrop covers that part of the view, all the window shows; the panel stays in the
    // middle of the view.
    void cover(const sf::FloatRect& visible);
    // The hints name these inputs of Fire and Back, and tell how to pick letters on a pad (or
    // else on the keyboard).
    void showHints(const std::string& fire, const std::string& back, bool pad);
    // The program ends (a logout, the close button): a game that entered and has no name yet
    // is saved with the name the field shows, as Return would, so the score is not lost.
    void finish();

    Step step() const { return m_step; }
    const HighScoreTableView& tableView() const { return *m_table; }

private:
    void confirm(const std::string& name);
    void showName();
    // A centred line of text in the group, at that height.
    std::shared_ptr<lib::scn::draw::Renderizable> addLine(lib::scn::draw::RenderGroup& group,
                                                          const char* name, unsigned int size,
                                                          const sf::Color& colour, float y);
    void setLine(lib::scn::draw::Renderizable& line, const sf::String& text);
    // The lines that say the same in every game, in the language shown.
    void writeFixedLines();

    const sf::Font& m_font;
    std::shared_ptr<lib::scn::draw::Renderizable> m_backdrop;
    float m_middle;
    HighScores m_highScores;
    lib::Configuration m_settings;
    NameEntry m_nameEntry;
    std::string m_startName;
    Step m_step = Step::Closed;
    bool m_typing = false;
    std::size_t m_gameMode = 0;
    HighScoreEntry m_entry;

    // The lines that say the same in every game, with their English texts.
    std::vector<std::pair<std::shared_ptr<lib::scn::draw::Renderizable>, const char*>> m_fixedLines;
    std::shared_ptr<lib::scn::draw::Renderizable> m_rankLine;
    std::shared_ptr<lib::scn::draw::RenderGroup> m_naming;
    std::shared_ptr<lib::scn::draw::Renderizable> m_nameField;
    std::shared_ptr<lib::scn::draw::Renderizable> m_hint;
    std::shared_ptr<lib::scn::draw::Renderizable> m_pickHint;
    // The marks above and below the letter at the cursor.
    std::shared_ptr<lib::scn::draw::Renderizable> m_pickUp;
    std::shared_ptr<lib::scn::draw::Renderizable> m_pickDown;
    std::shared_ptr<lib::scn::draw::RenderGroup> m_showing;
    std::shared_ptr<HighScoreTableView> m_table;
    std::shared_ptr<lib::scn::draw::Renderizable> m_saveFailed;
};

} // namespace bexil::scores
