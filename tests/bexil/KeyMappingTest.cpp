#include "bexil/KeyMapping.hpp"

#include "support/TempDir.hpp"

#include <SFML/Window/Keyboard.hpp>

#include <gtest/gtest.h>

#include <string>

namespace
{

using bexil::Direction;
using bexil::KeyMapping;

TEST(KeyMapping, ReadsTheSettingsWithDefaultsWhenAskedAndStoresThemOnlyWhenAsked)
{
    bexil::test::TempDir dir(true);
    const std::string file = "key0=0\nkey3=25\nkey_launch4=58\nkey_pause5=15\n";
    dir.write("config.cfg", file);
    KeyMapping keys;
    EXPECT_EQ(sf::Keyboard::A, keys.getDirectionKey(Direction::Left));
    EXPECT_EQ(sf::Keyboard::Right, keys.getDirectionKey(Direction::Right)) << "missing: default";
    EXPECT_EQ(sf::Keyboard::Up, keys.getDirectionKey(Direction::Up));
    EXPECT_EQ(sf::Keyboard::Z, keys.getDirectionKey(Direction::Down));
    EXPECT_EQ(sf::Keyboard::Enter, keys.getLaunchKey());
    EXPECT_EQ(sf::Keyboard::P, keys.getPauseKey());

    lib::Configuration table("config.cfg");
    EXPECT_EQ("72", table.getValue("key1")) << "a missing key is added with its default";
    table.value("key0", "3", true);
    EXPECT_EQ(sf::Keyboard::A, keys.getKey(0)) << "later changes of the table wait for readKeys";
    keys.readKeys();
    EXPECT_EQ(sf::Keyboard::D, keys.getKey(0));

    // setKey changes this object only; storeKeys writes the shared table, not the file.
    const std::int32_t codes[KeyMapping::KeyCount] = {0, 3, 22, 18, 9, 16};
    for (std::size_t i = 0; i < KeyMapping::KeyCount; ++i)
        keys.setKey(i, codes[i]);
    EXPECT_EQ("58", table.getValue("key_launch4")) << "nothing stored before storeKeys";
    keys.storeKeys();
    const char* const names[KeyMapping::KeyCount] = {"key0", "key1",        "key2",
                                                     "key3", "key_launch4", "key_pause5"};
    for (std::size_t i = 0; i < KeyMapping::KeyCount; ++i)
        EXPECT_EQ(std::to_string(codes[i]), table.getValue(names[i]));
    EXPECT_EQ(file, dir.read("config.cfg")) << "the file is not written";
}

} // namespace
