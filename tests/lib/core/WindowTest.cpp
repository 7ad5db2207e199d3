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

} // namespace
