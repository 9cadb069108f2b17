#include "reachable.h"

#include <algorithm>
#include <bitset>

#include "row_value.h"

namespace dakru {
namespace {

constexpr int kMaxRowValue = 80;  // five sixes in the Dakru row

using RowScores = std::array<std::bitset<kMaxRowValue + 1>, kRowCount>;

// Every value each row scores, from every throw of five dice.
RowScores allRowScores()
{
    RowScores scores;
    std::array<int, kDiceCount> faces{1, 1, 1, 1, 1};
    for (;;) {
        for (int row = 1; row <= kRowCount; ++row) {
            scores[row - 1].set(static_cast<std::size_t>(RowValue(row, faces)));
        }
        int n = 0;
        while (n < kDiceCount && faces[n] == 6) {
            faces[n++] = 1;
        }
        if (n == kDiceCount) {
            return scores;
        }
        ++faces[n];
    }
}

bool written(const GameState& s, Column column, int row)
{
    return s.cells[index(column)][row - 1].value.has_value();
}

// Down is written from the top, Up from the bottom: no written cell below
// (Down) or above (Up) an empty one.
bool inColumnOrder(const GameState& s)
{
    for (int row = 2; row <= kRowCount; ++row) {
        if (written(s, Column::Down, row) && !written(s, Column::Down, row - 1)) {
            return false;
        }
        if (written(s, Column::Up, row - 1) && !written(s, Column::Up, row)) {
            return false;
        }
    }
    return true;
}

// With Down and Up finished and every Down\Up cell written, a second roll
// needs a call first.
bool onlyCallCellsLeft(const GameState& s)
{
    if (!written(s, Column::Down, kRowCount) || !written(s, Column::Up, 1)) {
        return false;
    }
    for (int row = 1; row <= kRowCount; ++row) {
        if (!written(s, Column::DownUp, row)) {
            return false;
        }
    }
    return true;
}

bool diceAgree(const GameState& s)
{
    const bool thrown = s.dice[0].face.has_value();
    for (int n = 0; n < kDiceCount; ++n) {
        const Die& die = s.dice[n];
        if (die.face.has_value() != thrown || (die.held && !thrown)) {
            return false;
        }
        // DiceFaces copies the thrown faces; a turn's end sets it to 0, and it is
        // unset only before the first turn of the program's first game.
        const std::optional<int> copy = thrown ? die.face : (s.RollCount ? std::optional(0) : std::nullopt);
        if (s.DiceFaces[n] != copy) {
            return false;
        }
    }
    return thrown == (s.RollCount.value_or(0) > 0);
}

bool valuesScorable(const GameState& s)
{
    for (const Column column : kColumns) {
        for (int row = 1; row <= kRowCount; ++row) {
            const std::optional<int> value = s.cells[index(column)][row - 1].value;
            if (value && !rowCanScore(row, *value)) {
                return false;
            }
        }
    }
    return true;
}

bool callAgrees(const GameState& s)
{
    const bool callWritten =
        std::ranges::any_of(s.cells[index(Column::Call)], [](const Cell& c) { return c.value.has_value(); });
    // The roll count is set by the first turn's end, the call by a new game or
    // a written call.
    if (!s.RollCount && (writtenCells(s.cells) > 0 || s.CalledRow)) {
        return false;
    }
    if (!s.CalledRow && callWritten) {
        return false;
    }
    const int called = s.CalledRow.value_or(0);
    if (called > 0) {
        return s.dice[0].face && !written(s, Column::Call, called);
    }
    return s.RollCount.value_or(0) < 2 || !onlyCallCellsLeft(s);
}

}  // namespace

bool rowCanScore(int row, int value)
{
    static const RowScores scores = allRowScores();
    return row >= 1 && row <= kRowCount && value >= 0 && value <= kMaxRowValue
           && scores[row - 1].test(static_cast<std::size_t>(value));
}

int writtenCells(const Sheet& sheet)
{
    int count = 0;
    for (const auto& column : sheet) {
        count += static_cast<int>(std::ranges::count_if(column, [](const Cell& c) { return c.value.has_value(); }));
    }
    return count;
}

void markByTheRules(GameState& s)
{
    for (auto& column : s.cells) {
        for (Cell& c : column) {
            c.marked = false;
        }
    }
    const int rolls = s.RollCount.value_or(0);
    if (rolls == 0) {
        return;
    }
    const auto markIfEmpty = [&s](Column column, int row) {
        Cell& c = s.cells[index(column)][row - 1];
        c.marked = !c.value;
    };
    if (const int called = s.CalledRow.value_or(0); called > 0) {
        markIfEmpty(Column::Call, called);
        return;
    }
    for (int row = 1; row <= kRowCount; ++row) {
        if (rolls == 1) {
            markIfEmpty(Column::Call, row);
        }
        markIfEmpty(Column::DownUp, row);
        if (row == 1 || written(s, Column::Down, row - 1)) {
            markIfEmpty(Column::Down, row);
        }
        if (row == kRowCount || written(s, Column::Up, row + 1)) {
            markIfEmpty(Column::Up, row);
        }
    }
}

bool reachable(const GameState& s)
{
    if (!valuesScorable(s) || !inColumnOrder(s) || !diceAgree(s) || !callAgrees(s)) {
        return false;
    }
    // The score of a finished game dealt with is the only thing that stops play.
    if (!s.rollVisible && writtenCells(s.cells) != kCellCount) {
        return false;
    }
    GameState marked = s;
    markByTheRules(marked);
    return marked == s;
}

}  // namespace dakru
