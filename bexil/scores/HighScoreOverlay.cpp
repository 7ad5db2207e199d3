#include "bexil/scores/HighScoreOverlay.hpp"

#include "bexil/scores/HighScoreTableView.hpp"
#include "bexil/settings/Settings.hpp"
#include "lib/Translation.hpp"
#include "lib/core/Platform.hpp"
#include "lib/input/ActionEvent.hpp"
#include "lib/scn/draw/NodeShape.hpp"
#include "lib/scn/draw/Renderizable.hpp"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Text.hpp>

#include <algorithm>
#include <ctime>
#include <optional>

namespace bexil::scores
{

namespace
{

using lib::scn::draw::Alignment;
using lib::scn::draw::RenderGroup;
using lib::scn::draw::Renderizable;

// Opaque, so that nothing of the game shows through: GAME OVER has had its moment.
const sf::Color Backdrop(6, 6, 16);
const sf::Color PanelFill(20, 19, 46);
const sf::Color PanelEdge(120, 130, 200);
const sf::Vector2f PanelMargin(100.f, 150.f);
constexpr float PanelEdgeWidth = 8.f;
const sf::Color Bright(255, 255, 255);
const sf::Color Gold(255, 215, 0);
const sf::Color Dim(170, 170, 190);
const sf::Color Warning(255, 110, 90);
const sf::Vector2f PickMark(56.f, 36.f);
constexpr unsigned int TableSize = 56;
constexpr float TableTop = 680.f;
using lib::Translation;

constexpr const char* RankLines[HighScores::ModeCount] = {
    Translation::mark("Rank %u in token mode"), Translation::mark("Rank %u in time mode")};
// Offered when neither a last name nor the login name gives one.
constexpr const char* AnyName = "Player";

// The local date as YYYY-MM-DD.
std::string today()
{
    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    char text[16] = "";
    if (local == nullptr || std::strftime(text, sizeof text, "%Y-%m-%d", local) != 10)
        return "1970-01-01";
    return text;
}

} // namespace

HighScoreOverlay::HighScoreOverlay(const sf::Font& font, const sf::Vector2f& viewSize)
    : RenderGroup("highScoreOverlay")
    , m_font(font)
    , m_middle(viewSize.x * 0.5f)
    , m_settings(settings::Settings::ConfigFile)
{
    m_backdrop = createSpriteShape("highScoreBackdrop", viewSize);
    m_backdrop->setColor(Backdrop);
    const std::shared_ptr<Renderizable> panel =
        createSpriteShape("highScorePanel", viewSize - 2.f * PanelMargin);
    panel->setPositionWithAlignment(PanelMargin, Alignment::Left);
    panel->setColor(PanelFill);
    panel->getAsNodeShape()->setOutlineColor(PanelEdge);
    panel->getAsNodeShape()->setOutlineThickness(PanelEdgeWidth);
    m_fixedLines.emplace_back(addLine(*this, "highScoreTitle", 170, Gold, 280.f),
                              Translation::mark("NEW HIGH SCORE"));
    m_rankLine = addLine(*this, "highScoreRank", 90, Bright, 520.f);

    m_naming = createNewRenderGroup("highScoreNaming");
    m_fixedLines.emplace_back(addLine(*m_naming, "highScoreNameLabel", 80, Dim, 780.f),
                              Translation::mark("Your name"));
    m_nameField = addLine(*m_naming, "highScoreName", 130, Bright, 940.f);
    m_hint = addLine(*m_naming, "highScoreHint", 55, Dim, 1200.f);
    m_pickHint = addLine(*m_naming, "highScorePickHint", 45, Dim, 1280.f);
    for (auto* mark : {&m_pickUp, &m_pickDown})
    {
        *mark = m_naming->createShape("highScorePickMark", PickMark);
        lib::scn::draw::NodeShape& shape = *(*mark)->getAsNodeShape();
        shape.setPointCount(3);
        shape.setFillColor(Gold);
        shape.setOrigin(PickMark * 0.5f);
    }
    m_pickDown->transformable()->setRotation(180.f);

    m_showing = createNewRenderGroup("highScoreShowing");
    m_table = std::make_shared<HighScoreTableView>("highScoreTable", font, TableSize,
                                                   HighScoreTableView::Colours{Dim, Bright, Gold});
    m_table->setPosition(m_middle, TableTop);
    m_showing->addRenderGroup(m_table);
    m_fixedLines.emplace_back(addLine(*m_showing, "highScoreAnyKey", 60, Dim, 1640.f),
                              Translation::mark("Press any key"));

    m_saveFailed = addLine(*this, "highScoreSaveFailed", 50, Warning, 1820.f);
    m_fixedLines.emplace_back(m_saveFailed,
                              Translation::mark("The high scores could not be saved"));
    close();
}

HighScoreOverlay::~HighScoreOverlay() = default;

bool HighScoreOverlay::gameEnded(std::size_t gameMode, std::uint32_t score, std::uint32_t level)
{
    close();
    m_highScores.load();
    const auto rank = m_highScores.table(gameMode).rankFor(score);
    if (!rank)
        return false;
    m_gameMode = gameMode;
    m_entry = {score, level, today(), std::string()};

    std::string start = m_settings.getValue(settings::Settings::PlayerName);
    if (start.empty())
        start = lib::core::Platform::loginName();
    m_nameEntry.reset(start);
    if (m_nameEntry.name().empty())
        m_nameEntry.reset(AnyName);
    m_startName = m_nameEntry.name();

    writeFixedLines();
    setLine(*m_rankLine, Translation::toScreen(Translation::format(
                             Translation::tr(RankLines[gameMode]), {std::to_string(*rank + 1)})));
    showName();
    m_step = Step::Waiting;
    return true;
}

void HighScoreOverlay::open()
{
    if (m_step != Step::Waiting)
        return;
    m_step = Step::Naming;
    m_typing = false;
    m_naming->setVisible(true);
    m_showing->setVisible(false);
    setVisible(true);
}

bool HighScoreOverlay::onAction(const lib::input::ActionEvent& event)
{
    using lib::input::Action;
    switch (m_step)
    {
    case Step::Closed:
        return false;
    case Step::Waiting:
        if (!event.repeat)
            open();
        return true;
    case Step::Naming:
        // A held direction goes on through the letters; nothing else repeats.
        if (event.action == Action::Up || event.action == Action::Down)
        {
            if (m_nameEntry.pickLetter(event.action == Action::Up ? 1 : -1))
                showName();
        }
        else if (event.action == Action::Left || event.action == Action::Right)
        {
            if (m_nameEntry.moveCursor(event.action == Action::Right ? 1 : -1))
                showName();
        }
        else if (!event.repeat && event.action == Action::Fire)
        {
            confirm(m_nameEntry.name().empty() ? m_startName : m_nameEntry.name());
        }
        else if (!event.repeat && event.action == Action::Back)
        {
            confirm(m_startName);
        }
        m_typing = m_typing || !event.repeat;
        return true;
    case Step::Showing:
        if (event.repeat)
            return true;
        close();
        return false;
    }
    return false;
}

void HighScoreOverlay::onTextEntered(sf::Uint32 character)
{
    if (m_step == Step::Naming && m_typing && m_nameEntry.type(character))
        showName();
}

void HighScoreOverlay::cover(const sf::FloatRect& visible)
{
    m_backdrop->getAsNodeShape()->setSize({visible.width, visible.height});
    m_backdrop->setPositionWithAlignment({visible.left, visible.top}, Alignment::Left);
}

void HighScoreOverlay::close()
{
    m_step = Step::Closed;
    m_saveFailed->setVisible(false);
    setVisible(false);
}

void HighScoreOverlay::finish()
{
    if (m_step == Step::Waiting || m_step == Step::Naming)
        confirm(m_nameEntry.name().empty() ? m_startName : m_nameEntry.name());
}

void HighScoreOverlay::confirm(const std::string& name)
{
    m_entry.name = name;
    HighScoreTable& table = m_highScores.table(m_gameMode);
    table.add(m_entry);
    m_saveFailed->setVisible(!m_highScores.save());
    // Another game may have saved entries meanwhile: the line is where the merged table has it
    // (a twin of it ranks above it).
    const auto& entries = table.entries();
    const auto found = std::find(entries.rbegin(), entries.rend(), m_entry);
    const auto rank = found == entries.rend()
                          ? std::nullopt
                          : std::optional(static_cast<std::size_t>(entries.rend() - found - 1));
    m_settings.value(settings::Settings::PlayerName, name, true);
    m_table->show(table, rank);
    m_naming->setVisible(false);
    m_showing->setVisible(true);
    m_step = Step::Showing;
}

void HighScoreOverlay::showHints(const std::string& fire, const std::string& back, bool pad)
{
    setLine(*m_hint,
            Translation::toScreen(Translation::format(
                Translation::tr("%1$s keeps it, %2$s keeps %3$s"), {fire, back, m_startName})));
    setLine(*m_pickHint,
            Translation::toScreen(
                pad ? Translation::tr("Up, Down: letter    Left, Right: move")
                    : Translation::tr("Type it, or pick the letters with the arrows")));
}

void HighScoreOverlay::showName()
{
    // After the last letter an underscore stands for the place where typing goes.
    const std::size_t cursor = m_nameEntry.cursor();
    NameEntry::Text shown = m_nameEntry.text();
    if (cursor == shown.size())
        shown.push_back('_');
    setLine(*m_nameField, sf::String(shown));
    const sf::Text& field = *m_nameField->getAsText();
    const float middle =
        (field.findCharacterPos(cursor).x + field.findCharacterPos(cursor + 1).x) / 2.f;
    const float top = field.getPosition().y;
    const auto size = static_cast<float>(field.getCharacterSize());
    m_pickUp->setPositionWithAlignment({middle, top - 0.08f * size}, Alignment::Left);
    m_pickDown->setPositionWithAlignment({middle, top + 1.36f * size}, Alignment::Left);
}

std::shared_ptr<Renderizable> HighScoreOverlay::addLine(RenderGroup& group, const char* name,
                                                        unsigned int size, const sf::Color& colour,
                                                        float y)
{
    std::shared_ptr<Renderizable> line = group.createText(name);
    sf::Text& text = *line->getAsText();
    text.setFont(m_font);
    text.setCharacterSize(size);
    text.setFillColor(colour);
    line->transformable()->setPosition(m_middle, y);
    return line;
}

void HighScoreOverlay::writeFixedLines()
{
    for (const auto& [line, english] : m_fixedLines)
    {
        std::string text = Translation::tr(english);
        std::replace(text.begin(), text.end(), '\n', ' ');
        setLine(*line, Translation::toScreen(text));
    }
}

void HighScoreOverlay::setLine(Renderizable& line, const sf::String& text)
{
    line.getAsText()->setString(text);
    line.setPositionX(m_middle, Alignment::Center);
}

} // namespace bexil::scores
