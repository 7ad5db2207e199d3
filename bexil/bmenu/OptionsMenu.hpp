#pragma once

#include "bexil/KeyMapping.hpp"
#include "bexil/bmenu/MenuPage.hpp"
#include "bexil/controls/PadMapping.hpp"
#include "lib/Configuration.hpp"

#include <SFML/Window/VideoMode.hpp>

#include <cstddef>
#include <vector>

namespace bexil::bmenu
{

// The window settings read at start-up: antialiasing, resolution (the display's full-screen
// modes, and the stored mode where the display lacks it), full screen and vertical sync; the
// look of the game; the sound and music volumes; the language of the texts; and the ways to the
// key and the controller redefinition pages. Values change on screen only, except the volumes,
// which are heard at once, and the language, in which every page and the next game show at once;
// "Accept" writes them to config.cfg at once (the window's take effect at the next start, the
// look from the next game on), "Cancel" shows and plays what config.cfg holds again and gives back
// the keys the page was opened with, and the pad's bindings.
class OptionsMenu : public MenuPage, public lib::Configuration
{
public:
    OptionsMenu();
    ~OptionsMenu() override;

    void onCreate() override;
    // As "Cancel".
    void onBack() override;
    // What Fire on the option of that index does.
    void chooseOption(unsigned int index);
    // Shows the stored "GraphicsLevel", resolution, "Fullscreen", "VSync", "Look", volumes and
    // "Language", sets the volumes and the language, and takes the stored keys and pad bindings
    // as the ones "Cancel" gives back. A stored value that is not one of its option's values
    // shows the option's first value.
    void updateOptionsFromConfig();

protected:
    // The display's full-screen modes, asked once, when the page is built.
    virtual std::vector<sf::VideoMode> fullscreenModes() const;

private:
    sf::VideoMode storedMode() const;
    // The texts in the language of that choice of the line "Language", this page's at once.
    void showLanguage(std::size_t choice);

    // The values of "Resolution", in order.
    std::vector<sf::VideoMode> m_modes;
    // The keys and the pad's bindings the page was opened with, which "Cancel" gives back.
    KeyMapping m_keysAtOpening;
    controls::PadMapping m_padAtOpening;
};

} // namespace bexil::bmenu
