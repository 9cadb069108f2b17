#pragma once

#include <array>

#include "sheet.h"

namespace dakru {

// Which cells may be written after a roll, as the marking after that roll
// leaves them: [column][row - 1]. A pure function of the written cells, the
// roll count and the active call (0 for none), for whoever plans ahead.
using Marks = std::array<std::array<bool, kRowCount>, kColumnCount>;
Marks legalCells(const Sheet& sheet, int rollCount, int calledRow);

// True when Down, Down\Up and Up are full, so that only a call leads on.
bool onlyCallCellsLeft(const Sheet& sheet);

}  // namespace dakru
