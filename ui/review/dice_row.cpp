#include "dice_row.h"

#include <QPainter>

#include "readings.h"
#include "review_style.h"

namespace dakru::ui::coach {

std::string diePicture(const Die& die)
{
    if (!die.face) {
        return "d.jpg";
    }
    return "d" + std::to_string(*die.face) + (die.held ? "s.jpg" : ".jpg");
}

DiceRow::DiceRow(PictureCache& pictures, QWidget* parent) : QWidget(parent), pictures_(pictures)
{
    setFixedSize(kWidth, kDieSize);
}

void DiceRow::showDice(const std::array<Die, kDiceCount>& dice)
{
    dice_ = dice;
    update();
}

QString DiceRow::reading() const
{
    QStringList dice;
    for (int n = 1; n <= kDiceCount; ++n) {
        dice << dieReading(n, dice_[n - 1]).name();
    }
    return dice.join(QStringLiteral("; "));
}

void DiceRow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int n = 0; n < kDiceCount; ++n) {
        const Die& die = dice_[n];
        const QRect place(n * (kDieSize + kGap), 0, kDieSize, kDieSize);
        const QPixmap& picture = pictures_.get(diePicture(die), devicePixelRatioF());
        if (!picture.isNull()) {
            painter.drawPixmap(place, picture);
            continue;
        }
        painter.fillRect(place, die.held ? QColor(160, 160, 160) : QColor(240, 240, 240));
        painter.setPen(Qt::black);
        painter.setFont(reviewFont(14, true));
        painter.drawText(place, Qt::AlignCenter, die.face ? QString::number(*die.face) : QString());
    }
}

}  // namespace dakru::ui::coach
