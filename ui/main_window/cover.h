#pragma once

#include <QWidget>

#include "packed_picture.h"
#include "picture.h"

namespace dakru::ui {

// The full-window cover picture with the title and the menu words, drawn for the
// density of the screen it is on. It reports mouse moves over the parts of it
// that nothing else covers.
class CoverPicture : public QWidget {
    Q_OBJECT

public:
    CoverPicture(Picture picture, QWidget* parent);

signals:
    void moved();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    Picture picture_;
    PackedPicture shown_;
    qreal shownRatio_ = 0;
};

}  // namespace dakru::ui
