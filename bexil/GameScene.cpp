#include "bexil/GameScene.hpp"

#include "bexil/PauseMenu.hpp"
#include "bexil/Player.hpp"
#include "bexil/Tile.hpp"
#include "bexil/controls/Bindings.hpp"
#include "bexil/controls/InputNames.hpp"
#include "bexil/controls/PadMapping.hpp"
#include "bexil/look/ILook.hpp"
#include "bexil/look/LookList.hpp"
#include "bexil/rules/Lane.hpp"
#include "bexil/rules/Launch.hpp"
#include "bexil/scores/HighScoreOverlay.hpp"
#include "bexil/settings/Settings.hpp"
#include "lib/Translation.hpp"
#include "lib/core/Window.hpp"
#include "lib/input/ActionEvent.hpp"
#include "lib/scn/Audio.hpp"
#include "lib/scn/Resource.hpp"
#include "lib/scn/ResourceManager.hpp"
#include "lib/scn/SceneManager.hpp"
#include "lib/scn/draw/NodeShape.hpp"
#include "lib/scn/draw/Renderizable.hpp"
#include "lib/scn/draw/anim/AnimationCreation.hpp"
#include "lib/scn/draw/anim/ColorAnimation.hpp"
#include "lib/scn/draw/anim/PositionAnimation.hpp"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Text.hpp>

#include <algorithm>
#include <cassert>
#include <cstdio>

