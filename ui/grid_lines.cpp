#include "grid_lines.h"

#include <QPainter>

#include "main_layout.h"

namespace dakru::ui {
namespace {

QColor colourOf(layout::LineColour colour)
{
    switch (colour) {
    case layout::LineColour::Separator: return {0, 0, 64};
    case layout::LineColour::Rule: return {255, 255, 255};
    case layout::LineColour::Plain: break;
    }
    return {0, 0, 0};
}

}  // namespace

GridLines::GridLines(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void GridLines::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    for (const layout::GridLine& line : layout::kGridLines) {
        painter.setPen(QPen(colourOf(line.colour), line.width, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(px(line.x1), px(line.y1), px(line.x2), px(line.y2));
    }
}

}  // namespace dakru::ui
