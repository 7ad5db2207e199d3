#pragma once

#include "lib/menu/MenuSounds.hpp"
#include "lib/scn/draw/RenderGroup.hpp"

#include <SFML/System/String.hpp>
#include <SFML/System/Vector2.hpp>

#include <functional>
#include <memory>

namespace sf
{
class Font;
}

namespace lib::input
{
struct ActionEvent;
}

namespace lib::menu
{
class ChooseControl;
}

namespace lib::scn::draw
{
class Renderizable;
}

namespace bexil
{

// What a paused game offers: "Resume", "Restart" and "Quit to menu" on a dark panel under the
// PAUSE title, with a line naming the keys. The game scene tells it what the player does and
// hears back the line chosen. The font and the sounds' audio must outlive it.
class PauseMenu : public lib::scn::draw::RenderGroup
{
public:
    enum class Choice : unsigned int
    {
        Resume = 0,
        Restart = 1,
        QuitToMenu = 2
    };

    // Centred on a view of that size.
    PauseMenu(const sf::Font& font, const sf::Vector2f& viewSize,
              const lib::menu::MenuSounds& sounds, std::function<void(Choice)> onChosen);
    ~PauseMenu() override;

    // Where the PAUSE title goes: at the top of the panel.
    sf::Vector2f titleCentre() const { return m_titleCentre; }
    // A new pause: "Resume" highlighted, the lines in the language shown, and the hint as given.
    void open(const sf::String& hint);
    // The hint again, as the player takes another device.
    void showHint(const sf::String& hint);
    // Up and Down move the highlight, Fire chooses.
    void onAction(const lib::input::ActionEvent& event);

    Choice highlighted() const;
    const std::shared_ptr<lib::scn::draw::Renderizable>& hint() const { return m_hint; }

private:
    sf::Vector2f m_titleCentre;
    sf::Vector2f m_middle;
    std::shared_ptr<lib::menu::ChooseControl> m_lines;
    std::shared_ptr<lib::scn::draw::Renderizable> m_hint;
};

} // namespace bexil
