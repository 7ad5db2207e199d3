#include "lib/core/Window.hpp"

#include "lib/Clock.hpp"
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
    bexil::test::tapKey(handle(), "a");
    frame();
    EXPECT_TRUE(scene->pressed.empty());

    bexil::test::tapKey(handle(), "Left");
    frame();
    EXPECT_EQ(std::vector<sf::Keyboard::Key>{sf::Keyboard::Left}, scene->pressed);
    EXPECT_EQ(std::vector<sf::Keyboard::Key>{sf::Keyboard::Left}, scene->released);
    ASSERT_EQ(1, scene->updates);

    bexil::test::sendKey(handle(), "space", true);
    bexil::test::sendCloseRequest(handle());
    EXPECT_TRUE(frame());
    EXPECT_EQ((std::vector<sf::Keyboard::Key>{sf::Keyboard::Left, sf::Keyboard::Space}),
              scene->pressed)
        << "the key queued before the close is delivered";
    EXPECT_EQ(1, scene->updates) << "a closing frame does not update";
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
    EXPECT_TRUE(scene->pressed.empty()) << "the window's keys reach no scene";

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
