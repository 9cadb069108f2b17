#pragma once

#include <QString>

#include "advisor.h"
#include "game_state.h"

namespace dakru::ui {

// The hint as one sentence, for the screen reader: "Hold the three fives and
// roll", "Write 28 in Down\Up, 3 of kind", "Call Small Straight", "Roll".
// The dice named are those of `state`.
QString hintSentence(const advisor::Action& action, const GameState& state);

// When there is nothing to advise and the ROLL hot spot starts a new game.
QString newGameSentence();

}  // namespace dakru::ui
