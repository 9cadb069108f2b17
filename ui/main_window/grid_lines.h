#pragma once

#include <QWidget>

namespace dakru::ui {

// The lines of the score sheet, drawn over the whole client area; the mouse
// passes through to whatever lies beneath.
class GridLines : public QWidget {
    Q_OBJECT

public:
    explicit GridLines(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace dakru::ui
