#include "caption_fit.h"

#include <QFontMetricsF>
#include <QLabel>
#include <algorithm>
#include <cmath>
#include <utility>

namespace dakru::ui {
namespace {

// Narrower than this a caption no longer reads as the same font.
constexpr int kNarrowestStretch = 50;

qreal textWidth(const QLabel& label, const QFont& font)
{
    return QFontMetricsF(font, &label).horizontalAdvance(label.text());
}

}  // namespace

void fitCaption(QLabel& label, int roomRight)
{
    const qreal room = roomRight - label.x();
    const qreal centre = label.width() / 2.0;
    QFont font = label.font();
    const qreal width = textWidth(label, font);
    if (centre + width / 2 <= room || room <= 0) {
        return;
    }
    label.setContentsMargins(0, 0, label.width() - static_cast<int>(room), 0);
    // A pixel of air on either side, off the window's edge and the cells' line.
    const qreal fit = room - 2;
    if (width <= fit) {
        return;
    }
    int stretch = std::max(kNarrowestStretch, static_cast<int>(std::floor(100 * fit / width)));
    font.setStretch(stretch);
    while (stretch > kNarrowestStretch && textWidth(label, font) > fit) {
        font.setStretch(--stretch);
    }
    label.setFont(font);
}

CaptionLabel::CaptionLabel(QWidget* parent, int roomRight) : ClickLabel(parent), roomRight_(roomRight) {}

void CaptionLabel::paintEvent(QPaintEvent* event)
{
    if (!std::exchange(fitted_, true)) {
        fitCaption(*this, roomRight_);
    }
    ClickLabel::paintEvent(event);
}

}  // namespace dakru::ui
