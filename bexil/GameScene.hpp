#pragma once

#include "bexil/Direction.hpp"
#include "bexil/KeyMapping.hpp"
#include "bexil/rules/Arrivals.hpp"
#include "bexil/rules/GameData.hpp"
#include "bexil/rules/Progress.hpp"
#include "bexil/settings/Settings.hpp"
#include "bexil/sound/GameSounds.hpp"
#include "lib/Clock.hpp"
#include "lib/Configuration.hpp"
#include "lib/PClock.hpp"
#include "lib/board/BoardModel.hpp"
#include "lib/board/ITilesController.hpp"
#include "lib/input/ActionMap.hpp"
#include "lib/scn/Scene.hpp"

#include <SFML/System/String.hpp>
#include <SFML/System/Vector2.hpp>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace lib::scn::draw
{
class Renderizable;
}

namespace bexil::look
{
class ILook;
}

namespace bexil::rules
{
class Launch;
}

namespace bexil::scores
{
class HighScoreOverlay;
}

namespace bexil
{

class PauseMenu;
class Player;

// The scene "GameScene", where a game is played. Tokens arrive from the four sides in turn and
// push their lanes toward the 4 × 4 centre square; the player turns, moves inside that square
// and launches along the line it faces, consuming the nearest run of its own colour and
// swapping colours with the first other token. A token pushed into the centre ends the game.
//
// The scene is the observer of its board and turns the board's changes into nodes that are
// placed, glide, change colour or go. It owns every piece through its render tree; the board
// holds them weakly. Entering the scene starts a game with the "GameMode" and "StartLevel" of
// ":NextGame"; after game over a new press of any key or button, once the final screen has been
// up a second, switches to "MenuScene". The scene hears the player's keys and the pad through
// the game's bindings (the name of a high score through the naming ones, the pause menu through
// the game's and the menus' keys), read as a game starts; losing the focus or a pad pauses a
// game in play, and the pointer stays hidden during play. In a game a person plays, a score that
// enters the mode's high score table first asks for the player's name and shows the table
// (HighScoreOverlay). A paused game offers to resume, to restart (the same mode from the same
// level) or to quit to the menu, which ends it as game over does, at once (PauseMenu); the
// modern looks hide the board then.
//
// The rules are bexil::rules's, which need no window: the board's arithmetic in GameData, the
// arrivals and their push in Arrivals, the launch's walk in Launch, the score and the levels in
// Progress, how near a lane is to ending the game in Lane. The scene brings them the keys and
// the clocks, and turns what they do into nodes, sounds and looks.
//
// Where the game's events happen, for sounds, effects or high scores: generateNextToken (a
// token arrives), consumeToken, swapColours, setLevel (a level begins), switchPause, gameOver.
// How the pieces, the cells and the feedback look is the look's (ILook), told at those points.
class GameScene : public lib::scn::Scene,
                  public lib::board::ITilesController,
                  public lib::Configuration
{
public:
    enum class GameState : std::int32_t
    {
        Playing = 0,
        GameOver = 1,
        Pause = 2
    };

    enum GameMode : std::uint8_t
    {
        TokenMode = 0,
        TimeMode = 1
    };

    // Who plays the scene's games: a game the computer plays never enters the high scores.
    enum class PlayedBy : std::uint8_t
    {
        Person,
        Computer
    };

    // A game scene of another name can run a second game beside the player's (a demo, a board
    // in the menus); each reads its "GameMode" and "StartLevel" from its own table.
    explicit GameScene(const std::string& name = "GameScene",
                       const std::string& gameTable = settings::Settings::NextGameTable,
                       PlayedBy playedBy = PlayedBy::Person);
    ~GameScene() override;

    void onInit() override;
    void onDeinit() override;
    void onEnterScene() override;
    void onExitScene() override;
    // One step of the game: the time goal (time mode) and token arrivals.
    void update() override;
    void onAction(const lib::input::ActionEvent& event) override;
    // Only the name of a new high score takes text.
    void onTextEntered(sf::Uint32 character) override;
    // A game in play pauses: it must not go on unseen, nor without its player's pad.
    void onFocusLost() override;
    // The look lays the board and the texts out again, and the pieces take their cells' places.
    void onResize() override;
    void onJoystickDisconnected() override;
    const lib::input::ActionMap& actionMap() const override;
    bool usesPointer() const override;
    // What a hint on screen calls the action's input now: of the pad when it was used last,
    // else a key ("Space", "A", "Start").
    std::string hint(lib::input::Action action) const;
    // 2000 × 2000.
    sf::Vector2f getDefaultSizeView() override;

    // A board shown small (How to play) hides the score texts and the look's feedback texts,
    // whose letters would be too small to read; the board takes their place. From the next game.
    void setTextsShown(bool shown) { m_textsShown = shown; }

    // What the game keys do, for a computer player as much as for the keyboard. Each acts on
    // the game started by onEnterScene and does nothing outside play (switchPause: outside
    // play or pause).
    // Turns the player, and moves it when the next cell lies in the centre square.
    void movePlayer(Direction direction);
    void launchPlayer();
    void switchPause();
    // Ends the game as game over does, without GAME OVER's second alone: a score that enters
    // its table asks for the name at once, any other goes to the menu.
    void quitToMenu();

    // One arrival, as the level's pace brings them.
    void generateNextToken();
    // Makes a token of that colour and puts it in the cell at once, without animation.
    void addNewToken(const sf::Vector2u& position, std::int32_t colour);

    GameState gameState() const { return static_cast<GameState>(sceneState()); }
    std::uint32_t score() const { return m_progress.score(); }
    // The current level, counted from 0 (shown as 1).
    std::uint32_t level() const { return m_progress.levelProperties().level(); }
    const rules::GameData& gameData() const { return m_gameData; }
    const std::shared_ptr<lib::board::BoardModel>& board() const { return m_boardModel; }
    const std::shared_ptr<Player>& player() const { return m_player; }

private:
    // The board and the animations reach these through their own interfaces.
    void onAnimationFinished(std::shared_ptr<lib::scn::draw::anim::IAnimation> animation,
                             std::shared_ptr<lib::scn::draw::Renderizable> node) override;
    void tileAdded(const sf::Vector2u& position, lib::board::WeakTile tile) override;
    void tileDeleted(const sf::Vector2u& position, lib::board::WeakTile tile) override;
    void tileMoved(const sf::Vector2u& source, const sf::Vector2u& destination,
                   lib::board::WeakTile tile) override;
    void tileChanged(const sf::Vector2u& position, lib::board::WeakTile tile, const int& oldValue,
                     const int& newValue) override;

    void setGameState(GameState state) { setSceneState(static_cast<std::int32_t>(state)); }
    void createTexts();
    // The labels, PAUSE and GAME OVER in the language shown; layout puts them in their places.
    void writeTexts();
    // Where the look puts the board and the texts in the part of the view the window shows.
    void layout();
    void createBackgroundTiles();
    void addPlayer();

    bool playerInItsCell() const;
    bool launchStep(const sf::Vector2u& cell, rules::Launch& launch);
    void consumeToken(const sf::Vector2u& cell, const rules::Launch& launch);
    void swapColours(const sf::Vector2u& cell, std::int32_t tokenColour,
                     const rules::Launch& launch);
    void gameOver();
    // The name entry's hints, in the names of the device last used.
    void showHints();
    // The cells and the pieces.
    void showBoard(bool shown);
    // The pause menu's hint, in the names of the device last used.
    sf::String pauseHint();
    void pauseMenuAction(const lib::input::ActionEvent& event);
    void pauseMenuChosen(unsigned int choice);
    GameMode gameMode() const { return m_progress.timeMode() ? TimeMode : TokenMode; }

    void showScore();
    void setLevel(std::uint32_t level);
    void nextLevel();
    void recolourBackground();
    void updateGoals();
    void showProgress(std::uint32_t value);
    static void showNumber(lib::scn::draw::Renderizable& text, std::uint32_t value);

    rules::GameData m_gameData; // placed by the look
    KeyMapping m_keyMapping;
    lib::Configuration m_nextGameConfig;
    const PlayedBy m_playedBy;
    bool m_textsShown = true;
    lib::PClock m_gameClock;    // since the last arrival; paused with the game
    lib::PClock m_levelClock;   // played time in the current level; paused with the game
    lib::Clock m_gameOverClock; // since the game ended
    // How long GAME OVER stays alone, keys ignored: none after "Quit to menu".
    sf::Time m_gameOverGrace;
    std::shared_ptr<lib::board::BoardModel> m_boardModel;
    rules::Arrivals m_arrivals{m_gameData};
    rules::Progress m_progress;
    sound::GameSounds m_sounds;
    std::shared_ptr<Player> m_player;
    std::unique_ptr<look::ILook> m_look;
    lib::input::ActionMap m_playActions;
    lib::input::ActionMap m_pausedActions;
    lib::input::ActionMap m_namingActions;
    lib::input::Device m_hintDevice = lib::input::Device::Keyboard;

    std::shared_ptr<lib::scn::draw::RenderGroup> m_mainBoard;
    std::shared_ptr<lib::scn::draw::RenderGroup> m_gameOverScreen;
    std::shared_ptr<lib::scn::draw::RenderGroup> m_scoreGroup;
    std::shared_ptr<lib::scn::draw::RenderGroup> m_levelGroup;
    std::shared_ptr<lib::scn::draw::RenderGroup> m_pauseGroup;
    std::shared_ptr<PauseMenu> m_pauseMenu; // under PAUSE, in its group
    std::shared_ptr<scores::HighScoreOverlay>
        m_highScoreOverlay; // over everything, after GAME OVER
    std::shared_ptr<lib::scn::draw::RenderGroup> m_backgroundTilesGroup;
    std::shared_ptr<lib::scn::draw::Renderizable> m_scoreText;
    std::shared_ptr<lib::scn::draw::Renderizable> m_scoreDisplay;
    std::shared_ptr<lib::scn::draw::Renderizable> m_levelText;
    std::shared_ptr<lib::scn::draw::Renderizable> m_levelDisplay;
    std::shared_ptr<lib::scn::draw::Renderizable> m_currentText;
    std::shared_ptr<lib::scn::draw::Renderizable> m_currentDisplay;
    std::shared_ptr<lib::scn::draw::Renderizable> m_goalText;
    std::shared_ptr<lib::scn::draw::Renderizable> m_goalDisplay;
    std::shared_ptr<lib::scn::draw::Renderizable> m_gameText;
    std::shared_ptr<lib::scn::draw::Renderizable> m_overText;
    std::shared_ptr<lib::scn::draw::Renderizable> m_pauseText;
    // The background rectangles, by row, then column.
    std::vector<std::vector<std::shared_ptr<lib::scn::draw::Renderizable>>> m_backgroundTiles;
    // The progress number currently shown, so a frame rewrites the text only when it changes.
    std::int64_t m_shownProgress = -1;
};

} // namespace bexil
