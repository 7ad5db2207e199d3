#include "bexil/bmenu/KeyRedefinitionMenu.hpp"

#include "lib/Translation.hpp"
#include "lib/input/ActionEvent.hpp"
#include "lib/menu/MenuManager.hpp"
#include "lib/scn/draw/Renderizable.hpp"

#include <SFML/Graphics/Text.hpp>

#include <array>

namespace bexil::bmenu
{

namespace
{

const sf::Vector2f PromptCentre(1000.f, 1000.f);

const std::array<const char*, KeyMapping::KeyCount> Prompts = {
    lib::Translation::mark("Press key for Left"),   lib::Translation::mark("Press key for Right"),
    lib::Translation::mark("Press key for Up"),     lib::Translation::mark("Press key for Down"),
    lib::Translation::mark("Press key for Launch"), lib::Translation::mark("Press key for Pause")};

} // namespace

KeyRedefinitionMenu::KeyRedefinitionMenu()
    : MenuPage("KeyRedefinitionMenu")
{
}

KeyRedefinitionMenu::~KeyRedefinitionMenu() = default;

void KeyRedefinitionMenu::onCreate()
{
    m_prompt = createText("pressKey");
    sf::Text* text = m_prompt->getAsText();
    text->setFont(menuFont());
    text->setCharacterSize(90);
    text->setString(" ");
    text->setFillColor(sf::Color::Blue);
    m_prompt->setPositionWithAlignment(PromptCentre, lib::scn::draw::Alignment::Center);
    m_count = 0;
    showPrompt();
}

void KeyRedefinitionMenu::showPrompt()
{
    m_prompt->getAsText()->setString(
        lib::Translation::toScreen(lib::Translation::tr(Prompts[m_count])));
    m_prompt->setPositionWithAlignment(PromptCentre, lib::scn::draw::Alignment::Center);
}

void KeyRedefinitionMenu::onShow()
{
    MenuPage::onShow();
    showPrompt();
}

void KeyRedefinitionMenu::onAction(const lib::input::ActionEvent& event)
{
    if (event.input.kind != lib::input::Input::Kind::Key)
    {
        if (event.action == lib::input::Action::Back && !event.repeat)
        {
            m_mapping.readKeys(); // the keys taken so far go
            end();
        }
        return;
    }
    // A key the system could not name would bind every such key at once; it is not taken.
    const std::int32_t code = event.input.code;
    if (event.repeat || code == sf::Keyboard::Unknown)
        return;
    for (std::uint32_t i = 0; i < m_count; ++i)
    {
        if (m_mapping.getKey(i) == code)
            return;
    }

    m_mapping.setKey(m_count, code);
    manager().sounds().play(manager().sounds().accept);
    ++m_count;
    if (m_count < KeyMapping::KeyCount)
    {
        showPrompt();
        return;
    }
    m_mapping.storeKeys();
    end();
}

void KeyRedefinitionMenu::end()
{
    m_count = 0;
    showPrompt();
    manager().changeStep("OptionsMenu");
}

} // namespace bexil::bmenu
