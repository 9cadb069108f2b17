#pragma once

#include <string>
#include <vector>

#include "advisor.h"
#include "game_record.h"
#include "game_state.h"
#include "sheet.h"

namespace dakru::review {

// One choice the player made, in the position they made it in.
struct Choice {
    GameState position;      // as the player saw it: after a roll, or after a call
    advisor::Action action;  // a roll with its holds, a call, or a write with its score
    bool hinted = false;     // a hint was shown in this position before the choice
};

// A record played again on the rules engine. The choices are those that
// stand, in order: one taken back by an undo is gone. The first roll of a
// turn is no choice, nor anything on a full sheet.
struct Replay {
    std::vector<Choice> choices;
    int hintsShown = 0;
    int undos = 0;
    std::string refusal;  // why the record is not this game's; empty when it is
};

// Plays the record on the engine with its own dice and checks that every
// event is one the game allows where it comes and that it ends on
// `finalSheet` (the written values; the marks do not count).
Replay replay(const GameRecord& record, const Sheet& finalSheet);

}  // namespace dakru::review
