#pragma once

#include "bexil/KeyMapping.hpp"
#include "bexil/bmenu/MenuPage.hpp"
#include "bexil/controls/PadMapping.hpp"
#include "lib/Configuration.hpp"

#include <SFML/Window/VideoMode.hpp>

#include <cstddef>
#include <memory>
#include <vector>

namespace bexil::bmenu
{

class LookPreview;

// The window's settings: antialiasing, resolution (each size of the display once, and the
// stored size where the display lacks it), full screen (which follows F11 too) and vertical
// sync; the look of the game, with a glimpse of it; the sound and music volumes (0 to 10); the
// language of the texts; and the ways to the key and the controller redefinition pages. Values
// change on screen only, except the volumes, which are heard at once, and the language, in which
// every page and the next game show at once; "Accept" writes them to config.cfg and applies them
// at once (the window's to the running window, the look from the next game on), "Cancel" shows
// and plays what config.cfg holds again and gives back the keys the page was opened with, and
// the pad's bindings.
class OptionsMenu : public MenuPage, public lib::Configuration
{
public:
    OptionsMenu();
    ~OptionsMenu() override;

    void onCreate() override;
    void onShow() override;
    void update() override;
    // As "Cancel".
    void onBack() override;
    // What Fire on the option of that index does.
    void chooseOption(unsigned int index);
    // Shows the stored "GraphicsLevel", resolution, "Fullscreen", "VSync", "Look", volumes and
    // "Language", sets the volumes and the language, and takes the stored keys and pad bindings
    // as the ones "Cancel" gives back. A stored value that is not one of its option's values
    // shows the option's first value.
    void updateOptionsFromConfig();

    const std::shared_ptr<LookPreview>& lookPreview() const { return m_lookPreview; }

protected:
    // The display's full-screen modes, asked once, when the page is built, and its colour depth.
    virtual std::vector<sf::VideoMode> fullscreenModes() const;
    virtual unsigned int desktopDepth() const;

private:
    sf::VideoMode storedMode() const;
    std::vector<sf::VideoMode> offeredModes() const;
    void addLookPreview();
    void followWindow();
    // The texts in the language of that choice of the line "Language", this page's at once.
    void showLanguage(std::size_t choice);

    // The values of "Resolution", in order.
    std::vector<sf::VideoMode> m_modes;
    // The keys and the pad's bindings the page was opened with, which "Cancel" gives back.
    KeyMapping m_keysAtOpening;
    controls::PadMapping m_padAtOpening;
    std::shared_ptr<LookPreview> m_lookPreview;
    // Full screen as the page last saw the window.
    bool m_windowFullscreen = false;
};

} // namespace bexil::bmenu
