#pragma once

#include <QWidget>
#include <functional>

namespace dakru::ui {

// Runs `action` once, right after the window's first frame has been painted
// and handed to the window system, before any input that followed reaches the
// window: for work the first frame must not wait for. Call it once the window
// is shown. A window that is not shown, or already on screen, gets the action at
// the next turn of the event loop.
void afterFirstFrame(QWidget& window, std::function<void()> action);

}  // namespace dakru::ui
