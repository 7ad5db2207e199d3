#pragma once

#include <string>

namespace bexil::settings
{

// Where the game's files live. Started from a folder that holds a res.cfg file (the build's run
// folder, or a copy of it), the game reads and writes everything there, as it always has.
// Otherwise it is an installed game: its data lies at a fixed place relative to the program's
// own file (../share/bexil beside its games or bin folder, so a moved installation still works),
// the settings in $XDG_CONFIG_HOME/bexil (~/.config/bexil) and the high scores, which are data,
// in $XDG_DATA_HOME/bexil (~/.local/share/bexil). Missing folders are made private to the
// player; a high score file that an older game kept in the settings folder moves once.
class Folders
{
public:
    // Decides, once at the start, and works in the settings folder from then on. False, with one
    // line on the error stream, when the game is installed but no settings folder can be had;
    // without installed data the working folder is the run folder, whatever it holds.
    static bool choose();

    // The resource list and the high score file, for the working folder chosen (before
    // choose(), the run folder's).
    static const std::string& resourceList();
    static const std::string& highScoresFile();
};

} // namespace bexil::settings
