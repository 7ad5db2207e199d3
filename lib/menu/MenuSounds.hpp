#pragma once

#include "lib/scn/Audio.hpp"

namespace lib::menu
{

// What the controls of a menu play: moving the highlight, changing a value, choosing, and a key
// taken. The audio must outlive every holder; an empty cue plays nothing.
struct MenuSounds
{
    lib::scn::Audio* audio = nullptr;
    lib::scn::Audio::Cue move;
    lib::scn::Audio::Cue change;
    lib::scn::Audio::Cue choose;
    lib::scn::Audio::Cue accept;

    void play(const lib::scn::Audio::Cue& cue) const
    {
        if (audio != nullptr)
            audio->play(cue);
    }
};

} // namespace lib::menu
