#pragma once

#include <QWidget>

#include "main_layout.h"

namespace dakru::ui {

// How a screen reader meets a caption of the sheet. The column and row
// captions are headers named as the cells name their column and row ("Down
// Up", "Ones"); the ones that only decorate (the three "Equals", the "Dakru"
// in the corner, and "Score" beside the score, which says it itself) are left
// out, so that the reader holds each thing once.
void readCaption(QWidget& label, const layout::Caption& caption);

}  // namespace dakru::ui
