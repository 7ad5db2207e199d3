#include "support/TestWindow.hpp"

#include <SFML/Graphics/Texture.hpp>

#include <fstream>

namespace bexil::test
{

std::unique_ptr<TestController> openTestWindow(std::vector<std::shared_ptr<lib::scn::Scene>> scenes,
                                               const std::string& resourceFile)
{
    auto controller = std::make_unique<TestController>(std::move(scenes), resourceFile);
    controller->start();
    return controller;
}

std::string writeGameResourceList(const std::string& fileName)
{
    std::ifstream in(std::string(BEXIL_DATA_DIR) + "res.cfg");
    std::ofstream list(fileName);
    std::string line;
    while (std::getline(in, line))
    {
        if (line.rfind("resources_directory=", 0) == 0)
            line = std::string("resources_directory=") + BEXIL_DATA_DIR;
        list << line << '\n';
    }
    return fileName;
}

sf::Image capture(lib::core::Window& window)
{
    sf::Texture texture;
    texture.create(window.getSize().x, window.getSize().y);
    texture.update(window);
    return texture.copyToImage();
}

sf::Event::KeyEvent keyEvent(sf::Keyboard::Key code)
{
    sf::Event::KeyEvent key{};
    key.code = code;
    return key;
}

} // namespace bexil::test
