#include "bexil/bmenu/HowToPlayMenu.hpp"

#include "bexil/GameScene.hpp"
#include "bexil/computer/ComputerPlayer.hpp"
#include "bexil/controls/Bindings.hpp"
#include "bexil/controls/InputNames.hpp"
#include "bexil/controls/PadMapping.hpp"
#include "bexil/settings/Settings.hpp"
#include "lib/Configuration.hpp"
#include "lib/menu/MenuManager.hpp"
#include "lib/scn/SceneManager.hpp"
#include "lib/scn/draw/Renderizable.hpp"

#include <SFML/Graphics/Text.hpp>

#include <array>
#include <string>

namespace bexil::bmenu
{

namespace
{

constexpr const char* BoardName = "HowToPlayBoard";
constexpr const char* BoardGameTable = ":HowToPlay";
constexpr std::size_t LineCount = 11;
constexpr unsigned int LineSize = 38;
const sf::Vector2f FirstLine(60.f, 600.f);
constexpr float LineSpacing = 54.f;
// The small board: the game's 2000 × 2000 view at this scale, right of the text.
constexpr float BoardScale = 0.36f;
const sf::Vector2f BoardCorner(1230.f, 596.f);
const sf::Time PressDelay = sf::milliseconds(400);
const sf::Time FinalBoard = sf::seconds(3.f);

} // namespace

HowToPlayMenu::HowToPlayMenu()
    : MenuPage("HowToPlayMenu")
{
}

HowToPlayMenu::~HowToPlayMenu() = default;

void HowToPlayMenu::onCreate()
{
    for (std::size_t i = 0; i < LineCount; ++i)
    {
        m_lines.push_back(createText("howToPlayLine"));
        sf::Text& text = *m_lines.back()->getAsText();
        text.setFont(menuFont());
        text.setCharacterSize(LineSize);
        text.setFillColor(sf::Color::Blue);
        m_lines.back()->setPositionWithAlignment(
            {FirstLine.x, FirstLine.y + LineSpacing * static_cast<float>(i)},
            lib::scn::draw::Alignment::Left);
    }

    lib::Configuration game(BoardGameTable);
    settings::Settings::GameMode.store(game, GameScene::TokenMode);
    settings::Settings::StartLevel.store(game, 0);
    // Drawn as a child of this page, which steps its animations too.
    m_boardManager = std::make_unique<lib::scn::SceneManager>(
        manager().sceneManager()->resourceManager(), lib::scn::SceneManager::DrawnBy::AnotherTree);
    m_board = std::make_shared<GameScene>(BoardName, BoardGameTable, GameScene::PlayedBy::Computer);
    m_boardManager->addScenes({m_board});
    m_board->setScale(BoardScale, BoardScale);
    m_board->setPosition(BoardCorner);
    addRenderGroup(m_board);
    m_computer = std::make_unique<computer::ComputerPlayer>(*m_board, PressDelay);

    addChooseControl("howtoplay_chooseControl",
                     {60, lib::scn::draw::Alignment::Center, {560.f, 1215.f}}, {option("Back")},
                     [this](unsigned int) { onBack(); });
}

void HowToPlayMenu::onShow()
{
    m_keys.readKeys();
    m_actions = controls::Bindings::game(m_keys, controls::PadMapping());
    writeLines();
    newGame();
}

void HowToPlayMenu::newGame()
{
    static const std::string board = BoardName;
    m_boardManager->changeScene(board);
    m_over = false;
}

void HowToPlayMenu::writeLines()
{
    m_device = manager().sceneManager()->input().lastDevice();
    const auto key = [this](lib::input::Action action)
    { return controls::InputNames::hint(m_actions, action, m_device); };
    const std::array<std::string, LineCount> lines{
        "Keep the tokens out of the centre.",
        controls::InputNames::directions(m_actions, m_device) + ": turn, and",
        "move inside the centre square.",
        key(lib::input::Action::Fire) + ": launch along your line. It",
        "consumes the nearest run of your colour,",
        "each token in a row worth more; the next",
        "token swaps colours with your piece.",
        "Levels bring the tokens faster.",
        "Token mode: consume the level's tokens.",
        "Time mode: last the level's seconds.",
        key(lib::input::Action::Pause) + ": pause and resume."};
    for (std::size_t i = 0; i < LineCount; ++i)
        m_lines[i]->getAsText()->setString(lines[i]);
}

void HowToPlayMenu::onBack()
{
    manager().changeStep("MainMenu");
}

void HowToPlayMenu::update()
{
    if (manager().sceneManager()->input().lastDevice() != m_device)
        writeLines();
    m_boardManager->update();
    m_computer->update();
    if (m_board->gameState() != GameScene::GameState::GameOver)
    {
        m_over = false;
    }
    else if (!m_over)
    {
        m_over = true;
        m_sinceGameOver.restart();
    }
    else if (m_sinceGameOver.getElapsedTime() >= FinalBoard)
    {
        newGame();
    }
}

} // namespace bexil::bmenu