namespace bexil
{

namespace
{

using lib::scn::draw::Alignment;
using lib::scn::draw::RenderGroup;
using lib::scn::draw::Renderizable;

const sf::Vector2f ViewSize(2000.f, 2000.f);
constexpr unsigned int LabelSize = 90;
constexpr unsigned int GameOverSize = 360;
constexpr unsigned int PauseSize = 180;
// Until a game's look says otherwise.
constexpr int ClassicDigits = 5;
// After game over, keys are not taken for this long: a key tapped as the last token lands
// would otherwise skip the final screen.
const sf::Time GameOverGrace = sf::seconds(1.f);

sf::Text& textOf(const std::shared_ptr<Renderizable>& leaf)
{
    return *leaf->getAsText();
}

float widthOf(const std::shared_ptr<Renderizable>& leaf)
{
    return leaf->getLocalBounds().width;
}

} // namespace

GameScene::GameScene(const std::string& name, const std::string& gameTable, PlayedBy playedBy)
    : Scene(name)
    , lib::Configuration(settings::Settings::ConfigFile)
    , m_gameData(ViewSize)
    , m_nextGameConfig(gameTable)
    , m_playedBy(playedBy)
{
}

GameScene::~GameScene() = default;

void GameScene::onInit()
{
    m_mainBoard = createNewRenderGroup("mainBoard");
    m_gameOverScreen = createNewRenderGroup("gameOverScreen");
    m_scoreGroup = createNewRenderGroup("score");
    m_levelGroup = createNewRenderGroup("level");
    m_pauseGroup = createNewRenderGroup("pause");
    createTexts();
    const lib::scn::ResourceManager& resources = *sceneManager()->resourceManager();
    m_highScoreOverlay = std::make_shared<scores::HighScoreOverlay>(
        *resources.getResource("game_scene.scoreFont")->getAsFont(), ViewSize);
    addRenderGroup(m_highScoreOverlay);
    m_sounds.bind(*sceneManager(), m_gameData.size().x);

    lib::scn::Audio& audio = sceneManager()->audio();
    const auto cue = [&audio, &resources](const char* name)
    { return audio.cue(*resources.getResource(name), 1); };
    m_pauseMenu = std::make_shared<PauseMenu>(
        *resources.getResource("game_scene.scoreFont")->getAsFont(), ViewSize,
        lib::menu::MenuSounds{&audio, cue("game_menu.move"), cue("game_menu.change"),
                              cue("game_menu.choose"), cue("game_menu.key")},
        [this](PauseMenu::Choice choice) { pauseMenuChosen(static_cast<unsigned int>(choice)); });
    // Its panel goes under the title.
    m_pauseGroup->addRenderGroup(m_pauseMenu, m_pauseText);
    m_pauseText->setPositionWithAlignment(m_pauseMenu->titleCentre(), Alignment::Center);
}

void GameScene::createTexts()
{
    const sf::Font& font =
        *sceneManager()->resourceManager()->getResource("game_scene.scoreFont")->getAsFont();
    const auto make =
        [&font](RenderGroup& group, const char* name, const char* string, unsigned int size)
    {
        std::shared_ptr<Renderizable> leaf = group.createText(name);
        sf::Text& text = textOf(leaf);
        text.setFont(font);
        text.setString(string);
        text.setCharacterSize(size);
        text.setFillColor(sf::Color::White);
        return leaf;
    };
    // The look sizes, colours and places the score texts (arrange).
    // Labels before values: where the look gives them sizes of their own, each size is then one
    // run of the batch.
    m_scoreText = make(*m_scoreGroup, "scoretxt", "", LabelSize);
    m_levelText = make(*m_scoreGroup, "scoretxt", "", LabelSize);
    m_scoreDisplay = make(*m_scoreGroup, "scoredisplay", "", LabelSize);
    m_levelDisplay = make(*m_scoreGroup, "scoredisplay", "0", LabelSize);
    m_currentText = make(*m_levelGroup, "leveltxt", "", LabelSize);
    m_goalText = make(*m_levelGroup, "leveltxt", "", LabelSize);
    m_currentDisplay = make(*m_levelGroup, "leveldisplay", "", LabelSize);
    m_goalDisplay = make(*m_levelGroup, "leveldisplay", "", LabelSize);
    m_gameText = make(*m_gameOverScreen, "gameovergame", "", GameOverSize);
    m_overText = make(*m_gameOverScreen, "gameoverover", "", GameOverSize);
    m_pauseText = make(*m_pauseGroup, "pausetext", "", PauseSize);
    showScore();
    writeTexts();
}

void GameScene::writeTexts()
{
    using lib::Translation;
    const auto write = [](const std::shared_ptr<Renderizable>& leaf, const std::string& text)
    { textOf(leaf).setString(Translation::toScreen(text)); };
    write(m_scoreText, Translation::tr("Score: "));
    write(m_levelText, Translation::tr("Level: "));
    write(m_currentText,
          gameMode() == TimeMode ? Translation::tr("Time left: ") : Translation::tr("Tokens: "));
    write(m_goalText, Translation::tr("Goal: "));
    write(m_pauseText, Translation::tr("PAUSE"));
    // TRANSLATORS: shown large on two lines, split where the line break is.
    const std::string gameOver = Translation::tr("GAME\nOVER");
    const std::size_t lineBreak = std::min(gameOver.find('\n'), gameOver.size());
    write(m_gameText, gameOver.substr(0, lineBreak));
    write(m_overText, gameOver.substr(std::min(lineBreak + 1, gameOver.size())));
}

void GameScene::layout()
{
    m_gameData.placeIn(m_look->arrange(
        {*m_scoreGroup, *m_levelGroup, *m_scoreText, *m_scoreDisplay, *m_levelText, *m_levelDisplay,
         *m_currentText, *m_currentDisplay, *m_goalText, *m_goalDisplay, m_textsShown},
        visibleArea()));
    m_highScoreOverlay->cover(visibleArea());
    const sf::FloatRect& board = m_gameData.area();
    const sf::Vector2f middle(board.left + board.width * 0.5f, board.top + board.height * 0.5f);
    const sf::FloatRect game = m_gameText->getLocalBounds();
    m_gameText->setPositionWithAlignment({middle.x - game.width * 0.5f, middle.y - game.height},
                                         Alignment::Left);
    m_overText->setPositionWithAlignment({middle.x - widthOf(m_overText) * 0.5f, middle.y},
                                         Alignment::Left);
}

void GameScene::onResize()
{
    if (!m_look || !m_boardModel)
        return;
    layout();
    const sf::Vector2f cell = m_gameData.tileSize();
    for (unsigned int y = 0; y < m_backgroundTiles.size(); ++y)
        for (unsigned int x = 0; x < m_backgroundTiles[y].size(); ++x)
        {
            m_backgroundTiles[y][x]->getAsNodeShape()->setSize(cell);
            m_backgroundTiles[y][x]->setPositionWithAlignment(m_gameData.board2Scene({x, y}),
                                                              Alignment::Left);
        }
    for (unsigned int y = 0; y < m_gameData.size().y; ++y)
        for (unsigned int x = 0; x < m_gameData.size().x; ++x)
            if (const auto token =
                    std::dynamic_pointer_cast<Tile>(m_boardModel->getTile({x, y}).lock()))
            {
                token->shape().setSize(cell);
                // A glide under way ends in the cell's new place at once.
                addAnimation(lib::scn::draw::anim::createMoveAnimation(
                    0, m_gameData.board2Scene({x, y}), token));
            }
    m_player->shape().setSize(cell);
    m_player->placeInCell(m_gameData.board2Scene(m_player->boardPosition));
    m_look->lanesChanged(m_gameData, *m_boardModel);
}

void GameScene::onDeinit()
{
    m_highScoreOverlay->finish();
    removeAllChildren();
}

void GameScene::onEnterScene()
{
    // Keys and buttons redefined in the menus count from this game on.
    m_keyMapping.readKeys();
    const controls::PadMapping pad;
    m_playActions = controls::Bindings::game(m_keyMapping, pad);
    m_pausedActions = controls::Bindings::paused(m_keyMapping, pad);
    m_namingActions = controls::Bindings::naming(pad);
    m_look = look::LookList::make(settings::Settings::Look.peek(*this),
                                  *sceneManager()->resourceManager());
    m_look->begin({*this, *m_mainBoard, m_gameOverScreen, m_gameData, m_textsShown});
    m_scoreGroup->setVisible(m_textsShown);
    m_levelGroup->setVisible(m_textsShown);
    setViewFit(m_look->viewFit());
    // The menus write 0 or 1; anything else plays the default, token mode. The progress label
    // depends on the mode, and the look lays the texts out as they read.
    m_progress.start(settings::Settings::GameMode.peek(m_nextGameConfig) == TimeMode);
    writeTexts();
    layout();
    m_boardModel = std::make_shared<lib::board::BoardModel>(m_gameData.size(), this);
    createBackgroundTiles();
    addPlayer();
    m_look->lanesChanged(m_gameData, *m_boardModel);

    showScore();
    m_arrivals.restart();
    const int startLevel = settings::Settings::StartLevel.peek(m_nextGameConfig);
    setLevel(startLevel > 0 ? static_cast<std::uint32_t>(startLevel) : 0u);

    m_gameOverScreen->setVisible(false);
    m_highScoreOverlay->close();
    m_mainBoard->setVisible(true);
    m_pauseGroup->setVisible(false);

    setGameState(GameState::Playing);
    m_gameClock.restart();
    m_sounds.startMusic();
}

void GameScene::onExitScene()
{
    m_mainBoard->removeAllChildren();
    m_boardModel.reset();
    m_player.reset();
    if (m_backgroundTilesGroup)
    {
        removeRenderizable(m_backgroundTilesGroup);
        m_backgroundTilesGroup.reset();
    }
    m_backgroundTiles.clear();
    m_look->end();
}

void GameScene::createBackgroundTiles()
{
    m_backgroundTilesGroup = createNewRenderGroup("backgroundTiles", m_mainBoard);
    const sf::Vector2f cell = m_gameData.tileSize();
    m_backgroundTiles.assign(m_gameData.size().y, {});
    for (unsigned int y = 0; y < m_gameData.size().y; ++y)
    {
        std::vector<std::shared_ptr<Renderizable>>& row = m_backgroundTiles[y];
        row.reserve(m_gameData.size().x);
        for (unsigned int x = 0; x < m_gameData.size().x; ++x)
        {
            const sf::Vector2f corner = m_gameData.board2Scene({x, y});
            row.push_back(m_backgroundTilesGroup->createSpriteShape("backgroundTile", cell));
            row.back()->setPositionWithAlignment(corner, Alignment::Left);
            m_look->decorateCell(*m_backgroundTilesGroup, {corner, cell});
        }
    }
}

void GameScene::update()
{
    if (gameState() == GameState::GameOver)
    {
        if (m_gameOverClock.getElapsedTime() >= m_gameOverGrace)
        {
            m_highScoreOverlay->open();
            // GAME OVER has had its moment: the name and the table come alone.
            m_gameOverScreen->setVisible(!m_highScoreOverlay->isVisible());
        }
        if (sceneManager()->input().lastDevice() != m_hintDevice)
            showHints();
    }
    else if (gameState() == GameState::Pause &&
             sceneManager()->input().lastDevice() != m_hintDevice)
    {
        m_pauseMenu->showHint(pauseHint());
    }
    if (!m_boardModel || gameState() != GameState::Playing)
        return;
    if (gameMode() == TimeMode)
        updateGoals();
    if (m_progress.tokenDue(m_gameClock.getElapsedTime()))
    {
        generateNextToken();
        m_gameClock.restart();
    }
}

void GameScene::generateNextToken()
{
    assert(m_boardModel);
    // The colour is drawn before the lane.
    const auto colour = static_cast<std::int32_t>(getRandomNumber(rules::Arrivals::Colours));
    const rules::Arrivals::Pushed pushed =
        m_arrivals.push(*m_boardModel, getRandomNumber(m_arrivals.lanes()));
    if (pushed.endsGame)
        gameOver();
    addNewToken(pushed.cell, colour);
    m_look->lanesChanged(m_gameData, *m_boardModel);
    m_sounds.arrive(pushed.cell);
    if (pushed.warns && gameState() == GameState::Playing)
        m_sounds.warning(pushed.cell, rules::Lane::warningLanes(m_gameData, *m_boardModel));
}

void GameScene::gameOver()
{
    setGameState(GameState::GameOver);
    m_gameOverClock.restart();
    m_gameOverGrace = GameOverGrace;
    m_gameOverScreen->setVisible(true);
    m_look->gameOver(score(), level() + 1);
    if (m_playedBy == PlayedBy::Person &&
        m_highScoreOverlay->gameEnded(gameMode(), score(), level() + 1))
        showHints();
    m_sounds.gameOver();
}

void GameScene::addNewToken(const sf::Vector2u& position, std::int32_t colour)
{
    assert(m_boardModel && m_boardModel->contains(position));
    const auto tile = std::make_shared<Tile>(colour, m_gameData.tileSize());
    m_look->dress(*tile);
    tile->setPositionWithAlignment(m_gameData.board2Scene(position), Alignment::Left);
    m_mainBoard->addRenderizable(tile);
    m_boardModel->setTile(position, tile);
}

void GameScene::onAction(const lib::input::ActionEvent& event)
{
    using lib::input::Action;
    static_assert(static_cast<int>(Action::Left) == Direction::Left &&
                      static_cast<int>(Action::Down) == Direction::Down,
                  "the actions' directions are in the order of Direction");
    if (!m_boardModel)
        return;
    switch (gameState())
    {
    case GameState::Playing:
        if (lib::input::isDirection(event.action))
            movePlayer(Direction::fromIndex(static_cast<std::uint32_t>(event.action)));
        else if (event.action == Action::Fire)
            launchPlayer();
        else if (event.action == Action::Pause && !event.repeat)
            switchPause();
        break;
    case GameState::GameOver:
        // A key still held, or struck as the last token lands, must not skip the final screen.
        if (m_gameOverClock.getElapsedTime() >= m_gameOverGrace &&
            !m_highScoreOverlay->onAction(event) && !event.repeat)
            sceneManager()->changeScene("MenuScene");
        break;
    case GameState::Pause:
        pauseMenuAction(event);
        break;
    }
}

void GameScene::showBoard(bool shown)
{
    m_mainBoard->setVisible(shown);
    m_backgroundTilesGroup->setVisible(shown);
}

sf::String GameScene::pauseHint()
{
    using lib::input::Action;
    m_hintDevice = sceneManager()->input().lastDevice();
    // TRANSLATORS: the keys or buttons for Up, Down, Launch and Pause, under the pause menu's
    // lines.
    return lib::Translation::toScreen(lib::Translation::format(
        lib::Translation::tr("%1$s, %2$s: choose    %3$s: confirm    %4$s: resume"),
        {hint(Action::Up), hint(Action::Down), hint(Action::Fire), hint(Action::Pause)}));
}

void GameScene::pauseMenuAction(const lib::input::ActionEvent& event)
{
    // The pause key resumes, as it paused, and so does Back, as on every page; the menu's lines
    // hear the rest.
    using lib::input::Action;
    switch (event.action)
    {
    case Action::Pause:
    case Action::Back:
        if (!event.repeat)
            switchPause();
        break;
    case Action::Up:
    case Action::Down:
    case Action::Fire:
        m_pauseMenu->onAction(event);
        break;
    default:
        break;
    }
}

void GameScene::pauseMenuChosen(unsigned int choice)
{
    switch (static_cast<PauseMenu::Choice>(choice))
    {
    case PauseMenu::Choice::Resume:
        switchPause();
        break;
    case PauseMenu::Choice::Restart:
        // Entering the scene again starts the game of ":NextGame" again: the same mode and
        // start level.
        sceneManager()->changeScene(name());
        break;
    case PauseMenu::Choice::QuitToMenu:
        quitToMenu();
        break;
    }
}

void GameScene::quitToMenu()
{
    if (!m_boardModel || gameState() == GameState::GameOver)
        return;
    // Quietly, with the music held as a pause holds it: the player chose to stop.
    if (gameState() == GameState::Playing)
        switchPause();
    m_pauseGroup->setVisible(false);
    showBoard(true);
    m_look->paused(false);
    setGameState(GameState::GameOver);
    m_gameOverClock.restart();
    m_gameOverGrace = sf::Time::Zero;
    if (m_playedBy == PlayedBy::Person &&
        m_highScoreOverlay->gameEnded(gameMode(), score(), level() + 1))
        m_highScoreOverlay->open();
    else
        sceneManager()->changeScene("MenuScene");
}

void GameScene::onTextEntered(sf::Uint32 character)
{
    if (gameState() == GameState::GameOver)
        m_highScoreOverlay->onTextEntered(character);
}

void GameScene::onFocusLost()
{
    if (m_boardModel && gameState() == GameState::Playing)
        switchPause();
}

void GameScene::onJoystickDisconnected()
{
    onFocusLost();
}

const lib::input::ActionMap& GameScene::actionMap() const
{
    switch (gameState())
    {
    case GameState::GameOver:
        return m_namingActions;
    case GameState::Pause:
        return m_pausedActions;
    default:
        return m_playActions;
    }
}

bool GameScene::usesPointer() const
{
    return gameState() != GameState::Playing;
}

void GameScene::showHints()
{
    m_hintDevice = sceneManager()->input().lastDevice();
    m_highScoreOverlay->showHints(hint(lib::input::Action::Fire), hint(lib::input::Action::Back),
                                  m_hintDevice == lib::input::Device::Joystick);
}

std::string GameScene::hint(lib::input::Action action) const
{
    return controls::InputNames::hint(actionMap(), action, sceneManager()->input().lastDevice());
}

void GameScene::addPlayer()
{
    assert(m_boardModel);
    const sf::Vector2u start(m_gameData.centerRect().left, m_gameData.centerRect().top);
    m_player = std::make_shared<Player>(start, m_gameData.tileSize());
    m_look->dress(*m_player);
    m_mainBoard->addRenderizable(m_player);
    m_boardModel->setTile(start, m_player);
}

bool GameScene::playerInItsCell() const
{
    // After a token was pushed into the player's cell the board no longer refers to the
    // player; the game is over then, and nothing may reach the piece through the board.
    return m_boardModel && m_player && gameState() == GameState::Playing &&
           m_boardModel->getTile(m_player->boardPosition).lock() == m_player;
}

void GameScene::movePlayer(Direction direction)
{
    if (!playerInItsCell() || direction == Direction::Invalid)
        return;
    const bool turns = m_player->currentDirection != direction;
    m_player->currentDirection = direction;
    const sf::Vector2u position = m_player->boardPosition;
    const sf::Vector2u target = m_gameData.playerMove(position, direction);
    if (target != position)
    {
        m_boardModel->moveTile(position, target);
        m_player->boardPosition = target;
        m_sounds.move(target);
    }
    else
    {
        m_player->placeInCell(m_gameData.board2Scene(position));
        if (turns)
            m_sounds.turn(position);
    }
}

void GameScene::launchPlayer()
{
    if (!playerInItsCell())
        return;
    const sf::Vector2u from = m_player->boardPosition;
    m_sounds.launch(from);
    // Captured as one reference: a bigger capture would make the line's action allocate.
    struct
    {
        rules::Launch launch;
        sf::Vector2u stop;
    } walk{rules::Launch(m_player->data), from};
    m_gameData.forEachTileInLine(from, m_player->currentDirection,
                                 [this, &walk](const sf::Vector2u& p, const Direction&)
                                 {
                                     walk.stop = p;
                                     return launchStep(p, walk.launch);
                                 });
    m_look->launched(m_gameData, from, walk.stop, walk.launch.colour(), walk.launch.end());
    if (walk.launch.end() == rules::Launch::End::Nothing)
        m_sounds.miss(walk.stop);
    if (gameMode() == TokenMode)
        updateGoals();
    m_look->lanesChanged(m_gameData, *m_boardModel);
}

bool GameScene::launchStep(const sf::Vector2u& cell, rules::Launch& launch)
{
    // The walk passes over the centre square, the player's own cell among it.
    const lib::board::SharedTile token =
        m_gameData.pointInCenter(cell) ? nullptr : m_boardModel->getTile(cell).lock();
    switch (launch.next(token ? token->data : rules::Launch::Empty))
    {
    case rules::Launch::Step::Pass:
        return true;
    case rules::Launch::Step::Consume:
        consumeToken(cell, launch);
        return true;
    case rules::Launch::Step::Swap:
        swapColours(cell, token->data, launch);
        break;
    }
    return false;
}

void GameScene::consumeToken(const sf::Vector2u& cell, const rules::Launch& launch)
{
    m_sounds.pop(cell, launch.inARow());
    const std::uint32_t points = m_progress.consume(launch.inARow());
    showScore();
    m_boardModel->deleteTile(cell);
    m_look->tokenConsumed(m_gameData, cell, launch.colour(), points, launch.inARow());
}

void GameScene::swapColours(const sf::Vector2u& cell, std::int32_t tokenColour,
                            const rules::Launch& launch)
{
    m_boardModel->changeTileData(m_player->boardPosition, tokenColour);
    m_boardModel->changeTileData(cell, launch.colour());
    m_look->piecesSwapped(m_gameData, m_player->boardPosition, cell, launch.colour(), tokenColour);
    m_sounds.swap(cell);
}

void GameScene::showScore()
{
    char digits[16];
    std::snprintf(digits, sizeof digits, "%0*u", m_look ? m_look->scoreDigits() : ClassicDigits,
                  static_cast<unsigned int>(score()));
    textOf(m_scoreDisplay).setString(digits);
}

void GameScene::setLevel(std::uint32_t level)
{
    m_progress.setLevel(level);
    m_levelClock.restart();
    recolourBackground();
    showNumber(*m_levelDisplay, level + 1);
    showNumber(*m_goalDisplay, m_progress.goal());
    updateGoals();
    m_look->levelBegan(level + 1);
}

void GameScene::nextLevel()
{
    setLevel(level() + 1);
    m_sounds.level();
}

void GameScene::recolourBackground()
{
    for (std::uint32_t y = 0; y < m_backgroundTiles.size(); ++y)
    {
        for (std::uint32_t x = 0; x < m_backgroundTiles[y].size(); ++x)
        {
            const bool center = m_gameData.pointInCenter({x, y});
            m_look->dressCell(*m_backgroundTiles[y][x],
                              m_progress.levelProperties().getBackgroundTileColor(x, y, center),
                              center);
        }
    }
}

void GameScene::updateGoals()
{
    const sf::Time inLevel = m_levelClock.getElapsedTime();
    showProgress(m_progress.progress(inLevel));
    if (m_progress.goalReached(inLevel))
        nextLevel();
}

void GameScene::showProgress(std::uint32_t value)
{
    // Checked before touching the text: in time mode this runs every frame.
    if (m_shownProgress == static_cast<std::int64_t>(value))
        return;
    m_shownProgress = value;
    showNumber(*m_currentDisplay, value);
}

void GameScene::showNumber(Renderizable& text, std::uint32_t value)
{
    char digits[16];
    std::snprintf(digits, sizeof digits, "%u", static_cast<unsigned int>(value));
    text.getAsText()->setString(digits);
}

void GameScene::switchPause()
{
    switch (gameState())
    {
    case GameState::Playing:
        setGameState(GameState::Pause);
        m_pauseGroup->setVisible(true);
        m_pauseMenu->open(pauseHint());
        // A pause is no time to study the board, where the look can do without it.
        showBoard(!m_look->hidesBoardInPause());
        addAnimation(lib::scn::draw::anim::createColorAnimation(
            sf::Color(255, 255, 255, 0), sf::Color(255, 255, 255, 255), m_pauseText));
        m_gameClock.pause();
        m_levelClock.pause();
        m_look->paused(true);
        m_sounds.pause();
        break;
    case GameState::Pause:
        setGameState(GameState::Playing);
        m_pauseGroup->setVisible(false);
        showBoard(true);
        m_gameClock.resume();
        m_levelClock.resume();
        m_look->paused(false);
        m_sounds.resume();
        break;
    case GameState::GameOver:
        break;
    }
}

void GameScene::onAnimationFinished(std::shared_ptr<lib::scn::draw::anim::IAnimation> animation,
                                    std::shared_ptr<Renderizable> node)
{
    // Told apart by their classes rather than by animationType(): comparing the type names
    // would build strings on the drawing path.
    using lib::scn::draw::anim::ColorAnimation;
    using lib::scn::draw::anim::PositionAnimation;
    if (dynamic_cast<ColorAnimation*>(animation.get()) != nullptr && node == m_pauseText)
    {
        m_pauseGroup->setVisible(gameState() == GameState::Pause);
        m_pauseText->setColor(sf::Color::White);
    }
    else if (dynamic_cast<PositionAnimation*>(animation.get()) != nullptr &&
             node->name() == look::ILook::ScoreDotName)
    {
        removeRenderizable(node);
    }
}

void GameScene::tileAdded(const sf::Vector2u& position, lib::board::WeakTile tile)
{
    if (const auto player = std::dynamic_pointer_cast<Player>(tile.lock()))
        player->setPositionWithAlignment(m_gameData.board2Scene(position), Alignment::Left);
}

void GameScene::tileDeleted(const sf::Vector2u&, lib::board::WeakTile tile)
{
    if (const auto token = std::dynamic_pointer_cast<Tile>(tile.lock()))
        m_mainBoard->removeRenderizable(token);
}

void GameScene::tileMoved(const sf::Vector2u&, const sf::Vector2u& destination,
                          lib::board::WeakTile tile)
{
    const lib::board::SharedTile moved = tile.lock();
    if (const auto token = std::dynamic_pointer_cast<Tile>(moved))
    {
        const auto glide = static_cast<int>(m_progress.levelProperties().millisBetweenTokens() / 2);
        addAnimation(lib::scn::draw::anim::createMoveAnimation(
            glide, m_gameData.board2Scene(destination), token));
    }
    else if (const auto player = std::dynamic_pointer_cast<Player>(moved))
    {
        player->placeInCell(m_gameData.board2Scene(destination));
    }
}

void GameScene::tileChanged(const sf::Vector2u&, lib::board::WeakTile tile, const int&, const int&)
{
    const lib::board::SharedTile changed = tile.lock();
    if (const auto token = std::dynamic_pointer_cast<Tile>(changed))
        m_look->dress(*token);
    else if (const auto player = std::dynamic_pointer_cast<Player>(changed))
        m_look->dress(*player);
}

sf::Vector2f GameScene::getDefaultSizeView()
{
    return ViewSize;
}

} // namespace bexil
