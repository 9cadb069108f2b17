#include "highlight_frame.h"

#include <QPainter>

#include "accessible_label.h"
#include "main_layout.h"

namespace dakru::ui {

HighlightFrame::HighlightFrame(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hideFromReaders(*this);
}

void HighlightFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(layout::kHighlight, 1));
    painter.setBrush(Qt::NoBrush);
    const qreal radius = height() / 4.0;
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
}

}  // namespace dakru::ui
