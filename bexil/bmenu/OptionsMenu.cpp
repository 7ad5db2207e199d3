#include "bexil/bmenu/OptionsMenu.hpp"

#include "bexil/bmenu/LookPreview.hpp"
#include "bexil/controls/Bindings.hpp"
#include "bexil/look/LookList.hpp"
#include "bexil/settings/Languages.hpp"
#include "bexil/settings/Settings.hpp"
#include "bexil/sound/GameSounds.hpp"
#include "lib/Translation.hpp"
#include "lib/core/Window.hpp"
#include "lib/menu/ChooseControl.hpp"
#include "lib/menu/MenuManager.hpp"
#include "lib/menu/OptionDescriptor.hpp"
#include "lib/scn/Audio.hpp"
#include "lib/scn/Resource.hpp"
#include "lib/scn/ResourceManager.hpp"
#include "lib/scn/SceneManager.hpp"
#include "lib/scn/draw/Renderizable.hpp"

#include <SFML/Graphics/Text.hpp>

#include <algorithm>
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
    Look = 4,
    SoundVolume = 5,
    MusicVolume = 6,
    Language = 7,
    RedefineKeyboard = 8,
    RedefineController = 9,
    Cancel = 10
};

using lib::Translation;
using settings::Languages;

// In the control's coordinates (the values end at 1800): the middle of the view.
constexpr float PreviewCentreX = 900.f;

// Every mode of the list has a size of its own, so the depth goes unsaid.
std::string modeText(const sf::VideoMode& mode)
{
    return std::to_string(mode.width) + "x" + std::to_string(mode.height);
}

