#pragma once

#include "lib/menu/MenuStep.hpp"
#include "lib/scn/draw/Alignment.hpp"

#include <SFML/System/Vector2.hpp>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace lib::menu
{
class ChooseControl;
struct OptionDescriptor;
} // namespace lib::menu

namespace bexil::bmenu
{

// A page of the game's menu scene. Its texts are in the menu font, and its list of options (at
// most one) is a choose control in the look of every menu: blue lines, the highlighted one red
// with a red triangle beside it as tall as the text. Its texts are English, marked for the
// catalogue, and shown in the language of the moment each time the page is shown.
class MenuPage : public lib::menu::MenuStep
{
public:
    using OptionList = std::vector<std::shared_ptr<lib::menu::OptionDescriptor>>;

    using MenuStep::MenuStep;
    ~MenuPage() override;

    // Brings the list's texts into the language shown; pages that show more call this first.
    void onShow() override;

    // Empty until the page builds it in onCreate.
    const std::shared_ptr<lib::menu::ChooseControl>& chooseControl() const
    {
        return m_chooseControl;
    }

protected:
    // Where a list stands on the page, and the height of its text.
    struct Layout
    {
        unsigned int characterSize;
        lib::scn::draw::Alignment alignment;
        sf::Vector2f position;
    };
    // The settings pages' list: labels from the left edge, values at the right.
    static const Layout SideList;

    const sf::Font& menuFont() const;
    // Builds the page's list and adds it to the page; Space or Return hands the highlighted
    // option's index to onChosen.
    void addChooseControl(const std::string& name, const Layout& layout, OptionList options,
                          std::function<void(unsigned int)> onChosen);
    // A line of a list: its label and the values Left and Right cycle through (none for a plain
    // option), the first shown; English texts, marked for the catalogue with
    // lib::Translation::mark where they are words.
    static std::shared_ptr<lib::menu::OptionDescriptor>
    option(const std::string& text, std::vector<std::string> values = {});

private:
    std::shared_ptr<lib::menu::ChooseControl> m_chooseControl;
};

} // namespace bexil::bmenu
