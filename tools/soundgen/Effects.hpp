#pragma once

#include "tools/soundgen/Wave.hpp"

#include <string>
#include <vector>

namespace soundgen
{

// A finished sound and the file name it goes by in the sounds folder.
struct Sound
{
    std::string file;
    Wave wave;
};

// Every effect of the menus and the game, levelled and ready to write.
std::vector<Sound> effects();

} // namespace soundgen
