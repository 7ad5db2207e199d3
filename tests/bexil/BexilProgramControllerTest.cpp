#include "bexil/BexilProgramController.hpp"

#include "support/TempDir.hpp"

#include <gtest/gtest.h>

#include <cstdint>

namespace
{

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

struct WindowSettingCase
{
    const char* file;
    std::uint32_t width;
    std::uint32_t height;
    std::uint8_t bitsPerPixel;
    const char* saved; // the window keys of config.cfg after exit
};

TEST(BexilProgramController, MissingDamagedOrUnusableSizesAndDepthsFallBackAndAreRepairedAtExit)
{
    // The display of the tests is 1280 × 1024 at most; a size beyond every mode of the display
    // or of zero would fail to open (zero ended the program with an X error).
    const WindowSettingCase cases[] = {
        {"", 1024, 768, 32, "1024 768 32"},
        {"ResolutionX=wide\nResolutionY=99999999999999\n", 1024, 768, 32, "1024 768 32"},
        {"ResolutionX=0\nResolutionY=600\n", 1024, 768, 32, "1024 768 32"},
        {"ResolutionX=800\nResolutionY=0\n", 1024, 768, 32, "1024 768 32"},
        {"ResolutionX=100000\nResolutionY=600\n", 1024, 768, 32, "1024 768 32"},
        {"ResolutionX=800\nResolutionY=100000\n", 1024, 768, 32, "1024 768 32"},
        {"ResolutionX=-5\nResolutionY=-768\n", 1024, 768, 32, "1024 768 32"},
        {"bpp=0\n", 1024, 768, 32, "1024 768 32"},
        {"bpp=7\n", 1024, 768, 32, "1024 768 32"},
        {"bpp=-1\n", 1024, 768, 32, "1024 768 32"},
        {"ResolutionX=640\nResolutionY=480\nbpp=24\n", 640, 480, 24, "640 480 24"},
        {"ResolutionX=1280\nResolutionY=1024\nbpp=288\n", 1280, 1024, 32, "1280 1024 288"},
    };
    for (const WindowSettingCase& c : cases)
    {
        SCOPED_TRACE(c.file);
        bexil::test::TempDir dir(true);
        if (*c.file != '\0')
            dir.write("config.cfg", c.file);
        lib::Configuration::reload("config.cfg");
        {
            bexil::BexilProgramController controller;
            const lib::core::WindowCreationParams params = controller.getWindowCreationParams();
            EXPECT_EQ(c.width, params.width);
            EXPECT_EQ(c.height, params.height);
            EXPECT_EQ(c.bitsPerPixel, params.bitsPerPixel);
        }
        lib::Configuration saved("config.cfg");
        lib::Configuration::reload("config.cfg");
        EXPECT_EQ(c.saved, saved.getValue("ResolutionX") + " " + saved.getValue("ResolutionY") +
                               " " + saved.getValue("bpp"));
    }
}

} // namespace
