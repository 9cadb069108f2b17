#include "grid_lines.h"

#include <QPainter>

#include "accessible_label.h"
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

// Each line is filled as the block of pixels it covers on an ordinary screen:
// a line of width w on the coordinate c takes the pixels from c - w / 2 on. A
// pen would be centred on c instead, which on denser screens shifts the line
// half a pixel off the cell edges it closes.
QRect lineBlock(const layout::GridLine& line)
{
    const int x1 = px(line.x1), y1 = px(line.y1), x2 = px(line.x2), y2 = px(line.y2);
    if (y1 == y2) {
        return {x1, y1 - line.width / 2, x2 - x1, line.width};
    }
    return {x1 - line.width / 2, y1, line.width, y2 - y1};
}

}  // namespace

GridLines::GridLines(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hideFromReaders(*this);
}

void GridLines::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    for (const layout::GridLine& line : layout::kGridLines) {
        painter.fillRect(lineBlock(line), colourOf(line.colour));
    }
}

}  // namespace dakru::ui
