#include "sheet_cursor.h"

#include <QPainter>

#include "accessible_label.h"
#include "main_layout.h"

namespace dakru::ui {
namespace {

constexpr QColor kCursorColour{230, 0, 0};
constexpr int kCursorWidth = 2;  // pixels, drawn just outside the cell's own border

}  // namespace

SheetCursor::SheetCursor(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("SheetCursor"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // A screen reader hears the cursor as the focus of the cell it frames.
    hideFromReaders(*this);
    hide();
}

void SheetCursor::step(CursorStep step, const Engine& engine)
{
    rollCount_ = engine.RollCount();
    moveTo(stepCursor(place_, step, [&engine](CellPlace cell) { return engine.cell(cell.column, cell.row).marked; }));
}

void SheetCursor::follow(const Engine& engine)
{
    if (place_ && (engine.RollCount() != rollCount_ || !engine.cell(place_->column, place_->row).marked)) {
        moveTo(std::nullopt);
    }
}

void SheetCursor::restoreAfterUndo(const Engine& engine)
{
    if (beforeChange_ && engine.cell(beforeChange_->column, beforeChange_->row).marked) {
        rollCount_ = engine.RollCount();
        moveTo(beforeChange_);
    }
}

void SheetCursor::moveTo(std::optional<CellPlace> place)
{
    place_ = place;
    if (!place_) {
        hide();
        return;
    }
    const QRect cell = layout::cellRect(layout::columnLeft(place_->column), layout::rowTop(place_->row));
    setGeometry(cell.adjusted(-kCursorWidth, -kCursorWidth, kCursorWidth, kCursorWidth));
    show();
    raise();
}

void SheetCursor::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QPen(kCursorColour, kCursorWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    const qreal inset = kCursorWidth / 2.0;
    painter.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
}

}  // namespace dakru::ui
