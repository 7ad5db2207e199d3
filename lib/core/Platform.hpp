#pragma once

#include <SFML/System/Vector2.hpp>
#include <SFML/Window/WindowHandle.hpp>

#include <functional>
#include <string>

namespace lib::core
{

// Every call the program makes to the desktop system itself, past SFML, is here, so a port to
// another desktop system changes only this unit. Built with X11 (the BEXIL_X11 option) it asks
// the X server; built without, each answer is the portable one, and what cannot be known here
// (is a display there, does it have OpenGL) is left to SFML.
class Platform
{
public:
    // True when a display can be reached (always, without X11). The connection of the probe
    // stays open for the whole run: a server left without clients could reset and then refuse
    // the window's own connection.
    static bool displayAvailable();
    // What keeps the game's window from opening, as one line for the player naming what is
    // missing; empty when nothing is known to be. SFML would abort without a display, and
    // crash without OpenGL or on a screen of fewer than 24 bits of colour.
    static std::string missingForWindow();
    // Has the handler (not null) called when the connection to the display breaks under the
    // running program. The windowing library cannot go on then: the handler is not to return.
    static void onDisplayLoss(void (*handler)());
    // Marks an open window with the id of this process and the name of its machine, so that
    // a desktop (or a test driver) can find the process behind a window.
    static void identifyWindow(sf::WindowHandle window);
    // The largest content a window can have: the desktop's work area where its window manager
    // publishes one (the screen less its panels), else the screen, less the title bar and
    // borders a window manager adds; (0, 0) when no display answers.
    static sf::Vector2u usableArea();
    // The name the player logged in with, as the environment tells it; empty when unknown.
    static std::string loginName();

    // Runs `work` with the process's error stream going nowhere. The libraries under SFML's
    // audio write there directly, a dozen lines for one missing sound device.
    static void withErrorsSilenced(const std::function<void()>& work);
    // Sets a variable of the process's environment, which the libraries it uses read too,
    // unless the player has set it already.
    static void setEnvironmentDefault(const char* name, const char* value);
};

} // namespace lib::core
