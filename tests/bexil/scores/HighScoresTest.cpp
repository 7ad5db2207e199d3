#include "bexil/scores/HighScores.hpp"

#include "support/TempDir.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{

using bexil::scores::HighScores;
using bexil::test::TempDir;

// A table as its entries' values, each followed by "|".
std::string shown(const HighScores& scores, std::size_t gameMode)
{
    std::string all;
    for (const auto& entry : scores.table(gameMode).entries())
        all += HighScores::formatEntry(entry) + "|";
    return all;
}

TEST(HighScores, KeepsTheGoodLinesOfADamagedFileAndSavesThemAlone)
{
    TempDir dir(true);
    // Every kind of damage, line by line, then a megabyte of junk before one more good line.
    dir.write("highscores.cfg", dir.read(BEXIL_TESTS_DIR "fuzz/corpus/high_scores/damaged.cfg") +
                                    std::string(1 << 20, '\xAB') + "\ntime9=8 2 2026-02-28 Eve\n");
    const std::string token = u8"500 5 2026-01-01 Łucja|300 3 2026-01-02 Bo|300 4 2026-01-03 Cy|";
    const std::string time = "8 2 2026-02-28 Eve|7 1 2026-02-29 Di|";
    HighScores scores;
    EXPECT_EQ(shown(scores, 0), token) << "a tie keeps the order of the file";
    EXPECT_EQ(shown(scores, 1), time);
    ASSERT_TRUE(scores.save());
    EXPECT_EQ(dir.read("highscores.cfg"), u8"token1=500 5 2026-01-01 Łucja\n"
                                          u8"token2=300 3 2026-01-02 Bo\n"
                                          u8"token3=300 4 2026-01-03 Cy\n"
                                          u8"time1=8 2 2026-02-28 Eve\n"
                                          u8"time2=7 1 2026-02-29 Di\n");
    lib::Configuration::reload("highscores.cfg");
    const HighScores again;
    EXPECT_EQ(shown(again, 0) + shown(again, 1), token + time);
}

TEST(HighScores, AFolderOrPipeInPlaceReadsEmptyAndAFailedSaveSaysSoInOneLine)
{
    TempDir dir(true);
    std::filesystem::create_directory("highscores.cfg");
    ASSERT_EQ(0, mkfifo("pipe.cfg", 0600));
    for (const char* name : {"highscores.cfg", "pipe.cfg"})
    {
        HighScores scores(name);
        EXPECT_EQ(shown(scores, 0) + shown(scores, 1), "") << name;
        scores.table(1).add({1, 1, "2026-01-01", "A"});
        testing::internal::CaptureStderr();
        EXPECT_FALSE(scores.save()) << name;
        const std::string error = testing::internal::GetCapturedStderr();
        EXPECT_NE(error.find(name), std::string::npos) << error;
        EXPECT_EQ(error.find('\n'), error.size() - 1) << error;
    }
    EXPECT_TRUE(std::filesystem::is_directory("highscores.cfg"));
    EXPECT_TRUE(std::filesystem::is_fifo("pipe.cfg"));
}

// Two games that enter a score in the same table at the same moment, released together, in
// many trials: each save puts its entry into the table as the other left it.
TEST(HighScores, TwoProgramsSavingAtOnceKeepBothEntriesRanked)
{
    TempDir dir(true);
    for (int trial = 0; trial < 20; ++trial)
    {
        dir.write("highscores.cfg", "token1=50 2 2026-01-01 Old\n");
        lib::Configuration::reload("highscores.cfg");
        int release[2];
        ASSERT_EQ(0, pipe(release));
        for (const std::uint32_t score : {70u, 30u})
            if (fork() == 0)
            {
                HighScores scores;
                scores.table(0).add({score, 1, "2026-01-02", "P" + std::to_string(score)});
                close(release[1]);
                char go = 0;
                _exit(read(release[0], &go, 1) == 0 && scores.save() ? 0 : 1);
            }
        close(release[0]);
        close(release[1]);
        for (int status = 0; wait(&status) > 0;)
            EXPECT_EQ(0, status) << "trial " << trial << ": a save failed";
        EXPECT_EQ(dir.read("highscores.cfg"), "token1=70 1 2026-01-02 P70\n"
                                              "token2=50 2 2026-01-01 Old\n"
                                              "token3=30 1 2026-01-02 P30\n")
            << "trial " << trial;
    }
}

} // namespace