bool sameSize(const sf::VideoMode& a, const sf::VideoMode& b)
{
    return a.width == b.width && a.height == b.height;
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
    : MenuPage("OptionsMenu")
    , lib::Configuration(settings::Settings::ConfigFile)
{
}

OptionsMenu::~OptionsMenu() = default;

std::vector<sf::VideoMode> OptionsMenu::fullscreenModes() const
{
    return sf::VideoMode::getFullscreenModes();
}

sf::VideoMode OptionsMenu::storedMode() const
{
    return sf::VideoMode(static_cast<unsigned int>(settings::Settings::ResolutionX.peek(*this)),
                         static_cast<unsigned int>(settings::Settings::ResolutionY.peek(*this)),
                         static_cast<unsigned int>(settings::Settings::BitsPerPixel.peek(*this)));
}

std::vector<sf::VideoMode> OptionsMenu::offeredModes() const
{
    // The display lists each size once per colour depth it has: each is offered once, at the
    // desktop's depth where the display has it there.
    const unsigned int depth = desktopDepth();
    std::vector<sf::VideoMode> modes;
    for (const sf::VideoMode& mode : fullscreenModes())
    {
        const auto same =
            std::find_if(modes.begin(), modes.end(),
                         [&mode](const sf::VideoMode& m) { return sameSize(m, mode); });
        if (same == modes.end())
            modes.push_back(mode);
        else if (mode.bitsPerPixel == depth)
            same->bitsPerPixel = depth;
    }
    // The stored size keeps its stored depth, so that "Accept" changes nothing the player did
    // not; one the display does not offer (set for another screen, or by hand) is offered too.
    const sf::VideoMode stored = storedMode();
    const auto same =
        std::find_if(modes.begin(), modes.end(),
                     [&stored](const sf::VideoMode& m) { return sameSize(m, stored); });
    if (same == modes.end())
        modes.push_back(stored);
    else
        *same = stored;
    return modes;
}

unsigned int OptionsMenu::desktopDepth() const
{
    return sf::VideoMode::getDesktopMode().bitsPerPixel;
}

void OptionsMenu::onCreate()
{
    m_modes = offeredModes();
    std::vector<std::string> resolutions;
    for (const sf::VideoMode& mode : m_modes)
        resolutions.push_back(modeText(mode));
    std::vector<std::string> volumes;
    for (int level = 0; level <= 10; ++level)
        volumes.push_back(std::to_string(level));
    // Turned up past 10 a volume would wrap to silence.
    const auto volume = [&volumes](const char* label)
    {
        auto line = option(label, volumes);
        line->wraps = false;
        return line;
    };

    // The language names read the same in every language.
    std::vector<std::string> languages{Translation::mark("Auto")};
    for (const Languages::Language& language : Languages::Offered)
        languages.emplace_back(language.name);
    const std::vector<std::string> noYes{Translation::mark("No"), Translation::mark("Yes")};

    // Twelve lines: smaller and closer than on the other pages, from higher up, so that all of
    // them stand on the background's light band.
    Layout list = SideList;
    list.characterSize = 56;
    list.position.y -= 110.f;
    addChooseControl(
        "optionsmenu_chooseControl", list,
        {option(Translation::mark("Antialiasing"),
                {Translation::mark("Worst"), Translation::mark("Bad"), Translation::mark("Normal"),
                 Translation::mark("Good"), Translation::mark("Best")}),
         option(Translation::mark("Resolution"), std::move(resolutions)),
         option(Translation::mark("Fullscreen"), noYes), option(Translation::mark("VSync"), noYes),
         option(Translation::mark("Look"), look::LookList::names()),
         volume(Translation::mark("Sound volume")), volume(Translation::mark("Music volume")),
         option(Translation::mark("Language"), std::move(languages)),
         option(Translation::mark("Redefine keyboard")),
         option(Translation::mark("Redefine controller")), option(Translation::mark("Cancel")),
         option(Translation::mark("Accept"))},
        [this](unsigned int index) { chooseOption(index); });
    // The volumes are heard as they change: the music at once, and for the effects a sample
    // at the new volume instead of the usual click. The language shows at once.
    lib::scn::Audio& audio = manager().sceneManager()->audio();
    chooseControl()->options[SoundVolume].changeSound =
        audio.cue(*manager().sceneManager()->resourceManager()->getResource("game_menu.sample"), 1);
    chooseControl()->setOnValueChanged(
        [this, &audio](unsigned int index)
        {
            const int level = static_cast<int>(chooseControl()->options[index].selectedSubOption);
            if (index == SoundVolume)
                audio.setSoundVolume(level);
            else if (index == MusicVolume)
                audio.setMusicVolume(level);
            else if (index == Look)
                m_lookPreview->show(level);
            else if (index == Language)
                showLanguage(static_cast<std::size_t>(level));
        });
    addLookPreview();
    if (const lib::core::Window* window = manager().sceneManager()->window())
        m_windowFullscreen = window->params().fullscreen;
    updateOptionsFromConfig();
}

void OptionsMenu::addLookPreview()
{
    // Nearly a line high, on the Look line, in the middle between its label and its longest
    // value.
    lib::menu::ChooseControl& control = *chooseControl();
    const sf::Text& label = *control.options[Look].text->getAsText();
    const sf::FloatRect capitals = label.getGlobalBounds();
    const float side = static_cast<float>(label.getCharacterSize()) * 0.9f;
    m_lookPreview = std::make_shared<LookPreview>(*manager().sceneManager()->resourceManager(),
                                                  sf::Vector2f(side, side));
    control.addRenderGroup(m_lookPreview);
    m_lookPreview->setPosition(PreviewCentreX - m_lookPreview->size().x * 0.5f,
                               capitals.top + (capitals.height - side) * 0.5f);
}

void OptionsMenu::onShow()
{
    MenuPage::onShow();
    followWindow();
}

void OptionsMenu::update()
{
    followWindow();
}

void OptionsMenu::followWindow()
{
    // F11 and Alt+Enter change full screen on any page; the line shows what the window has.
    const lib::core::Window* window = manager().sceneManager()->window();
    if (window == nullptr || window->params().fullscreen == m_windowFullscreen)
        return;
    m_windowFullscreen = window->params().fullscreen;
    showValue(*chooseControl(), Fullscreen, m_windowFullscreen ? 1 : 0);
}

void OptionsMenu::updateOptionsFromConfig()
{
    assert(chooseControl() != nullptr);
    const sf::VideoMode stored = storedMode();
    int resolution = 0;
    for (std::size_t i = 0; i < m_modes.size(); ++i)
    {
        // The last of equal modes, as the list may repeat one.
        if (m_modes[i] == stored)
            resolution = static_cast<int>(i);
    }

    lib::menu::ChooseControl& control = *chooseControl();
    showValue(control, Antialiasing, settings::Settings::GraphicsLevel.peek(*this));
    showValue(control, Resolution, resolution);
    // The window takes any number but 0 as on, so "Yes" shows it.
    showValue(control, Fullscreen, settings::Settings::Fullscreen.peek(*this) != 0 ? 1 : 0);
    showValue(control, VSync, settings::Settings::VSync.peek(*this) != 0 ? 1 : 0);
    showValue(control, Look, settings::Settings::Look.peek(*this));
    m_lookPreview->show(static_cast<int>(control.options[Look].selectedSubOption));
    // What the player heard while changing the values gives way to what is stored (repaired
    // first when it is no volume).
    sound::GameSounds::applyVolumes(manager().sceneManager()->audio(), *this);
    showValue(control, SoundVolume, settings::Settings::SoundVolume.peek(*this));
    showValue(control, MusicVolume, settings::Settings::MusicVolume.peek(*this));
    const std::size_t language = Languages::stored(*this);
    showValue(control, Language, static_cast<int>(language));
    showLanguage(language);
    m_keysAtOpening.readKeys();
    m_padAtOpening.readPads();
}

void OptionsMenu::onBack()
{
    chooseOption(Cancel);
}

void OptionsMenu::showLanguage(std::size_t choice)
{
    Languages::apply(choice);
    chooseControl()->retranslate();
}

void OptionsMenu::chooseOption(unsigned int index)
{
    switch (index)
    {
    case Antialiasing:
    case Resolution:
    case Fullscreen:
    case VSync:
    case Look:
        // Their values change with Left and Right only.
        break;
    case RedefineKeyboard:
        manager().changeStep("KeyRedefinitionMenu");
        break;
    case RedefineController:
        manager().changeStep("ControllerRedefinitionMenu");
        break;
    case Cancel:
        m_keysAtOpening.storeKeys();
        m_padAtOpening.storePads();
        manager().setActionMap(controls::Bindings::menus(m_padAtOpening));
        // First, so that the main menu shows in the stored language.
        updateOptionsFromConfig();
        manager().changeStep("MainMenu");
        break;
    default:
    {
        const auto& options = chooseControl()->options;
        const sf::VideoMode& mode = m_modes[options[Resolution].selectedSubOption];
        settings::Settings::GraphicsLevel.store(
            *this, static_cast<int>(options[Antialiasing].selectedSubOption));
        settings::Settings::ResolutionX.store(*this, static_cast<int>(mode.width));
        settings::Settings::ResolutionY.store(*this, static_cast<int>(mode.height));
        settings::Settings::BitsPerPixel.store(*this, static_cast<int>(mode.bitsPerPixel));
        settings::Settings::Fullscreen.store(
            *this, static_cast<int>(options[Fullscreen].selectedSubOption));
        settings::Settings::VSync.store(*this, static_cast<int>(options[VSync].selectedSubOption));
        settings::Settings::Look.store(*this, static_cast<int>(options[Look].selectedSubOption));
        settings::Settings::SoundVolume.store(
            *this, static_cast<int>(options[SoundVolume].selectedSubOption));
        settings::Settings::MusicVolume.store(
            *this, static_cast<int>(options[MusicVolume].selectedSubOption));
        Languages::store(*this, options[Language].selectedSubOption);
        if (!saveConfig())
            std::cerr << "bexil: could not write " << configName()
                      << "; the new settings hold for this run only\n";
        updateOptionsFromConfig();
        if (lib::core::Window* window = manager().sceneManager()->window())
            window->applySettings();
        manager().changeStep("MainMenu");
        break;
    }
    }
}

} // namespace bexil::bmenu
