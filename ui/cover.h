#pragma once

#include <QPixmap>
#include <QWidget>

namespace dakru::ui {

// The full-window cover picture with the title and the menu words. It reports
// mouse moves over the parts of it that nothing else covers.
class CoverPicture : public QWidget {
    Q_OBJECT

public:
    CoverPicture(QPixmap picture, QWidget* parent);

signals:
    void moved();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};

}  // namespace dakru::ui
