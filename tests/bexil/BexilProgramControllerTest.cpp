#include "bexil/BexilProgramController.hpp"
#include "support/TempDir.hpp"

#include <gtest/gtest.h>

namespace
{

TEST(BexilProgramController, FirstRunUsesDefaultsAndWritesAllSixWindowKeys)
{
    bexil::test::TempDir dir(true);
    {
        bexil::BexilProgramController controller;
        const lib::core::WindowCreationParams params = controller.getWindowCreationParams();
        EXPECT_EQ("Bexil", params.title);
        EXPECT_EQ(1024u, params.width);
        EXPECT_EQ(768u, params.height);
        EXPECT_EQ(32u, params.bitsPerPixel);
        EXPECT_EQ(0u, params.antialiasing);
        EXPECT_FALSE(params.vsync);
        EXPECT_FALSE(params.fullscreen);
    }
    EXPECT_EQ("Fullscreen=0\nGraphicsLevel=0\nResolutionX=1024\nResolutionY=768\nVSync=0\nbpp=32\n",
              dir.read("config.cfg"));
}

TEST(BexilProgramController, ReadsTheSettingsFileAsItStands)
{
    bexil::test::TempDir dir(true);
    dir.write("config.cfg", "Fullscreen=2\nVSync=1\nbpp=288\nResolutionX=800\r\n"
                            "ResolutionY=600\nGraphicsLevel=4\nkey0=71\n");
    bexil::BexilProgramController controller;
    const lib::core::WindowCreationParams params = controller.getWindowCreationParams();
    EXPECT_TRUE(params.fullscreen) << "any number but 0 turns it on";
    EXPECT_TRUE(params.vsync);
    EXPECT_EQ(32u, params.bitsPerPixel) << "only the low 8 bits of 288 remain";
    EXPECT_EQ(800u, params.width);
    EXPECT_EQ(600u, params.height);
    EXPECT_EQ(4u, params.antialiasing);
}

TEST(BexilProgramController, DamagedNumbersFallBackToDefaultsAndAreRepairedAtExit)
{
    bexil::test::TempDir dir(true);
    dir.write("config.cfg", "ResolutionX=wide\nResolutionY=99999999999999\nkey_pause5=36\n");
    {
        bexil::BexilProgramController controller;
        const lib::core::WindowCreationParams params = controller.getWindowCreationParams();
        EXPECT_EQ(1024u, params.width);
        EXPECT_EQ(768u, params.height);
    }
    const std::string saved = dir.read("config.cfg");
    EXPECT_NE(std::string::npos, saved.find("ResolutionX=1024\n"));
    EXPECT_NE(std::string::npos, saved.find("ResolutionY=768\n"));
    EXPECT_NE(std::string::npos, saved.find("key_pause5=36\n")) << "unknown keys are kept";
}

} // namespace
