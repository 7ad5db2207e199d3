#include "lib/Clock.hpp"
#include "lib/scn/draw/NodeShape.hpp"
#include "lib/scn/draw/RenderGroup.hpp"
#include "lib/scn/draw/Renderizable.hpp"
#include "lib/scn/draw/anim/AnimationCreation.hpp"
#include "lib/scn/draw/anim/AnimationManager.hpp"
#include "lib/scn/draw/anim/ColorAnimation.hpp"
#include "support/Printers.hpp"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using lib::scn::draw::anim::createMoveAnimation;
using Log = std::vector<std::string>;
using Node = std::shared_ptr<lib::scn::draw::Renderizable>;
using Animation = std::shared_ptr<lib::scn::draw::anim::IAnimation>;

namespace
{

// A manager that logs its finish hook as "finished <id>", an animation's id being its duration;
// its first finish adds the followers. Time is manual.
class AnimationTest : public ::testing::Test, public lib::scn::draw::anim::AnimationManager
{
protected:
    void SetUp() override { lib::Clock::useManualTime(true); }
    void onAnimationFinished(Animation animation, Node) override
    {
        log.push_back("finished " + std::to_string(animation->duration()));
        for (const Animation& follower : std::exchange(followers, {}))
            addAnimation(follower);
    }
    // Steps once after that time and returns what was logged since the last step.
    Log step(int milliseconds)
    {
        lib::Clock::advanceManualTime(sf::milliseconds(milliseconds));
        updateAnimations();
        return std::exchange(log, {});
    }
    static Animation colour(int duration, const Node& node, sf::Color from = {}, sf::Color to = {})
    {
        return std::make_shared<lib::scn::draw::anim::ColorAnimation>(duration, from, to, node);
    }

    Log log;
    std::vector<Animation> followers;
    Node node = std::make_shared<lib::scn::draw::Renderizable>("node");
    Node other = std::make_shared<lib::scn::draw::Renderizable>("other");
    Node box = lib::scn::draw::RenderGroup("spare").createSpriteShape("box", {10.f, 10.f});
};

} // namespace

TEST_F(AnimationTest, ColoursTruncateTowardZeroAndEndOnTheStepAfterTheirDuration)
{
    // Red falls by 99 and alpha rises by 255: at a quarter, -24.75 and 63.75 give -24 and 63.
    addAnimation(colour(1000, box, {199, 255, 255, 0}, {100, 255, 255, 255}));
    step(250);
    EXPECT_EQ(sf::Color(175, 255, 255, 63), box->getAsNodeShape()->getFillColor());
    EXPECT_EQ(Log{}, step(750)) << "at exactly its duration it still runs";
    EXPECT_EQ(sf::Color(100, 255, 255, 255), box->getAsNodeShape()->getFillColor());
    EXPECT_EQ(Log{"finished 1000"}, step(1));
}

TEST_F(AnimationTest, AManagerReplacesSameTypeOnTheSameNodeUnannouncedAndFinishesInListOrder)
{
    addAnimation(createMoveAnimation(120, {}, node));
    addAnimation(colour(800, other));
    addAnimation(createMoveAnimation(110, {}, other));
    addAnimation(colour(100, node));
    addAnimation(colour(500, node));
    EXPECT_EQ((Log{"finished 120", "finished 110"}), step(200));
    EXPECT_EQ((Log{"finished 800", "finished 500"}), step(1000));
}

TEST_F(AnimationTest, AdditionsFromAHookWaitForTheEndOfTheStep)
{
    addAnimation(colour(100, node));
    addAnimation(createMoveAnimation(300, {}, other));
    followers = {colour(50, node), createMoveAnimation(70, {}, other)};
    // The 50 ms follower's time has already passed, yet the step that adds it does not reach
    // it; the 70 ms one takes the 300 ms animation's place without a hook.
    EXPECT_EQ(Log{"finished 100"}, step(150));
    EXPECT_EQ((Log{"finished 50", "finished 70"}), step(0));
    EXPECT_EQ(0u, runningAnimations());
}
