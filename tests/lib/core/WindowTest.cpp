#include "lib/core/Window.hpp"

#include "lib/Clock.hpp"
#include "lib/scn/Scene.hpp"
#include "lib/scn/SceneManager.hpp"
#include "lib/scn/draw/NodeShape.hpp"
#include "lib/scn/draw/Renderizable.hpp"
#include "support/Printers.hpp"
#include "support/TestWindow.hpp"
#include "support/XEvents.hpp"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace
{

// A scene that paints the window one colour and records what happens to it.
class ProbeScene : public lib::scn::Scene
{
public:
    explicit ProbeScene(const std::string& name = "Probe")
        : Scene(name)
    {
    }

    void onInit() override
    {
        auto shape = createSpriteShape("paint", {2000.f, 2000.f});
        shape->setColor(sf::Color(0, 200, 0));
    }
    void onDeinit() override {}
    void onEnterScene() override {}
    void onExitScene() override {}
    void update() override { ++updates; }
    void onKeyPressed(sf::Event::KeyEvent key) override
    {
        pressed.push_back(key.code);
        if (onPress)
            onPress();
    }
    void onKeyReleased(sf::Event::KeyEvent key) override { released.push_back(key.code); }
    sf::Vector2f getDefaultSizeView() override { return {2000.f, 2000.f}; }

    int updates = 0;
    std::vector<sf::Keyboard::Key> pressed;
    std::vector<sf::Keyboard::Key> released;
    std::function<void()> onPress;
};

class WindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        lib::Clock::useManualTime(true);
        scene = std::make_shared<ProbeScene>();
        controller = bexil::test::openTestWindow({scene});
    }

    lib::core::Window& window() { return *controller->window(); }
    sf::WindowHandle handle() { return window().getSystemHandle(); }

    std::shared_ptr<ProbeScene> scene;
    std::unique_ptr<bexil::test::TestController> controller;
};

TEST_F(WindowTest, TitleShowsTheFrameCountOnlyAfterMoreThanASecond)
{
    for (int frame = 0; frame < 5; ++frame)
        window().loopStep();
    lib::Clock::advanceManualTime(sf::milliseconds(1000));
    window().loopStep();
    EXPECT_EQ("Bexil", bexil::test::windowTitle(handle())) << "exactly 1000 ms is not enough";

    lib::Clock::advanceManualTime(sf::milliseconds(1));
    window().loopStep();
    EXPECT_EQ("Bexil FPS:6", bexil::test::windowTitle(handle()));

    // The next period counts from that frame: the frame that changed the title and two more.
    window().loopStep();
    window().loopStep();
    lib::Clock::advanceManualTime(sf::milliseconds(1001));
    window().loopStep();
    EXPECT_EQ("Bexil FPS:3", bexil::test::windowTitle(handle()));
}

TEST_F(WindowTest, KeysBeforeTheFirstSceneAreDroppedAndACloseEndsTheFrameAfterEarlierKeys)
{
    bexil::test::tapKey(handle(), "a");
    window().loopStep();
    EXPECT_TRUE(scene->pressed.empty());

    bexil::test::tapKey(handle(), "Left");
    window().loopStep();
    EXPECT_EQ(std::vector<sf::Keyboard::Key>{sf::Keyboard::Left}, scene->pressed);
    EXPECT_EQ(std::vector<sf::Keyboard::Key>{sf::Keyboard::Left}, scene->released);
    ASSERT_EQ(1, scene->updates);

    bexil::test::sendKey(handle(), "space", true);
    bexil::test::sendCloseRequest(handle());
    EXPECT_TRUE(window().loopStep());
    EXPECT_EQ((std::vector<sf::Keyboard::Key>{sf::Keyboard::Left, sf::Keyboard::Space}),
              scene->pressed)
        << "the key queued before the close is delivered";
    EXPECT_EQ(1, scene->updates) << "a closing frame does not update";
}

TEST_F(WindowTest, FirstFrameActivatesAndDrawsTheFirstSceneAndExitProgramFinishesTheFrame)
{
    EXPECT_EQ(sf::Vector2u(1024, 768), window().getSize());
    EXPECT_EQ(nullptr, window().sceneManager()->currentScene());
    EXPECT_FALSE(window().loopStep());
    EXPECT_EQ(scene, window().sceneManager()->currentScene());
    EXPECT_EQ(0, scene->updates) << "the activating frame does not update";
    EXPECT_EQ(sf::Color(0, 200, 0), bexil::test::capture(window()).getPixel(512, 384));

    scene->onPress = [this] { window().exitProgram(); };
    bexil::test::sendKey(handle(), "Return", true);
    EXPECT_TRUE(window().loopStep());
    EXPECT_EQ(1, scene->updates) << "the frame that asked to exit still updates";
    EXPECT_TRUE(window().isOpen()) << "only the entry point closes the window";
    window().closeWindow();
    EXPECT_FALSE(window().isOpen());
}

TEST_F(WindowTest, DrawCallsCountTheVertexArraysTheLeavesHandToSfml)
{
    sf::Font font;
    ASSERT_TRUE(font.loadFromFile(BEXIL_DATA_DIR "fonts/DejaVuSans-Bold.ttf"));
    scene->createShape("outlined", {100.f, 100.f})->getAsNodeShape()->setOutlineThickness(4.f);
    scene->createText("fontless")->getAsText()->setString("no font, nothing drawn");
    scene->createText("text")->getAsText()->setFont(font);
    scene->createSpriteShape("hidden", {10.f, 10.f})->setVisible(false);

    window().loopStep();
    // The painted rectangle 1, the outlined ellipse 2 (fill and outline), the text with a font 1.
    EXPECT_EQ(4u, window().drawCalls());
    window().loopStep();
    EXPECT_EQ(8u, window().drawCalls()) << "the count runs on until it is reset";
    window().resetDrawCalls();
    EXPECT_EQ(0u, window().drawCalls());
    window().loopStep();
    EXPECT_EQ(4u, window().drawCalls());
}

TEST_F(WindowTest, TexturesStillWorkAfterTheWindowIsClosed)
{
    // The window holds a context lock of SFML's while it is open; it must let go on closing,
    // or textures made or freed afterwards would find no context.
    window().loopStep();
    window().closeWindow();
    sf::Image picture;
    picture.create(4, 4, sf::Color::Red);
    sf::Texture texture;
    ASSERT_TRUE(texture.loadFromImage(picture));
    EXPECT_EQ(sf::Color::Red, texture.copyToImage().getPixel(2, 2));
}

} // namespace
