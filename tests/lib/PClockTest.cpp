#include "lib/PClock.hpp"

#include <gtest/gtest.h>

namespace
{

void wait(float seconds)
{
    lib::Clock::advanceManualTime(sf::seconds(seconds));
}

TEST(PClockTest, PausesCountOnlyOnceTheyEnd)
{
    lib::Clock::useManualTime(true);
    lib::PClock clock;
    wait(3);
    clock.pause();
    wait(1);
    clock.pause(); // must not restart the measure of the pause
    wait(1);
    EXPECT_EQ(clock.getElapsedTime(), sf::seconds(5));
    clock.resume();
    clock.resume();
    EXPECT_EQ(clock.getElapsedTime(), sf::seconds(3));
    clock.pause();
    wait(1);
    clock.resume();
    wait(4);
    EXPECT_EQ(clock.getElapsedTime(), sf::seconds(7));

    clock.pause();
    wait(3);
    EXPECT_EQ(clock.restart(), sf::seconds(10));
    wait(2);
    clock.resume();
    EXPECT_EQ(clock.getElapsedTime(), sf::seconds(2));
}

} // namespace
