#include "bexil/GameScene.hpp"

#include "bexil/EffectsLayer.hpp"
#include "bexil/LaneWarnings.hpp"
#include "bexil/Player.hpp"
#include "bexil/Settings.hpp"
#include "bexil/Tile.hpp"
#include "lib/core/Window.hpp"
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
#include <initializer_list>

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
const sf::Vector2f ScoreGroupPosition(50.f, 50.f);
const sf::Vector2f LevelGroupPosition(1250.f, 50.f);
constexpr float SecondLineY = 200.f;
const sf::Vector2f ScoreDotSize(15.f, 15.f);
const sf::Vector2f ScoreDotTarget(450.f, 100.f);
const sf::Vector2f BackgroundDotSize(10.f, 10.f);
// The modern looks' labels: the classic blue is too dark on their night-blue panels.
const sf::Color ModernLabel(130, 150, 255);
const sf::Vector2f PanelPadding(36.f, 28.f);

// The board of 18 × 12 cells with its 4 × 4 centre square, and the four bands of lanes that
// lead to it from the left, top, right and bottom edges.
GameScene::GameData makeGameData()
{
    GameScene::GameData data;
    data.size = {18, 12};
    data.centerRect = {7, 4, 4, 4};
    const sf::Vector2u& size = data.size;
    const sf::Rect<unsigned int>& c = data.centerRect;
    data.tokenZones = {{
        {{0, c.top}, {c.left - 1, c.top + c.height - 1}, Direction::Right, c.height},
        {{c.left, 0}, {c.left + c.width - 1, c.top - 1}, Direction::Down, c.width},
        {{size.x - 1, c.top}, {c.left + c.width, c.top + c.height - 1}, Direction::Left, c.height},
        {{c.left, size.y - 1}, {c.left + c.width - 1, c.top + c.height}, Direction::Up, c.width},
    }};
    return data;
}

sf::Text& textOf(const std::shared_ptr<Renderizable>& leaf)
{
    return *leaf->getAsText();
}

float widthOf(const std::shared_ptr<Renderizable>& leaf)
{
    return leaf->getLocalBounds().width;
}

} // namespace

GameScene::GameScene()
    : Scene("GameScene")
    , lib::Configuration(Settings::ConfigFile)
    , m_nextGameConfig(Settings::NextGameTable)
    , m_gameData(makeGameData())
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
    m_atlas = resources.getResource("game_scene.look")->getAsTexture();
    if (m_atlas != nullptr)
    {
        m_effects = std::make_shared<EffectsLayer>(
            *m_atlas, *resources.getResource("game_scene.scoreFont")->getAsFont());
        m_laneWarnings = std::make_shared<LaneWarnings>(*m_atlas);
    }
}

