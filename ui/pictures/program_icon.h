#pragma once

#include <QIcon>

namespace dakru::ui {

// The program's icon in every size that was drawn for it (empty if none were built in).
QIcon programIcon();

}  // namespace dakru::ui
