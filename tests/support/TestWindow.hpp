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

inline sf::Event::KeyEvent keyEvent(sf::Keyboard::Key code)
{
    sf::Event::KeyEvent key{};
    key.code = code;
    return key;
}

} // namespace bexil::test
