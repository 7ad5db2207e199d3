#include "lib/scn/Resource.hpp"

#include "support/TempDir.hpp"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace
{

TEST(ResourceTest, LoadsRegularFilesOnlyAndNeverWaitsOnPipesOrDevices)
{
    bexil::test::TempDir dir(true);
    ASSERT_EQ(0, mkfifo(dir.file("pipe").c_str(), 0600));
    std::filesystem::create_directory(dir.file("folder"));
    std::filesystem::create_symlink(BEXIL_DATA_DIR "fonts/DejaVuSans-Bold.ttf",
                                    dir.file("linked.ttf"));

    // A pipe would block the loader until some writer came; /dev/zero never ends.
    for (const char* path : {"pipe", "/dev/zero", "folder", "missing.png"})
    {
        SCOPED_TRACE(path);
        const lib::scn::Resource font(lib::scn::Resource::FontKind, path, "font");
        EXPECT_FALSE(font.loaded());
        EXPECT_NE(nullptr, font.getAsFont());
        const lib::scn::Resource texture(lib::scn::Resource::TextureKind, path, "texture");
        EXPECT_FALSE(texture.loaded());
        EXPECT_EQ(0u, texture.getAsTexture()->getSize().x);
    }

    const lib::scn::Resource linked(lib::scn::Resource::FontKind, "linked.ttf", "font");
    EXPECT_TRUE(linked.loaded()) << "a link to a font file is a font file";
}

} // namespace
