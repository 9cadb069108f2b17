#include "icon_art.h"

#include "dice_art.h"
#include "image_util.h"

#include <QPainter>

namespace dakru::art {

QImage iconPicture(int size)
{
    // Small icons get a die that fills more of the square; the shadow and the
    // tilt only pay off where there are pixels for them.
    const bool small = size <= 32;
    const qreal die = small ? size * 0.88 : size * 0.74;
    const qreal pips = size <= 16 ? 1.3 : 1.0;
    return renderSupersampled({size, size}, 1, size <= 64 ? 8 : 4, Qt::transparent, [&](QPainter& p) {
        p.translate(size / 2.0, size / 2.0 - size * 0.02);
        if (!small)
            p.rotate(-8);
        paintDie(p, QRectF(-die / 2, -die / 2, die, die), 5, DieLook::Released, pips);
    });
}

}  // namespace dakru::art
