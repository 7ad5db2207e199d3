#pragma once

#include "lib/core/ProgramController.hpp"
#include "lib/core/Window.hpp"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Window/Event.hpp>

#include <memory>
#include <string>
#include <vector>

namespace bexil::test
{

// A program controller for tests: the scenes and resource list it is given, a plain window.
class TestController : public lib::core::ProgramController
{
public:
    TestController(std::vector<std::shared_ptr<lib::scn::Scene>> scenes, std::string resourceFile,
                   lib::core::WindowCreationParams params);

    void onInit() override {}
    std::vector<std::shared_ptr<lib::scn::Scene>> scenesVector() override { return m_scenes; }
    std::string resourceFile() override { return m_resourceFile; }
    lib::core::WindowCreationParams getWindowCreationParams() override { return m_params; }

private:
    std::vector<std::shared_ptr<lib::scn::Scene>> m_scenes;
    std::string m_resourceFile;
    lib::core::WindowCreationParams m_params;
};

// Opens a real window (the tests run under a virtual X server) with the given scenes
// registered. The window lives as long as the returned controller.
std::unique_ptr<TestController> openTestWindow(std::vector<std::shared_ptr<lib::scn::Scene>> scenes,
                                               const std::string& resourceFile = "",
                                               unsigned int width = 1024,
                                               unsigned int height = 768);

// Writes, under that file name, a resource list naming the game's own fonts and pictures in
// the source tree, and returns the name.
std::string writeGameResourceList(const std::string& fileName);

// The window's current back buffer (what the next display() would show).
sf::Image capture(lib::core::Window& window);

sf::Event::KeyEvent keyEvent(sf::Keyboard::Key code);

} // namespace bexil::test
