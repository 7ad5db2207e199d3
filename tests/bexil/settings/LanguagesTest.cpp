#include "bexil/settings/Languages.hpp"

#include "bexil/GameScene.hpp"
#include "bexil/PauseMenu.hpp"
#include "lib/Translation.hpp"
#include "support/HeadlessGame.hpp"
#include "support/MenuHarness.hpp"

#include <gtest/gtest.h>

#include <cstdlib>

namespace
{

using Key = sf::Keyboard::Key;
using lib::Translation;
using Texts = std::vector<std::pair<sf::FloatRect, std::string>>;

// The shown texts of the group, as drawn in the view's coordinates.
void collect(const lib::scn::draw::RenderGroup& group, const sf::Transform& above, Texts& texts)
{
    const sf::Transform here = above * group.getTransform();
    for (const auto& child : group.children())
        if (const auto* inner = dynamic_cast<const lib::scn::draw::RenderGroup*>(child.get());
            inner && inner->isVisible())
            collect(*inner, here, texts);
        else if (const auto* leaf = dynamic_cast<const lib::scn::draw::Renderizable*>(child.get());
                 leaf && leaf->isVisible() && leaf->getAsText() &&
                 !leaf->getAsText()->getString().isEmpty())
            texts.emplace_back(here.transformRect(leaf->getAsText()->getGlobalBounds()),
                               leaf->getAsText()->getString().toAnsiString());
}

// Every shown text of the group inside the area, none across the edge, none over another; a
// value placed right after its label may touch it by its glyphs' bearings.
void expectFit(const lib::scn::draw::RenderGroup& group, const sf::FloatRect& area,
               const std::string& where, float edge = 2000.f)
{
    constexpr float Bearing = 6.f;
    Texts texts;
    collect(group, sf::Transform::Identity, texts);
    ASSERT_FALSE(texts.empty()) << where;
    for (std::size_t i = 0; i < texts.size(); ++i)
    {
        const sf::FloatRect& box = texts[i].first;
        const sf::FloatRect inner(box.left + Bearing, box.top, box.width - 2 * Bearing, box.height);
        sf::FloatRect common;
        EXPECT_TRUE(area.intersects(box, common) && common == box &&
                    (box.left >= edge || box.left + box.width <= edge))
            << where << ": \"" << texts[i].second << "\"";
        for (std::size_t j = 0; j < i; ++j)
            EXPECT_FALSE(inner.intersects(texts[j].first))
                << where << ": \"" << texts[i].second << "\" on \"" << texts[j].second << "\"";
    }
}

class LanguagesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        setenv("LANGUAGE", "fr", 1);
        // As the game does: the catalogues beside the resource list's data, in the stored choice.
        bexil::settings::Languages::open(
            lib::Configuration(bexil::test::writeGameResourceList("res.cfg")),
            lib::Configuration("config.cfg"));
        menus.dir.write("highscores.cfg",
                        "token1=999999 25 2026-12-07 WWWWWWWWWWWW\n"
                        "token2=1 1 2026-12-07 \xc3\x9c\xc3\x9c\xc3\x9cMMMMMMMMM\n");
        menus.open(menu, game);
    }
    const lib::scn::draw::RenderGroup& page() const { return *menu->activeStep(); }
    sf::String label(unsigned int option) const
    {
        return control().options.at(option).text->getAsText()->getString();
    }
    lib::menu::ChooseControl& control() const
    {
        return static_cast<lib::menu::ChooseControl&>(*menu->activeStep()->controls().at(0));
    }
    void play(int mode)
    {
        lib::Configuration(":NextGame").valueAsInt("GameMode", mode, true);
        lib::Configuration(":NextGame").valueAsInt("StartLevel", 24, true);
        menus.controller->window()->sceneManager()->changeScene("GameScene");
        menus.frame();
    }

    bexil::test::MenuHarness menus;
    std::shared_ptr<bexil::MenuScene> menu = std::make_shared<bexil::MenuScene>();
    std::shared_ptr<bexil::GameScene> game = std::make_shared<bexil::GameScene>();
};

