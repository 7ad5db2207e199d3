#include "bexil/MenuScene.hpp"

#include "bexil/bmenu/ControllerRedefinitionMenu.hpp"
#include "bexil/bmenu/HighScoresMenu.hpp"
#include "bexil/bmenu/HowToPlayMenu.hpp"
#include "bexil/bmenu/KeyRedefinitionMenu.hpp"
#include "bexil/bmenu/MainMenu.hpp"
#include "bexil/bmenu/OptionsMenu.hpp"
#include "bexil/bmenu/StartLevelMenu.hpp"
#include "bexil/computer/DemoScene.hpp"
#include "bexil/controls/Bindings.hpp"
#include "bexil/controls/PadMapping.hpp"
#include "lib/scn/Audio.hpp"
#include "lib/scn/Resource.hpp"
#include "lib/scn/ResourceManager.hpp"
#include "lib/scn/SceneManager.hpp"
#include "lib/scn/draw/NodeShape.hpp"
#include "lib/scn/draw/Renderizable.hpp"

#include <SFML/Graphics/Texture.hpp>

#include <cassert>
#include <string>

namespace bexil
{

namespace
{

// Shows the whole texture, stretched to the given size.
void dressImage(lib::scn::draw::Renderizable& leaf, const sf::Texture& texture,
                const sf::Vector2f& size)
{
    lib::scn::draw::NodeShape* shape = leaf.getAsNodeShape();
    shape->setTexture(&texture);
    shape->setSize(sf::Vector2f(texture.getSize()));
    shape->setSize(size);
}

} // namespace

MenuScene::MenuScene()
    : MenuManager("MenuScene")
{
}

MenuScene::~MenuScene() = default;

void MenuScene::onInit()
{
    assert(sceneManager() != nullptr && view() != nullptr);
    // First child: drawn beneath everything.
    m_background = createSpriteShape("background", sf::Vector2f(0.f, 0.f));

    // Before the pages, which take the sounds when they build their controls.
    const lib::scn::ResourceManager& resources = *sceneManager()->resourceManager();
    lib::scn::Audio& audio = sceneManager()->audio();
    const auto cue = [&audio, &resources](const char* name, std::size_t voices)
    { return audio.cue(*resources.getResource(name), voices); };
    sounds() = {&audio, cue("game_menu.move", 2), cue("game_menu.change", 2),
                cue("game_menu.choose", 1), cue("game_menu.key", 1)};
    m_music = resources.getResource("game_menu.music").get();
    // Before the pages too, which name the menus' inputs.
    setActionMap(controls::Bindings::menus(controls::PadMapping()));

    addMenuStep(std::make_shared<bmenu::MainMenu>());
    addMenuStep(std::make_shared<bmenu::OptionsMenu>());
    addMenuStep(std::make_shared<bmenu::KeyRedefinitionMenu>());
    addMenuStep(std::make_shared<bmenu::ControllerRedefinitionMenu>());
    addMenuStep(std::make_shared<bmenu::StartLevelMenu>());
    addMenuStep(std::make_shared<bmenu::HighScoresMenu>());
    addMenuStep(std::make_shared<bmenu::HowToPlayMenu>());

    // Last child: drawn over the pages.
    m_logo = createSpriteShape("mainLogo", sf::Vector2f(0.f, 0.f));
    dressImage(*m_logo, *resources.getResource("game_menu.logo")->getAsTexture(),
               sf::Vector2f(800.f, 400.f));
    m_logo->setPositionX(view()->getSize().x * 0.5f, lib::scn::draw::Alignment::Center);
    m_logo->transformable()->setPosition(m_logo->getPosition().x, 100.f);

    dressImage(*m_background, *resources.getResource("game_menu.background")->getAsTexture(),
               sf::Vector2f(2000.f, 2000.f));
}

void MenuScene::onDeinit() {}

void MenuScene::onEnterScene()
{
    setActionMap(controls::Bindings::menus(controls::PadMapping()));
    changeStep("MainMenu");
    m_sinceKey.restart();
    sceneManager()->audio().playMusic(m_music);
}

void MenuScene::onExitScene() {}

void MenuScene::update()
{
    if (activeStep())
        activeStep()->update();
    static const std::string demo = computer::DemoScene::SceneName;
    if (activeStep() && activeStep()->name() == "MainMenu" &&
        m_sinceKey.getElapsedTime() >= sf::seconds(IdleBeforeDemo))
        sceneManager()->changeScene(demo);
}

void MenuScene::onAction(const lib::input::ActionEvent& event)
{
    m_sinceKey.restart();
    MenuManager::onAction(event);
}

void MenuScene::onPointer(const lib::input::PointerEvent& event)
{
    m_sinceKey.restart();
    MenuManager::onPointer(event);
}

sf::Vector2f MenuScene::getDefaultSizeView()
{
    return sf::Vector2f(2000.f, 2000.f);
}

} // namespace bexil
