#include "support/TempDir.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace
{

TEST(ArtgenTest, DrawsTheSamePicturesOnEveryRunAsTheBuildStagedThem)
{
    const bexil::test::TempDir dir;
    const std::string command = std::string(BEXIL_ARTGEN) + " " + dir.file("data") + " >/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    for (const char* file : {"images/background.png", "images/logo.png", "images/look.png",
                             "icons/bexil-64.png", "icons/bexil-256.png"})
    {
        std::ostringstream staged;
        staged << std::ifstream(std::string(BEXIL_RUN_DIR) + "/data/" + file, std::ios::binary)
                      .rdbuf();
        const std::string made = dir.read(std::string("data/") + file);
        EXPECT_GT(made.size(), 1000u) << file;
        EXPECT_TRUE(made == staged.str()) << file;
    }
}

} // namespace
