#include "lib/core/StopSignals.hpp"

#include <gtest/gtest.h>

#include <csignal>

namespace
{

using StopSignalsTest = ::testing::TestWithParam<int>;

TEST_P(StopSignalsTest, FirstSignalIsOnlyNotedAndASecondOneEndsTheProcess)
{
    lib::core::StopSignals::install();
    EXPECT_FALSE(lib::core::StopSignals::requested());
    std::raise(GetParam());
    EXPECT_TRUE(lib::core::StopSignals::requested()) << "the process lives on, asked to stop";
    EXPECT_EXIT(
        {
            std::raise(GetParam());
            std::_Exit(0);
        },
        ::testing::KilledBySignal(GetParam()), "");
}

INSTANTIATE_TEST_SUITE_P(DesktopStops, StopSignalsTest, ::testing::Values(SIGTERM, SIGINT, SIGHUP));

} // namespace