void GameScene::createTexts()
{
    const sf::Font& font =
        *sceneManager()->resourceManager()->getResource("game_scene.scoreFont")->getAsFont();
    const auto make = [&font](RenderGroup& group, const char* name, const char* string,
                              unsigned int size, const sf::Color& colour, const sf::Vector2f& scale)
    {
        std::shared_ptr<Renderizable> leaf = group.createText(name);
        sf::Text& text = textOf(leaf);
        text.setFont(font);
        text.setString(string);
        text.setCharacterSize(size);
        text.setFillColor(colour);
        text.setScale(scale);
        return leaf;
    };
    const sf::Vector2f tall(1.f, 2.f);
    const sf::Vector2f plain(1.f, 1.f);
    const sf::Color& label = sf::Color::Blue;
    const sf::Color& value = sf::Color::White;

    m_scoreText = make(*m_scoreGroup, "scoretxt", "Score: ", LabelSize, label, tall);
    m_scoreDisplay = make(*m_scoreGroup, "scoredisplay", "", LabelSize, value, tall);
    m_levelText = make(*m_scoreGroup, "scoretxt", "Level: ", LabelSize, label, plain);
    m_levelDisplay = make(*m_scoreGroup, "scoredisplay", "0", LabelSize, value, plain);
    m_currentText = make(*m_levelGroup, "leveltxt", "", LabelSize, label, tall);
    m_currentDisplay = make(*m_levelGroup, "leveldisplay", "", LabelSize, value, tall);
    m_goalText = make(*m_levelGroup, "leveltxt", "", LabelSize, label, tall);
    m_goalDisplay = make(*m_levelGroup, "leveldisplay", "", LabelSize, value, tall);
    m_gameText = make(*m_gameOverScreen, "gameovergame", "GAME", GameOverSize, value, plain);
    m_overText = make(*m_gameOverScreen, "gameoverover", "OVER", GameOverSize, value, plain);
    m_pauseText = make(*m_pauseGroup, "pausetext", "PAUSE", PauseSize, value, plain);
    increaseScore(0);

    m_scoreGroup->setPosition(ScoreGroupPosition);
    m_scoreText->setPositionWithAlignment({0.f, 0.f}, Alignment::Left);
    m_scoreDisplay->setPositionWithAlignment({widthOf(m_scoreText), 0.f}, Alignment::Left);
    m_levelText->setPositionWithAlignment({0.f, SecondLineY}, Alignment::Left);
    m_levelDisplay->setPositionWithAlignment({widthOf(m_levelText), SecondLineY}, Alignment::Left);
    m_levelGroup->setPosition(LevelGroupPosition);
    m_goalText->setPositionWithAlignment({0.f, SecondLineY}, Alignment::Left);

    const sf::Vector2f half = view()->getSize() * 0.5f;
    const sf::FloatRect game = m_gameText->getLocalBounds();
    m_gameText->setPositionWithAlignment({half.x - game.width * 0.5f, half.y - game.height},
                                         Alignment::Left);
    m_overText->setPositionWithAlignment({half.x - widthOf(m_overText) * 0.5f, half.y},
                                         Alignment::Left);
    m_pauseText->setPositionWithAlignment(half, Alignment::Center);
}

void GameScene::onDeinit()
{
    removeAllChildren();
}

void GameScene::onEnterScene()
{
    m_keyMapping.readKeys(); // keys redefined in the menus count from this game on
    m_skin = PieceSkin(lookOf(Settings::Look.peek(*this)), m_atlas);
    // Under the texts; the classic look's tree stays as it always was.
    if (m_skin.isModern())
    {
        m_effects->clear();
        addRenderGroup(m_effects, m_gameOverScreen);
    }
    const sf::Color label = m_skin.isModern() ? ModernLabel : sf::Color::Blue;
    for (const auto& text : {m_scoreText, m_levelText, m_currentText, m_goalText})
        text->setColor(label);
    m_boardModel = std::make_shared<lib::board::BoardModel>(m_gameData.size, this);
    createBackgroundTiles();
    if (m_skin.isModern())
    {
        // Between the cells and the pieces.
        m_laneWarnings->clear();
        addRenderGroup(m_laneWarnings, m_mainBoard);
    }
    addPlayer();

    // The menus write 0 or 1; anything else plays the default, token mode.
    m_gameMode = Settings::GameMode.peek(m_nextGameConfig) == TimeMode ? TimeMode : TokenMode;
    m_score = 0;
    increaseScore(0);
    m_nextTokenPart = 0;
    const int startLevel = Settings::StartLevel.peek(m_nextGameConfig);
    setLevel(startLevel > 0 ? static_cast<std::uint32_t>(startLevel) : 0u);

    m_gameOverScreen->setVisible(false);
    m_mainBoard->setVisible(true);
    m_pauseGroup->setVisible(false);

    textOf(m_currentText).setString(m_gameMode == TimeMode ? "Time: " : "Tokens: ");
    textOf(m_goalText).setString("Goal: ");
    placeDisplays();
    fitPanels();

    setGameState(GameState::Playing);
    m_gameClock.restart();
}

void GameScene::placeDisplays()
{
    m_currentDisplay->setPositionX(widthOf(m_currentText), Alignment::Left);
    m_goalDisplay->setPositionWithAlignment({widthOf(m_goalText), SecondLineY}, Alignment::Left);
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
    if (m_effects)
    {
        removeRenderizable(m_effects);
        removeRenderizable(m_laneWarnings);
    }
}

