#include "cover_art.h"

#include "dice_art.h"
#include "image_util.h"
#include "palette.h"
#include "text_art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace dakru::art {

namespace {

constexpr int kSupersample = 3;
constexpr int kBoardTop = 104;
constexpr int kBoardBottom = 419;
const QRectF kTrayRect{97.5, 419.5, 247, 52};

void paintGround(QPainter& p)
{
    QLinearGradient night(0, 0, 0, kCoverSize.height());
    night.setColorAt(0.0, kNightTop);
    night.setColorAt(0.2, QColor(22, 16, 70));
    night.setColorAt(1.0, kNightBottom);
    p.fillRect(QRect(QPoint(0, 0), kCoverSize), night);

    // A pool of violet light behind the title.
    QRadialGradient pool(QPointF(176.5, 52), 190);
    pool.setColorAt(0.0, QColor(110, 80, 230, 120));
    pool.setColorAt(0.5, QColor(70, 50, 180, 40));
    pool.setColorAt(1.0, QColor(40, 30, 120, 0));
    p.fillRect(QRectF(0, 0, kCoverSize.width(), kBoardTop), pool);
}

void paintBoard(QPainter& p)
{
    const QRectF board(0, kBoardTop, kCoverSize.width(), kBoardBottom - kBoardTop);
    p.fillRect(board, kBoard);
    // Darker towards the sides, so the sheet seems to lie in a soft light.
    QLinearGradient sides(board.topLeft(), board.topRight());
    sides.setColorAt(0.0, QColor(0, 0, 0, 70));
    sides.setColorAt(0.18, QColor(0, 0, 0, 0));
    sides.setColorAt(0.82, QColor(0, 0, 0, 0));
    sides.setColorAt(1.0, QColor(0, 0, 0, 70));
    p.fillRect(board, sides);

    // A soft pool of light in the middle of the table: only a lift in tone, so
    // it stays calm under the sheet.
    QRadialGradient light(QPointF(176.5, 262), 170);
    light.setColorAt(0.0, QColor(70, 60, 170, 46));
    light.setColorAt(0.6, QColor(70, 60, 170, 16));
    light.setColorAt(1.0, QColor(70, 60, 170, 0));
    p.fillRect(board, light);

    // A die drawn in faint lines on the table: the title screen's emblem. In
    // play the sheet covers nearly all of it.
    p.save();
    p.translate(176.5, 262);
    p.rotate(-12);
    const QColor faint(150, 140, 255, 22);
    p.setPen(QPen(faint, 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(-72, -72, 144, 144), 26, 26);
    p.setPen(Qt::NoPen);
    p.setBrush(faint);
    for (const QPointF pip : {QPointF(-38, -38), QPointF(38, -38), QPointF(0, 0), QPointF(-38, 38), QPointF(38, 38)})
        p.drawEllipse(pip, 13, 13);
    p.restore();

    // Thin gilt rules close the board above and below.
    for (const qreal y : {kBoardTop + 0.5, kBoardBottom - 0.5}) {
        QLinearGradient rule(0, y, kCoverSize.width(), y);
        rule.setColorAt(0.0, QColor(206, 150, 60, 0));
        rule.setColorAt(0.5, QColor(226, 176, 80, 220));
        rule.setColorAt(1.0, QColor(206, 150, 60, 0));
        p.setPen(QPen(QBrush(rule), 1.0));
        p.drawLine(QPointF(0, y), QPointF(kCoverSize.width(), y));
    }
}

void paintTray(QPainter& p)
{
    // The dice lie in a shallow, flat tray: its floor is exactly the colour of
    // the dice pictures' corners.
    p.setPen(QPen(QColor(70, 62, 160, 150), 1.0));
    p.setBrush(kTray);
    p.drawRoundedRect(kTrayRect, 9, 9);
    p.setPen(QPen(QColor(0, 0, 0, 120), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(kTrayRect.adjusted(1, 1, -1, -1), 8, 8);
}

void paintMenuRule(QPainter& p)
{
    const qreal y = 475.5;
    QLinearGradient rule(16, y, 337, y);
    rule.setColorAt(0.0, QColor(124, 111, 244, 0));
    rule.setColorAt(0.5, QColor(124, 111, 244, 110));
    rule.setColorAt(1.0, QColor(124, 111, 244, 0));
    p.setPen(QPen(QBrush(rule), 1.0));
    p.drawLine(QPointF(16, y), QPointF(337, y));
}

void paintTitleDice(QPainter& p)
{
    const auto tilted = [&](QPointF centre, qreal angle, int face, DieLook look) {
        p.save();
        p.translate(centre);
        p.rotate(angle);
        paintDie(p, QRectF(-15, -15, 30, 30), face, look);
        p.restore();
    };
    tilted({42, 54}, -16, 5, DieLook::Released);
    tilted({311, 58}, 13, 3, DieLook::Held);
}

QImage menuLayer(int scale)
{
    QImage out(kCoverSize * scale, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    QPainter p(&out);
    const QColor ink(226, 224, 255);
    for (const MenuWord& w : kMenuWords) {
        const bool roll = QLatin1String(w.word) == QLatin1String("ROLL");
        const QFont font = roll ? menuFont(15, 1.2) : menuFont(12, 1.4);
        QPointF centre = QRectF(w.hotSpot).center();
        // The roll counter sits in the right end of the ROLL hot spot: the word
        // is centred on the part left of it, so the two read as "ROLL 2".
        if (roll)
            centre.setX((w.hotSpot.left() + kRollCounter.left()) / 2.0);
        p.drawImage(0, 0,
                    glowingWord(kCoverSize, scale, QString::fromLatin1(w.word), font, centre, ink, kFrameViolet, 3));
    }
    return out;
}

}  // namespace

QImage coverPicture(int scale)
{
    QImage cover = renderSupersampled(kCoverSize, scale, kSupersample, Qt::black, [](QPainter& p) {
        paintGround(p);
        paintBoard(p);
        paintTray(p);
        paintMenuRule(p);
        paintTitleDice(p);
    });
    QPainter p(&cover);
    p.drawImage(0, 0, goldTitle(kCoverSize, scale, QStringLiteral("Dakru"), titleFont(54), {176.5, 52}));
    p.drawImage(0, 0,
                glowingWord(kCoverSize, scale, QStringLiteral("THE DICE GAME"), menuFont(8, 3.0), {176.5, 93},
                            QColor(200, 196, 255, 200), kFrameViolet, 2));
    p.drawImage(0, 0, menuLayer(scale));
    p.end();
    return cover.convertToFormat(QImage::Format_RGB32);
}

}  // namespace dakru::art
