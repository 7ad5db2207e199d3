#include "lib/scn/draw/anim/AnimationManager.hpp"

#include "lib/Clock.hpp"
#include "lib/scn/draw/Renderizable.hpp"
#include "lib/scn/draw/anim/AnimationCreation.hpp"
#include "lib/scn/draw/anim/ColorAnimation.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using lib::scn::draw::Renderizable;
using lib::scn::draw::anim::IAnimation;

namespace
{

using Log = std::vector<std::string>;

// Records its hooks as "started <id>" and "finished <id>"; an animation's id is its duration.
// The first finish hands the followers to the manager.
class RecordingManager : public lib::scn::draw::anim::AnimationManager
{
public:
    void onAnimationStarted(std::shared_ptr<IAnimation> animation,
                            std::shared_ptr<Renderizable>) override
    {
        log.push_back("started " + std::to_string(animation->duration()));
    }

    void onAnimationFinished(std::shared_ptr<IAnimation> animation,
                             std::shared_ptr<Renderizable>) override
    {
        log.push_back("finished " + std::to_string(animation->duration()));
        for (const auto& follower : followers)
            addAnimation(follower);
        followers.clear();
    }

    Log log;
    std::vector<std::shared_ptr<IAnimation>> followers;
};

class AnimationManagerTest : public ::testing::Test
{
protected:
    void SetUp() override { lib::Clock::useManualTime(true); }

    void step(int milliseconds)
    {
        lib::Clock::advanceManualTime(sf::milliseconds(milliseconds));
        manager.updateAnimations();
    }

    static std::shared_ptr<IAnimation> colour(int duration, std::shared_ptr<Renderizable> node)
    {
        return std::make_shared<lib::scn::draw::anim::ColorAnimation>(
            duration, sf::Color::Black, sf::Color::White, std::move(node));
    }

    static std::shared_ptr<IAnimation> position(int duration, std::shared_ptr<Renderizable> node)
    {
        return lib::scn::draw::anim::createMoveAnimation(duration, {}, std::move(node));
    }

    RecordingManager manager;
    std::shared_ptr<Renderizable> node = std::make_shared<Renderizable>("node");
    std::shared_ptr<Renderizable> other = std::make_shared<Renderizable>("other");
};

} // namespace

// The replaced animation gets no finish hook; the rest finish in list order, not by length.
TEST_F(AnimationManagerTest, ReplacesSameTypeOnTheSameNodeAndFinishesInListOrder)
{
    auto dot = std::make_shared<Renderizable>("dot");
    manager.addAnimation(position(120, node));
    manager.addAnimation(colour(800, other));
    manager.addAnimation(position(110, dot));
    manager.addAnimation(colour(100, dot));
    manager.addAnimation(colour(500, dot));
    step(200);
    EXPECT_EQ((Log{"started 120", "started 800", "started 110", "started 100", "started 500",
                   "finished 120", "finished 110"}),
              manager.log);
    manager.log.clear();
    step(1000);
    EXPECT_EQ((Log{"finished 800", "finished 500"}), manager.log);
    EXPECT_EQ(0u, manager.runningAnimations());
}

TEST_F(AnimationManagerTest, AdditionsFromAHookWaitForTheEndOfTheStep)
{
    manager.addAnimation(colour(100, node));
    manager.addAnimation(position(300, other));
    manager.followers = {colour(50, node), position(70, other)};

    // The 50 ms follower's time has already passed, yet the step that adds it does not reach
    // it; the 70 ms one takes the 300 ms animation's place without a hook.
    step(150);
    EXPECT_EQ((Log{"started 100", "started 300", "finished 100", "started 50", "started 70"}),
              manager.log);
    manager.log.clear();
    step(0);
    EXPECT_EQ((Log{"finished 50", "finished 70"}), manager.log);
}
