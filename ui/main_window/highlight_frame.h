#pragma once

#include <QWidget>

namespace dakru::ui {

// The rounded outline that marks the menu word under the pointer. It takes no
// mouse input: the hot spot beneath it does.
class HighlightFrame : public QWidget {
    Q_OBJECT

public:
    explicit HighlightFrame(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace dakru::ui
