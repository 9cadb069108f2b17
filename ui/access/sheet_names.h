#pragma once

#include <QString>

#include "sheet.h"

namespace dakru::ui {

// Object names of the score sheet's controls. Most rows are numbered left to
// right, but the Large Straight row runs right to left (Down is Label95, Call
// Label92), so the names come from a table rather than from arithmetic.
QString cellName(Column column, int row);  // row 1 to 14
QString sumName(Section section, Column column);
QString totalName(Section section);
inline constexpr char kGrandTotalName[] = "Label86";

}  // namespace dakru::ui
