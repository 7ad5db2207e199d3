#include "bexil/bmenu/HowToPlayMenu.hpp"

#include "bexil/MenuScene.hpp"
#include "lib/Randomizer.hpp"
#include "lib/scn/draw/Renderizable.hpp"
#include "lib/scn/draw/anim/IAnimation.hpp"
#include "support/HeadlessGame.hpp"
#include "support/MenuHarness.hpp"
#include "support/TempDir.hpp"

#include <SFML/Graphics/Text.hpp>

#include <gtest/gtest.h>

namespace
{

TEST(HowToPlayMenu, NamesThePlayersKeysAsBoundAndPlaysItsSmallBoardAgainAfterEachGame)
{
    const bexil::test::TempDir folder(true);
    lib::Randomizer::seedProgram(3);
    folder.write("config.cfg", "key0=0\nkey_launch4=58\n"); // A for Left, Return to launch
    const auto menu = std::make_shared<bexil::MenuScene>();
    bexil::test::Headless run({menu});
    menu->changeStep("HowToPlayMenu");
    const auto& page = dynamic_cast<bexil::bmenu::HowToPlayMenu&>(*menu->activeStep());
    std::string text;
    for (const auto& child : page.children())
        if (const auto* line = dynamic_cast<lib::scn::draw::Renderizable*>(child.get()))
            text += line->getAsText() ? line->getAsText()->getString().toAnsiString() + "\n" : "";
    EXPECT_NE(text.find("A, Right, Up, Down: turn"), std::string::npos) << text;
    EXPECT_NE(text.find("Return: launch"), std::string::npos) << text;
    EXPECT_NE(text.find("Escape: pause"), std::string::npos) << text;

    run.run(sf::seconds(120));
    EXPECT_GT(page.board()->score(), 0u) << "the computer plays";
    bexil::test::endGame(*page.board());
    EXPECT_EQ(page.board()->gameState(), bexil::GameScene::GameState::GameOver);
    run.run(sf::seconds(2));
    EXPECT_FALSE(bexil::test::showsHighScore(*page.board())) << "the computer's score";
    run.run(sf::seconds(2));
    EXPECT_EQ(page.board()->gameState(), bexil::GameScene::GameState::Playing) << "a new game";
    EXPECT_EQ(page.board()->score(), 0u);
}

// A 160 ms animation that counts its steps.
struct Probe : lib::scn::draw::anim::IAnimation
{
    Probe()
        : IAnimation(160, std::make_shared<lib::scn::draw::Renderizable>("probe"))
    {
    }
    std::string animationType() const override { return "Probe"; }
    bool animate() override
    {
        ++steps;
        return IAnimation::animate();
    }
    int steps = 0;
};

TEST(HowToPlayMenu, ItsBoardInTheMenusWindowStepsAnAnimationOnceAFrameThroughItsDuration)
{
    bexil::test::MenuHarness menus;
    menus.open();
    menus.menu->changeStep("HowToPlayMenu");
    const auto probe = std::make_shared<Probe>();
    auto& page = dynamic_cast<bexil::bmenu::HowToPlayMenu&>(*menus.menu->activeStep());
    page.board()->addAnimation(probe);
    for (int frame = 0; frame < 20; ++frame)
    {
        lib::Clock::advanceManualTime(sf::milliseconds(16));
        menus.frame();
    }
    // Running at 16, 32, ... 160 ms; the frame at 176 ms, the first past its 160 ms, ends it.
    EXPECT_EQ(11, probe->steps);
}

} // namespace
