#pragma once

#include "cue.h"

namespace dakru {

// Plays the game's sound cues. Muting is the caller's business: a cue that
// reaches the player is meant to be heard.
class CuePlayer {
public:
    virtual ~CuePlayer() = default;

    // Starts the cue and returns at once; it cuts off any cue still playing.
    virtual void play(Cue cue) = 0;
    // Plays the cue and returns when it has ended, without running any events
    // meanwhile (the rolling sounds hold the game until the dice land).
    virtual void playAndWait(Cue cue) = 0;
};

}  // namespace dakru
