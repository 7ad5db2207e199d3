#pragma once

#include "bexil/MenuScene.hpp"
#include "bexil/settings/Settings.hpp"
#include "lib/Clock.hpp"
#include "lib/menu/ChooseControl.hpp"
#include "lib/menu/MenuStep.hpp"
#include "lib/scn/SceneManager.hpp"
#include "lib/scn/draw/Renderizable.hpp"
#include "support/StubScene.hpp"
#include "support/TempDir.hpp"
#include "support/TestWindow.hpp"

#include <SFML/Graphics/Text.hpp>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace bexil::test
{

// The real menu scene (or the menu given to open) and a stub game scene (or the one given) in a
// real 1024 × 768 window, inside a fresh working folder (settings files are read from there), on
// the manual time source. Files the menus should read must be written with dir.write() before
// open().
class MenuHarness
{
public:
    MenuHarness() { lib::Clock::useManualTime(true); }
    ~MenuHarness()
    {
        controller.reset();
        lib::Clock::useManualTime(false);
    }

    // With a game scene, that one instead of the stub.
    void open(std::shared_ptr<lib::menu::MenuManager> scene = std::make_shared<bexil::MenuScene>(),
              std::shared_ptr<lib::scn::Scene> realGame = nullptr)
    {
        menu = std::move(scene);
        game->onKey = [stub = game.get()] { stub->sceneManager()->changeScene("MenuScene"); };
        controller =
            openTestWindow({menu, realGame ? realGame : game}, writeGameResourceList("res.cfg"));
        frame();
    }
    // A tap of the pad's button; a push of an axis to that position and back.
    void tap(unsigned int button)
    {
        send(buttonEvent(button));
        send(buttonEvent(button, false));
    }
    void push(sf::Joystick::Axis axis, float position)
    {
        send(axisEvent(axis, position));
        send(axisEvent(axis, 0.f));
    }
    // The pointer's event at a point in the active scene's units.
    void point(sf::Event::EventType type, float x, float y,
               sf::Mouse::Button button = sf::Mouse::Left, float wheel = 0.f)
    {
        // From the active scene's units, through the view the window has for it.
        const sf::Vector2i pixel = controller->window()->mapCoordsToPixel({x, y});
        send(mouseEvent(type, pixel.x, pixel.y, button, wheel));
    }
    // One frame; true when the program is to end.
    bool frame() { return controller->window()->loopStep(); }
    // Taps the keys one by one, through the window's handling of its events.
    void press(const std::vector<sf::Keyboard::Key>& keys)
    {
        for (sf::Keyboard::Key key : keys)
        {
            send(keyEvent(key));
            send(keyEvent(key, false));
        }
    }
    void send(const sf::Event& event) { controller->window()->handleEvent(event); }

    std::string activePage() const { return menu->activeStep() ? menu->activeStep()->name() : ""; }
    // The six game keys of the shared settings table, each followed by a space.
    static std::string storedKeys()
    {
        std::string keys;
        for (const bexil::settings::Setting& key : bexil::settings::Settings::Keys)
            keys +=
                lib::Configuration(bexil::settings::Settings::ConfigFile).getValue(key.key) + " ";
        return keys;
    }
    // The choose control of a page.
    lib::menu::ChooseControl& control(const std::string& page) const
    {
        for (const auto& step : menu->steps())
            if (step->name() == page)
                return static_cast<lib::menu::ChooseControl&>(*step->controls().at(0));
        throw std::runtime_error("no page " + page);
    }
    // The values the options of the page show, each followed by a space.
    std::string shown(const std::string& page, std::vector<unsigned int> options) const
    {
        std::string values;
        for (unsigned int option : options)
            values +=
                control(page).options.at(option).subOptionText->getAsText()->getString() + " ";
        return values;
    }

    TempDir dir{true};
    std::shared_ptr<lib::menu::MenuManager> menu;
    // Stands in for the game: any key returns to the menu, as after a game.
    std::shared_ptr<StubScene<>> game = std::make_shared<StubScene<>>("GameScene");
    std::unique_ptr<TestController> controller;
};

} // namespace bexil::test
