#include "lib/menu/ChooseControl.hpp"

#include "lib/menu/CursorDescriptor.hpp"
#include "lib/menu/OptionDescriptor.hpp"
#include "lib/scn/Resource.hpp"
#include "lib/scn/draw/Renderizable.hpp"
#include "support/TestWindow.hpp"

#include <SFML/Graphics/Text.hpp>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace
{

using sf::Keyboard;

std::shared_ptr<lib::menu::OptionDescriptor> option(const std::string& text,
                                                    std::vector<std::string> values = {})
{
    auto descriptor = std::make_shared<lib::menu::OptionDescriptor>();
    descriptor->text = text;
    descriptor->subOptions = std::move(values);
    return descriptor;
}

class ChooseControlTest : public ::testing::Test
{
protected:
    std::unique_ptr<lib::menu::ChooseControl>
    make(std::vector<std::shared_ptr<lib::menu::OptionDescriptor>> options,
         lib::menu::ChooseControl::Callback callback)
    {
        auto cursor = std::make_shared<lib::menu::CursorDescriptor>();
        cursor->size = {70, 70};
        cursor->color = sf::Color::Red;
        return std::make_unique<lib::menu::ChooseControl>(
            "control", sf::Color::Blue, sf::Color::Red, lib::scn::draw::Alignment::Left, 70, 1.f,
            std::move(options), font, std::move(callback), cursor);
    }
    static void press(lib::menu::ChooseControl& control, std::vector<Keyboard::Key> keys)
    {
        for (Keyboard::Key key : keys)
            control.onKeyPressed(bexil::test::keyEvent(key));
    }

    std::shared_ptr<lib::scn::Resource> font = std::make_shared<lib::scn::Resource>(
        lib::scn::Resource::FontKind, BEXIL_DATA_DIR "fonts/DejaVuSans-Bold.ttf", "font");
};

TEST_F(ChooseControlTest, ASingleOptionStaysHighlightedAndNoCallbackMeansNothingHappens)
{
    auto control = make({option("Only")}, nullptr);
    press(*control, {Keyboard::Down, Keyboard::Up, Keyboard::Return, Keyboard::Space});
    EXPECT_EQ(0u, control->selectedOption());
    EXPECT_EQ(sf::Color::Red, control->options[0].text->getAsText()->getFillColor());
}

TEST_F(ChooseControlTest, ChoosingCallsBackWithTheHighlightedIndexOncePerKey)
{
    std::vector<unsigned int> chosen;
    lib::menu::ChooseControl* seen = nullptr;
    auto control = make({option("A"), option("B", {"x", "y", "z"}), option("C")},
                        [&](unsigned int index, lib::menu::ChooseControl& which)
                        {
                            chosen.push_back(index);
                            seen = &which;
                        });
    press(*control, {Keyboard::Down, Keyboard::Down, Keyboard::Return, Keyboard::Space});
    EXPECT_EQ((std::vector<unsigned int>{2, 2}), chosen);
    EXPECT_EQ(control.get(), seen);

    press(*control, {Keyboard::Left, Keyboard::Numpad6, Keyboard::F1});
    EXPECT_EQ(0u, control->options[1].selectedSubOption) << "C has no values to cycle";
    press(*control, {Keyboard::Up, Keyboard::Numpad4});
    EXPECT_EQ(2u, control->options[1].selectedSubOption);
    control->onKeyReleased(bexil::test::keyEvent(Keyboard::Numpad6));
    EXPECT_EQ("z", control->options[1].subOptionText->getAsText()->getString());
    EXPECT_EQ(sf::Color::Red, control->options[1].subOptionText->getAsText()->getFillColor());
    EXPECT_EQ(2u, chosen.size()) << "cycling values chooses nothing";
    EXPECT_FLOAT_EQ(71.f, control->options[1].text->getPosition().y);
}

} // namespace
