#include "bexil/bmenu/HighScoresMenu.hpp"

#include "bexil/scores/HighScoreTableView.hpp"
#include "lib/Translation.hpp"
#include "lib/input/ActionEvent.hpp"
#include "lib/menu/MenuManager.hpp"
#include "lib/scn/draw/Renderizable.hpp"

#include <SFML/Graphics/Text.hpp>

#include <string>

namespace bexil::bmenu
{

namespace
{

using lib::scn::draw::Alignment;

// Everything stays inside the light band of the menu's background, under the logo.
constexpr float Middle = 1000.f;
constexpr float TitleTop = 598.f;
constexpr float TableTop = 672.f;
constexpr unsigned int TableSize = 42;
const sf::Color Heading(70, 70, 140);
constexpr const char* Titles[scores::HighScores::ModeCount] = {
    lib::Translation::mark("High scores: token mode"),
    lib::Translation::mark("High scores: time mode")};

} // namespace

HighScoresMenu::HighScoresMenu()
    : MenuPage("HighScoresMenu")
{
}

HighScoresMenu::~HighScoresMenu() = default;

void HighScoresMenu::onCreate()
{
    m_title = createText("highScoresTitle");
    sf::Text& title = *m_title->getAsText();
    title.setFont(menuFont());
    title.setCharacterSize(52);
    title.setFillColor(sf::Color::Red);
    m_title->transformable()->setPosition(Middle, TitleTop);

    m_table = std::make_shared<scores::HighScoreTableView>(
        "highScoresTable", menuFont(), TableSize,
        scores::HighScoreTableView::Colours{Heading, sf::Color::Blue, sf::Color::Blue});
    m_table->setPosition(Middle, TableTop);
    addRenderGroup(m_table);

    addChooseControl("highscores_chooseControl", {48, Alignment::Center, {Middle, 1262.f}},
                     {option(lib::Translation::mark("Back"))}, [this](unsigned int) { onBack(); });
    showMode(0);
}

void HighScoresMenu::onShow()
{
    MenuPage::onShow();
    m_highScores.load();
    showMode(0);
}

void HighScoresMenu::onAction(const lib::input::ActionEvent& event)
{
    // Two modes: either way leads to the other.
    if (event.action == lib::input::Action::Left || event.action == lib::input::Action::Right)
        showMode(1 - m_mode);
    else
        MenuPage::onAction(event);
}

void HighScoresMenu::onBack()
{
    manager().changeStep("MainMenu");
}

void HighScoresMenu::showMode(std::size_t gameMode)
{
    m_mode = gameMode;
    // The arrows say that Left and Right lead to the other mode.
    m_title->getAsText()->setString(lib::Translation::toScreen(
        "<  " + std::string(lib::Translation::tr(Titles[gameMode])) + "  >"));
    m_title->setPositionX(Middle, Alignment::Center);
    m_table->show(m_highScores.table(gameMode));
}

} // namespace bexil::bmenu
