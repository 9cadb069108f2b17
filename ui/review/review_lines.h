#pragma once

#include <QString>
#include <vector>

#include "review.h"

namespace dakru::ui::coach {

// The texts of the review window, each a line a screen reader says as it is shown.

// Points with one decimal: "14.2".
QString points(double value);

// A decision's loss with two decimals, cut rather than rounded, so that it
// never reads as reaching a grade it falls short of: "9.99", not "10.0".
QString lossText(double loss);

// The grade with the losses it covers, from the published thresholds:
// "Best (under 0.25)", "Inaccuracies (0.25 to 2.5)", ..., "Blunders (10 or more)".
QString gradeCaption(review::Grade grade);

// "turn 1", "turn 12", or "the middle of turn 12" for a record taken up mid-turn.
QString recordedFrom(const review::Review& review);

// The decisions' places in the review, costliest first; equal losses in the order played.
std::vector<int> costliestFirst(const review::Review& review);

// "Turn 23, roll 2"
QString decisionPlace(const review::Decision& decision);

// "Turn 23, roll 2: blunder, 14.2 points lost, after a hint"
QString decisionTitle(const review::Decision& decision);

// The whole decision in one sentence, for the list of decisions: its title,
// what the player did and what the advisor would do.
QString decisionSentence(const review::Decision& decision);

}  // namespace dakru::ui::coach
