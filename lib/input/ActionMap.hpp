#pragma once

#include "lib/input/Action.hpp"
#include "lib/input/Input.hpp"

#include <array>
#include <vector>

namespace lib::input
{

// The binding table: which inputs stand for each action. An action may have any number of
// inputs of any devices. An input bound to several actions stands for the first of them in the
// order of Action (directions, then Fire, Pause, Back), so the lookup is the one place where an
// input is told apart from another.
class ActionMap
{
public:
    // Adds the input to the action's inputs, once.
    void bind(Action action, const Input& input);
    // The action's inputs, in the order they were bound.
    const std::vector<Input>& bindings(Action action) const;
    // The first action the input stands for; None when it stands for none.
    Action actionFor(const Input& input) const;

private:
    std::array<std::vector<Input>, ActionCount> m_bindings;
};

} // namespace lib::input
