#pragma once

#include <QWidget>
#include <functional>

#include "cue.h"

namespace dakru::ui {

// The About window: title, version, credits, the keys, a page of scoring help
// and a page of tips. Clicking the title plays the intro cue, every move over
// CLOSE the hover cue; clicking CLOSE or pressing Esc destroys the window.
class AboutWindow : public QWidget {
    Q_OBJECT

public:
    // playCue goes through the main window's sound switch.
    explicit AboutWindow(std::function<void(Cue)> playCue, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::function<void(Cue)> playCue_;
};

}  // namespace dakru::ui