TEST_F(LanguagesTest, TheOptionsLineShowsTheNewLanguageAtOnceCancelGoesBackAndAcceptKeepsIt)
{
    EXPECT_EQ("Jouer en mode jetons", label(0)) << "Auto: the locale's language";
    menus.press(
        {Key::Up, Key::Up, Key::Return, Key::Up, Key::Up, Key::Up, Key::Up, Key::Up, Key::Right});
    EXPECT_EQ("Antialiasing", label(0)) << "English, on this very page";
    menus.press({Key::Right});
    EXPECT_EQ(L"Kantengl\u00e4ttung", label(0));
    EXPECT_EQ("Deutsch", control().options[7].subOptionText->getAsText()->getString());
    menus.press({Key::Down, Key::Down, Key::Down, Key::Return});
    EXPECT_EQ("Jouer en mode jetons", label(0)) << "Cancel: the stored choice, Auto, again";
    EXPECT_FALSE(lib::Configuration::fileExists("config.cfg"));

    menus.press({Key::Return, Key::Up, Key::Up, Key::Up, Key::Right, Key::Right, Key::Down,
                 Key::Down, Key::Down, Key::Down, Key::Return});
    EXPECT_EQ("Steinmodus spielen", label(0));
    EXPECT_NE(std::string::npos, menus.dir.read("config.cfg").find("\nLanguage=de\n"));
    play(bexil::GameScene::TokenMode);
    Texts texts;
    collect(*game, sf::Transform::Identity, texts);
    EXPECT_EQ("Punkte", texts.at(0).second.substr(0, 6)) << "and so does the next game";
}

TEST_F(LanguagesTest, EveryPageAndTheGameKeepTheirTextsInsideTheirPanelsInEveryLanguage)
{
    // The menu background's light band, under the logo; the small board of How to play. The
    // title's "Press Enter" stands under the band, inside the view.
    const sf::FloatRect band(0.f, 582.f, 2000.f, 744.f);
    const sf::FloatRect title(0.f, 582.f, 2000.f, 1418.f);
    for (const bexil::settings::Languages::Language& language : bexil::settings::Languages::Offered)
    {
        ASSERT_TRUE(Translation::setLanguage(language.code));
        const std::string code = language.code;
        for (const std::string name :
             {"MainMenu", "OptionsMenu", "StartLevelMenu", "HighScoresMenu", "HowToPlayMenu"})
        {
            menu->changeStep(name);
            menus.frame();
            const sf::FloatRect& area = name == "MainMenu" ? title : band;
            // Every value of every line beside its label.
            lib::menu::ChooseControl& list = control();
            for (unsigned int i = 0; i < list.options.size(); ++i)
            {
                unsigned int& value = list.options[i].selectedSubOption;
                for (value = 0; value < list.options[i].subOptions.size(); ++value)
                {
                    list.updateSubOptionText(i);
                    expectFit(page(), area, code + " " + name);
                }
                value = 0;
                list.updateSubOptionText(i);
            }
            expectFit(page(), area, code + " " + name, name == "HowToPlayMenu" ? 1230.f : 2000.f);
        }
        menu->changeStep("KeyRedefinitionMenu");
        // The default keys, whose names are long, and Left again: the refusal names its holder.
        for (Key key :
             {Key::Left, Key::Right, Key::Left, Key::Up, Key::Down, Key::Space, Key::Escape})
        {
            expectFit(page(), band, code + " keys");
            menus.press({key});
        }

        // The widest numbers of a game, then PAUSE; GAME OVER in the time mode's game.
        for (int mode : {bexil::GameScene::TokenMode, bexil::GameScene::TimeMode})
        {
            play(mode);
            for (const auto& child : game->children())
                if (const auto group =
                        std::dynamic_pointer_cast<lib::scn::draw::RenderGroup>(child))
                    for (const auto& leaf : group->children())
                        if (const auto text =
                                std::dynamic_pointer_cast<lib::scn::draw::Renderizable>(leaf);
                            text && text->name().find("display") != std::string::npos)
                            text->getAsText()->setString(group->name() == "score" ? "1234567"
                                                                                  : "888");
            expectFit(*game, {0.f, 0.f, 2000.f, 2000.f}, code + " game");
            menus.press({mode == bexil::GameScene::TokenMode ? Key::Escape : Key::Unknown});
            for (const auto& child : game->children()) // the pause menu in its panel
                if (const auto group =
                        std::dynamic_pointer_cast<lib::scn::draw::RenderGroup>(child);
                    group && group->name() == "pause" && group->isVisible())
                    expectFit(dynamic_cast<bexil::PauseMenu&>(*group->children().at(0)),
                              {220.f, 600.f, 1560.f, 800.f}, code + " pause");
            if (mode == bexil::GameScene::TimeMode)
                bexil::test::endGame(*game);
            menus.frame();
            expectFit(*game, {0.f, 0.f, 2000.f, 2000.f}, code + " game shown over");
            menus.controller->window()->sceneManager()->changeScene("MenuScene");
            menus.frame();
        }
    }
}

} // namespace
