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

using lib::scn::draw::Alignment;
using lib::scn::draw::Renderizable;

// On the background's light band, the prompt at its top, the refusal at its foot.
const sf::Vector2f PromptCentre(1000.f, 650.f);
constexpr float FirstRowY = 740.f;
constexpr float RowStep = 74.f;
constexpr float RoleRightX = 960.f;
constexpr float KeyLeftX = 1040.f;
const sf::Vector2f RefusalCentre(1000.f, 1250.f);
constexpr unsigned int PromptSize = 80;
constexpr unsigned int RowSize = 60;
constexpr unsigned int RefusalSize = 50;
const sf::Color Refused(170, 0, 0);

const std::array<const char*, KeyMapping::KeyCount> Prompts = {
    lib::Translation::mark("Press key for Left"),   lib::Translation::mark("Press key for Right"),
    lib::Translation::mark("Press key for Up"),     lib::Translation::mark("Press key for Down"),
    lib::Translation::mark("Press key for Launch"), lib::Translation::mark("Press key for Pause")};
// The roles' own words: "Left" alone is the name of a key.
const std::array<const char*, KeyMapping::KeyCount> Roles = {
    lib::Translation::mark("Left:"),   lib::Translation::mark("Right:"),
    lib::Translation::mark("Up:"),     lib::Translation::mark("Down:"),
    lib::Translation::mark("Launch:"), lib::Translation::mark("Pause:")};
// TRANSLATORS: the name of a key pressed on the key page that another role already has.
const std::array<const char*, KeyMapping::KeyCount> Refusals = {
    lib::Translation::mark("%s is already the key for Left"),
    lib::Translation::mark("%s is already the key for Right"),
    lib::Translation::mark("%s is already the key for Up"),
    lib::Translation::mark("%s is already the key for Down"),
    lib::Translation::mark("%s is already the key for Launch"),
    lib::Translation::mark("%s is already the key for Pause")};

} // namespace

KeyRedefinitionMenu::KeyRedefinitionMenu()
    : MenuPage("KeyRedefinitionMenu")
{
}

KeyRedefinitionMenu::~KeyRedefinitionMenu() = default;

void KeyRedefinitionMenu::onCreate()
{
    const auto text = [this](const char* name, unsigned int size, const sf::Color& colour)
    {
        std::shared_ptr<Renderizable> leaf = createText(name);
        sf::Text* shown = leaf->getAsText();
        shown->setFont(menuFont());
        shown->setCharacterSize(size);
        shown->setFillColor(colour);
        return leaf;
    };
    m_prompt = text("pressKey", PromptSize, sf::Color::Blue);
    for (std::size_t role = 0; role < KeyMapping::KeyCount; ++role)
    {
        const float y = FirstRowY + RowStep * static_cast<float>(role);
        m_roles[role] = text("keyRole", RowSize, sf::Color::Blue);
        m_roles[role]->transformable()->setPosition(0.f, y);
        m_keys[role] = text("keyBound", RowSize, sf::Color::Blue);
        m_keys[role]->setPositionWithAlignment({KeyLeftX, y}, Alignment::Left);
    }
    m_refusal = text("keyRefused", RefusalSize, Refused);
    m_refusal->setVisible(false);
    m_count = 0;
    showPrompt();
}

void KeyRedefinitionMenu::onShow()
{
    MenuPage::onShow();
    if (m_count == 0)
        m_mapping.readKeys();
    showPrompt();
}

void KeyRedefinitionMenu::showPrompt()
{
    m_prompt->getAsText()->setString(
        lib::Translation::toScreen(lib::Translation::tr(Prompts[m_count])));
    m_prompt->setPositionWithAlignment(PromptCentre, Alignment::Center);
    for (std::size_t role = 0; role < KeyMapping::KeyCount; ++role)
    {
        const sf::Color colour = role == m_count ? sf::Color::Red : sf::Color::Blue;
        m_roles[role]->getAsText()->setString(
            lib::Translation::toScreen(lib::Translation::tr(Roles[role])));
        m_roles[role]->setPositionX(RoleRightX, Alignment::Right);
        m_roles[role]->setColor(colour);
        m_keys[role]->setColor(colour);
        m_keys[role]->getAsText()->setString(
            lib::Translation::toScreen(KeyMapping::keyName(m_mapping.getKey(role))));
    }
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
        {
            m_refusal->getAsText()->setString(lib::Translation::toScreen(lib::Translation::format(
                lib::Translation::tr(Refusals[i]), {KeyMapping::keyName(code)})));
            m_refusal->setPositionWithAlignment(RefusalCentre, Alignment::Center);
            m_refusal->setVisible(true);
            return;
        }
    }

    m_refusal->setVisible(false);
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
