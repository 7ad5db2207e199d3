#pragma once

#include "lib/menu/IMenuControl.hpp"
#include "lib/menu/MenuSounds.hpp"
#include "lib/scn/draw/Alignment.hpp"

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Rect.hpp>
#include <SFML/System/Vector2.hpp>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace lib::scn::draw
{
class Renderizable;
}

namespace lib::menu
{

struct CursorDescriptor;
struct OptionDescriptor;

// A vertical list of text options with one highlighted and a cursor that slides beside it.
// The actions Up and Down move the highlight (wrapping around), Left and Right step the
// highlighted option's values (round, or up to the ends where the option says so), Fire calls
// the owner back with the highlighted index. The pointer highlights the line it moves over; a
// left click chooses a line, or steps a line's value (forward on the right half of the line,
// back on the left half); the wheel steps the highlighted value. Each plays its sound of the
// menu's sounds, once they are set. Labels are placed around x = 0 by the alignment, values
// right-aligned at x = 1800, lines
// characterSize + spacing apart; the page moves the whole list by positioning the control.
// Labels and values are English texts, shown in the language of lib::Translation.
// The font must outlive the control.
class ChooseControl : public IMenuControl
{
public:
    using Callback = std::function<void(unsigned int, ChooseControl&)>;

    // One line of the list.
    struct OptionModel
    {
        // The English texts of the label and the values.
        std::string label;
        std::vector<std::string> subOptions;
        // Shows subOptions[selectedSubOption]; empty when there are no sub-options.
        std::shared_ptr<lib::scn::draw::Renderizable> subOptionText;
        std::shared_ptr<lib::scn::draw::Renderizable> text;
        unsigned int selectedSubOption = 0;
        // From the descriptor: whether the values go round or stop at the ends.
        bool wraps = true;
        // Played instead of the menu's change sound when a key changes this option's value.
        lib::scn::Audio::Cue changeSound;
    };

    // At least one option is required, each selectedSubOption within its list.
    ChooseControl(const std::string& name, const sf::Color& normalColor,
                  const sf::Color& selectedColor, lib::scn::draw::Alignment alignment,
                  unsigned int characterSize, float spacing,
                  std::vector<std::shared_ptr<OptionDescriptor>> optionDescriptors,
                  const sf::Font& font, Callback onOptionChosen,
                  std::shared_ptr<CursorDescriptor> cursor);
    ~ChooseControl() override;

    void onAction(const lib::input::ActionEvent& event) override;
    void onPointer(const lib::input::PointerEvent& event) override;

    void setSounds(const MenuSounds& sounds) { m_sounds = sounds; }
    // Called with the option's index when Left or Right has changed its value, before the
    // change sounds: a page can act on a value at once (a volume heard as it changes).
    void setOnValueChanged(std::function<void(unsigned int)> onValueChanged)
    {
        m_onValueChanged = std::move(onValueChanged);
    }

    // Highlights the option and starts the cursor's 120 ms slide to it.
    void selectOption(unsigned int index);
    // Step the highlighted option's value, wrapping around where the option does; false when
    // nothing changed (a plain option, or the end of a list that stops there).
    bool nextSubOption();
    bool previousSubOption();
    // Shows option index's current value again, right-aligned; nothing for a plain option.
    void updateSubOptionText(unsigned int index);
    // Shows every label and value in the language now shown, if it changed since they were
    // written, each placed again, and the cursor beside the highlighted label.
    void retranslate();

    unsigned int selectedOption() const { return m_selectedOption; }
    const std::shared_ptr<lib::scn::draw::Renderizable>& cursorNode() const { return m_cursorNode; }

    // Open to the owning page: it reads a choice from options[i].selectedSubOption, and may
    // write it (within the list) provided it then calls updateSubOptionText(i).
    std::vector<OptionModel> options;

private:
    void choose();
    void valueChanged();
    // The line at that point: from its label's left edge to its value's right edge (or its
    // label's), one line step high; none when the point is on no line.
    std::optional<unsigned int> lineAt(const sf::Vector2f& point) const;
    sf::FloatRect lineArea(unsigned int index) const;

    sf::Vector2f m_cursorSize;
    float m_lineStep = 0.f;
    lib::scn::draw::Alignment m_alignment;
    // lib::Translation::changes() when the texts were written.
    unsigned int m_language = 0;
    unsigned int m_selectedOption = 0;
    sf::Color m_normalColor;
    sf::Color m_selectedColor;
    std::shared_ptr<lib::scn::draw::Renderizable> m_cursorNode;
    Callback m_onOptionChosen;
    std::function<void(unsigned int)> m_onValueChanged;
    MenuSounds m_sounds;
};

} // namespace lib::menu
