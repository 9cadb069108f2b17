#include "game_record.h"

#include "reachable.h"

namespace dakru {

GameRecord GameRecord::startingAt(const GameState& state)
{
    GameRecord record;
    if (writtenCells(state.cells) == 0 && state.RollCount.value_or(0) == 0) {
        return record;
    }
    GameState start;
    for (const Column column : kColumns) {
        for (int row = 0; row < kRowCount; ++row) {
            start.cells[index(column)][row].value = state.cells[index(column)][row].value;
        }
    }
    start.dice = state.dice;
    for (int n = 0; n < kDiceCount; ++n) {
        start.DiceFaces[n] = state.dice[n].face.value_or(0);
    }
    start.RollCount = state.RollCount.value_or(0);
    start.CalledRow = state.CalledRow.value_or(0);
    markByTheRules(start);
    record.start = start;
    return record;
}

int GameRecord::firstTurn() const
{
    return start ? writtenCells(start->cells) + 1 : 1;
}

bool GameRecord::startsMidTurn() const
{
    return start && start->RollCount.value_or(0) > 0;
}

void GameRecord::roll(const std::array<bool, kDiceCount>& held, const std::array<int, kDiceCount>& faces)
{
    events.push_back({.move = RecordedMove::Roll, .faces = faces, .held = held});
}

void GameRecord::call(int row)
{
    events.push_back({.move = RecordedMove::Call, .row = row});
}

void GameRecord::write(Column column, int row)
{
    events.push_back({.move = RecordedMove::Write, .column = column, .row = row});
}

void GameRecord::undo()
{
    events.push_back({.move = RecordedMove::Undo});
}

void GameRecord::hint()
{
    events.push_back({.move = RecordedMove::Hint});
}

}  // namespace dakru
