#include "bexil/settings/Languages.hpp"

#include "bexil/GameScene.hpp"
#include "bexil/MenuScene.hpp"
#include "lib/Translation.hpp"
#include "lib/menu/ChooseControl.hpp"
#include "lib/scn/SceneManager.hpp"
#include "lib/scn/draw/Renderizable.hpp"
#include "support/MenuHarness.hpp"

#include <SFML/Graphics/Text.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace
{

using Key = sf::Keyboard::Key;
using lib::Translation;

// A text as drawn, in the view's coordinates.
struct Placed
{
    sf::FloatRect box;
    std::string text;
    bool shown;
};

std::string utf8(const sf::String& string)
{
    const auto bytes = string.toUtf8();
    return std::string(bytes.begin(), bytes.end());
}

void collect(const lib::scn::draw::RenderGroup& group, const sf::Transform& above, bool shown,
             std::vector<Placed>& texts)
{
    const sf::Transform here = above * group.getTransform();
    for (const auto& child : group.children())
    {
        const bool visible = shown && child->isVisible();
        if (const auto* inner = dynamic_cast<const lib::scn::draw::RenderGroup*>(child.get()))
            collect(*inner, here, visible, texts);
        else if (const auto* leaf = dynamic_cast<const lib::scn::draw::Renderizable*>(child.get());
                 leaf && leaf->getAsText() && !leaf->getAsText()->getString().isEmpty())
            texts.push_back({here.transformRect(leaf->getAsText()->getGlobalBounds()),
                             utf8(leaf->getAsText()->getString()), visible});
    }
}

constexpr float Bearing = 6.f;

// Every text of the group inside the area (hidden ones too, when asked), none that starts left
// of the edge past it, and no two shown texts over each other; a value placed right after its
// label may touch it by its glyphs' bearings.
void expectFit(const lib::scn::draw::RenderGroup& group, const sf::FloatRect& area,
               const std::string& where, bool hiddenToo = false, float edge = 2000.f)
{
    std::vector<Placed> texts;
    collect(group, sf::Transform::Identity, true, texts);
    ASSERT_FALSE(texts.empty()) << where;
    for (std::size_t i = 0; i < texts.size(); ++i)
    {
        const sf::FloatRect& box = texts[i].box;
        const sf::FloatRect inner(box.left + Bearing, box.top, box.width - 2 * Bearing, box.height);
        sf::FloatRect common;
        EXPECT_TRUE((!texts[i].shown && !hiddenToo) ||
                    (area.intersects(box, common) && common == box &&
                     (box.left >= edge || box.left + box.width <= edge)))
            << where << ": \"" << texts[i].text << "\"";
        for (std::size_t j = 0; j < i; ++j)
            EXPECT_FALSE(texts[i].shown && texts[j].shown && inner.intersects(texts[j].box))
                << where << ": \"" << texts[i].text << "\" on \"" << texts[j].text << "\"";
    }
}

class LanguagesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // As the player's machine might say: the options line's Auto.
        setenv("LANGUAGE", "fr", 1);
        lib::Translation::open(bexil::settings::Languages::Domain, BEXIL_RUN_DIR "/locale");
        bexil::settings::Languages::apply(0);
        menus.dir.write("highscores.cfg",
                        "token1=999999 25 2026-12-07 WWWWWWWWWWWW\n"
                        "time1=999999 25 2026-12-07 \xc3\x9c\xc3\x9c\xc3\x9cMMMMMMMMM\n");
        menus.open(menu, game);
    }

    void press(const std::vector<Key>& keys)
    {
        menus.press(keys);
        menus.frame();
    }
    lib::menu::ChooseControl& control() const
    {
        return static_cast<lib::menu::ChooseControl&>(*menu->activeStep()->controls().at(0));
    }
    std::string label(unsigned int option) const
    {
        return utf8(control().options.at(option).text->getAsText()->getString());
    }

    bexil::test::MenuHarness menus;
    std::shared_ptr<bexil::MenuScene> menu = std::make_shared<bexil::MenuScene>();
    std::shared_ptr<bexil::GameScene> game = std::make_shared<bexil::GameScene>();
};

