#pragma once

#include "bexil/Direction.hpp"
#include "bexil/KeyMapping.hpp"
#include "bexil/LevelProperties.hpp"
#include "bexil/PieceSkin.hpp"
#include "lib/Clock.hpp"
#include "lib/Configuration.hpp"
#include "lib/PClock.hpp"
#include "lib/board/BoardModel.hpp"
#include "lib/board/ITilesController.hpp"
#include "lib/scn/Scene.hpp"

#include <SFML/Graphics/Rect.hpp>
#include <SFML/System/Vector2.hpp>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace lib::scn::draw
{
class Renderizable;
}

namespace sf
{
class Texture;
}

namespace bexil
{

class EffectsLayer;
class LaneWarnings;
class Player;

// The scene "GameScene", where a game is played. Tokens arrive from the four sides in turn and
// push their lanes toward the 4 × 4 centre square; the player turns, moves inside that square
// and launches along the line it faces, consuming the nearest run of its own colour and
// swapping colours with the first other token. A token pushed into the centre ends the game.
//
// The scene is the observer of its board and turns the board's changes into nodes that are
// placed, glide, change colour or go. It owns every piece through its render tree; the board
// holds them weakly. Entering the scene starts a game with the "GameMode" and "StartLevel" of
// ":NextGame"; after game over any key switches to "MenuScene".
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

    // One side's band of lanes, from the board's edge to the centre square.
    struct TokenZone
    {
        sf::Vector2u edgeCorner;
        sf::Vector2u centerCorner; // the opposite corner, next to the centre square
        Direction direction;       // the way its tokens move (toward the centre)
        std::uint32_t lanes;
    };

    struct GameData
    {
        sf::Vector2u size;
        sf::Rect<unsigned int> centerRect;
        std::array<TokenZone, 4> tokenZones; // left, top, right, bottom
    };

    // Called with each cell of a line and the walking direction; false stops the walk.
    using LineAction = std::function<bool(const sf::Vector2u&, const Direction&)>;

    GameScene();
    ~GameScene() override;

    void onInit() override;
    void onDeinit() override;
    void onEnterScene() override;
    void onExitScene() override;
    // One step of the game: the time goal (time mode) and token arrivals.
    void update() override;
    void onKeyPressed(sf::Event::KeyEvent key) override;
    // 2000 × 2000.
    sf::Vector2f getDefaultSizeView() override;

    void onAnimationFinished(std::shared_ptr<lib::scn::draw::anim::IAnimation> animation,
                             std::shared_ptr<lib::scn::draw::Renderizable> node) override;

    void tileAdded(const sf::Vector2u& position, lib::board::WeakTile tile) override;
    void tileDeleted(const sf::Vector2u& position, lib::board::WeakTile tile) override;
    void tileMoved(const sf::Vector2u& source, const sf::Vector2u& destination,
                   lib::board::WeakTile tile) override;
    void tileChanged(const sf::Vector2u& position, lib::board::WeakTile tile, const int& oldValue,
                     const int& newValue) override;

    // Play. These act on the game started by onEnterScene.
    void generateNextToken();
    // Makes a token of that colour and puts it in the cell at once, without animation.
    void addNewToken(const sf::Vector2u& position, std::int32_t colour);
    // Calls the action for start, then for each next cell in the direction, until the action
    // answers false or the line leaves the board. An Invalid direction visits start only.
    void forEachTileInLine(const sf::Vector2u& start, Direction direction,
                           const LineAction& action) const;
    void addPlayer();
    // Turns the player, and moves it when the next cell lies in the centre square.
    void movePlayer(Direction direction);
    void launchPlayer();
    void increaseScore(std::uint32_t points);
    void setLevel(std::uint32_t level);
    void updateLevelDisplay();
    void updateGoals();
    void switchPause();

    // Geometry.
    const GameData& gameData() const { return m_gameData; }
    sf::Vector2f tileSize() const;
    // The top-left corner of a cell in the scene.
    sf::Vector2f board2Scene(const sf::Vector2u& position) const;
    bool pointInCenter(const sf::Vector2u& position) const;

    // State of the current game.
    GameState gameState() const { return static_cast<GameState>(sceneState()); }
    std::uint8_t gameMode() const { return m_gameMode; }
    std::uint32_t score() const { return m_score; }
    std::uint32_t consumedTokens() const { return m_consumedTokens; }
    std::uint8_t nextTokenPart() const { return m_nextTokenPart; }
    const std::shared_ptr<lib::board::BoardModel>& board() const { return m_boardModel; }
    const std::shared_ptr<Player>& player() const { return m_player; }
    LevelProperties& levelProperties() { return m_levelProperties; }
    const KeyMapping& keyMapping() const { return m_keyMapping; }
    const lib::PClock& gameClock() const { return m_gameClock; }
    const lib::Clock& levelClock() const { return m_levelClock; }

