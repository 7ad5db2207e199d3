#include "lib/scn/ResourceManager.hpp"

#include "lib/scn/Resource.hpp"
#include "support/Printers.hpp"
#include "support/TempDir.hpp"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>
#include <sstream>
#include <sys/stat.h>

namespace
{

using lib::scn::Resource;
using lib::scn::ResourceManager;

TEST(ResourceManagerTest, LoadsRegularFilesOnlyAndAnUnknownNameGetsTheFirstFontThatLoaded)
{
    bexil::test::TempDir dir(true);
    sf::Image image;
    image.create(6, 3, sf::Color::Red);
    ASSERT_TRUE(image.saveToFile("pic.png"));
    std::filesystem::create_symlink(BEXIL_DATA_DIR "fonts/DejaVuSans-Bold.ttf", "linked.ttf");
    std::filesystem::create_directory("folder");
    // A pipe would block the loader until some writer came; /dev/zero never ends.
    ASSERT_EQ(0, mkfifo("pipe", 0600));
    dir.write("res.cfg", "font@a.broken=pipe\nfont@game_menu.mainFont=linked.ttf\n"
                         "font@twin=folder\ntexture@twin=/dev/zero\ntexture@gone=missing.png\n"
                         "x@pic=pic.png\n");
    ResourceManager manager("res.cfg");

    std::string listed;
    for (const auto& resource : manager.resources())
        listed += resource->name() + ":" + std::to_string(resource->kind()) +
                  (resource->loaded() ? "+ " : "- ");
    EXPECT_EQ(listed, "a.broken:1- game_menu.mainFont:1+ twin:1- gone:2- twin:2- pic:2+ ");
    EXPECT_EQ(manager.getResource("twin"), manager.resources()[2]);
    EXPECT_EQ(manager.getResource("pic")->getAsTexture()->copyToImage().getPixel(5, 2),
              sf::Color::Red);
    EXPECT_EQ(manager.getResource("game_menu.mainFont")->getAsTexture()->getSize(),
              sf::Vector2u(0, 0));
    const auto& unknown = manager.getResource("game_scene.scoreFont");
    EXPECT_EQ(unknown->getAsFont()->getInfo().family, "DejaVu Sans") << "text stays readable";
    EXPECT_EQ(unknown->getAsTexture()->getSize(), sf::Vector2u(0, 0));
}

TEST(ResourceManagerTest, AMissingListIsReportedOnceAndLeavesEveryNameEmpty)
{
    bexil::test::TempDir dir(true);
    std::filesystem::create_directory("folder.cfg");
    for (const std::string name : {"", "absent.cfg", "folder.cfg"})
    {
        std::ostringstream captured;
        std::streambuf* previous = std::cerr.rdbuf(captured.rdbuf());
        const ResourceManager manager(name);
        std::cerr.rdbuf(previous);
        EXPECT_TRUE(manager.resources().empty());
        EXPECT_EQ(manager.getResource("game_menu.mainFont")->getAsFont()->getInfo().family, "");
        EXPECT_EQ(captured.str(), name.empty()
                                      ? ""
                                      : "cannot read the resource list \"" + name + "\" in " +
                                            std::filesystem::current_path().string() +
                                            "; start the game from its own folder\n");
    }
}

} // namespace
