#include "bexil/computer/DemoScene.hpp"

#include "lib/Configuration.hpp"
#include "lib/Translation.hpp"
#include "lib/scn/Resource.hpp"
#include "lib/scn/ResourceManager.hpp"
#include "lib/scn/SceneManager.hpp"
#include "lib/scn/draw/Renderizable.hpp"

#include <SFML/Graphics/Text.hpp>

#include <algorithm>
#include <string>

namespace bexil::computer
{

namespace
{

// The demo's own game: token mode from the first level, whatever the player chose last.
constexpr const char* DemoGameTable = ":DemoGame";
// The pace of the computer's presses: a quick human.
const sf::Time PressDelay = sf::milliseconds(300);
// How long the final board stays up before the menu comes back.
const sf::Time FinalBoard = sf::seconds(4.f);
// The board's bottom-left block of cells, left of the lanes from the bottom and under those
// from the left, never holds a token.
const sf::Vector2u DemoCorner(0, 8);
const sf::Vector2f DemoCells(7.f, 4.f);
// Its capitals no smaller than 12 pixels in a 1280 × 800 window.
constexpr unsigned int HintSmallest = 42;

const std::string& menuSceneName()
{
    static const std::string name = "MenuScene";
    return name;
}

} // namespace

DemoScene::DemoScene()
    : GameScene(SceneName, DemoGameTable, PlayedBy::Computer)
    , m_computer(*this, PressDelay)
{
}

DemoScene::~DemoScene() = default;

void DemoScene::onInit()
{
    GameScene::onInit();
    lib::Configuration game(DemoGameTable);
    settings::Settings::GameMode.store(game, TokenMode);
    settings::Settings::StartLevel.store(game, 0);

    const sf::Font& font =
        *sceneManager()->resourceManager()->getResource("game_scene.scoreFont")->getAsFont();
    const auto line = [this, &font](const char* name, unsigned int size)
    {
        std::shared_ptr<lib::scn::draw::Renderizable> leaf = createText(name);
        sf::Text& text = *leaf->getAsText();
        text.setFont(font);
        text.setCharacterSize(size);
        text.setFillColor(sf::Color::Yellow);
        return leaf;
    };
    m_demoText = line("demoText", 200);
    m_hint = line("demoHint", 44);
}

void DemoScene::onEnterScene()
{
    GameScene::onEnterScene();
    m_demoText->getAsText()->setString(lib::Translation::toScreen(lib::Translation::tr("DEMO")));
    m_over = false;
    showHint(); // and places both texts
}

void DemoScene::showHint()
{
    m_hintDevice = sceneManager()->input().lastDevice();
    m_hint->getAsText()->setString(lib::Translation::toScreen(lib::Translation::format(
        lib::Translation::tr("Press %s for the menu"), {hint(lib::input::Action::Fire)})));
    placeDemoText();
}

void DemoScene::onResize()
{
    GameScene::onResize();
    placeDemoText();
}

void DemoScene::placeDemoText()
{
    const sf::Vector2f cell = gameData().tileSize();
    const sf::Vector2f corner = gameData().board2Scene(DemoCorner);
    // As tall as the block allows, at most two cells' height, the hint under it.
    const unsigned int size = static_cast<unsigned int>(std::min(cell.y * 1.8f, cell.x * 1.5f));
    m_demoText->getAsText()->setCharacterSize(size);
    m_hint->getAsText()->setCharacterSize(std::max(HintSmallest, size / 4));
    const sf::Vector2f middle(corner.x + cell.x * DemoCells.x * 0.5f,
                              corner.y + cell.y * DemoCells.y * 0.5f);
    m_demoText->setPositionWithAlignment({middle.x, middle.y - cell.y * 0.4f},
                                         lib::scn::draw::Alignment::Center);
    m_hint->setPositionWithAlignment({middle.x, middle.y + cell.y * 1.2f},
                                     lib::scn::draw::Alignment::Center);
}

void DemoScene::update()
{
    if (sceneManager()->input().lastDevice() != m_hintDevice)
        showHint();
    GameScene::update();
    m_computer.update();
    if (gameState() != GameState::GameOver)
        return;
    if (!m_over)
    {
        m_over = true;
        m_sinceGameOver.restart();
    }
    else if (m_sinceGameOver.getElapsedTime() >= FinalBoard)
    {
        sceneManager()->changeScene(menuSceneName());
    }
}

void DemoScene::onAction(const lib::input::ActionEvent&)
{
    sceneManager()->changeScene(menuSceneName());
}

void DemoScene::onFocusLost() {}

void DemoScene::onJoystickDisconnected() {}

} // namespace bexil::computer
