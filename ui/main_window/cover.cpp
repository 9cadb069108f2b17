#include "cover.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

#include "accessible_label.h"
#include "main_layout.h"

namespace dakru::ui {
namespace {

// Without its picture the cover still names the menu under the hot spots.
void drawStandIn(QPainter& painter, const QRect& area)
{
    painter.fillRect(area, QColor(21, 13, 96));
    painter.setPen(QColor(192, 192, 255));
    QFont title(QStringLiteral("Times New Roman"));
    title.setPointSizeF(30);
    painter.setFont(title);
    painter.drawText(twipsRect(0, 240, 5220, 1200), Qt::AlignCenter, QStringLiteral("Dakru"));
    QFont menu(QStringLiteral("Verdana"));
    menu.setPointSizeF(10);
    menu.setBold(true);
    painter.setFont(menu);
    constexpr const char* words[] = {"ROLL", "NEW", "HIGHSCORE", "INFO", "EXIT"};
    for (std::size_t k = 0; k < layout::kHotSpots.size(); ++k) {
        painter.drawText(layout::kHotSpots[k], Qt::AlignCenter, QString::fromLatin1(words[k]));
    }
}

}  // namespace

CoverPicture::CoverPicture(Picture picture, QWidget* parent) : QWidget(parent), picture_(std::move(picture))
{
    setMouseTracking(true);
    // The hot spots over it are what a screen reader offers.
    hideFromReaders(*this);
    // It paints every pixel, so while it is in front nothing behind it is painted.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The first frame shows it: read meanwhile, while the rest of the window is built.
    picture_.readAhead(devicePixelRatioF());
}

void CoverPicture::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    emit moved();
}

void CoverPicture::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (const qreal ratio = devicePixelRatioF(); ratio != shownRatio_) {
        shownRatio_ = ratio;
        shown_ = PackedPicture(picture_.take(ratio));
        // Packed once this drawing is on screen, as the start goes on.
        QTimer::singleShot(0, this, [this] { shown_.pack(); });
    }
    if (shown_.isNull()) {
        drawStandIn(painter, rect());
        return;
    }
    if (!QRectF(QPointF(), shown_.size()).contains(QRectF(rect()))) {
        painter.fillRect(rect(), Qt::black);
    }
    shown_.draw(painter, event->rect());
}

}  // namespace dakru::ui
