#include "lib/input/ActionMap.hpp"

#include <algorithm>
#include <cassert>

namespace lib::input
{

void ActionMap::bind(Action action, const Input& input)
{
    assert(action != Action::None);
    std::vector<Input>& inputs = m_bindings[static_cast<std::size_t>(action)];
    if (std::find(inputs.begin(), inputs.end(), input) == inputs.end())
        inputs.push_back(input);
}

const std::vector<Input>& ActionMap::bindings(Action action) const
{
    assert(action != Action::None);
    return m_bindings[static_cast<std::size_t>(action)];
}

Action ActionMap::actionFor(const Input& input) const
{
    for (std::size_t i = 0; i < ActionCount; ++i)
    {
        const std::vector<Input>& inputs = m_bindings[i];
        if (std::find(inputs.begin(), inputs.end(), input) != inputs.end())
            return static_cast<Action>(i);
    }
    return Action::None;
}

} // namespace lib::input
