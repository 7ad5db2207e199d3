#include "bexil/PauseMenu.hpp"

#include "lib/Translation.hpp"
#include "lib/input/ActionEvent.hpp"
#include "lib/menu/ChooseControl.hpp"
#include "lib/menu/CursorDescriptor.hpp"
#include "lib/menu/OptionDescriptor.hpp"
#include "lib/scn/draw/Renderizable.hpp"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Text.hpp>

#include <utility>
#include <vector>

namespace bexil
{

namespace
{

using lib::scn::draw::Alignment;

const sf::Color Panel(8, 8, 28, 215);
const sf::Color Line(190, 190, 215);
const sf::Color Highlight(255, 215, 0);
const sf::Color Hint(160, 160, 185);
constexpr unsigned int LineSize = 90;
constexpr float LineGap = 24.f;
constexpr unsigned int HintSize = 42;
// From the middle of the view: the panel, the title's centre, the first line's top, the hint's.
constexpr float PanelWidth = 1560.f;
const sf::Vector2f PanelSize(PanelWidth, 800.f);
constexpr float TitleY = -320.f;
constexpr float FirstLineY = -150.f;
constexpr float HintY = 260.f;
constexpr float WrappedHintY = 215.f;
constexpr float HintWidth = PanelWidth - 120.f;
// What parts the hint's inputs from each other, as in "Up, Down: choose    Space: confirm".
const sf::String HintGap("    ");

std::shared_ptr<lib::menu::OptionDescriptor> line(const char* text)
{
    auto option = std::make_shared<lib::menu::OptionDescriptor>();
    option->text = text;
    return option;
}

} // namespace

PauseMenu::PauseMenu(const sf::Font& font, const sf::Vector2f& viewSize,
                     const lib::menu::MenuSounds& sounds, std::function<void(Choice)> onChosen)
    : RenderGroup("pauseMenu")
    , m_middle(viewSize * 0.5f)
{
    const sf::Vector2f middle = viewSize * 0.5f;
    m_titleCentre = {middle.x, middle.y + TitleY};
    // Over the board of a look that leaves it in sight, the lines must still read.
    const std::shared_ptr<lib::scn::draw::Renderizable> panel =
        createSpriteShape("pausePanel", PanelSize);
    panel->setPositionWithAlignment(middle - PanelSize * 0.5f, Alignment::Left);
    panel->setColor(Panel);

    auto cursor = std::make_shared<lib::menu::CursorDescriptor>();
    cursor->size = {static_cast<float>(LineSize) * 0.7f, static_cast<float>(LineSize) * 0.7f};
    cursor->color = Highlight;
    m_lines = std::make_shared<lib::menu::ChooseControl>(
        "pauseLines", Line, Highlight, Alignment::Center, LineSize, LineGap,
        std::vector{line(lib::Translation::mark("Resume")), line(lib::Translation::mark("Restart")),
                    line(lib::Translation::mark("Quit to menu"))},
        font,
        [onChosen = std::move(onChosen)](unsigned int index, lib::menu::ChooseControl&)
        { onChosen(static_cast<Choice>(index)); },
        cursor);
    m_lines->setSounds(sounds);
    m_lines->setPosition(middle.x, middle.y + FirstLineY);
    addRenderGroup(m_lines);

    m_hint = createText("pauseHint");
    sf::Text& hint = *m_hint->getAsText();
    hint.setFont(font);
    hint.setCharacterSize(HintSize);
    hint.setFillColor(Hint);
    m_hint->transformable()->setPosition(middle.x, middle.y + HintY);
}

PauseMenu::~PauseMenu() = default;

void PauseMenu::open(const sf::String& hint)
{
    m_lines->retranslate();
    m_lines->selectOption(static_cast<unsigned int>(Choice::Resume));
    showHint(hint);
}

void PauseMenu::showHint(const sf::String& hint)
{
    sf::Text& text = *m_hint->getAsText();
    text.setString(hint);
    text.setCharacterSize(HintSize);
    float top = HintY;
    // Long key names in a long language: a line for each part, rather than letters too small to
    // read; smaller only where one part alone is still too long.
    if (text.getLocalBounds().width > HintWidth)
    {
        sf::String lines = hint;
        for (std::size_t at = lines.find(HintGap); at != sf::String::InvalidPos;
             at = lines.find(HintGap, at))
            lines.replace(at, HintGap.getSize(), "\n");
        text.setString(lines);
        top = WrappedHintY;
    }
    const float width = text.getLocalBounds().width;
    if (width > HintWidth)
        text.setCharacterSize(
            static_cast<unsigned int>(static_cast<float>(HintSize) * HintWidth / width));
    m_hint->transformable()->setPosition(m_middle.x, m_middle.y + top);
    m_hint->setPositionX(m_middle.x, Alignment::Center);
}

void PauseMenu::onAction(const lib::input::ActionEvent& event)
{
    m_lines->onAction(event);
}

PauseMenu::Choice PauseMenu::highlighted() const
{
    return static_cast<Choice>(m_lines->selectedOption());
}

} // namespace bexil
