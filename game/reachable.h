#pragma once

#include "game_state.h"

namespace dakru {

// True when some throw of five dice scores `value` in scoring row 1 to 14.
bool rowCanScore(int row, int value);

// Number of written cells of a sheet; 56 when it is full.
int writtenCells(const Sheet& sheet);

// Sets the marks the rules give a state: after a roll, the cells that roll
// may write (every empty Call cell after the first roll), or the called cell
// alone while a call is active; none between turns.
void markByTheRules(GameState& state);

// True when play can reach the state, marks included: every written value is
// one its row can score, Down is written from the top without gaps and Up from
// the bottom, and the dice, holds, roll count and call agree with each other
// and with the sheet.
bool reachable(const GameState& state);

}  // namespace dakru
