#pragma once

#include "lib/core/Window.hpp"
#include "support/TestController.hpp"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Window/Event.hpp>

#include <memory>
#include <string>
#include <vector>

namespace bexil::test
{

// Opens a real window (the tests run under a virtual X server) with the given scenes
// registered. The window lives as long as the returned controller.
std::unique_ptr<TestController> openTestWindow(std::vector<std::shared_ptr<lib::scn::Scene>> scenes,
                                               const std::string& resourceFile = "");

// Writes, under that file name, a resource list naming the game's own fonts and pictures in
// the source tree, and returns the name.
std::string writeGameResourceList(const std::string& fileName);

// The window's current back buffer (what the next display() would show).
sf::Image capture(lib::core::Window& window);

sf::Event::KeyEvent keyEvent(sf::Keyboard::Key code);

} // namespace bexil::test
