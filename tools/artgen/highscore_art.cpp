#include "highscore_art.h"

#include "image_util.h"
#include "palette.h"
#include "text_art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace dakru::art {

namespace {

void paintGround(QPainter& p)
{
    const QRectF all(QPointF(0, 0), kHighScoreSize);
    QLinearGradient night(all.topLeft(), all.bottomLeft());
    night.setColorAt(0.0, kNightTop);
    night.setColorAt(0.25, QColor(22, 16, 70));
    night.setColorAt(1.0, kNightBottom);
    p.fillRect(all, night);

    QRadialGradient pool(QPointF(149.5, 38), 160);
    pool.setColorAt(0.0, QColor(110, 80, 230, 110));
    pool.setColorAt(1.0, QColor(40, 30, 120, 0));
    p.fillRect(QRectF(0, 0, kHighScoreSize.width(), 80), pool);
}

void paintEntryPanel(QPainter& p)
{
    const QRectF panel = QRectF(kEntriesArea).adjusted(-8, -8, 8, -2);
    p.setPen(QPen(QColor(70, 62, 160, 150), 1.0));
    p.setBrush(kBoard);
    p.drawRoundedRect(panel.adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
    // Every other row a shade lighter, to guide the eye along a line.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 9));
    for (int i = 0; i < 10; i += 2)
        p.drawRoundedRect(QRectF(entryRow(i)).adjusted(-4, 0, 4, 0), 3, 3);
}

void paintRule(QPainter& p, qreal y)
{
    QLinearGradient rule(20, y, kHighScoreSize.width() - 20, y);
    rule.setColorAt(0.0, QColor(206, 150, 60, 0));
    rule.setColorAt(0.5, QColor(226, 176, 80, 220));
    rule.setColorAt(1.0, QColor(206, 150, 60, 0));
    p.setPen(QPen(QBrush(rule), 1.0));
    p.drawLine(QPointF(20, y), QPointF(kHighScoreSize.width() - 20, y));
}

}  // namespace

QImage highScoreBackground(int scale)
{
    QImage picture = renderSupersampled(kHighScoreSize, scale, 3, Qt::black, [](QPainter& p) {
        paintGround(p);
        paintRule(p, 66.5);
        paintEntryPanel(p);
    });
    QPainter p(&picture);
    p.drawImage(0, 0, goldTitle(kHighScoreSize, scale, QStringLiteral("High Scores"), titleFont(30), {149.5, 36}));
    p.drawImage(0, 0,
                glowingWord(kHighScoreSize, scale, QStringLiteral("CLOSE"), menuFont(13, 1.6),
                            QRectF(kCloseArea).center(), QColor(226, 224, 255), kFrameViolet, 3));
    p.end();
    return picture.convertToFormat(QImage::Format_RGB32);
}

}  // namespace dakru::art
