#include "lib/core/Window.hpp"

#include "lib/Clock.hpp"
#include "lib/scn/SceneManager.hpp"
#include "lib/scn/draw/Renderizable.hpp"
#include "support/Printers.hpp"
#include "support/StubScene.hpp"
#include "support/TestWindow.hpp"
#include "support/XEvents.hpp"

#include <SFML/Graphics/Texture.hpp>

#include <gtest/gtest.h>

#include <unistd.h>

namespace
{

class WindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        lib::Clock::useManualTime(true);
        scene->init = [this]
        {
            scene->createSpriteShape("paint", {2000.f, 2000.f})->setColor(sf::Color(0, 200, 0));
            lib::Clock::advanceManualTime(sf::seconds(5)); // a slow start counts no frames
        };
        controller = bexil::test::openTestWindow({scene});
    }

    lib::core::Window& window() { return *controller->window(); }
    bool frame(int milliseconds = 0)
    {
        lib::Clock::advanceManualTime(sf::milliseconds(milliseconds));
        return window().loopStep();
    }
    sf::WindowHandle handle() { return window().getSystemHandle(); }
    // The actions the scene heard since the last look ("*" for a repeat), and the input of the
    // last.
    std::string heard(lib::input::Input* last = nullptr)
    {
        static const char* const names[] = {"Left", "Right", "Up",   "Down",
                                            "Fire", "Pause", "Back", "None"};
        std::string text;
        for (const lib::input::ActionEvent& event : scene->heard)
            text += std::string(text.empty() ? "" : " ") + names[static_cast<int>(event.action)] +
                    (event.repeat ? "*" : "");
        if (last && !scene->heard.empty())
            *last = scene->heard.back().input;
        scene->heard.clear();
        return text;
    }
    std::string title() { return bexil::test::windowProperty(handle(), "WM_NAME"); }

    std::shared_ptr<bexil::test::StubScene<>> scene =
        std::make_shared<bexil::test::StubScene<>>("Probe");
    std::unique_ptr<bexil::test::TestController> controller;
};

TEST_F(WindowTest, TitleShowsTheFrameCountOnlyAfterMoreThanASecond)
{
    for (int i = 0; i < 5; ++i)
        frame();
    frame(1000);
    EXPECT_EQ("Bexil", title()) << "exactly 1000 ms is not enough";

    frame(1);
    EXPECT_EQ("Bexil FPS:6", title());

    // The next period counts from that frame: the frame that changed the title and two more.
    frame();
    frame();
    frame(1001);
    EXPECT_EQ("Bexil FPS:3", title());
}

TEST_F(WindowTest, CarriesTheProcessIdAndItsMachineSoTheDesktopFindsTheProcess)
{
    char host[256] = {};
    gethostname(host, sizeof host - 1);
    EXPECT_EQ(std::to_string(getpid()), bexil::test::windowProperty(handle(), "_NET_WM_PID"));
    EXPECT_EQ(host, bexil::test::windowProperty(handle(), "WM_CLIENT_MACHINE"));
}

TEST_F(WindowTest, KeysBeforeTheFirstSceneAreDroppedAndACloseEndsTheFrameAfterEarlierKeys)
{
    scene->bindings.bind(lib::input::Action::Left, lib::input::Input::key(sf::Keyboard::Left));
    bexil::test::tapKey(handle(), "a");
    frame();
    EXPECT_EQ("", heard());

    bexil::test::tapKey(handle(), "Left");
    bexil::test::tapKey(handle(), "b");
    frame();
    lib::input::Input last;
    EXPECT_EQ("Left None", heard(&last)) << "keys bound or not";
    EXPECT_EQ(lib::input::Input::key(sf::Keyboard::B), last);
    ASSERT_EQ(1, scene->updates);

    bexil::test::sendKey(handle(), "space", true);
    bexil::test::sendCloseRequest(handle());
    EXPECT_TRUE(frame());
    EXPECT_EQ("None", heard(&last)) << "the key queued before the close is delivered";
    EXPECT_EQ(lib::input::Input::key(sf::Keyboard::Space), last);
    EXPECT_EQ(1, scene->updates) << "a closing frame does not update";
}

