#include "bexil/scores/HighScoreTable.hpp"

#include <gtest/gtest.h>

#include <string>

namespace
{

TEST(HighScoreTable, RanksBestFirstKeepsTenAndPutsATieBelowTheOlderEntry)
{
    bexil::scores::HighScoreTable table;
    std::string ranks;
    std::string name = "a";
    for (const std::uint32_t score : {50u, 80u, 50u, 60u, 0u, 70u, 40u, 30u, 20u, 10u, 5u, 5u, 6u})
    {
        const auto rank = table.add({score, 1, "2026-12-07", name});
        ranks += rank ? std::to_string(*rank) : "-";
        ++name[0];
    }
    EXPECT_EQ(ranks, "0021-156789-9") << "0 never enters; a full table needs more than its last";
    std::string names;
    for (const auto& entry : table.entries())
        names += entry.name;
    EXPECT_EQ(names, "bfdacghijm");
}

} // namespace
