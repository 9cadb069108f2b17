#include "line_list.h"

#include <QPainter>
#include <QStyledItemDelegate>
#include <QtMath>
#include <cmath>

#include "chart_style.h"

namespace dakru::ui::table {
namespace {

using statistics::chartFont;

constexpr int kCellsRole = Qt::UserRole;
constexpr int kMarkedRole = Qt::UserRole + 1;
constexpr qreal kLinePoints = 10;
constexpr qreal kCaptionPoints = 9;
const QColor kChosen{56, 44, 150};

// The columns' rectangles across a line of `width`.
std::vector<QRectF> columnRects(const std::vector<LineColumn>& columns, const QRectF& line)
{
    std::vector<QRectF> rects;
    double left = line.left() + 6;
    const double width = line.width() - 12;
    for (const LineColumn& column : columns) {
        rects.emplace_back(left, line.top(), width * column.share, line.height());
        left += width * column.share;
    }
    return rects;
}

class LineDelegate : public QStyledItemDelegate {
public:
    explicit LineDelegate(LineList& list) : QStyledItemDelegate(&list), list_(list) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        painter->save();
        const bool chosen = option.state.testFlag(QStyle::State_Selected);
        const bool marked = index.data(kMarkedRole).toBool();
        painter->fillRect(option.rect, chosen ? kChosen : statistics::kGround);
        if (option.state.testFlag(QStyle::State_HasFocus)) {
            painter->setPen(QPen(statistics::kAxis, 1, Qt::DotLine));
            painter->drawRect(QRectF(option.rect).adjusted(0.5, 0.5, -0.5, -0.5));
        }
        painter->setFont(chartFont(kLinePoints, marked));
        painter->setPen(marked ? statistics::kAverage : (chosen ? QColor(Qt::white) : statistics::kText));
        const QStringList cells = index.data(kCellsRole).toStringList();
        const std::vector<QRectF> rects = columnRects(list_.columns(), option.rect);
        for (std::size_t i = 0; i < rects.size() && i < static_cast<std::size_t>(cells.size()); ++i) {
            // A long name ends in "..." within its column; the line's reading keeps it whole.
            const QRectF room = rects[i].adjusted(4, 0, -4, 0);
            const QString text = painter->fontMetrics().elidedText(cells[static_cast<qsizetype>(i)], Qt::ElideRight,
                                                                   qFloor(room.width()));
            painter->drawText(room, list_.columns()[i].alignment | Qt::AlignVCenter, text);
        }
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override { return {0, list_.lineHeight()}; }

private:
    const LineList& list_;
};

// The captions over the columns, in the room the list leaves above its lines.
class CaptionRow : public QWidget {
public:
    explicit CaptionRow(LineList& list) : QWidget(&list), list_(list) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), statistics::kGround);
        painter.setFont(chartFont(kCaptionPoints, true));
        painter.setPen(statistics::kText);
        const std::vector<QRectF> rects = columnRects(list_.columns(), QRectF(rect()));
        for (std::size_t i = 0; i < rects.size(); ++i) {
            painter.drawText(rects[i].adjusted(4, 0, -4, 0), list_.columns()[i].alignment | Qt::AlignVCenter,
                             list_.columns()[i].caption);
        }
        painter.setPen(QPen(statistics::kAxis, 1));
        painter.drawLine(QPointF(0, height() - 0.5), QPointF(width(), height() - 0.5));
    }

private:
    const LineList& list_;
};

int captionHeight()
{
    return static_cast<int>(std::ceil(QFontMetricsF(chartFont(kCaptionPoints, true)).height() * 1.6));
}

}  // namespace

LineList::LineList(std::vector<LineColumn> columns, QWidget* parent) : QListWidget(parent), columns_(std::move(columns))
{
    setItemDelegate(new LineDelegate(*this));
    setFrameShape(QFrame::NoFrame);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette colours = palette();
    colours.setColor(QPalette::Base, statistics::kGround);
    colours.setColor(QPalette::Text, statistics::kText);
    setPalette(colours);
    captions_ = new CaptionRow(*this);
    setViewportMargins(0, captionHeight(), 0, 0);
}

void LineList::setLine(int index, const QStringList& cells, const QString& reading, bool marked)
{
    while (count() <= index) {
        addItem(QString());
    }
    QListWidgetItem* line = item(index);
    line->setText(reading);
    line->setData(Qt::AccessibleTextRole, reading);
    line->setData(kCellsRole, cells);
    line->setData(kMarkedRole, marked);
}

void LineList::setLineCount(int count)
{
    while (this->count() > count) {
        delete takeItem(this->count() - 1);
    }
}

int LineList::lineHeight() const
{
    return static_cast<int>(std::ceil(QFontMetricsF(chartFont(kLinePoints, true)).height() * 1.7));
}

int LineList::heightFor(int lines) const
{
    return captionHeight() + lines * lineHeight() + 2 * frameWidth();
}

void LineList::resizeEvent(QResizeEvent* event)
{
    QListWidget::resizeEvent(event);
    const QRect inside = contentsRect();
    captions_->setGeometry(inside.left(), inside.top(), inside.width(), captionHeight());
}

}  // namespace dakru::ui::table
