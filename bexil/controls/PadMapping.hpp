#pragma once

#include "bexil/settings/Settings.hpp"
#include "lib/Configuration.hpp"
#include "lib/input/Action.hpp"
#include "lib/input/Input.hpp"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace bexil::controls
{

// The pad's bindings: for each action a list of joystick inputs (buttons and axis directions),
// kept in config.cfg under the keys of Settings::Pads, beside the keyboard's keys. A value lists
// its inputs by commas, each "B" and a button's number (from 0) or an axis (X, Y, Z, R, U, V,
// PovX, PovY) and "+" or "-": "PovX-,X-" is the d-pad's and the left stick's left. A value that
// is no such list of 1 to MaxInputs inputs reads as its default, which the table then holds.
// The lists are read from the shared settings table at construction and by readPads; setInputs
// changes this object only, and storePads puts its lists into the table (the file is written
// when the table is saved).
class PadMapping : public lib::Configuration
{
public:
    using Inputs = std::vector<lib::input::Input>;
    static constexpr std::size_t MaxInputs = 8;

    PadMapping();

    // The inputs of an action other than None.
    const Inputs& inputs(lib::input::Action action) const;
    void setInputs(lib::input::Action action, Inputs inputs);
    void readPads();
    void storePads();

    static std::string text(const Inputs& inputs);
    // The inputs the value lists; none when it is no such list.
    static std::optional<Inputs> parse(const std::string& value);

private:
    static_assert(settings::Settings::PadCount == lib::input::ActionCount);
    std::array<Inputs, settings::Settings::PadCount> m_inputs;
};

} // namespace bexil::controls
