#pragma once

#include "tools/soundgen/Wave.hpp"

namespace soundgen
{

// The two looping tracks, levelled and ready to write: each is a circle of more than a minute,
// so its end flows into its start without a seam.
Wave menuMusic();
Wave gameMusic();

} // namespace soundgen
