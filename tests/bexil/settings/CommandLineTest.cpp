#include "bexil/settings/CommandLine.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace
{

using Action = bexil::settings::CommandLine::Action;

struct Case
{
    std::vector<const char*> arguments;
    Action action;
    std::optional<std::uint32_t> seed;
};

const Case Cases[] = {
    {{}, Action::Play, std::nullopt},
    {{"--seed", "42"}, Action::Play, 42},
    {{"--seed=0"}, Action::Play, 0},
    {{"--seed", "4294967295"}, Action::Play, 4294967295u},
    {{"--help"}, Action::Help, std::nullopt},
    {{"--seed", "3", "--version"}, Action::Version, 3},
    {{"--seed"}, Action::Wrong, std::nullopt},
    {{"--seed", "-1"}, Action::Wrong, std::nullopt},
    {{"--seed", "12x"}, Action::Wrong, std::nullopt},
    {{"--seed="}, Action::Wrong, std::nullopt},
    {{"--seed", "4294967296"}, Action::Wrong, std::nullopt},
    {{"--fast"}, Action::Wrong, std::nullopt},
};

TEST(CommandLine, ReadsTheSeedHelpAndVersionAndRefusesTheRest)
{
    for (const Case& c : Cases)
    {
        std::vector<const char*> argv{"bexil"};
        argv.insert(argv.end(), c.arguments.begin(), c.arguments.end());
        const bexil::settings::CommandLine line(static_cast<int>(argv.size()), argv.data());
        const std::string shown = ::testing::PrintToString(c.arguments);
        EXPECT_EQ(line.action(), c.action) << shown;
        EXPECT_EQ(line.seed(), c.seed) << shown;
        EXPECT_EQ(line.error().empty(), c.action != Action::Wrong) << shown;
    }
    for (const char* option : {"--seed N", "--help", "--version"})
        EXPECT_NE(bexil::settings::CommandLine::usage().find(option), std::string::npos) << option;
}

} // namespace