// No joystick here: its events are handed to the window's dispatch as the queue would.
TEST_F(WindowTest, JoystickButtonsAndAxesPastTheDeadZoneReachTheirActionsAndHeldDirectionsRepeat)
{
    using lib::input::Action;
    using lib::input::Input;
    scene->bindings.bind(Action::Left, Input::joystickAxis(sf::Joystick::PovX, false));
    scene->bindings.bind(Action::Up, Input::joystickAxis(sf::Joystick::Y, false));
    scene->bindings.bind(Action::Fire, Input::joystickButton(0));
    scene->bindings.bind(Action::Back, Input::mouseButton(sf::Mouse::Right));
    frame();
    const lib::input::InputState& input = window().sceneManager()->input();
    const auto send = [this](const sf::Event& event) { EXPECT_FALSE(window().handleEvent(event)); };
    send(bexil::test::buttonEvent(0, true, 3));
    send(bexil::test::buttonEvent(0, false, 3));
    send(bexil::test::buttonEvent(9));
    EXPECT_EQ(lib::input::Device::Joystick, input.lastDevice());
    send(bexil::test::axisEvent(sf::Joystick::PovX, -33.f)); // inside the dead zone
    send(bexil::test::axisEvent(sf::Joystick::PovX, -34.f));
    send(bexil::test::axisEvent(sf::Joystick::PovX, -100.f));
    send(bexil::test::axisEvent(sf::Joystick::PovX, 0.f));
    send(bexil::test::mouseEvent(sf::Event::MouseButtonPressed, 5, 5, sf::Mouse::Right));
    EXPECT_EQ("Fire None Left Back", heard());

    send(bexil::test::axisEvent(sf::Joystick::Y, -60.f));
    frame(399);
    EXPECT_EQ("Up", heard());
    frame(1);
    frame(119);
    frame(1);
    EXPECT_EQ("Up* Up*", heard()) << "after 0.4 s, then every 0.12 s";
    send(bexil::test::axisEvent(sf::Joystick::Y, 0.f));
    frame(1000);
    EXPECT_EQ("", heard());

    // A pad connected rests where it reports in that frame: a trigger at one end presses nothing.
    sf::Event connected{};
    connected.type = sf::Event::JoystickConnected;
    connected.joystickConnect.joystickId = 1;
    send(connected);
    send(bexil::test::axisEvent(sf::Joystick::Y, -100.f, 1));
    frame();
    send(bexil::test::axisEvent(sf::Joystick::Y, -90.f, 1));
    EXPECT_EQ("", heard());
    send(bexil::test::axisEvent(sf::Joystick::Y, 0.f, 1));
    send(bexil::test::axisEvent(sf::Joystick::Y, -90.f, 1));
    EXPECT_EQ("Up", heard());
    bexil::test::tapKey(handle(), "a");
    frame();
    EXPECT_EQ(lib::input::Device::Keyboard, input.lastDevice());
}

TEST_F(WindowTest, FirstFrameDrawsTheFirstSceneExitFinishesTheFrameAndClosingFreesTheContext)
{
    EXPECT_FALSE(frame());
    EXPECT_EQ(sf::Color(0, 200, 0), bexil::test::capture(window()).getPixel(512, 384));

    scene->onKey = [this] { window().exitProgram(); };
    bexil::test::sendKey(handle(), "Return", true);
    EXPECT_TRUE(frame());
    EXPECT_EQ(1, scene->updates) << "the frame that asked to exit still updates";
    EXPECT_TRUE(window().isOpen()) << "only the entry point closes the window";
    window().closeWindow();

    // The window holds a context lock of SFML's while it is open; it must let go on closing,
    // or textures made or freed afterwards would find no context.
    sf::Image picture;
    picture.create(4, 4, sf::Color::Red);
    sf::Texture texture;
    ASSERT_TRUE(texture.loadFromImage(picture));
    EXPECT_EQ(sf::Color::Red, texture.copyToImage().getPixel(2, 2));
}

TEST_F(WindowTest, ResizesFullScreenAndNewSettingsKeepTheSceneDrawnAndTellItTheNewSize)
{
    // The drawing reaches a new size from the frame after it: the first one still drew into
    // the old.
    const auto painted = [this](unsigned int width, unsigned int height)
    {
        frame();
        frame();
        const sf::Image shot = bexil::test::capture(window());
        return sf::Vector2u(width, height) == window().getSize() &&
               shot.getPixel(width - 1, height - 1) == sf::Color(0, 200, 0) &&
               shot.getPixel(0, 0) == sf::Color(0, 200, 0);
    };
    frame();
    // The desktop's resize: the whole picture follows, and the scene hears of it.
    bexil::test::resizeWindow(handle(), 800, 500);
    for (int i = 0; i < 50 && window().getSize().x != 800; ++i)
        frame();
    EXPECT_TRUE(painted(800, 500));
    EXPECT_EQ(1, scene->resizes);

    // F11: the screen as it is (the display of the tests has no 1024 x 768 mode), the choice
    // told to the controller; Alt+Enter: the window as the player left it.
    bexil::test::tapKey(handle(), "F11");
    EXPECT_TRUE(painted(1280, 1024));
    EXPECT_TRUE(window().params().fullscreen && controller->heardFullscreen);
    bexil::test::tapKey(handle(), "alt+Return");
    EXPECT_TRUE(painted(800, 500));
    EXPECT_FALSE(controller->heardFullscreen);
    EXPECT_TRUE(scene->heard.empty()) << "the window's keys reach no scene";

    // Settings applied: a new size; one larger than the screen, which gets the screen and
    // stays asked for; full screen with antialiasing, in a new native window.
    controller->params.width = 640;
    window().applySettings();
    EXPECT_TRUE(painted(640, 768));
    controller->params = {"Bexil", 1600, 1200};
    window().applySettings();
    EXPECT_TRUE(painted(1280, 1024));
    EXPECT_EQ(1600u, window().params().width);
    controller->params.fullscreen = true;
    controller->params.antialiasing = 2;
    window().applySettings();
    EXPECT_TRUE(painted(1280, 1024));
    EXPECT_TRUE(window().params().fullscreen);
    EXPECT_EQ(std::to_string(getpid()), bexil::test::windowProperty(handle(), "_NET_WM_PID"));
    EXPECT_EQ(1, scene->entered) << "the same scene all along";
    EXPECT_LE(5, scene->resizes);
}

} // namespace
