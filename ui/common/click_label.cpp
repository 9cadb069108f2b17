#include "click_label.h"

#include <QMouseEvent>
#include <QPainter>

namespace dakru::ui {

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent) {}

void ClickLabel::setFill(std::optional<QColor> fill)
{
    if (fill != fill_) {
        fill_ = fill;
        update();
    }
}

void ClickLabel::setBorder(std::optional<QColor> border)
{
    if (border != border_) {
        border_ = border;
        update();
    }
}

void ClickLabel::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click) {
        emit clicked();
    }
}

void ClickLabel::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    emit moved();
}

void ClickLabel::paintEvent(QPaintEvent* event)
{
    if (fill_) {
        QPainter(this).fillRect(rect(), *fill_);
    }
    QLabel::paintEvent(event);
    if (border_) {
        // Filled rather than stroked, so that on every screen the border takes
        // the outermost pixel all round, where the neighbouring cell's lies too.
        QPainter painter(this);
        const QRect r = rect();
        painter.fillRect(r.left(), r.top(), r.width(), 1, *border_);
        painter.fillRect(r.left(), r.bottom(), r.width(), 1, *border_);
        painter.fillRect(r.left(), r.top(), 1, r.height(), *border_);
        painter.fillRect(r.right(), r.top(), 1, r.height(), *border_);
    }
}

}  // namespace dakru::ui
