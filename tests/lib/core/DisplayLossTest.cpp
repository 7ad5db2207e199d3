#include "lib/core/DisplayLoss.hpp"

#include "lib/core/ProgramName.hpp"
#include "support/TempDir.hpp"

#include <gtest/gtest.h>

#include <fstream>

namespace
{

TEST(DisplayLoss, RunsTheActionOnceThenEndsWithStatusOneAndOneLine)
{
    bexil::test::TempDir dir(true);
    lib::core::ProgramName::set("probe");
    EXPECT_EXIT(
        {
            lib::core::DisplayLoss::setAction(
                []
                {
                    std::ofstream("saved.cfg", std::ios::app) << "saved\n";
                    // An action that meets the lost display again does not run twice.
                    lib::core::DisplayLoss::displayLost();
                });
            lib::core::DisplayLoss::displayLost();
        },
        ::testing::ExitedWithCode(1), "^probe: the connection to the display was lost; ending\n$");
    EXPECT_EQ("saved\n", dir.read("saved.cfg"));
}

} // namespace