TEST_F(LanguagesTest, TheOptionsLineShowsTheNewLanguageAtOnceCancelGoesBackAndAcceptKeepsIt)
{
    EXPECT_EQ("Jouer en mode jetons", label(0)) << "Auto: the locale's language";
    press({Key::Up, Key::Up, Key::Return, Key::Up, Key::Up, Key::Up, Key::Up, Key::Right});
    EXPECT_EQ("Antialiasing", label(0)) << "English, on this very page";
    press({Key::Right});
    EXPECT_EQ("Kantengl\u00e4ttung", label(0));
    EXPECT_EQ("Deutsch", control().options[7].subOptionText->getAsText()->getString());
    press({Key::Down, Key::Down, Key::Return});
    EXPECT_EQ("MainMenu", menu->activeStep()->name());
    EXPECT_EQ("Jouer en mode jetons", label(0)) << "Cancel: the stored choice, Auto, again";
    EXPECT_FALSE(lib::Configuration::fileExists("config.cfg"));

    press({Key::Return, Key::Up, Key::Up, Key::Right, Key::Right, Key::Down, Key::Down, Key::Down,
           Key::Return});
    EXPECT_EQ("Steinmodus spielen", label(0));
    EXPECT_NE(std::string::npos, menus.dir.read("config.cfg").find("\nLanguage=de\n"));
    press({Key::Up, Key::Up, Key::Up, Key::Up, Key::Return});
    EXPECT_EQ("Startlevel: ", label(0));
    press({Key::Return});
    ASSERT_EQ(game, menus.controller->window()->sceneManager()->currentScene());
    std::vector<Placed> texts;
    collect(*game, sf::Transform::Identity, true, texts);
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(),
                            [](const Placed& placed) { return placed.text == "Punkte: "; }))
        << "and so does the next game";
}

TEST_F(LanguagesTest, EveryPageAndTheGameKeepTheirTextsInsideTheirPanelsInEveryLanguage)
{
    // The menu background's light band, under the logo; the small board of How to play.
    const sf::FloatRect band(0.f, 582.f, 2000.f, 744.f);
    const sf::FloatRect view(0.f, 0.f, 2000.f, 2000.f);
    for (const bexil::settings::Languages::Language& language : bexil::settings::Languages::Offered)
    {
        ASSERT_TRUE(Translation::setLanguage(language.code));
        for (const std::string page :
             {"MainMenu", "OptionsMenu", "StartLevelMenu", "HighScoresMenu", "HowToPlayMenu"})
        {
            menu->changeStep(page);
            menus.frame();
            const std::string where = std::string(language.code) + " " + page;
            // Every value of every line beside its label.
            lib::menu::ChooseControl& list = control();
            for (unsigned int i = 0; i < list.options.size(); ++i)
            {
                lib::menu::ChooseControl::OptionModel& line = list.options[i];
                for (line.selectedSubOption = 0; line.selectedSubOption < line.subOptions.size();
                     ++line.selectedSubOption)
                {
                    list.updateSubOptionText(i);
                    expectFit(*menu->activeStep(), band, where);
                }
                line.selectedSubOption = 0;
                list.updateSubOptionText(i);
            }
            // How to play: the text left of the small board.
            expectFit(*menu->activeStep(), band, where, false,
                      page == "HowToPlayMenu" ? 1230.f : 2000.f);
            if (page == "HighScoresMenu")
            {
                press({Key::Right});
                expectFit(*menu->activeStep(), band, where + " time mode");
            }
        }
        menu->changeStep("KeyRedefinitionMenu");
        for (Key key : {Key::A, Key::B, Key::C, Key::D, Key::E, Key::F})
        {
            expectFit(*menu->activeStep(), band, std::string(language.code) + " keys");
            press({key});
        }

        for (int mode : {bexil::GameScene::TokenMode, bexil::GameScene::TimeMode})
        {
            lib::Configuration(":NextGame").valueAsInt("GameMode", mode, true);
            lib::Configuration(":NextGame").valueAsInt("StartLevel", 24, true);
            menus.controller->window()->sceneManager()->changeScene("GameScene");
            menus.frame();
            // The widest numbers a game shows.
            for (const char* group : {"score", "level"})
                for (const auto& child : game->children())
                    if (auto found = std::dynamic_pointer_cast<lib::scn::draw::RenderGroup>(child);
                        found && found->nameRef() == group)
                        for (std::size_t i : {std::size_t{1}, std::size_t{3}})
                            dynamic_cast<lib::scn::draw::Renderizable&>(*found->children().at(i))
                                .getAsText()
                                ->setString(i == 1 && *group == 's' ? "1234567" : "888");
            expectFit(*game, view, std::string(language.code) + " game", true);
            menus.controller->window()->sceneManager()->changeScene("MenuScene");
            menus.frame();
        }
    }
}

} // namespace
