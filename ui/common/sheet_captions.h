#pragma once

#include <QString>

#include "sheet.h"

namespace dakru::ui {

// The column headers and row captions as the sheet shows them ("Down\Up",
// "3 of kind"), for texts that name a cell the way the player sees it.
QString columnCaption(Column column);
QString rowCaption(int row);  // 1 to 14

}  // namespace dakru::ui
