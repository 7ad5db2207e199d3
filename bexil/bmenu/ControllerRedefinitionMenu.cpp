#include "bexil/bmenu/ControllerRedefinitionMenu.hpp"

#include "bexil/controls/Bindings.hpp"
#include "bexil/controls/InputNames.hpp"
#include "lib/Translation.hpp"
#include "lib/input/ActionEvent.hpp"
#include "lib/menu/MenuManager.hpp"
#include "lib/scn/draw/Renderizable.hpp"

#include <SFML/Graphics/Text.hpp>

#include <algorithm>
#include <array>

namespace bexil::bmenu
{

namespace
{

using lib::Translation;
using lib::input::Action;
using lib::scn::draw::Alignment;

const sf::Vector2f PromptCentre(1000.f, 1000.f);
const sf::Vector2f HintCentre(1000.f, 1160.f);

const std::array<const char*, lib::input::ActionCount> Prompts = {
    Translation::mark("Press button for Left"),   Translation::mark("Press button for Right"),
    Translation::mark("Press button for Up"),     Translation::mark("Press button for Down"),
    Translation::mark("Press button for Launch"), Translation::mark("Press button for Pause"),
    Translation::mark("Press button for Back")};

} // namespace

ControllerRedefinitionMenu::ControllerRedefinitionMenu()
    : MenuPage("ControllerRedefinitionMenu")
{
}

ControllerRedefinitionMenu::~ControllerRedefinitionMenu() = default;

void ControllerRedefinitionMenu::onCreate()
{
    const auto line = [this](const char* name, unsigned int size)
    {
        std::shared_ptr<lib::scn::draw::Renderizable> leaf = createText(name);
        sf::Text* text = leaf->getAsText();
        text->setFont(menuFont());
        text->setCharacterSize(size);
        text->setFillColor(sf::Color::Blue);
        return leaf;
    };
    m_prompt = line("pressButton", 90);
    m_hint = line("cancelHint", 50);
    showPrompt();
}

void ControllerRedefinitionMenu::onShow()
{
    MenuPage::onShow();
    showPrompt();
}

void ControllerRedefinitionMenu::showPrompt()
{
    m_prompt->getAsText()->setString(Translation::toScreen(Translation::tr(Prompts[m_count])));
    m_prompt->setPositionWithAlignment(PromptCentre, Alignment::Center);
    // The keyboard's Back: the pad's own buttons are all taken as bindings here.
    const std::string back = controls::InputNames::hint(manager().actionMap(), Action::Back,
                                                        lib::input::Device::Keyboard);
    m_hint->getAsText()->setString(Translation::toScreen(
        Translation::format(Translation::tr("%s or right click: cancel"), {back})));
    m_hint->setPositionWithAlignment(HintCentre, Alignment::Center);
}

void ControllerRedefinitionMenu::onAction(const lib::input::ActionEvent& event)
{
    if (event.input.device() != lib::input::Device::Joystick)
    {
        if (event.action == Action::Back && !event.repeat)
        {
            m_mapping.readPads(); // the inputs taken so far go
            end();
        }
        return;
    }
    if (event.repeat || std::find(m_taken.begin(), m_taken.end(), event.input) != m_taken.end())
        return;
    m_taken.push_back(event.input);
    m_mapping.setInputs(static_cast<Action>(m_count), {event.input});
    manager().sounds().play(manager().sounds().accept);
    if (++m_count < lib::input::ActionCount)
    {
        showPrompt();
        return;
    }
    m_mapping.storePads();
    manager().setActionMap(controls::Bindings::menus(m_mapping));
    end();
}

void ControllerRedefinitionMenu::end()
{
    m_count = 0;
    m_taken.clear();
    showPrompt();
    manager().changeStep("OptionsMenu");
}

} // namespace bexil::bmenu
