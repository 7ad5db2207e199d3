#pragma once

#include "lib/core/ProgramController.hpp"

#include <SFML/System/Vector2.hpp>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace bexil::test
{

// A program controller for tests and benchmarks: the scenes and resource list it is given, the
// window of params (a plain window titled "Bexil", 1024 × 768 unless asked, as a test may change
// them), and sound only when asked. It notes the full screen last heard of.
class TestController : public lib::core::ProgramController
{
public:
    TestController(std::vector<std::shared_ptr<lib::scn::Scene>> scenes, std::string resourceFile,
                   bool sound = false, sf::Vector2u size = {1024, 768})
        : m_scenes(std::move(scenes))
        , m_resourceFile(std::move(resourceFile))
        , m_sound(sound)
    {
        params.width = size.x;
        params.height = size.y;
    }

    void onInit() override {}
    std::vector<std::shared_ptr<lib::scn::Scene>> scenesVector() override { return m_scenes; }
    std::string resourceFile() override { return m_resourceFile; }
    bool usesSound() override { return m_sound; }
    lib::core::WindowCreationParams getWindowCreationParams() override { return params; }
    void fullscreenChanged(bool fullscreen) override { heardFullscreen = fullscreen; }

    lib::core::WindowCreationParams params{"Bexil", 1024, 768};
    bool heardFullscreen = false;

private:
    std::vector<std::shared_ptr<lib::scn::Scene>> m_scenes;
    std::string m_resourceFile;
    bool m_sound;
};

} // namespace bexil::test
