#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "advisor.h"
#include "game_record.h"
#include "review.h"
#include "sheet.h"

namespace dakru::review {

// The record kept with a finished game, as text, read back for the review:
// the record, or why it cannot be reviewed, in words that follow "This game
// cannot be reviewed: ".
struct StoredRecord {
    std::optional<GameRecord> record;
    std::string refusal;
};
StoredRecord readStoredRecord(std::string_view text);

// A game as the history keeps it, reviewed: a record that cannot be read is
// refused like one that does not reach the sheet. Never throws.
Reviewed reviewStored(std::string_view recordText, const Sheet& finalSheet, advisor::Advisor& advisor,
                      const Progress& progress = {});

}  // namespace dakru::review
