#include "lib/Configuration.hpp"

#include "support/TempDir.hpp"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace
{

using lib::Configuration;

TEST(ConfigurationTest, ObjectsOnOneNameShareATableReadOnce)
{
    bexil::test::TempDir dir(true);
    dir.write("config.cfg", "b=2\na=1\n");
    Configuration first("config.cfg");
    // Another program saves meanwhile: its keys stay, except those this run changed; a key it
    // lost keeps this run's value.
    dir.write("config.cfg", "a=changed on disk\nc=3\nd=theirs\n");
    Configuration second("config.cfg");
    EXPECT_EQ(first.value("a", "9", true), "9");
    EXPECT_EQ(second.value("z", "26"), "26");
    EXPECT_EQ(second.value("a", "ignored"), "9");
    EXPECT_EQ(second.value("d", "mine", true), "mine");
    ASSERT_TRUE(second.saveConfig());
    EXPECT_EQ(dir.read("config.cfg"), "a=9\nb=2\nc=3\nd=mine\nz=26\n");
    EXPECT_EQ(first.getValue("c"), "3");
    EXPECT_EQ(first.value("e", "default"), "default");
    dir.write("config.cfg", "c=4\ne=theirs\n");
    ASSERT_TRUE(first.saveConfig());
    EXPECT_EQ(dir.read("config.cfg"), "a=9\nb=2\nc=4\nd=mine\ne=theirs\nz=26\n")
        << "all saved before; a default filled in is no change";
    EXPECT_EQ(2, std::distance(std::filesystem::directory_iterator(dir.file("")), {}))
        << "no temporary file is left beside the file and its lock";

    dir.write("config.cfg", "fresh=1\n");
    Configuration::reload("config.cfg");
    EXPECT_EQ(first.getValue("fresh") + first.getValue("a"), "1");

    dir.write(":NextGame", "GameMode=1\n");
    Configuration next(":NextGame");
    EXPECT_EQ(next.getAsInt("GameMode", 7), 7);
    next.valueAsInt("StartLevel", 3, true);
    EXPECT_FALSE(next.saveConfig());
    EXPECT_EQ(dir.read(":NextGame"), "GameMode=1\n");
    EXPECT_EQ(Configuration(":NextGame").getAsInt("StartLevel", 0), 3);
}

// Links planted at the old fixed temporary name and at the first names this process picks are
// passed over: the file they point to keeps its bytes. A folder in the file's place stays.
TEST(ConfigurationTest, SavesReplaceOnlyFilesThroughNoPlantedLinkAndKeepTheirMode)
{
    bexil::test::TempDir dir(true);
    std::filesystem::create_directory("folder.cfg");
    EXPECT_FALSE(Configuration("folder.cfg").saveConfig());
    EXPECT_FALSE(Configuration("missing/inside.cfg").saveConfig());
    dir.write("victim", "secret\n");
    dir.write("config.cfg", "old=1\n");
    std::filesystem::permissions("config.cfg", std::filesystem::perms(0604));
    for (int n = -1; n < 20; ++n)
        std::filesystem::create_symlink("victim", n < 0 ? "config.cfg.tmp"
                                                        : "config.cfg." + std::to_string(getpid()) +
                                                              "-" + std::to_string(n) + ".tmp");
    Configuration config("config.cfg");
    config.value("new", "2");
    ASSERT_TRUE(config.saveConfig());
    EXPECT_EQ(dir.read("victim") + dir.read("config.cfg"), "secret\nnew=2\nold=1\n");
    EXPECT_EQ(std::filesystem::symlink_status("config.cfg").permissions(),
              std::filesystem::perms(0604));
    EXPECT_TRUE(std::filesystem::is_directory("folder.cfg"));
}

// A folder where no new file can be made is one such place, a name with no room left beside it
// for a longer one another: the file is rewritten in place, shorter or longer.
TEST(ConfigurationTest, WithoutATemporaryFileTheFileIsRewrittenInPlace)
{
    bexil::test::TempDir dir(true);
    const std::string name(250, 'c');
    dir.write(name, "a=" + std::string(100, 'x') + "\n");
    Configuration config(name);
    config.value("a", "1", true);
    ASSERT_TRUE(config.saveConfig());
    EXPECT_EQ(dir.read(name), "a=1\n");
    config.value("b", std::string(5000, 'y'));
    ASSERT_TRUE(config.saveConfig());
    EXPECT_EQ(dir.read(name), "a=1\nb=" + std::string(5000, 'y') + "\n");
}

// Two programs that save one file at the same moment (two games stopped by one logout), released
// together, in many trials: every save succeeds, and the file is one program's whole table.
TEST(ConfigurationTest, TwoProgramsSavingAtOnceLeaveOneWholeTable)
{
    bexil::test::TempDir dir(true);
    const std::string tables[] = {"a=" + std::string(2'000'000, '1') + "\n",
                                  "a=" + std::string(2'000'001, '2') + "\n"};
    for (int trial = 0; trial < 10; ++trial)
    {
        int release[2];
        ASSERT_EQ(0, pipe(release));
        for (const std::string& table : tables)
            if (fork() == 0)
            {
                Configuration config("config.cfg");
                config.value("a", table.substr(2, table.size() - 3), true);
                close(release[1]);
                char go = 0;
                _exit(read(release[0], &go, 1) == 0 && config.saveConfig() ? 0 : 1);
            }
        close(release[0]);
        close(release[1]); // both programs see the end of the pipe at once
        for (int status = 0; wait(&status) > 0;)
            EXPECT_EQ(0, status) << "trial " << trial << ": a save failed";
        const std::string saved = dir.read("config.cfg");
        EXPECT_TRUE(saved == tables[0] || saved == tables[1]) << "trial " << trial << ": a mix";
    }
}

// A program killed while it saves, over and over: the file is the old one or the new one, the
// lock is gone with it, and the next save removes the temporary file it left.
TEST(ConfigurationTest, AProgramKilledInMidSaveLeavesAWholeFileAndNothingInTheWay)
{
    bexil::test::TempDir dir(true);
    const std::string old = "a=old\n", saved = "a=" + std::string(4'000'000, 'n') + "\n";
    const auto temporaries = [&dir]
    {
        int count = 0;
        for (const auto& entry : std::filesystem::directory_iterator(dir.file("")))
            count += entry.path().extension() == ".tmp";
        return count;
    };
    int leftovers = 0;
    for (int trial = 0; trial < 10; ++trial)
    {
        dir.write("config.cfg", old);
        const pid_t saver = fork();
        if (saver == 0)
        {
            Configuration config("config.cfg");
            config.value("a", saved.substr(2, saved.size() - 3), true);
            while (config.saveConfig())
            {
            }
            _exit(1);
        }
        // Killed once its saving has begun, however slowly a loaded machine starts it.
        for (int wait = 0; wait < 2000 && temporaries() == 0; ++wait)
            usleep(5'000);
        usleep(static_cast<useconds_t>(1'000 * trial));
        kill(saver, SIGKILL);
        waitpid(saver, nullptr, 0);
        const std::string file = dir.read("config.cfg");
        EXPECT_TRUE(file == old || file == saved) << "trial " << trial << ": a mix";
        leftovers += temporaries();
        Configuration::reload("config.cfg");
        testing::internal::CaptureStderr();
        EXPECT_TRUE(Configuration("config.cfg").saveConfig());
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << "trial " << trial;
        EXPECT_EQ(temporaries(), 0) << "trial " << trial;
    }
    EXPECT_GT(leftovers, 0) << "no kill came in the middle of a save";
}

} // namespace
