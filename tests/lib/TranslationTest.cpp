#include "lib/Translation.hpp"

#include "support/TempDir.hpp"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/Text.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

namespace
{

using lib::Translation;

const std::string Catalogues = BEXIL_RUN_DIR "/locale";

TEST(Translation, AsksForTheLanguageOfTheLocaleVariablesInGettextsOrder)
{
    const std::vector<std::string> offered{"de", "fr"};
    const auto asked = [&offered](std::map<std::string, const char*> set)
    { return Translation::asked(offered, [&set](const char* name) { return set[name]; }); };
    EXPECT_EQ("en", asked({{"LANG", "es_ES.UTF-8"}}));
    EXPECT_EQ("de", asked({{"LANG", "de_DE.UTF-8@euro"}}));
    EXPECT_EQ("fr", asked({{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "fr_CA"}}));
    EXPECT_EQ("en", asked({{"LANG", "de_DE"}, {"LC_MESSAGES", "fr_FR"}, {"LC_ALL", "C.UTF-8"}}));
    // The first entry of LANGUAGE that is offered wins; its list takes nothing from the locale.
    EXPECT_EQ("fr", asked({{"LANG", "de_DE"}, {"LC_ALL", "de_DE"}, {"LANGUAGE", "es:fr_BE:de"}}));
    EXPECT_EQ("en", asked({{"LANG", "de_DE"}, {"LANGUAGE", "en_GB:de"}}));
    EXPECT_EQ("en", asked({{"LANG", "de_DE"}, {"LANGUAGE", "es"}}));
    EXPECT_EQ("fr", asked({{"LANGUAGE", ""}, {"LC_ALL", ""}, {"LC_MESSAGES", ""}, {"LANG", "fr"}}));
}

TEST(Translation, FormatsArgumentsInOrderOrByNumberAndKeepsWhatItCannotFill)
{
    EXPECT_EQ("a, b: b a", Translation::format("%s, %u: %2$s %1$d", {"a", "b"}));
    EXPECT_EQ("100% a %d %n %x %9$s %", Translation::format("100%% %s %d %n %x %9$s %", {"a"}));
}

// As on a fresh system: no locale set, and none but C.UTF-8 to be had (the machine of the tests
// has no German or French one). The texts are translated all the same.
TEST(Translation, SwitchesLanguagesWhileRunningAndShowsEnglishWithOneLineForABadCatalogue)
{
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"})
        unsetenv(variable);
    Translation::open("bexil", Catalogues);
    EXPECT_TRUE(Translation::setLanguage("de"));
    EXPECT_STREQ("Zur\u00fcck", Translation::tr("Back"));
    EXPECT_TRUE(Translation::setLanguage("fr"));
    EXPECT_STREQ("Retour", Translation::tr("Back"));
    EXPECT_TRUE(Translation::setLanguage("en"));
    EXPECT_STREQ("Back", Translation::tr("Back"));

    // German cut short, French with its table of strings pointing past the end.
    bexil::test::TempDir folder;
    std::ostringstream real;
    real << std::ifstream(Catalogues + "/de/LC_MESSAGES/bexil.mo", std::ios::binary).rdbuf();
    std::string bytes = real.str();
    for (const std::string language : {"de", "fr"})
        std::filesystem::create_directories(folder.file(language + "/LC_MESSAGES"));
    folder.write("de/LC_MESSAGES/bexil.mo", bytes.substr(0, bytes.size() / 2));
    bytes[12] = '\xff';
    folder.write("fr/LC_MESSAGES/bexil.mo", bytes);
    Translation::open("bexil", folder.file(""));
    testing::internal::CaptureStderr();
    EXPECT_FALSE(Translation::setLanguage("de"));
    EXPECT_FALSE(Translation::setLanguage("de"));
    EXPECT_FALSE(Translation::setLanguage("fr"));
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_STREQ("Back", Translation::tr("Back"));
    EXPECT_EQ(2, std::count(said.begin(), said.end(), '\n')) << said;
    EXPECT_TRUE(said.find("\"de\"") < said.find("\"fr\"") && said.find("\"fr\"") != said.npos)
        << said;
}

TEST(TranslationDrawing, UmlautsFromTheCatalogueReachTheScreenAsTheirOwnGlyphs)
{
    Translation::open("bexil", Catalogues);
    ASSERT_TRUE(Translation::setLanguage("de"));
    sf::Font font;
    ASSERT_TRUE(font.loadFromFile(BEXIL_DATA_DIR "fonts/DejaVuSans-Bold.ttf"));
    sf::RenderTexture target;
    ASSERT_TRUE(target.create(400, 100));
    const auto drawn = [&](const sf::String& string)
    {
        target.clear();
        target.draw(sf::Text(string, font, 60));
        target.display();
        const sf::Image image = target.getTexture().copyToImage();
        return std::string(reinterpret_cast<const char*>(image.getPixelsPtr()), 400 * 100 * 4);
    };
    const sf::String shown = Translation::toScreen(Translation::tr("Back"));
    const std::string pixels = drawn(shown);
    EXPECT_EQ(drawn(L"Zur\u00fcck"), pixels);
    EXPECT_NE(drawn(sf::String(std::string(Translation::tr("Back")))), pixels)
        << "read as the C locale would, the two bytes of the u with its dots are two signs";
}

} // namespace
