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

namespace
{

using lib::scn::Resource;
using lib::scn::ResourceManager;

// Opens a manager on the list with the error stream captured; gives back what it wrote.
std::string errorsOfOpening(const std::string& list)
{
    std::ostringstream captured;
    std::streambuf* previous = std::cerr.rdbuf(captured.rdbuf());
    ResourceManager manager(list);
    std::cerr.rdbuf(previous);
    EXPECT_TRUE(manager.resources().empty());
    EXPECT_EQ(manager.getResource("game_menu.mainFont")->kind(), Resource::NoKind);
    return captured.str();
}

TEST(ResourceManagerTest, LoadsTheListedFilesAndGivesSafeDefaultsForTheRest)
{
    bexil::test::TempDir dir(true);
    sf::Image image;
    image.create(6, 3, sf::Color::Red);
    ASSERT_TRUE(image.saveToFile(dir.file("pic.png")));
    const auto picture = std::filesystem::relative(dir.file("pic.png"), BEXIL_DATA_DIR);
    // Kinds, names and paths are read as the fuzz corpus replay checks; here they are loaded.
    dir.write("res.cfg", std::string("resources_directory=") + BEXIL_DATA_DIR + "\n" +
                             "font@game_menu.mainFont=fonts/DejaVuSans-Bold.ttf\n"
                             "texture@twin=none.png\nfont@twin=fonts/DejaVuSans-Bold.ttf\n"
                             "x@pic=" +
                             picture.string() + "\n");
    ResourceManager manager("res.cfg");

    std::string listed;
    for (const auto& resource : manager.resources())
        listed += resource->name() + ":" + std::to_string(resource->kind()) + " ";
    EXPECT_EQ(listed, "game_menu.mainFont:1 twin:1 twin:2 pic:2 ");
    EXPECT_EQ(manager.getResource("game_menu.mainFont")->getAsFont()->getInfo().family,
              "DejaVu Sans");
    EXPECT_EQ(manager.getResource("twin"), manager.resources()[1]);

    const auto& texture = manager.getResource("pic");
    ASSERT_TRUE(texture->loaded());
    EXPECT_EQ(texture->getAsTexture()->copyToImage().getPixel(5, 2), sf::Color::Red);
    EXPECT_EQ(manager.getResource("game_menu.mainFont")->getAsTexture()->getSize(),
              sf::Vector2u(0, 0));
    EXPECT_EQ(manager.getResource("game_menu.logo")->getAsFont()->getInfo().family, "");
}

TEST(ResourceManagerTest, AMissingListIsReportedOnce)
{
    bexil::test::TempDir dir(true);
    EXPECT_EQ(errorsOfOpening(""), "") << "no list asked for, nothing to report";
    std::filesystem::create_directory(dir.file("folder.cfg"));
    for (const std::string name : {"absent.cfg", "folder.cfg"})
        EXPECT_EQ(errorsOfOpening(name), "bexil: cannot read the resource list \"" + name +
                                             "\" in " + std::filesystem::current_path().string() +
                                             "; start the game from its own folder\n");
}

} // namespace