void GameScene::createBackgroundTiles()
{
    m_backgroundTilesGroup = createNewRenderGroup("backgroundTiles", m_mainBoard);
    const sf::Vector2f cell = tileSize();
    m_backgroundTiles.assign(m_gameData.size.y, {});
    for (unsigned int y = 0; y < m_gameData.size.y; ++y)
    {
        std::vector<std::shared_ptr<Renderizable>>& row = m_backgroundTiles[y];
        row.reserve(m_gameData.size.x);
        for (unsigned int x = 0; x < m_gameData.size.x; ++x)
        {
            const sf::Vector2f corner = board2Scene({x, y});
            row.push_back(m_backgroundTilesGroup->createSpriteShape("backgroundTile", cell));
            row.back()->setPositionWithAlignment(corner, Alignment::Left);
            if (m_skin.isModern())
                continue;
            const std::shared_ptr<Renderizable> dot =
                m_backgroundTilesGroup->createShape("backgroundTilePoint", BackgroundDotSize);
            dot->setPositionWithAlignment(corner + cell * 0.5f, Alignment::Center);
        }
    }
}

void GameScene::update()
{
    if (!m_boardModel || gameState() != GameState::Playing)
        return;
    if (m_gameMode == TimeMode)
        updateGoals();
    const std::int64_t elapsed = m_gameClock.getElapsedTime().asMilliseconds();
    if (elapsed > static_cast<std::int64_t>(m_levelProperties.millisBetweenTokens()))
    {
        generateNextToken();
        m_gameClock.restart();
    }
}

void GameScene::generateNextToken()
{
    assert(m_boardModel);
    const TokenZone& zone = m_gameData.tokenZones[m_nextTokenPart];
    // The colour is drawn before the lane.
    const auto colour = static_cast<std::int32_t>(getRandomNumber(5));
    const std::uint32_t lane = getRandomNumber(zone.lanes);

    sf::Vector2u cell;
    sf::Vector2u lineStart;
    if (zone.direction.isHorizontal())
    {
        cell = {zone.edgeCorner.x, zone.edgeCorner.y + lane};
        lineStart = {zone.centerCorner.x, zone.edgeCorner.y + lane};
    }
    else
    {
        cell = {zone.edgeCorner.x + lane, zone.edgeCorner.y};
        lineStart = {zone.edgeCorner.x + lane, zone.centerCorner.y};
    }
    // From the centre outward, so every token moves into the cell its neighbour just left.
    forEachTileInLine(lineStart, zone.direction.negate(),
                      [this](const sf::Vector2u& p, const Direction& d)
                      { return pushToken(p, d); });
    addNewToken(cell, colour);
    m_nextTokenPart = static_cast<std::uint8_t>((m_nextTokenPart + 1) % 4);
    warnLanes();
}

bool GameScene::pushToken(const sf::Vector2u& cell, const Direction& walking)
{
    if (m_boardModel->tileEmpty(cell))
        return true;
    const sf::Vector2u destination = walking.negate().step(cell);
    m_boardModel->moveTile(cell, destination);
    if (pointInCenter(destination))
        gameOver();
    // The rest of the lane still moves, even after the push that ends the game.
    return true;
}

void GameScene::gameOver()
{
    setGameState(GameState::GameOver);
    m_gameOverScreen->setVisible(true);
    if (m_skin.isModern())
        m_effects->showGameOver(m_score, m_levelProperties.level() + 1);
}

void GameScene::addNewToken(const sf::Vector2u& position, std::int32_t colour)
{
    assert(m_boardModel && m_boardModel->contains(position));
    const auto tile = std::make_shared<Tile>(colour, tileSize());
    m_skin.dress(*tile);
    tile->setPositionWithAlignment(board2Scene(position), Alignment::Left);
    m_mainBoard->addRenderizable(tile);
    m_boardModel->setTile(position, tile);
}

