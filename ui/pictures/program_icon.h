#pragma once

#include <QIcon>

namespace dakru::ui {

// The program's icon in every size a window's icon is drawn at.
QIcon programIcon();

}  // namespace dakru::ui
