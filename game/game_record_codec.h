#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "game_record.h"

namespace dakru {

// A game's record as lines of text, to travel with the kept game and to be
// stored with the finished one. A versioned header; when the record starts
// mid-game, the line "start" and the position it starts from (one line per
// column of the sheet, "-" for an empty cell; the dice, "h" after a held one,
// "-" before the first roll; the roll count; the call, 0 for none); then one
// line per event:
//
//   r 3h 3h 2 5 6   a roll: every die's face after it, "h" after the dice held through it
//   c 12            a call on a row (1 to 14)
//   w DownUp 9      a write into a column (Down, DownUp, Up, Call) and row
//   u               an undo
//   h               a hint shown
//
// A whole game takes some 150 to 250 lines of a few characters each.
inline constexpr int kGameRecordVersion = 1;

std::string encodeGameRecord(const GameRecord& record);

// The record, or why the text is not one this program wrote: another text, a
// newer version, a damaged line, a start no play can reach. Never a part of
// it. Whether the events make a game is for the replay to find out.
struct DecodedGameRecord {
    std::optional<GameRecord> record;
    std::string error;
    bool otherVersion = false;  // another version's record: not this program's to read
};
DecodedGameRecord decodeGameRecord(std::string_view text);

}  // namespace dakru