void GameScene::forEachTileInLine(const sf::Vector2u& start, Direction direction,
                                  const LineAction& action) const
{
    // An Invalid direction does not move: walking on would visit the same cell for ever.
    const bool moves = direction != Direction::Invalid;
    sf::Vector2u p = start;
    bool goOn = true;
    while (goOn)
    {
        const bool result = action(p, direction);
        p = direction.step(p);
        goOn = result && moves && p.x < m_gameData.size.x && p.y < m_gameData.size.y;
    }
}

void GameScene::onKeyPressed(sf::Event::KeyEvent key)
{
    if (!m_boardModel)
        return;
    const std::int32_t code = key.code;
    switch (gameState())
    {
    case GameState::Playing:
        // Directions first, then launch, then pause: a key bound twice does the first.
        for (std::uint32_t i = 0; i < 4; ++i)
        {
            const Direction direction = Direction::fromIndex(i);
            if (code == m_keyMapping.getDirectionKey(direction))
            {
                movePlayer(direction);
                return;
            }
        }
        if (code == m_keyMapping.getLaunchKey())
            launchPlayer();
        else if (code == m_keyMapping.getPauseKey())
            switchPause();
        break;
    case GameState::GameOver:
        sceneManager()->changeScene("MenuScene");
        break;
    case GameState::Pause:
        if (code == m_keyMapping.getPauseKey())
            switchPause();
        break;
    }
}

void GameScene::addPlayer()
{
    assert(m_boardModel);
    const sf::Vector2u start(m_gameData.centerRect.left, m_gameData.centerRect.top);
    m_player = std::make_shared<Player>(start, tileSize());
    m_skin.dress(*m_player);
    if (m_skin.isModern())
    {
        const sf::Vector2u window = sceneManager()->window()->getSize();
        m_player->turnAspect =
            static_cast<float>(window.x) / static_cast<float>(window.y) * ViewSize.y / ViewSize.x;
    }
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
    m_player->currentDirection = direction;
    const sf::Vector2u position = m_player->boardPosition;
    const sf::Vector2u target = direction.step(position);
    if (pointInCenter(target))
    {
        m_boardModel->moveTile(position, target);
        m_player->boardPosition = target;
    }
    else
    {
        m_player->placeInCell(board2Scene(position));
    }
}

void GameScene::launchPlayer()
{
    if (!playerInItsCell())
        return;
    LaunchState launch{m_player->data, 0};
    forEachTileInLine(m_player->boardPosition, m_player->currentDirection,
                      [this, &launch](const sf::Vector2u& p, const Direction&)
                      { return launchStep(p, launch); });
    if (m_gameMode == TokenMode)
        updateGoals();
    warnLanes();
}

bool GameScene::launchStep(const sf::Vector2u& cell, LaunchState& launch)
{
    if (m_boardModel->tileEmpty(cell) || pointInCenter(cell))
        return true;
    const lib::board::SharedTile token = m_boardModel->getTile(cell).lock();
    if (token->data == launch.colour)
    {
        ++launch.inARow;
        const std::uint32_t points = launch.inARow * m_levelProperties.baseScore();
        increaseScore(points);
        ++m_consumedTokens;
        const sf::Vector2f from = board2Scene(cell);
        m_boardModel->deleteTile(cell);
        if (m_skin.isModern())
        {
            m_effects->burst(cellRect(cell), GameBaseTile::colorOf(launch.colour), points);
            if (launch.inARow >= 3)
                m_effects->combo(cellRect(cell), launch.inARow);
            return true;
        }
        const std::shared_ptr<Renderizable> dot = createShape(ScoreDotName, ScoreDotSize);
        dot->setPositionWithAlignment(from, Alignment::Left);
        addAnimation(lib::scn::draw::anim::createPositionAnimation(from, ScoreDotTarget, dot));
        return true;
    }
    const std::int32_t tokenColour = token->data;
    m_boardModel->changeTileData(m_player->boardPosition, tokenColour);
    m_boardModel->changeTileData(cell, launch.colour);
    return false;
}

