#pragma once

#include <SFML/Window/WindowHandle.hpp>

#include <string>

namespace bexil::test
{

// Real X11 events sent to a window through the X server, from a connection of their own, so
// they arrive in the window's event queue as the desktop would deliver them.

// A key press or release of the key with that X keysym name ("Left", "space", "a"), with Alt
// held for "alt+" before the name.
void sendKey(sf::WindowHandle window, const std::string& keysym, bool press);
void tapKey(sf::WindowHandle window, const std::string& keysym);
// A new size for the window, as a desktop's resize border or maximise button gives it.
void resizeWindow(sf::WindowHandle window, unsigned int width, unsigned int height);
// The loss of the keyboard focus, as when another window takes it.
void sendFocusOut(sf::WindowHandle window);
// The window manager's close request (WM_DELETE_WINDOW), as the title bar's close button sends.
void sendCloseRequest(sf::WindowHandle window);
// A property of the window as the X server holds it: text as it is, numbers in decimal; empty
// when the window has no such property.
std::string windowProperty(sf::WindowHandle window, const std::string& name);

} // namespace bexil::test
