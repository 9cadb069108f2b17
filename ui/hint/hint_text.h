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

// Why H shows nothing: there is no decision to make.
enum class NoHint {
    TitleScreen,    // the cover in front, the game not under way
    SheetFull,      // the last cell is written: the game ends at the next watch
    ComputersTurn,  // at a table, the computer is playing its turn
};
QString noHintSentence(NoHint why);

}  // namespace dakru::ui