    // The render tree.
    const std::shared_ptr<lib::scn::draw::RenderGroup>& mainBoard() const { return m_mainBoard; }
    const std::shared_ptr<lib::scn::draw::RenderGroup>& gameOverScreen() const
    {
        return m_gameOverScreen;
    }
    const std::shared_ptr<lib::scn::draw::RenderGroup>& scoreGroup() const { return m_scoreGroup; }
    const std::shared_ptr<lib::scn::draw::RenderGroup>& levelGroup() const { return m_levelGroup; }
    const std::shared_ptr<lib::scn::draw::RenderGroup>& pauseGroup() const { return m_pauseGroup; }
    const std::shared_ptr<lib::scn::draw::RenderGroup>& backgroundTilesGroup() const
    {
        return m_backgroundTilesGroup;
    }
    // The background rectangle of column x, row y (during a game).
    const std::shared_ptr<lib::scn::draw::Renderizable>& backgroundTile(std::uint32_t x,
                                                                        std::uint32_t y) const;

    // The eleven texts.
    const std::shared_ptr<lib::scn::draw::Renderizable>& scoreText() const { return m_scoreText; }
    const std::shared_ptr<lib::scn::draw::Renderizable>& scoreDisplay() const
    {
        return m_scoreDisplay;
    }
    const std::shared_ptr<lib::scn::draw::Renderizable>& levelText() const { return m_levelText; }
    const std::shared_ptr<lib::scn::draw::Renderizable>& levelDisplay() const
    {
        return m_levelDisplay;
    }
    const std::shared_ptr<lib::scn::draw::Renderizable>& currentText() const
    {
        return m_currentText;
    }
    const std::shared_ptr<lib::scn::draw::Renderizable>& currentDisplay() const
    {
        return m_currentDisplay;
    }
    const std::shared_ptr<lib::scn::draw::Renderizable>& goalText() const { return m_goalText; }
    const std::shared_ptr<lib::scn::draw::Renderizable>& goalDisplay() const
    {
        return m_goalDisplay;
    }
    const std::shared_ptr<lib::scn::draw::Renderizable>& gameText() const { return m_gameText; }
    const std::shared_ptr<lib::scn::draw::Renderizable>& overText() const { return m_overText; }
    const std::shared_ptr<lib::scn::draw::Renderizable>& pauseText() const { return m_pauseText; }

    // The name of the score dots that fly to the score.
    static constexpr const char* ScoreDotName = "pointIncrementScore";

private:
    void setGameState(GameState state) { setSceneState(static_cast<std::int32_t>(state)); }
    void createTexts();
    void createBackgroundTiles();
    void recolourBackground();
    void placeDisplays();
    static void showNumber(lib::scn::draw::Renderizable& text, std::uint32_t value);
    void showProgress(std::uint32_t value);
    // What one launch carries along its line.
    struct LaunchState
    {
        std::int32_t colour;  // the player's colour when the launch began
        std::uint32_t inARow; // tokens consumed so far by this launch
    };

    bool pushToken(const sf::Vector2u& cell, const Direction& walking);
    bool launchStep(const sf::Vector2u& cell, LaunchState& launch);
    bool playerInItsCell() const;
    void gameOver();
    // The modern looks: the scene's own coordinates of a cell, the panels behind the texts
    // and the lanes one token short of the centre.
    sf::FloatRect cellRect(const sf::Vector2u& position) const;
    void fitPanels();
    void warnLanes();

    KeyMapping m_keyMapping;
    lib::Configuration m_nextGameConfig;
    lib::PClock m_gameClock;
    std::shared_ptr<lib::board::BoardModel> m_boardModel;
    GameData m_gameData;
    lib::Clock m_levelClock;
    std::uint32_t m_consumedTokens = 0;
    std::uint8_t m_gameMode = TokenMode;
    std::uint32_t m_score = 0;
    std::uint8_t m_nextTokenPart = 0;
    std::shared_ptr<lib::scn::draw::RenderGroup> m_mainBoard;
    std::shared_ptr<lib::scn::draw::RenderGroup> m_gameOverScreen;
    std::shared_ptr<lib::scn::draw::RenderGroup> m_scoreGroup;
    std::shared_ptr<lib::scn::draw::RenderGroup> m_levelGroup;
    std::shared_ptr<lib::scn::draw::RenderGroup> m_pauseGroup;
    std::shared_ptr<lib::scn::draw::RenderGroup> m_backgroundTilesGroup;
    std::uint8_t m_scoreDigits = 5;
    LevelProperties m_levelProperties;
    std::shared_ptr<Player> m_player;
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
    std::vector<std::vector<std::shared_ptr<lib::scn::draw::Renderizable>>> m_backgroundTiles;
    // The progress number currently shown, so a frame rewrites the text only when it changes.
    std::int64_t m_shownProgress = -1;
    sf::Texture* m_atlas = nullptr;
    PieceSkin m_skin{Look::Classic, nullptr};
    std::shared_ptr<EffectsLayer> m_effects;
    std::shared_ptr<LaneWarnings> m_laneWarnings;
};

} // namespace bexil
