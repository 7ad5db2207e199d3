#include "lib/Clock.hpp"
#include "lib/scn/draw/NodeShape.hpp"
#include "lib/scn/draw/RenderGroup.hpp"
#include "lib/scn/draw/Renderizable.hpp"
#include "lib/scn/draw/anim/ColorAnimation.hpp"
#include "lib/scn/draw/anim/PositionAnimation.hpp"
#include "support/Printers.hpp"

#include <gtest/gtest.h>

#include <memory>

using lib::scn::draw::anim::ColorAnimation;
using lib::scn::draw::anim::PositionAnimation;

namespace
{

class AnimationTest : public ::testing::Test
{
protected:
    void SetUp() override { lib::Clock::useManualTime(true); }

    static void advance(int milliseconds)
    {
        lib::Clock::advanceManualTime(sf::milliseconds(milliseconds));
    }

    sf::Color fill() const { return leaf->getAsNodeShape()->getFillColor(); }

    std::shared_ptr<lib::scn::draw::Renderizable> leaf =
        lib::scn::draw::RenderGroup("spare").createSpriteShape("shape", {10.f, 10.f});
};

} // namespace

TEST_F(AnimationTest, ColoursTruncateTowardZeroAndEndOnTheStepAfterTheirDuration)
{
    ColorAnimation fade(1000, sf::Color(255, 255, 255, 0), sf::Color(255, 255, 255, 255), leaf);
    advance(250);
    EXPECT_TRUE(fade.animate());
    EXPECT_EQ(sf::Color(255, 255, 255, 63), fill());

    // At exactly the duration it still runs, already at the end value.
    advance(750);
    EXPECT_TRUE(fade.animate());
    EXPECT_EQ(sf::Color(255, 255, 255, 255), fill());

    advance(1);
    EXPECT_FALSE(fade.animate());
    EXPECT_EQ(1.f, fade.delta());

    // -99 x 0.25 = -24.75 goes to -24, not -25.
    ColorAnimation odd(1000, sf::Color(199, 0, 0, 0), sf::Color(100, 0, 0, 0), leaf);
    advance(250);
    odd.animate();
    EXPECT_EQ(175, fill().r);
}

TEST_F(AnimationTest, PositionMovesInAStraightLineToTheExactEndAndZeroDurationEndsAtOnce)
{
    PositionAnimation move(600, {0.f, 0.f}, {60.f, -30.f}, leaf);
    advance(300);
    EXPECT_TRUE(move.animate());
    EXPECT_EQ(sf::Vector2f(30.f, -15.f), leaf->getPosition());
    advance(301);
    EXPECT_FALSE(move.animate());
    EXPECT_EQ(sf::Vector2f(60.f, -30.f), leaf->getPosition());

    PositionAnimation jump(0, {0.f, 0.f}, {5.f, 7.f}, leaf);
    EXPECT_FALSE(jump.animate());
    EXPECT_EQ(sf::Vector2f(5.f, 7.f), leaf->getPosition());
}
