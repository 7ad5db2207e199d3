#include "bexil/scores/NameEntry.hpp"

#include <gtest/gtest.h>

#include <string>

namespace
{

using bexil::scores::NameEntry;

TEST(NameEntry, TakesAnyLettersUpToTwelveIgnoresControlsAndBackspaceDeletes)
{
    NameEntry entry;
    for (const char32_t character : std::u32string(U"Zoë\r\n\t\x1b\x7f\x85= Ωμέγα 李明XY"))
        entry.type(character);
    EXPECT_EQ(entry.name(), u8"Zoë Ωμέγα 李明");
    EXPECT_TRUE(entry.type(8));
    EXPECT_TRUE(entry.type(8));
    EXPECT_EQ(entry.name(), u8"Zoë Ωμέγα") << "spaces at the ends are not part of the name";
    for (int i = 0; i < 10; ++i)
        entry.type(8);
    EXPECT_FALSE(entry.type(8)) << "nothing left to delete";
    EXPECT_EQ(entry.name(), "");
}

TEST(NameEntry, ResetKeepsWhatTheFieldAcceptsOfWellFormedText)
{
    NameEntry entry;
    entry.reset("b\xC3\xA9\xC0\xAF\xED\xA0\x80=\x01\xF0\x9F\x98\x80 \xE2\x82");
    EXPECT_EQ(entry.name(), u8"bé😀") << "overlong, surrogate and cut sequences are dropped";
    entry.reset("abcdefghijklmnop");
    EXPECT_EQ(entry.name(), "abcdefghijkl");
    for (const std::string name : {"A", u8"Ωμέγα Zoë", u8"李明李明李明李明李明李明"})
        EXPECT_TRUE(NameEntry::isValidName(name)) << name;
    for (const std::string name : {"", " A", "A ", "abcdefghijklm", "a=b", "a\tb", "\xC3", "\xFF"})
        EXPECT_FALSE(NameEntry::isValidName(name)) << name;
}

TEST(NameEntry, PicksLettersAtACursorThatTypingAndDeletingFollow)
{
    NameEntry entry;
    entry.reset(u8"Bö");
    EXPECT_FALSE(entry.moveCursor(1)) << "after the last letter already";
    EXPECT_TRUE(entry.pickLetter(-1)) << "a new letter there: the last of Letters";
    EXPECT_TRUE(entry.moveCursor(-1));
    entry.pickLetter(1);
    entry.pickLetter(1);
    EXPECT_EQ(entry.name(), u8"BB-") << "ö goes on as from before A";
    entry.moveCursor(-1);
    entry.pickLetter(-1);
    entry.type('x');
    entry.type(8);
    EXPECT_FALSE(entry.type(8)) << "nothing before the cursor";
    EXPECT_EQ(entry.name(), "AB-") << "typed and deleted at the cursor";
    EXPECT_FALSE(entry.moveCursor(-1));
    entry.reset("abcdefghijkl");
    EXPECT_FALSE(entry.pickLetter(1)) << "no room after the twelfth";
    EXPECT_EQ(11u, (entry.moveCursor(-1), entry.moveCursor(1), entry.cursor()));
}

} // namespace
