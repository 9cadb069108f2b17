#pragma once

#include <array>

#include "sheet.h"

namespace dakru {

// The score that scoring row 1 to 14 yields from five dice faces (1 to 6).
// Only the row matters, never the column; 0 when the combination is absent.
int RowValue(int row, const std::array<int, kDiceCount>& faces);

}  // namespace dakru