void GameScene::increaseScore(std::uint32_t points)
{
    m_score += points;
    char digits[16];
    std::snprintf(digits, sizeof digits, "%0*u", static_cast<int>(m_scoreDigits),
                  static_cast<unsigned int>(m_score));
    textOf(m_scoreDisplay).setString(digits);
    fitPanels();
}

void GameScene::setLevel(std::uint32_t level)
{
    m_levelProperties.setLevel(level);
    m_levelClock.restart();
    m_consumedTokens = 0;
    recolourBackground();
    updateLevelDisplay();
    updateGoals();
    if (m_skin.isModern())
        m_effects->banner(level + 1);
}

void GameScene::recolourBackground()
{
    for (std::uint32_t y = 0; y < m_backgroundTiles.size(); ++y)
    {
        for (std::uint32_t x = 0; x < m_backgroundTiles[y].size(); ++x)
        {
            const bool center = pointInCenter({x, y});
            m_skin.dressCell(*m_backgroundTiles[y][x],
                             m_levelProperties.getBackgroundTileColor(x, y, center));
        }
    }
}

void GameScene::updateLevelDisplay()
{
    showNumber(*m_levelDisplay, m_levelProperties.level() + 1);
    showNumber(*m_goalDisplay, m_gameMode == TimeMode ? m_levelProperties.stayTime()
                                                      : m_levelProperties.stayTokens());
}

void GameScene::updateGoals()
{
    if (m_gameMode == TimeMode)
    {
        const float seconds = m_levelClock.getElapsedTime().asSeconds();
        showProgress(static_cast<std::uint16_t>(static_cast<std::uint32_t>(seconds)));
        if (seconds >= static_cast<float>(m_levelProperties.stayTime()))
            setLevel(m_levelProperties.level() + 1);
    }
    else
    {
        showProgress(m_consumedTokens);
        if (m_consumedTokens >= m_levelProperties.stayTokens())
            setLevel(m_levelProperties.level() + 1);
    }
}

void GameScene::showProgress(std::uint32_t value)
{
    // Checked before touching the text: in time mode this runs every frame.
    if (m_shownProgress == static_cast<std::int64_t>(value))
        return;
    m_shownProgress = value;
    showNumber(*m_currentDisplay, value);
    fitPanels();
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
        addAnimation(lib::scn::draw::anim::createColorAnimation(
            sf::Color(255, 255, 255, 0), sf::Color(255, 255, 255, 255), m_pauseText));
        m_gameClock.pause();
        if (m_skin.isModern())
            m_effects->setPaused(true);
        break;
    case GameState::Pause:
        setGameState(GameState::Playing);
        m_pauseGroup->setVisible(false);
        m_gameClock.resume();
        if (m_skin.isModern())
            m_effects->setPaused(false);
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
             node->nameRef() == ScoreDotName)
    {
        removeRenderizable(node);
    }
}

void GameScene::tileAdded(const sf::Vector2u& position, lib::board::WeakTile tile)
{
    if (const auto player = std::dynamic_pointer_cast<Player>(tile.lock()))
        player->setPositionWithAlignment(board2Scene(position), Alignment::Left);
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
        const auto glide = static_cast<int>(m_levelProperties.millisBetweenTokens() / 2);
        addAnimation(
            lib::scn::draw::anim::createMoveAnimation(glide, board2Scene(destination), token));
    }
    else if (const auto player = std::dynamic_pointer_cast<Player>(moved))
    {
        player->placeInCell(board2Scene(destination));
    }
}

void GameScene::tileChanged(const sf::Vector2u& position, lib::board::WeakTile tile, const int&,
                            const int&)
{
    const lib::board::SharedTile changed = tile.lock();
    if (const auto token = std::dynamic_pointer_cast<Tile>(changed))
        m_skin.dress(*token);
    else if (const auto player = std::dynamic_pointer_cast<Player>(changed))
        m_skin.dress(*player);
    else
        return;
    // Only a swap changes a piece's colour: both pieces flash.
    if (m_skin.isModern())
        m_effects->flash(cellRect(position));
}

