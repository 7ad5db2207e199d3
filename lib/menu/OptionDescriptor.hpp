#pragma once

#include <string>
#include <vector>

namespace lib::menu
{

// One option of a choose control as its page describes it; the control copies what it needs.
struct OptionDescriptor
{
    std::string text;
    // Index into subOptions of the value shown first; must be within the list when it is
    // not empty.
    unsigned int selectedSubOption = 0;
    // The values the option cycles through with Left and Right; empty for a plain option.
    std::vector<std::string> subOptions;
    // Whether Right on the last value goes on to the first and Left on the first to the last;
    // otherwise the ends stop (a volume stays at its loudest).
    bool wraps = true;
};

} // namespace lib::menu
