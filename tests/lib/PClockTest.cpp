#include "lib/PClock.hpp"

#include <gtest/gtest.h>

TEST(PClockTest, PausesCountOnceTheyEndAndRestartForgetsThem)
{
    lib::Clock::useManualTime(true);
    const auto wait = [](float seconds) { lib::Clock::advanceManualTime(sf::seconds(seconds)); };
    lib::PClock clock;
    wait(3);
    clock.pause();
    wait(1);
    clock.pause(); // must not restart the measure of the pause
    wait(1);
    clock.resume();
    clock.resume();
    EXPECT_EQ(sf::seconds(3), clock.getElapsedTime());
    clock.pause();
    wait(1);
    clock.resume();
    clock.pause();
    wait(3);
    EXPECT_EQ(sf::seconds(6), clock.restart()) << "the pauses add up; the running one not yet";
    wait(2);
    clock.resume();
    EXPECT_EQ(sf::seconds(2), clock.getElapsedTime()) << "a restart ends the pause";
}
