#pragma once

#include "cue.h"
#include "synth.h"

namespace dakru::art {

// The finished sound of a cue: mono, kSampleRate, faded and normalised.
Signal cueSound(Cue cue);

// How long the rattle of `dice` dice (1 to 5) lasts: the player hears it out on
// every roll, so it stays short, but more dice take longer to come to rest.
double rattleSeconds(int dice);

}  // namespace dakru::art
