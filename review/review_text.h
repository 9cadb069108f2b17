#pragma once

#include <string>

#include "advisor.h"
#include "game_state.h"
#include "review.h"

namespace dakru::review {

// An action in words, as the hint says it: "Hold the three fives and roll",
// "Roll all five dice", "Write 28 in Down\Up, 3 of kind", "Call Small
// Straight". The dice named are those of `position`.
std::string actionText(const advisor::Action& action, const GameState& position);

// A row by its caption on the sheet: "1" to "6", "Minimum", ... "Dakru".
std::string rowName(int row);

// "best", "inaccuracy", "mistake", "blunder".
std::string gradeName(Grade grade);

// The review as text, for the terminal: the headline figures, the grades with
// their thresholds, the loss by kind, column and row, then one line per
// mistake or blunder in the order played.
std::string reviewText(const Review& review);

}  // namespace dakru::review
