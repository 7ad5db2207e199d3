#include "bexil/bmenu/HowToPlayMenu.hpp"

#include "bexil/GameScene.hpp"
#include "bexil/computer/ComputerPlayer.hpp"
#include "bexil/controls/Bindings.hpp"
#include "bexil/controls/InputNames.hpp"
#include "bexil/controls/PadMapping.hpp"
#include "bexil/settings/Settings.hpp"
#include "lib/Configuration.hpp"
#include "lib/Translation.hpp"
#include "lib/menu/MenuManager.hpp"
#include "lib/scn/SceneManager.hpp"
#include "lib/scn/draw/Renderizable.hpp"

#include <SFML/Graphics/Text.hpp>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace bexil::bmenu
{

namespace
{

using lib::Translation;

constexpr const char* BoardName = "HowToPlayBoard";
constexpr const char* BoardGameTable = ":HowToPlay";

// The text stands left of the small board, in as many lines as it takes at the largest size
// that fits, each paragraph broken between words; never so small that its capitals would be
// under 12 pixels in a 1280 × 800 window.
constexpr std::size_t MostLines = 18;
constexpr unsigned int LargestSize = 46;
constexpr unsigned int SmallestSize = 42;
const sf::Vector2f FirstLine(40.f, 590.f);
constexpr float TextWidth = 1160.f;
constexpr float TextBottom = 1328.f;
constexpr float LineSpacing = 54.f / 38.f; // in character sizes
// The small board: the game's 2000 × 2000 view at this scale, right of the text, its board
// (two thirds as high as wide) in the middle of the band, "Back" under it.
constexpr float BoardScale = 0.38f;
const sf::Vector2f BoardCorner(1220.f, 578.f);
const sf::Vector2f BackCentre(1600.f, 1252.f);
const sf::Time PressDelay = sf::milliseconds(400);
const sf::Time FinalBoard = sf::seconds(3.f);

// The paragraph's words in lines no wider than the width, as the text would draw them. A sign
// that French sets after a space (" :", " ;") stays with the word before it.
std::vector<sf::String> wrap(const sf::String& paragraph, sf::Text& measure, float width)
{
    std::vector<sf::String> lines;
    sf::String line;
    std::size_t start = 0;
    while (start < paragraph.getSize())
    {
        std::size_t end = paragraph.find(" ", start);
        while (end != sf::String::InvalidPos && end + 1 < paragraph.getSize() &&
               sf::String(":;!?").find(paragraph[end + 1]) != sf::String::InvalidPos)
            end = paragraph.find(" ", end + 1);
        if (end == sf::String::InvalidPos)
            end = paragraph.getSize();
        const sf::String word = paragraph.substring(start, end - start);
        const sf::String longer = line.isEmpty() ? word : line + " " + word;
        measure.setString(longer);
        if (!line.isEmpty() && measure.getLocalBounds().width > width)
        {
            lines.push_back(line);
            line = word;
        }
        else
        {
            line = longer;
        }
        start = end + 1;
    }
    if (!line.isEmpty())
        lines.push_back(line);
    return lines;
}

} // namespace

HowToPlayMenu::HowToPlayMenu()
    : MenuPage("HowToPlayMenu")
{
}

HowToPlayMenu::~HowToPlayMenu() = default;

void HowToPlayMenu::onCreate()
{
    for (std::size_t i = 0; i < MostLines; ++i)
    {
        m_lines.push_back(createText("howToPlayLine"));
        sf::Text& text = *m_lines.back()->getAsText();
        text.setFont(menuFont());
        text.setFillColor(sf::Color::Blue);
    }

    lib::Configuration game(BoardGameTable);
    settings::Settings::GameMode.store(game, GameScene::TokenMode);
    settings::Settings::StartLevel.store(game, 0);
    // Drawn as a child of this page, which steps its animations too.
    m_boardManager = std::make_unique<lib::scn::SceneManager>(
        manager().sceneManager()->resourceManager(), lib::scn::SceneManager::DrawnBy::AnotherTree);
    m_board = std::make_shared<GameScene>(BoardName, BoardGameTable, GameScene::PlayedBy::Computer);
    m_board->setTextsShown(false);
    m_boardManager->addScenes({m_board});
    m_board->setScale(BoardScale, BoardScale);
    m_board->setPosition(BoardCorner);
    addRenderGroup(m_board);
    m_computer = std::make_unique<computer::ComputerPlayer>(*m_board, PressDelay);

    addChooseControl("howtoplay_chooseControl", {60, lib::scn::draw::Alignment::Center, BackCentre},
                     {option(Translation::mark("Back"))}, [this](unsigned int) { onBack(); });
}

void HowToPlayMenu::onShow()
{
    MenuPage::onShow();
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
    // TRANSLATORS: the inputs that turn: the pad's "D-pad", or the player's four keys in the
    // order Left, Right, Up, Down ("Left, Right, Up, Down").
    const std::string turn =
        Translation::format(Translation::tr("%s: turn, and move inside the centre square."),
                            {controls::InputNames::directions(m_actions, m_device)});
    const std::array<std::string, 7> paragraphs{
        Translation::tr("Keep the tokens out of the centre."),
        turn,
        Translation::format(Translation::tr("%s: launch along your line. It consumes the nearest "
                                            "run of your colour, each token in a row worth more; "
                                            "the next token swaps colours with your piece."),
                            {key(lib::input::Action::Fire)}),
        Translation::tr("Levels bring the tokens faster."),
        Translation::tr("Token mode: consume the level's tokens."),
        Translation::tr("Time mode: last the level's seconds."),
        Translation::format(Translation::tr("%s: pause and resume."),
                            {key(lib::input::Action::Pause)})};

    // The largest size at which every line fits, down to the smallest.
    sf::Text measure("", menuFont());
    std::vector<sf::String> lines;
    unsigned int size = LargestSize;
    for (; size >= SmallestSize; --size)
    {
        measure.setCharacterSize(size);
        lines.clear();
        for (const std::string& paragraph : paragraphs)
            for (const sf::String& line :
                 wrap(Translation::toScreen(paragraph), measure, TextWidth))
                lines.push_back(line);
        const float step = LineSpacing * static_cast<float>(size);
        const float bottom = FirstLine.y + step * static_cast<float>(lines.size() - 1) +
                             static_cast<float>(size) * 1.2f;
        if (lines.size() <= m_lines.size() && bottom <= TextBottom)
            break;
    }
    size = std::max(size, SmallestSize);
    for (std::size_t i = 0; i < m_lines.size(); ++i)
    {
        sf::Text& text = *m_lines[i]->getAsText();
        text.setCharacterSize(size);
        text.setString(i < lines.size() ? lines[i] : sf::String());
        m_lines[i]->setVisible(i < lines.size());
        m_lines[i]->setPositionWithAlignment(
            {FirstLine.x, FirstLine.y + LineSpacing * static_cast<float>(size * i)},
            lib::scn::draw::Alignment::Left);
    }
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
