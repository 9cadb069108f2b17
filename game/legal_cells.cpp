#include "legal_cells.h"

namespace dakru {

bool onlyCallCellsLeft(const Sheet& sheet)
{
    for (const Column column : {Column::Down, Column::DownUp, Column::Up}) {
        for (const Cell& c : sheet[index(column)]) {
            if (!c.value) {
                return false;
            }
        }
    }
    return true;
}

Marks legalCells(const Sheet& sheet, int rollCount, int calledRow)
{
    Marks marks{};
    const auto empty = [&](Column column, int row) { return !sheet[index(column)][row - 1].value; };
    auto& call = marks[index(Column::Call)];
    if (calledRow > 0) {
        // The called cell stays the only one until it is written.
        call[calledRow - 1] = empty(Column::Call, calledRow);
        return marks;
    }
    for (int row = 1; row <= kRowCount; ++row) {
        call[row - 1] = rollCount == 1 && empty(Column::Call, row);
        marks[index(Column::DownUp)][row - 1] = empty(Column::DownUp, row);
    }
    // Down goes from the top and Up from the bottom: only the first empty cell of each.
    for (int row = 1; row <= kRowCount; ++row) {
        if (empty(Column::Down, row)) {
            marks[index(Column::Down)][row - 1] = true;
            break;
        }
    }
    for (int row = kRowCount; row >= 1; --row) {
        if (empty(Column::Up, row)) {
            marks[index(Column::Up)][row - 1] = true;
            break;
        }
    }
    return marks;
}

}  // namespace dakru
