#include "bexil/BexilProgramController.hpp"

#include "support/TempDir.hpp"

#include <gtest/gtest.h>

#include <string>

namespace
{

TEST(BexilProgramController, ReadsTheWindowSettingsAndRepairsUnusableSizesAndDepthsAtExit)
{
    // Each case: the file; the window's width, height, depth, full screen, vertical sync and
    // antialiasing; the window keys of config.cfg after exit. A size of zero would fail to open;
    // one beyond the screen is asked for as it is (the window opens at the largest that fits),
    // and the file keeps it for a bigger screen.
    const struct
    {
        const char *file, *params, *saved;
    } cases[] = {
        {"Fullscreen=2\nVSync=1\nResolutionX=800\r\nResolutionY=600\nGraphicsLevel=4\n",
         "800 600 32 1 1 4", "800 600 32"},
        {"ResolutionX=800\nResolutionY=0\n", "1024 768 32 0 0 0", "1024 768 32"},
        {"ResolutionX=100000\nResolutionY=600\n", "100000 600 32 0 0 0", "100000 600 32"},
        {"bpp=-1\n", "1024 768 32 0 0 0", "1024 768 32"},
        {"ResolutionX=640\nResolutionY=480\nbpp=24\n", "640 480 24 0 0 0", "640 480 24"},
        {"ResolutionX=1280\nResolutionY=1024\nbpp=288\n", "1280 1024 32 0 0 0", "1280 1024 288"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.file);
        bexil::test::TempDir dir(true);
        dir.write("config.cfg", c.file);
        lib::Configuration::reload("config.cfg");
        // The controller goes at the end of the statement and writes the file as it does.
        const lib::core::WindowCreationParams p =
            bexil::BexilProgramController().getWindowCreationParams();
        EXPECT_EQ(c.params, std::to_string(p.width) + " " + std::to_string(p.height) + " " +
                                std::to_string(p.bitsPerPixel) + " " +
                                std::to_string(p.fullscreen) + " " + std::to_string(p.vsync) + " " +
                                std::to_string(p.antialiasing));
        lib::Configuration saved("config.cfg");
        lib::Configuration::reload("config.cfg");
        EXPECT_EQ(c.saved, saved.getValue("ResolutionX") + " " + saved.getValue("ResolutionY") +
                               " " + saved.getValue("bpp"));
    }
}

} // namespace
