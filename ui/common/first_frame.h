#pragma once

#include <QWidget>
#include <functional>

namespace dakru::ui {

// Runs `action` once, right after the window's first frame has been painted
// and handed to the window system: for work the first frame must not wait for.
// Call it once the window is shown.
void afterFirstFrame(QWidget& window, std::function<void()> action);

}  // namespace dakru::ui
