#include "bexil/controls/PadMapping.hpp"

#include <cassert>
#include <charconv>

namespace bexil::controls
{

namespace
{

using lib::input::Input;

// In the order of sf::Joystick::Axis.
constexpr std::array<const char*, sf::Joystick::AxisCount> AxisNames{"X", "Y", "Z",    "R",
                                                                     "U", "V", "PovX", "PovY"};

std::optional<Input> parseInput(const std::string& token)
{
    if (token.size() > 1 && token.front() == 'B')
    {
        unsigned int button = 0;
        const char* end = token.data() + token.size();
        const std::from_chars_result read = std::from_chars(token.data() + 1, end, button);
        if (read.ec == std::errc() && read.ptr == end && button < sf::Joystick::ButtonCount)
            return Input::joystickButton(button);
        return std::nullopt;
    }
    if (token.size() < 2 || (token.back() != '+' && token.back() != '-'))
        return std::nullopt;
    const std::string axis = token.substr(0, token.size() - 1);
    for (std::size_t i = 0; i < AxisNames.size(); ++i)
    {
        if (axis == AxisNames[i])
            return Input::joystickAxis(static_cast<sf::Joystick::Axis>(i), token.back() == '+');
    }
    return std::nullopt;
}

} // namespace

PadMapping::PadMapping()
    : lib::Configuration(settings::Settings::ConfigFile)
{
    readPads();
}

const PadMapping::Inputs& PadMapping::inputs(lib::input::Action action) const
{
    assert(action != lib::input::Action::None);
    return m_inputs[static_cast<std::size_t>(action)];
}

void PadMapping::setInputs(lib::input::Action action, Inputs inputs)
{
    assert(action != lib::input::Action::None);
    m_inputs[static_cast<std::size_t>(action)] = std::move(inputs);
}

void PadMapping::readPads()
{
    for (std::size_t i = 0; i < m_inputs.size(); ++i)
    {
        const settings::Settings::PadSetting& setting = settings::Settings::Pads[i];
        std::optional<Inputs> read = parse(value(setting.key, setting.defaultValue));
        if (!read)
        {
            // Repaired in the table, so the next save writes the file clean.
            value(setting.key, setting.defaultValue, true);
            read = parse(setting.defaultValue);
        }
        m_inputs[i] = std::move(*read);
    }
}

void PadMapping::storePads()
{
    for (std::size_t i = 0; i < m_inputs.size(); ++i)
        value(settings::Settings::Pads[i].key, text(m_inputs[i]), true);
}

std::string PadMapping::text(const Inputs& inputs)
{
    std::string text;
    for (const Input& input : inputs)
    {
        if (!text.empty())
            text += ',';
        if (input.kind == Input::Kind::JoystickButton)
            text += "B" + std::to_string(input.code);
        else
            text += std::string(AxisNames[static_cast<std::size_t>(input.code)]) +
                    (input.positive ? "+" : "-");
    }
    return text;
}

std::optional<PadMapping::Inputs> PadMapping::parse(const std::string& value)
{
    Inputs inputs;
    for (std::size_t start = 0; start <= value.size();)
    {
        std::size_t end = value.find(',', start);
        if (end == std::string::npos)
            end = value.size();
        const std::optional<Input> input = parseInput(value.substr(start, end - start));
        if (!input || inputs.size() == MaxInputs)
            return std::nullopt;
        inputs.push_back(*input);
        start = end + 1;
    }
    return inputs;
}

} // namespace bexil::controls