sf::FloatRect GameScene::cellRect(const sf::Vector2u& position) const
{
    return {board2Scene(position), tileSize()};
}

void GameScene::fitPanels()
{
    if (!m_skin.isModern())
        return;
    const auto around =
        [](const RenderGroup& group, std::initializer_list<const Renderizable*> texts)
    {
        sf::FloatRect box = texts.begin()[0]->getAsText()->getGlobalBounds();
        for (const Renderizable* text : texts)
        {
            const sf::FloatRect b = text->getAsText()->getGlobalBounds();
            const float right = std::max(box.left + box.width, b.left + b.width);
            const float bottom = std::max(box.top + box.height, b.top + b.height);
            box.left = std::min(box.left, b.left);
            box.top = std::min(box.top, b.top);
            box.width = right - box.left;
            box.height = bottom - box.top;
        }
        const sf::Vector2f at = group.getPosition() - PanelPadding;
        return sf::FloatRect(box.left + at.x, box.top + at.y, box.width + 2.f * PanelPadding.x,
                             box.height + 2.f * PanelPadding.y);
    };
    m_effects->setPanels(around(*m_scoreGroup, {m_scoreText.get(), m_scoreDisplay.get(),
                                                m_levelText.get(), m_levelDisplay.get()}),
                         around(*m_levelGroup, {m_currentText.get(), m_currentDisplay.get(),
                                                m_goalText.get(), m_goalDisplay.get()}));
}

void GameScene::warnLanes()
{
    if (!m_skin.isModern() || !m_boardModel)
        return;
    std::size_t lane = 0;
    for (const TokenZone& zone : m_gameData.tokenZones)
        for (std::uint32_t i = 0; i < zone.lanes; ++i, ++lane)
        {
            const bool across = zone.direction.isHorizontal();
            const sf::Vector2u edge = across
                                          ? sf::Vector2u(zone.edgeCorner.x, zone.edgeCorner.y + i)
                                          : sf::Vector2u(zone.edgeCorner.x + i, zone.edgeCorner.y);
            const sf::Vector2u last = across ? sf::Vector2u(zone.centerCorner.x, edge.y)
                                             : sf::Vector2u(edge.x, zone.centerCorner.y);
            const sf::FloatRect a = cellRect(edge), b = cellRect(last);
            const float left = std::min(a.left, b.left), top = std::min(a.top, b.top);
            // A little wider than the lane, so that the glow shows beside its tokens.
            const sf::FloatRect area(left - a.width * 0.2f, top - a.height * 0.2f,
                                     std::max(a.left, b.left) + a.width * 1.4f - left,
                                     std::max(a.top, b.top) + a.height * 1.4f - top);
            // The next arrival on this side pushes that token into the centre.
            m_laneWarnings->warn(lane, area, !m_boardModel->tileEmpty(last));
        }
}

sf::Vector2f GameScene::getDefaultSizeView()
{
    return ViewSize;
}

sf::Vector2f GameScene::tileSize() const
{
    return {ViewSize.x / static_cast<float>(m_gameData.size.x),
            ViewSize.y / static_cast<float>(m_gameData.size.y)};
}

sf::Vector2f GameScene::board2Scene(const sf::Vector2u& position) const
{
    return {static_cast<float>(position.x) * ViewSize.x / static_cast<float>(m_gameData.size.x),
            static_cast<float>(position.y) * ViewSize.y / static_cast<float>(m_gameData.size.y)};
}

bool GameScene::pointInCenter(const sf::Vector2u& position) const
{
    const sf::Rect<unsigned int>& c = m_gameData.centerRect;
    return position.x < m_gameData.size.x && position.y < m_gameData.size.y &&
           position.x >= c.left && position.x < c.left + c.width && position.y >= c.top &&
           position.y < c.top + c.height;
}

const std::shared_ptr<Renderizable>& GameScene::backgroundTile(std::uint32_t x,
                                                               std::uint32_t y) const
{
    assert(y < m_backgroundTiles.size() && x < m_backgroundTiles[y].size());
    return m_backgroundTiles[y][x];
}

} // namespace bexil
