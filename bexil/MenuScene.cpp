#include "bexil/MenuScene.hpp"

#include "bexil/bmenu/ControllerRedefinitionMenu.hpp"
#include "bexil/bmenu/DriftingTokens.hpp"
#include "bexil/bmenu/HighScoresMenu.hpp"
#include "bexil/bmenu/HowToPlayMenu.hpp"
#include "bexil/bmenu/KeyRedefinitionMenu.hpp"
#include "bexil/bmenu/MainMenu.hpp"
#include "bexil/bmenu/OptionsMenu.hpp"
#include "bexil/bmenu/StartLevelMenu.hpp"
#include "bexil/computer/DemoScene.hpp"
#include "bexil/controls/Bindings.hpp"
#include "bexil/controls/PadMapping.hpp"
#include "bexil/settings/CommandLine.hpp"
#include "lib/Clock.hpp"
#include "lib/scn/Audio.hpp"
#include "lib/scn/Resource.hpp"
#include "lib/scn/ResourceManager.hpp"
#include "lib/scn/SceneManager.hpp"
#include "lib/scn/draw/NodeShape.hpp"
#include "lib/scn/draw/Renderizable.hpp"

#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <algorithm>
#include <cassert>
#include <string>

namespace bexil
{

namespace
{

using lib::scn::draw::Alignment;
using lib::scn::draw::Renderizable;

// Where the pictures stand in the 2000 × 2000 middle of the view.
const sf::FloatRect LogoArea(600.f, 100.f, 800.f, 300.f);
constexpr float BandTop = 480.f, BandHeight = 960.f;
constexpr unsigned int VersionSize = 44;
constexpr float VersionMargin = 30.f;

// The whole texture over the area; a picture that did not load is not drawn at all.
void dressImage(Renderizable& leaf, const sf::Texture& texture, const sf::FloatRect& area)
{
    lib::scn::draw::NodeShape* shape = leaf.getAsNodeShape();
    shape->setTexture(&texture, true);
    shape->setSize({area.width, area.height});
    leaf.setPositionWithAlignment({area.left, area.top}, Alignment::Left);
    leaf.setVisible(texture.getSize().x > 0 && texture.getSize().y > 0);
}

// The texture's size scaled to cover the area with its shape kept, centred on it: what does
// not fit is cut off.
sf::FloatRect covering(const sf::Texture& texture, const sf::FloatRect& area)
{
    const sf::Vector2f size(texture.getSize());
    if (size.x <= 0.f || size.y <= 0.f)
        return area;
    const float scale = std::max(area.width / size.x, area.height / size.y);
    return {area.left + (area.width - size.x * scale) * 0.5f,
            area.top + (area.height - size.y * scale) * 0.5f, size.x * scale, size.y * scale};
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
    setViewFit(ViewFit::Extend);
    // First children: drawn beneath everything.
    const lib::scn::ResourceManager& resources = *sceneManager()->resourceManager();
    m_background = createSpriteShape("background", sf::Vector2f(0.f, 0.f));
    m_tokens = std::make_shared<bmenu::DriftingTokens>(
        *resources.getResource("game_scene.look")->getAsTexture());
    addRenderGroup(m_tokens);
    m_band = createSpriteShape("band", sf::Vector2f(0.f, 0.f));

    // Before the pages, which take the sounds when they build their controls.
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

    // Last children: drawn over the pages.
    m_logo = createSpriteShape("mainLogo", sf::Vector2f(0.f, 0.f));
    dressImage(*m_logo, *resources.getResource("game_menu.logo")->getAsTexture(), LogoArea);
    m_version = createText("version");
    sf::Text& version = *m_version->getAsText();
    version.setFont(*resources.getResource("game_menu.mainFont")->getAsFont());
    version.setString("v" + settings::CommandLine::versionNumber());
    version.setCharacterSize(VersionSize);
    version.setFillColor(sf::Color(190, 196, 235));
    version.setOutlineColor(sf::Color(14, 10, 30));
    version.setOutlineThickness(static_cast<float>(VersionSize) * 0.06f);
    layout();
}

void MenuScene::layout()
{
    const sf::FloatRect visible = visibleArea();
    const lib::scn::ResourceManager& resources = *sceneManager()->resourceManager();
    const sf::Texture& background = *resources.getResource("game_menu.background")->getAsTexture();
    dressImage(*m_background, background, covering(background, visible));
    dressImage(*m_band, *resources.getResource("game_menu.band")->getAsTexture(),
               {visible.left, BandTop, visible.width, BandHeight});
    m_tokens->setArea(visible);
    const sf::FloatRect version = m_version->getLocalBounds();
    m_version->setPositionWithAlignment(
        {visible.left + visible.width - VersionMargin - version.left - version.width,
         visible.top + visible.height - VersionMargin - version.top - version.height},
        Alignment::Left);
}

void MenuScene::onResize()
{
    layout();
}

void MenuScene::onDeinit() {}

void MenuScene::onEnterScene()
{
    layout();
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
    const bool mainMenu = activeStep() && activeStep()->name() == "MainMenu";
    m_version->setVisible(mainMenu);
    if (mainMenu && m_sinceKey.getElapsedTime() >= sf::seconds(IdleBeforeDemo))
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
