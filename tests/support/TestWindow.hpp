#pragma once

#include "lib/core/Window.hpp"
#include "support/TestController.hpp"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Window/Event.hpp>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace bexil::test
{

// Opens a real window (the tests run under a virtual X server) with the given scenes
// registered. The window lives as long as the returned controller.
inline std::unique_ptr<TestController>
openTestWindow(std::vector<std::shared_ptr<lib::scn::Scene>> scenes,
               const std::string& resourceFile = "")
{
    auto controller = std::make_unique<TestController>(std::move(scenes), resourceFile);
    controller->start();
    return controller;
}

// Writes, under that file name, a resource list naming the game's own resources in the folder
// (by default the run folder's data, where the build puts the fonts, the pictures and the
// sounds), and returns the name.
inline std::string writeGameResourceList(const std::string& fileName,
                                         const std::string& folder = BEXIL_RUN_DIR "/data/")
{
    std::ifstream in(BEXIL_DATA_DIR "res.cfg");
    std::ofstream list(fileName);
    for (std::string line; std::getline(in, line);)
        list << (line.rfind("resources_directory=", 0) == 0 ? "resources_directory=" + folder
                                                            : line)
             << '\n';
    return fileName;
}

// The window's current back buffer (what the next display() would show).
inline sf::Image capture(lib::core::Window& window)
{
    sf::Texture texture;
    texture.create(window.getSize().x, window.getSize().y);
    texture.update(window);
    return texture.copyToImage();
}

// Window events as the window's queue holds them.
inline sf::Event keyEvent(sf::Keyboard::Key code, bool pressed = true)
{
    sf::Event event{};
    event.type = pressed ? sf::Event::KeyPressed : sf::Event::KeyReleased;
    event.key.code = code;
    return event;
}
inline sf::Event buttonEvent(unsigned int button, bool pressed = true, unsigned int joystick = 0)
{
    sf::Event event{};
    event.type = pressed ? sf::Event::JoystickButtonPressed : sf::Event::JoystickButtonReleased;
    event.joystickButton = {joystick, button};
    return event;
}
inline sf::Event axisEvent(sf::Joystick::Axis axis, float position, unsigned int joystick = 0)
{
    sf::Event event{};
    event.type = sf::Event::JoystickMoved;
    event.joystickMove = {joystick, axis, position};
    return event;
}
// A mouse event at that pixel: a move, a press of the button, or the wheel turned by steps.
inline sf::Event mouseEvent(sf::Event::EventType type, int x, int y,
                            sf::Mouse::Button button = sf::Mouse::Left, float steps = 0.f)
{
    sf::Event event{};
    event.type = type;
    if (type == sf::Event::MouseMoved)
        event.mouseMove = {x, y};
    else if (type == sf::Event::MouseWheelScrolled)
        event.mouseWheelScroll = {sf::Mouse::VerticalWheel, steps, x, y};
    else
        event.mouseButton = {button, x, y};
    return event;
}

} // namespace bexil::test
