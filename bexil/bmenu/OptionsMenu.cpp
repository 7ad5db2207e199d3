#include "bexil/bmenu/OptionsMenu.hpp"

#include "bexil/Settings.hpp"
#include "lib/menu/ChooseControl.hpp"
#include "lib/menu/CursorDescriptor.hpp"
#include "lib/menu/MenuManager.hpp"
#include "lib/menu/OptionDescriptor.hpp"
#include "lib/scn/ResourceManager.hpp"
#include "lib/scn/SceneManager.hpp"

#include <cassert>
#include <iostream>
#include <string>

namespace bexil::bmenu
{

namespace
{

enum Option : unsigned int
{
    Antialiasing = 0,
    Resolution = 1,
    Fullscreen = 2,
    VSync = 3,
    RedefineKeyboard = 4,
    Cancel = 5
};

std::string modeText(const sf::VideoMode& mode)
{
    return std::to_string(mode.width) + "x" + std::to_string(mode.height) + "x" +
           std::to_string(mode.bitsPerPixel);
}

std::shared_ptr<lib::menu::OptionDescriptor> option(const std::string& text,
                                                    std::vector<std::string> values = {})
{
    auto descriptor = std::make_shared<lib::menu::OptionDescriptor>();
    descriptor->text = text;
    descriptor->subOptions = std::move(values);
    return descriptor;
}

// A stored number that is not an index of the option's values (a hand-edited file) shows the
// first value rather than reading past the list.
void showValue(lib::menu::ChooseControl& control, unsigned int index, int stored)
{
    lib::menu::ChooseControl::OptionModel& model = control.options[index];
    const bool inRange = stored >= 0 && static_cast<std::size_t>(stored) < model.subOptions.size();
    model.selectedSubOption = inRange ? static_cast<unsigned int>(stored) : 0;
    control.updateSubOptionText(index);
}

} // namespace

OptionsMenu::OptionsMenu()
    : MenuStep("OptionsMenu")
    , lib::Configuration(Settings::ConfigFile)
{
}

OptionsMenu::~OptionsMenu() = default;

std::vector<sf::VideoMode> OptionsMenu::fullscreenModes() const
{
    return sf::VideoMode::getFullscreenModes();
}

sf::VideoMode OptionsMenu::storedMode() const
{
    return sf::VideoMode(static_cast<unsigned int>(Settings::ResolutionX.peek(*this)),
                         static_cast<unsigned int>(Settings::ResolutionY.peek(*this)),
                         static_cast<unsigned int>(Settings::BitsPerPixel.peek(*this)));
}

void OptionsMenu::onCreate()
{
    auto* manager = dynamic_cast<lib::menu::MenuManager*>(parent());
    assert(manager != nullptr && manager->sceneManager() != nullptr);

    std::vector<std::string> resolutions;
    for (const sf::VideoMode& mode : fullscreenModes())
        resolutions.push_back(modeText(mode));
    // A display that reports no full-screen mode still gets a value to show: the stored one,
    // which "Accept" then keeps.
    if (resolutions.empty())
        resolutions.push_back(modeText(storedMode()));

    auto cursor = std::make_shared<lib::menu::CursorDescriptor>();
    cursor->pointCount = 3;
    cursor->size = sf::Vector2f(70.f, 70.f);
    cursor->color = sf::Color::Red;

    std::vector<std::shared_ptr<lib::menu::OptionDescriptor>> options{
        option("Antialiasing", {"Worst", "Bad", "Normal", "Good", "Best"}),
        option("Resolution", std::move(resolutions)),
        option("Fullscreen", {"No", "Yes"}),
        option("VSync", {"No", "Yes"}),
        option("Redefine keyboard"),
        option("Cancel"),
        option("Accept")};

    m_chooseControl = std::make_shared<lib::menu::ChooseControl>(
        "optionsmenu_chooseControl", sf::Color::Blue, sf::Color::Red,
        lib::scn::draw::Alignment::Left, 70, 1.f, std::move(options),
        manager->sceneManager()->resourceManager()->getResource("game_menu.mainFont"),
        [this](unsigned int index, lib::menu::ChooseControl& control)
        { chooseOption(index, control); },
        cursor);
    addMenuControl(m_chooseControl);
    m_chooseControl->setPosition(100.f, 700.f);
    updateOptionsFromConfig();
}

void OptionsMenu::updateOptionsFromConfig()
{
    assert(m_chooseControl != nullptr);
    const sf::VideoMode stored = storedMode();
    const std::vector<sf::VideoMode> modes = fullscreenModes();
    int resolution = 0;
    for (std::size_t i = 0; i < modes.size(); ++i)
    {
        // The last of equal modes, as the list may repeat one.
        if (modes[i] == stored)
            resolution = static_cast<int>(i);
    }

    showValue(*m_chooseControl, Antialiasing, Settings::GraphicsLevel.peek(*this));
    showValue(*m_chooseControl, Resolution, resolution);
    showValue(*m_chooseControl, Fullscreen, Settings::Fullscreen.peek(*this));
    showValue(*m_chooseControl, VSync, Settings::VSync.peek(*this));
}

void OptionsMenu::chooseOption(unsigned int index, lib::menu::ChooseControl& control)
{
    auto* manager = dynamic_cast<lib::menu::MenuManager*>(parent());
    assert(manager != nullptr);
    switch (index)
    {
    case Antialiasing:
    case Resolution:
    case Fullscreen:
    case VSync:
        // Their values change with Left and Right only.
        break;
    case RedefineKeyboard:
        manager->changeStep("KeyRedefinitionMenu");
        break;
    case Cancel:
        manager->changeStep("MainMenu");
        updateOptionsFromConfig();
        break;
    default:
    {
        const auto& options = control.options;
        Settings::GraphicsLevel.store(*this,
                                      static_cast<int>(options[Antialiasing].selectedSubOption));
        // A mode of the display's own list is valid by definition; an index past the list
        // (no modes reported) keeps the stored resolution.
        const std::vector<sf::VideoMode> modes = fullscreenModes();
        const unsigned int resolution = options[Resolution].selectedSubOption;
        if (resolution < modes.size())
        {
            Settings::ResolutionX.store(*this, static_cast<int>(modes[resolution].width));
            Settings::ResolutionY.store(*this, static_cast<int>(modes[resolution].height));
            Settings::BitsPerPixel.store(*this, static_cast<int>(modes[resolution].bitsPerPixel));
        }
        Settings::Fullscreen.store(*this, static_cast<int>(options[Fullscreen].selectedSubOption));
        Settings::VSync.store(*this, static_cast<int>(options[VSync].selectedSubOption));
        if (!saveConfig())
            std::cerr << "bexil: could not write " << configName()
                      << "; the new settings hold for this run only\n";
        updateOptionsFromConfig();
        manager->changeStep("MainMenu");
        break;
    }
    }
}

} // namespace bexil::bmenu
