#pragma once

#include "lib/scn/Scene.hpp"

namespace lib::scn
{

// A scene that shows nothing: the frame runs with it before a game has scenes of its own.
class BlankScene : public Scene
{
public:
    using Scene::Scene;

    void onInit() override {}
    void onDeinit() override {}
    void onEnterScene() override {}
    void onExitScene() override {}
    void update() override {}
    sf::Vector2f getDefaultSizeView() override { return {2000.f, 2000.f}; }
};

} // namespace lib::scn
