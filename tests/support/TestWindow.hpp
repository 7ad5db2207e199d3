#pragma once

#include "lib/core/ProgramController.hpp"
#include "lib/core/Window.hpp"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Window/Event.hpp>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace bexil::test
{

// A program controller for tests: the scenes and resource list it is given, a plain 1024 × 768
// window titled "Bexil".
class TestController : public lib::core::ProgramController
{
public:
    TestController(std::vector<std::shared_ptr<lib::scn::Scene>> scenes, std::string resourceFile)
        : m_scenes(std::move(scenes))
        , m_resourceFile(std::move(resourceFile))
    {
    }

    void onInit() override {}
    std::vector<std::shared_ptr<lib::scn::Scene>> scenesVector() override { return m_scenes; }
    std::string resourceFile() override { return m_resourceFile; }
    lib::core::WindowCreationParams getWindowCreationParams() override
    {
        lib::core::WindowCreationParams params;
        params.title = "Bexil";
        params.width = 1024;
        params.height = 768;
        return params;
    }

private:
    std::vector<std::shared_ptr<lib::scn::Scene>> m_scenes;
    std::string m_resourceFile;
};

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
