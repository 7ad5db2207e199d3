#include "bexil/bmenu/MenuPage.hpp"

#include "lib/menu/ChooseControl.hpp"
#include "lib/menu/CursorDescriptor.hpp"
#include "lib/menu/MenuManager.hpp"
#include "lib/menu/OptionDescriptor.hpp"

#include <utility>

namespace bexil::bmenu
{

const MenuPage::Layout MenuPage::SideList{70, lib::scn::draw::Alignment::Left, {100.f, 700.f}};

MenuPage::~MenuPage() = default;

void MenuPage::onShow()
{
    if (m_chooseControl)
        m_chooseControl->retranslate();
}

const sf::Font& MenuPage::menuFont() const
{
    return font("game_menu.mainFont");
}

void MenuPage::addChooseControl(const std::string& name, const Layout& layout, OptionList options,
                                std::function<void(unsigned int)> onChosen)
{
    auto cursor = std::make_shared<lib::menu::CursorDescriptor>();
    cursor->pointCount = 3;
    cursor->size = sf::Vector2f(static_cast<float>(layout.characterSize),
                                static_cast<float>(layout.characterSize));
    cursor->color = sf::Color::Red;
    m_chooseControl = std::make_shared<lib::menu::ChooseControl>(
        name, sf::Color::Blue, sf::Color::Red, layout.alignment, layout.characterSize, 1.f,
        std::move(options), menuFont(),
        [onChosen = std::move(onChosen)](unsigned int index, lib::menu::ChooseControl&)
        { onChosen(index); },
        cursor);
    m_chooseControl->setSounds(manager().sounds());
    addMenuControl(m_chooseControl);
    m_chooseControl->setPosition(layout.position);
}

std::shared_ptr<lib::menu::OptionDescriptor> MenuPage::option(const std::string& text,
                                                              std::vector<std::string> values)
{
    auto descriptor = std::make_shared<lib::menu::OptionDescriptor>();
    descriptor->text = text;
    descriptor->subOptions = std::move(values);
    return descriptor;
}

} // namespace bexil::bmenu
