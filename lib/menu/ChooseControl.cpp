#include "lib/menu/ChooseControl.hpp"

#include "lib/Translation.hpp"
#include "lib/input/ActionEvent.hpp"
#include "lib/input/PointerEvent.hpp"
#include "lib/menu/CursorDescriptor.hpp"
#include "lib/menu/OptionDescriptor.hpp"
#include "lib/scn/draw/NodeShape.hpp"
#include "lib/scn/draw/Renderizable.hpp"
#include "lib/scn/draw/anim/AnimationCreation.hpp"

#include <SFML/Graphics/Text.hpp>

#include <cassert>
#include <utility>

namespace lib::menu
{

namespace
{

constexpr int CursorSlideMilliseconds = 120;
constexpr float SubOptionRightEdge = 1800.f;
constexpr float CursorRotation = 90.f;

// The shared look of every text of the control.
std::shared_ptr<lib::scn::draw::Renderizable>
makeText(ChooseControl& control, const std::string& name, const std::string& string,
         const sf::Font& font, unsigned int characterSize, const sf::Color& color)
{
    std::shared_ptr<lib::scn::draw::Renderizable> leaf = control.createText(name);
    sf::Text* text = leaf->getAsText();
    text->setFont(font);
    text->setCharacterSize(characterSize);
    text->setString(lib::Translation::toScreen(lib::Translation::tr(string.c_str())));
    text->setFillColor(color);
    return leaf;
}

void placeAt(lib::scn::draw::Renderizable& leaf, float x, lib::scn::draw::Alignment alignment,
             float y)
{
    leaf.setPositionX(x, alignment);
    leaf.transformable()->setPosition(leaf.getPosition().x, y);
}

} // namespace

ChooseControl::ChooseControl(const std::string& name, const sf::Color& normalColor,
                             const sf::Color& selectedColor, lib::scn::draw::Alignment alignment,
                             unsigned int characterSize, float spacing,
                             std::vector<std::shared_ptr<OptionDescriptor>> optionDescriptors,
                             const sf::Font& font, Callback onOptionChosen,
                             std::shared_ptr<CursorDescriptor> cursor)
    : IMenuControl(name)
    , m_cursorSize(cursor->size)
    , m_alignment(alignment)
    , m_language(lib::Translation::changes())
    , m_normalColor(normalColor)
    , m_selectedColor(selectedColor)
    , m_onOptionChosen(std::move(onOptionChosen))
{
    assert(!optionDescriptors.empty());

    // First child, so the texts are drawn over it.
    m_cursorNode = createShape("cursor", sf::Vector2f(0.f, 0.f));
    lib::scn::draw::NodeShape* shape = m_cursorNode->getAsNodeShape();
    shape->setPointCount(cursor->pointCount);
    shape->setFillColor(cursor->color);
    shape->setSize(cursor->size);
    // Turned about the bottom-left corner of its box, the shape stays inside that box: placed
    // one cursor width left of a label, it stands right beside the label, its point touching
    // it. Turned about its top-left corner it would swing a further width to the left, off the
    // view for labels near the left edge.
    shape->setOrigin(0.f, cursor->size.y);

    m_lineStep = static_cast<float>(characterSize) + spacing;
    float y = 0.f;
    options.reserve(optionDescriptors.size());
    for (std::size_t i = 0; i < optionDescriptors.size(); ++i)
    {
        const OptionDescriptor& descriptor = *optionDescriptors[i];
        assert(descriptor.subOptions.empty() ||
               descriptor.selectedSubOption < descriptor.subOptions.size());

        OptionModel model;
        model.text = makeText(*this, "name" + std::to_string(i), descriptor.text, font,
                              characterSize, m_normalColor);
        placeAt(*model.text, 0.f, alignment, y);

        if (!descriptor.subOptions.empty())
        {
            model.subOptionText = makeText(*this, "sub_name" + std::to_string(i),
                                           descriptor.subOptions[descriptor.selectedSubOption],
                                           font, characterSize, m_normalColor);
            placeAt(*model.subOptionText, SubOptionRightEdge, lib::scn::draw::Alignment::Right, y);
        }
        y += m_lineStep;

        model.label = descriptor.text;
        model.subOptions = descriptor.subOptions;
        model.selectedSubOption = descriptor.selectedSubOption;
        model.wraps = descriptor.wraps;
        options.push_back(std::move(model));
    }

    selectOption(0);
}

ChooseControl::~ChooseControl() = default;

void ChooseControl::onAction(const lib::input::ActionEvent& event)
{
    using lib::input::Action;
    const unsigned int count = static_cast<unsigned int>(options.size());
    switch (event.action)
    {
    case Action::Down:
        selectOption(m_selectedOption + 1 < count ? m_selectedOption + 1 : 0);
        m_sounds.play(m_sounds.move);
        break;
    case Action::Up:
        selectOption(m_selectedOption > 0 ? m_selectedOption - 1 : count - 1);
        m_sounds.play(m_sounds.move);
        break;
    case Action::Fire:
        // A held key chooses once: its repeats would choose on the page it opens.
        if (!event.repeat)
            choose();
        break;
    case Action::Left:
        if (previousSubOption())
            valueChanged();
        break;
    case Action::Right:
        if (nextSubOption())
            valueChanged();
        break;
    default:
        break;
    }
}

void ChooseControl::onPointer(const lib::input::PointerEvent& event)
{
    using Kind = lib::input::PointerEvent::Kind;
    if (event.kind == Kind::Wheel)
    {
        if (event.wheel > 0.f ? nextSubOption() : previousSubOption())
            valueChanged();
        return;
    }
    const std::optional<unsigned int> line = lineAt(event.position);
    if (!line || (event.kind == Kind::Pressed && event.button != sf::Mouse::Left))
        return;
    if (*line != m_selectedOption)
    {
        selectOption(*line);
        if (event.kind == Kind::Moved)
            m_sounds.play(m_sounds.move);
    }
    if (event.kind != Kind::Pressed)
        return;
    if (options[*line].subOptions.empty())
    {
        choose();
        return;
    }
    const sf::FloatRect area = lineArea(*line);
    if (event.position.x < area.left + area.width / 2.f ? previousSubOption() : nextSubOption())
        valueChanged();
}

void ChooseControl::choose()
{
    // Before the callback, which may leave the page or the scene.
    m_sounds.play(m_sounds.choose);
    if (m_onOptionChosen)
        m_onOptionChosen(m_selectedOption, *this);
}

sf::FloatRect ChooseControl::lineArea(unsigned int index) const
{
    const OptionModel& option = options[index];
    const sf::FloatRect label = option.text->getAsText()->getGlobalBounds();
    float right = label.left + label.width;
    if (option.subOptionText)
        right = SubOptionRightEdge;
    return {label.left, option.text->getPosition().y, right - label.left, m_lineStep};
}

std::optional<unsigned int> ChooseControl::lineAt(const sf::Vector2f& point) const
{
    for (unsigned int i = 0; i < options.size(); ++i)
    {
        if (lineArea(i).contains(point))
            return i;
    }
    return std::nullopt;
}

void ChooseControl::valueChanged()
{
    const OptionModel& option = options[m_selectedOption];
    if (m_onValueChanged)
        m_onValueChanged(m_selectedOption);
    m_sounds.play(option.changeSound.count != 0 ? option.changeSound : m_sounds.change);
}

void ChooseControl::selectOption(unsigned int index)
{
    assert(index < options.size());
    OptionModel& previous = options[m_selectedOption];
    previous.text->setColor(m_normalColor);
    if (previous.subOptionText)
        previous.subOptionText->setColor(m_normalColor);

    m_selectedOption = index;
    OptionModel& current = options[m_selectedOption];
    current.text->setColor(m_selectedColor);
    if (current.subOptionText)
        current.subOptionText->setColor(m_selectedColor);

    // Turns the triangle's first point, at the top of its box, toward the label.
    m_cursorNode->transformable()->setRotation(CursorRotation);
    const sf::Vector2f label = current.text->getPosition();
    // Replaces a slide still running, so the cursor goes on from where it is.
    addAnimation(lib::scn::draw::anim::createMoveAnimation(
        CursorSlideMilliseconds, sf::Vector2f(label.x - m_cursorSize.x, label.y), m_cursorNode));
}

bool ChooseControl::nextSubOption()
{
    OptionModel& option = options[m_selectedOption];
    const bool last = option.selectedSubOption + 1 >= option.subOptions.size();
    if (option.subOptions.empty() || (last && !option.wraps))
        return false;
    option.selectedSubOption = last ? 0 : option.selectedSubOption + 1;
    updateSubOptionText(m_selectedOption);
    return true;
}

bool ChooseControl::previousSubOption()
{
    OptionModel& option = options[m_selectedOption];
    const bool first = option.selectedSubOption == 0;
    if (option.subOptions.empty() || (first && !option.wraps))
        return false;
    option.selectedSubOption = first ? static_cast<unsigned int>(option.subOptions.size() - 1)
                                     : option.selectedSubOption - 1;
    updateSubOptionText(m_selectedOption);
    return true;
}

void ChooseControl::updateSubOptionText(unsigned int index)
{
    assert(index < options.size());
    OptionModel& option = options[index];
    if (!option.subOptionText)
        return;
    assert(option.selectedSubOption < option.subOptions.size());
    option.subOptionText->getAsText()->setString(lib::Translation::toScreen(
        lib::Translation::tr(option.subOptions[option.selectedSubOption].c_str())));
    option.subOptionText->setPositionX(SubOptionRightEdge, lib::scn::draw::Alignment::Right);
}

void ChooseControl::retranslate()
{
    if (m_language == lib::Translation::changes())
        return;
    m_language = lib::Translation::changes();
    for (unsigned int i = 0; i < options.size(); ++i)
    {
        lib::scn::draw::Renderizable& label = *options[i].text;
        label.getAsText()->setString(
            lib::Translation::toScreen(lib::Translation::tr(options[i].label.c_str())));
        placeAt(label, 0.f, m_alignment, label.getPosition().y);
        updateSubOptionText(i);
    }
    selectOption(m_selectedOption);
}

} // namespace lib::menu
